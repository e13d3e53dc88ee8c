#include "mainwindow/ui/StartPanel.h"

#include "mainwindow/ui/Fonts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace orv {

namespace {

const char* const kWelcome = R"(
<h2 style="color:#2f6f73">Bem-vindo ao Orvalune, a agenda da família</h2>
<table cellspacing="6">
<tr><td><b>Compromissos</b></td><td>o seu dia hora a hora, com lembretes e som de alarme,
repetições e compromissos compartilhados com a família.</td></tr>
<tr><td><b>Endereços</b></td><td>os telefones e endereços de quem você conhece; os aniversários
viram lembretes todos os anos.</td></tr>
<tr><td><b>Finanças</b></td><td>as receitas e despesas do mês, com o saldo que passa de um mês
para o outro.</td></tr>
<tr><td><b>Tarefas</b></td><td>o que precisa ser feito, por prazo e prioridade.</td></tr>
<tr><td><b>Anotações</b></td><td>um bloco de notas só seu.</td></tr>
</table>
<p>O Orvalune fica ao lado do relógio, na área de notificação: clique no ícone para voltar à
agenda; o botão direito encerra a sessão ou o programa. Tecle <b>F1</b> para a ajuda completa.</p>
<p style="color:#8a4b2a"><b>Dica:</b> faça uma cópia de segurança dos seus dados toda semana
(botão de cópia no canto de baixo da janela).</p>
)";

} // namespace

StartPanel::StartPanel(QWidget* parent) : Panel(QStringLiteral("frmInicial"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 12, 24, 12);
    auto* text = new QLabel(QString::fromUtf8(kWelcome), this);
    text->setObjectName(QStringLiteral("lblBoasVindas"));
    text->setWordWrap(true);
    text->setFont(arial(10));
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(text);
}

} // namespace orv
