// Start-up of the real program against a minimal Qt window, in one run.
//
// Run under a virtual display, from the build folder:
//     xvfb-run -a -s "-screen 0 1024x768x24" ./bench_startup [path/to/orvalune] [runs]
// The program defaults to ./orvalune beside this benchmark; runs defaults to 5.
//
// It writes a data file with family data (4 users, 20,000 appointments, 2,000
// contacts, 3,000 ledger entries, 500 tasks) through the data layer, then times
//   - exec of the minimal window (a QMainWindow with a 30-row table and a
//     calendar, this same executable started with --minimal-window) to its map;
//   - exec of the program to the map of the logon window;
//   - the Return that logs on (user ANA with her password, whose stored hash is
//     checked, last panel appointments) to the map of the main window;
// and reads the resident memory of the program one second after logon.
// "Shown" is the X MapNotify of the top-level window, watched on the root
// window; nothing in the program is changed for it. Login and Return are typed
// with xdotool; the time of starting xdotool is part of the logon figure.
//
// With --write-data <path/dadosn.lst> it only writes that data file (for
// screenshots and trying the program by hand with realistic data).
//
// Goals: logon window within 3x the minimal window, main window under 150 ms
// after logon, resident memory after logon under 50 MB.

#include "db/Db.h"
#include "db/Schema.h"
#include "session/PasswordHash.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QProcess>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <signal.h>
#include <xcb/xcb.h>

namespace {

// Both windows of the program are called "Orvalune"; their widths tell them apart.
constexpr int kLogonWidth = 420;
constexpr int kMainWindowWidth = 760;
// Every user's password in the benchmark's data file.
const QString kPassword = QStringLiteral("senha");

int minimalWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    auto* central = new QWidget(&window);
    auto* layout = new QHBoxLayout(central);
    auto* table = new QTableWidget(30, 4, central);
    for (int r = 0; r < 30; ++r) {
        for (int c = 0; c < 4; ++c) {
            table->setItem(r, c, new QTableWidgetItem(QStringLiteral("%1.%2").arg(r).arg(c)));
        }
    }
    layout->addWidget(table);
    layout->addWidget(new QCalendarWidget(central));
    window.setCentralWidget(central);
    window.resize(760, 540);
    window.show();
    return app.exec();
}

void writeFamilyData(const QString& file) {
    orv::createDataFile(file);
    orv::Db db(file, QString());
    orv::Transaction t(db);
    QRandomGenerator random(7);
    const QStringList logins{QStringLiteral("ANA"), QStringLiteral("BETO"), QStringLiteral("CAIO"),
                             QStringLiteral("DORA")};
    QList<qint64> users;
    for (const QString& login : logins) {
        const qint64 user = db.insertSql(
            QStringLiteral("Insert into Usuarios (Login,Nome,Email,FoneRes,FoneCel,Aniversario,"
                           "Pastinha,Senha) values (?,?,?,' ',' ',?,?,?)"),
            {login, QStringLiteral("Nome de %1").arg(login),
             login.toLower() + QStringLiteral("@exemplo.com.br"), QStringLiteral("1980-05-17"),
             QStringLiteral("Compromissos"), orv::hashPassword(kPassword)});
        db.executeSql(
            QStringLiteral("insert into Configuracao (Usuario,InicioGrade,FinalGrade,Intervalos,"
                           "PosicaoAniversarios,SomCompromisso,ChecagemGeral,"
                           "VisualizarCompartilhamento) values (?,'08:00:00','17:00:00',30,'A',"
                           "'Cuco',1,'S')"),
            {user});
        users << user;
    }
    const QDate today = QDate::currentDate();
    auto user = [&](int i) { return users[i % users.size()]; };
    auto day = [&](int spread) {
        return today.addDays(random.bounded(2 * spread) - spread).toString(Qt::ISODate);
    };
    for (int i = 0; i < 20000; ++i) {
        const QTime start(8 + random.bounded(10), 30 * random.bounded(2));
        db.executeSql(QStringLiteral("Insert into Compromissos(Usuario,Data,Hora,HoraFim,"
                                     "Compromisso,ChavePai,Status,Compartilhado) values "
                                     "(?,?,?,?,?,0,'N',?)"),
                      {user(i), day(730), start.toString(QStringLiteral("HH:mm:ss")),
                       start.addSecs(3600).toString(QStringLiteral("HH:mm:ss")),
                       QStringLiteral("Compromisso número %1 com o dentista").arg(i),
                       QLatin1String(i % 10 == 0 ? "S" : "N")});
    }
    for (int i = 0; i < 2000; ++i) {
        db.executeSql(
            QStringLiteral(
                "Insert into Enderecos(Usuario,Nome,Empresa,Endereco,Cidade,Estado,"
                "Cep,Email,FoneRes,FoneCel,FoneCom,Observacao,Aniversario,"
                "Compartilhado,ChaveAniversario) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,0)"),
            {user(i), QStringLiteral("CONTATO %1 DA SILVA").arg(i), QStringLiteral("EMPRESA"),
             QStringLiteral("RUA DAS FLORES, %1").arg(i), QStringLiteral("SÃO PAULO"),
             QStringLiteral("SP"), QStringLiteral("01000-000"),
             QStringLiteral("contato%1@exemplo.com.br").arg(i), QStringLiteral("(11) 5555-0000"),
             QStringLiteral("(11) 99999-0000"), QString(), QStringLiteral("Observação"),
             QDate(1970 + i % 40, 1 + i % 12, 1 + i % 28).toString(Qt::ISODate),
             QLatin1String(i % 5 == 0 ? "S" : "N")});
    }
    for (int i = 0; i < 3000; ++i) {
        const bool received = i % 3 == 0;
        const double amount = random.bounded(100000) / 100.0;
        db.executeSql(QStringLiteral("Insert into Financas(Usuario,Data,Descricao,Recebido,Pago,"
                                     "Efetuado) values (?,?,?,?,?,?)"),
                      {user(i), day(365), QStringLiteral("Lançamento %1").arg(i),
                       received ? amount : 0.0, received ? 0.0 : amount,
                       QLatin1String(i % 2 ? "S" : "N")});
    }
    for (int i = 0; i < 500; ++i) {
        const QString start = day(60);
        db.executeSql(QStringLiteral("Insert into Tarefas(Usuario,Data,DataFim,Descricao,Status,"
                                     "Prioridade) values (?,?,?,?,?,?)"),
                      {user(i), start, start, QStringLiteral("Tarefa %1").arg(i),
                       QLatin1String(i % 4 ? "N" : "S"), 1 + i % 3});
    }
    t.commit();
}

// Top-level windows as they are mapped on the display.
class MapWatch {
public:
    MapWatch() : connection_(xcb_connect(nullptr, nullptr)) {
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~MapWatch() { xcb_disconnect(connection_); }
    bool ok() const { return xcb_connection_has_error(connection_) == 0; }

    // Waits for the map of a window with this title (and this width, unless 0);
    // returns its id, 0 on time-out.
    xcb_window_t waitFor(const QByteArray& title, int timeoutMs, int width = 0) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                xcb_window_t mapped = 0;
                if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                    mapped = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
                }
                free(event);
                if (mapped != 0 && nameOf(mapped) == title &&
                    (width == 0 || widthOf(mapped) == width)) {
                    return mapped;
                }
            }
            QThread::usleep(200);
        }
        return 0;
    }

private:
    int widthOf(xcb_window_t window) {
        xcb_get_geometry_reply_t* reply =
            xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr);
        const int width = reply ? reply->width : 0;
        free(reply);
        return width;
    }
    QByteArray nameOf(xcb_window_t window) {
        auto cookie = xcb_get_property(connection_, 0, window, XCB_ATOM_WM_NAME,
                                       XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
        xcb_get_property_reply_t* reply = xcb_get_property_reply(connection_, cookie, nullptr);
        QByteArray name;
        if (reply) {
            name = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                              xcb_get_property_value_length(reply));
            free(reply);
        }
        return name;
    }
    xcb_connection_t* connection_;
    xcb_window_t root_;
};

double ms(const QElapsedTimer& t) {
    return t.nsecsElapsed() / 1e6;
}

qint64 residentKb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return 0;
}

void stop(QProcess& process) {
    ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
    process.waitForFinished(3000);
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

void xdotool(const QStringList& args) {
    QProcess::execute(QStringLiteral("xdotool"), args);
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--minimal-window") == 0) {
        return minimalWindow(argc, argv);
    }
    QCoreApplication app(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "--write-data") == 0) {
        writeFamilyData(app.arguments().at(2));
        return 0;
    }
    const QStringList args = app.arguments();
    const QString program = args.value(1, QDir(app.applicationDirPath()).filePath("orvalune"));
    const int runs = std::max(1, args.value(2, QStringLiteral("5")).toInt());

    MapWatch watch;
    if (!watch.ok()) {
        std::fprintf(stderr, "no X display: run under xvfb-run\n");
        return 1;
    }
    QTemporaryDir home;
    QTemporaryDir noOldData;
    QElapsedTimer clock;
    clock.start();
    writeFamilyData(QDir(home.path()).filePath(QStringLiteral("dadosn.lst")));
    std::printf("data file written in %.0f ms\n", ms(clock));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("ORVALUNE_HOME"), home.path());
    env.insert(QStringLiteral("ORVALUNE_V1_DIR"), noOldData.path());
    env.insert(QStringLiteral("ORVALUNE_BACKUP_DIR"), noOldData.path());

    QList<double> minimal, logon, mainWindow;
    QList<double> rss;
    for (int run = 0; run < runs; ++run) {
        QProcess window;
        window.setProcessEnvironment(env);
        clock.restart();
        window.start(app.applicationFilePath(), {QStringLiteral("--minimal-window")});
        if (watch.waitFor("Minimal", 10000) == 0) {
            std::fprintf(stderr, "the minimal window did not show\n");
            return 1;
        }
        minimal << ms(clock);
        stop(window);

        QProcess orvalune;
        orvalune.setProcessEnvironment(env);
        orvalune.setProcessChannelMode(QProcess::ForwardedChannels);
        clock.restart();
        orvalune.start(program, {});
        const xcb_window_t logonWindow = watch.waitFor("Orvalune", 10000, kLogonWidth);
        if (logonWindow == 0) {
            std::fprintf(stderr, "the logon window did not show\n");
            return 1;
        }
        logon << ms(clock);
        QThread::msleep(300);
        const QString id = QString::number(logonWindow);
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), id});
        xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"),
                 QStringLiteral("ANA\t") + kPassword});
        QThread::msleep(200);
        clock.restart();
        xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        if (watch.waitFor("Orvalune", 10000, kMainWindowWidth) == 0) {
            std::fprintf(stderr, "the main window did not show\n");
            stop(orvalune);
            return 1;
        }
        mainWindow << ms(clock);
        QThread::msleep(1000);
        rss << residentKb(orvalune.processId()) / 1024.0;
        stop(orvalune);
    }
    std::printf("runs: %d (medians)\n", runs);
    std::printf("minimal window shown:       %7.1f ms\n", median(minimal));
    std::printf("logon window shown:         %7.1f ms  (%.2fx the minimal window; goal 3x)\n",
                median(logon), median(logon) / median(minimal));
    std::printf("logon to main window shown: %7.1f ms  (goal 150 ms)\n", median(mainWindow));
    std::printf("resident memory after logon: %6.1f MB  (goal 50 MB)\n", median(rss));
    return 0;
}
