#include "session/OldDataImport.h"

#include "appointments/AppointmentStore.h"
#include "db/DbError.h"
#include "session/Logon.h"
#include "session/Passwords.h"
#include "session/SqlValues.h"

#include <QFile>

namespace orv {
namespace {

using appointments::Appointment;

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

// Old status: a pending reminder, done, or no reminder wanted; a row without a
// time becomes an all-day entry without reminder.
QString oldStatus(const RowSet& rs, bool hasTime) {
    const bool done = rs.text(QStringLiteral("Executado")) == QLatin1String("S");
    if (!hasTime) {
        return appointments::kNoReminder;
    }
    if (rs.text(QStringLiteral("Aviso")) == QLatin1String("S") && !done) {
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

// A contact as the contact save receives it.
struct NewContact {
    QString name, company, address, city, state, postalCode, email, homePhone, mobilePhone,
        businessPhone, notes, birthday;
};

// The old "DD/MM" birthday: none when the day is "00" or the date cannot exist.
QString oldBirthday(const RowSet& rs) {
    const QString stored = rs.text(QStringLiteral("Aniversário"));
    const QString day = decodePassword(stored.mid(0, 2));
    const QString month = decodePassword(stored.mid(3, 2));
    if (day == QLatin1String("00") || !QDate(2000, month.toInt(), day.toInt()).isValid()) {
        return {};
    }
    return day + QLatin1Char('/') + month;
}

QVector<NewContact> readOldContacts(const Db& db) {
    QVector<NewContact> list;
    RowSet rs = db.runOldQuery(QStringLiteral("Select * from Nomes Order By Ordem"));
    for (; !rs.eof(); rs.moveNext()) {
        list << NewContact{
            decoded(rs, "Nome"),      decoded(rs, "Empresa"),     decoded(rs, "Endereco"),
            decoded(rs, "Cidade"),    decoded(rs, "Estado"),      decoded(rs, "Cep"),
            decoded(rs, "Email"),     decoded(rs, "Telefone"),    decoded(rs, "Celular"),
            decoded(rs, "Comercial"), decoded(rs, "Observacoes"), oldBirthday(rs)};
    }
    return list;
}

// The next day the "DD/MM" birthday falls on after today; 29/02 waits for a leap year.
QDate nextBirthday(const QString& birthday, const QDate& today) {
    const int day = birthday.left(2).toInt();
    const int month = birthday.mid(3, 2).toInt();
    for (int year = today.year(); year <= today.year() + 8; ++year) {
        const QDate date(year, month, day);
        if (date.isValid() && date > today) {
            return date;
        }
    }
    return {};
}

// The stored form of a contact name: trimmed, first letter in capitals.
QString contactName(const QString& typed) {
    QString name = typed.trimmed();
    if (!name.isEmpty()) {
        name[0] = name[0].toUpper();
    }
    return name;
}

// Saves a new, private contact of the user and its yearly birthday appointment.
void saveNewContact(const Db& db, qint64 user, const NewContact& c, const QDate& today) {
    const QString name = contactName(c.name);
    qint64 birthdayKey = 0;
    if (!c.birthday.isEmpty()) {
        Appointment a;
        a.day = nextBirthday(c.birthday, today);
        a.text = QStringLiteral("Aniversário ") + name;
        a.status = appointments::kBirthday;
        birthdayKey = appointments::insertAppointment(db, user, a);
    }
    db.executeSql(
        QStringLiteral("Insert into Enderecos(Usuario,Nome,Empresa,Endereco,Cidade,Estado,Cep,"
                       "Email,FoneRes,FoneCel,FoneCom,Observacao,Aniversario,Compartilhado,"
                       "ChaveAniversario) values (?,?,?,?,?,?,?,?,?,?,?,?,?,'N',?)"),
        {user, name, nullIfEmpty(c.company), nullIfEmpty(c.address), nullIfEmpty(c.city),
         nullIfEmpty(c.state), nullIfEmpty(c.postalCode), nullIfEmpty(c.email),
         nullIfEmpty(c.homePhone), nullIfEmpty(c.mobilePhone), nullIfEmpty(c.businessPhone),
         nullIfEmpty(c.notes), nullIfEmpty(c.birthday), birthdayKey});
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
    const QVector<Appointment> oldAppointments = readOldAppointments(ctx.db);
    const QVector<NewContact> oldContacts = readOldContacts(ctx.db);
    const QDate today = ctx.clock.today();
    {
        Transaction t(ctx.db);
        for (const Appointment& a : oldAppointments) {
            appointments::insertAppointment(ctx.db, user, a);
        }
        for (const NewContact& c : oldContacts) {
            saveNewContact(ctx.db, user, c, today);
        }
        ctx.db.executeSql(QStringLiteral("Update Sistema set EfetuoImportacao = 'S'"));
        t.commit();
    }
    ctx.session.importFlag = QStringLiteral("S");
    QFile::remove(ctx.paths.oldDataFile());
}

} // namespace orv
