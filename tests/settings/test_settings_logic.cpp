#include "session/SettingsCheck.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(SettingsChecks, TimesAndDatesAreReadAsTheyAreTyped) {
    const std::pair<const char*, QTime> times[] = {{"8", QTime(8, 0)},
                                                   {"8:5", QTime(8, 5)},
                                                   {"08:30", QTime(8, 30)},
                                                   {" 23:59 ", QTime(23, 59)},
                                                   {"0:00", QTime(0, 0)}};
    for (const auto& [text, time] : times) {
        EXPECT_EQ(parseBoxTime(QString::fromLatin1(text)), time) << text;
    }
    for (const char* bad : {"24:00", "12:60", "08:", ":30", "08:30:00", "8h", "123:00", "08:300"}) {
        EXPECT_FALSE(parseBoxTime(QString::fromLatin1(bad))) << bad;
    }

    EXPECT_EQ(parseBoxDate(QStringLiteral("5/3/1980")), QDate(1980, 3, 5));
    EXPECT_EQ(parseBoxDate(QStringLiteral("29/02/2024")), QDate(2024, 2, 29));
    EXPECT_EQ(parseBoxDate(QStringLiteral("01/12/29")), QDate(2029, 12, 1));
    EXPECT_EQ(parseBoxDate(QStringLiteral("01/12/30")), QDate(1930, 12, 1));
    for (const char* bad :
         {"29/02/2023", "31/04/2000", "12/13/2000", "1980", "12/05", "0/1/2000", "12/05/198"}) {
        EXPECT_FALSE(parseBoxDate(QString::fromLatin1(bad))) << bad;
    }
}

SettingsForm validForm() {
    SettingsForm f = newUserForm();
    f.name = QStringLiteral("Ivo");
    f.email = QStringLiteral("ivo@exemplo.com");
    return f;
}

TEST(SettingsChecks, MinutesBoxesTakeWholeMinutesFromOneToSixty) {
    Session s;
    s.userCode = 1;
    for (const auto& [text, minutes] : std::initializer_list<std::pair<const char*, int>>{
             {"1", 1}, {"60", 60}, {"1.5", 1}, {"59,9", 59}, {" 7 ", 7}}) {
        SettingsForm f = validForm();
        f.gridStep = QString::fromLatin1(text);
        f.checkInterval = QString::fromLatin1(text);
        const SettingsCheck check = checkSettings(f, s);
        ASSERT_TRUE(check.ok()) << text;
        EXPECT_EQ(check.values.gridStep, minutes) << text;
        EXPECT_EQ(check.values.checkInterval, minutes) << text;
    }
    for (const char* bad : {"0.5", "60.5", "61", "0", "-5"}) {
        SettingsForm f = validForm();
        f.checkInterval = QString::fromLatin1(bad);
        const SettingsCheck check = checkSettings(f, s);
        ASSERT_FALSE(check.ok()) << bad;
        EXPECT_EQ(check.problem->focus, SettingsField::txtAgendaTempoChecagem);
    }
}

TEST(SettingsChecks, ImportedPasswordMustBeConfirmedWhileANewOneIsOptional) {
    Session s;
    s.newUserMode = true;
    s.importAnswer = true;
    s.password = QStringLiteral("Velha");

    SettingsForm f = validForm();
    f.currentPassword = s.password;
    f.currentPasswordEnabled = false;
    f.newPasswordEnabled = false;
    SettingsCheck check = checkSettings(f, s);
    ASSERT_FALSE(check.ok());
    EXPECT_EQ(check.problem->message, QStringLiteral("Senha Atual e Confirmação Diferentes !"));
    EXPECT_EQ(check.problem->focus, SettingsField::txtSenhaReNova);
    f.confirmPassword = QStringLiteral("velha");
    EXPECT_FALSE(checkSettings(f, s).ok());
    f.confirmPassword = QStringLiteral("Velha");
    check = checkSettings(f, s);
    ASSERT_TRUE(check.ok());
    EXPECT_EQ(check.values.password, PasswordChange::Set);
    EXPECT_EQ(check.values.newPassword, QStringLiteral("Velha"));

    // An old owner without password: the new boxes work as for any new user.
    s.password.clear();
    f = validForm();
    EXPECT_EQ(checkSettings(f, s).values.password, PasswordChange::Keep);
    f.newPassword = QStringLiteral("nova");
    f.confirmPassword = QStringLiteral("Nova");
    EXPECT_EQ(checkSettings(f, s).problem->message,
              QStringLiteral("Nova Senha e Confirmação Diferentes !"));
}

} // namespace
} // namespace orv
