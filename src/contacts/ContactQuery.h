#pragma once

#include "contacts/ContactFilter.h"
#include "db/Db.h"

namespace orv::contacts {

// A statement with the values for its placeholders.
struct BoundQuery {
    QString sql;
    Params params;
};

// The order of the address book: names as a Brazilian reader orders them,
// without regard to case or accents (Álvaro among the A's), then companies;
// names alike in that sense keep a fixed order by their stored form and key.
inline const QString kContactOrder =
    QStringLiteral("folded(Nome),Nome,folded(Empresa),Empresa,Chave");

// The address book of a user: his own contacts and, when he asks to see shared
// entries, the contacts other users share, each half narrowed by the filter and
// the whole in the given order. Other users' rows carry the owner's login in
// the computed column NomeUsuario, the user's own rows an empty one. The
// contact list and the printed address book both run it.
BoundQuery contactQuery(qint64 user, bool showShared, const ContactFilter& filter,
                        const QString& order = kContactOrder);
RowSet runContactQuery(const Db& db, qint64 user, bool showShared, const ContactFilter& filter);

} // namespace orv::contacts
