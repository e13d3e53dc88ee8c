#include "session/OldDataFile.h"

#include "db/Db.h"
#include "db/DbError.h"
#include "session/Passwords.h"
#include "session/SqlValues.h"

#include <QFileInfo>

namespace orv {
namespace {

const char* const kOldSchema = R"SQL(
CREATE TABLE Compromisso (Data TEXT, Horario TEXT, Compromisso TEXT, Aviso TEXT,
                          Executado TEXT, dt_niver TEXT);
CREATE TABLE Nomes (Ordem INTEGER, Nome TEXT, Empresa TEXT, Endereco TEXT, Cidade TEXT,
                    Estado TEXT, Cep TEXT, Email TEXT, Telefone TEXT, Celular TEXT,
                    Comercial TEXT, "Aniversário" TEXT, Observacoes TEXT);
CREATE TABLE Config (Senha TEXT, Inicio TEXT, Fim TEXT, Pulo TEXT, Nome TEXT, Telefone TEXT,
                     Celular TEXT, Email TEXT, Checar INTEGER);
)SQL";

// A scrambled text field; empty texts are NULL.
QVariant scrambled(const QString& clear) {
    return nullIfEmpty(encodePassword(clear));
}

QVariant optionalDate(const QDate& day) {
    return day.isValid() ? QVariant(day) : QVariant();
}

QVariant optionalTime(const QTime& time) {
    return time.isValid() ? QVariant(time) : QVariant();
}

} // namespace

void writeOldDataFile(const QString& path, const OldData& data) {
    if (QFileInfo::exists(path)) {
        throw DbError(kFileFailure, QStringLiteral("%1 já existe.").arg(path));
    }
    SqlCipherFile::create(path, Db::oldPassphrase(), QString::fromUtf8(kOldSchema));
    SqlCipherFile file(path, Db::oldPassphrase());
    file.begin();
    if (const auto& c = data.config) {
        file.execute(QStringLiteral("Insert into Config (Senha,Inicio,Fim,Pulo,Nome,Telefone,"
                                    "Celular,Email,Checar) values (?,?,?,?,?,?,?,?,?)"),
                     {scrambled(c->password), optionalTime(c->start), optionalTime(c->end),
                      optionalTime(c->step), scrambled(c->name), scrambled(c->phone),
                      scrambled(c->mobile), scrambled(c->email), c->check});
    }
    for (const OldAppointment& a : data.appointments) {
        file.execute(QStringLiteral("Insert into Compromisso (Data,Horario,Compromisso,Aviso,"
                                    "Executado,dt_niver) values (?,?,?,?,?,?)"),
                     {optionalDate(a.day), optionalTime(a.time), scrambled(a.text),
                      nullIfEmpty(a.reminder), nullIfEmpty(a.done),
                      optionalDate(a.birthdayMarker)});
    }
    for (const OldContact& c : data.contacts) {
        file.execute(
            QStringLiteral("Insert into Nomes (Ordem,Nome,Empresa,Endereco,Cidade,Estado,Cep,Email,"
                           "Telefone,Celular,Comercial,\"Aniversário\",Observacoes) values "
                           "(?,?,?,?,?,?,?,?,?,?,?,?,?)"),
            {c.order, scrambled(c.name), scrambled(c.company), scrambled(c.address),
             scrambled(c.city), scrambled(c.state), scrambled(c.postalCode), scrambled(c.email),
             scrambled(c.phone), scrambled(c.mobile), scrambled(c.business), scrambled(c.birthday),
             scrambled(c.notes)});
    }
    file.commit();
}

} // namespace orv
