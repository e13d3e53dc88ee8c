#include "support/TestSupport.h"

#include "appointments/AppointmentStore.h"
#include "finances/LedgerStore.h"
#include "mainwindow/Panels.h"
#include "mainwindow/ui/Grid.h"
#include "mainwindow/ui/MainWindow.h"
#include "mainwindow/ui/WindowServices.h"
#include "reminders/ui/ReminderController.h"
#include "reminders/ui/ReminderWindow.h"
#include "reminders/ui/SoundPlayer.h"
#include "session/SettingsSave.h"
#include "session/ui/LogonWindow.h"
#include "session/ui/Shell.h"
#include "session/ui/TrayIcon.h"
#include "tasks/TaskStore.h"

#include <QAbstractItemView>
#include <QAction>
#include <QTimer>

using namespace orv;
using namespace orv::test;

namespace {

// Every value of ANA's carries this mark, so any trace of her can be found.
const QString kMark = QStringLiteral("#ana#");

// Every text a window holds, shown or not: boxes, labels, tool tips and grid cells.
QStringList textsIn(QWidget* root) {
    QStringList texts;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        texts << w->toolTip();
        if (auto* box = qobject_cast<QLineEdit*>(w)) {
            texts << box->text();
        } else if (auto* area = qobject_cast<QPlainTextEdit*>(w)) {
            texts << area->toPlainText();
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            texts << label->text();
        } else if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
            const QAbstractItemModel* m = view->model();
            for (int r = 0; m && r < m->rowCount(); ++r) {
                for (int c = 0; c < m->columnCount(); ++c) {
                    texts << m->index(r, c).data().toString();
                }
            }
        }
    }
    return texts;
}

// The parts of a window that would show with it, in the window's own order
// (the windows it owns, such as the calculator, have their own resets).
std::vector<std::string> shownParts(QWidget* root) {
    std::vector<std::string> shown;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (w->window() == root && w->isVisibleTo(root)) {
            shown.push_back(w->metaObject()->className() + (" " + w->objectName().toStdString()));
        }
    }
    return shown;
}

// The texts that hold ANA's mark.
std::string marked(const QStringList& texts) {
    return texts.filter(kMark).join(QLatin1Char('\n')).toStdString();
}

// ANA, with her own data all marked, and BRUNO on one data file, in the
// running program with a notification area.
struct Family {
    TestApp app;
    qint64 ana = app.addUser(QStringLiteral("ANA"), QStringLiteral("a"));
    qint64 bruno;
    Shell shell{app.ctx, true};

    explicit Family(const QString& brunoPanel = {})
        : bruno(app.addUser(QStringLiteral("BRUNO"), QStringLiteral("b"), brunoPanel)) {
        const QDate today = app.clock.today();
        const auto sql = [&](const char* statement, const Params& params) {
            app.ctx.db.executeSql(QLatin1String(statement), params);
        };
        sql("Update Usuarios set Nome = ?, FoneRes = ?, FoneCel = ?, Email = ? Where Codigo = ?",
            {"Ana " + kMark, kMark + "1", kMark + "2", kMark + "@x.br", ana});
        sql("Insert into Notas (Usuario, Notas) values (?, ?)", {ana, "nota " + kMark});
        sql("Insert into Notas (Usuario, Notas) values (?, 'nota do Bruno')", {bruno});
        appointments::insertAppointment(app.ctx.db, ana,
                                        {today, QTime(10, 0), {}, 0, "consulta " + kMark, "3"});
        tasks::TaskStore(app.ctx.db, ana).insert({today, today, "tarefa " + kMark});
        finances::LedgerStore(app.ctx.db, ana).insertEntry({today, "luz " + kMark, false, 12.5});
        shell.start(true);
    }
    void logOn(const QString& login, const QString& password) {
        LogonWindow* w = shell.logonWindow();
        w->txtLogin->setText(login);
        w->txtPass->setText(password);
        w->cmdLogar->click();
    }
    MainWindow* main() const { return shell.mainWindow(); }
    void open(const QString& panel) const {
        panel == panel::Configuracao ? main()->openSettings() : main()->pressPanel(panel);
    }
    void pressSavesShown() const {
        for (auto* button : main()->findChildren<QPushButton*>()) {
            const QString name = button->objectName();
            if (button->isVisible() && (name.contains(QLatin1String("Salvar")) ||
                                        name.contains(QLatin1String("Gravar")))) {
                button->click();
            }
        }
    }
    template <typename T = QWidget> T* find(const char* name) const {
        T* w = main()->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Everything stored that is not the given user's, as text.
    std::string rowsBesides(qint64 user) const {
        return userRows(app.ctx.db, user, "<>").join(QLatin1Char('\n')).toStdString();
    }
};

} // namespace

// ANA leaves a page with something typed in it; BRUNO, whose last panel is none
// or that same page, logs on after her. Nothing of hers is left anywhere in the
// window, the window is as it was built, and whatever BRUNO saves is his own.
TEST(HandOver, NothingOfOneUserReachesTheNext) {
    const struct {
        const char* panel;
        const char* opens;  // the button that opens an editor, if one is needed
        const char* typeIn; // the box ANA types into
    } pages[] = {
        {"Compromissos", nullptr, "txtDescricaoCompromisso"},
        {"Enderecos", "cmdEnderecoNovo", "txtDadosEndNome"},
        {"Financas", "cmdFinancasNovo", "txtFinancasDescricao"},
        {"Tarefas", "cmdTarefaNova", "txtTarefaDescricao"},
        {"Notas", nullptr, "txtNotas"},
        {"Configuracao", nullptr, "txtDadosEndereco"},
    };
    for (const auto& page : pages) {
        for (const bool sameLastPanel : {false, true}) {
            SCOPED_TRACE(std::string(page.panel) + (sameLastPanel ? ", same" : ", none"));
            const QString panel = QLatin1String(page.panel);
            Family f(sameLastPanel ? panel : QString());
            f.logOn(QStringLiteral("ANA"), QStringLiteral("a"));
            const std::vector<std::string> built = shownParts(MainWindow(f.app.ctx).window());
            f.open(panel);
            if (panel == panel::Compromissos) {
                f.find<Grid>("grdCompromissos")->clickRow(2);
            } else if (page.opens) {
                f.find<QPushButton>(page.opens)->click();
            }
            QWidget* box = f.find(page.typeIn);
            ASSERT_TRUE(box->isVisible());
            QTest::keyClicks(box, kMark);

            // The logout button and the notification area's entry in turn.
            sameLastPanel ? f.shell.tray()->LogOut->trigger() : f.main()->cmdLogout->click();
            ASSERT_FALSE(f.app.ctx.session.loggedOn());
            EXPECT_EQ(marked(textsIn(f.main())), "");
            EXPECT_EQ(shownParts(f.main()), built) << "the window is as it was built";

            const std::string others = f.rowsBesides(f.bruno);
            f.logOn(QStringLiteral("BRUNO"), QStringLiteral("b"));
            ASSERT_EQ(f.app.ctx.session.userCode, f.bruno);
            EXPECT_EQ(marked(textsIn(f.main())), "");
            for (const auto& info : panelTable()) {
                EXPECT_EQ(f.main()->panelFrame(info.name)->isVisible(),
                          sameLastPanel && info.name == panel)
                    << info.frame.toStdString();
            }
            // Every save BRUNO can reach, on every page.
            for (const auto& info : panelTable()) {
                f.open(info.name);
                f.pressSavesShown();
            }
            EXPECT_EQ(f.rowsBesides(f.bruno), others);
            EXPECT_EQ(
                f.app.count(
                    QString("Notas Where Usuario = %1 and Notas = 'nota do Bruno'").arg(f.bruno)),
                1);
        }
    }
}

// While a new user is being made the icon brings the new-user page forward; a
// logon as someone else all the same gets her own window, where no "Gravar" of
// the new user's page is left to press.
TEST(HandOver, NewUserPageGivesWayToAnyLogon) {
    Family f;
    f.shell.logonWindow()->txtLogin->setText(QStringLiteral("CAIO"));
    f.shell.logonWindow()->cmdNovoUsuario->click();
    ASSERT_TRUE(f.app.ctx.session.newUserMode);
    f.find<QLineEdit>("txtDadosNome")->setText(QStringLiteral("Caio"));
    f.find<QLineEdit>("txtDadosEmail")->setText(QStringLiteral("caio@x.br"));
    f.find<QLineEdit>("txtSenhaNova")->setText(QStringLiteral("c"));
    f.find<QLineEdit>("txtSenhaReNova")->setText(QStringLiteral("c"));
    f.main()->imgMinimizar->click();
    f.shell.tray()->activate(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(f.main()->isVisible());
    EXPECT_FALSE(f.shell.logonWindow()->isVisible());

    const std::string stored = f.rowsBesides(0);
    f.logOn(QStringLiteral("ANA"), QStringLiteral("a"));
    ASSERT_EQ(f.app.ctx.session.userCode, f.ana);
    EXPECT_FALSE(f.app.ctx.session.newUserMode);
    f.pressSavesShown();
    EXPECT_EQ(f.rowsBesides(0), stored);
}

// The notification area's handlers over a waiting reminder and over a message:
// "&Log Out" closes the reminder and stops its sound without touching its item,
// and a handler that goes on after its message opens nothing for a session that
// has ended.
TEST(HandOver, LogOutFromTheIconOverReminderAndMessage) {
    Family f;
    appointments::insertAppointment(
        f.app.ctx.db, f.ana, {f.app.clock.today().addDays(-1), QTime(9, 0), {}, 0, "Dentista"});
    const std::string stored = f.rowsBesides(0);
    f.logOn(QStringLiteral("ANA"), QStringLiteral("a"));
    int shown = 0;
    f.main()->reminders->sound().setOutputCheck([] { return true; });
    QObject::connect(f.main()->reminders, &ReminderController::reminderShown,
                     [&](ReminderWindow* w) {
                         ++shown;
                         QTimer::singleShot(0, w, [&f, w] {
                             EXPECT_TRUE(w->isVisible());
                             EXPECT_NE(f.main()->reminders->sound().playing(), "");
                             f.shell.trayShow();
                             f.shell.tray()->LogOut->trigger();
                         });
                     });
    f.main()->reminders->checkNow();
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(f.app.ctx.session.loggedOn());
    EXPECT_EQ(visibleWindow(QStringLiteral("frmLembrete")), nullptr);
    EXPECT_TRUE(f.shell.logonWindow()->isVisible());
    EXPECT_EQ(f.rowsBesides(0), stored) << "the reminded item is as it was";
    EXPECT_EQ(f.main()->reminders->sound().playing(), "");
    EXPECT_FALSE(f.main()->reminders->check().firstPassDone()) << "the next logon's first pass";

    f.logOn(QStringLiteral("ANA"), QStringLiteral("a"));
    f.main()->openSettings();
    f.app.messages.whileShown([&f] { f.shell.trayLogOut(); });
    f.find<QPushButton>("cmdAgendaGravar")->click();
    EXPECT_FALSE(f.app.ctx.session.loggedOn());
    EXPECT_EQ(shownParts(f.main()), shownParts(MainWindow(f.app.ctx).window()));
}
