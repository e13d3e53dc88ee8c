#include "tasks/Notes.h"

namespace orv::tasks {

RowSet Notes::userRow() const {
    return ctx_.db.runQuery(QStringLiteral("Select * from Notas Where Usuario = ? Order By Chave"),
                            {ctx_.session.userCode});
}

// The key may not be known yet when the row was made outside this panel.
qint64 Notes::rowKey() const {
    if (state_.key != 0) {
        return state_.key;
    }
    const RowSet rs = userRow();
    return rs.eof() ? 0 : rs.integer(QStringLiteral("Chave"));
}

QString Notes::load() {
    const RowSet rs = userRow();
    if (rs.eof()) {
        return QString();
    }
    state_.key = rs.integer(QStringLiteral("Chave"));
    return rs.text(QStringLiteral("Notas"));
}

void Notes::save(const QString& text) {
    const QString notes = text.trimmed();
    if (notes.isEmpty()) {
        clearStored();
        return;
    }
    const qint64 key = rowKey();
    if (key != 0 &&
        ctx_.db.executeSql(
            QStringLiteral("Update Notas set Notas = ? Where Usuario = ? and Chave = ?"),
            {notes, ctx_.session.userCode, key}) > 0) {
        state_.key = key;
        return;
    }
    // The first save, or the row is gone: the text is never dropped.
    state_.key = ctx_.db.insertSql(QStringLiteral("Insert into Notas(Usuario,Notas) values (?,?)"),
                                   {ctx_.session.userCode, notes});
}

void Notes::clearStored() const {
    ctx_.db.executeSql(
        QStringLiteral("Update Notas set Notas = NULL Where Usuario = ? and Chave = ?"),
        {ctx_.session.userCode, rowKey()});
}

bool Notes::clear() {
    if (!ctx_.messages.confirm(kConfirmNotesClear)) {
        return false;
    }
    clearStored();
    return true;
}

} // namespace orv::tasks
