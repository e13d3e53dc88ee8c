#pragma once

#include "contacts/ContactGrid.h"
#include "contacts/ContactStore.h"
#include "support/TestSupport.h"

#include <initializer_list>
#include <utility>

namespace orv::test {

// A contact with its name, some of its text fields and its sharing flag:
// contact("Ana", {{&Contact::email, "ana@exemplo.com"}}, true).
inline contacts::Contact
contact(const QString& name,
        std::initializer_list<std::pair<QString contacts::Contact::*, const char*>> fields = {},
        bool shared = false) {
    contacts::Contact c;
    c.name = name;
    c.shared = shared;
    for (const auto& [field, value] : fields) {
        c.*field = QString::fromUtf8(value);
    }
    return c;
}

// A data file with two users: ANA, logged on, and BETO, whose contacts she may see.
struct ContactBook : ::testing::Test {
    TestApp app;
    qint64 ana = app.addUser("ANA");
    qint64 beto = app.addUser("BETO");

    ContactBook() { app.logOn(ana); }

    contacts::Contact save(qint64 owner, contacts::Contact c) {
        contacts::saveContact(app.ctx.db, owner, app.clock.today(), c);
        return c;
    }
    contacts::Contact save(qint64 owner, const QString& name, bool shared = false) {
        return save(owner, contact(name, {}, shared));
    }

    QVector<contacts::ContactRow> rows(const contacts::ContactFilter& filter = {}) {
        const contacts::ContactList list = contacts::listContacts(app.ctx, filter);
        QVector<contacts::ContactRow> made;
        for (int i = 0; i < list.size(); ++i) {
            made << list.row(i);
        }
        return made;
    }
    // The name column of the list, without its leading blanks.
    QStringList names(const contacts::ContactFilter& filter = {}) {
        QStringList list;
        for (const auto& r : rows(filter)) {
            list << r.nameCell.mid(4);
        }
        return list;
    }
    RowSet appointments() {
        return app.ctx.db.runQuery("Select * from Compromissos Order By Chave");
    }
    RowSet contactRow(qint64 key) {
        return app.ctx.db.runQuery("Select * from Enderecos Where Chave = ?", {key});
    }
};

} // namespace orv::test
