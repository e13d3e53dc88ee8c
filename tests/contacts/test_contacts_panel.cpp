#include "PanelFixture.h"

#include "mainwindow/ui/MainWindow.h"

#include <QApplication>
#include <tuple>

using namespace orv;
using namespace orv::contacts;

namespace {

using ContactsPanelTest = test::ContactsPanelFixture;

TEST_F(ContactsPanelTest, LettersAndSearchChooseTheList) {
    save(ana, "Alberto");
    save(ana, "ana");
    save(ana, "Ágata");
    save(beto, test::contact("Bia", {{&Contact::mobilePhone, "9999-0000"}}, true));
    save(ana, test::contact("D'Ávila", {{&Contact::company, "Pão d'Açúcar"},
                                        {&Contact::homePhone, "3333-1111"}}));

    // Opening the panel lists nothing, whatever the address book holds.
    EXPECT_EQ(grid.rows(), 1);
    EXPECT_FALSE(panel.txtEnderecoSemRegistro->isVisible());
    EXPECT_EQ(printButton.last(), true);

    letterButton(1)->click();
    EXPECT_EQ(gridNames(), QStringList({"Alberto", "ana"}));
    EXPECT_EQ(letterButton(1)->palette().color(QPalette::Button), LetterBar::highlightColour());
    letterButton(0)->click();
    EXPECT_EQ(gridNames(), QStringList({"Ágata", "ana"}));
    EXPECT_EQ(letterButton(1)->palette().color(QPalette::Button), LetterBar::normalColour());

    // The cells of another user's shared contact, as the grid shows them.
    letterButton(2)->click();
    ASSERT_EQ(gridNames(), QStringList({"Bia [BETO]"}));
    EXPECT_EQ(grid.pictureName(1, 1), "imgCompartilhado");
    EXPECT_EQ(grid.text(1, 2), "9999-0000");
    letterButton(25)->click();
    EXPECT_EQ(grid.rows(), 1);
    EXPECT_TRUE(panel.txtEnderecoSemRegistro->isVisible());
    EXPECT_FALSE(panel.txtEnderecoSemRegistro->isEnabled());
    EXPECT_EQ(panel.txtEnderecoSemRegistro->text(), "Sem Registro para Exibição");

    // The search boxes take the apostrophe; the search replaces the letter filter
    // and takes the highlight away, and criteria combine.
    typeInto(searchFrame.txtPesquisaNome, "d'");
    typeInto(searchFrame.txtPesquisaTelefone, "1111");
    searchFrame.cmdEnderecoPesquisar->click();
    EXPECT_EQ(gridNames(), QStringList({"D'Ávila"}));
    EXPECT_FALSE(panel.txtEnderecoSemRegistro->isVisible());
    EXPECT_EQ(letterButton(25)->palette().color(QPalette::Button), LetterBar::normalColour());
    searchFrame.txtPesquisaTelefone->setText("9999");
    QTest::keyClick(searchFrame.txtPesquisaTelefone, Qt::Key_Return);
    EXPECT_EQ(grid.rows(), 1);
    EXPECT_TRUE(panel.txtEnderecoSemRegistro->isVisible());

    // Clear empties the boxes and leaves the list alone.
    searchFrame.txtPesquisaEmail->setText("y");
    searchFrame.cmdEnderecoLimpar->click();
    EXPECT_EQ(searchFrame.boxes().name + searchFrame.boxes().phone + searchFrame.boxes().email, "");
    EXPECT_TRUE(searchFrame.txtPesquisaNome->hasFocus());
    EXPECT_EQ(grid.rows(), 1);
    // All boxes empty: the whole address book, own and shared interleaved by
    // name, accents and case aside.
    searchFrame.cmdEnderecoPesquisar->click();
    EXPECT_EQ(gridNames(), QStringList({"Ágata", "Alberto", "ana", "Bia [BETO]", "D'Ávila"}));
    // Every box ignores case and accents, both ways.
    for (auto [box, typed, found] : {std::tuple{searchFrame.txtPesquisaNome, "AGATA", "Ágata"},
                                     {searchFrame.txtPesquisaNome, "d'avi", "D'Ávila"},
                                     {searchFrame.txtPesquisaEmpresa, "ÇUC", "D'Ávila"}}) {
        searchFrame.cmdEnderecoLimpar->click();
        box->setText(QString::fromUtf8(typed));
        searchFrame.cmdEnderecoPesquisar->click();
        EXPECT_EQ(gridNames(), QStringList{QString::fromUtf8(found)}) << typed;
    }

    // Reopening the panel shows the header only again.
    panel.load();
    EXPECT_EQ(grid.rows(), 1);

    // A session end forgets the list, the open contact and the letter.
    letterButton(4)->click(); // "D"
    grid.clickRow(1);
    ASSERT_TRUE(detail.isVisible());
    app.ctx.resets.runAll();
    EXPECT_EQ(grid.rows(), 1);
    EXPECT_FALSE(detail.isVisible());
    EXPECT_TRUE(panel.state().filter.isEmpty());
    EXPECT_EQ(panel.state().selectedKey, 0);
    EXPECT_EQ(letterButton(4)->palette().color(QPalette::Button), LetterBar::normalColour());
}

TEST_F(ContactsPanelTest, NewContactIsCheckedSavedAndListed) {
    ASSERT_EQ(app.clock.today(), QDate(2026, 3, 15));
    panel.cmdEnderecoNovo->click();
    ASSERT_TRUE(detail.isVisible());
    EXPECT_FALSE(detail.cmdEnderecoExcluir->isVisible());
    EXPECT_TRUE(detail.cmdEnderecoSalvar->isVisible());
    EXPECT_TRUE(detail.txtDadosEndNome->hasFocus());
    EXPECT_EQ(printButton.last(), false);

    // The key filter drops the apostrophe; the birthday mask writes the slash. A
    // refused check (the order of the checks is ContactForm's) writes nothing.
    typeInto(detail.txtDadosEndNome, "  joana d'arc  ");
    typeInto(detail.txtDadosEndAniversario, "2902");
    EXPECT_EQ(detail.txtDadosEndAniversario->text(), "29/02");
    typeInto(detail.txtDadosEndFoneCel, "(81)a9999-1");
    EXPECT_EQ(detail.txtDadosEndFoneCel->text(), "(81)9999-1");
    typeInto(detail.txtDadosEndCep, "13010x-0000");
    EXPECT_EQ(detail.txtDadosEndCep->text(), "13010-000") << "the usual form fits whole";
    detail.cmdEnderecoSalvar->click();
    EXPECT_EQ(app.messages.last(), "Informe o Aniversário em DD/MM!");
    EXPECT_EQ(app.messages.shown().back().icon, msg::Information);
    EXPECT_TRUE(detail.txtDadosEndAniversario->hasFocus());
    EXPECT_EQ(detail.txtDadosEndNome->text(), "Joana darc");
    EXPECT_EQ(app.count("Enderecos"), 0);
    EXPECT_TRUE(detail.isVisible());

    detail.txtDadosEndAniversario->clear();
    typeInto(detail.txtDadosEndAniversario, "1503");
    EXPECT_EQ(detail.txtDadosEndAniversario->text(), "15/03");
    // Pasted text may hold an apostrophe; the notes keep their lines.
    detail.txtDadosEndNome->setText("joana d'Arc ");
    detail.txtDadosEndObservacao->setPlainText("linha 1\nlinha 2");
    detail.chkEndCompartilhar->setChecked(true);
    detail.cmdEnderecoSalvar->click();

    EXPECT_FALSE(detail.isVisible());
    EXPECT_EQ(printButton.last(), true);
    // Saved with an empty filter: the whole book is listed.
    ASSERT_EQ(gridNames(), QStringList({"Joana d'Arc"}));
    EXPECT_EQ(grid.text(1, 2), "(81)9999-1");
    EXPECT_EQ(grid.text(1, 4), "15/03");
    RowSet c = app.ctx.db.runQuery("Select * from Enderecos");
    EXPECT_EQ(c.text("Cep"), "13010-000");
    EXPECT_EQ(c.text("Observacao"), "linha 1\nlinha 2");
    EXPECT_EQ(c.text("Compartilhado"), "S");
    EXPECT_EQ(appointments().text("Compromisso"), "Aniversário Joana d'Arc");

    // The notes box keeps to its 255 characters, pasted text included.
    panel.cmdEnderecoNovo->click();
    EXPECT_TRUE(detail.txtDadosEndNome->text().isEmpty());
    EXPECT_FALSE(detail.chkEndCompartilhar->isChecked());
    detail.txtDadosEndObservacao->setPlainText(QString(300, QLatin1Char('x')));
    EXPECT_EQ(detail.txtDadosEndObservacao->toPlainText().size(), 255);
    detail.cmdEnderecoVoltar->click();
    EXPECT_FALSE(detail.isVisible());
    EXPECT_EQ(app.count("Enderecos"), 1);
}

TEST_F(ContactsPanelTest, RowsOpenForEditingOrReadingAndDeleteAsksFirst) {
    save(ana, test::contact(
                  "Lia", {{&Contact::email, " lia@exemplo.com.br "}, {&Contact::birthday, "16/03"}},
                  true));
    save(beto, test::contact(
                   "Téo", {{&Contact::company, "Oficina"}, {&Contact::email, "teo@exemplo.com.br"}},
                   true));
    test::MailCatcher mail;

    letterButton(12)->click(); // "L"
    ASSERT_EQ(gridNames(), QStringList({"Lia"}));
    grid.clickRow(1);
    ASSERT_TRUE(detail.isVisible());
    EXPECT_EQ(printButton.last(), false);
    EXPECT_EQ(detail.txtDadosEndNome->text(), "Lia");
    EXPECT_EQ(detail.txtDadosEndAniversario->text(), "16/03");
    EXPECT_EQ(detail.txtDadosEndEmail->text(), "lia@exemplo.com.br");
    EXPECT_TRUE(detail.chkEndCompartilhar->isChecked());
    EXPECT_TRUE(detail.txtDadosEndNome->isEnabled());
    EXPECT_TRUE(detail.cmdEnderecoExcluir->isVisible());
    EXPECT_TRUE(detail.txtDadosEndNome->hasFocus());
    detail.cmdEmailContato->click();
    ASSERT_EQ(mail.opened.size(), 1);
    EXPECT_EQ(mail.opened[0].toString(), "mailto:lia@exemplo.com.br");

    // A save lists the "L" list again.
    detail.txtDadosEndNome->setText("Lia Souza");
    detail.cmdEnderecoSalvar->click();
    EXPECT_EQ(gridNames(), QStringList({"Lia Souza"}));
    EXPECT_EQ(appointments().text("Compromisso"), "Aniversário Lia Souza");

    // Another user's shared contact is read-only, yet can be e-mailed.
    letterButton(20)->click(); // "T"
    ASSERT_EQ(gridNames(), QStringList({"Téo [BETO]"}));
    grid.clickRow(1);
    EXPECT_EQ(detail.txtDadosEndNome->text(), "Téo [BETO]");
    EXPECT_EQ(detail.txtDadosEndEmpresa->text(), "Oficina");
    for (QWidget* w : detail.findChildren<QLineEdit*>()) {
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    }
    EXPECT_FALSE(detail.chkEndCompartilhar->isEnabled());
    EXPECT_FALSE(detail.cmdEnderecoSalvar->isVisible());
    EXPECT_FALSE(detail.cmdEnderecoExcluir->isVisible());
    detail.cmdEmailContato->click();
    ASSERT_EQ(mail.opened.size(), 2);
    EXPECT_EQ(mail.opened[1].toString(), "mailto:teo@exemplo.com.br");
    // A letter button closes the detail frame.
    letterButton(12)->click();
    EXPECT_FALSE(detail.isVisible());

    // An empty e-mail box opens nothing.
    grid.clickRow(1);
    EXPECT_TRUE(detail.txtDadosEndNome->isEnabled()); // own contact: editable again
    detail.txtDadosEndEmail->setText("  ");
    detail.cmdEmailContato->click();
    EXPECT_EQ(mail.opened.size(), 2);

    // Delete asks first; cancelled, nothing changes.
    detail.cmdEnderecoExcluir->click();
    EXPECT_EQ(app.messages.last(), "Você Confirma Exclusão desse Contato?");
    EXPECT_EQ(app.messages.shown().back().buttons, msg::ConfirmCancel);
    EXPECT_EQ(app.count("Enderecos"), 2);
    EXPECT_TRUE(detail.isVisible());
    app.messages.answer(true);
    detail.cmdEnderecoExcluir->click();
    EXPECT_EQ(app.count("Enderecos"), 1);
    EXPECT_FALSE(detail.isVisible());
    EXPECT_TRUE(panel.txtEnderecoSemRegistro->isVisible());
}

// In the real main window the print button follows the contact frame, also
// across a visit to another panel; where the birthday shows is ContactSave's.
TEST(ContactsInTheMainWindow, ThePrintButtonFollowsTheOpenContact) {
    test::TestApp app;
    app.logOn(app.addUser("ANA"));
    MainWindow window(app.ctx);
    window.show();
    window.pressPanel("Enderecos");
    auto* panel = window.findChild<ContactsPanel*>("frmEndereco");
    ASSERT_NE(panel, nullptr);
    ContactDetailFrame& detail = *panel->frmDadosEndereco;
    EXPECT_TRUE(window.imgImpressora->isVisible());

    panel->cmdEnderecoNovo->click();
    EXPECT_FALSE(window.imgImpressora->isVisible());
    QTest::keyClicks(detail.txtDadosEndNome, "rui");
    QTest::keyClicks(detail.txtDadosEndAniversario, "1004");
    detail.cmdEnderecoSalvar->click();
    EXPECT_TRUE(window.imgImpressora->isVisible());
    panel->grdEndereco->clickRow(1);
    EXPECT_FALSE(window.imgImpressora->isVisible());

    // Away and back: the open contact is still there, the print button still hidden.
    window.pressPanel("Inicial");
    window.pressPanel("Enderecos");
    EXPECT_TRUE(detail.isVisible());
    EXPECT_FALSE(window.imgImpressora->isVisible());

    app.messages.answer(true);
    detail.cmdEnderecoExcluir->click();
    EXPECT_EQ(app.count("Enderecos") + app.count("Compromissos"), 0);
    EXPECT_TRUE(window.imgImpressora->isVisible());
}

} // namespace
