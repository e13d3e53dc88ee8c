#include "finances/Amount.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace orv::finances {

QChar localeDecimalSeparator() {
    const QString half = QLocale().toString(0.5);
    return half.size() > 1 ? half.at(1) : QLatin1Char('.');
}

QString AmountFormat::format(double amount) const {
    QString text = QString::number(cents(amount), 'f', 2);
    text.replace(QLatin1Char('.'), separator_);
    return text;
}

std::optional<double> AmountFormat::parse(const QString& typed) const {
    QString text = typed.trimmed();
    text.replace(QLatin1Char('.'), separator_);
    const QString sep = QRegularExpression::escape(QString(separator_));
    // An optional minus, digits, and at most one separator with digits on at
    // least one side of it.
    const QRegularExpression number(QStringLiteral("^-?(\\d+(%1\\d*)?|%1\\d+)$").arg(sep));
    if (!number.match(text).hasMatch()) {
        return std::nullopt;
    }
    text.replace(separator_, QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

QString AmountFormat::retype(const QString& typed) const {
    const std::optional<double> value = parse(typed);
    return value ? format(*value) : typed;
}

double AmountFormat::cents(double amount) {
    const double rounded = std::round(amount * 100.0) / 100.0;
    return rounded == 0.0 ? 0.0 : rounded; // never "-0,00"
}

} // namespace orv::finances
