#pragma once

#include "printing/ReportSink.h"

#include <QStringList>

namespace orv {

// A report surface that writes down what would be drawn, one entry a line:
//   "T <x> <y> <text>"   a text line ("B" instead of "T" in bold)
//   "R <x1> <y1> <x2> <y2>"   a rule
//   "P"                  a page break
// It lets the layout be read and checked as plain text.
class ReportTranscript final : public ReportSink {
public:
    explicit ReportTranscript(int lineHeight = kCourierNew9Height) : lineHeight_(lineHeight) {}

    // One line of "Courier New" at 9 points: ascent plus descent, in twips.
    static constexpr int kCourierNew9Height = 204;

    int lineHeight() const override { return lineHeight_; }
    void setBold(bool bold) override { bold_ = bold; }
    void text(int x, int y, const QString& line) override;
    void rule(int x1, int y1, int x2, int y2) override;
    void newPage() override;

    const QStringList& entries() const { return entries_; }
    // Only the text lines, without positions.
    QStringList textLines() const;
    bool isEmpty() const { return entries_.isEmpty(); }

private:
    int lineHeight_;
    bool bold_ = false;
    QStringList entries_;
};

} // namespace orv
