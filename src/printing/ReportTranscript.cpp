#include "printing/ReportTranscript.h"

namespace orv {

void ReportTranscript::text(int x, int y, const QString& line) {
    entries_ << QStringLiteral("%1 %2 %3 %4")
                    .arg(bold_ ? QLatin1Char('B') : QLatin1Char('T'))
                    .arg(x)
                    .arg(y)
                    .arg(line);
}

void ReportTranscript::rule(int x1, int y1, int x2, int y2) {
    entries_ << QStringLiteral("R %1 %2 %3 %4").arg(x1).arg(y1).arg(x2).arg(y2);
}

void ReportTranscript::newPage() {
    entries_ << QStringLiteral("P");
}

QStringList ReportTranscript::textLines() const {
    QStringList lines;
    for (const QString& entry : entries_) {
        if (entry.startsWith(u'T') || entry.startsWith(u'B')) {
            lines << entry.section(QLatin1Char(' '), 3); // keeps the text's own blanks
        }
    }
    return lines;
}

} // namespace orv
