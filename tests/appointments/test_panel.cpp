#include "AppointmentFixture.h"

#include "appointments/ui/AppointmentEditorFrame.h"
#include "appointments/ui/AppointmentsPanel.h"
#include "appointments/ui/MonthCalendarFrame.h"
#include "appointments/ui/ScheduleGrid.h"
#include "mainwindow/ui/Grid.h"

#include <QCalendarWidget>
#include <QSignalSpy>
#include <QTableView>

using namespace orv;
using namespace orv::appointments;

namespace {

struct Panel_ : test::AppointmentFixture {
    std::unique_ptr<AppointmentsPanel> panel;
    Grid* grid = nullptr;
    AppointmentEditorFrame* editor = nullptr;
    std::unique_ptr<QSignalSpy> captions;

    Panel_() { app.clock.set(QDateTime(day, QTime(10, 0))); }

    void openPanel() {
        panel = std::make_unique<AppointmentsPanel>(app.ctx);
        captions = std::make_unique<QSignalSpy>(panel.get(), &Panel::dateCaptionWanted);
        panel->resize(728, 378);
        panel->show();
        panel->load();
        panel->afterShow();
        grid = panel->findChild<Grid*>("grdCompromissos");
        editor = panel->findChild<AppointmentEditorFrame*>("frmDadosCompromisso");
        ASSERT_TRUE(grid && editor);
    }

    QString lastCaption() const {
        return captions->isEmpty() ? QString() : captions->last().at(0).toString();
    }

    int rowOf(const QString& time, const QString& text = {}) const {
        for (int r = 1; r < grid->rows(); ++r) {
            if (grid->text(r, 2).trimmed() == time && grid->text(r, 3).contains(text)) {
                return r;
            }
        }
        return -1;
    }

    // A real mouse click on the row's time cell.
    void clickRow(int row) {
        ASSERT_GT(row, 0);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(row, 2).center());
    }

    template <typename W> W* find(const char* name) const {
        W* w = panel->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
};

TEST_F(Panel_, NewAppointmentFromAnEmptySlotThenDeleteIt) {
    openPanel();
    EXPECT_EQ(lastCaption(), "quarta-feira, 2 de dezembro de 2026 ");
    EXPECT_EQ(grid->rows(), 11); // 08:00 to 17:00 hourly, and the header

    clickRow(rowOf("14:00"));
    ASSERT_TRUE(editor->isVisible());
    auto* start = find<QLineEdit>("txtCompromissoInicio");
    auto* end = find<QLineEdit>("txtCompromissoFinal");
    auto* text = find<QPlainTextEdit>("txtDescricaoCompromisso");
    EXPECT_EQ(find<QLineEdit>("txtDataCompromisso")->text(), "02/12/2026");
    EXPECT_EQ(start->text(), "14:00");
    EXPECT_EQ(end->text(), "");
    EXPECT_TRUE(find<QCheckBox>("chkAvisar")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("chkCompartilhar")->isChecked());
    EXPECT_TRUE(find<QFrame>("frmCompromissoAgendaPeriodo")->isVisible());
    EXPECT_EQ(find<QComboBox>("cmbAgendarPara")->currentText(), "Somente Dia Corrente");
    EXPECT_FALSE(find<QPushButton>("cmdCompromissoExcluir")->isVisible());

    // A bad end time is refused, with the editor still open and nothing written.
    QTest::keyClicks(end, "15");
    EXPECT_EQ(end->text(), "15:");
    QTest::keyClicks(text, "Dentista");
    find<QPushButton>("cmdCompromissoGravar")->click();
    EXPECT_EQ(app.messages.last(), "Informe um Horário Válido para o Final do Compromisso!");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(app.count("Compromissos"), 0);

    QTest::keyClicks(end, "30");
    EXPECT_EQ(end->text(), "15:30");
    QTest::keyClicks(text, " d'Ana");
    EXPECT_EQ(text->toPlainText(), "Dentista dAna"); // the apostrophe is filtered out
    find<QPushButton>("cmdCompromissoGravar")->click();
    EXPECT_FALSE(editor->isVisible());

    const int r = rowOf("14:00", "Dentista");
    ASSERT_GT(r, 0);
    EXPECT_EQ(grid->text(r, 3), " Dentista dAna");
    EXPECT_EQ(grid->pictureName(r, 1), "imgAlarme");
    EXPECT_EQ(grid->pictureName(rowOf("15:00"), 1), "imgAnexado");
    EXPECT_EQ(grid->pictureName(rowOf("15:30"), 1), "imgAnexado");
    EXPECT_EQ(storedRows(ana, day).size(), 3);

    // A continuation row does not open the editor.
    clickRow(rowOf("15:30"));
    EXPECT_FALSE(editor->isVisible());

    clickRow(r);
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(end->text(), "15:30");
    EXPECT_FALSE(find<QFrame>("frmCompromissoAgendaPeriodo")->isVisible());
    auto* remove = find<QPushButton>("cmdCompromissoExcluir");
    ASSERT_TRUE(remove->isVisible());
    remove->click(); // cancelled: nothing changes
    EXPECT_EQ(app.messages.last(), "Você Confirma Exclusão desse Compromisso?");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(app.count("Compromissos"), 3);
    app.messages.answer(true);
    remove->click();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(app.count("Compromissos"), 0);
    EXPECT_EQ(grid->text(rowOf("14:00"), 3), "  ");
}

TEST_F(Panel_, EditingRepeatingAndReadOnlyRows) {
    const qint64 mine = add(ana, "09:00", "Reunião", kNoReminder, "S", "10:00");
    add(ana, "10:00", "Reunião", kNoReminder, "S", {}, mine);
    add(ana, "11:00", "Feito", kDone);
    add(beto, "12:00", "Do Beto", kPending, "S");
    openPanel();

    // Shortening an appointment replaces its continuation rows.
    clickRow(rowOf("09:00", "Reunião"));
    EXPECT_EQ(find<QPlainTextEdit>("txtDescricaoCompromisso")->toPlainText(), "Reunião");
    EXPECT_FALSE(find<QCheckBox>("chkAvisar")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("chkCompartilhar")->isChecked());
    auto* end = find<QLineEdit>("txtCompromissoFinal");
    end->setText("09:30");
    find<QPushButton>("cmdCompromissoGravar")->click();
    EXPECT_EQ(grid->pictureName(rowOf("09:30"), 1), "imgAnexado");
    EXPECT_EQ(grid->text(rowOf("10:00"), 3), "  ");

    // Done row of one's own: read-only, but it can be deleted.
    clickRow(rowOf("11:00", "Feito"));
    EXPECT_EQ(find<QLabel>("lblExecutado")->text(), "EXECUTADO");
    EXPECT_TRUE(find<QLabel>("lblExecutado")->isVisible());
    EXPECT_FALSE(find<QPushButton>("cmdCompromissoGravar")->isVisible());
    EXPECT_TRUE(find<QPushButton>("cmdCompromissoExcluir")->isVisible());
    EXPECT_FALSE(find<QLineEdit>("txtCompromissoInicio")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>("chkAvisar")->isEnabled());
    EXPECT_TRUE(find<QCheckBox>("chkAvisar")->isChecked());
    QTest::keyClick(find<QPushButton>("cmdCompromissoVoltar"), Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());

    clickRow(rowOf("12:00", "Do Beto"));
    EXPECT_EQ(find<QLabel>("lblExecutado")->text(), "COMPARTILHADO");
    EXPECT_FALSE(find<QPushButton>("cmdCompromissoExcluir")->isVisible());
    EXPECT_EQ(find<QPlainTextEdit>("txtDescricaoCompromisso")->toPlainText(), "Do Beto [BETO]");
    EXPECT_EQ(grid->pictureName(rowOf("12:00"), 2), "imgCompartilhado");
    find<QPushButton>("cmdCompromissoVoltar")->click();
    EXPECT_FALSE(editor->isVisible());

    // A slot row is editable again; the small calendar moves it to Thursday, and
    // "working days" repeats it up to Friday.
    clickRow(rowOf("16:00"));
    EXPECT_TRUE(find<QPushButton>("cmdCompromissoGravar")->isVisible());
    EXPECT_FALSE(find<QLabel>("lblExecutado")->isVisible());
    EXPECT_TRUE(find<QLineEdit>("txtCompromissoInicio")->isEnabled());
    find<QPushButton>("cmdExibirCalendarioPequeno")->click();
    auto* cal = find<QCalendarWidget>("calCompromisso");
    ASSERT_TRUE(cal->isVisible());
    EXPECT_EQ(cal->selectedDate(), day);
    QWidget* view = cal->findChild<QTableView*>();
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_FALSE(cal->isVisible());
    EXPECT_EQ(find<QLineEdit>("txtDataCompromisso")->text(), "03/12/2026");
    find<QComboBox>("cmbAgendarPara")->setCurrentIndex(1);
    QTest::keyClicks(find<QPlainTextEdit>("txtDescricaoCompromisso"), "Plantao");
    find<QPushButton>("cmdCompromissoGravar")->click();
    EXPECT_EQ(storedRows(ana, QDate(2026, 12, 3)), QStringList{"16:00||0"});
    EXPECT_EQ(storedRows(ana, QDate(2026, 12, 4)), QStringList{"16:00||0"});
    EXPECT_TRUE(storedRows(ana, QDate(2026, 12, 5)).isEmpty());
    EXPECT_EQ(grid->text(rowOf("16:00"), 3), "  "); // the grid still shows Wednesday

    // Saving an appointment another window deleted meanwhile writes nothing.
    clickRow(rowOf("09:00", "Reunião"));
    deleteAppointment(db, ana, mine);
    find<QPushButton>("cmdCompromissoGravar")->click();
    EXPECT_EQ(app.messages.last(), "Esse Compromisso não Existe Mais!");
    EXPECT_TRUE(storedRows(ana, day) == QStringList{"11:00||0"});
    EXPECT_EQ(grid->text(rowOf("09:00"), 3), "  ");
}

TEST_F(Panel_, DayArrowsAndMonthCalendar) {
    on(2026, 11, 29).add(ana, "08:00", "Domingo"); // a Sunday, cell 28 of November
    addBirthday(ana, "Duda");
    on(2026, 11, 10).add(beto, "08:00", "Do Beto", kPending, "S");
    app.clock.set(QDateTime(QDate(2026, 12, 31), QTime(9, 0)));
    openPanel();

    find<QPushButton>("imgDiaApos")->click();
    EXPECT_EQ(panel->currentDay(), QDate(2027, 1, 1));
    EXPECT_EQ(lastCaption(), dayCaption(QDate(2027, 1, 1)));
    find<QPushButton>("lblDiaAnterior")->click();
    find<QPushButton>("imdDiaAntes")->click();
    EXPECT_EQ(panel->currentDay(), QDate(2026, 12, 30));

    auto* cal = find<MonthCalendarFrame>("frmCalendar");
    find<QPushButton>("cmdCompromissoCalendario")->click();
    ASSERT_TRUE(cal->isVisible());
    EXPECT_EQ(find<QLabel>("lblCalendarMes")->text(), "dezembro 2026");
    EXPECT_EQ(cal->shapeCell(), 31); // 1 December is a Tuesday: the 30th is cell 31
    EXPECT_EQ(find<QLabel>("L31")->text(), "30 ");
    EXPECT_TRUE(find<QCheckBox>("chkCompromissosCompartilhados")->isChecked());

    find<QPushButton>("cmdAntMes")->click();
    EXPECT_EQ(find<QLabel>("lblCalendarMes")->text(), "novembro 2026");
    EXPECT_EQ(find<QLabel>("L0")->text(), "1 ");
    find<QPushButton>("cmdExibirCompromissosCalendario")->click();
    EXPECT_TRUE(find<QLabel>("L28")->font().bold());
    EXPECT_TRUE(find<QLabel>("L28")->styleSheet().contains("rgb(128, 0, 0)"));
    EXPECT_TRUE(find<QLabel>("L9")->font().bold());
    EXPECT_TRUE(find<QLabel>("L9")->styleSheet().contains("rgb(0, 0, 192)"));
    EXPECT_FALSE(find<QLabel>("L10")->font().bold());

    // A double click on an empty cell does nothing; on a day it opens that day.
    QTest::mouseDClick(find<QLabel>("L41"), Qt::LeftButton);
    EXPECT_TRUE(cal->isVisible());
    QTest::mouseDClick(find<QLabel>("L28"), Qt::LeftButton);
    EXPECT_FALSE(cal->isVisible());
    EXPECT_EQ(panel->currentDay(), QDate(2026, 11, 29));
    EXPECT_EQ(lastCaption(), dayCaption(QDate(2026, 11, 29)));
    EXPECT_GT(rowOf("08:00", "Domingo"), 0);
    clickRow(rowOf("", "Aniversário Duda")); // a birthday row opens no editor
    EXPECT_FALSE(editor->isVisible());

    // From the keyboard: the mark moves with the arrows, Enter opens the day.
    find<QPushButton>("cmdCompromissoCalendario")->click();
    QTest::keyClick(cal, Qt::Key_Left);
    QTest::keyClick(cal, Qt::Key_Up);
    EXPECT_EQ(cal->shapeCell(), 20);
    QTest::keyClick(cal, Qt::Key_Return);
    EXPECT_EQ(panel->currentDay(), QDate(2026, 11, 21));

    find<QPushButton>("cmdCompromissoCalendario")->click();
    find<QPushButton>("cmdHoje")->click();
    EXPECT_FALSE(cal->isVisible());
    EXPECT_EQ(panel->currentDay(), QDate(2026, 12, 31));

    // Without the shared rows, the check box is off and only ANA's days are bold.
    app.ctx.settings.showShared = false;
    find<QPushButton>("cmdCompromissoCalendario")->click();
    auto* shared = find<QCheckBox>("chkCompromissosCompartilhados");
    EXPECT_FALSE(shared->isChecked());
    EXPECT_FALSE(shared->isEnabled());
    find<QPushButton>("cmdAntMes")->click();
    find<QPushButton>("cmdExibirCompromissosCalendario")->click();
    EXPECT_TRUE(find<QLabel>("L28")->font().bold());
    EXPECT_FALSE(find<QLabel>("L9")->font().bold());
    find<QPushButton>("cmdCalendarioVoltar")->click();
    EXPECT_FALSE(cal->isVisible());

    // A session end brings the next session back to today (the main window's
    // own use of the panel is walked by FailurePolicy and HandOver).
    panel->showDay(day);
    app.ctx.resets.runAll();
    EXPECT_EQ(panel->currentDay(), QDate(2026, 12, 31));
}

} // namespace
