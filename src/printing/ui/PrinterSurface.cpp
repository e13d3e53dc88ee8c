#include "printing/ui/PrinterSurface.h"

#include "mainwindow/ui/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPrinter>
#include <cmath>

namespace orv {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kReportPoints = 9.0;
} // namespace

QFont PrinterSurface::reportFont() {
    QFont font = designFont(QStringLiteral("Courier New"), kReportPoints);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSizeF(kReportPoints);
    }
    return font;
}

PrinterSurface::PrinterSurface(QPrinter& printer)
    : printer_(printer), font_(reportFont()), scale_(printer.resolution() / kTwipsPerInch) {
    const QFontMetricsF metrics(font_, &printer_);
    lineHeight_ = static_cast<int>(std::lround(metrics.height() / scale_));
    ascent_ = metrics.ascent();
}

PrinterSurface::~PrinterSurface() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

bool PrinterSurface::ensureStarted() {
    if (!started_) {
        started_ = true;
        failed_ = !painter_.begin(&printer_);
        if (!failed_) {
            painter_.setFont(font_);
            painter_.setPen(QPen(Qt::black, std::max(1.0, printer_.resolution() / 144.0)));
        }
    }
    return !failed_;
}

void PrinterSurface::setBold(bool bold) {
    font_.setBold(bold);
    if (painter_.isActive()) {
        painter_.setFont(font_);
    }
}

void PrinterSurface::text(int x, int y, const QString& line) {
    if (ensureStarted()) {
        painter_.drawText(QPointF(device(x), device(y) + ascent_), line);
    }
}

void PrinterSurface::rule(int x1, int y1, int x2, int y2) {
    if (ensureStarted()) {
        painter_.drawLine(QPointF(device(x1), device(y1)), QPointF(device(x2), device(y2)));
    }
}

void PrinterSurface::newPage() {
    if (ensureStarted() && !printer_.newPage()) {
        failed_ = true;
    }
}

bool PrinterSurface::finish() {
    if (painter_.isActive() && !painter_.end()) {
        failed_ = true;
    }
    return !failed_ && printer_.printerState() != QPrinter::Error &&
           printer_.printerState() != QPrinter::Aborted;
}

} // namespace orv
