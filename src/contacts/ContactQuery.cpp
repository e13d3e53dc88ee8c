#include "contacts/ContactQuery.h"

namespace orv::contacts {

BoundQuery contactQuery(qint64 user, bool showShared, const ContactFilter& filter) {
    BoundQuery q;
    q.sql = QStringLiteral("Select *,'' as NomeUsuario from Enderecos Where Usuario = ? ") +
            filter.condition();
    q.params << user << filter.params();
    // The halves never share a row (one owner each), so they are joined without
    // the duplicate check a plain union would sort the whole book for.
    if (showShared) {
        q.sql += QStringLiteral(" Union All Select *,(Select Login from Usuarios Where Codigo = "
                                "Usuario) as NomeUsuario from Enderecos Where Usuario <> ? and "
                                "Compartilhado = 'S' ") +
                 filter.condition();
        q.params << user << filter.params();
    }
    // Names sort without regard to case, as a person reads an address book.
    q.sql += QStringLiteral(" Order By Nome Collate NoCase,Empresa Collate NoCase ");
    return q;
}

RowSet runContactQuery(const Db& db, qint64 user, bool showShared, const ContactFilter& filter) {
    const BoundQuery q = contactQuery(user, showShared, filter);
    return db.runQuery(q.sql, q.params);
}

} // namespace orv::contacts
