// vCard files in and out of the address book, through the panel's buttons.

#include "PanelFixture.h"
#include "contacts/ContactExchange.h"
#include "contacts/ContactValues.h"
#include "db/DbError.h"
#include "mainwindow/ui/ExchangeButtons.h"

#include <QMenu>
#include <sqlcipher/sqlite3.h>

using namespace orv;
using namespace orv::test;
using contacts::Contact;

namespace {

struct VCardPanel : ContactsPanelFixture {
    FileFolder folder;

    // Imports through "&Importar…" and the file dialog; the message shown.
    QString import(const QString& path) {
        answerFileDialog(path);
        QTest::mouseClick(panel.findChild<QPushButton*>("cmdEnderecoImportar"), Qt::LeftButton);
        return app.messages.last();
    }
    QString exportAll(const QString& path, int choice = 1) {
        answerFileDialog(path);
        panel.exchangeButtons->exportButton->menu()->actions().at(choice)->trigger();
        return app.messages.last();
    }
    // The user's own contacts as the detail form shows them, without keys.
    QVector<Contact> book(qint64 user) {
        app.logOn(user);
        QVector<Contact> list;
        for (const auto& r : rows()) {
            if (r.sharedPicture) {
                continue;
            }
            Contact c = contacts::contactFromRow(r.record, r.nameCell, r.companyCell);
            c.key = c.birthdayKey = 0;
            list << c;
        }
        app.logOn(ana);
        return list;
    }
};

QString summary(int added, int duplicates, int cut, int refused) {
    return exchange::summaryMessage({added, duplicates, cut, refused}, "Contatos",
                                    "valores maiores que os campos", "sem nome");
}

const QByteArray kPhone21 =
    "BEGIN:VCARD\r\nVERSION:2.1\r\n"
    "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Concei=C3=A7=C3=A3o;Jo=C3=A3o;;;\r\n"
    "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Jo=C3=A3o Concei=C3=A7=C3=A3o\r\n"
    "TEL;CELL;PREF:+55 11 98765-4321\r\n"
    "TEL;HOME:+55-11-3333-4444\r\n"
    "NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=ISO-8859-1:Primo da M=E3e, mora =\r\n"
    "longe\r\n"
    "BDAY:19800415\r\nEND:VCARD\r\n";

// Folded lines, one of them between the two bytes of "ó", and a large photo.
QByteArray folded30() {
    QByteArray photo = "PHOTO;ENCODING=b;TYPE=JPEG:";
    for (int i = 0; i < 4000; ++i) {
        photo += QByteArray(74, 'A') + "\r\n ";
    }
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Maria da Silva\r\nN:Silva;Maria;da;;\r\n"
           "ORG:Padaria P\xC3\xA3o Quente;Vendas\r\nTEL;TYPE=WORK,VOICE:(11) 2222-1111\r\n"
           "item1.EMAIL;TYPE=INTERNET:maria@exemplo.com.br\r\nitem1.X-ABLabel:Outro\r\n"
           "ADR;TYPE=HOME:;;Rua das Flores\\, 100;Campinas;S\xC3\xA3o Paulo;13010-050;Brasil\r\n"
           "NOTE:Linha um\\nLinha dois\\; continua na pr\xC3\r\n \xB3xima linha\r\n" +
           photo + "AAAA\r\nBDAY:--0229\r\nEND:VCARD\r\n";
}

const QByteArray kVCard40 = "BEGIN:VCARD\nVERSION:4.0\nFN:Zé Ninguém\nN:Ninguém;Zé;;;\n"
                            "TEL;VALUE=uri;TYPE=\"voice,home\":tel:+55-21-2555-0000\n"
                            "TEL;TYPE=cell:tel:+1-555-010-9999\nEMAIL:ze@exemplo.org\n"
                            "EMAIL:ze2@exemplo.org\nBDAY:1975-12-01\nEND:VCARD\n"
                            "BEGIN:VCARD\nVERSION:4.0\nTEL:1234\nEND:VCARD\n";

} // namespace

// The three styles phones and other programs write, each brought to what the
// boxes hold; the second import of a file finds only duplicates.
TEST_F(VCardPanel, ImportsThePhoneStylesAsTheBoxesHoldThem) {
    const QStringList files{folder.write("celular.vcf", kPhone21),
                            folder.write("outro.vcf", folded30()),
                            folder.write("novo.vcf", kVCard40)};
    EXPECT_EQ(import(files[0]), summary(1, 0, 0, 0));
    EXPECT_EQ(import(files[1]), summary(1, 0, 0, 0));
    EXPECT_EQ(import(files[2]), summary(1, 0, 1, 1));
    EXPECT_EQ(import(files[1]), summary(0, 1, 0, 0));

    EXPECT_EQ(gridNames(), QStringList({"João Conceição", "Maria da Silva", "Zé Ninguém"}));
    Contact joao = contact("João Conceição", {{&Contact::mobilePhone, "11-98765-4321"},
                                              {&Contact::homePhone, "11-3333-4444"},
                                              {&Contact::notes, "Primo da Mãe, mora longe"},
                                              {&Contact::birthday, "15/04"}});
    Contact maria = contact("Maria da Silva",
                            {{&Contact::company, "Padaria Pão Quente - Vendas"},
                             {&Contact::businessPhone, "(11)2222-1111"},
                             {&Contact::email, "maria@exemplo.com.br"},
                             {&Contact::address, "Rua das Flores, 100"},
                             {&Contact::city, "Campinas"},
                             {&Contact::state, "SP"},
                             {&Contact::postalCode, "13010-050"},
                             {&Contact::notes, "Linha um\nLinha dois; continua na próxima linha"},
                             {&Contact::birthday, "29/02"}});
    Contact ze = contact("Zé Ninguém", {{&Contact::homePhone, "21-2555-0000"},
                                        {&Contact::mobilePhone, "001-555-010-999"},
                                        {&Contact::email, "ze@exemplo.org"},
                                        {&Contact::notes, "Email: ze2@exemplo.org"},
                                        {&Contact::birthday, "01/12"}});
    EXPECT_EQ(book(ana), QVector<Contact>({joao, maria, ze}));
    // Each birthday got the appointment a typed contact gets.
    EXPECT_EQ(app.count("Compromissos"), 3);
}

// Export from one user, import into another's empty book: every field comes
// back. Another user's shared contact never goes out; the list's filter does.
TEST_F(VCardPanel, RoundTripIntoAnotherUsersBook) {
    save(beto, "Bruno de Beto", true);
    save(ana, contact("Ana D'Ávila", {{&Contact::company, "Loja; Filial, Centro"},
                                      {&Contact::address, "Av. Brasil\\ 10"},
                                      {&Contact::city, "Recife"},
                                      {&Contact::state, "PE"},
                                      {&Contact::postalCode, "50000000"},
                                      {&Contact::email, "ana@exemplo.com"},
                                      {&Contact::homePhone, "(81)3333-0000"},
                                      {&Contact::mobilePhone, "81-99999-0000"},
                                      {&Contact::businessPhone, "0800.123"},
                                      {&Contact::birthday, "31/12"}}));
    Contact notes = contact("Bia", {{&Contact::notes, ""}});
    notes.notes = QString("Três linhas:\nçãõ, ;\\ fim ").repeated(9).left(contacts::limit::kNotes);
    save(ana, notes);
    const QString out = folder.path("todos.vcf");
    EXPECT_EQ(exportAll(out), QString("Contatos exportados: 2\nArquivo: %1").arg(out));
    EXPECT_FALSE(fileBytes(out).contains("Bruno"));

    EXPECT_EQ(
        contacts::importContacts(app.ctx.db, beto, app.clock.today(), fileBytes(out)).summary.added,
        2);
    const QVector<Contact> mine = book(ana);
    QVector<Contact> his = book(beto);
    his.removeAll(contact("Bruno de Beto", {}, true));
    EXPECT_EQ(his, mine);

    searchFrame.txtPesquisaNome->setText("Bia");
    QTest::mouseClick(searchFrame.cmdEnderecoPesquisar, Qt::LeftButton);
    EXPECT_EQ(exportAll(folder.path("lista.vcf"), 0).section('\n', 0, 0), "Contatos exportados: 1");
}

// A file that is no vCard or is damaged adds nothing and says why; a card with
// a large photo still goes in.
TEST_F(VCardPanel, DamagedFilesAddNothing) {
    const QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Primeiro\r\nEND:VCARD\r\n";
    const BadFile cases[] = {
        {"cortado.vcf", card + "BEGIN:VCARD\r\nFN:Segundo\r\nTEL:12",
         "termina no meio de um contato"},
        {"binario.vcf", card + QByteArray("\x00\x01\xFF\xFE:x\r\n", 7), "danificado na linha 5"},
        {"pagina.vcf", "<html><body>404</body></html>", "não é um arquivo de contatos vCard"},
        {"longa.vcf",
         card + "BEGIN:VCARD\r\nFN:Longo\r\nNOTE:" + QByteArray(100000, 'x') + "\r\nEND:VCARD\r\n",
         "NOTE da linha 7 passa de 64 KiB"},
        {"data.vcf", card + "BEGIN:VCARD\r\nFN:Data\r\nBDAY:1990-02-31\r\nEND:VCARD\r\n",
         "\"1990-02-31\" da linha 7 não é uma data válida"},
    };
    for (const auto& c : cases) {
        const QString shown = import(folder.write(c.name, c.bytes));
        EXPECT_TRUE(refusedWith(shown, c)) << shown.toStdString();
    }
    // A data file that refuses the write is told as every action tells it.
    app.ctx.db.dataFile().failWritesWith(SQLITE_FULL);
    EXPECT_EQ(import(folder.write("bom.vcf", card)),
              app.ctx.guard.textFor(DbError(SQLITE_FULL, {}, DbCause::DiskFull)));
    app.ctx.db.dataFile().failWritesWith(SQLITE_OK);
    EXPECT_EQ(app.count("Enderecos"), 0);
    EXPECT_EQ(app.count("Compromissos"), 0);
}

// What the boxes hold of values other programs write.
TEST(ContactValues, AsTheBoxesHoldThem) {
    const struct {
        contacts::BoxValue (*convert)(const QString&);
        const char* raw;
        const char* typed;
        bool lossy;
    } cases[] = {
        {contacts::phoneAsTyped, "+55-11-3333-4444", "11-3333-4444", false},
        {contacts::phoneAsTyped, "tel:+55 (11) 98765-4321;ext=2", "(11)98765-4321", false},
        {contacts::phoneAsTyped, "+351 21 000 0000", "00351-21-000-0000", false},
        {contacts::phoneAsTyped, "0800 FLORES", "0800", true},
        {contacts::postalCodeAsTyped, "01310-100", "01310-100", false},
        {contacts::postalCodeAsTyped, "SW1A 1AA", "11", true},
    };
    for (const auto& c : cases) {
        const contacts::BoxValue v = c.convert(c.raw);
        EXPECT_EQ(v.text, c.typed) << c.raw;
        EXPECT_EQ(v.lossy, c.lossy) << c.raw;
    }
    EXPECT_EQ(contacts::stateAsTyped(" sao  PAULO"), "SP");
    EXPECT_EQ(contacts::stateAsTyped("Ontario"), "Ontario");
}
