#pragma once

#include "session/AppContext.h"

// The tools every test uses, so that test files name only what is their own.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <deque>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <vector>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace orv {
class Grid;
}

namespace orv::test {

// The message box of the tests: records every message and answers from a script.
class ScriptedMessages final : public Messages {
public:
    struct Shown {
        QString text;
        int buttons;
        int icon;
    };

    bool show(const QString& text, int buttons, int icon) override;
    void showStandard(const QString& text, Standard kind) override;

    // Answers for the next Confirmar/Cancelar boxes, in order; without a
    // scripted answer a confirmation is cancelled. An Okay box always answers true.
    void answer(bool confirmed) { answers_.push_back(confirmed); }
    // Runs while the next message is on screen (the modal wait of the real box).
    void whileShown(std::function<void()> action) { actions_.push_back(std::move(action)); }

    const std::vector<Shown>& shown() const { return shown_; }
    QStringList texts() const;
    QString last() const { return shown_.empty() ? QString() : shown_.back().text; }
    const QStringList& standard() const { return standard_; }
    void clear();

private:
    std::vector<Shown> shown_;
    QStringList standard_;
    std::deque<bool> answers_;
    std::deque<std::function<void()>> actions_;
};

// A program folder in a temporary directory with a fresh encrypted data file,
// and its own version 1.0 and backup folders.
class TempProgram {
public:
    TempProgram();
    const Paths& paths() const { return paths_; }
    QString path(const QString& name) const;

private:
    QTemporaryDir dir_;
    Paths paths_;
};

// Everything a test needs to run the program's logic and windows.
struct TestApp {
    TestApp();
    TempProgram program;
    FixedClock clock;
    ScriptedMessages messages;
    AppContext ctx;

    // Writes a user straight into the data file, with the default settings row;
    // returns its code. An empty password is stored as NULL.
    qint64 addUser(const QString& login, const QString& password = {},
                   const QString& lastPanel = {});
    // Logs the user on without windows, as a logon would, settings included.
    void logOn(qint64 userCode);
    int count(const QString& table) const;

private:
    QHash<qint64, QString> passwords_;
};

// Types the text into the widget key by key, accented letters included (QTest's
// own keyClicks knows only ASCII).
void typeText(QWidget* widget, const QString& text);

// The folder where a person keeps the files he imports and exports.
struct FileFolder {
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    // Writes the file and gives its path.
    QString write(const QString& name, const QByteArray& bytes) const;
};

// A file an import must refuse, and the reason its message must give.
struct BadFile {
    const char* name;
    QByteArray bytes;
    QString why;
};
// Whether the message tells that the file added nothing, and why.
bool refusedWith(const QString& shown, const BadFile& file);

// Answers the next file dialog the program opens with the path (an empty path
// cancels it), as a person picking a file would.
void answerFileDialog(const QString& path);

// Bytes of a file, to prove that something was not written.
QByteArray fileBytes(const QString& path);
// Writes the file whole, replacing what it held; gives its path.
QString writeFile(const QString& path, const QByteArray& bytes = {});

// The data as a backup writes it: the zlib stream and its length trailer.
QByteArray backupImage(const QByteArray& data);
// The stored balance column of the user's month; not a number without a row.
double storedBalance(const Db& db, qint64 user, int year, int month);

// Every row of the tables users own that belongs to the user (or, with "<>",
// to anybody else), as "Table|value|value|...".
QStringList userRows(const Db& db, qint64 user, const char* comparison = "=");

// The named columns (blank-separated) of the row as "value|value|...", NULL as "null".
QString fields(const RowSet& row, const QString& columns);
// The same for every row of the query's result, in its order.
QStringList allFields(RowSet rows, const QString& columns);

// The trimmed texts of a grid column's filled rows, from row 1 on.
QStringList gridColumn(const Grid& grid, int column);
// The texts of the given columns of a grid row, as "text|text|...".
QString gridRow(const Grid& grid, int row, std::initializer_list<int> columns);

} // namespace orv::test
