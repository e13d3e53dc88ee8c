#pragma once

#include "db/Db.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVector>
#include <atomic>
#include <vector>

namespace orv::search {

// The kinds of rows the search finds, in the order their groups are shown.
enum class Kind { Appointment, Contact, Task, Note, Ledger };

// The panel where rows of the kind live.
QString panelOf(Kind kind);

// One row found: enough to show it and to open it where it lives.
struct Hit {
    Kind kind = Kind::Appointment;
    qint64 key = 0;
    QDate day;         // appointment day, task end, ledger entry day
    QString time;      // appointment start "HH:NN"; empty all day
    QString text;      // the row's text (the note: the line that matched)
    QString owner;     // another user's login for a shared row; empty for one's own
    double amount = 0; // ledger: the amount received or paid
    bool paid = false; // ledger: a payment rather than a receipt
};

// Whose rows the search may show: the user's own and, when the user sees them,
// what others shared, as the panels show it.
struct Scope {
    qint64 user = 0;
    bool showShared = false;
};

// Everything the search may find, read once when a search starts: every key
// typed then looks only in memory, whatever the size of the data file.
class SearchIndex {
public:
    // Reading stops early (an incomplete index) once `stop` turns true.
    static SearchIndex read(const Db& db, const Scope& scope,
                            const std::atomic_bool* stop = nullptr);

    // Rows whose text holds the typed words, case and accents ignored, grouped
    // by kind; at most `perKind` of each kind (appointments and ledger entries
    // the latest first, contacts by name). Blank text finds nothing.
    QVector<Hit> find(const QString& typed, int perKind = 30) const;

private:
    // A row as kept in memory: its texts stand in texts_ and folded_, so that
    // a large data file costs no allocation per row.
    struct Entry {
        qint64 key = 0;
        QDate day;
        QTime time;
        double amount = 0;
        qsizetype text = 0;   // where its text starts in texts_
        qsizetype folded = 0; // where its folded text starts, as read
        int textLength = 0;
        int foldedLength = 0;
        int owner = -1; // in owners_; -1 for the user's own row
        Kind kind = Kind::Appointment;
        bool paid = false;
    };
    Hit hitAt(qsizetype i) const;

    // The folded texts stand one after another in one text, each ended by a
    // character no typed word holds, so that one scan finds every match.
    std::vector<Entry> entries_; // by kind, each kind in the order shown
    QVector<qsizetype> at_;      // where each entry's folded text starts
    QString folded_;
    QString texts_;
    QStringList owners_;
};

// Reads and finds at once.
QVector<Hit> findEverywhere(const Db& db, const Scope& scope, const QString& typed,
                            int perKind = 30);

} // namespace orv::search
