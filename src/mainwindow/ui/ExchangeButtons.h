#pragma once

#include "exchange/ImportSummary.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QPushButton;
class QWidget;

namespace orv {

class ActionGuard;
class Messages;

// What tells the import and export of one panel apart.
struct ExchangeKind {
    QString objectPrefix;      // "cmdEndereco": cmdEnderecoImportar, cmdEnderecoExportar
    QString nouns;             // "Contatos", "Compromissos"
    QString fileFilter;        // for the file dialogs
    QString suffix;            // "vcf", "ics"
    QString suggestedName;     // "contatos.vcf"
    QStringList exportChoices; // the export menu's entries, in order
    QString cutWhy;            // what a cut entry had, for the summary
    QString refusedWhy;        // what a refused entry lacked
    // Reads the file into the user's data, all or nothing (may throw DbError).
    std::function<exchange::ImportOutcome(const QByteArray&)> importFile;
    // The file of the export menu's entry (may throw DbError).
    std::function<exchange::ExportedFile(int choice)> exportFile;
};

// The "&Importar…" button and the "E&xportar…" button with its menu of a
// panel. Import: a file dialog, the wait pointer while the file goes in, then
// one message: the summary, or why nothing was added. Export: the menu's
// choice, a file dialog, the file written whole or not at all, and a message.
// A data file that fails them is told as every window action tells it.
class ExchangeButtons : public QObject {
    Q_OBJECT
public:
    ExchangeButtons(QWidget* panel, Messages& messages, ActionGuard& guard, ExchangeKind kind);

    QPushButton* importButton = nullptr;
    QPushButton* exportButton = nullptr;

    void importNow();
    void exportNow(int choice);

Q_SIGNALS:
    // Something was added: the panel shows its data again.
    void imported();
    // Before a file dialog: the keyboard focus goes to the hidden focus target.
    void restoreFocusWanted();

private:
    bool writeFile(const QString& path, const QByteArray& bytes);

    QWidget* panel_;
    Messages& messages_;
    ExchangeKind kind_;
};

} // namespace orv
