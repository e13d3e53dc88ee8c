#include "printing/ReportPage.h"

#include "session/Clock.h"

#include <QStringList>

namespace orv {

ReportPage::ReportPage(ReportSink& sink, QString title, const Clock& clock)
    : sink_(sink), title_(std::move(title)), clock_(clock) {}

void ReportPage::begin() {
    page_ = 1;
    startPage();
}

void ReportPage::startPage() {
    x_ = kTitleX;
    y_ = kTitleY;
    print(title_);
    sink_.rule(kRuleLeft, kTitleRuleY, kRuleRight, kTitleRuleY);
    x_ = 0;
    y_ = kBodyY;
}

void ReportPage::print(const QString& text) {
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        sink_.text(x_, y_, line);
        x_ = 0;
        y_ += sink_.lineHeight();
    }
}

void ReportPage::printRecord(const QString& text) {
    print(text);
    print(QStringLiteral(" "));
    breakIfFull();
}

void ReportPage::breakIfFull() {
    if (y_ <= kBreakAfterY) {
        return;
    }
    closePage();
    sink_.newPage();
    ++page_;
    startPage();
}

void ReportPage::closePage() {
    sink_.rule(kRuleLeft, y_, kRuleRight, y_);
    x_ = kTitleX;
    y_ += 100;
    print(footer());
}

void ReportPage::finish() {
    closePage();
}

QString ReportPage::footer() const {
    return QLatin1Char(' ') + clock_.now().toString(QStringLiteral("dd/MM/yyyy HH:mm")) +
           QString(75, QLatin1Char(' ')) + QStringLiteral("Página : ") +
           QStringLiteral("%1").arg(page_, 2, 10, QLatin1Char('0'));
}

} // namespace orv
