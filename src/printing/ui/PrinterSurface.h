#pragma once

#include "printing/ReportSink.h"

#include <QFont>
#include <QPainter>

class QPrinter;

namespace orv {

// The report surface on a printer (or a PDF file): twips from the top left of
// the printable area mapped onto the device, text in "Courier New" 9 points,
// always a fixed-pitch face. The document starts with the first thing drawn,
// so an empty report sends nothing.
class PrinterSurface final : public ReportSink {
public:
    explicit PrinterSurface(QPrinter& printer);
    ~PrinterSurface() override;

    int lineHeight() const override { return lineHeight_; }
    void setBold(bool bold) override;
    void text(int x, int y, const QString& line) override;
    void rule(int x1, int y1, int x2, int y2) override;
    void newPage() override;

    // Ends the document; true when it was taken whole.
    bool finish();
    bool drewAnything() const { return started_; }
    const QFont& font() const { return font_; }

    // "Courier New" at 9 points, or the system's fixed-pitch face where no
    // fixed-pitch stand-in answers to that name.
    static QFont reportFont();

private:
    bool ensureStarted();
    double device(int twips) const { return twips * scale_; }

    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
    double scale_;
    int lineHeight_;
    double ascent_;
    bool started_ = false;
    bool failed_ = false;
};

} // namespace orv
