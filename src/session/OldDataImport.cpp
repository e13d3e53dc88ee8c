#include "session/OldDataImport.h"

#include "appointments/AppointmentStore.h"
#include "contacts/ContactForm.h"
#include "contacts/ContactStore.h"
#include "db/DbError.h"
#include "session/Logon.h"
#include "session/Passwords.h"

#include <QFile>

namespace orv {
namespace {

using appointments::Appointment;
using contacts::Contact;

QString decoded(const RowSet& rs, const char* column) {
    return decodePassword(rs.field(QString::fromUtf8(column)));
}

QString hhmm(const RowSet& rs, const char* column) {
    const QTime time = rs.time(QString::fromUtf8(column));
    return time.isValid() ? time.toString(QStringLiteral("HH:mm"))
                          : rs.text(QString::fromUtf8(column));
}

// The old grid step "H:NN" in minutes, an hour or more capped at 59.
QString gridStep(const QTime& step) {
    if (!step.isValid()) {
        return QStringLiteral("59");
    }
    const int minutes = 60 * step.hour() + step.minute();
    return QString::number(minutes > 59 ? 59 : step.minute());
}

// Old status: a pending reminder, done, or no reminder wanted. A row without a
// time becomes an all-day entry, which has no time to be reminded at: a pending
// reminder becomes "no reminder wanted" ("3"), which the due check never raises
// (it raises all-day rows of status "2", the birthdays, only).
QString oldStatus(const RowSet& rs, bool hasTime) {
    const bool done = rs.text(QStringLiteral("Executado")) == QLatin1String("S");
    if (rs.text(QStringLiteral("Aviso")) == QLatin1String("S") && !done && hasTime) {
        return appointments::kPending;
    }
    return done ? appointments::kDone : appointments::kNoReminder;
}

QVector<Appointment> readOldAppointments(const Db& db) {
    QVector<Appointment> list;
    RowSet rs = db.runOldQuery(QStringLiteral("Select * from Compromisso Where dt_niver is Null"));
    for (; !rs.eof(); rs.moveNext()) {
        Appointment a;
        a.day = rs.date(QStringLiteral("Data"));
        if (!a.day.isValid()) {
            continue; // an appointment without a day has nowhere to go
        }
        a.start = rs.time(QStringLiteral("Horario"));
        a.text = decoded(rs, "Compromisso");
        a.status = oldStatus(rs, a.start.isValid());
        list << a;
    }
    return list;
}

// The old "DD/MM" birthday: none when the day is "00" or no year has that day.
QString oldBirthday(const RowSet& rs, const QDate& today) {
    const QString stored = rs.text(QStringLiteral("Aniversário"));
    const QString day = decodePassword(stored.mid(0, 2));
    const QString birthday = day + QLatin1Char('/') + decodePassword(stored.mid(3, 2));
    if (day == QLatin1String("00") || !contacts::nextBirthday(birthday, today).isValid()) {
        return {};
    }
    return birthday;
}

// The old contacts in their order, as new private contacts of the user.
QVector<Contact> readOldContacts(const Db& db, const QDate& today) {
    QVector<Contact> list;
    RowSet rs = db.runOldQuery(QStringLiteral("Select * from Nomes Order By Ordem"));
    for (; !rs.eof(); rs.moveNext()) {
        Contact c;
        c.name = contacts::storedName(decoded(rs, "Nome"));
        c.company = decoded(rs, "Empresa");
        c.address = decoded(rs, "Endereco");
        c.city = decoded(rs, "Cidade");
        c.state = decoded(rs, "Estado");
        c.postalCode = decoded(rs, "Cep");
        c.email = decoded(rs, "Email");
        c.homePhone = decoded(rs, "Telefone");
        c.mobilePhone = decoded(rs, "Celular");
        c.businessPhone = decoded(rs, "Comercial");
        c.notes = decoded(rs, "Observacoes");
        c.birthday = oldBirthday(rs, today);
        list << c;
    }
    return list;
}

} // namespace

void offerImport(AppContext& ctx) {
    ctx.session.importAnswer = canImport(ctx) && ctx.messages.confirm(kImportQuestion);
}

std::optional<SettingsForm> importOldSettings(AppContext& ctx) {
    if (!ctx.session.importAnswer) {
        return std::nullopt;
    }
    RowSet rs;
    try {
        rs = ctx.db.runOldQuery(QStringLiteral("Select * from Config"));
    } catch (const DbError&) {
        return std::nullopt;
    }
    if (rs.eof()) {
        return std::nullopt;
    }
    SettingsForm f = newUserForm();
    ctx.session.password = decoded(rs, "Senha");
    f.currentPassword = ctx.session.password;
    f.currentPasswordEnabled = false;
    f.newPasswordEnabled = ctx.session.password.isEmpty();
    f.gridStart = hhmm(rs, "Inicio");
    f.gridEnd = hhmm(rs, "Fim");
    f.gridStep = gridStep(rs.time(QStringLiteral("Pulo")));
    f.name = decoded(rs, "Nome");
    f.homePhone = decoded(rs, "Telefone");
    f.mobilePhone = decoded(rs, "Celular");
    f.email = decoded(rs, "Email");
    f.checkInterval = rs.text(QStringLiteral("Checar"));
    return f;
}

void importOldData(AppContext& ctx) {
    const qint64 user = ctx.session.userCode;
    const QDate today = ctx.clock.today();
    const QVector<Appointment> oldAppointments = readOldAppointments(ctx.db);
    QVector<Contact> oldContacts = readOldContacts(ctx.db, today);
    {
        Transaction t(ctx.db);
        for (const Appointment& a : oldAppointments) {
            appointments::insertAppointment(ctx.db, user, a);
        }
        for (Contact& c : oldContacts) {
            contacts::writeContact(ctx.db, user, today, c);
        }
        ctx.db.executeSql(QStringLiteral("Update Sistema set EfetuoImportacao = 'S'"));
        t.commit();
    }
    ctx.session.importFlag = QStringLiteral("S");
    ctx.db.release();
    QFile::remove(ctx.paths.oldDataFile());
}

} // namespace orv
