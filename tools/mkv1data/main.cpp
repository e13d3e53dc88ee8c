// Writes a version 1.0 data file (dados.lst) from a JSON description of its
// owner's settings, appointments and contacts, scrambling the text fields as
// version 1.0 did. Dates are written "DD/MM/YYYY", times "HH:NN". Example:
//
// {"config": {"senha": "abc", "inicio": "08:00", "fim": "18:00", "pulo": "0:30",
//             "nome": "Ana", "telefone": "", "celular": "", "email": "ana@x.com",
//             "checar": 5},
//  "compromissos": [{"data": "20/03/2026", "horario": "14:00", "compromisso": "Dentista",
//                    "aviso": "S", "executado": "N", "dt_niver": ""}],
//  "nomes": [{"ordem": 1, "nome": "Bia", "aniversario": "15/03", "observacoes": ""}]}
#include "db/DbError.h"
#include "session/OldDataFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>

namespace {

QString text(const QJsonObject& o, const char* key) {
    return o.value(QLatin1String(key)).toString();
}
QDate date(const QJsonObject& o, const char* key) {
    return QDate::fromString(text(o, key), QStringLiteral("dd/MM/yyyy"));
}
QTime time(const QJsonObject& o, const char* key) {
    return QTime::fromString(text(o, key), QStringLiteral("H:mm"));
}

orv::OldData fromJson(const QJsonObject& root) {
    orv::OldData data;
    if (root.contains(QLatin1String("config"))) {
        const QJsonObject c = root.value(QLatin1String("config")).toObject();
        data.config = orv::OldConfig{
            text(c, "senha"),   time(c, "inicio"), time(c, "fim"),
            time(c, "pulo"),    text(c, "nome"),   text(c, "telefone"),
            text(c, "celular"), text(c, "email"),  c.value(QLatin1String("checar")).toInt(1)};
    }
    for (const auto& value : root.value(QLatin1String("compromissos")).toArray()) {
        const QJsonObject a = value.toObject();
        data.appointments << orv::OldAppointment{date(a, "data"),        time(a, "horario"),
                                                 text(a, "compromisso"), text(a, "aviso"),
                                                 text(a, "executado"),   date(a, "dt_niver")};
    }
    for (const auto& value : root.value(QLatin1String("nomes")).toArray()) {
        const QJsonObject n = value.toObject();
        data.contacts << orv::OldContact{n.value(QLatin1String("ordem")).toInt(),
                                         text(n, "nome"),
                                         text(n, "empresa"),
                                         text(n, "endereco"),
                                         text(n, "cidade"),
                                         text(n, "estado"),
                                         text(n, "cep"),
                                         text(n, "email"),
                                         text(n, "telefone"),
                                         text(n, "celular"),
                                         text(n, "comercial"),
                                         text(n, "aniversario"),
                                         text(n, "observacoes")};
    }
    return data;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const auto isOption = [](const QString& arg) { return arg.startsWith(QLatin1Char('-')); };
    // --help and any other option are not file names: usage, and nothing is made.
    if (args.size() != 2 || std::any_of(args.begin(), args.end(), isOption)) {
        std::fprintf(stderr, "usage: orvalune-mkv1data <data.json> <path/dados.lst>\n");
        return 2;
    }
    QFile input(args.at(0));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args.at(0)));
        return 1;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(input.readAll(), &error);
    if (!doc.isObject()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args.at(0)), qPrintable(error.errorString()));
        return 1;
    }
    try {
        orv::writeOldDataFile(args.at(1), fromJson(doc.object()));
    } catch (const orv::DbError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 1;
    }
    return 0;
}
