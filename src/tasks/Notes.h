#pragma once

#include "session/AppContext.h"

namespace orv::tasks {

inline const QString kConfirmNotesClear = QStringLiteral("Você Confirma Limpeza das Anotações?");

// The notes panel's working values for the session.
struct NotesState {
    qint64 key = 0; // Notas.Chave of the user's row; 0 until it is known
    void reset() { *this = NotesState(); }
};

// The user's one notes page, one row of Notas. The text is stored as typed,
// without its leading and trailing blanks and line breaks.
class Notes {
public:
    Notes(AppContext& ctx, NotesState& state) : ctx_(ctx), state_(state) {}

    // The stored text (empty when none or cleared); learns the row's key.
    QString load();
    // A text of blanks and line breaks only clears the notes; any other text
    // updates the user's row, or creates it on the first save.
    void save(const QString& text);
    // Asks first; false when the user cancels. The row stays, its text NULL.
    bool clear();

private:
    RowSet userRow() const;
    qint64 rowKey() const;
    void clearStored() const;

    AppContext& ctx_;
    NotesState& state_;
};

} // namespace orv::tasks
