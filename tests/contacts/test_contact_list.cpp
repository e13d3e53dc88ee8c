#include "ContactTestData.h"

#include "contacts/ContactQuery.h"
#include "db/DbError.h"

using namespace orv;
using namespace orv::contacts;

namespace {

using ContactList = test::ContactBook;

QStringList letter(test::ContactBook& book, int index) {
    return book.names(ContactFilter::letter(index));
}

TEST_F(ContactList, LetterButtonsSelectByTheStoredInitial) {
    for (const char* name : {"Alberto", "ana", "Ágata", "007 Agente", "!sinal", "Bruno", "Wagner",
                             "Xavier", "xuxa", "Yara", "yuri", "Zeca", "zé"}) {
        save(ana, QString::fromUtf8(name));
    }
    // "0-9" compares the initial as stored: lower-case and accented initials land here.
    EXPECT_EQ(letter(*this, 0),
              QStringList({"!sinal", "007 Agente", "ana", "xuxa", "yuri", "zé", "Ágata"}));
    // The letters compare it upper-cased: "ana" is under "A" too, "Ágata" is not.
    EXPECT_EQ(letter(*this, 1), QStringList({"Alberto", "ana"}));
    EXPECT_EQ(letter(*this, 2), QStringList({"Bruno"}));
    EXPECT_EQ(letter(*this, 23), QStringList({"Wagner"}));
    // Upper and lower case sort together.
    EXPECT_EQ(letter(*this, 24), QStringList({"Xavier", "xuxa", "Yara", "yuri"}));
    EXPECT_EQ(letter(*this, 25), QStringList({"Zeca", "zé"}));
    EXPECT_TRUE(letter(*this, 3).isEmpty());
    EXPECT_EQ(letterCaption(0), "0-9");
    EXPECT_EQ(letterCaption(1), "A");
    EXPECT_EQ(letterCaption(23), "W");
    EXPECT_EQ(letterCaption(24), "X/Y");
    EXPECT_EQ(letterCaption(25), "Z");
    EXPECT_THROW(ContactFilter::letter(26), std::out_of_range);
    EXPECT_THROW(ContactFilter::letter(-1), std::out_of_range);

    // A name left empty by an old import neither breaks a letter query nor shows under one.
    app.ctx.db.executeSql("Insert into Enderecos(Usuario,Nome,Compartilhado) values (?,'','N')",
                          {ana});
    EXPECT_EQ(letter(*this, 0).size(), 7);
    EXPECT_EQ(names().size(), 14);
}

TEST_F(ContactList, SharedContactsOfOthersFollowTheSetting) {
    save(ana, "Bruno");
    save(ana, "Bela", true);       // her own shared contact
    save(beto, "Bia", true);       // shared by BETO
    save(beto, "Bernardo", false); // BETO's private contact
    const qint64 carla = app.addUser("carla");
    save(carla, "Bento", true);

    ASSERT_TRUE(app.ctx.settings.showShared);
    const auto list = rows(ContactFilter::letter(2));
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(list[0].nameCell, "    Bela");
    EXPECT_FALSE(list[0].sharedPicture);
    EXPECT_EQ(list[1].nameCell, "    Bento [carla]");
    EXPECT_TRUE(list[1].sharedPicture);
    EXPECT_EQ(list[2].nameCell, "    Bia [BETO]");
    EXPECT_TRUE(list[2].sharedPicture);
    EXPECT_EQ(list[3].nameCell, "    Bruno");
    EXPECT_FALSE(list[3].sharedPicture);

    app.ctx.settings.showShared = false;
    EXPECT_EQ(names(), QStringList({"Bela", "Bruno"}));

    // BETO sees ANA's shared contact with her login, never her private one.
    app.logOn(beto);
    EXPECT_EQ(names(), QStringList({"Bela [ANA]", "Bento [carla]", "Bernardo", "Bia"}));
}

TEST_F(ContactList, RowsCarryTheRecordAndTheVisibleColumns) {
    Contact full;
    full.name = "Marta";
    full.company = "Oficina";
    full.address = "Rua 1";
    full.city = "Recife";
    full.state = "PE";
    full.postalCode = "50000000";
    full.email = "marta@exemplo.com.br";
    full.homePhone = "(81) 1111";
    full.mobilePhone = "(81) 2222";
    full.businessPhone = "(81) 3333";
    full.birthday = "16/03";
    full.notes = "linha 1\nlinha 2";
    full.shared = true;
    full = save(ana, full);

    Contact mobileOnly;
    mobileOnly.name = "Nina";
    mobileOnly.mobilePhone = "9999";
    mobileOnly = save(ana, mobileOnly);

    Contact businessAndMobile;
    businessAndMobile.name = "Otto";
    businessAndMobile.businessPhone = "3333";
    businessAndMobile.mobilePhone = "9999";
    save(ana, businessAndMobile);
    save(ana, "Paulo");

    const auto list = rows();
    ASSERT_EQ(list.size(), 4);
    const ContactRow& m = list[0];
    EXPECT_EQ(m.record, QStringLiteral("%1\tS\t%2\tRua 1\tRecife\tPE\t50000000\t"
                                       "marta@exemplo.com.br\t(81) 1111\t(81) 2222\t(81) 3333\t"
                                       "16/03\tlinha 1\nlinha 2\t")
                            .arg(full.key)
                            .arg(full.birthdayKey));
    EXPECT_EQ(m.nameCell, "    Marta");
    EXPECT_FALSE(m.sharedPicture);
    EXPECT_EQ(m.phoneCell, "(81) 1111");
    EXPECT_EQ(m.companyCell, "  Oficina");
    EXPECT_EQ(m.birthdayCell, "16/03");

    // NULL fields are empty pieces; the company cell keeps its two blanks.
    EXPECT_EQ(list[1].record,
              QStringLiteral("%1\tN\t0\t\t\t\t\t\t\t9999\t\t\t\t").arg(mobileOnly.key));
    EXPECT_EQ(list[1].phoneCell, "9999");
    EXPECT_EQ(list[1].companyCell, "  ");
    EXPECT_EQ(list[1].birthdayCell, "");
    EXPECT_EQ(list[2].phoneCell, "3333");
    EXPECT_EQ(list[3].phoneCell, "");

    // The row click reads the detail form back from the record and the two cells.
    EXPECT_EQ(contactFromRow(m.record, m.nameCell, m.companyCell), full);

    const ContactRow& n = list[1];
    const Contact nina = contactFromRow(n.record, n.nameCell, n.companyCell);
    EXPECT_FALSE(nina.shared);
    EXPECT_EQ(nina.company, "");
    EXPECT_EQ(nina.mobilePhone, "9999");
    EXPECT_EQ(nina.birthdayKey, 0);
}

TEST_F(ContactList, TabsAndBackslashesInFieldsSurviveTheRowRecord) {
    Contact c;
    c.name = "Quito";
    c.address = "Av. A\\B";
    c.notes = "col1\tcol2\\t fim";
    c.birthday = "01/04";
    c = save(ana, c);
    const auto list = rows();
    ASSERT_EQ(list.size(), 1);
    const Contact back = contactFromRow(list[0].record, list[0].nameCell, list[0].companyCell);
    EXPECT_EQ(back.address, "Av. A\\B");
    EXPECT_EQ(back.notes, "col1\tcol2\\t fim");
    EXPECT_EQ(back.birthday, "01/04");
    EXPECT_EQ(back.birthdayKey, c.birthdayKey);
}

TEST_F(ContactList, SearchCombinesTrimmedBoxesAndBindsWhatWasTyped) {
    Contact a;
    a.name = "Alberto";
    a.company = "Padaria Central";
    a.homePhone = "3222-1000";
    save(ana, a);
    Contact b;
    b.name = "Roberta";
    b.company = "Central Elétrica";
    b.businessPhone = "3222-1001";
    b.email = "roberta@central.com.br";
    save(ana, b);
    Contact c;
    c.name = "Carlos";
    c.mobilePhone = "9322-1002";
    c.email = "carlos_99@exemplo.com.br";
    save(ana, c);
    Contact d;
    d.name = "D'Ávila";
    d.company = "100% Peças";
    save(ana, d);
    save(beto, "Bertoldo", true);

    auto search = [&](const QString& name, const QString& company, const QString& phone,
                      const QString& email) {
        return names(ContactFilter::search({name, company, phone, email}));
    };
    EXPECT_EQ(search("  bert  ", "", "", ""),
              QStringList({"Alberto", "Bertoldo [BETO]", "Roberta"}));
    EXPECT_EQ(search("", "central", "", ""), QStringList({"Alberto", "Roberta"}));
    EXPECT_EQ(search("bert", "central", "", ""), QStringList({"Alberto", "Roberta"}));
    EXPECT_EQ(search("bert", "padaria", "", ""), QStringList({"Alberto"}));
    // A phone matches home, business or mobile.
    EXPECT_EQ(search("", "", "22-100", ""), QStringList({"Alberto", "Carlos", "Roberta"}));
    EXPECT_EQ(search("", "", "1001", "roberta"), QStringList({"Roberta"}));
    EXPECT_EQ(search("", "", "1001", "carlos"), QStringList());
    // All boxes blank: the whole address book, as with no filter at all.
    EXPECT_TRUE(ContactFilter::search({" ", "", "  ", ""}).isEmpty());
    EXPECT_EQ(search(" ", "", "  ", ""), names());
    EXPECT_EQ(names().size(), 5);

    // Typed text is text: an apostrophe, a "%" and a "_" find themselves.
    EXPECT_EQ(search("D'Á", "", "", ""), QStringList({"D'Ávila"}));
    EXPECT_EQ(search("'", "", "", ""), QStringList({"D'Ávila"}));
    EXPECT_EQ(search("", "0%", "", ""), QStringList({"D'Ávila"}));
    EXPECT_EQ(search("", "", "", "_"), QStringList({"Carlos"}));
    const QString attack = "x' or '1'='1'); Drop Table Enderecos; --";
    EXPECT_EQ(search(attack, "", "", ""), QStringList());
    const BoundQuery q = contactQuery(ana, true, ContactFilter::search({attack, "", "", ""}));
    EXPECT_FALSE(q.sql.contains("Drop"));
    EXPECT_EQ(app.count("Enderecos"), 5);
}

TEST_F(ContactList, ThePrintedBookRunsTheSameQueryAsTheList) {
    save(ana, "Alberto");
    save(ana, "Bruno");
    save(beto, "Bia", true);
    const ContactFilter filter = ContactFilter::letter(2);
    RowSet report = runContactQuery(app.ctx.db, ana, app.ctx.settings.showShared, filter);
    ASSERT_EQ(report.recordCount(), 2);
    EXPECT_EQ(report.text("Nome"), "Bia");
    EXPECT_EQ(report.text("NomeUsuario"), "BETO");
    report.moveNext();
    EXPECT_EQ(report.text("Nome"), "Bruno");
    EXPECT_EQ(report.text("NomeUsuario"), "");
}

} // namespace
