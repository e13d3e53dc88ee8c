#pragma once

#include "contacts/ContactFilter.h"

#include <QGroupBox>

class QLineEdit;
class QPushButton;

namespace orv::contacts {

// frmPesquisaEndereco: the four search boxes with "&Pesquisar" and "&Limpar".
// The boxes take any key: what is typed is only ever bound to the query.
class ContactSearchFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit ContactSearchFrame(QWidget* parent = nullptr);

    ContactSearch boxes() const;
    // Empties the four boxes.
    void clearBoxes();

    QLineEdit* txtPesquisaNome = nullptr;
    QLineEdit* txtPesquisaEmpresa = nullptr;
    QLineEdit* txtPesquisaTelefone = nullptr;
    QLineEdit* txtPesquisaEmail = nullptr;
    QPushButton* cmdEnderecoPesquisar = nullptr;
    QPushButton* cmdEnderecoLimpar = nullptr;
};

} // namespace orv::contacts
