#pragma once

#include "printing/ReportSink.h"

#include <QString>

namespace orv {

class Clock;

// The page frame every report shares: the title line with the rule under it,
// the body from y = 500, the page-break test after each record, and the
// closing rule with the footer (date, time and page number) at the end of
// each page. It keeps the print position as the report moves down the page.
class ReportPage {
public:
    static constexpr int kTitleX = 100;
    static constexpr int kTitleY = 100;
    static constexpr int kRuleLeft = 100;
    static constexpr int kRuleRight = 11200;
    static constexpr int kTitleRuleY = 400;
    static constexpr int kBodyY = 500;
    static constexpr int kBreakAfterY = 14000;

    ReportPage(ReportSink& sink, QString title, const Clock& clock);

    // The title and its rule on the first page.
    void begin();
    // Text at the print position; each '\n' starts a new line at the left edge.
    void print(const QString& text);
    void setBold(bool bold) { sink_.setBold(bold); }
    // A record of the appointment, ledger and task reports: its text, then a
    // line holding one blank, then the page-break test.
    void printRecord(const QString& text);
    // Starts a new page when the print position has passed the end of the body.
    void breakIfFull();
    // The closing rule and the footer of the last page.
    void finish();

    int y() const { return y_; }
    int pageNumber() const { return page_; }
    // " DD/MM/YYYY HH:NN", 75 blanks, "Página : " and the page number (01, 02, ...).
    QString footer() const;

private:
    void startPage();
    void closePage();

    ReportSink& sink_;
    QString title_;
    const Clock& clock_;
    int x_ = 0;
    int y_ = 0;
    int page_ = 1;
};

} // namespace orv
