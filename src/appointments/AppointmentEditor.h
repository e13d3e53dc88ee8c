#pragma once

#include "appointments/DaySchedule.h"
#include "db/Db.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <QVector>

namespace orv::appointments {

// What the editor shows for a clicked grid row.
struct OpenedRow {
    bool opens = false;   // false for continuation and birthday rows: the editor stays closed
    qint64 editedKey = 0; // 0: a new appointment at an empty slot
    bool hadEndTime = false;
    QString dayText; // txtDataCompromisso, "DD/MM/YYYY"
    QString start;   // txtCompromissoInicio, "HH:NN"
    QString end;     // txtCompromissoFinal, empty when none
    QString description;
    bool alarm = true;
    bool share = false;
    bool deleteVisible = false;     // cmdCompromissoExcluir
    bool repetitionVisible = false; // frmCompromissoAgendaPeriodo, position 0 selected
    // lblExecutado: empty for a row that can be changed; "COMPARTILHADO" for another
    // user's row, "EXECUTADO" for a done row of one's own. Either one disables the
    // boxes, checks and disables chkAvisar and hides cmdCompromissoGravar.
    QString readOnlyCaption;

    bool readOnly() const { return !readOnlyCaption.isEmpty(); }
};

OpenedRow openRow(const ScheduleRow& row, const QDate& currentDay);

// The editor's boxes in the order they are checked.
enum class EditorField { Start, End, Description };

// The outcome of the checks before a save: the first failed check's message, icon
// and box, or an empty message. The time boxes are rewritten as "HH:NN" by the
// checks they passed.
struct EditorCheck {
    QString message;
    int icon = 0;
    EditorField focus = EditorField::Start;
    QString startText;
    QString endText;
    QTime start;
    QTime end; // invalid: no end time

    bool passed() const { return message.isEmpty(); }
};

EditorCheck checkEditor(const QString& start, const QString& end, const QString& description);

// An appointment as the editor saves it.
struct EditorSave {
    qint64 editedKey = 0; // 0: a new appointment, written for each day of the repetition
    bool hadEndTime = false;
    QDate day;
    QTime start;
    QTime end; // invalid: no end time
    QString description;
    bool alarm = true;
    bool share = false;
    int repetition = 0; // position in cmbAgendarPara; new appointments only
};

// Writes the appointment with its continuation rows, and for a new one its
// repetitions, all or nothing. Returns the keys of the appointments written; an
// empty list when the edited appointment no longer exists.
QVector<qint64> saveEditor(Db& db, qint64 user, int step, const EditorSave& save);

} // namespace orv::appointments
