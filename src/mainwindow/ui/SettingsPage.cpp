#include "mainwindow/ui/SettingsPage.h"

#include "mainwindow/ui/AccessibleNames.h"
#include "mainwindow/ui/Fonts.h"
#include "mainwindow/ui/WaitCursor.h"
#include "reminders/AlarmSound.h"
#include "reminders/ui/SoundPlayer.h"
#include "session/AppContext.h"
#include "session/OldDataImport.h"
#include "session/SettingsCheck.h"
#include "session/SettingsSave.h"
#include "session/TextLimit.h"
#include "session/ui/BoxLimit.h"
#include "session/ui/KeyMode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace orv {
namespace {

QGroupBox* group(QWidget* parent, const char* name, const QString& title) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QLatin1String(name));
    box->setFont(arial(9, true));
    return box;
}

QLabel* caption(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setFont(arial(9));
    return label;
}

// A text box with its key mode; a buddy caption gives it its accessible name.
QLineEdit* box(QWidget* parent, const char* name, KeyMode mode, int maxLength,
               QLabel* buddy = nullptr) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setFont(arial(9));
    limitLength(edit, maxLength);
    applyKeyMode(edit, mode);
    if (buddy != nullptr) {
        labelFor(buddy, edit);
    }
    return edit;
}

// A row of captions and boxes that keeps each caption apart from its box.
QHBoxLayout* spacedRow() {
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    return row;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setFont(arial(9, true));
    b->setAccessibleName(accessibleText(text));
    return b;
}

// A caption and its box on one row of a form grid.
QLineEdit* formRow(QGridLayout* grid, int row, const QString& text, const char* name, KeyMode mode,
                   int maxLength) {
    auto* parent = grid->parentWidget();
    QLabel* label = caption(parent, text);
    QLineEdit* edit = box(parent, name, mode, maxLength, label);
    grid->addWidget(label, row, 0, Qt::AlignRight);
    grid->addWidget(edit, row, 1, 1, 3);
    return edit;
}

} // namespace

SettingsPage::SettingsPage(AppContext& ctx, QWidget* parent)
    : SettingsPanel(QStringLiteral("frmConfig"), parent), ctx_(ctx), sound_(new SoundPlayer(this)) {
    buildScheduleGroup();
    buildPasswordGroup();
    buildPersonalGroup();
    buildButtons();
    setKeys({nullptr, {}, this, cmdAgendaGravar, nullptr, nullptr});

    auto* left = new QVBoxLayout;
    left->addWidget(frmConfigAgenda);
    left->addWidget(frmConfigSenha);
    left->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdAgendaGravar);
    buttons->addWidget(cmdAgendaCancelar);
    buttons->addWidget(cmdExcluirUsuario);
    auto* right = new QVBoxLayout;
    right->addWidget(frmConfigDados);
    right->addStretch();
    right->addLayout(buttons);
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(4, 2, 4, 2);
    page->addLayout(left, 1);
    page->addLayout(right, 1);

    // Nothing of one user's page is left for the next: a "Gravar" pressed then
    // could only write the boxes of the page filled for him.
    ctx_.resets.add(this, [this] {
        sound_->stop();
        showForm(SettingsForm());
    });
}

void SettingsPage::buildScheduleGroup() {
    frmConfigAgenda = group(this, "frmConfigAgenda", QStringLiteral("  Sua Agenda   "));
    auto* grid = new QGridLayout(frmConfigAgenda);
    grid->setVerticalSpacing(4);
    QWidget* g = frmConfigAgenda;
    grid->addWidget(caption(g, QStringLiteral("Grade de Horário dos Compromissos :")), 0, 0, 1, 6);

    auto* start = caption(g, QStringLiteral("Início :"));
    txtAgendaInicio = box(g, "txtAgendaInicio", KeyMode::Time, 5, start);
    auto* end = caption(g, QStringLiteral("Fim :"));
    txtAgendaFim = box(g, "txtAgendaFim", KeyMode::Time, 5, end);
    auto* step = caption(g, QStringLiteral("Intervalo :"));
    txtAgendaIntervalo = box(g, "txtAgendaIntervalo", KeyMode::Numeric, 5, step);
    for (QLineEdit* edit : {txtAgendaInicio, txtAgendaFim, txtAgendaIntervalo}) {
        edit->setFixedWidth(48);
    }
    auto* times = spacedRow();
    for (QWidget* w : std::initializer_list<QWidget*>{start, txtAgendaInicio, end, txtAgendaFim,
                                                      step, txtAgendaIntervalo}) {
        times->addWidget(w);
    }
    times->addWidget(caption(g, QStringLiteral("min")));
    times->addStretch();
    grid->addLayout(times, 1, 0, 1, 6);

    optAgendaNiverInicio = new QRadioButton(QStringLiteral("Início"), g);
    optAgendaNiverInicio->setObjectName(QStringLiteral("optAgendaNiverInicio"));
    optAgendaNiverFim = new QRadioButton(QStringLiteral("Fim"), g);
    optAgendaNiverFim->setObjectName(QStringLiteral("optAgendaNiverFim"));
    optAgendaNiverInicio->setFont(arial(9));
    optAgendaNiverFim->setFont(arial(9));
    nameByCaption(optAgendaNiverInicio);
    nameByCaption(optAgendaNiverFim);
    auto* birthdays = spacedRow();
    birthdays->addWidget(caption(g, QStringLiteral("Mostrar Aniversários no")));
    birthdays->addWidget(optAgendaNiverInicio);
    birthdays->addWidget(optAgendaNiverFim);
    birthdays->addWidget(caption(g, QStringLiteral("dos dias?")));
    birthdays->addStretch();
    grid->addLayout(birthdays, 2, 0, 1, 6);

    auto* check = caption(g, QStringLiteral("Checar seus compromissos a cada"));
    txtAgendaTempoChecagem = box(g, "txtAgendaTempoChecagem", KeyMode::Numeric, 5, check);
    txtAgendaTempoChecagem->setFixedWidth(48);
    auto* checking = spacedRow();
    checking->addWidget(check);
    checking->addWidget(txtAgendaTempoChecagem);
    checking->addWidget(caption(g, QStringLiteral("min")));
    checking->addStretch();
    grid->addLayout(checking, 3, 0, 1, 6);

    auto* soundCaption = caption(g, QStringLiteral("Som no aviso de compromissos :"));
    cmbAgendaSom = new QComboBox(g);
    cmbAgendaSom->setObjectName(QStringLiteral("cmbAgendaSom"));
    cmbAgendaSom->setFont(arial(9));
    cmbAgendaSom->addItems(soundChoices());
    labelFor(soundCaption, cmbAgendaSom);
    cmdAgendaOuvir = button(g, "cmdAgendaOuvir", QStringLiteral("&Ouvir"));
    auto* sound = spacedRow();
    sound->addWidget(soundCaption);
    sound->addWidget(cmbAgendaSom);
    sound->addWidget(cmdAgendaOuvir);
    grid->addLayout(sound, 4, 0, 1, 6);

    chkAgendaVisCompartilhados =
        new QCheckBox(QStringLiteral("Visualizar Dados Compartilhados de outros usuários?"), g);
    chkAgendaVisCompartilhados->setObjectName(QStringLiteral("chkAgendaVisCompartilhados"));
    chkAgendaVisCompartilhados->setFont(arial(9));
    nameByCaption(chkAgendaVisCompartilhados);
    grid->addWidget(chkAgendaVisCompartilhados, 5, 0, 1, 6);

    connect(cmdAgendaOuvir, &QPushButton::clicked, this, &SettingsPage::preview);
}

void SettingsPage::buildPasswordGroup() {
    frmConfigSenha = group(this, "frmConfigSenha", QStringLiteral("  Sua Senha   "));
    auto* grid = new QGridLayout(frmConfigSenha);
    grid->setVerticalSpacing(4);
    txtSenhaAtual = formRow(grid, 0, QStringLiteral("Atual: "), "txtSenhaAtual", KeyMode::Text, 50);
    txtSenhaNova = formRow(grid, 1, QStringLiteral("Nova: "), "txtSenhaNova", KeyMode::Text, 50);
    txtSenhaReNova =
        formRow(grid, 2, QStringLiteral("Confirme: "), "txtSenhaReNova", KeyMode::Text, 50);
    for (QLineEdit* edit : {txtSenhaAtual, txtSenhaNova, txtSenhaReNova}) {
        edit->setEchoMode(QLineEdit::Password);
    }
}

void SettingsPage::buildPersonalGroup() {
    frmConfigDados = group(this, "frmConfigDados", QStringLiteral("  Seus Dados Pessoais   "));
    auto* grid = new QGridLayout(frmConfigDados);
    grid->setVerticalSpacing(4);
    QWidget* g = frmConfigDados;
    txtDadosNome = formRow(grid, 0, QStringLiteral("Nome: "), "txtDadosNome", KeyMode::Text, 75);
    txtDadosEndereco =
        formRow(grid, 1, QStringLiteral("Endereço: "), "txtDadosEndereco", KeyMode::Text, 100);
    txtDadosCidade =
        formRow(grid, 2, QStringLiteral("Cidade: "), "txtDadosCidade", KeyMode::Text, 30);

    auto* stateCaption = caption(g, QStringLiteral("Uf:"));
    txtDadosEstado = box(g, "txtDadosEstado", KeyMode::Text, 2, stateCaption);
    auto* cepCaption = caption(g, QStringLiteral("Cep:"));
    txtDadosCep = box(g, "txtDadosCep", KeyMode::Numeric, kPostalCodeLength, cepCaption);
    grid->addWidget(stateCaption, 3, 0, Qt::AlignRight);
    grid->addWidget(txtDadosEstado, 3, 1);
    grid->addWidget(cepCaption, 3, 2, Qt::AlignRight);
    grid->addWidget(txtDadosCep, 3, 3);

    txtDadosEmail =
        formRow(grid, 4, QStringLiteral("Email: "), "txtDadosEmail", KeyMode::Text, 100);
    txtDadosTelefone =
        formRow(grid, 5, QStringLiteral("Telefone: "), "txtDadosTelefone", KeyMode::Phone, 15);
    txtDadosCelular =
        formRow(grid, 6, QStringLiteral("Celular: "), "txtDadosCelular", KeyMode::Phone, 15);
    txtDadosNascimento = formRow(grid, 7, QStringLiteral("Data de Nascimento: "),
                                 "txtDadosNascimento", KeyMode::Date, 10);
    txtDadosNascimento->setPlaceholderText(QStringLiteral("DD/MM/AAAA"));
}

void SettingsPage::buildButtons() {
    cmdAgendaGravar = button(this, "cmdAgendaGravar", QStringLiteral("&Gravar"));
    cmdAgendaCancelar = button(this, "cmdAgendaCancelar", QStringLiteral("&Cancelar"));
    cmdExcluirUsuario = button(this, "cmdExcluirUsuario", QStringLiteral("&Excluir Usuário"));
    connect(cmdAgendaGravar, &QPushButton::clicked, this,
            guarded(ctx_.guard, this, &SettingsPage::save));
    connect(cmdAgendaCancelar, &QPushButton::clicked, this,
            guarded(ctx_.guard, this, &SettingsPage::cancel));
    connect(cmdExcluirUsuario, &QPushButton::clicked, this,
            guarded(ctx_.guard, this, &SettingsPage::deleteCurrentUser));
}

SettingsForm SettingsPage::form() const {
    SettingsForm f;
    f.name = txtDadosNome->text();
    f.address = txtDadosEndereco->text();
    f.city = txtDadosCidade->text();
    f.state = txtDadosEstado->text();
    f.postalCode = txtDadosCep->text();
    f.email = txtDadosEmail->text();
    f.homePhone = txtDadosTelefone->text();
    f.mobilePhone = txtDadosCelular->text();
    f.birthday = txtDadosNascimento->text();
    f.currentPassword = txtSenhaAtual->text();
    f.newPassword = txtSenhaNova->text();
    f.confirmPassword = txtSenhaReNova->text();
    f.currentPasswordEnabled = txtSenhaAtual->isEnabled();
    f.newPasswordEnabled = txtSenhaNova->isEnabled();
    f.gridStart = txtAgendaInicio->text();
    f.gridEnd = txtAgendaFim->text();
    f.gridStep = txtAgendaIntervalo->text();
    f.checkInterval = txtAgendaTempoChecagem->text();
    f.birthdayAtStart = optAgendaNiverInicio->isChecked();
    f.soundName = cmbAgendaSom->currentText();
    f.showShared = chkAgendaVisCompartilhados->isChecked();
    return f;
}

void SettingsPage::showForm(const SettingsForm& f) {
    txtDadosNome->setText(f.name);
    txtDadosEndereco->setText(f.address);
    txtDadosCidade->setText(f.city);
    txtDadosEstado->setText(f.state);
    txtDadosCep->setText(f.postalCode);
    txtDadosEmail->setText(f.email);
    txtDadosTelefone->setText(f.homePhone);
    txtDadosCelular->setText(f.mobilePhone);
    txtDadosNascimento->setText(f.birthday);
    txtSenhaAtual->setText(f.currentPassword);
    txtSenhaNova->setText(f.newPassword);
    txtSenhaReNova->setText(f.confirmPassword);
    txtSenhaAtual->setEnabled(f.currentPasswordEnabled);
    txtSenhaNova->setEnabled(f.newPasswordEnabled);
    txtAgendaInicio->setText(f.gridStart);
    txtAgendaFim->setText(f.gridEnd);
    txtAgendaIntervalo->setText(f.gridStep);
    txtAgendaTempoChecagem->setText(f.checkInterval);
    (f.birthdayAtStart ? optAgendaNiverInicio : optAgendaNiverFim)->setChecked(true);
    cmbAgendaSom->setCurrentIndex(std::max(0, cmbAgendaSom->findText(f.soundName)));
    chkAgendaVisCompartilhados->setChecked(f.showShared);
}

void SettingsPage::fillFromSession() {
    cmdAgendaGravar->setEnabled(true);
    cmdExcluirUsuario->show();
    showForm(formFromSession(ctx_.session, ctx_.settings));
}

void SettingsPage::fillForNewUser() {
    cmdAgendaGravar->setEnabled(true);
    cmdExcluirUsuario->hide();
    const auto imported = importOldSettings(ctx_);
    showForm(imported ? *imported : newUserForm());
}

void SettingsPage::afterShow() {
    Q_EMIT restoreFocusWanted();
}

void SettingsPage::focusField(SettingsField field) {
    const std::pair<SettingsField, QLineEdit*> boxes[] = {
        {SettingsField::txtDadosNome, txtDadosNome},
        {SettingsField::txtDadosEmail, txtDadosEmail},
        {SettingsField::txtDadosNascimento, txtDadosNascimento},
        {SettingsField::txtSenhaAtual, txtSenhaAtual},
        {SettingsField::txtSenhaNova, txtSenhaNova},
        {SettingsField::txtSenhaReNova, txtSenhaReNova},
        {SettingsField::txtAgendaInicio, txtAgendaInicio},
        {SettingsField::txtAgendaFim, txtAgendaFim},
        {SettingsField::txtAgendaIntervalo, txtAgendaIntervalo},
        {SettingsField::txtAgendaTempoChecagem, txtAgendaTempoChecagem},
    };
    for (const auto& [name, edit] : boxes) {
        if (name == field) {
            edit->setFocus(Qt::OtherFocusReason);
        }
    }
}

void SettingsPage::save() {
    sound_->stop();
    Q_EMIT restoreFocusWanted();
    SettingsForm f = form();
    const SettingsCheck check = checkSettings(f, ctx_.session);
    // The boxes that passed show their standard form, as the save rewrote them.
    txtDadosNascimento->setText(f.birthday);
    txtAgendaInicio->setText(f.gridStart);
    txtAgendaFim->setText(f.gridEnd);
    if (!check.ok()) {
        ctx_.messages.okay(check.problem->message, check.problem->icon);
        focusField(check.problem->focus);
        return;
    }
    SaveOutcome outcome;
    {
        WaitCursor wait;
        outcome = saveSettings(ctx_, f, check.values);
    }
    if (!outcome.importFailure.isEmpty()) {
        ctx_.messages.okay(outcome.importFailure, msg::Serious);
    }
    ctx_.messages.okay(kSettingsSaved, msg::NoIcon);
    Q_EMIT saved(outcome.newUser);
}

void SettingsPage::cancel() {
    Q_EMIT restoreFocusWanted();
    sound_->stop();
    Q_EMIT cancelled();
}

void SettingsPage::deleteCurrentUser() {
    Q_EMIT restoreFocusWanted();
    if (const auto p = checkUserDeletion(form(), ctx_.session)) {
        ctx_.messages.okay(p->message, p->icon);
        focusField(p->focus);
        return;
    }
    if (!ctx_.messages.confirm(kConfirmUserDeletion)) {
        Q_EMIT restoreFocusWanted();
        return;
    }
    {
        WaitCursor wait;
        deleteUser(ctx_);
    }
    sound_->stop();
    Q_EMIT userDeleted();
}

void SettingsPage::preview() {
    Q_EMIT restoreFocusWanted();
    sound_->stop();
    if (cmbAgendaSom->currentIndex() > 0) {
        sound_->play(alarmResource(cmbAgendaSom->currentText()));
    }
}

} // namespace orv
