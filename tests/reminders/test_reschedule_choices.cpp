#include "reminders/ReminderContent.h"
#include "reminders/RescheduleChoices.h"

#include <gtest/gtest.h>

using namespace orv::reminders;

namespace {

const RescheduleChoice& choice(const QString& text) {
    for (const auto& c : allRescheduleChoices()) {
        if (c.text == text) {
            return c;
        }
    }
    throw std::runtime_error("no such choice");
}

QDateTime dt(int y, int m, int d, int h, int n) {
    return QDateTime(QDate(y, m, d), QTime(h, n));
}

TEST(RescheduleChoices, ListsInOrderWithTheirBlanks) {
    const QStringList all = choiceTexts(allRescheduleChoices());
    const QStringList expected{"   5 minutos", "  10 minutos",  "  15 minutos",   "  30 minutos",
                               "  45 minutos", "   1 hora",     "   2 horas",     "   6 horas",
                               "  12 horas",   "   1 dia",      "   2 dias",      "   3 dias",
                               "   5 dias",    "   1 semana",   "  10 dias",      "   1 quinzena",
                               "   1 mês",     "   1 bimestre", "   1 trimestre", "   1 semestre",
                               "   1 ano"};
    EXPECT_EQ(all, expected);

    EXPECT_EQ(choiceTexts(rescheduleChoices(false)), expected);
    const QStringList withEnd = choiceTexts(rescheduleChoices(true));
    EXPECT_EQ(withEnd, expected.mid(9));
    EXPECT_EQ(withEnd.size(), 12);
    EXPECT_EQ(withEnd.first(), "   1 dia");
}

TEST(RescheduleChoices, ExactAmountsCountFromNowAndCrossMidnight) {
    EXPECT_EQ(advance(dt(2026, 3, 15, 14, 7), choice("  30 minutos")), dt(2026, 3, 15, 14, 37));
    EXPECT_EQ(advance(dt(2026, 3, 15, 23, 50), choice("  15 minutos")), dt(2026, 3, 16, 0, 5));
    EXPECT_EQ(advance(dt(2026, 12, 31, 20, 0), choice("  12 horas")), dt(2027, 1, 1, 8, 0));
    EXPECT_EQ(advance(dt(2026, 3, 15, 9, 0), choice("   6 horas")), dt(2026, 3, 15, 15, 0));
    EXPECT_EQ(advance(dt(2026, 3, 15, 9, 0), choice("   1 semana")), dt(2026, 3, 22, 9, 0));
    EXPECT_EQ(advance(dt(2026, 3, 15, 9, 0), choice("   1 quinzena")), dt(2026, 3, 30, 9, 0));
    EXPECT_EQ(advance(dt(2026, 2, 25, 9, 0), choice("  10 dias")), dt(2026, 3, 7, 9, 0));
}

TEST(RescheduleChoices, CalendarStepsKeepTheDayOrTakeTheMonthsLast) {
    EXPECT_EQ(advance(dt(2026, 1, 31, 14, 7), choice("   1 mês")), dt(2026, 2, 28, 14, 7));
    EXPECT_EQ(advance(dt(2028, 1, 31, 14, 7), choice("   1 mês")), dt(2028, 2, 29, 14, 7));
    EXPECT_EQ(advance(dt(2026, 12, 31, 8, 0), choice("   1 bimestre")), dt(2027, 2, 28, 8, 0));
    EXPECT_EQ(advance(dt(2026, 1, 31, 8, 0), choice("   1 trimestre")), dt(2026, 4, 30, 8, 0));
    EXPECT_EQ(advance(dt(2026, 8, 31, 8, 0), choice("   1 semestre")), dt(2027, 2, 28, 8, 0));
    EXPECT_EQ(advance(dt(2028, 2, 29, 8, 0), choice("   1 ano")), dt(2029, 2, 28, 8, 0));
    EXPECT_EQ(advance(dt(2026, 3, 15, 8, 0), choice("   1 ano")), dt(2027, 3, 15, 8, 0));

    EXPECT_EQ(nextYear(QDate(2026, 3, 5)), QDate(2027, 3, 5));
    EXPECT_EQ(nextYear(QDate(2028, 2, 29)), QDate(2029, 2, 28));
}

TEST(ReminderContent, CaptionNamesTheMonthInTheUsersLanguage) {
    EXPECT_EQ(reminderCaption(dt(2026, 3, 15, 14, 7)), "15 março 2026 - 14:07");
    EXPECT_EQ(reminderCaption(dt(2026, 1, 5, 9, 3)), "05 janeiro 2026 - 09:03");
}

} // namespace
