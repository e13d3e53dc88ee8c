#pragma once

#include "contacts/Contact.h"

#include <QFrame>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orv {
class SessionResets;
}

namespace orv::contacts {

// frmDadosEndereco: one contact's fields for editing, laid over the list. It
// only shows and reads the boxes; the contacts panel decides what the buttons do.
class ContactDetailFrame : public QFrame {
    Q_OBJECT
public:
    // Ending a session closes the frame and empties its boxes.
    explicit ContactDetailFrame(SessionResets& resets, QWidget* parent = nullptr);

    // Fills the boxes; another user's contact is shown read-only, with only
    // "&Voltar" and the e-mail button at work.
    void showContact(const Contact& c, bool readOnly);
    // Empty boxes for a new contact.
    void showNew();
    // The boxes as typed; key and birthday key stay 0.
    Contact typed() const;

    QLabel* lblDadosEndereco = nullptr;
    QLineEdit* txtDadosEndNome = nullptr;
    QLineEdit* txtDadosEndEndereco = nullptr;
    QLineEdit* txtDadosEndCidade = nullptr;
    QLineEdit* txtDadosEndEstado = nullptr;
    QLineEdit* txtDadosEndCep = nullptr;
    QLineEdit* txtDadosEndEmail = nullptr;
    QLineEdit* txtDadosEndFoneRes = nullptr;
    QLineEdit* txtDadosEndFoneCel = nullptr;
    QLineEdit* txtDadosEndEmpresa = nullptr;
    QLineEdit* txtDadosEndFoneCom = nullptr;
    QLineEdit* txtDadosEndAniversario = nullptr;
    QPlainTextEdit* txtDadosEndObservacao = nullptr;
    QCheckBox* chkEndCompartilhar = nullptr;
    QPushButton* cmdEmailContato = nullptr;
    QPushButton* cmdEnderecoExcluir = nullptr;
    QPushButton* cmdEnderecoVoltar = nullptr;
    QPushButton* cmdEnderecoSalvar = nullptr;

private:
    void fill(const Contact& c);
    void setEditable(bool editable);
    QList<QLineEdit*> lineBoxes() const;
};

} // namespace orv::contacts
