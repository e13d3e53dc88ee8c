#include "support/PanelTest.h"

#include "appointments/AppointmentStore.h"
#include "appointments/ui/AppointmentsPanel.h"
#include "mainwindow/Panels.h"
#include "mainwindow/ui/FocusRing.h"
#include "mainwindow/ui/Grid.h"

#include <QApplication>
#include <QListView>

using namespace orv;
using namespace orv::appointments;

namespace {

struct WeekView : test::PanelTest<AppointmentsPanel> {
    qint64 beto = app.addUser("BETO");
    const QDateTime now{QDate(2025, 12, 31), QTime(10, 0)};

    // The window was made before the clock was set: a session end brings it to today.
    WeekView() {
        app.clock.set(now);
        app.ctx.resets.runAll();
    }

    template <typename W = QWidget> W* find(const QString& name) const {
        return window.findChild<W*>(name);
    }
    void click(const QString& button) {
        QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
    }
    QListView* day(int i) const { return find<QListView>(QString("lstSemanaDia%1").arg(i)); }
    QString header(int i) const { return find<QLabel>(QString("lblSemanaDia%1").arg(i))->text(); }
    bool weekShown() const {
        return find("frmSemana")->isVisible() && !p->grdCompromissos->isVisible();
    }
};

TEST_F(WeekView, StepsWeeksOpensAppointmentsInTheirDayAndLastsTheSession) {
    insertAppointment(app.ctx.db, ana, {QDate(2026, 1, 5), QTime(20, 0), {}, 0, "Reunião"});
    insertAppointment(app.ctx.db, beto,
                      {QDate(2025, 12, 30), QTime(20, 0), {}, 0, "Ceia", kPending, "S"});
    app.ctx.db.executeSql("Update Configuracao set VisualizarCompartilhamento = 'S'");
    openOn(panel::Compromissos, now);
    window.show();
    QApplication::setActiveWindow(&window);

    // Alt+D and Alt+M belong to no other button of the window.
    for (auto* b : window.findChildren<QAbstractButton*>()) {
        const QString key = b->text().section('&', 1).left(1).toUpper();
        EXPECT_TRUE((key != "D" && key != "M") || b->objectName().startsWith("cmdVer"))
            << b->objectName().toStdString();
    }
    click("cmdVerSemana");
    ASSERT_TRUE(weekShown());
    EXPECT_EQ(find<QLabel>("lblData")->text(), "Semana de 28/12/2025 a 03/01/2026 ");
    EXPECT_EQ(header(0), "domingo, 28/12");
    EXPECT_EQ(day(2)->model()->index(0, 0).data().toString(), "20:00 Ceia [BETO]");
    click("lblProximaSemana");
    // Kept over a panel switch.
    window.pressPanel(panel::Notas);
    window.pressPanel(panel::Compromissos);
    ASSERT_TRUE(weekShown());
    EXPECT_EQ(header(1), "segunda-feira, 05/01");

    // A click opens it in the editor of its day, its row current.
    const QModelIndex reuniao = day(1)->model()->index(0, 0);
    QTest::mouseClick(day(1)->viewport(), Qt::LeftButton, {}, day(1)->visualRect(reuniao).center());
    EXPECT_FALSE(weekShown());
    EXPECT_EQ(p->currentDay(), QDate(2026, 1, 5));
    EXPECT_TRUE(find("frmDadosCompromisso")->isVisible());
    EXPECT_EQ(find<QPlainTextEdit>("txtDescricaoCompromisso")->toPlainText(), "Reunião");
    EXPECT_EQ(p->grdCompromissos->text(p->grdCompromissos->currentIndex().row() + 1, 3),
              " Reunião");
    click("cmdCompromissoVoltar");

    // Delete asks first; confirmed, the row goes and the week shows again.
    click("cmdVerSemana");
    day(1)->setCurrentIndex(day(1)->model()->index(0, 0));
    QTest::keyClick(day(1), Qt::Key_Delete);
    EXPECT_EQ(app.count("Compromissos"), 2);
    app.messages.answer(true);
    QTest::keyClick(day(1), Qt::Key_Delete);
    EXPECT_TRUE(weekShown());
    EXPECT_EQ(app.count("Compromissos"), 1);
    EXPECT_EQ(day(1)->model()->rowCount(), 0);

    // Today's week from the calendar; Enter on a framed day list opens its row.
    click("cmdCompromissoCalendario");
    click("cmdHoje");
    EXPECT_EQ(header(0), "domingo, 28/12");
    day(2)->setFocus();
    QWidget* ring = FocusRing::ringOf(&window);
    EXPECT_TRUE(ring && ring->isVisible() &&
                ring->geometry().contains(day(2)->mapTo(&window, QPoint(0, 0))));
    QTest::keyClick(day(2), Qt::Key_Return);
    EXPECT_EQ(p->currentDay(), QDate(2025, 12, 30));
    EXPECT_EQ(find<QLabel>("lblExecutado")->text(), "COMPARTILHADO");

    // The next session starts on the day view.
    click("cmdCompromissoVoltar");
    click("cmdVerSemana");
    app.ctx.resets.runAll();
    app.logOn(beto);
    open();
    EXPECT_FALSE(weekShown());
    EXPECT_TRUE(find<QPushButton>("cmdVerDia")->isChecked());
}

} // namespace
