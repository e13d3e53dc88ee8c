#pragma once

#include <QByteArray>
#include <QString>

namespace orv::exchange {

// What an import did with the entries of one file.
struct ImportSummary {
    int added = 0;      // written
    int duplicates = 0; // already there, left out
    int cut = 0;        // written, with something cut to fit
    int refused = 0;    // left out: nothing the program can hold
};

// What an import of one file did, or why it added nothing.
struct ImportOutcome {
    ImportSummary summary;
    QString error; // set when the file added nothing
};

// A file an export made, with the number of entries it holds.
struct ExportedFile {
    QByteArray bytes;
    int count = 0;
};

// The message after an import: the counts, under a title naming what was imported.
// `nouns` is the plural of the entries ("Contatos", "Compromissos"); `refusedWhy`
// says what a refused entry lacked.
QString summaryMessage(const ImportSummary& s, const QString& nouns, const QString& cutWhy,
                       const QString& refusedWhy);

// A file that adds nothing: why, in a message.
QString refusedFileMessage(const QString& fileName, const QString& why);

// The largest value of an imported property, once unfolded.
inline constexpr qsizetype kMaxPropertyBytes = 64 * 1024;
// The largest file an import reads.
inline constexpr qint64 kMaxFileBytes = 256LL * 1024 * 1024;

} // namespace orv::exchange
