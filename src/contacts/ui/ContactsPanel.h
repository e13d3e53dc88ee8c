#pragma once

#include "contacts/ContactsState.h"
#include "mainwindow/ui/Panel.h"

class QLineEdit;
class QPushButton;

namespace orv {
class AppContext;
class ExchangeButtons;
class Grid;
} // namespace orv

namespace orv::contacts {

class ContactDetailFrame;
class ContactSearchFrame;
class LetterBar;

// frmEndereco, the address book panel: the letter bar and the search frame
// choose which contacts the grid lists, a row opens the contact in the detail
// frame, and the detail frame's buttons save, delete or leave it.
class ContactsPanel : public Panel {
    Q_OBJECT
public:
    ContactsPanel(AppContext& ctx, QWidget* parent = nullptr);

    // Opening the panel lists nothing until a letter or the search is used.
    void load() override;
    void afterShow() override;
    // Lists the contacts of that name and opens the one with the key.
    void showItem(qint64 key, const QDate& day, const QString& text) override;
    // The report of what the panel shows.
    void print() override;

    // The list the user last asked for (the printed address book runs it).
    const ContactsState& state() const { return state_; }

    LetterBar* frmLetras = nullptr;
    ContactSearchFrame* frmPesquisaEndereco = nullptr;
    Grid* grdEndereco = nullptr;
    QLineEdit* txtEnderecoSemRegistro = nullptr;
    QPushButton* cmdEnderecoNovo = nullptr;
    ContactDetailFrame* frmDadosEndereco = nullptr;
    // cmdEnderecoImportar and cmdEnderecoExportar: vCard files in and out.
    ExchangeButtons* exchangeButtons = nullptr;

private:
    void buildControls();
    void buildExchange();
    void connectHandlers();
    // Header only, or filled with the contacts under the current filter.
    void loadList(bool fill);
    void closeDetail();
    void focusBox(const QString& name);

    void onLetter(int index);
    void onSearch();
    void onClear();
    void onRowClicked(int row);
    void onNew();
    void onSave();
    void onDelete();
    void onBack();
    void onEmail();
    void endSession();

    AppContext& ctx_;
    ContactsState state_;
};

} // namespace orv::contacts
