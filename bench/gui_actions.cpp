// What the person waits for: the common clicks of the real main window, each
// timed from the simulated click or key press until the event queue is empty
// and the window has been painted again (grab()), offscreen.
//
//     ./bench_gui_actions [--runs N] [--scales 1,100] [--clock wall|cpu] [--only TEXT]
//
// Each action runs N times (default 5) at every scale and its median is shown,
// in wall-clock time; "--clock cpu" counts the program's own processor time
// instead, which tells the program's share on a machine busy with other work.
// "--only" times only the actions whose name holds the text (for a profiler).
// Scale 1 is a family's data file (200 contacts, 2,000 appointments with 5 on
// the day shown, 30 ledger entries a month, 50 tasks); scale 100 is a hundred
// times that (20,000 contacts, 200,000 appointments with 500 on one day, 3,000
// ledger entries in one month, 5,000 tasks). The search runs over all of it. Goals: every action
// under 16 ms (one frame at 60 Hz) at scale 1, under 50 ms at scale 100; a median over its goal is
// marked with "!". The last line reads
//     worst: <a> ms at 1x, <b> ms at 100x
// The program fails (status 1) when an action does not show what it should.

#include "support/TestSupport.h"

#include "mainwindow/ui/MainWindow.h"
#include "search/ui/SearchFrame.h"
#include "session/ui/LogonWindow.h"
#include "session/ui/Shell.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <stdexcept>
#include <time.h>

namespace {

using orv::test::TestApp;

const QDateTime kNow(QDate(2024, 5, 15), QTime(10, 0));

// ----- The data file ---------------------------------------------------------------

const QStringList kFirstNames{
    QStringLiteral("Ana"),     QStringLiteral("Bruno"),          QStringLiteral("Carla"),
    QStringLiteral("Daniel"),  QStringLiteral("Eduarda"),        QStringLiteral("Fábio"),
    QStringLiteral("Gabriel"), QStringLiteral("Helena"),         QStringLiteral("Igor"),
    QStringLiteral("Joana"),   QStringLiteral("Karina"),         QStringLiteral("Lucas"),
    QStringLiteral("Marina"),  QStringLiteral("Nuno"),           QStringLiteral("Otávio"),
    QStringLiteral("Paula"),   QStringLiteral("Quitéria"),       QStringLiteral("Rafael"),
    QStringLiteral("Sofia"),   QStringLiteral("Tiago"),          QStringLiteral("Úrsula"),
    QStringLiteral("Vera"),    QStringLiteral("Wagner"),         QStringLiteral("Xavier"),
    QStringLiteral("Yara"),    QStringLiteral("Zeca"),           QStringLiteral("Álvaro"),
    QStringLiteral("Érica"),   QStringLiteral("Ângela"),         QStringLiteral("ana"),
    QStringLiteral("bia"),     QStringLiteral("3M Assistência"), QStringLiteral("Alice"),
    QStringLiteral("André"),   QStringLiteral("Antônio")};

void run(const TestApp& app, const char* sql, const orv::Params& params = {}) {
    app.ctx.db.executeSql(QString::fromUtf8(sql), params);
}

qint64 addUser(TestApp& app, const QString& login) {
    const qint64 user = app.addUser(login, {}, QStringLiteral("Compromissos"));
    run(app, "Update Configuracao set Intervalos = 30 Where Usuario = ?", {user});
    return user;
}

void addContacts(const TestApp& app, qint64 user, int count, bool shared) {
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("%1 %2 Souza")
                                 .arg(kFirstNames[i % kFirstNames.size()])
                                 .arg(i * 7919 % (count + 1));
        app.ctx.db.executeSql(
            QStringLiteral("Insert into Enderecos(Usuario,Nome,Empresa,Endereco,Cidade,Estado,Cep,"
                           "Email,FoneRes,FoneCel,FoneCom,Observacao,Aniversario,Compartilhado,"
                           "ChaveAniversario) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,0)"),
            {user, name, i % 4 ? QVariant(QStringLiteral("Empresa %1").arg(i % 97)) : QVariant(),
             QStringLiteral("Rua das Flores, %1").arg(i), QStringLiteral("São Paulo"),
             QStringLiteral("SP"), QStringLiteral("01000-000"),
             QStringLiteral("contato%1@exemplo.com.br").arg(i),
             i % 3 ? QVariant(QStringLiteral("(11) 3%1").arg(i, 7, 10, QLatin1Char('0')))
                   : QVariant(),
             QStringLiteral("(11) 9%1").arg(i, 8, 10, QLatin1Char('0')), QVariant(),
             QStringLiteral("Observação"),
             QStringLiteral("%1/%2")
                 .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                 .arg(i % 12 + 1, 2, 10, QLatin1Char('0')),
             shared ? QStringLiteral("S") : QStringLiteral("N")});
    }
}

// Appointments spread over two years around the day shown, none on it; then
// `onDay` of them on the day itself, at every minute from 07:00.
void addAppointments(const TestApp& app, qint64 user, int count, int onDay, const char* shared) {
    run(app,
        "With Recursive n(i) As (Select 0 Union All Select i + 1 From n Where i + 1 < ?) "
        "Insert Into Compromissos(Usuario,Data,Hora,HoraFim,Compromisso,ChavePai,Status,"
        "Compartilhado) Select ?, date(?, (i % 730 - 365 + (i % 730 >= 365)) || ' days'), "
        "printf('%02d:%02d:00', 7 + i % 12, (i * 7) % 60), Null, 'Compromisso número ' || i || "
        "' com o dentista', 0, Case When i % 730 < 365 Then '1' Else '3' End, ? From n",
        {count - onDay, user, kNow.date(), QString::fromLatin1(shared)});
    run(app,
        "With Recursive n(i) As (Select 0 Union All Select i + 1 From n Where i + 1 < ?) "
        "Insert Into Compromissos(Usuario,Data,Hora,HoraFim,Compromisso,ChavePai,Status,"
        "Compartilhado) Select ?, ?, printf('%02d:%02d:00', 7 + (i / 60) % 13, i % 60), "
        "Null, 'Reunião ' || i || ' sobre o orçamento da casa', 0, "
        "Case When i % 5 = 0 Then '1' Else '3' End, ? From n",
        {onDay, user, kNow.date(), QString::fromLatin1(shared)});
}

// `perMonth` entries in each month of the year shown.
void addLedger(const TestApp& app, qint64 user, int perMonth) {
    run(app,
        "With Recursive n(i) As (Select 0 Union All Select i + 1 From n Where i + 1 < ?) "
        "Insert Into Financas(Usuario,Data,Descricao,Recebido,Pago,Efetuado) "
        "Select ?, printf('%04d-%02d-%02d', ?, 1 + i / ?, 1 + i % 28), 'Lançamento ' || i, "
        "Case When i % 3 = 0 Then 1000 + i % 500 Else Null End, "
        "Case When i % 3 = 0 Then Null Else 10 + i % 90 End, "
        "Case When i % 2 = 0 Then 'S' Else 'N' End From n",
        {12 * perMonth, user, kNow.date().year(), perMonth});
}

void addTasks(const TestApp& app, qint64 user, int count) {
    run(app,
        "With Recursive n(i) As (Select 0 Union All Select i + 1 From n Where i + 1 < ?) "
        "Insert Into Tarefas(Usuario,Data,DataFim,Descricao,Status,Prioridade) "
        "Select ?, date(?, (i % 60 - 30) || ' days'), date(?, (i % 90 - 20) || ' days'), "
        "'Tarefa ' || i || Case When i % 5 = 0 Then char(10) || 'segunda linha' Else '' End, "
        "Case When i % 4 = 0 Then '1' Else '0' End, i % 3 From n",
        {count, user, kNow.date(), kNow.date()});
}

struct DataFile {
    std::unique_ptr<TestApp> app;
    int contacts = 0;
};

DataFile writeDataFile(int scale) {
    DataFile data{std::make_unique<TestApp>(), 200 * scale};
    TestApp& app = *data.app;
    app.clock.set(kNow);
    const qint64 ana = addUser(app, QStringLiteral("ANA"));
    const qint64 beto = addUser(app, QStringLiteral("BETO"));
    orv::Transaction t(app.ctx.db);
    addContacts(app, ana, 150 * scale, false);
    addContacts(app, beto, 50 * scale, true);
    addAppointments(app, ana, 2000 * scale, 5 * scale, "N");
    addAppointments(app, beto, 20 * scale, scale, "S");
    addLedger(app, ana, 30 * scale);
    addTasks(app, ana, 50 * scale);
    run(app, "Insert into Notas(Usuario,Notas) values (?,?)",
        {ana, QStringLiteral("Lembrar de pagar as contas.")});
    t.commit();
    return data;
}

// ----- Driving the window ----------------------------------------------------------

void fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

template <typename T> T* child(QWidget* window, const char* name) {
    auto* w = window->findChild<T*>(QString::fromLatin1(name));
    if (w == nullptr) {
        fail(QStringLiteral("no %1").arg(QLatin1String(name)));
    }
    return w;
}

// Until nothing is left to do, and the window drawn.
void settle(QWidget* window) {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    const QPixmap shot = window->grab();
    if (shot.isNull()) {
        fail(QStringLiteral("nothing painted"));
    }
}

void click(QWidget* widget) {
    if (!widget->isVisible() || !widget->isEnabled()) {
        fail(QStringLiteral("%1 cannot be clicked").arg(widget->objectName()));
    }
    QTest::mouseClick(widget, Qt::LeftButton);
}

int gridRows(QWidget* window, const char* grid) {
    return child<QAbstractItemView>(window, grid)->model()->rowCount();
}

// Clicks a data row (0 for the first) of a grid, in the column shown.
void clickRow(QWidget* window, const char* grid, int row, int column) {
    auto* view = child<QAbstractItemView>(window, grid);
    const QModelIndex at = view->model()->index(row, column);
    view->scrollTo(at);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(at).center());
}

QPushButton* letter(QWidget* window, int index) {
    for (auto* b : window->findChildren<QPushButton*>(QStringLiteral("cmdLetra"))) {
        if (b->property("index").toInt() == index) {
            return b;
        }
    }
    fail(QStringLiteral("no letter %1").arg(index));
    return nullptr;
}

void expect(bool ok, const QString& what) {
    if (!ok) {
        fail(what);
    }
}

bool cpuClock = false;

// Milliseconds on the chosen clock.
double now() {
    timespec t{};
    clock_gettime(cpuClock ? CLOCK_PROCESS_CPUTIME_ID : CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// One action: what runs before it untimed, the click, and what must show after.
struct Action {
    QString name;
    std::function<void()> prepare;
    std::function<void()> act;
    std::function<void()> check;
};

class Bench {
public:
    Bench(int scale, DataFile data) : scale_(scale), data_(std::move(data)) {
        TestApp& app = *data_.app;
        shell_ = std::make_unique<orv::Shell>(app.ctx, false);
        shell_->start(true);
        logon_ = shell_->logonWindow();
    }

    orv::MainWindow* main() const { return shell_->mainWindow(); }
    QWidget* w() const { return main(); }

    void logOn() {
        logon_->txtLogin->setText(QStringLiteral("ANA"));
        logon_->txtPass->clear();
        QTest::keyClick(logon_->txtPass, Qt::Key_Return);
    }
    void logOut() {
        if (main() != nullptr && data_.app->ctx.session.loggedOn()) {
            click(main()->cmdLogout);
            QCoreApplication::processEvents();
        }
    }
    void panel(const char* button) { click(child<QPushButton>(w(), button)); }
    void quiet() {
        // No reminder comes up while the clicks are timed.
        main()->tmrChecagem->stop();
    }
    void showMonth(int month) {
        child<QComboBox>(w(), "cmbFinancasMes")->setCurrentIndex(month - 1);
        click(child<QPushButton>(w(), "cmdFinancasExibirMes"));
    }
    QLineEdit* searchBox() const { return child<QLineEdit>(w(), "txtPesquisaGeral"); }
    // Ctrl+F, and the wait until the search has read what it may find.
    void openSearch() {
        QTest::keyClick(w(), Qt::Key_F, Qt::ControlModifier);
        auto* frame = child<orv::search::SearchFrame>(w(), "frmPesquisaGeral");
        expect(QTest::qWaitFor([frame] { return frame->indexRead(); }, 60000),
               QStringLiteral("search data read"));
    }
    void closeContact() {
        auto* back = child<QPushButton>(w(), "cmdEnderecoVoltar");
        if (back->isVisible()) {
            click(back);
        }
    }

    std::vector<Action> actions() {
        const int day = 5 * scale_; // appointments on the day shown
        std::vector<Action> list;
        list.push_back(
            {QStringLiteral("entrar (último painel: Compromissos)"), [this] { logOut(); },
             [this] { logOn(); },
             [this, day] {
                 quiet();
                 expect(main()->isVisible() && main()->panelName() == QLatin1String("Compromissos"),
                        QStringLiteral("logon"));
                 expect(gridRows(w(), "grdCompromissos") >= day, QStringLiteral("day rows"));
             }});
        const std::pair<const char*, const char*> panels[] = {
            {"imgCompromissos", "Compromissos"},
            {"imgEnderecos", "Endereços"},
            {"imgFinancas", "Finanças"},
            {"imgTarefas", "Tarefas (lista de tarefas)"},
            {"imgNotas", "Notas"},
            {"cmdConfig", "Configurações"}};
        for (const auto& [button, caption] : panels) {
            const char* before = QByteArray(button) == "imgNotas" ? "imgCompromissos" : "imgNotas";
            list.push_back({QStringLiteral("painel %1").arg(QString::fromUtf8(caption)),
                            [this, before] { panel(before); }, [this, button] { panel(button); },
                            [] {}});
        }
        // Both day steps land on the day of many appointments.
        const auto dayStep = [&](const QString& name, const char* away, const char* back) {
            list.push_back({name,
                            [this, away] {
                                panel("imgNotas");
                                panel("imgCompromissos");
                                click(child<QPushButton>(w(), away));
                            },
                            [this, back] { click(child<QPushButton>(w(), back)); },
                            [this, day] {
                                expect(gridRows(w(), "grdCompromissos") >= day,
                                       QStringLiteral("back on the day"));
                            }});
        };
        dayStep(QStringLiteral("próximo dia"), "imdDiaAntes", "imgDiaApos");
        dayStep(QStringLiteral("dia anterior"), "imgDiaApos", "imdDiaAntes");
        const auto closeCalendar = [this] {
            click(child<QPushButton>(w(), "cmdCalendarioVoltar"));
        };
        const auto openCalendar = [this] {
            click(child<QPushButton>(w(), "cmdCompromissoCalendario"));
        };
        list.push_back(
            {QStringLiteral("abrir calendário do mês"), [] {}, openCalendar, closeCalendar});
        list.push_back({QStringLiteral("calendário: mês seguinte"), openCalendar,
                        [this] { click(child<QPushButton>(w(), "cmdProxMes")); }, closeCalendar});
        list.push_back(
            {QStringLiteral("contatos: letra \"0-9\""),
             [this] {
                 panel("imgEnderecos");
                 click(letter(w(), 25));
             },
             [this] { click(letter(w(), 0)); },
             [this] { expect(gridRows(w(), "grdEndereco") > 0, QStringLiteral("0-9 rows")); }});
        list.push_back(
            {QStringLiteral("contatos: letra \"A\""), [this] { click(letter(w(), 25)); },
             [this] { click(letter(w(), 1)); },
             [this] { expect(gridRows(w(), "grdEndereco") > 0, QStringLiteral("A rows")); }});
        list.push_back({QStringLiteral("contatos: pesquisa vazia (todos)"),
                        [this] { click(letter(w(), 25)); },
                        [this] { click(child<QPushButton>(w(), "cmdEnderecoPesquisar")); },
                        [this] {
                            expect(gridRows(w(), "grdEndereco") == data_.contacts,
                                   QStringLiteral("whole book"));
                        }});
        list.push_back({QStringLiteral("abrir contato"), [] {},
                        [this] { clickRow(w(), "grdEndereco", 0, 1); },
                        [this] {
                            expect(child<QWidget>(w(), "frmDadosEndereco")->isVisible(),
                                   QStringLiteral("contact open"));
                            closeContact();
                        }});
        list.push_back({QStringLiteral("finanças: mudar o mês"),
                        [this] {
                            panel("imgFinancas");
                            showMonth(kNow.date().month() - 1);
                        },
                        [this] { showMonth(kNow.date().month()); },
                        [this] {
                            expect(gridRows(w(), "grdFinancas") == 30 * scale_,
                                   QStringLiteral("ledger month"));
                        }});
        list.push_back({QStringLiteral("abrir compromisso"),
                        [this] {
                            panel("imgNotas");
                            panel("imgCompromissos");
                        },
                        [this] { clickRow(w(), "grdCompromissos", editableRow(), 3); },
                        [this] {
                            expect(child<QWidget>(w(), "frmDadosCompromisso")->isVisible(),
                                   QStringLiteral("appointment open"));
                        }});
        list.push_back({QStringLiteral("salvar compromisso"),
                        [this] { clickRow(w(), "grdCompromissos", editableRow(), 3); },
                        [this] { click(child<QPushButton>(w(), "cmdCompromissoGravar")); },
                        [this] {
                            expect(!child<QWidget>(w(), "frmDadosCompromisso")->isVisible(),
                                   QStringLiteral("appointment saved"));
                        }});
        // The week of the day of many appointments: opened from the day view,
        // and stepped back to from the week after.
        const auto weekShown = [this] {
            expect(child<QWidget>(w(), "frmSemana")->isVisible() && weekRows() >= 5 * scale_,
                   QStringLiteral("the week"));
        };
        const auto showView = [this](const char* button) {
            auto* b = child<QPushButton>(w(), button);
            if (!b->isChecked()) {
                click(b);
            }
        };
        list.push_back({QStringLiteral("compromissos: semana (abrir)"),
                        [this, showView] {
                            panel("imgNotas");
                            panel("imgCompromissos");
                            showView("cmdVerDia");
                        },
                        [this] { click(child<QPushButton>(w(), "cmdVerSemana")); }, weekShown});
        list.push_back({QStringLiteral("compromissos: semana (semana anterior)"),
                        [this, showView] {
                            showView("cmdVerSemana");
                            click(child<QPushButton>(w(), "lblProximaSemana"));
                        },
                        [this] { click(child<QPushButton>(w(), "lblSemanaAnterior")); },
                        weekShown});
        // A key in the search box and the search after the pause: a word in most
        // rows (the lists stop early), and one in none (every row read).
        const auto searchKey = [&](const QString& name, const QString& before, char key,
                                   bool some) {
            list.push_back({name,
                            [this, before] {
                                openSearch();
                                searchBox()->setText(before);
                            },
                            [this, key] {
                                QTest::keyClick(searchBox(), key);
                                QMetaObject::invokeMethod(child<QTimer>(w(), "tmrPesquisa"),
                                                          "timeout");
                            },
                            [this, some] {
                                auto* found = child<QAbstractItemView>(w(), "lstPesquisaGeral");
                                expect((found->model()->rowCount() > 0) == some,
                                       QStringLiteral("search results"));
                                QTest::keyClick(searchBox(), Qt::Key_Escape);
                            }});
        };
        list.push_back({QStringLiteral("pesquisa: abrir (Ctrl+F)"), [] {},
                        [this] { QTest::keyClick(w(), Qt::Key_F, Qt::ControlModifier); },
                        [this] {
                            expect(searchBox()->isVisible(), QStringLiteral("search open"));
                            QTest::keyClick(searchBox(), Qt::Key_Escape);
                        }});
        list.push_back({QStringLiteral("pesquisa: dados lidos (em segundo plano)"), [] {},
                        [this] { openSearch(); },
                        [this] { QTest::keyClick(searchBox(), Qt::Key_Escape); }});
        searchKey(QStringLiteral("pesquisa: tecla, muitos achados"), QStringLiteral("dentist"), 'a',
                  true);
        searchKey(QStringLiteral("pesquisa: tecla, nada achado"), QStringLiteral("dentisx"), 'w',
                  false);
        return list;
    }

    // Median of the runs, in milliseconds.
    double time(const Action& a, int runs) {
        std::vector<double> ms;
        for (int i = 0; i < runs; ++i) {
            a.prepare();
            settle(w() != nullptr && w()->isVisible() ? w() : logon_);
            const double start = now();
            a.act();
            settle(w());
            ms.push_back(now() - start);
            a.check();
            if (!data_.app->messages.shown().empty()) {
                fail(QStringLiteral("%1: the message \"%2\"")
                         .arg(a.name, data_.app->messages.last()));
            }
        }
        std::sort(ms.begin(), ms.end());
        return ms[ms.size() / 2];
    }

private:
    // The appointments the week view lists, over its seven days.
    int weekRows() const {
        int rows = 0;
        for (int i = 0; i < 7; ++i) {
            rows +=
                child<QAbstractItemView>(w(), qPrintable(QStringLiteral("lstSemanaDia%1").arg(i)))
                    ->model()
                    ->rowCount();
        }
        return rows;
    }

    // An appointment of the user's own that can be edited (not done), on the day shown.
    int editableRow() const {
        const QAbstractItemModel* m = child<QAbstractItemView>(w(), "grdCompromissos")->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            const QStringList key = m->index(r, 0).data().toString().split(QLatin1Char('\t'));
            if (key.value(0).toLongLong() != 0 && key.value(1) == QLatin1String("3") &&
                key.value(2) == QLatin1String("N")) {
                return r;
            }
        }
        fail(QStringLiteral("no editable appointment"));
        return 0;
    }

    int scale_;
    DataFile data_;
    std::unique_ptr<orv::Shell> shell_;
    orv::LogonWindow* logon_ = nullptr;
};

std::vector<int> numbers(const QString& list) {
    std::vector<int> out;
    for (const QString& n : list.split(QLatin1Char(','))) {
        out.push_back(n.toInt());
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qapp(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    int runs = 5;
    std::vector<int> scales{1, 100};
    QString only;
    const QStringList args = qapp.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--runs")) {
            runs = std::max(1, args[i + 1].toInt());
        } else if (args[i] == QLatin1String("--scales")) {
            scales = numbers(args[i + 1]);
        } else if (args[i] == QLatin1String("--clock")) {
            cpuClock = args[i + 1] == QLatin1String("cpu");
        } else if (args[i] == QLatin1String("--only")) {
            only = args[i + 1];
        }
    }
    if (scales.size() != 2) {
        std::fprintf(stderr, "usage: bench_gui_actions [--runs N] [--scales 1,100] "
                             "[--clock wall|cpu] [--only TEXT]\n");
        return 2;
    }

    std::vector<QString> names;
    std::map<QString, std::array<double, 2>> medians;
    try {
        for (int s = 0; s < 2; ++s) {
            Bench bench(scales[s], writeDataFile(scales[s]));
            for (const Action& a : bench.actions()) {
                const bool timed = a.name.contains(only);
                if (s == 0 && timed) {
                    names.push_back(a.name);
                }
                medians[a.name][s] = bench.time(a, timed ? runs : 1);
            }
            bench.logOut();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_gui_actions: %s\n", e.what());
        return 1;
    }

    const double goals[2] = {16.0, 50.0};
    double worst[2] = {0.0, 0.0};
    std::printf("%s\n", qPrintable(QStringLiteral("ação (mediana de %1, %2)")
                                       .arg(runs)
                                       .arg(cpuClock ? QStringLiteral("processador")
                                                     : QStringLiteral("relógio"))
                                       .leftJustified(40) +
                                   QStringLiteral("%1x (ms)").arg(scales[0]).rightJustified(11) +
                                   QStringLiteral("%1x (ms)").arg(scales[1]).rightJustified(11)));
    for (const QString& name : names) {
        QString line = name.leftJustified(40);
        for (int s = 0; s < 2; ++s) {
            const double ms = medians[name][s];
            worst[s] = std::max(worst[s], ms);
            line += QStringLiteral(" %1%2")
                        .arg(ms, 9, 'f', 1)
                        .arg(ms > goals[s] ? QLatin1Char('!') : QLatin1Char(' '));
        }
        std::printf("%s\n", qPrintable(line));
    }
    std::printf("worst: %.1f ms at %dx, %.1f ms at %dx\n", worst[0], scales[0], worst[1],
                scales[1]);
    return 0;
}
