#include "datafixture.h"
#include "formdriver.h"
#include "scriptedui.h"

#include "data/table.h"
#include "employer/employerform.h"
#include "employer/employerpage.h"
#include "employer/employerrecords.h"
#include "widgets/captionlabel.h"
#include "widgets/datepicker.h"
#include "widgets/fieldedit.h"
#include "widgets/picklist.h"
#include "widgets/tablegrid.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The "Organisme" page driven as a clerk would: entries created, checked, saved, modified,
// cancelled and deleted, the list and the pick lists.
class TestEmployerPage : public QObject
{
    Q_OBJECT

private:
    struct Page
    {
        DataFixture fx;
        ScriptedUi ui;
        EmployerPage page { &fx.data(), ui };
        EmployerForm *form() { return page.form(); }
        Table *employers() { return fx.data().employeur(); }
        Table *contacts() { return fx.data().contact(); }
        QPushButton *button(const char *name)
        {
            return page.findChild<QPushButton *>(QString::fromLatin1(name));
        }
        bool enabled(const char *name) { return button(name)->isEnabled(); }
        // The clerk clicks a button of the page.
        void click(const char *name)
        {
            QPushButton *pressed = button(name);
            QVERIFY2(pressed && pressed->isEnabled(), name);
            QTest::mouseClick(pressed, Qt::LeftButton);
        }
    };

    static void enter(EmployerForm *form, const QString &field, const QString &text)
    {
        FormDriver::enter(form, field, text);
    }

    static const QStringList &mandatoryFields()
    {
        static const QStringList fields { "Tel", "Projet", "Nom_c", "Prenom_c", "date_nais_c", "Lieu_nais_c",
            "Poste", "Nom_orga", "Monsieur", "Agissant", "Adrs_orga", "Nation_orga", "Lieu_emploi_orga",
            "Nom_raison_sc_orga", "Statut_juridique", "secteur_juridique", "droit_applicable",
            "date_installation", "activite_principal", "Num_registre", "date_registre", "Num_SS",
            "Num_fiscal", "Nb_et", "Nb_al" };
        return fields;
    }

    // Fills every mandatory field but those listed.
    static void fillEntry(EmployerForm *form, const QString &name, const QStringList &except = {})
    {
        for (const QString &field : mandatoryFields()) {
            if (except.contains(field))
                continue;
            if (field == QLatin1String("Nom_orga"))
                enter(form, field, name);
            else if (form->datePicker(field))
                enter(form, field, QStringLiteral("01/03/2015"));
            else if (field.startsWith(QLatin1String("Nb_")))
                enter(form, field, QStringLiteral("3"));
            else
                enter(form, field, QStringLiteral("X"));
        }
    }

    static void addEntry(Page &p, const QString &name)
    {
        p.click("BitBtn1");
        fillEntry(p.form(), name);
        p.click("BitBtn2");
        QCOMPARE(p.ui.errors, QStringList());
    }

    static void addWorker(Page &p, int number, const QString &employer)
    {
        QVERIFY(DataFixture::add(p.fx.data().expatries(),
            { { QStringLiteral("Num_Ordre"), number }, { QStringLiteral("Nom_orga"), employer } }));
    }

private slots:
    void pickListsHoldTheirEntries_data();
    void pickListsHoldTheirEntries();
    void checkMarksEmptyFields_data();
    void checkMarksEmptyFields();
    void markClearedOnceFilled();
    void saveTrimsNameAndStoresThePair();
    void refusedSaveStoresNothing_data();
    void refusedSaveStoresNothing();
    void total_data();
    void total();
    void refusedCounts_data();
    void refusedCounts();
    void datePutInAtOnce_data();
    void datePutInAtOnce();
    void capitalsTypedIntoPickLists();
    void apostropheFilterOnlyOnName();
    void newEntryCarriesTheChoicesOver();
    void modify_data();
    void modify();
    void renameKeepsWorkersAndPosts();
    void anotherCopyWroteTheEntry_data();
    void anotherCopyWroteTheEntry();
    void deleteAnsweredNo();
    void deleteAnsweredYes();
    void deleteRefusedWithWorkers();
    void deleteOnEmptyTableIsIgnored();
    void cancelAfterNewOnEmptyTable();
    void listClickPairsAndLoads();
    void listClickIgnoredDuringEntry();
    void activationPairsFirstEntry();
};

void TestEmployerPage::pickListsHoldTheirEntries_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("holds");
    QTest::newRow("nationalities") << "Nation_orga"
                                   << "ComboBox14" << 196 << "AFGHANE"
                                   << "ZIMBABWEENNE"
                                   << "AZERBAÏDJANAISE";
    QTest::newRow("natures of activity")
        << "activite_principal"
        << "ComboBox18" << 63 << "CULTURE ET PRODUCTION ANIMALE ET ACTIVIS DE SERVICES CONNEXES"
        << "AUTRES SERVICES"
        << "ACTIVITES CRÉATIVES, ARTS ET SPECTACLES ET AUTRES ACTIVITES CULTURELLES";
    QTest::newRow("branches") << "Nom_raison_sc_orga"
                              << "ComboBox1" << 4 << "AGRICULTURE"
                              << "SERVICES"
                              << "B.T.P.H";
    QTest::newRow("legal statuses") << "Statut_juridique"
                                    << "ComboBox15" << 8 << "EPIC"
                                    << "S ANONYME"
                                    << "PERSONNE PHYSIQUE";
    QTest::newRow("legal sectors") << "secteur_juridique"
                                   << "ComboBox16" << 5 << "PUBLIC NATIONAL"
                                   << "MIXTE"
                                   << "PRIVE ETRANGER";
    QTest::newRow("applicable laws") << "droit_applicable"
                                     << "ComboBox17" << 2 << "DROIT ALGERIEN"
                                     << "DROIT ETRANGER"
                                     << "DROIT ETRANGER";
    QTest::newRow("works durations") << "duree_travaux"
                                     << "ComboBox19" << 80 << "1"
                                     << "80"
                                     << "44";
    QTest::newRow("works progress, the unit after the blank") << "degre"
                                                              << "ComboBox3" << 102 << "0"
                                                              << " (%)"
                                                              << "100";
}

// Each pick list offers its whole list, as written, under its object name.
void TestEmployerPage::pickListsHoldTheirEntries()
{
    QFETCH(QString, field);
    QFETCH(QString, name);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, holds);
    Page p;
    PickList *list = p.form()->pickList(field);
    QVERIFY(list);
    QCOMPARE(list->objectName(), name);
    QCOMPARE(p.page.findChild<PickList *>(name), list);
    QCOMPARE(list->count(), count);
    QCOMPARE(list->itemText(0), first);
    QCOMPARE(list->itemText(count - 1), last);
    QVERIFY(list->findText(holds) >= 0);
}

void TestEmployerPage::checkMarksEmptyFields_data()
{
    QTest::addColumn<QStringList>("empty");
    // The object that holds the focus after the check: the input sent to, else the ENREGISTRER
    // button the clerk clicked.
    QTest::addColumn<QString>("focus");
    QTest::newRow("telephone only") << QStringList { "Tel" } << "edit_Tel";
    QTest::newRow("project only") << QStringList { "Projet" } << "edit_Projet";
    QTest::newRow("surname and tax number") << QStringList { "Nom_c", "Num_fiscal" } << "edit_Num_fiscal";
    QTest::newRow("place of employment only") << QStringList { "Lieu_emploi_orga" } << "BitBtn2";
    QTest::newRow("status pick list") << QStringList { "Statut_juridique" } << "ComboBox15";
    QTest::newRow("birth date picker and a count")
        << QStringList { "date_nais_c", "Nb_al" } << "DateTimePicker15";
}

void TestEmployerPage::checkMarksEmptyFields()
{
    QFETCH(QStringList, empty);
    QFETCH(QString, focus);
    Page p;
    p.click("BitBtn1");
    fillEntry(p.form(), QStringLiteral("ENTREPRISE"), empty);
    p.click("BitBtn2");
    QCOMPARE(p.ui.messages,
        QStringList {
            "Ces informations sont obligatoires, Merci de remplir tous les informations nécessaires !" });
    for (const QString &field : mandatoryFields())
        QCOMPARE(p.form()->caption(field)->isMarked(), empty.contains(field));
    QWidget *after = p.page.focusWidget();
    QCOMPARE(after ? after->objectName() : QString(), focus);
    QVERIFY(p.page.isEntryOpen());
    QVERIFY(p.enabled("BitBtn2"));
    QCOMPARE(p.employers()->rowCount(), 0);
    QCOMPARE(p.contacts()->rowCount(), 0);
}

void TestEmployerPage::markClearedOnceFilled()
{
    Page p;
    p.click("BitBtn1");
    fillEntry(p.form(), QStringLiteral("ENTREPRISE"), { "Tel" });
    p.click("BitBtn2");
    QVERIFY(p.form()->caption(QStringLiteral("Tel"))->isMarked());
    enter(p.form(), QStringLiteral("Tel"), QStringLiteral("021"));
    p.click("BitBtn2");
    QVERIFY(!p.form()->caption(QStringLiteral("Tel"))->isMarked());
    QCOMPARE(p.employers()->rowCount(), 1);
}

void TestEmployerPage::saveTrimsNameAndStoresThePair()
{
    Page p;
    p.click("BitBtn1");
    QVERIFY(!p.enabled("BitBtn1") && p.enabled("BitBtn2") && !p.enabled("BitBtn3") && p.enabled("BitBtn4")
        && !p.enabled("BitBtn5") && !p.enabled("BitBtn19"));
    fillEntry(p.form(), QStringLiteral("  SARL ALPHA  "));
    p.click("BitBtn2");
    QCOMPARE(p.ui.messages, QStringList { "Tous les informations sont enregistrer avec succes !" });
    QCOMPARE(p.employers()->rowCount(), 1);
    QCOMPARE(p.employers()->text(QStringLiteral("Nom_orga")), QStringLiteral("SARL ALPHA"));
    QCOMPARE(p.contacts()->rowCount(), 1);
    QCOMPARE(p.contacts()->text(QStringLiteral("nom_orga")), QStringLiteral("SARL ALPHA"));
    QCOMPARE(p.contacts()->value(QStringLiteral("date_nais_c")).toDate(), QDate(2015, 3, 1));
    QVERIFY(p.enabled("BitBtn1") && !p.enabled("BitBtn2") && p.enabled("BitBtn3") && !p.enabled("BitBtn4")
        && p.enabled("BitBtn5") && p.enabled("BitBtn19"));
    QVERIFY(!p.form()->nameEdit()->isEnabled());
    QVERIFY(!p.employers()->isFiltered() && !p.contacts()->isFiltered());
}

void TestEmployerPage::refusedSaveStoresNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("errorPart");
    QTest::newRow("name of blanks") << "   "
                                    << "Nom_orga";
    QTest::newRow("name already used") << "SARL ALPHA"
                                       << "SARL ALPHA";
}

void TestEmployerPage::refusedSaveStoresNothing()
{
    QFETCH(QString, name);
    QFETCH(QString, errorPart);
    Page p;
    addEntry(p, QStringLiteral("SARL ALPHA"));
    p.ui.messages.clear();
    p.click("BitBtn1");
    fillEntry(p.form(), name);
    enter(p.form(), QStringLiteral("Projet"), QStringLiteral("PROJET TAPE"));
    p.click("BitBtn2");
    QCOMPARE(p.ui.messages, QStringList());
    QCOMPARE(p.ui.errors.size(), 1);
    QVERIFY2(p.ui.errors.first().contains(errorPart), qPrintable(p.ui.errors.first()));
    // Neither row stored; the entry stays open with what was typed.
    p.contacts()->setFiltered(false);
    QCOMPARE(p.employers()->rowCount(), 1);
    QCOMPARE(p.contacts()->rowCount(), 1);
    QVERIFY(p.page.isEntryOpen());
    QVERIFY(p.employers()->isEditing() && p.contacts()->isEditing());
    QCOMPARE(p.form()->typedField(QStringLiteral("Projet"))->text(), QStringLiteral("PROJET TAPE"));
    // Corrected, it saves.
    enter(p.form(), QStringLiteral("Nom_orga"), QStringLiteral("SARL BETA"));
    p.click("BitBtn2");
    QCOMPARE(p.employers()->rowCount(), 2);
    QCOMPARE(p.contacts()->rowCount(), 2);
}

void TestEmployerPage::total_data()
{
    QTest::addColumn<QString>("foreign");
    QTest::addColumn<QString>("algerian");
    QTest::addColumn<QString>("total");
    QTest::newRow("both") << "12"
                          << "30"
                          << "42";
    QTest::newRow("algerian emptied") << "12"
                                      << ""
                                      << "12";
    QTest::newRow("foreign emptied") << ""
                                     << "7"
                                     << "7";
    QTest::newRow("both emptied") << ""
                                  << ""
                                  << "0";
}

void TestEmployerPage::total()
{
    QFETCH(QString, foreign);
    QFETCH(QString, algerian);
    QFETCH(QString, total);
    Page p;
    p.click("BitBtn1");
    enter(p.form(), QStringLiteral("Nb_et"), QStringLiteral("5"));
    enter(p.form(), QStringLiteral("Nb_al"), QStringLiteral("5"));
    enter(p.form(), QStringLiteral("Nb_et"), foreign);
    enter(p.form(), QStringLiteral("Nb_al"), algerian);
    QCOMPARE(p.form()->typedField(QStringLiteral("Nb_t"))->text(), total);
    QCOMPARE(p.employers()->text(QStringLiteral("Nb_t")), total);
    QVERIFY(!p.form()->typedField(QStringLiteral("Nb_t"))->isEnabled());
}

void TestEmployerPage::refusedCounts_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("caption");
    QTest::newRow("decimal point") << "Nb_et"
                                   << "2.5"
                                   << "TRAVAILLEURS ÉTRANGERS";
    QTest::newRow("letters") << "Nb_al"
                             << "abc"
                             << "TRAVAILLEURS ALGÉRIENS";
    QTest::newRow("below zero") << "Nb_et"
                                << "-1"
                                << "TRAVAILLEURS ÉTRANGERS";
    QTest::newRow("duration of the works below zero") << "duree_travaux"
                                                      << "-3"
                                                      << "DURÉE DES TRAVAUX";
}

// A count the field cannot take is kept as typed, named on leaving and at the save, never stored
// as another number; the total stays blank meanwhile.
void TestEmployerPage::refusedCounts()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, caption);
    Page p;
    p.click("BitBtn1");
    fillEntry(p.form(), QStringLiteral("SARL ALPHA"));
    enter(p.form(), field, typed);
    QWidget *input = p.form()->inputOf(field);
    FormDriver::leave(input);
    QCOMPARE(p.ui.messages.size(), 1);
    const QString message = p.ui.messages.first();
    QVERIFY2(message.contains(QStringLiteral("« %1 »").arg(typed))
            && message.contains(QStringLiteral("« %1 »").arg(caption)),
        qPrintable(message));
    if (field.startsWith(QLatin1String("Nb_")))
        QCOMPARE(p.form()->typedField(QStringLiteral("Nb_t"))->text(), QString());
    p.click("BitBtn2");
    QCOMPARE(p.ui.messages, (QStringList { message, message }));
    QCOMPARE(p.employers()->rowCount(), 0);
    QVERIFY(p.page.isEntryOpen());
    QCOMPARE(p.form()->typedField(field)->text(), typed);
}

// Keys typed into a capitals list reach it, not its edit: they show and are stored in capitals.
void TestEmployerPage::datePutInAtOnce_data()
{
    FormDriver::addTextsThatAreNoDate();
}

// A text that is no date, pasted or set by a screen reader into a picker of a saved entry, is
// refused by the picker's caption: nothing is saved, and the picker shows the date its field holds.
void TestEmployerPage::datePutInAtOnce()
{
    QFETCH(QString, typed);
    Page p;
    addEntry(p, QStringLiteral("SARL ALPHA"));
    p.click("BitBtn3");
    DatePicker *picker = p.form()->datePicker(QStringLiteral("date_registre"));
    FormDriver::putDateText(picker, typed);
    QCOMPARE(picker->date(), QDate(2015, 3, 1));
    p.ui.messages.clear();
    p.click("BitBtn2");
    QCOMPARE(p.ui.messages.size(), 1);
    QVERIFY2(p.ui.messages.first().contains(QStringLiteral("« %1 »").arg(typed))
            && p.ui.messages.first().contains(QStringLiteral("« DÉLIVRÉ LE : »")),
        qPrintable(p.ui.messages.first()));
    QVERIFY(p.page.isEntryOpen());
    QCOMPARE(p.contacts()->text(QStringLiteral("date_registre")), QStringLiteral("01/03/2015"));
    QCOMPARE(picker->text(), QStringLiteral("01/03/2015"));
    // The date the field holds is what the next save stores.
    p.click("BitBtn2");
    QCOMPARE(p.ui.messages.last(), QStringLiteral("Tous les informations sont enregistrer avec succes !"));
    p.fx.data().contact()->reload();
    QCOMPARE(p.contacts()->text(QStringLiteral("date_registre")), QStringLiteral("01/03/2015"));
}

void TestEmployerPage::capitalsTypedIntoPickLists()
{
    Page p;
    p.click("BitBtn1");
    for (const char *field : { "Statut_juridique", "secteur_juridique" }) {
        PickList *list = p.form()->pickList(QString::fromLatin1(field));
        QTest::keyClicks(list, QStringLiteral("prive"));
        QCOMPARE(list->currentText(), QStringLiteral("PRIVE"));
        QCOMPARE(list->target()->table()->text(QString::fromLatin1(field)), QStringLiteral("PRIVE"));
    }
}

void TestEmployerPage::apostropheFilterOnlyOnName()
{
    Page p;
    p.click("BitBtn1");
    enter(p.form(), QStringLiteral("Nom_orga"), QStringLiteral("l'alpha"));
    enter(p.form(), QStringLiteral("Projet"), QStringLiteral("l'usine"));
    enter(p.form(), QStringLiteral("Nation_orga"), QStringLiteral("Francaise "));
    enter(p.form(), QStringLiteral("Statut_juridique"), QStringLiteral("sarl "));
    QCOMPARE(p.form()->nameEdit()->text(), QStringLiteral("L ALPHA"));
    QCOMPARE(p.contacts()->text(QStringLiteral("Projet")), QStringLiteral("L'USINE"));
    QCOMPARE(p.employers()->text(QStringLiteral("Nation_orga")), QStringLiteral("Francaise "));
    QCOMPARE(p.employers()->text(QStringLiteral("Statut_juridique")), QStringLiteral("SARL "));
}

void TestEmployerPage::newEntryCarriesTheChoicesOver()
{
    // NOUVEAU keeps what the lists and pickers show, and the new entry holds it: screen and row agree.
    Page p;
    addEntry(p, QStringLiteral("SARL ALPHA"));
    p.ui.messages.clear();
    p.click("BitBtn1");
    QCOMPARE(p.form()->pickList(QStringLiteral("Statut_juridique"))->currentText(), QStringLiteral("X"));
    QCOMPARE(p.employers()->text(QStringLiteral("Statut_juridique")), QStringLiteral("X"));
    QCOMPARE(p.contacts()->text(QStringLiteral("date_installation")), QStringLiteral("01/03/2015"));
    QVERIFY(!p.form()->datePicker(QStringLiteral("date_installation"))->isBlank());
    // A choice the user clears is blank on screen and in the row, and the save names it.
    fillEntry(p.form(), QStringLiteral("SARL BETA"), { "Statut_juridique" });
    enter(p.form(), QStringLiteral("Statut_juridique"), QString());
    QCOMPARE(p.employers()->text(QStringLiteral("Statut_juridique")), QString());
    p.click("BitBtn2");
    QVERIFY(p.form()->caption(QStringLiteral("Statut_juridique"))->isMarked());
    QCOMPARE(p.employers()->rowCount(), 1);
}

void TestEmployerPage::modify_data()
{
    QTest::addColumn<int>("workersOfEntry");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("three workers")
        << 3 << QStringList { "existe 3 expatrie(s) enregistrer sous l'employeur et le projet SARL ALPHA " };
    QTest::newRow("no worker") << 0 << QStringList();
}

void TestEmployerPage::modify()
{
    QFETCH(int, workersOfEntry);
    QFETCH(QStringList, messages);
    Page p;
    addEntry(p, QStringLiteral("SARL ALPHA"));
    p.ui.messages.clear();
    for (int i = 1; i <= workersOfEntry; ++i)
        addWorker(p, i, QStringLiteral("SARL ALPHA"));
    addWorker(p, 10, QStringLiteral("AUTRE"));
    p.click("BitBtn3");
    QCOMPARE(p.ui.messages, messages);
    QCOMPARE(p.fx.data().expatries()->rowCount(), workersOfEntry);
    QVERIFY(p.page.isEntryOpen());
    QVERIFY(p.form()->nameEdit()->isEnabled());
    QCOMPARE(p.form()->pickList(QStringLiteral("Nation_orga"))->currentText(), QStringLiteral("X"));
    QCOMPARE(p.form()->datePicker(QStringLiteral("date_installation"))->date(), QDate(2015, 3, 1));
}

void TestEmployerPage::renameKeepsWorkersAndPosts()
{
    Page p;
    addEntry(p, QStringLiteral("ANCIEN"));
    addWorker(p, 1, QStringLiteral("ANCIEN"));
    QVERIFY(DataFixture::add(p.fx.data().accord(),
        { { QStringLiteral("Num"), 1 }, { QStringLiteral("nom_orga"), QStringLiteral("ANCIEN") } }));
    p.click("BitBtn3");
    enter(p.form(), QStringLiteral("Nom_orga"), QStringLiteral("NOUVEAU"));
    p.click("BitBtn2");
    QCOMPARE(p.ui.errors, QStringList());
    QCOMPARE(p.employers()->text(QStringLiteral("Nom_orga")), QStringLiteral("NOUVEAU"));
    QCOMPARE(p.contacts()->rowCount(), 1);
    QCOMPARE(p.contacts()->text(QStringLiteral("nom_orga")), QStringLiteral("NOUVEAU"));
    QCOMPARE(p.fx.data().expatries()->text(QStringLiteral("Nom_orga")), QStringLiteral("ANCIEN"));
    QCOMPARE(p.fx.data().accord()->text(QStringLiteral("nom_orga")), QStringLiteral("ANCIEN"));
}

void TestEmployerPage::anotherCopyWroteTheEntry_data()
{
    // Clerk A has MODIFIER open on an entry while clerk B, in another copy, changes or deletes it.
    QTest::addColumn<QString>("byB");
    QTest::addColumn<bool>("reload");
    QTest::addColumn<QString>("messagePart");
    QTest::newRow("phone changed, entry kept") << "phone" << false
                                               << "a modifié l'enregistrement « SARL ALPHA » de la table "
                                                  "contact depuis que vous l'avez ouvert (champ : « TÉL »)";
    QTest::newRow("phone changed, reloaded") << "phone" << true
                                             << "a modifié l'enregistrement « SARL ALPHA » de la table "
                                                "contact depuis que vous l'avez ouvert (champ : « TÉL »)";
    QTest::newRow("entry deleted") << "delete" << false
                                   << "a supprimé l'enregistrement « SARL ALPHA » de la table contact";
}

void TestEmployerPage::anotherCopyWroteTheEntry()
{
    QFETCH(QString, byB);
    QFETCH(bool, reload);
    QFETCH(QString, messagePart);
    Page p;
    addEntry(p, QStringLiteral("SARL ALPHA"));
    p.ui.messages.clear();
    DataModule copyB;
    QVERIFY(Activation::run(copyB, p.fx.base()).ok);
    p.click("BitBtn3");
    enter(p.form(), QStringLiteral("Adrs_orga"), QStringLiteral("RUE DE A"));
    if (byB == QLatin1String("delete")) {
        EmployerRecords recordsB(copyB);
        QVERIFY(recordsB.deleteEntry(QStringLiteral("SARL ALPHA")));
    } else {
        Table *contactsB = copyB.contact();
        QVERIFY(contactsB->edit());
        contactsB->setValue(QStringLiteral("Tel"), QStringLiteral("0550"));
        QVERIFY(contactsB->post());
    }
    p.ui.answers = { reload };
    p.click("BitBtn2");
    // Never a success; the refusal says what another copy did.
    QCOMPARE(p.ui.messages, QStringList());
    QCOMPARE(p.ui.confirmations.size(), 1);
    QVERIFY2(p.ui.confirmations.first().contains(messagePart), qPrintable(p.ui.confirmations.first()));
    QCOMPARE(p.page.isEntryOpen(), !reload);
    if (!reload) {
        QCOMPARE(p.form()->typedField(QStringLiteral("Adrs_orga"))->text(), QStringLiteral("RUE DE A"));
        return;
    }
    // Reloaded: what B stored is shown, nothing of A's entry is stored.
    QCOMPARE(p.contacts()->text(QStringLiteral("Tel")), QStringLiteral("0550"));
    QCOMPARE(p.employers()->text(QStringLiteral("Adrs_orga")), QStringLiteral("X"));
    QCOMPARE(p.form()->typedField(QStringLiteral("Tel"))->text(), QStringLiteral("0550"));
}

void TestEmployerPage::deleteAnsweredNo()
{
    Page p;
    addEntry(p, QStringLiteral("A"));
    addEntry(p, QStringLiteral("B"));
    p.ui.answers = { false };
    p.click("BitBtn19");
    QCOMPARE(p.ui.confirmations, QStringList { "Voulez vous vraiment suprimer cet enregistrement :( A) !" });
    QCOMPARE(p.employers()->rowCount(), 2);
    QVERIFY(!p.employers()->isFiltered() && !p.fx.data().accord()->isFiltered());
}

void TestEmployerPage::deleteAnsweredYes()
{
    Page p;
    addEntry(p, QStringLiteral("A"));
    addEntry(p, QStringLiteral("B"));
    Table *posts = p.fx.data().accord();
    for (int n : { 1, 2 })
        QVERIFY(DataFixture::add(
            posts, { { QStringLiteral("Num"), n }, { QStringLiteral("nom_orga"), QStringLiteral("A") } }));
    QVERIFY(DataFixture::add(
        posts, { { QStringLiteral("Num"), 3 }, { QStringLiteral("nom_orga"), QStringLiteral("B") } }));
    p.ui.answers = { true };
    p.click("BitBtn19");
    QCOMPARE(p.ui.errors, QStringList());
    // The employer row, its contact row and all its posts are gone; the other entry is whole.
    QCOMPARE(p.employers()->rowCount(), 1);
    QCOMPARE(p.employers()->text(QStringLiteral("Nom_orga")), QStringLiteral("B"));
    p.contacts()->setFiltered(false);
    QCOMPARE(p.contacts()->rowCount(), 1);
    QCOMPARE(posts->rowCount(), 1);
    QCOMPARE(posts->value(QStringLiteral("Num")).toInt(), 3);
    // The same name can be entered again.
    addEntry(p, QStringLiteral("A"));
    QCOMPARE(p.employers()->rowCount(), 2);
}

void TestEmployerPage::deleteRefusedWithWorkers()
{
    Page p;
    addEntry(p, QStringLiteral("A"));
    addWorker(p, 1, QStringLiteral("A"));
    p.ui.answers = { true };
    p.click("BitBtn19");
    QCOMPARE(p.ui.messages.last(),
        QStringLiteral(
            "Vous ne pouvez pas suprimer un organisme employeur que vous avez lui affecté des expatries !"));
    QCOMPARE(p.employers()->rowCount(), 1);
    QVERIFY(!p.fx.data().expatries()->isFiltered());
}

void TestEmployerPage::deleteOnEmptyTableIsIgnored()
{
    Page p;
    p.click("BitBtn19");
    QCOMPARE(p.ui.confirmations, QStringList());
    QCOMPARE(p.ui.errors, QStringList());
}

void TestEmployerPage::cancelAfterNewOnEmptyTable()
{
    Page p;
    p.click("BitBtn1");
    enter(p.form(), QStringLiteral("Nom_orga"), QStringLiteral("BROUILLON"));
    p.click("BitBtn4");
    QCOMPARE(p.employers()->rowCount(), 0);
    QVERIFY(p.enabled("BitBtn1") && !p.enabled("BitBtn2") && !p.enabled("BitBtn3") && !p.enabled("BitBtn4")
        && !p.enabled("BitBtn5") && !p.enabled("BitBtn19"));
    QVERIFY(!p.form()->nameEdit()->isEnabled());
}

void TestEmployerPage::listClickPairsAndLoads()
{
    Page p;
    addEntry(p, QStringLiteral("A"));
    p.click("BitBtn1");
    fillEntry(p.form(), QStringLiteral("B"));
    enter(p.form(), QStringLiteral("Nation_orga"), QStringLiteral("TUNISIENNE"));
    enter(p.form(), QStringLiteral("Projet"), QStringLiteral("PROJET B"));
    p.click("BitBtn2");
    // B's works start date stays blank: the picker keeps what it showed for A.
    p.form()->datePicker(QStringLiteral("Date_marche"))->showDate(QDate(2001, 1, 1));
    emit p.page.grid()->rowClicked(1);
    QCOMPARE(p.employers()->text(QStringLiteral("Nom_orga")), QStringLiteral("B"));
    QVERIFY(p.contacts()->isFiltered());
    QCOMPARE(p.contacts()->rowCount(), 1);
    QCOMPARE(p.form()->typedField(QStringLiteral("Projet"))->text(), QStringLiteral("PROJET B"));
    QCOMPARE(p.form()->pickList(QStringLiteral("Nation_orga"))->currentText(), QStringLiteral("TUNISIENNE"));
    QCOMPARE(p.form()->datePicker(QStringLiteral("Date_marche"))->date(), QDate(2001, 1, 1));
}

void TestEmployerPage::listClickIgnoredDuringEntry()
{
    Page p;
    addEntry(p, QStringLiteral("A"));
    addEntry(p, QStringLiteral("B"));
    p.click("BitBtn3");
    enter(p.form(), QStringLiteral("Monsieur"), QStringLiteral("CHANGE"));
    emit p.page.grid()->rowClicked(1);
    QVERIFY(p.employers()->isEditing());
    QCOMPARE(p.employers()->text(QStringLiteral("Nom_orga")), QStringLiteral("A"));
    p.click("BitBtn4");
    QCOMPARE(p.employers()->text(QStringLiteral("Monsieur")), QStringLiteral("X"));
}

void TestEmployerPage::activationPairsFirstEntry()
{
    Page p;
    addEntry(p, QStringLiteral("A"));
    p.click("BitBtn1");
    fillEntry(p.form(), QStringLiteral("B"));
    enter(p.form(), QStringLiteral("Nation_orga"), QStringLiteral("MALIENNE"));
    p.click("BitBtn2");
    p.form()->pickList(QStringLiteral("Nation_orga"))->showText(QStringLiteral("..."));
    QVERIFY(p.fx.activate().ok);
    QCOMPARE(p.employers()->text(QStringLiteral("Nom_orga")), QStringLiteral("A"));
    QVERIFY(p.contacts()->isFiltered());
    QCOMPARE(p.contacts()->text(QStringLiteral("nom_orga")), QStringLiteral("A"));
    QCOMPARE(p.form()->pickList(QStringLiteral("Nation_orga"))->currentText(), QStringLiteral("X"));
}

QTEST_MAIN(TestEmployerPage)
#include "tst_employerpage.moc"
