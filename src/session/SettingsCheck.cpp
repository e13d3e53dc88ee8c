#include "session/SettingsCheck.h"

#include "mainwindow/Messages.h"

#include <QRegularExpression>
#include <cmath>

namespace orv {
namespace {

using F = SettingsField;

SettingsProblem problem(const char* text, int icon, SettingsField focus) {
    return {QString::fromUtf8(text), icon, focus};
}

// Digits only, one or two of them.
std::optional<int> shortNumber(const QString& part) {
    static const QRegularExpression digits(QStringLiteral("^\\d{1,2}$"));
    if (!digits.match(part).hasMatch()) {
        return std::nullopt;
    }
    return part.toInt();
}

// The messages of one minutes box: empty, not a number, out of 1 to 60.
struct MinutesMessages {
    const char* empty;
    const char* invalid;
    const char* range;
};

std::optional<SettingsProblem> checkMinutes(const QString& box, const MinutesMessages& texts,
                                            SettingsField focus, int& minutes) {
    const QString text = box.trimmed();
    if (text.isEmpty()) {
        return problem(texts.empty, msg::Information, focus);
    }
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)$"));
    if (!number.match(text).hasMatch()) {
        return problem(texts.invalid, msg::Serious, focus);
    }
    const double value = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    const double whole = std::floor(value);
    if (whole < 1 || value > 60) {
        return problem(texts.range, msg::Information, focus);
    }
    minutes = static_cast<int>(whole);
    return std::nullopt;
}

std::optional<SettingsProblem> checkTime(QString& box, const char* empty, const char* invalid,
                                         SettingsField focus, QTime& time) {
    if (box.trimmed().isEmpty()) {
        return problem(empty, msg::Information, focus);
    }
    const auto parsed = parseBoxTime(box);
    if (!parsed) {
        return problem(invalid, msg::Serious, focus);
    }
    time = *parsed;
    box = time.toString(QStringLiteral("HH:mm"));
    return std::nullopt;
}

std::optional<SettingsProblem> checkPersonal(SettingsForm& f, CheckedSettings& values) {
    if (f.name.trimmed().isEmpty()) {
        return problem("Informe o Nome!", msg::Information, F::txtDadosNome);
    }
    if (f.email.trimmed().isEmpty()) {
        return problem("Informe o Email!", msg::Information, F::txtDadosEmail);
    }
    if (!f.email.contains(QLatin1Char('@'))) {
        return problem("Informe um Email Válido!", msg::Serious, F::txtDadosEmail);
    }
    values.birthday = Session::noBirthday();
    if (!f.birthday.trimmed().isEmpty()) {
        const auto date = parseBoxDate(f.birthday);
        if (!date) {
            return problem("Informe uma Data Válida para o seu Aniversário!", msg::Information,
                           F::txtDadosNascimento);
        }
        values.birthday = *date;
        f.birthday = date->toString(QStringLiteral("dd/MM/yyyy"));
    }
    return std::nullopt;
}

const char* const kNewDiffers = "Nova Senha e Confirmação Diferentes !";
const char* const kCurrentWrong = "Senha Atual não Confere!";

// A new password typed (not empty): it must match its confirmation and is kept
// exactly as typed, blanks at either end included.
std::optional<SettingsProblem> checkNewPassword(const SettingsForm& f, CheckedSettings& values) {
    if (f.newPassword.isEmpty()) {
        return std::nullopt;
    }
    if (f.newPassword != f.confirmPassword) {
        return problem(kNewDiffers, msg::Serious, F::txtSenhaNova);
    }
    values.password = PasswordChange::Set;
    values.newPassword = f.newPassword;
    return std::nullopt;
}

// A person creating a user who takes over the version 1.0 data: an old password
// must be confirmed, otherwise a new one may be chosen.
std::optional<SettingsProblem> checkImportedPassword(const SettingsForm& f, const Session& s,
                                                     CheckedSettings& values) {
    if (!s.password.isEmpty()) {
        if (f.confirmPassword != f.currentPassword) {
            return problem("Senha Atual e Confirmação Diferentes !", msg::Serious,
                           F::txtSenhaReNova);
        }
        values.password = PasswordChange::Set;
        values.newPassword = s.password;
        return std::nullopt;
    }
    return checkNewPassword(f, values);
}

std::optional<SettingsProblem> checkPassword(const SettingsForm& f, const Session& s,
                                             CheckedSettings& values) {
    if (s.newUserMode && s.importAnswer) {
        return checkImportedPassword(f, s, values);
    }
    if (!f.newPassword.isEmpty()) {
        if (f.currentPasswordEnabled && f.currentPassword != s.password) {
            return problem(kCurrentWrong, msg::Serious, F::txtSenhaNova);
        }
        return checkNewPassword(f, values);
    }
    // Empty new boxes with the current password typed: the password is removed,
    // but only by someone who knows it.
    if (f.currentPasswordEnabled && !f.currentPassword.isEmpty()) {
        if (f.currentPassword != s.password) {
            return problem(kCurrentWrong, msg::Serious, F::txtSenhaAtual);
        }
        values.password = PasswordChange::Remove;
    }
    return std::nullopt;
}

std::optional<SettingsProblem> checkSchedule(SettingsForm& f, CheckedSettings& values) {
    if (auto p = checkTime(f.gridStart, "Informe o Horário para o Início da Grade!",
                           "Informe um Horário Válido para o Início da Grade!", F::txtAgendaInicio,
                           values.gridStart)) {
        return p;
    }
    if (auto p = checkTime(f.gridEnd, "Informe o Horário para o Fim da Grade!",
                           "Informe um Horário Válido para o Fim da Grade!", F::txtAgendaFim,
                           values.gridEnd)) {
        return p;
    }
    if (f.gridStart >= f.gridEnd) {
        return problem("Hora de Início não pode ser Maior que Hora Final da Grade!", msg::Serious,
                       F::txtAgendaInicio);
    }
    if (auto p = checkMinutes(
            f.gridStep,
            {"Informe o Intervalo da Grade!", "Informe um Valor Válido para o Intervalo da Grade!",
             "Informe no mínimo 1 ou no máximo 60 minutos para o Intervalo da Grade!"},
            F::txtAgendaIntervalo, values.gridStep)) {
        return p;
    }
    return checkMinutes(f.checkInterval,
                        {"Informe o Tempo de Checagem!",
                         "Informe um Valor Válido para o Tempo de Checagem!",
                         "Informe no mínimo 1 ou no máximo 60 minutos para o Tempo de Checagem!"},
                        F::txtAgendaTempoChecagem, values.checkInterval);
}

} // namespace

SettingsCheck checkSettings(SettingsForm& form, const Session& session) {
    SettingsCheck check;
    check.problem = checkPersonal(form, check.values);
    if (!check.problem) {
        check.problem = checkPassword(form, session, check.values);
    }
    if (!check.problem) {
        check.problem = checkSchedule(form, check.values);
    }
    return check;
}

std::optional<SettingsProblem> checkUserDeletion(const SettingsForm& form, const Session& session) {
    if (form.currentPasswordEnabled && form.currentPassword != session.password) {
        return problem(kCurrentWrong, msg::Serious, F::txtSenhaAtual);
    }
    return std::nullopt;
}

std::optional<QTime> parseBoxTime(const QString& text) {
    const QStringList parts = text.trimmed().split(QLatin1Char(':'));
    if (parts.size() > 2) {
        return std::nullopt;
    }
    const auto hour = shortNumber(parts.at(0));
    const auto minute = parts.size() == 2 ? shortNumber(parts.at(1)) : std::optional<int>(0);
    if (!hour || !minute || *hour > 23 || *minute > 59) {
        return std::nullopt;
    }
    return QTime(*hour, *minute);
}

std::optional<QDate> parseBoxDate(const QString& text) {
    static const QRegularExpression shape(
        QStringLiteral("^(\\d{1,2})[/.-](\\d{1,2})[/.-](\\d{2}|\\d{4})$"));
    const auto match = shape.match(text.trimmed());
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    int year = match.captured(3).toInt();
    if (match.captured(3).size() == 2) {
        year += year < 30 ? 2000 : 1900;
    }
    const QDate date(year, match.captured(2).toInt(), match.captured(1).toInt());
    if (!date.isValid()) {
        return std::nullopt;
    }
    return date;
}

} // namespace orv
