#include "mainwindow/ui/ExchangeButtons.h"

#include "mainwindow/ActionGuard.h"
#include "mainwindow/Messages.h"
#include "mainwindow/ui/AccessibleNames.h"
#include "mainwindow/ui/WaitCursor.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>

namespace orv {
namespace {

QPushButton* exchangeButton(QWidget* panel, const QString& caption, const QString& name) {
    auto* b = new QPushButton(caption, panel);
    b->setObjectName(name);
    b->setAutoDefault(false);
    nameByCaption(b);
    return b;
}

QString homeFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
}

// The file the person picks, or an empty text when he cancels.
QString chooseFile(QWidget* parent, const QString& caption, const QString& start,
                   const ExchangeKind& kind, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, caption, start, kind.fileFilter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(kind.suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

} // namespace

ExchangeButtons::ExchangeButtons(QWidget* panel, Messages& messages, ActionGuard& guard,
                                 ExchangeKind kind)
    : QObject(panel), panel_(panel), messages_(messages), kind_(std::move(kind)) {
    importButton = exchangeButton(panel, QStringLiteral("&Importar…"),
                                  kind_.objectPrefix + QStringLiteral("Importar"));
    exportButton = exchangeButton(panel, QStringLiteral("E&xportar…"),
                                  kind_.objectPrefix + QStringLiteral("Exportar"));
    auto* menu = new QMenu(exportButton);
    for (int i = 0; i < kind_.exportChoices.size(); ++i) {
        QAction* choice = menu->addAction(kind_.exportChoices[i]);
        connect(choice, &QAction::triggered, this, guarded(guard, [this, i] { exportNow(i); }));
    }
    exportButton->setMenu(menu);
    connect(importButton, &QPushButton::clicked, this,
            guarded(guard, this, &ExchangeButtons::importNow));
}

void ExchangeButtons::importNow() {
    Q_EMIT restoreFocusWanted();
    const QString path = chooseFile(panel_, QStringLiteral("Importar ") + kind_.nouns.toLower(),
                                    homeFolder(), kind_, QFileDialog::AcceptOpen);
    if (path.isEmpty()) {
        return;
    }
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        messages_.okay(exchange::refusedFileMessage(name, file.errorString()), msg::Serious);
        return;
    }
    if (file.size() > exchange::kMaxFileBytes) {
        messages_.okay(
            exchange::refusedFileMessage(name, QStringLiteral("O arquivo passa de 256 MiB.")),
            msg::Serious);
        return;
    }
    exchange::ImportOutcome outcome;
    {
        WaitCursor wait;
        outcome = kind_.importFile(file.readAll());
        if (outcome.error.isEmpty() && outcome.summary.added > 0) {
            Q_EMIT imported();
        }
    }
    if (!outcome.error.isEmpty()) {
        messages_.okay(exchange::refusedFileMessage(name, outcome.error), msg::Serious);
        return;
    }
    messages_.okay(
        exchange::summaryMessage(outcome.summary, kind_.nouns, kind_.cutWhy, kind_.refusedWhy),
        msg::Information);
}

void ExchangeButtons::exportNow(int choice) {
    Q_EMIT restoreFocusWanted();
    exchange::ExportedFile exported;
    {
        WaitCursor wait;
        exported = kind_.exportFile(choice);
    }
    if (exported.count == 0) {
        messages_.okay(QStringLiteral("Não há %1 para exportar.").arg(kind_.nouns.toLower()),
                       msg::Information);
        return;
    }
    const QString path = chooseFile(panel_, QStringLiteral("Exportar ") + kind_.nouns.toLower(),
                                    QDir(homeFolder()).filePath(kind_.suggestedName), kind_,
                                    QFileDialog::AcceptSave);
    if (path.isEmpty() || !writeFile(path, exported.bytes)) {
        return;
    }
    messages_.okay(QStringLiteral("%1 exportados: %2\nArquivo: %3")
                       .arg(kind_.nouns)
                       .arg(exported.count)
                       .arg(QDir::toNativeSeparators(path)),
                   msg::Information);
}

bool ExchangeButtons::writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        return true;
    }
    messages_.okay(QStringLiteral("Não foi possível gravar o arquivo \"%1\".\n%2")
                       .arg(QDir::toNativeSeparators(path), file.errorString()),
                   msg::Serious);
    return false;
}

} // namespace orv
