#pragma once

#include <QString>

namespace orv::contacts {

// One row of Enderecos as the detail form edits it; an empty text stands for NULL.
struct Contact {
    qint64 key = 0; // Chave; 0 for a contact not saved yet
    QString name;
    QString company;
    QString address;
    QString city;
    QString state;
    QString postalCode;
    QString email;
    QString homePhone;
    QString mobilePhone;
    QString businessPhone;
    QString birthday; // "DD/MM"
    QString notes;
    bool shared = false;    // Compartilhado "S"
    qint64 birthdayKey = 0; // ChaveAniversario: the birthday appointment, 0 for none

    bool operator==(const Contact&) const = default;
};

} // namespace orv::contacts
