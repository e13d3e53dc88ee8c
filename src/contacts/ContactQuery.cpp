#include "contacts/ContactQuery.h"

#include "session/Users.h"

namespace orv::contacts {

BoundQuery contactQuery(qint64 user, bool showShared, const ContactFilter& filter,
                        const QString& order) {
    BoundQuery q;
    QStringList selects;
    const auto select = [&](const QString& head, const Params& headParams) {
        for (const ContactFilter::Part& part : filter.parts()) {
            selects << head + part.condition;
            q.params << headParams << part.params;
        }
    };
    select(QStringLiteral("Select *,'' as NomeUsuario from Enderecos Where Usuario = ? "), {user});
    if (showShared) {
        select(QStringLiteral("Select *,") + ownerLoginColumn(QStringLiteral("Enderecos")) +
                   QStringLiteral(" as NomeUsuario from Enderecos Where Usuario <> ? and "
                                  "Compartilhado = 'S' "),
               {user});
    }
    // The selects never share a row (one owner each, one part each), so they
    // are joined without the duplicate check a plain union would sort the
    // whole book for; the order, made of expressions, applies to the whole.
    q.sql = QStringLiteral("Select * from (") + selects.join(QStringLiteral(" Union All ")) +
            QStringLiteral(") Order By ") + order;
    return q;
}

RowSet runContactQuery(const Db& db, qint64 user, bool showShared, const ContactFilter& filter) {
    const BoundQuery q = contactQuery(user, showShared, filter);
    return db.runQuery(q.sql, q.params);
}

} // namespace orv::contacts
