#include "contacts/ui/ContactSearchFrame.h"

#include "contacts/ui/FormBoxes.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace orv::contacts {

ContactSearchFrame::ContactSearchFrame(QWidget* parent)
    : QGroupBox(QStringLiteral("  Pesquisas   "), parent) {
    setObjectName(QStringLiteral("frmPesquisaEndereco"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(4);
    txtPesquisaNome =
        lineBox(this, grid, 0, 0, QStringLiteral("Nome: "), QStringLiteral("txtPesquisaNome"), 75);
    txtPesquisaEmpresa = lineBox(this, grid, 0, 2, QStringLiteral("Empresa: "),
                                 QStringLiteral("txtPesquisaEmpresa"), 100);
    txtPesquisaTelefone = lineBox(this, grid, 1, 0, QStringLiteral("Telefone: "),
                                  QStringLiteral("txtPesquisaTelefone"), 15);
    txtPesquisaEmail = lineBox(this, grid, 1, 2, QStringLiteral("Email: "),
                               QStringLiteral("txtPesquisaEmail"), 100);
    cmdEnderecoPesquisar =
        button(this, QStringLiteral("&Pesquisar"), QStringLiteral("cmdEnderecoPesquisar"));
    cmdEnderecoLimpar =
        button(this, QStringLiteral("&Limpar"), QStringLiteral("cmdEnderecoLimpar"));
    grid->addWidget(cmdEnderecoPesquisar, 0, 4);
    grid->addWidget(cmdEnderecoLimpar, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    // Enter in a search box searches.
    for (QLineEdit* box :
         {txtPesquisaNome, txtPesquisaEmpresa, txtPesquisaTelefone, txtPesquisaEmail}) {
        connect(box, &QLineEdit::returnPressed, cmdEnderecoPesquisar, &QPushButton::click);
    }
}

ContactSearch ContactSearchFrame::boxes() const {
    return {txtPesquisaNome->text(), txtPesquisaEmpresa->text(), txtPesquisaTelefone->text(),
            txtPesquisaEmail->text()};
}

void ContactSearchFrame::clearBoxes() {
    for (QLineEdit* box :
         {txtPesquisaNome, txtPesquisaEmail, txtPesquisaEmpresa, txtPesquisaTelefone}) {
        box->clear();
    }
}

} // namespace orv::contacts
