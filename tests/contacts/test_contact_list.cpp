#include "ContactTestData.h"

#include "contacts/ContactQuery.h"
#include "db/DbError.h"

#include <algorithm>
#include <array>

using namespace orv;
using namespace orv::contacts;

namespace {

using ContactList = test::ContactBook;

QStringList letter(test::ContactBook& book, int index) {
    return book.names(ContactFilter::letter(index));
}

TEST_F(ContactList, LetterButtonsSelectByTheStoredInitial) {
    for (const char* name :
         {"Alberto", "ana", "Ágata", "007 Agente", "!sinal", "Bruno", "Wagner", "Xavier", "xuxa",
          "Yara", "yuri", "Zeca", "zé", "ßerg", "_nota", "~til"}) {
        save(ana, QString::fromUtf8(name));
    }
    // "0-9" compares the initial as stored: lower-case and accented initials land
    // here, listed as a Brazilian reader orders them (accents and case aside).
    EXPECT_EQ(letter(*this, 0), QStringList({"!sinal", "007 Agente", "_nota", "Ágata", "ana",
                                             "xuxa", "yuri", "zé", "~til", "ßerg"}));
    EXPECT_EQ(letter(*this, 19), QStringList({"ßerg"})) << "upper-cased, ß is SS";
    // The letters compare it upper-cased: "ana" is under "A" too, "Ágata" is not.
    EXPECT_EQ(letter(*this, 1), QStringList({"Alberto", "ana"}));
    // Upper and lower case sort together.
    EXPECT_EQ(letter(*this, 24), QStringList({"Xavier", "xuxa", "Yara", "yuri"}));
    EXPECT_EQ(letter(*this, 25), QStringList({"zé", "Zeca"}));
    EXPECT_THROW(ContactFilter::letter(26), std::out_of_range);
    EXPECT_THROW(ContactFilter::letter(-1), std::out_of_range);

    // A name left empty by an old import neither breaks a letter query nor shows under one.
    app.ctx.db.executeSql("Insert into Enderecos(Usuario,Nome,Compartilhado) values (?,'','N')",
                          {ana});
    EXPECT_EQ(letter(*this, 0).size(), 10);
    EXPECT_EQ(names().size(), 17);
}

// The buttons select ranges of the initial's code; they take exactly the
// characters whose upper case begins with the button's letter.
TEST(LetterInitials, AreTheCharactersWhoseUpperCaseBeginsWithTheLetter) {
    std::array<QVector<InitialRange>, kLetterCount> ranges;
    for (int i = 0; i < kLetterCount; ++i) {
        ranges[i] = letterInitials(i);
    }
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) {
            continue;
        }
        const QList<uint> upper = QString::fromUcs4(&c, 1).toUpper().toUcs4();
        const char32_t u = upper.isEmpty() ? 0 : upper.front();
        for (int i = 0; i < kLetterCount; ++i) {
            const bool wanted = i == 0    ? c < U'A' || c > U'Z'
                                : i == 24 ? u == U'X' || u == U'Y'
                                          : u == letterCaption(i).at(0).unicode();
            const bool listed = std::any_of(ranges[i].begin(), ranges[i].end(),
                                            [c](auto r) { return c >= r.first && c <= r.last; });
            ASSERT_EQ(listed, wanted) << "U+" << std::hex << unsigned(c) << " under " << i;
        }
    }
}

TEST_F(ContactList, SharedContactsOfOthersFollowTheSetting) {
    save(ana, "Bruno");
    save(ana, "Bela", true);       // her own shared contact
    save(beto, "Bia", true);       // shared by BETO
    save(beto, "Bernardo", false); // BETO's private contact
    const qint64 carla = app.addUser("carla");
    save(carla, "Bento", true);

    ASSERT_TRUE(app.ctx.settings.showShared);
    QStringList cells; // the name cell, and "*" for the shared picture
    for (const auto& r : rows(ContactFilter::letter(2))) {
        cells << r.nameCell + (r.sharedPicture ? "*" : "");
    }
    EXPECT_EQ(cells,
              QStringList({"    Bela", "    Bento [carla]*", "    Bia [BETO]*", "    Bruno"}));

    app.ctx.settings.showShared = false;
    EXPECT_EQ(names(), QStringList({"Bela", "Bruno"}));

    // BETO sees ANA's shared contact with her login, never her private one.
    app.logOn(beto);
    EXPECT_EQ(names(), QStringList({"Bela [ANA]", "Bento [carla]", "Bernardo", "Bia"}));
}

TEST_F(ContactList, RowsShowTheVisibleColumnsAndReadBackTheWholeContact) {
    const Contact full =
        save(ana, test::contact("Marta",
                                {{&Contact::company, "Oficina"},
                                 {&Contact::address, "Av. A\\B"},
                                 {&Contact::city, "Recife"},
                                 {&Contact::state, "PE"},
                                 {&Contact::postalCode, "50000000"},
                                 {&Contact::email, "marta@exemplo.com.br"},
                                 {&Contact::homePhone, "(81) 1111"},
                                 {&Contact::mobilePhone, "(81) 2222"},
                                 {&Contact::businessPhone, "(81) 3333"},
                                 {&Contact::birthday, "16/03"},
                                 {&Contact::notes, "linha 1\nlinha 2\tcol\\t fim"}},
                                true));
    const Contact mobileOnly = save(ana, test::contact("Nina", {{&Contact::mobilePhone, "9999"}}));
    save(ana, test::contact("Otto",
                            {{&Contact::businessPhone, "3333"}, {&Contact::mobilePhone, "9999"}}));
    save(ana, "Paulo");

    const auto list = rows();
    ASSERT_EQ(list.size(), 4);
    const ContactRow& m = list[0];
    EXPECT_EQ(m.nameCell, "    Marta");
    EXPECT_FALSE(m.sharedPicture);
    EXPECT_EQ(m.phoneCell, "(81) 1111");
    EXPECT_EQ(m.companyCell, "  Oficina");
    EXPECT_EQ(m.birthdayCell, "16/03");
    // The row click reads the detail form back from the record and the two cells,
    // tabs, backslashes and line breaks included.
    EXPECT_EQ(contactFromRow(m.record, m.nameCell, m.companyCell), full);

    // NULL fields are empty pieces; the company cell keeps its two blanks.
    const ContactRow& n = list[1];
    EXPECT_EQ(n.phoneCell, "9999");
    EXPECT_EQ(n.companyCell, "  ");
    EXPECT_EQ(n.birthdayCell, "");
    EXPECT_EQ(contactFromRow(n.record, n.nameCell, n.companyCell), mobileOnly);
    EXPECT_EQ(list[2].phoneCell, "3333");
    EXPECT_EQ(list[3].phoneCell, "");
}

TEST_F(ContactList, SearchCombinesTrimmedBoxesAndBindsWhatWasTyped) {
    save(ana, test::contact("Alberto", {{&Contact::company, "Padaria Central"},
                                        {&Contact::homePhone, "3222-1000"}}));
    save(ana, test::contact("Roberta", {{&Contact::company, "Central Elétrica"},
                                        {&Contact::businessPhone, "3222-1001"},
                                        {&Contact::email, "roberta@central.com.br"}}));
    save(ana, test::contact("Carlos", {{&Contact::mobilePhone, "9322-1002"},
                                       {&Contact::email, "carlos_99@exemplo.com.br"}}));
    save(ana, test::contact("D'Ávila", {{&Contact::company, "100% Peças"}}));
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

} // namespace
