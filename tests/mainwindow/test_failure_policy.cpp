#include "support/Faults.h"
#include "support/TestSupport.h"

#include "mainwindow/Panels.h"
#include "mainwindow/ui/Grid.h"
#include "mainwindow/ui/MainWindow.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sqlcipher/sqlite3.h>

using namespace orv;
using namespace orv::test;

namespace {

// What keeps the data file from being used, brought about and taken away again.
enum class Cause { ReadOnly, Removed, DiskFull };

class Fault {
public:
    Fault(TestApp& app, Cause cause) : app_(app), cause_(cause) {
        if (cause == Cause::DiskFull) {
            disk_.emplace(app.program.paths().programFolder);
        }
    }
    void begin() {
        const QString data = app_.ctx.paths.dataFile();
        switch (cause_) {
        case Cause::ReadOnly:
            QFile::setPermissions(data, QFile::ReadOwner);
            noOverride_.emplace();
            app_.ctx.db.release(); // a start on a read-only file
            break;
        case Cause::Removed:
            QFile::rename(data, data + ".fora");
            break;
        case Cause::DiskFull:
            if (disk_->mounted()) {
                disk_->fill();
            } else {
                app_.ctx.db.dataFile().failWritesWith(SQLITE_FULL);
            }
        }
    }
    void end() {
        const QString data = app_.ctx.paths.dataFile();
        noOverride_.reset();
        QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner);
        QFile::rename(data + ".fora", data);
        if (disk_) {
            disk_->drain();
        }
        app_.ctx.db.dataFile().failWritesWith(SQLITE_OK);
        app_.ctx.db.release();
    }
    // What the message says about this cause.
    const char* told() const {
        return cause_ == Cause::ReadOnly  ? "protegido contra gravação"
               : cause_ == Cause::Removed ? "não foi encontrado"
                                          : "está cheio";
    }

private:
    TestApp& app_;
    Cause cause_;
    std::optional<SmallDisk> disk_;
    std::optional<WithoutRootOverride> noOverride_;
};

// ANA in the real main window, with one row of each kind to delete.
struct Window {
    TestApp app;
    qint64 ana = app.addUser("ANA");
    bool today = (app.clock.set(QDateTime(QDate(2026, 3, 10), QTime(10, 0))), true);
    MainWindow window{app.ctx};

    Window() {
        Db& db = app.ctx.db;
        db.executeSql("insert into Compromissos (Usuario,Data,Hora,Compromisso,ChavePai,Status,"
                      "Compartilhado) values (?,'2026-03-10','09:00:00','Reunião',0,'0','N')",
                      {ana});
        db.executeSql("insert into Enderecos (Usuario,Nome,Compartilhado) values (?,'Carla','N')",
                      {ana});
        db.executeSql("insert into Financas (Usuario,Data,Descricao,Pago,Efetuado) values "
                      "(?,'2026-03-05','Aluguel',900,'N')",
                      {ana});
        db.executeSql("insert into Tarefas (Usuario,Data,DataFim,Descricao,Status,Prioridade) "
                      "values (?,'2026-03-01','2026-03-20','Consertar','0',1)",
                      {ana});
        app.logOn(ana);
        window.show();
    }
    template <typename W = QWidget> W* find(const char* name) {
        W* w = window.findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* button) { find<QPushButton>(button)->click(); }
    // Clicks the grid row whose cells hold the text.
    void clickRow(const char* grid, const QString& text) {
        Grid* g = find<Grid>(grid);
        for (int r = 1; r < g->rows(); ++r) {
            for (int c = 0; c < 6; ++c) {
                if (g->text(r, c).trimmed() == text) {
                    Q_EMIT g->rowClicked(r);
                    return;
                }
            }
        }
        ADD_FAILURE() << text.toStdString() << " is not in " << grid;
    }
    void type(const char* box, const QString& text) {
        QWidget* w = find(box);
        if (auto* line = qobject_cast<QLineEdit*>(w)) {
            line->setText(text);
        } else {
            qobject_cast<QPlainTextEdit*>(w)->setPlainText(text);
        }
    }
    QString text(const char* box) {
        QWidget* w = find(box);
        auto* line = qobject_cast<QLineEdit*>(w);
        return line ? line->text() : qobject_cast<QPlainTextEdit*>(w)->toPlainText();
    }
    int count(const QString& where) {
        return static_cast<int>(
            app.ctx.db.runQuery("Select count(*) as n from " + where).integer("n"));
    }
};

struct Action {
    const char* name;
    QString panel;
    std::function<void(Window&)> open; // the frame opened, the text typed
    const char* button;
    bool writes;
    bool confirms;
    const char* box; // keeps the typed text
    QString typed;
    std::function<bool(Window&)> done;
};

const Action kActions[] = {
    {"novo compromisso", panel::Compromissos,
     [](Window& w) {
         w.clickRow("grdCompromissos", "08:00");
         w.type("txtDescricaoCompromisso", "Dentista");
     },
     "cmdCompromissoGravar", true, false, "txtDescricaoCompromisso", "Dentista",
     [](Window& w) { return w.count("Compromissos Where Compromisso = 'Dentista'") == 1; }},
    {"excluir compromisso",
     panel::Compromissos,
     [](Window& w) { w.clickRow("grdCompromissos", "Reunião"); },
     "cmdCompromissoExcluir",
     true,
     true,
     nullptr,
     {},
     [](Window& w) { return w.count("Compromissos") == 0; }},
    {"dia seguinte",
     panel::Compromissos,
     nullptr,
     "imgDiaApos",
     false,
     false,
     nullptr,
     {},
     [](Window& w) { return w.find<QLabel>("lblData")->text().startsWith("quarta-feira, 11"); }},
    {"negritar o calendário",
     panel::Compromissos,
     [](Window& w) { w.click("cmdCompromissoCalendario"); },
     "cmdExibirCompromissosCalendario",
     false,
     false,
     nullptr,
     {},
     [](Window& w) {
         for (const QLabel* day : w.window.findChildren<QLabel*>(QRegularExpression("^L\\d+$"))) {
             if (day->text().trimmed() == "10" && day->font().bold()) {
                 return true;
             }
         }
         return false;
     }},
    {"novo endereço", panel::Enderecos,
     [](Window& w) {
         w.click("cmdEnderecoNovo");
         w.type("txtDadosEndNome", "Bia Lima");
     },
     "cmdEnderecoSalvar", true, false, "txtDadosEndNome", "Bia Lima",
     [](Window& w) { return w.count("Enderecos") == 2; }},
    {"excluir endereço",
     panel::Enderecos,
     [](Window& w) {
         w.type("txtPesquisaNome", "Carla");
         w.click("cmdEnderecoPesquisar");
         w.clickRow("grdEndereco", "Carla");
     },
     "cmdEnderecoExcluir",
     true,
     true,
     nullptr,
     {},
     [](Window& w) { return w.count("Enderecos") == 0; }},
    {"novo lançamento", panel::Financas,
     [](Window& w) {
         w.click("cmdFinancasNovo");
         w.type("txtFinancasDescricao", "Conta de luz");
         w.type("txtFinancasValor", "12,50");
     },
     "cmdFinancasSalvar", true, false, "txtFinancasDescricao", "Conta de luz",
     [](Window& w) { return w.count("Financas") == 2; }},
    {"excluir lançamento",
     panel::Financas,
     [](Window& w) { w.clickRow("grdFinancas", "Aluguel"); },
     "cmdFinancasExcluir",
     true,
     true,
     nullptr,
     {},
     [](Window& w) { return w.count("Financas") == 0; }},
    {"saldo ao próximo mês",
     panel::Financas,
     nullptr,
     "cmdSaldoProximo",
     true,
     false,
     nullptr,
     {},
     [](Window& w) { return w.count("Saldos") == 1; }},
    {"nova tarefa", panel::Tarefas,
     [](Window& w) {
         w.click("cmdTarefaNova");
         w.type("txtTarefaDescricao", "Pagar a escola");
     },
     "cmdTarefaSalvar", true, false, "txtTarefaDescricao", "Pagar a escola",
     [](Window& w) { return w.count("Tarefas") == 2; }},
    {"excluir tarefa",
     panel::Tarefas,
     [](Window& w) { w.clickRow("grdTarefas", "Consertar"); },
     "cmdTarefaExcluir",
     true,
     true,
     nullptr,
     {},
     [](Window& w) { return w.count("Tarefas") == 0; }},
    {"anotações", panel::Notas, [](Window& w) { w.type("txtNotas", "Ligar para a vovó"); },
     "cmdNotasSalvar", true, false, "txtNotas", "Ligar para a vovó",
     [](Window& w) { return w.count("Notas Where Notas = 'Ligar para a vovó'") == 1; }},
    {"configurações", panel::Configuracao, [](Window& w) { w.type("txtDadosNome", "Ana Souza"); },
     "cmdAgendaGravar", true, false, "txtDadosNome", "Ana Souza",
     [](Window& w) { return w.count("Usuarios Where Nome = 'Ana Souza'") == 1; }},
    {"excluir usuário",
     panel::Configuracao,
     nullptr,
     "cmdExcluirUsuario",
     true,
     true,
     nullptr,
     {},
     [](Window& w) { return w.count("Usuarios") == 0; }},
};

} // namespace

// Every save, delete and step of every panel meets a data file it cannot use
// the same way: the program's message names the cause, what was typed stays,
// the data file is untouched, and the same action succeeds once the cause is gone.
TEST(FailurePolicy, EveryActionOfEveryPanel) {
    for (const Cause cause : {Cause::ReadOnly, Cause::Removed, Cause::DiskFull}) {
        for (const Action& a : kActions) {
            SCOPED_TRACE(std::string(a.name) + " / cause " + std::to_string(int(cause)));
            Window w;
            Fault fault(w.app, cause);
            if (a.panel == panel::Configuracao) {
                w.window.openSettings();
            } else {
                w.window.pressPanel(a.panel);
            }
            if (a.open) {
                a.open(w);
            }
            const QByteArray before = fileBytes(w.app.ctx.paths.dataFile());
            const bool fails = cause == Cause::Removed || a.writes;
            fault.begin();
            w.app.messages.clear();
            w.app.messages.answer(true);
            w.click(a.button);
            const QString last = w.app.messages.last();
            if (fails) {
                EXPECT_TRUE(last.contains(fault.told())) << last.toStdString();
                EXPECT_EQ(w.app.messages.shown().size(), a.confirms ? 2u : 1u);
                if (a.box != nullptr) {
                    EXPECT_EQ(w.text(a.box), a.typed);
                }
            } else {
                EXPECT_TRUE(w.app.messages.texts().isEmpty()) << last.toStdString();
            }
            fault.end();
            EXPECT_EQ(fileBytes(w.app.ctx.paths.dataFile()), before);
            if (fails) {
                EXPECT_FALSE(a.done(w));
                w.app.messages.clear();
                w.app.messages.answer(true);
                w.click(a.button);
                EXPECT_FALSE(w.app.messages.texts().join("").contains("Nada foi gravado"));
            }
            EXPECT_TRUE(a.done(w));
        }
    }
}
