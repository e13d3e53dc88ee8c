#include "support/TestSupport.h"

#include "appointments/ui/AppointmentsPanel.h"
#include "mainwindow/Panels.h"
#include "mainwindow/ui/AnalogClock.h"
#include "mainwindow/ui/MainWindow.h"
#include "mainwindow/ui/MsgBox.h"
#include "mainwindow/ui/Twips.h"
#include "mainwindow/ui/WindowServices.h"

#include <QPainter>
#include <QTimer>

using namespace orv;
using namespace orv::test;

namespace {

struct MainWindowTest : ::testing::Test {
    TestApp app;
    std::unique_ptr<MainWindow> window;

    qint64 logOnAndLoad(const QString& lastPanel) {
        const qint64 user = app.addUser(QStringLiteral("ANA"), {}, lastPanel);
        app.logOn(user);
        window = std::make_unique<MainWindow>(app.ctx);
        window->show();
        window->loadSequence();
        return user;
    }
    QString storedPanel() const {
        return app.ctx.db.runQuery(QStringLiteral("Select Pastinha from Usuarios"))
            .text(QStringLiteral("Pastinha"));
    }
    QStringList visiblePanels() const {
        QStringList shown;
        for (const auto& info : panelTable()) {
            if (window->panelFrame(info.name)->isVisible()) {
                shown << info.frame;
            }
        }
        return shown;
    }
};

} // namespace

TEST_F(MainWindowTest, LoadOpensTheLastPanelWithItsTabGap) {
    logOnAndLoad(QStringLiteral("Enderecos"));
    EXPECT_EQ(visiblePanels(), QStringList{QStringLiteral("frmEndereco")});
    EXPECT_EQ(window->frmLinhaApagar->geometry(), QRect(px(6640), px(7075), px(1075), px(60)));
    EXPECT_TRUE(window->imgImpressora->isVisible());
    EXPECT_EQ(window->cmdLogout->toolTip(), QStringLiteral("Encerrar Sessão do Usuário [ANA]"));
    EXPECT_EQ(window->lblIdentNome->text(), QStringLiteral("Nome de ANA"));
    EXPECT_EQ(window->lblIdentEmail->text(), QStringLiteral("ana@exemplo.com.br"));
    EXPECT_TRUE(window->tmrChecagem->isActive());
    EXPECT_EQ(window->lblData->text(),
              QLocale().toString(app.clock.today(), QLocale::LongFormat) + QLatin1Char(' '));
}

TEST_F(MainWindowTest, SwitchingStoresTheLastPanelButNotTwice) {
    logOnAndLoad(QStringLiteral("Inicial"));
    EXPECT_FALSE(window->imgImpressora->isVisible());
    window->imgTarefas->click();
    EXPECT_EQ(visiblePanels(), QStringList{QStringLiteral("frmTarefas")});
    EXPECT_EQ(storedPanel(), QStringLiteral("Tarefas"));
    EXPECT_TRUE(window->imgImpressora->isVisible());

    // The button of the panel already shown does nothing, not even a write.
    app.ctx.db.executeSql(QStringLiteral("Update Usuarios set Pastinha = 'X'"));
    window->imgTarefas->click();
    EXPECT_EQ(storedPanel(), QStringLiteral("X"));

    // The settings page is stored but is never the panel to go back to.
    window->cmdConfig->click();
    EXPECT_EQ(visiblePanels(), QStringList{QStringLiteral("frmConfig")});
    EXPECT_EQ(storedPanel(), QStringLiteral("Configuracao"));
    EXPECT_EQ(app.ctx.session.lastPanel, QStringLiteral("Tarefas"));
    EXPECT_FALSE(window->frmLinhaApagar->isVisible());
    EXPECT_FALSE(window->imgImpressora->isVisible());
    Q_EMIT window->settingsPage()->cancelled();
    EXPECT_EQ(visiblePanels(), QStringList{QStringLiteral("frmTarefas")});

    // Alt+5 is the keyboard way to the notes.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_5, Qt::AltModifier);
    QTest::qWait(300); // a shortcut presses its button with a short animation
    EXPECT_EQ(window->panelName(), QStringLiteral("Notas"));
}

TEST_F(MainWindowTest, EmptyLastPanelOpensNothingAndSettingsLeaveToTheStart) {
    logOnAndLoad(QString());
    EXPECT_TRUE(visiblePanels().isEmpty());
    window->cmdConfig->click();
    Q_EMIT window->settingsPage()->cancelled();
    EXPECT_EQ(visiblePanels(), QStringList{QStringLiteral("frmInicial")});
}

TEST_F(MainWindowTest, ClockTicksOnTheMinuteAndTheDateAtMidnight) {
    const auto tick = [this](QTime at, QDate day = QDate(2026, 3, 15)) {
        app.clock.set(QDateTime(day, at));
        QMetaObject::invokeMethod(window->tmrRelogio, "timeout", Qt::DirectConnection);
    };
    app.clock.set(QDateTime(QDate(2026, 3, 15), QTime(14, 59, 40)));
    logOnAndLoad(QStringLiteral("Tarefas"));
    EXPECT_EQ(window->tmrRelogio->interval(), 20000) << "the first tick waits for the minute";
    tick(QTime(15, 0));
    EXPECT_EQ(window->lblHora->text(), QStringLiteral("15:00"));
    // At three o'clock the minute hand points up and the hour hand to the right.
    EXPECT_NEAR(window->picRelogio->minuteHand().angle, 0.0, 0.01);
    EXPECT_NEAR(window->picRelogio->hourHand().angle, 90.0, 0.01);
    EXPECT_EQ(window->tmrRelogio->interval(), 60000);

    tick(QTime(0, 0), QDate(2026, 3, 16));
    EXPECT_EQ(window->lblData->text(),
              QLocale().toString(QDate(2026, 3, 16), QLocale::LongFormat) + QLatin1Char(' '));
    auto* appointments = static_cast<appointments::AppointmentsPanel*>(
        window->panelFrame(QStringLiteral("Compromissos")));
    EXPECT_EQ(appointments->currentDay(), QDate(2026, 3, 16)) << "a panel left on today moves on";
}

TEST(WindowServices, RegionFromTheKeyColour) {
    QImage skin(10, 4, QImage::Format_RGB32);
    skin.fill(Qt::magenta);
    QPainter p(&skin);
    p.fillRect(QRect(6, 0, 4, 2), Qt::blue); // touches the right edge
    p.fillRect(QRect(1, 2, 5, 2), Qt::blue);
    p.end();
    skin.setPixel(3, 3, QColor(Qt::magenta).rgb()); // a hole
    skin.setPixel(0, 0, QColor(Qt::magenta).rgb());

    const QRegion region = buildRegion(skin);
    EXPECT_TRUE(region.contains(QPoint(9, 0)));
    EXPECT_TRUE(region.contains(QPoint(1, 2)));
    EXPECT_FALSE(region.contains(QPoint(3, 3)));
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_EQ(region.boundingRect(), QRect(1, 0, 9, 4));

    QImage blank(5, 5, QImage::Format_RGB32);
    blank.fill(Qt::magenta);
    EXPECT_TRUE(buildRegion(blank).isEmpty());
    EXPECT_TRUE(buildRegion(QImage()).isEmpty());
}

TEST(MsgBoxWindow, ButtonsIconsAndAnswers) {
    MsgBox question(QStringLiteral("Você Confirma?"), msg::ConfirmCancel, msg::Question);
    question.show();
    EXPECT_FALSE(question.cmdMOkay->isVisible());
    EXPECT_TRUE(question.cmdMConfirmar->isVisible());
    EXPECT_TRUE(question.imgPergunta->isVisible());
    EXPECT_FALSE(question.imgGrave->isVisible());
    question.cmdMConfirmar->click();
    EXPECT_TRUE(question.result());

    MsgBox escaped(QStringLiteral("Você Confirma?"), msg::ConfirmCancel, msg::Question);
    escaped.show();
    QTest::keyClick(&escaped, Qt::Key_Escape);
    EXPECT_FALSE(escaped.result()) << "closing the box is no confirmation";

    MsgBox info(QStringLiteral("Dados Gravados"), msg::Okay, msg::NoIcon);
    info.show();
    EXPECT_TRUE(info.cmdMOkay->isVisible());
    EXPECT_FALSE(info.cmdMCancelar->isVisible());
    EXPECT_FALSE(info.imgInformacao->isVisible());

    // However many lines, no text under a button; one to three keep the drawn box.
    const QString path = QStringLiteral("/home/ana/Documentos/Relatórios/Endereços/2026/"
                                        "Endereços 2026-03-15 14h07 (2).pdf");
    for (int lines = 1; lines <= 8; ++lines) {
        QStringList text;
        while (text.size() < lines) {
            text << QStringLiteral("Linha %1").arg(text.size() + 1);
        }
        if (lines > 4) {
            text.replace(lines - 2, path); // a long path wraps at its slashes: two lines
            text.removeLast();
        }
        MsgBox box(text.join('\n'), msg::Okay, lines % 2 ? msg::Information : msg::NoIcon);
        box.show();
        const QRect label = box.lblMsg->geometry();
        EXPECT_GE(label.height(), box.lblMsg->heightForWidth(label.width())) << lines;
        EXPECT_LT(label.bottom(), box.cmdMOkay->geometry().top()) << lines;
        EXPECT_TRUE(box.rect().contains(box.cmdMOkay->geometry())) << lines;
        EXPECT_EQ(box.height() == 124, lines <= 3) << lines;
    }
}
