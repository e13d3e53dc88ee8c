#include "contacts/ContactStore.h"

#include "appointments/AppointmentStore.h"
#include "contacts/ContactForm.h"

namespace orv::contacts {
namespace {

QVariant optional(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

QString sharedFlag(const Contact& c) {
    return c.shared ? QStringLiteral("S") : QStringLiteral("N");
}

QString appointmentText(const Contact& c) {
    return QStringLiteral("Aniversário ") + c.name;
}

// The birthday appointment's key after the save: created, updated in place
// (an update that finds no row leaves it deleted), or deleted.
qint64 keepBirthdayInStep(const Db& db, qint64 user, const QDate& today, const Contact& c) {
    const QDate next = nextBirthday(c.birthday, today);
    if (!next.isValid()) {
        if (c.birthdayKey != 0) {
            appointments::deleteAppointment(db, user, c.birthdayKey);
        }
        return 0;
    }
    if (c.key == 0 || c.birthdayKey == 0) {
        appointments::Appointment a;
        a.day = next;
        a.text = appointmentText(c);
        a.status = appointments::kBirthday;
        a.shared = sharedFlag(c);
        return appointments::insertAppointment(db, user, a);
    }
    db.executeSql(QStringLiteral("Update Compromissos set Data = ?,Compromisso = ?,Compartilhado "
                                 "= ? Where Usuario = ? and Chave = ?"),
                  {next, appointmentText(c), sharedFlag(c), user, c.birthdayKey});
    return c.birthdayKey;
}

// The contact's columns after Usuario and Nome, in the order both statements use.
Params contactValues(const Contact& c, qint64 birthdayKey) {
    return {optional(c.company),
            optional(c.address),
            optional(c.city),
            optional(c.state),
            optional(c.postalCode),
            optional(c.email),
            optional(c.homePhone),
            optional(c.mobilePhone),
            optional(c.businessPhone),
            optional(c.notes),
            optional(c.birthday),
            sharedFlag(c),
            birthdayKey};
}

} // namespace

void writeContact(const Db& db, qint64 user, const QDate& today, Contact& contact) {
    const qint64 birthdayKey = keepBirthdayInStep(db, user, today, contact);
    qint64 key = contact.key;
    if (key == 0) {
        key = db.insertSql(
            QStringLiteral("Insert into Enderecos(Usuario,Nome,Empresa,Endereco,Cidade,Estado,Cep,"
                           "Email,FoneRes,FoneCel,FoneCom,Observacao,Aniversario,Compartilhado,"
                           "ChaveAniversario) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
            Params{user, contact.name} + contactValues(contact, birthdayKey));
    } else {
        db.executeSql(
            QStringLiteral("Update Enderecos set Nome = ?,Empresa = ?,Endereco = ?,Cidade = ?,"
                           "Estado = ?,Cep = ?,Email = ?,FoneRes = ?,FoneCel = ?,FoneCom = ?,"
                           "Observacao = ?,Aniversario = ?,Compartilhado = ?,ChaveAniversario = ? "
                           "Where Usuario = ? and Chave = ?"),
            Params{contact.name} + contactValues(contact, birthdayKey) + Params{user, key});
    }
    contact.key = key;
    contact.birthdayKey = birthdayKey;
}

void saveContact(Db& db, qint64 user, const QDate& today, Contact& contact) {
    Contact saved = contact;
    Transaction tx(db);
    writeContact(db, user, today, saved);
    tx.commit();
    contact = saved;
}

void deleteContact(Db& db, qint64 user, qint64 key, qint64 birthdayKey) {
    Transaction tx(db);
    db.executeSql(QStringLiteral("Delete from Enderecos Where Usuario = ? and Chave = ?"),
                  {user, key});
    if (birthdayKey != 0) {
        appointments::deleteAppointment(db, user, birthdayKey);
    }
    tx.commit();
}

} // namespace orv::contacts
