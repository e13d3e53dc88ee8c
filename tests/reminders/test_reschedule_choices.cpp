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

// Exact amounts count from now and cross midnight; calendar steps keep the day
// or take the month's last. A list with an end time offers only the day choices.
TEST(RescheduleChoices, AdvanceByEachKindOfChoice) {
    const struct {
        QDateTime from;
        const char* choice;
        QDateTime to;
    } cases[] = {
        {dt(2026, 3, 15, 14, 7), "  30 minutos", dt(2026, 3, 15, 14, 37)},
        {dt(2026, 3, 15, 23, 50), "  15 minutos", dt(2026, 3, 16, 0, 5)},
        {dt(2026, 12, 31, 20, 0), "  12 horas", dt(2027, 1, 1, 8, 0)},
        {dt(2026, 3, 15, 9, 0), "   6 horas", dt(2026, 3, 15, 15, 0)},
        {dt(2026, 3, 15, 9, 0), "   1 semana", dt(2026, 3, 22, 9, 0)},
        {dt(2026, 3, 15, 9, 0), "   1 quinzena", dt(2026, 3, 30, 9, 0)},
        {dt(2026, 2, 25, 9, 0), "  10 dias", dt(2026, 3, 7, 9, 0)},
        {dt(2026, 1, 31, 14, 7), "   1 mês", dt(2026, 2, 28, 14, 7)},
        {dt(2028, 1, 31, 14, 7), "   1 mês", dt(2028, 2, 29, 14, 7)},
        {dt(2026, 12, 31, 8, 0), "   1 bimestre", dt(2027, 2, 28, 8, 0)},
        {dt(2026, 1, 31, 8, 0), "   1 trimestre", dt(2026, 4, 30, 8, 0)},
        {dt(2026, 8, 31, 8, 0), "   1 semestre", dt(2027, 2, 28, 8, 0)},
        {dt(2028, 2, 29, 8, 0), "   1 ano", dt(2029, 2, 28, 8, 0)},
        {dt(2026, 3, 15, 8, 0), "   1 ano", dt(2027, 3, 15, 8, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from.toString(Qt::ISODate).toStdString() + c.choice);
        EXPECT_EQ(advance(c.from, choice(QString::fromUtf8(c.choice))), c.to);
    }

    const QStringList all = choiceTexts(allRescheduleChoices());
    EXPECT_EQ(choiceTexts(rescheduleChoices(false)), all);
    EXPECT_EQ(choiceTexts(rescheduleChoices(true)), all.mid(all.indexOf("   1 dia")));

    EXPECT_EQ(reminderCaption(dt(2026, 1, 5, 9, 3)), "05 janeiro 2026 - 09:03");
}

} // namespace
