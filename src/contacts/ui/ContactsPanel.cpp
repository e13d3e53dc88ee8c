#include "contacts/ui/ContactsPanel.h"
#include "mainwindow/ui/AccessibleNames.h"
#include "printing/ui/PrintReport.h"

#include "contacts/ContactExchange.h"
#include "contacts/ContactForm.h"
#include "contacts/ContactGrid.h"
#include "contacts/ContactStore.h"
#include "contacts/ui/ContactDetailFrame.h"
#include "contacts/ui/ContactGridFill.h"
#include "contacts/ui/ContactSearchFrame.h"
#include "contacts/ui/LetterBar.h"
#include "db/DbError.h"
#include "mainwindow/ui/ExchangeButtons.h"
#include "mainwindow/ui/Fonts.h"
#include "mainwindow/ui/Grid.h"
#include "mainwindow/ui/WaitCursor.h"
#include "session/AppContext.h"

#include <QDesktopServices>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

namespace orv::contacts {
namespace {

const QString kNoRecord = QStringLiteral("Sem Registro para Exibição");
const QString kConfirmDelete = QStringLiteral("Você Confirma Exclusão desse Contato?");

} // namespace

ContactsPanel::ContactsPanel(AppContext& ctx, QWidget* parent)
    : Panel(QStringLiteral("frmEndereco"), parent), ctx_(ctx) {
    buildControls();
    connectHandlers();
    ContactDetailFrame* d = frmDadosEndereco;
    setKeys(
        {cmdEnderecoNovo, {}, d, d->cmdEnderecoSalvar, d->cmdEnderecoVoltar, d->cmdEnderecoExcluir},
        grdEndereco);
    ctx_.resets.add(this, [this] { endSession(); });
}

void ContactsPanel::buildControls() {
    resize(728, 378);
    frmLetras = new LetterBar(this);
    frmLetras->setGeometry(0, 0, 728, 24);

    grdEndereco = new Grid(kGridColumns, this);
    grdEndereco->setObjectName(QStringLiteral("grdEndereco"));
    grdEndereco->setAccessibleName(QStringLiteral("Contatos"));
    grdEndereco->setGeometry(0, 28, 728, 246);
    grdEndereco->setFont(arial(8));
    grdEndereco->setWordWrap(false);
    grdEndereco->verticalHeader()->setDefaultSectionSize(20);
    resetContactGrid(*grdEndereco);

    txtEnderecoSemRegistro = new QLineEdit(kNoRecord, this);
    txtEnderecoSemRegistro->setObjectName(QStringLiteral("txtEnderecoSemRegistro"));
    txtEnderecoSemRegistro->setAccessibleName(kNoRecord);
    txtEnderecoSemRegistro->setFrame(false);
    txtEnderecoSemRegistro->setReadOnly(true);
    txtEnderecoSemRegistro->setAlignment(Qt::AlignCenter);
    txtEnderecoSemRegistro->setGeometry(164, 140, 400, 22);
    txtEnderecoSemRegistro->hide();

    frmPesquisaEndereco = new ContactSearchFrame(this);
    frmPesquisaEndereco->setGeometry(0, 278, 596, 98);

    cmdEnderecoNovo = new QPushButton(QStringLiteral("&Novo Contato"), this);
    cmdEnderecoNovo->setObjectName(QStringLiteral("cmdEnderecoNovo"));
    cmdEnderecoNovo->setAutoDefault(false);
    nameByCaption(cmdEnderecoNovo);
    cmdEnderecoNovo->setGeometry(606, 310, 120, 32);
    buildExchange();

    frmDadosEndereco = new ContactDetailFrame(ctx_.resets, this);
    frmDadosEndereco->setGeometry(0, 0, 728, 378);
    frmDadosEndereco->hide();
}

// Above and below "Novo Contato", in the column beside the search frame.
void ContactsPanel::buildExchange() {
    ExchangeKind kind;
    kind.objectPrefix = QStringLiteral("cmdEndereco");
    kind.nouns = QStringLiteral("Contatos");
    kind.fileFilter = QStringLiteral("Contatos vCard (*.vcf *.vcard);;Todos os arquivos (*)");
    kind.suffix = QStringLiteral("vcf");
    kind.suggestedName = QStringLiteral("contatos.vcf");
    kind.exportChoices = {QStringLiteral("Contatos da &lista atual"),
                          QStringLiteral("&Todos os contatos")};
    kind.cutWhy = QStringLiteral("valores maiores que os campos");
    kind.refusedWhy = QStringLiteral("sem nome");
    kind.importFile = [this](const QByteArray& bytes) {
        return importContacts(ctx_.db, ctx_.session.userCode, ctx_.clock.today(), bytes);
    };
    kind.exportFile = [this](int choice) {
        return exportContacts(ctx_.db, ctx_.session.userCode,
                              choice == 0 ? state_.filter : ContactFilter());
    };
    exchangeButtons = new ExchangeButtons(this, ctx_.messages, ctx_.guard, std::move(kind));
    exchangeButtons->importButton->setGeometry(606, 278, 120, 28);
    exchangeButtons->exportButton->setGeometry(606, 346, 120, 28);
    setTabOrder(exchangeButtons->importButton, cmdEnderecoNovo);
    setTabOrder(cmdEnderecoNovo, exchangeButtons->exportButton);
    connect(exchangeButtons, &ExchangeButtons::imported, this, [this] { loadList(true); });
    connect(exchangeButtons, &ExchangeButtons::restoreFocusWanted, this,
            &Panel::restoreFocusWanted);
}

void ContactsPanel::connectHandlers() {
    ActionGuard& guard = ctx_.guard;
    connect(frmLetras, &LetterBar::letterClicked, this,
            guarded(guard, this, &ContactsPanel::onLetter));
    connect(frmPesquisaEndereco->cmdEnderecoPesquisar, &QPushButton::clicked, this,
            guarded(guard, this, &ContactsPanel::onSearch));
    connect(frmPesquisaEndereco->cmdEnderecoLimpar, &QPushButton::clicked, this,
            &ContactsPanel::onClear);
    connect(grdEndereco, &Grid::rowClicked, this, &ContactsPanel::onRowClicked);
    connect(cmdEnderecoNovo, &QPushButton::clicked, this, &ContactsPanel::onNew);
    ContactDetailFrame* d = frmDadosEndereco;
    connect(d->cmdEnderecoSalvar, &QPushButton::clicked, this,
            guarded(guard, this, &ContactsPanel::onSave));
    connect(d->cmdEnderecoExcluir, &QPushButton::clicked, this,
            guarded(guard, this, &ContactsPanel::onDelete));
    connect(d->cmdEnderecoVoltar, &QPushButton::clicked, this, &ContactsPanel::onBack);
    connect(d->cmdEmailContato, &QPushButton::clicked, this, &ContactsPanel::onEmail);
}

void ContactsPanel::load() {
    loadList(false);
}

void ContactsPanel::afterShow() {
    // A contact left open in the detail frame is still there when the user
    // comes back: the print button belongs to the list only.
    Q_EMIT printButtonWanted(!frmDadosEndereco->isVisible());
}

void ContactsPanel::loadList(bool fill) {
    if (!fill) {
        resetContactGrid(*grdEndereco);
        return;
    }
    ContactList list = listContacts(ctx_, state_.filter);
    const bool none = list.isEmpty();
    showContacts(*grdEndereco, std::move(list));
    txtEnderecoSemRegistro->setVisible(none);
    txtEnderecoSemRegistro->setEnabled(false);
    if (none) {
        txtEnderecoSemRegistro->raise();
    }
}

void ContactsPanel::closeDetail() {
    frmDadosEndereco->hide();
    Q_EMIT printButtonWanted(true);
}

void ContactsPanel::focusBox(const QString& name) {
    if (auto* box = frmDadosEndereco->findChild<QWidget*>(name)) {
        box->setFocus(Qt::OtherFocusReason);
    }
}

void ContactsPanel::onLetter(int index) {
    frmLetras->setHighlighted(state_.highlightedLetter, false);
    frmDadosEndereco->hide();
    WaitCursor wait;
    frmLetras->setHighlighted(index, true);
    state_.highlightedLetter = index;
    state_.filter = ContactFilter::letter(index);
    Q_EMIT printButtonWanted(true);
    Q_EMIT restoreFocusWanted();
    loadList(true);
}

void ContactsPanel::onSearch() {
    Q_EMIT restoreFocusWanted();
    frmLetras->setHighlighted(state_.highlightedLetter, false);
    state_.filter = ContactFilter::search(frmPesquisaEndereco->boxes());
    WaitCursor wait;
    loadList(true);
}

void ContactsPanel::onClear() {
    Q_EMIT restoreFocusWanted();
    frmPesquisaEndereco->clearBoxes();
    frmPesquisaEndereco->txtPesquisaNome->setFocus(Qt::OtherFocusReason);
}

void ContactsPanel::showItem(qint64 key, const QDate&, const QString& text) {
    closeDetail();
    frmPesquisaEndereco->clearBoxes();
    frmPesquisaEndereco->txtPesquisaNome->setText(text);
    onSearch();
    if (const int row = grdEndereco->selectKey(key); row > 0) {
        onRowClicked(row);
    }
}

void ContactsPanel::onRowClicked(int row) {
    Q_EMIT printButtonWanted(false);
    const Contact c = contactFromRow(grdEndereco->text(row, 0), grdEndereco->text(row, 1),
                                     grdEndereco->text(row, 3));
    state_.selectedKey = c.key;
    state_.selectedBirthdayKey = c.birthdayKey;
    const bool othersContact = grdEndereco->hasPicture(row, 1);
    frmDadosEndereco->showContact(c, othersContact);
    frmDadosEndereco->raise();
    frmDadosEndereco->show();
    if (othersContact) {
        frmDadosEndereco->cmdEnderecoVoltar->setFocus(Qt::OtherFocusReason);
    } else {
        frmDadosEndereco->txtDadosEndNome->setFocus(Qt::OtherFocusReason);
    }
}

void ContactsPanel::onNew() {
    Q_EMIT restoreFocusWanted();
    Q_EMIT printButtonWanted(false);
    state_.selectedKey = 0;
    state_.selectedBirthdayKey = 0;
    frmDadosEndereco->showNew();
    frmDadosEndereco->raise();
    frmDadosEndereco->show();
    frmDadosEndereco->txtDadosEndNome->setFocus(Qt::OtherFocusReason);
}

void ContactsPanel::onSave() {
    Q_EMIT restoreFocusWanted();
    ContactDetailFrame* d = frmDadosEndereco;
    const ContactCheck check =
        checkContactForm(d->txtDadosEndNome->text(), d->txtDadosEndAniversario->text());
    if (check.focus != d->txtDadosEndNome->objectName()) {
        d->txtDadosEndNome->setText(check.name);
    }
    if (!check.ok()) {
        ctx_.messages.okay(check.message, check.icon);
        focusBox(check.focus);
        return;
    }
    Contact c = d->typed();
    c.name = check.name;
    c.birthday = check.birthday;
    c.key = state_.selectedKey;
    c.birthdayKey = state_.selectedBirthdayKey;
    WaitCursor wait;
    saveContact(ctx_.db, ctx_.session.userCode, ctx_.clock.today(), c);
    state_.selectedKey = c.key;
    state_.selectedBirthdayKey = c.birthdayKey;
    loadList(true);
    closeDetail();
}

void ContactsPanel::onDelete() {
    Q_EMIT restoreFocusWanted();
    if (!ctx_.messages.confirm(kConfirmDelete)) {
        Q_EMIT restoreFocusWanted();
        return;
    }
    WaitCursor wait;
    deleteContact(ctx_.db, ctx_.session.userCode, state_.selectedKey, state_.selectedBirthdayKey);
    loadList(true);
    closeDetail();
}

void ContactsPanel::onBack() {
    closeDetail();
    Q_EMIT restoreFocusWanted();
}

void ContactsPanel::onEmail() {
    Q_EMIT restoreFocusWanted();
    const QString address = frmDadosEndereco->txtDadosEndEmail->text().trimmed();
    if (!address.isEmpty()) {
        QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + address));
    }
}

void ContactsPanel::endSession() {
    frmLetras->setHighlighted(state_.highlightedLetter, false);
    state_.reset();
    txtEnderecoSemRegistro->hide();
    resetContactGrid(*grdEndereco);
    frmPesquisaEndereco->clearBoxes();
}

void ContactsPanel::print() {
    printContacts(ctx_, state_.filter);
}

} // namespace orv::contacts
