#pragma once

#include "appointments/DaySchedule.h"

#include <QFrame>

class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orv {
class AppContext;
}

namespace orv::appointments {

// frmDadosCompromisso: the editor laid over the day grid. It opens on a grid
// row, checks and saves the appointment (with its repetitions when new) or
// deletes it, and tells the panel when the day's data changed.
class AppointmentEditorFrame : public QFrame {
    Q_OBJECT
public:
    AppointmentEditorFrame(AppContext& ctx, QWidget* parent = nullptr);

    // Fills the editor from a grid row of the current day and shows it; false,
    // with the editor left as it was, for continuation and birthday rows.
    bool open(const ScheduleRow& row, const QDate& currentDay);

    qint64 editedKey() const { return editedKey_; }

    QLineEdit* txtDataCompromisso = nullptr;
    QPushButton* cmdExibirCalendarioPequeno = nullptr;
    QLineEdit* txtCompromissoInicio = nullptr;
    QLineEdit* txtCompromissoFinal = nullptr;
    QPlainTextEdit* txtDescricaoCompromisso = nullptr;
    QCheckBox* chkAvisar = nullptr;
    QCheckBox* chkCompartilhar = nullptr;
    QFrame* frmCompromissoAgendaPeriodo = nullptr;
    QComboBox* cmbAgendarPara = nullptr;
    QLabel* lblExecutado = nullptr;
    QPushButton* cmdCompromissoGravar = nullptr;
    QPushButton* cmdCompromissoExcluir = nullptr;
    QPushButton* cmdCompromissoVoltar = nullptr;
    QCalendarWidget* calCompromisso = nullptr;

Q_SIGNALS:
    // The day's appointments changed: the grid must be rebuilt.
    void dataChanged();
    // The editor closed (after a save, a deletion or "Voltar").
    void closed();
    void printButtonWanted(bool visible);
    void restoreFocusWanted();

protected:
    // Escape leaves the editor as "Voltar" does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void setEditable(bool editable);
    void save();
    void remove();
    void close();
    void showSmallCalendar();
    void takeSmallCalendarDate();

    AppContext& ctx_;
    qint64 editedKey_ = 0;
    bool hadEndTime_ = false;
};

} // namespace orv::appointments
