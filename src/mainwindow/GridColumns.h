#pragma once

#include <QDate>
#include <QString>
#include <QtCore/qnamespace.h>

namespace orv {

// A colour as the list grids paint it (cell text or background), free of any
// drawing library so that the logic can choose it.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kWhite{255, 255, 255};

// One column of a list grid: bold header text, width in twips (0 hides the
// column), the column's alignment and that of its data cells.
struct GridColumn {
    QString header;
    int width = 0;
    Qt::Alignment alignment = Qt::AlignHCenter;
    Qt::Alignment cellAlignment = Qt::AlignHCenter;
};

// A day as the grids and date boxes show it: "DD/MM/YYYY". Written digit by
// digit: a list shows thousands of them.
inline QString shownDate(const QDate& day) {
    int year = 0, month = 0, dayOfMonth = 0;
    day.getDate(&year, &month, &dayOfMonth);
    if (!day.isValid() || year < 1 || year > 9999) {
        return day.toString(QStringLiteral("dd/MM/yyyy"));
    }
    const char16_t text[] = {char16_t(u'0' + dayOfMonth / 10),
                             char16_t(u'0' + dayOfMonth % 10),
                             u'/',
                             char16_t(u'0' + month / 10),
                             char16_t(u'0' + month % 10),
                             u'/',
                             char16_t(u'0' + year / 1000),
                             char16_t(u'0' + year / 100 % 10),
                             char16_t(u'0' + year / 10 % 10),
                             char16_t(u'0' + year % 10)};
    return QString(reinterpret_cast<const QChar*>(text), 10);
}

} // namespace orv
