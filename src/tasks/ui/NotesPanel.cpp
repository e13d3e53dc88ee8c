#include "tasks/ui/NotesPanel.h"

#include "mainwindow/ui/Fonts.h"
#include "mainwindow/ui/PanelControls.h"
#include "mainwindow/ui/WaitCursor.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace orv::tasks {

NotesPanel::NotesPanel(AppContext& ctx, QWidget* parent)
    : Panel(QStringLiteral("frmNotas"), parent), notes_(ctx, state_) {
    setFont(arial(8));
    // No key filter: every character is kept as typed.
    txtNotas = panelTextArea(this, QStringLiteral("txtNotas"), QRect(150, 420, 10620, 4600), 0);
    panelLabel(this, QStringLiteral("Suas Anotações :"), QRect(150, 120, 4000, 285), txtNotas);
    cmdNotasLimpar = panelButton(this, QStringLiteral("cmdNotasLimpar"),
                                 QStringLiteral("&Limpar Anotações"), QRect(6270, 5160, 2175, 420));
    cmdNotasSalvar = panelButton(this, QStringLiteral("cmdNotasSalvar"),
                                 QStringLiteral("&Salvar Anotações"), QRect(8595, 5160, 2175, 420));
    setKeys({nullptr, {}, this, cmdNotasSalvar, nullptr, nullptr});
    connect(cmdNotasSalvar, &QPushButton::clicked, this,
            guarded(ctx.guard, this, &NotesPanel::save));
    connect(cmdNotasLimpar, &QPushButton::clicked, this,
            guarded(ctx.guard, this, &NotesPanel::clear));
    ctx.resets.add(this, [this] { reset(); });
}

void NotesPanel::load() {
    Q_EMIT printButtonWanted(false); // notes are not printed
    WaitCursor wait;
    txtNotas->setPlainText(notes_.load());
}

void NotesPanel::showItem(qint64, const QDate&, const QString& text) {
    txtNotas->moveCursor(QTextCursor::Start);
    txtNotas->find(text);
    txtNotas->setFocus(Qt::OtherFocusReason);
}

void NotesPanel::afterShow() {
    txtNotas->setFocus(Qt::OtherFocusReason);
}

void NotesPanel::save() {
    Q_EMIT restoreFocusWanted();
    WaitCursor wait;
    notes_.save(txtNotas->toPlainText());
}

void NotesPanel::clear() {
    Q_EMIT restoreFocusWanted();
    if (notes_.clear()) {
        txtNotas->clear();
    }
}

void NotesPanel::reset() {
    state_.reset();
    txtNotas->clear();
}

} // namespace orv::tasks
