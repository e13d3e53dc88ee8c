#pragma once

#include "mainwindow/ui/Panel.h"
#include "tasks/Tasks.h"

class QCalendarWidget;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace orv {
class Grid;
}

namespace orv::tasks {

// frmTarefas: the task list (grdTarefas) and, beside it, the detail frame
// frmTarefasDados for a new task or the task of a clicked row.
class TasksPanel : public Panel {
    Q_OBJECT
public:
    TasksPanel(AppContext& ctx, QWidget* parent = nullptr);

    void load() override;
    // Opens the task as a click on its row does.
    void showItem(qint64 key, const QDate& day, const QString& text) override;
    // The report of what the panel shows.
    void print() override;

    Grid* grdTarefas = nullptr;
    QLineEdit* txtTarefasSemCadastro = nullptr;
    QPushButton* cmdTarefaNova = nullptr;

    QGroupBox* frmTarefasDados = nullptr;
    QLineEdit* txtTarefaDataInicio = nullptr;
    QPushButton* cmdCalTarefaInicio = nullptr;
    QLineEdit* txtTarefaDataFim = nullptr;
    QPushButton* cmdCalTarefaFim = nullptr;
    QCalendarWidget* calTarefas = nullptr;
    QRadioButton* optTarefaAlta = nullptr;
    QRadioButton* optTarefaNormal = nullptr;
    QRadioButton* optTarefaBaixa = nullptr;
    QPlainTextEdit* txtTarefaDescricao = nullptr;
    QCheckBox* chkTarefaExecutado = nullptr;
    QPushButton* cmdTarefaExcluir = nullptr;
    QPushButton* cmdTarefaVoltar = nullptr;
    QPushButton* cmdTarefaSalvar = nullptr;

private:
    enum CalendarTarget { StartDate = 0, EndDate = 1 };

    void buildList();
    void buildDetailFrame();
    void reload();
    void showCalendar(CalendarTarget target);
    void datePicked(const QDate& day);

    void newTask();
    void rowClicked(int row);
    void openTask(const TaskForm& form);
    TaskForm typedTask() const;
    void save();
    void remove();
    void closeTask();
    void reset();

    TaskState state_;
    AppContext& ctx_;
    Tasks tasks_;
    QVector<TaskRow> rows_; // the rows on view, as the grid shows them
    CalendarTarget calendarTarget_ = StartDate;
};

} // namespace orv::tasks
