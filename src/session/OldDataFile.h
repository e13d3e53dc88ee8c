#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <QVector>
#include <optional>

namespace orv {

// The one owner's settings of a version 1.0 data file (table Config), in clear.
struct OldConfig {
    QString password; // empty: none (NULL)
    QTime start, end;
    QTime step; // the grid step as a time of day, "H:NN"
    QString name, phone, mobile, email;
    int check = 1;
};

// An appointment of version 1.0 (table Compromisso); birthday rows carry a marker.
struct OldAppointment {
    QDate day;
    QTime time; // invalid: none
    QString text;
    QString reminder; // Aviso: "S" when a reminder was wanted
    QString done;     // Executado: "S" when done
    QDate birthdayMarker;
};

// A contact of version 1.0 (table Nomes), in clear; the birthday is "DD/MM".
struct OldContact {
    int order = 0;
    QString name, company, address, city, state, postalCode, email, phone, mobile, business;
    QString birthday;
    QString notes;
};

struct OldData {
    std::optional<OldConfig> config;
    QVector<OldAppointment> appointments;
    QVector<OldContact> contacts;
};

// Writes a version 1.0 data file from plain data, scrambling its text fields as
// version 1.0 did; an existing file is refused (DbError).
void writeOldDataFile(const QString& path, const OldData& data);

} // namespace orv
