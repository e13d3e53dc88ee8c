#include "support/Faults.h"
#include "support/TestSupport.h"

#include "mainwindow/Panels.h"
#include "mainwindow/ui/Grid.h"
#include "mainwindow/ui/MainWindow.h"

#include <optional>
#include <sqlcipher/sqlite3.h>

using namespace orv;
using namespace orv::test;

namespace {

// What keeps the data file from being used: brought about, told, taken away again.
enum class Cause { ReadOnly, Removed, DiskFull };

class Fault {
public:
    Fault(TestApp& app, Cause cause) : app_(app), cause_(cause) {
        if (cause == Cause::DiskFull) {
            disk_.emplace(app.ctx.paths.programFolder);
        }
    }
    void begin() {
        const QString data = app_.ctx.paths.dataFile();
        if (cause_ == Cause::ReadOnly) {
            QFile::setPermissions(data, QFile::ReadOwner);
            noOverride_.emplace();
            app_.ctx.db.release(); // as a start on a read-only file
        } else if (cause_ == Cause::Removed) {
            QFile::rename(data, data + ".fora");
        } else if (disk_->mounted()) {
            disk_->fill();
        } else {
            app_.ctx.db.dataFile().failWritesWith(SQLITE_FULL);
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
    const char* told() const {
        const char* const texts[] = {"protegido contra gravação", "não foi encontrado", "cheio"};
        return texts[int(cause_)];
    }

private:
    TestApp& app_;
    Cause cause_;
    std::optional<SmallDisk> disk_;
    std::optional<WithoutRootOverride> noOverride_;
};

// ANA in the real main window on 10/03/2026, with one row of each kind to delete.
struct Window {
    TestApp app;
    qint64 ana = app.addUser("ANA");
    bool today = (app.clock.set(QDateTime(QDate(2026, 3, 10), QTime(10, 0))), true);
    MainWindow window{app.ctx};
    QString keptBox, kept; // the last text typed, and where

    Window() {
        for (const char* sql :
             {"insert into Compromissos (Usuario,Data,Hora,Compromisso,ChavePai,Status) values "
              "(?,'2026-03-10','09:00:00','Reunião',0,'0')",
              "insert into Enderecos (Usuario,Nome,Compartilhado) values (?,'Carla','N')",
              "insert into Financas (Usuario,Data,Descricao,Pago,Efetuado) values "
              "(?,'2026-03-05','Aluguel',900,'N')",
              "insert into Tarefas (Usuario,Data,DataFim,Descricao,Status,Prioridade) values "
              "(?,'2026-03-01','2026-03-20','Consertar','0',1)"}) {
            app.ctx.db.executeSql(sql, {ana});
        }
        app.logOn(ana);
        window.show();
    }
    // Runs "click BUTTON", "row GRID TEXT" or "type BOX TEXT" steps, "|" between them.
    void run(const QString& steps) {
        for (const QString& step : steps.split('|', Qt::SkipEmptyParts)) {
            const QString verb = step.section(' ', 0, 0), name = step.section(' ', 1, 1),
                          text = step.section(' ', 2);
            QWidget* w = window.findChild<QWidget*>(name);
            ASSERT_NE(w, nullptr) << name.toStdString();
            if (verb == "click") {
                qobject_cast<QPushButton*>(w)->click();
            } else if (verb == "row") {
                clickRow(static_cast<Grid*>(w), text);
            } else {
                auto* line = qobject_cast<QLineEdit*>(w);
                line ? line->setText(text) : qobject_cast<QPlainTextEdit*>(w)->setPlainText(text);
                keptBox = name, kept = text;
            }
        }
    }
    static void clickRow(Grid* g, const QString& text) {
        for (int r = 1; r < g->rows(); ++r) {
            for (int c = 0; c < g->columns(); ++c) {
                if (g->text(r, c).trimmed() == text) {
                    Q_EMIT g->rowClicked(r);
                    return;
                }
            }
        }
        ADD_FAILURE() << text.toStdString() << " is not in the grid";
    }
    QString typed() const {
        QWidget* w = window.findChild<QWidget*>(keptBox);
        auto* line = qobject_cast<QLineEdit*>(w);
        return line ? line->text() : qobject_cast<QPlainTextEdit*>(w)->toPlainText();
    }
    // "lblData=caption start" or "Table Where ...=count".
    bool done(const QString& check) {
        const QString what = check.section('=', 0, -2), value = check.section('=', -1);
        if (what == "lblData") {
            return window.lblData->text().startsWith(value);
        }
        return app.ctx.db.runQuery("Select count(*) as n from " + what).integer("n") ==
               value.toInt();
    }
};

struct Action {
    QString panel;
    const char* steps; // before the cause comes
    const char* button;
    bool writes;
    const char* done; // the effect, once the action went through
};

const Action kActions[] = {
    {panel::Compromissos, "row grdCompromissos 08:00|type txtDescricaoCompromisso Dentista",
     "cmdCompromissoGravar", true, "Compromissos Where Compromisso = 'Dentista'=1"},
    {panel::Compromissos, "row grdCompromissos Reunião", "cmdCompromissoExcluir", true,
     "Compromissos=0"},
    {panel::Compromissos, "", "imgDiaApos", false, "lblData=quarta-feira, 11"},
    {panel::Enderecos, "click cmdEnderecoNovo|type txtDadosEndNome Bia Lima", "cmdEnderecoSalvar",
     true, "Enderecos=2"},
    {panel::Enderecos,
     "type txtPesquisaNome Carla|click cmdEnderecoPesquisar|row grdEndereco Carla",
     "cmdEnderecoExcluir", true, "Enderecos=0"},
    {panel::Financas,
     "click cmdFinancasNovo|type txtFinancasValor 12,50|type txtFinancasDescricao Conta de luz",
     "cmdFinancasSalvar", true, "Financas=2"},
    {panel::Financas, "row grdFinancas Aluguel", "cmdFinancasExcluir", true, "Financas=0"},
    {panel::Financas, "", "cmdSaldoProximo", true, "Saldos=1"},
    {panel::Tarefas, "click cmdTarefaNova|type txtTarefaDescricao Pagar a escola",
     "cmdTarefaSalvar", true, "Tarefas=2"},
    {panel::Tarefas, "row grdTarefas Consertar", "cmdTarefaExcluir", true, "Tarefas=0"},
    {panel::Notas, "type txtNotas Ligar para a vovó", "cmdNotasSalvar", true,
     "Notas Where Notas = 'Ligar para a vovó'=1"},
    {panel::Configuracao, "type txtDadosNome Ana Souza", "cmdAgendaGravar", true,
     "Usuarios Where Nome = 'Ana Souza'=1"},
    {panel::Configuracao, "", "cmdExcluirUsuario", true, "Usuarios=0"},
};

} // namespace

// Every save, delete and step of every panel meets a data file it cannot use
// the same way: the program's message names the cause, what was typed stays,
// the data file is untouched, and the same action succeeds once the cause is gone.
TEST(FailurePolicy, EveryActionOfEveryPanel) {
    for (const Cause cause : {Cause::ReadOnly, Cause::Removed, Cause::DiskFull}) {
        for (const Action& a : kActions) {
            SCOPED_TRACE(std::string(a.button) + " / cause " + std::to_string(int(cause)));
            Window w;
            Fault fault(w.app, cause);
            a.panel == panel::Configuracao ? w.window.openSettings() : w.window.pressPanel(a.panel);
            w.run(a.steps);
            const QByteArray before = fileBytes(w.app.ctx.paths.dataFile());
            const bool fails = cause == Cause::Removed || a.writes;
            fault.begin();
            w.app.messages.clear();
            w.app.messages.answer(true); // a confirmation, where one is asked
            w.window.findChild<QPushButton*>(a.button)->click();
            if (fails) {
                EXPECT_TRUE(w.app.messages.last().contains(fault.told()))
                    << w.app.messages.last().toStdString();
                EXPECT_EQ(w.app.messages.texts().filter("tente de novo").size(), 1);
                if (!w.keptBox.isEmpty()) {
                    EXPECT_EQ(w.typed(), w.kept);
                }
            } else {
                EXPECT_TRUE(w.app.messages.texts().isEmpty());
            }
            fault.end();
            EXPECT_EQ(fileBytes(w.app.ctx.paths.dataFile()), before);
            if (fails) {
                EXPECT_FALSE(w.done(a.done));
                w.app.messages.clear();
                w.app.messages.answer(true);
                w.window.findChild<QPushButton*>(a.button)->click();
                EXPECT_TRUE(w.app.messages.texts().filter("tente de novo").isEmpty());
            }
            EXPECT_TRUE(w.done(a.done));
        }
    }
}
