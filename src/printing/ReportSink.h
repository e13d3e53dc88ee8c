#pragma once

#include <QString>

namespace orv {

// The drawing surface of a printed report, measured in twips (1/1440 inch) from
// the top left of the printable area: lines of text in the report's fixed-pitch
// font, straight rules and page breaks.
class ReportSink {
public:
    virtual ~ReportSink() = default;

    // The height of one text line in the report font, in twips.
    virtual int lineHeight() const = 0;
    virtual void setBold(bool bold) = 0;
    // One line of text whose top stands at (x, y).
    virtual void text(int x, int y, const QString& line) = 0;
    virtual void rule(int x1, int y1, int x2, int y2) = 0;
    virtual void newPage() = 0;
};

} // namespace orv
