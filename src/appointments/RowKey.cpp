#include "appointments/RowKey.h"

#include <QStringList>

namespace orv::appointments {
namespace {

const QChar kTab(9);

} // namespace

QString RowKey::text() const {
    return QString::number(key) + kTab + status + kTab + shared + kTab + end;
}

RowKey RowKey::parse(const QString& text) {
    const QStringList parts = text.split(kTab);
    RowKey k;
    k.key = parts.value(0).toLongLong();
    k.status = parts.value(1);
    k.shared = parts.value(2);
    k.end = parts.value(3);
    return k;
}

RowKey RowKey::emptySlot() {
    return {0, QStringLiteral(" "), QStringLiteral(" "), QString()};
}

} // namespace orv::appointments
