#include "session/SettingsCheck.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(SettingsChecks, TypedTimesDatesAndMinutesAreReadAsAUserMeansThem) {
    const std::pair<const char*, QTime> times[] = {{"8", QTime(8, 0)},
                                                   {"8:5", QTime(8, 5)},
                                                   {" 23:59 ", QTime(23, 59)},
                                                   {"0:00", QTime(0, 0)}};
    for (const auto& [text, time] : times) {
        EXPECT_EQ(parseBoxTime(QString::fromLatin1(text)), time) << text;
    }
    for (const char* bad : {"24:00", "12:60", "08:", ":30", "08:30:00", "123:00", "08:300"}) {
        EXPECT_FALSE(parseBoxTime(QString::fromLatin1(bad))) << bad;
    }

    EXPECT_EQ(parseBoxDate("29/02/2024"), QDate(2024, 2, 29));
    EXPECT_EQ(parseBoxDate("01/12/29"), QDate(2029, 12, 1));
    EXPECT_EQ(parseBoxDate("01/12/30"), QDate(1930, 12, 1));
    for (const char* bad : {"29/02/2023", "31/04/2000", "12/13/2000", "12/05", "12/05/198"}) {
        EXPECT_FALSE(parseBoxDate(QString::fromLatin1(bad))) << bad;
    }

    // Fractions keep their whole minutes; the bounds hold for the value itself.
    Session s;
    for (const auto& [text, minutes] :
         {std::pair{"1.5", 1}, {"59,9", 59}, {"0.5", 0}, {"60.5", 0}}) {
        SettingsForm f = newUserForm();
        f.name = "Ivo";
        f.email = "ivo@exemplo.com";
        f.gridStep = QString::fromLatin1(text);
        const SettingsCheck check = checkSettings(f, s);
        EXPECT_EQ(check.ok() ? check.values.gridStep : 0, minutes) << text;
    }
}

} // namespace
} // namespace orv
