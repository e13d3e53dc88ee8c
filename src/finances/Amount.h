#pragma once

#include <QChar>
#include <QString>
#include <optional>

namespace orv::finances {

// The locale's decimal separator: the second character of 0.5 written as text.
QChar localeDecimalSeparator();

// Amounts as the ledger shows and reads them: "####0.00" (at least one integer
// digit, no thousands separator, two decimals, a leading minus) with the
// locale's decimal separator. The amount boxes let the user type digits, "."
// and "-"; every "." typed stands for the decimal separator.
class AmountFormat {
public:
    explicit AmountFormat(QChar separator = localeDecimalSeparator()) : separator_(separator) {}

    QChar separator() const { return separator_; }

    QString format(double amount) const;

    // The value of a typed or shown amount; nothing for a blank text or a text
    // that is not a number ("-", "1-2", "..", "1.2.3").
    std::optional<double> parse(const QString& typed) const;

    // The box's text after the user leaves it: a number is rewritten in the
    // amount format, anything else (blank included) stays as typed, for the
    // save to refuse.
    QString retype(const QString& typed) const;

    // The amount as shown, to the cent: what is stored is what the user saw.
    static double cents(double amount);

private:
    QChar separator_;
};

// Shown when an amount box holds something that is not a number.
inline const QString kInvalidAmount = QStringLiteral("Informe um Valor Válido!");

} // namespace orv::finances
