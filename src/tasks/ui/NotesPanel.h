#pragma once

#include "mainwindow/ui/Panel.h"
#include "tasks/Notes.h"

class QPlainTextEdit;
class QPushButton;

namespace orv::tasks {

// frmNotas: the user's notepad. The stored text is read again at every
// opening, so typing that was not saved is discarded.
class NotesPanel : public Panel {
    Q_OBJECT
public:
    NotesPanel(AppContext& ctx, QWidget* parent = nullptr);

    void load() override;
    void afterShow() override;
    // Selects the line found in the notes.
    void showItem(qint64 key, const QDate& day, const QString& text) override;

    QPlainTextEdit* txtNotas = nullptr;
    QPushButton* cmdNotasSalvar = nullptr;
    QPushButton* cmdNotasLimpar = nullptr;

private:
    void save();
    void clear();
    void reset();

    NotesState state_;
    Notes notes_;
};

} // namespace orv::tasks
