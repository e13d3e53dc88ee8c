#include "db/AccessFunctions.h"

#include "db/RowSet.h"

#include <QRegularExpression>
#include <sqlcipher/sqlite3.h>

namespace orv {
namespace {

QString argText(sqlite3_value* v) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? QString::fromUtf8(p, sqlite3_value_bytes(v)) : QString();
}

void resultText(sqlite3_context* ctx, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

bool anyNull(int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            return true;
        }
    }
    return false;
}

void cdateFn(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto value = accessCDate(argText(argv[0]));
    if (!value) {
        sqlite3_result_error(ctx, "Tipo incompatível em cdate", -1);
        return;
    }
    resultText(ctx, *value);
}

template <int Part> void datePartFn(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    const QDate d = parseStoredDate(argText(argv[0]));
    if (!d.isValid()) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_int(ctx, Part == 0 ? d.day() : Part == 1 ? d.month() : d.year());
}

void ascFn(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString s = argText(argv[0]);
    if (s.isEmpty()) {
        sqlite3_result_error(ctx, "Argumento inválido em Asc", -1);
        return;
    }
    sqlite3_result_int(ctx, static_cast<int>(s.toUcs4().value(0)));
}

void leftFn(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    const QList<uint> chars = argText(argv[0]).toUcs4();
    const int n = std::max(0, sqlite3_value_int(argv[1]));
    const QList<uint> head = chars.mid(0, n);
    resultText(ctx, QString::fromUcs4(reinterpret_cast<const char32_t*>(head.constData()),
                                      head.size()));
}

void ucaseFn(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    resultText(ctx, argText(argv[0]).toUpper());
}

void add(sqlite3* db, const char* name, int args, void (*fn)(sqlite3_context*, int, sqlite3_value**)) {
    sqlite3_create_function_v2(db, name, args, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, fn,
                               nullptr, nullptr, nullptr);
}

} // namespace

std::optional<QString> accessCDate(const QString& raw) {
    static const QRegularExpression dayFirst(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    static const QRegularExpression time(QStringLiteral("^(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?$"));
    const QString text = raw.trimmed();
    if (auto m = dayFirst.match(text); m.hasMatch()) {
        const QDate d(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
        return d.isValid() ? std::optional(storedDate(d)) : std::nullopt;
    }
    if (auto m = iso.match(text); m.hasMatch()) {
        const QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        return d.isValid() ? std::optional(storedDate(d)) : std::nullopt;
    }
    if (auto m = time.match(text); m.hasMatch()) {
        const QTime t(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        return t.isValid() ? std::optional(storedTime(t)) : std::nullopt;
    }
    return std::nullopt;
}

void registerAccessFunctions(sqlite3* db) {
    add(db, "cdate", 1, cdateFn);
    add(db, "day", 1, datePartFn<0>);
    add(db, "month", 1, datePartFn<1>);
    add(db, "year", 1, datePartFn<2>);
    add(db, "asc", 1, ascFn);
    add(db, "left", 2, leftFn);
    add(db, "ucase", 1, ucaseFn);
}

} // namespace orv
