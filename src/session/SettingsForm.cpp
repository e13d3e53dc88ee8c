#include "session/SettingsForm.h"

namespace orv {

const QStringList& soundChoices() {
    static const QStringList choices{kNoSound,
                                     QStringLiteral("Campainha"),
                                     QStringLiteral("Cuco"),
                                     QStringLiteral("Nave"),
                                     QStringLiteral("Sirene"),
                                     QStringLiteral("Telefone"),
                                     QStringLiteral("Tiro")};
    return choices;
}

SettingsForm formFromSession(const Session& s, const UserSettings& settings) {
    SettingsForm f;
    f.name = s.name;
    f.address = s.address;
    f.city = s.city;
    f.state = s.state;
    f.postalCode = s.postalCode;
    f.homePhone = s.homePhone;
    f.mobilePhone = s.mobilePhone;
    f.email = s.email;
    f.birthday = s.birthday == Session::noBirthday() || !s.birthday.isValid()
                     ? QString()
                     : s.birthday.toString(QStringLiteral("dd/MM/yyyy"));
    f.currentPasswordEnabled = !s.password.isEmpty();
    f.newPasswordEnabled = true;
    f.gridStart = settings.gridStart.toString(QStringLiteral("HH:mm"));
    f.gridEnd = settings.gridEnd.toString(QStringLiteral("HH:mm"));
    f.gridStep = QString::number(settings.gridStep);
    f.checkInterval = QString::number(settings.checkInterval);
    f.birthdayAtStart = settings.birthdayPosition == QLatin1String("A");
    f.soundName = settings.soundName;
    f.showShared = settings.showShared;
    return f;
}

SettingsForm newUserForm() {
    SettingsForm f;
    f.currentPasswordEnabled = false;
    f.newPasswordEnabled = true;
    f.gridStart = QStringLiteral("08:00");
    f.gridEnd = QStringLiteral("17:00");
    f.gridStep = QStringLiteral("60");
    f.checkInterval = QStringLiteral("1");
    f.birthdayAtStart = true;
    f.soundName = QStringLiteral("Cuco");
    f.showShared = true;
    return f;
}

IdentityTexts newUserIdentity() {
    return {QStringLiteral("Seu Nome"), QStringLiteral("Telefone : Seu Telefone"),
            QStringLiteral("Celular : Seu Celular"), QStringLiteral("seu.email@provedor.com.br")};
}

} // namespace orv
