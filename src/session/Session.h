#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace orv {

// The logged-on user, as read at logon and refreshed by the settings page.
struct Session {
    qint64 userCode = 0; // Usuarios.Codigo, 0 when nobody is logged on
    QString login;
    QString password; // in clear; empty when the user has none
    QString lastPanel;
    QString name, address, city, state, postalCode, homePhone, mobilePhone, email;
    QDate birthday = noBirthday();
    bool newUserMode = false;
    bool importAnswer = false;
    QString importFlag; // Sistema.EfetuoImportacao as read at start-up
    bool restoreFlag = false;
    bool loggedOutFlag = false;

    bool loggedOn() const { return userCode != 0; }
    static QDate noBirthday() { return QDate(1900, 1, 1); }
};

// The user's settings, read from Configuracao when the main window loads.
struct UserSettings {
    qint64 configKey = 0;
    QTime gridStart;
    QTime gridEnd;
    int gridStep = 0;      // minutes per row of the day grid
    int checkInterval = 0; // minutes between due checks
    QString birthdayPosition;
    QString soundName;
    bool showShared = false;
    QChar decimalSeparator = QLatin1Char(',');
};

} // namespace orv
