#include "contacts/ui/ContactDetailFrame.h"

#include "contacts/ContactValues.h"
#include "contacts/ui/FormBoxes.h"
#include "mainwindow/ui/AccessibleNames.h"
#include "mainwindow/ui/Fonts.h"
#include "mainwindow/ui/PanelControls.h"
#include "mainwindow/ui/Pictures.h"
#include "session/SessionResets.h"
#include "session/ui/KeyMode.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orv::contacts {

ContactDetailFrame::ContactDetailFrame(SessionResets& resets, QWidget* parent) : QFrame(parent) {
    resets.add(this, [this] { closeAndEmpty(this); });
    setObjectName(QStringLiteral("frmDadosEndereco"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(10, 6, 10, 6);
    grid->setVerticalSpacing(5);

    lblDadosEndereco = new QLabel(QStringLiteral("DADOS DO CONTATO"), this);
    lblDadosEndereco->setObjectName(QStringLiteral("lblDadosEndereco"));
    lblDadosEndereco->setFont(arial(10, true));
    lblDadosEndereco->setAlignment(Qt::AlignCenter);
    grid->addWidget(lblDadosEndereco, 0, 0, 1, 6);

    txtDadosEndNome = lineBox(this, grid, 1, 0, QStringLiteral("Nome: "),
                              QStringLiteral("txtDadosEndNome"), limit::kName, 5);
    txtDadosEndEndereco = lineBox(this, grid, 2, 0, QStringLiteral("Endereço: "),
                                  QStringLiteral("txtDadosEndEndereco"), limit::kAddress, 5);
    txtDadosEndCidade = lineBox(this, grid, 3, 0, QStringLiteral("Cidade: "),
                                QStringLiteral("txtDadosEndCidade"), limit::kCity);
    txtDadosEndEstado = lineBox(this, grid, 3, 2, QStringLiteral("Uf:"),
                                QStringLiteral("txtDadosEndEstado"), limit::kState);
    txtDadosEndCep = lineBox(this, grid, 3, 4, QStringLiteral("Cep:"),
                             QStringLiteral("txtDadosEndCep"), limit::kPostalCode);
    txtDadosEndEmail = lineBox(this, grid, 4, 0, QStringLiteral("Email: "),
                               QStringLiteral("txtDadosEndEmail"), limit::kEmail, 3);
    cmdEmailContato = new QPushButton(this);
    cmdEmailContato->setObjectName(QStringLiteral("cmdEmailContato"));
    cmdEmailContato->setToolTip(QStringLiteral("Enviar Email"));
    cmdEmailContato->setAccessibleName(QStringLiteral("Enviar Email"));
    cmdEmailContato->setAutoDefault(false);
    cmdEmailContato->setFixedWidth(32);
    if (const QPixmap pic = picture(QStringLiteral("cmdEmailContato")); !pic.isNull()) {
        cmdEmailContato->setIcon(pic);
    } else {
        cmdEmailContato->setText(QStringLiteral("@"));
    }
    grid->addWidget(cmdEmailContato, 4, 4, Qt::AlignLeft);
    txtDadosEndFoneRes = lineBox(this, grid, 5, 0, QStringLiteral("Telefone: "),
                                 QStringLiteral("txtDadosEndFoneRes"), limit::kPhone);
    txtDadosEndFoneCel = lineBox(this, grid, 5, 2, QStringLiteral("Celular: "),
                                 QStringLiteral("txtDadosEndFoneCel"), limit::kPhone);
    txtDadosEndAniversario = lineBox(this, grid, 5, 4, QStringLiteral(" Aniversário: "),
                                     QStringLiteral("txtDadosEndAniversario"), limit::kBirthday);
    txtDadosEndAniversario->setAlignment(Qt::AlignCenter);
    txtDadosEndEmpresa = lineBox(this, grid, 6, 0, QStringLiteral("Empresa: "),
                                 QStringLiteral("txtDadosEndEmpresa"), limit::kCompany, 3);
    txtDadosEndFoneCom = lineBox(this, grid, 6, 4, QStringLiteral("Telefone: "),
                                 QStringLiteral("txtDadosEndFoneCom"), limit::kPhone);
    txtDadosEndObservacao = notesBox(this, grid, 7, 0, QStringLiteral("Observação :"),
                                     QStringLiteral("txtDadosEndObservacao"), limit::kNotes, 5);
    grid->setRowStretch(7, 1);

    for (QLineEdit* box : {txtDadosEndNome, txtDadosEndEndereco, txtDadosEndCidade,
                           txtDadosEndEstado, txtDadosEndEmail, txtDadosEndEmpresa}) {
        applyKeyMode(box, KeyMode::Text);
    }
    applyKeyMode(txtDadosEndCep, KeyMode::Numeric);
    for (QLineEdit* box : {txtDadosEndFoneRes, txtDadosEndFoneCel, txtDadosEndFoneCom}) {
        applyKeyMode(box, KeyMode::Phone);
    }
    applyKeyMode(txtDadosEndAniversario, KeyMode::DayMonth);
    applyKeyMode(txtDadosEndObservacao, KeyMode::MultilineText);

    chkEndCompartilhar = new QCheckBox(QStringLiteral("Compartilhar o Contato"), this);
    chkEndCompartilhar->setObjectName(QStringLiteral("chkEndCompartilhar"));
    nameByCaption(chkEndCompartilhar);
    cmdEnderecoExcluir =
        button(this, QStringLiteral("&Excluir Contato"), QStringLiteral("cmdEnderecoExcluir"));
    cmdEnderecoVoltar =
        button(this, QStringLiteral("&Voltar"), QStringLiteral("cmdEnderecoVoltar"));
    cmdEnderecoSalvar =
        button(this, QStringLiteral("&Salvar Contato"), QStringLiteral("cmdEnderecoSalvar"));
    auto* actions = new QHBoxLayout();
    actions->addWidget(chkEndCompartilhar);
    actions->addStretch(1);
    actions->addWidget(cmdEnderecoExcluir);
    actions->addWidget(cmdEnderecoVoltar);
    actions->addWidget(cmdEnderecoSalvar);
    grid->addLayout(actions, 8, 0, 1, 6);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 1);
}

QList<QLineEdit*> ContactDetailFrame::lineBoxes() const {
    return {txtDadosEndNome,    txtDadosEndEndereco, txtDadosEndCidade,     txtDadosEndEstado,
            txtDadosEndCep,     txtDadosEndEmail,    txtDadosEndFoneRes,    txtDadosEndFoneCel,
            txtDadosEndEmpresa, txtDadosEndFoneCom,  txtDadosEndAniversario};
}

void ContactDetailFrame::fill(const Contact& c) {
    txtDadosEndNome->setText(c.name);
    txtDadosEndEndereco->setText(c.address);
    txtDadosEndCidade->setText(c.city);
    txtDadosEndEstado->setText(c.state);
    txtDadosEndCep->setText(c.postalCode);
    txtDadosEndEmail->setText(c.email);
    txtDadosEndFoneRes->setText(c.homePhone);
    txtDadosEndFoneCel->setText(c.mobilePhone);
    txtDadosEndEmpresa->setText(c.company);
    txtDadosEndFoneCom->setText(c.businessPhone);
    txtDadosEndAniversario->setText(c.birthday);
    txtDadosEndObservacao->setPlainText(c.notes);
    chkEndCompartilhar->setChecked(c.shared);
}

void ContactDetailFrame::setEditable(bool editable) {
    for (QLineEdit* box : lineBoxes()) {
        box->setEnabled(editable);
    }
    txtDadosEndObservacao->setEnabled(editable);
    chkEndCompartilhar->setEnabled(editable);
    cmdEnderecoSalvar->setVisible(editable);
}

void ContactDetailFrame::showContact(const Contact& c, bool readOnly) {
    fill(c);
    setEditable(!readOnly);
    cmdEnderecoExcluir->setVisible(!readOnly);
}

void ContactDetailFrame::showNew() {
    fill(Contact());
    setEditable(true);
    cmdEnderecoExcluir->hide();
}

Contact ContactDetailFrame::typed() const {
    Contact c;
    c.name = txtDadosEndNome->text();
    c.company = txtDadosEndEmpresa->text();
    c.address = txtDadosEndEndereco->text();
    c.city = txtDadosEndCidade->text();
    c.state = txtDadosEndEstado->text();
    c.postalCode = txtDadosEndCep->text();
    c.email = txtDadosEndEmail->text();
    c.homePhone = txtDadosEndFoneRes->text();
    c.mobilePhone = txtDadosEndFoneCel->text();
    c.businessPhone = txtDadosEndFoneCom->text();
    c.birthday = txtDadosEndAniversario->text();
    c.notes = txtDadosEndObservacao->toPlainText();
    c.shared = chkEndCompartilhar->isChecked();
    return c;
}

} // namespace orv::contacts
