#include "ContactTestData.h"

#include "appointments/AppointmentStore.h"
#include "contacts/ContactForm.h"
#include "db/DbError.h"

using namespace orv;
using namespace orv::contacts;

namespace {

using ContactSave = test::ContactBook;

Contact withBirthday(const QString& name, const char* birthday, bool shared = false) {
    return test::contact(name, {{&Contact::birthday, birthday}}, shared);
}

TEST(ContactForm, ChecksNameThenBirthdayAndFindsTheNextOne) {
    ContactCheck ok = checkContactForm("  joão da Silva  ", "15/03");
    EXPECT_TRUE(ok.ok());
    EXPECT_EQ(ok.name, "João da Silva");
    EXPECT_EQ(ok.birthday, "15/03");
    EXPECT_EQ(checkContactForm("ágata", "").name, "Ágata");
    EXPECT_EQ(checkContactForm("Davi", "").birthday, "");
    EXPECT_EQ(checkContactForm("Davi", "1/3").birthday, "01/03");

    const ContactCheck noName = checkContactForm("   ", "29/02");
    EXPECT_EQ(noName.message, "Informe o Nome do Contato!");
    EXPECT_EQ(noName.icon, msg::Serious);
    EXPECT_EQ(noName.focus, "txtDadosEndNome");

    for (const char* bad : {"29/02", "31/04", "32/01", "00/05", "15/13", "15-03", "1503", "15/",
                            "ab/cd", "15/03/2000"}) {
        const ContactCheck c = checkContactForm(" eva ", bad);
        EXPECT_EQ(c.message, "Informe o Aniversário em DD/MM!") << bad;
        EXPECT_EQ(c.icon, msg::Information);
        EXPECT_EQ(c.focus, "txtDadosEndAniversario");
        EXPECT_EQ(c.name, "Eva"); // the name box was already tidied
    }
    EXPECT_TRUE(checkContactForm("Eva", "28/02").ok());
    EXPECT_TRUE(checkContactForm("Eva", "31/12").ok());

    // The next birthday comes after today.
    const QDate march15(2026, 3, 15);
    // Today, tomorrow and yesterday are checked through the save below.
    EXPECT_EQ(nextBirthday("01/01", QDate(2026, 12, 31)), QDate(2027, 1, 1));
    EXPECT_FALSE(nextBirthday("", march15).isValid());
    EXPECT_FALSE(nextBirthday("31/04", march15).isValid());
    EXPECT_FALSE(nextBirthday("00/03", march15).isValid());

    // A 29/02 (refused by the form, but found in older data) waits for a leap year.
    EXPECT_EQ(nextBirthday("29/02", QDate(2027, 1, 1)), QDate(2028, 2, 29));
    EXPECT_EQ(nextBirthday("29/02", QDate(2028, 2, 28)), QDate(2028, 2, 29));
    EXPECT_EQ(nextBirthday("29/02", QDate(2028, 2, 29)), QDate(2032, 2, 29));
    EXPECT_EQ(nextBirthday("29/02", QDate(2096, 3, 1)), QDate(2104, 2, 29)); // 2100 is no leap year
}

TEST_F(ContactSave, WritesInsideTheCallersTransactionStandOrFallTogether) {
    Contact leap = withBirthday("Bissexto", "29/02");
    Contact plain = withBirthday("Comum", "20/03");
    {
        Transaction t(app.ctx.db);
        writeContact(app.ctx.db, ana, app.clock.today(), leap);
        writeContact(app.ctx.db, ana, app.clock.today(), plain);
        EXPECT_NE(leap.key, 0);
        EXPECT_NE(plain.birthdayKey, 0);
        // A save of its own cannot open a second transaction inside this one.
        Contact nested = withBirthday("Dentro", "01/05");
        EXPECT_THROW(saveContact(app.ctx.db, ana, app.clock.today(), nested), DbError);
    } // not committed; the imports' tests see what a committed one keeps
    EXPECT_EQ(app.count("Enderecos"), 0);
    EXPECT_EQ(app.count("Compromissos"), 0);
}

TEST_F(ContactSave, NewContactsGetTheirBirthdayOnTheNextOccurrence) {
    ASSERT_EQ(app.clock.today(), QDate(2026, 3, 15));
    const Contact today = save(ana, withBirthday("Hoje", "15/03", true));
    const Contact tomorrow = save(ana, withBirthday("Amanhã", "16/03"));
    const Contact yesterday = save(ana, withBirthday("Ontem", "14/03"));
    const Contact none = save(ana, "Sem Data");
    // A day and month that no year has get no appointment, but the text is not lost.
    const Contact unreadable = save(ana, withBirthday("Leo", "31/04"));
    EXPECT_EQ(unreadable.birthdayKey, 0);
    EXPECT_EQ(contactRow(unreadable.key).text("Aniversario"), "31/04");

    const QString columns = "Chave Usuario Data Hora HoraFim Compromisso ChavePai Status "
                            "Compartilhado";
    const auto birthday = [&](const Contact& c, const char* rest) {
        return QStringLiteral("%1|%2|%3").arg(c.birthdayKey).arg(ana).arg(rest);
    };
    EXPECT_EQ(test::allFields(appointments(), columns),
              (QStringList{birthday(today, "2027-03-15|null|null|Aniversário Hoje|0|2|S"),
                           birthday(tomorrow, "2026-03-16|null|null|Aniversário Amanhã|0|2|N"),
                           birthday(yesterday, "2027-03-14|null|null|Aniversário Ontem|0|2|N")}));

    // The contact row keeps the appointment's key; empty optional fields are NULL.
    const QString contact = "Usuario Nome Aniversario Compartilhado ChaveAniversario Empresa "
                            "Endereco Cidade Estado Cep Email FoneRes FoneCel FoneCom Observacao";
    EXPECT_EQ(test::fields(contactRow(today.key), contact),
              QStringLiteral("%1|Hoje|15/03|S|%2").arg(ana).arg(today.birthdayKey) +
                  QString("|null").repeated(10));
    EXPECT_EQ(test::fields(contactRow(none.key), "Aniversario ChaveAniversario"), "null|0");
    EXPECT_EQ(none.birthdayKey, 0);
}

TEST_F(ContactSave, ApostrophesGoEverywhereAndComeBack) {
    Contact c = save(ana, test::contact("D'Ávila",
                                        {{&Contact::company, "Pão d'Açúcar"},
                                         {&Contact::address, "Rua d'Ajuda"},
                                         {&Contact::city, "Sant'Ana"},
                                         {&Contact::state, "'S"},
                                         {&Contact::postalCode, "'1"},
                                         {&Contact::email, "o'neil@x.com"},
                                         {&Contact::homePhone, "'1"},
                                         {&Contact::mobilePhone, "'2"},
                                         {&Contact::businessPhone, "'3"},
                                         {&Contact::birthday, "20/03"},
                                         {&Contact::notes, "it's 'quoted'"}},
                                        true));
    EXPECT_EQ(appointments().text("Compromisso"), "Aniversário D'Ávila");

    const auto list = rows(ContactFilter::search({"'", "d'a", "'2", "o'n"}));
    ASSERT_EQ(list.size(), 1);
    Contact back = contactFromRow(list[0].record, list[0].nameCell, list[0].companyCell);
    EXPECT_EQ(back, c);

    // Saved again as read back, it stays the same contact with the same appointment.
    back.name = "D'Ávila d'Ouro";
    save(ana, back);
    EXPECT_EQ(app.count("Enderecos"), 1);
    EXPECT_EQ(app.count("Compromissos"), 1);
    EXPECT_EQ(contactRow(c.key).text("Nome"), "D'Ávila d'Ouro");
    EXPECT_EQ(appointments().text("Compromisso"), "Aniversário D'Ávila d'Ouro");
}

TEST_F(ContactSave, TheAppointmentFollowsItsContact) {
    Contact c = save(ana, withBirthday("Lia", "16/03", true));
    const qint64 firstKey = c.birthdayKey;

    // Rename and unshare, a week later: the appointment is renamed, made private
    // and moved to the next occurrence.
    app.clock.set(QDateTime(QDate(2026, 3, 22), QTime(10, 0)));
    c.name = "Lia Souza";
    c.shared = false;
    c = save(ana, c);
    EXPECT_EQ(c.birthdayKey, firstKey);
    EXPECT_EQ(test::allFields(appointments(), "Compromisso Compartilhado Data"),
              QStringList{"Aniversário Lia Souza|N|2027-03-16"});

    // Emptying the birthday deletes the appointment and stores 0.
    c.birthday.clear();
    c = save(ana, c);
    EXPECT_EQ(c.birthdayKey, 0);
    EXPECT_EQ(app.count("Compromissos"), 0);
    EXPECT_EQ(contactRow(c.key).integer("ChaveAniversario"), 0);
    EXPECT_TRUE(contactRow(c.key).isNull("Aniversario"));

    // A birthday given later creates a new appointment.
    c.birthday = "01/05";
    c = save(ana, c);
    EXPECT_NE(c.birthdayKey, 0);
    EXPECT_NE(c.birthdayKey, firstKey);
    EXPECT_EQ(appointments().date("Data"), QDate(2026, 5, 1));
    EXPECT_EQ(contactRow(c.key).integer("ChaveAniversario"), c.birthdayKey);

    // A birthday deleted from its reminder is not brought back by the next save.
    const qint64 key = c.birthdayKey;
    appointments::deleteAppointment(app.ctx.db, ana, key);
    c.name = "Lia Lima";
    c = save(ana, c);
    EXPECT_EQ(app.count("Compromissos"), 0);
    EXPECT_EQ(c.birthdayKey, key);
    EXPECT_EQ(contactRow(c.key).integer("ChaveAniversario"), key);
    EXPECT_EQ(contactRow(c.key).text("Nome"), "Lia Lima");
}

TEST_F(ContactSave, AnotherUsersAppointmentIsNeverTouched) {
    const Contact b = save(beto, withBirthday("Téo", "10/04"));
    // A forged key of BETO's appointment in ANA's contact changes nothing of his.
    Contact forged = save(ana, "Ugo");
    forged.birthdayKey = b.birthdayKey;
    forged.birthday = "11/11";
    save(ana, forged);
    EXPECT_EQ(test::fields(appointments(), "Usuario Compromisso"),
              QString::number(beto) + "|Aniversário Téo");
    forged.birthday.clear();
    save(ana, forged);
    deleteContact(app.ctx.db, ana, forged.key, b.birthdayKey);
    EXPECT_EQ(app.count("Compromissos"), 1);
    // Nor is his contact.
    deleteContact(app.ctx.db, ana, b.key, 0);
    EXPECT_EQ(app.count("Enderecos"), 1);
}

TEST_F(ContactSave, AFailedContactWriteLeavesNoAppointmentBehind) {
    app.ctx.db.executeSql("Create Trigger falha_insert Before Insert On Enderecos "
                          "When NEW.Nome = 'Falha' Begin Select Raise(Abort, 'falhou'); End");
    app.ctx.db.executeSql("Create Trigger falha_update Before Update On Enderecos "
                          "When NEW.Nome = 'Falha' Begin Select Raise(Abort, 'falhou'); End");
    Contact c = withBirthday("Falha", "20/03");
    EXPECT_THROW(save(ana, c), DbError);
    EXPECT_EQ(app.count("Compromissos"), 0);
    EXPECT_EQ(app.count("Enderecos"), 0);

    // An existing contact: neither the new date and name nor the deletion of its
    // appointment survive a failed update.
    Contact ok = save(ana, withBirthday("Vera", "20/03"));
    Contact failing = ok;
    failing.name = "Falha";
    failing.birthday = "25/12";
    EXPECT_THROW(saveContact(app.ctx.db, ana, app.clock.today(), failing), DbError);
    EXPECT_EQ(failing.birthdayKey, ok.birthdayKey);
    EXPECT_EQ(test::allFields(appointments(), "Compromisso Data"),
              QStringList{"Aniversário Vera|2026-03-20"});
    failing.birthday.clear();
    EXPECT_THROW(saveContact(app.ctx.db, ana, app.clock.today(), failing), DbError);
    EXPECT_EQ(app.count("Compromissos"), 1);

    // The data file is free again for the next save.
    ok.birthday = "21/03";
    ok = save(ana, ok);
    EXPECT_EQ(appointments().date("Data"), QDate(2026, 3, 21));
}

TEST_F(ContactSave, DeleteTakesTheBirthdayAlong) {
    const Contact with = save(ana, withBirthday("Ivo", "10/04"));
    const Contact without = save(ana, "Ema");
    const qint64 otherKey = appointments::insertAppointment(
        app.ctx.db, ana, {.day = QDate(2026, 4, 10), .start = {}, .end = {}, .text = "Dentista"});

    deleteContact(app.ctx.db, ana, without.key, without.birthdayKey);
    EXPECT_EQ(app.count("Enderecos"), 1);
    EXPECT_EQ(app.count("Compromissos"), 2);

    deleteContact(app.ctx.db, ana, with.key, with.birthdayKey);
    EXPECT_EQ(app.count("Enderecos"), 0);
    EXPECT_EQ(test::allFields(appointments(), "Chave"), QStringList{QString::number(otherKey)});
}

} // namespace
