#include "datafixture.h"
#include "formdriver.h"
#include "scriptedui.h"

#include "data/table.h"
#include "widgets/captionlabel.h"
#include "widgets/datepicker.h"
#include "widgets/fieldedit.h"
#include "widgets/picklist.h"
#include "widgets/projectlist.h"
#include "widgets/tablegrid.h"
#include "workers/contractdates.h"
#include "workers/workerform.h"
#include "workers/workerpage.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>

// The "Expatries" page driven as a clerk would: order numbers, the thirty-field check, the save that
// attaches a worker to its project and employer, the conditional groups, cancel, delete, refresh.
class TestWorkerPage : public QObject
{
    Q_OBJECT

private:
    struct Page
    {
        DataFixture fx;
        ScriptedUi ui;
        WorkerPage page { &fx.data(), ui };
        WorkerForm *form() { return page.form(); }
        Table *workers() { return fx.data().expatries(); }
        // The clerk clicks a button of the page.
        void click(const char *name)
        {
            auto *pressed = page.findChild<QPushButton *>(QString::fromLatin1(name));
            QVERIFY2(pressed && pressed->isEnabled(), name);
            QTest::mouseClick(pressed, Qt::LeftButton);
        }
        QString buttons()
        {
            QString s;
            for (const char *b :
                { "BitBtn11", "BitBtn12", "BitBtn13", "BitBtn14", "BitBtn15", "BitBtn17", "BitBtn20" })
                s += page.findChild<QPushButton *>(QString::fromLatin1(b))->isEnabled() ? QLatin1Char('1')
                                                                                        : QLatin1Char('0');
            return s;
        }
    };

    static void addEmployer(Page &p, const QString &name, const QString &project, const QString &tel)
    {
        QVERIFY(DataFixture::add(p.fx.data().employeur(),
            { { QStringLiteral("Nom_orga"), name },
                { QStringLiteral("Lieu_emploi_orga"), QStringLiteral("ORAN ") + name } }));
        QVERIFY(DataFixture::add(p.fx.data().contact(),
            { { QStringLiteral("nom_orga"), name }, { QStringLiteral("Projet"), project },
                { QStringLiteral("Tel"), tel }, { QStringLiteral("Fax"), tel + QStringLiteral("9") },
                { QStringLiteral("email"), QStringLiteral("rh@") + name },
                { QStringLiteral("activite_principal"), QStringLiteral("HOTELLERIE") } }));
    }

    static void addWorker(Page &p, int number, const QString &employer = QStringLiteral("A"))
    {
        QVERIFY(DataFixture::add(p.fx.data().expatries(),
            { { QStringLiteral("Num_Ordre"), number }, { QStringLiteral("Nom_orga"), employer },
                { QStringLiteral("Nom"), QStringLiteral("W%1").arg(number) } }));
    }

    static const QStringList &mandatoryFields()
    {
        static const QStringList fields { "Type_demande", "Nom", "Prenom", "Date_nais", "Lieu_nais", "Sex",
            "Situation_familiale", "Pays", "Nation", "Apatride", "Refugie_politique", "Nom_pere", "Nom_mere",
            "Diplome", "Qualification", "Exper", "Poste_occupe", "Duree", "Date_debut_contrat",
            "Date_fin_contrat", "Sejour", "Adrs_alg", "Adresse_etranger", "Brut", "Net", "Passeport_num",
            "Passeport_delivre", "Passeport_par", "Passeport_date_debut", "Passeport_date_fin" };
        return fields;
    }

    // Fills every mandatory field but those listed (the end date follows start and duration).
    static void fillWorker(WorkerForm *form, const QStringList &except = {})
    {
        for (const QString &field : mandatoryFields()) {
            if (except.contains(field) || field == QLatin1String("Date_fin_contrat"))
                continue;
            if (form->datePicker(field))
                FormDriver::enter(form, field, QStringLiteral("01/03/2014"));
            else if (field == QLatin1String("Exper") || field == QLatin1String("Duree"))
                FormDriver::enter(form, field, QStringLiteral("12"));
            else
                FormDriver::enter(form, field, QStringLiteral("X"));
        }
    }

private slots:
    void contractEndDate_data();
    void contractEndDate();
    void pickListsHoldTheirEntries_data();
    void pickListsHoldTheirEntries();
    void orderNumbers_data();
    void orderNumbers();
    void newOnTwoCopiesTakesTheNextNumber();
    void newWithoutEmployer();
    void endDateFollowsStartAndDuration();
    void checkMarksAndShowsWhatIsKept();
    void singleSpaceCountsAsFilled();
    void saveCopiesProjectAndEmployer_data();
    void saveCopiesProjectAndEmployer();
    void refusedSaves_data();
    void refusedSaves();
    void refusalNamesTheProjectBeingSaved();
    void refusedValues_data();
    void refusedValues();
    void datePutInAtOnceAfterASave_data();
    void datePutInAtOnceAfterASave();
    void maidenNameAndCardRules();
    void capitalsTypedIntoPickLists();
    void projectChoiceCarriesOver();
    void pickerOnBlankField();
    void formAtTopAfterSave();
    void wheelOverAnInputScrollsOn();
    void keyFilterAndTrimming();
    void cancelAfterNewShowsLastWorker();
    void deleteYesAndNo();
    void refreshLiftsRestriction();
    void displayRefreshSkipsUnreadableDates();
    void listClickIgnoredDuringEntry();
    void pageShownLoadsTheCurrentWorker();
};

void TestWorkerPage::contractEndDate_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("months");
    QTest::addColumn<QDate>("end");
    QTest::newRow("a year from the first of March") << QDate(2014, 3, 1) << 12 << QDate(2015, 2, 28);
    QTest::newRow("end of January plus a month") << QDate(2014, 1, 31) << 1 << QDate(2014, 2, 28);
    QTest::newRow("two years from New Year") << QDate(2014, 1, 1) << 24 << QDate(2015, 12, 31);
    QTest::newRow("mid-month") << QDate(2014, 5, 15) << 6 << QDate(2014, 11, 14);
    QTest::newRow("leap day") << QDate(2016, 3, 1) << 0 << QDate(2016, 2, 29);
}

void TestWorkerPage::contractEndDate()
{
    QFETCH(QDate, start);
    QFETCH(int, months);
    QFETCH(QDate, end);
    QCOMPARE(ContractDates::endDate(start, months), end);
}

void TestWorkerPage::pickListsHoldTheirEntries_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("holds");
    QTest::newRow("request types") << "Type_demande"
                                   << "ComboBox4" << 11 << "APT"
                                   << "CHANGEMENT POSTE DE TRAVAIL"
                                   << "AUTORISATION TEMPORAIRE DE TRAVAIL";
    QTest::newRow("sexes") << "Sex"
                           << "ComboBox5" << 2 << "HOMME"
                           << "FEMME"
                           << "FEMME";
    QTest::newRow("marital statuses") << "Situation_familiale"
                                      << "ComboBox6" << 4 << "CELIBATAIRE"
                                      << "VEUF(VE)"
                                      << "MARIE(E)";
    QTest::newRow("countries, one with a trailing tab") << "Pays"
                                                        << "ComboBox7" << 238 << "AFGHANISTAN"
                                                        << "ZIMBABWE"
                                                        << "COREE DU NORD\t";
    QTest::newRow("nationalities") << "Nation"
                                   << "ComboBox8" << 196 << "AFGHANE"
                                   << "ZIMBABWEENNE"
                                   << "AZERBAIDJANAISE";
    QTest::newRow("stateless") << "Apatride"
                               << "ComboBox9" << 2 << "OUI"
                               << "NON"
                               << "NON";
    QTest::newRow("refugee") << "Refugie_politique"
                             << "ComboBox10" << 2 << "OUI"
                             << "NON"
                             << "NON";
    QTest::newRow("stay") << "Sejour"
                          << "ComboBox14" << 2 << "OUI"
                          << "NON"
                          << "NON";
    QTest::newRow("qualifications") << "Qualification"
                                    << "ComboBox11" << 3 << "CADRE"
                                    << "AGENT D EXECUTION"
                                    << "AGENT DE MAITRISE";
    QTest::newRow("experience, the unit last") << "Exper"
                                               << "ComboBox12" << 51 << "0"
                                               << "/ Années"
                                               << "45";
    QTest::newRow("duration, the unit last") << "Duree"
                                             << "ComboBox13" << 25 << "1"
                                             << "/ Mois"
                                             << "24";
}

// Each pick list offers its whole list, as written, under its object name.
void TestWorkerPage::pickListsHoldTheirEntries()
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

void TestWorkerPage::orderNumbers_data()
{
    QTest::addColumn<QList<int>>("existing");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<bool>("narrowed");
    QTest::addColumn<int>("next");
    QTest::newRow("empty table") << QList<int> {} << 0 << false << 1;
    QTest::newRow("1, 2, 5") << QList<int> { 1, 2, 5 } << 0 << false << 6;
    QTest::newRow("highest deleted") << QList<int> { 1, 2, 5, 6 } << 6 << false << 6;
    QTest::newRow("middle deleted") << QList<int> { 1, 2, 5 } << 2 << false << 6;
    QTest::newRow("list narrowed to another employer") << QList<int> { 1, 2, 5 } << 0 << true << 6;
}

void TestWorkerPage::orderNumbers()
{
    QFETCH(QList<int>, existing);
    QFETCH(int, deleted);
    QFETCH(bool, narrowed);
    QFETCH(int, next);
    Page p;
    addEmployer(p, QStringLiteral("A"), QStringLiteral("PA"), QStringLiteral("021"));
    for (int n : existing)
        addWorker(p, n, n == 1 ? QStringLiteral("B") : QStringLiteral("A"));
    if (deleted) {
        QVERIFY(p.workers()->locate(deleted));
        QVERIFY(p.workers()->remove());
    }
    if (narrowed) {
        p.workers()->setFilter(QStringLiteral("Nom_orga"), QStringLiteral("B"));
        QVERIFY(p.workers()->setFiltered(true));
    }
    p.click("BitBtn11");
    QCOMPARE(p.form()->numberEdit()->text(), QString::number(next));
    QCOMPARE(p.buttons(), QStringLiteral("0101000"));
    QVERIFY(!p.form()->numberEdit()->isEnabled());
}

void TestWorkerPage::newOnTwoCopiesTakesTheNextNumber()
{
    Page p;
    addEmployer(p, QStringLiteral("A"), QStringLiteral("PA"), QStringLiteral("021"));
    addWorker(p, 1);
    p.click("BitBtn11");
    QCOMPARE(p.form()->numberEdit()->text(), QStringLiteral("2"));
    fillWorker(p.form());
    // Meanwhile another copy pressed NOUVEAU too, was given 2, and saved first.
    DataModule copyB;
    QVERIFY(p.fx.activateCopy(copyB).ok);
    QVERIFY(DataFixture::add(copyB.expatries(), { { QStringLiteral("Num_Ordre"), 2 } }));
    p.click("BitBtn12");
    QVERIFY2(p.ui.errors.isEmpty(), qPrintable(p.ui.errors.join(QLatin1Char('\n'))));
    QCOMPARE(p.ui.messages,
        (QStringList { "Une autre copie de VELMORA a enregistré entre-temps le numéro prévu : cet expatrié "
                       "est enregistré sous le numéro 3.",
            "Tous les informations de cet expatrie sont enregistrer avec succes !" }));
    QCOMPARE(p.workers()->value(QStringLiteral("Num_Ordre")).toInt(), 3);
    QCOMPARE(p.form()->numberEdit()->text(), QStringLiteral("3"));
    QCOMPARE(p.workers()->rowCount(), 3);
}

void TestWorkerPage::newWithoutEmployer()
{
    Page p;
    QSignalSpy toEmployers(&p.page, &WorkerPage::employerPageRequested);
    p.click("BitBtn11");
    QCOMPARE(p.ui.messages,
        QStringList { "Vous devez remplir la session employeur avant d'ajouter les expatries " });
    QCOMPARE(toEmployers.count(), 1);
    QVERIFY(!p.workers()->isEditing());
}

void TestWorkerPage::endDateFollowsStartAndDuration()
{
    Page p;
    addEmployer(p, QStringLiteral("A"), QStringLiteral("PA"), QStringLiteral("021"));
    p.click("BitBtn11");
    FormDriver::enter(p.form(), QStringLiteral("Duree"), QStringLiteral("12"));
    FormDriver::enter(p.form(), QStringLiteral("Date_debut_contrat"), QStringLiteral("01/03/2014"));
    QCOMPARE(p.workers()->text(QStringLiteral("Date_fin_contrat")), QStringLiteral("28/02/2015"));
    FormDriver::enter(p.form(), QStringLiteral("Duree"), QStringLiteral("6"));
    QCOMPARE(p.workers()->text(QStringLiteral("Date_fin_contrat")), QStringLiteral("28/08/2014"));
    // Letters in the duration: no end date computed, and no box while typing; leaving the list
    // names the duration.
    FormDriver::enter(p.form(), QStringLiteral("Duree"), QStringLiteral("abc"));
    QCOMPARE(p.workers()->text(QStringLiteral("Duree")), QStringLiteral("abc"));
    QCOMPARE(p.workers()->text(QStringLiteral("Date_fin_contrat")), QStringLiteral("28/08/2014"));
    QVERIFY(p.ui.messages.isEmpty() && p.ui.errors.isEmpty());
    FormDriver::leave(p.form()->pickList(QStringLiteral("Duree")));
    QCOMPARE(p.ui.messages.size(), 1);
    QVERIFY2(p.ui.messages.last().contains(QStringLiteral("« DURÉE DE RECRUTEMENT »")),
        qPrintable(p.ui.messages.last()));
}

void TestWorkerPage::checkMarksAndShowsWhatIsKept()
{
    Page p;
    addEmployer(p, QStringLiteral("A"), QStringLiteral("PA"), QStringLiteral("021"));
    p.click("BitBtn11");
    fillWorker(p.form(), { "Nom" });
    p.click("BitBtn12");
    QCOMPARE(p.ui.messages,
        QStringList {
            "Ces informations sont obligatoires, Merci de remplir tous les informations nécessaires !" });
    for (const QString &field : mandatoryFields())
        QCOMPARE(p.form()->caption(field)->isMarked(), field == QLatin1String("Nom"));
    QCOMPARE(p.page.focusWidget(), p.form()->typedField(QStringLiteral("Nom")));
    // The lists and pickers go on showing the values the row keeps.
    QCOMPARE(p.form()->pickList(QStringLiteral("Sex"))->currentText(), QStringLiteral("X"));
    QCOMPARE(p.form()->datePicker(QStringLiteral("Date_nais"))->date(), QDate(2014, 3, 1));
    QCOMPARE(p.workers()->text(QStringLiteral("Sex")), QStringLiteral("X"));
    QCOMPARE(p.workers()->rowCount(), 0);
    QCOMPARE(p.buttons(), QStringLiteral("0101000"));
    // Filled, the mark goes and the worker is saved.
    FormDriver::enter(p.form(), QStringLiteral("Nom"), QStringLiteral("DUPONT"));
    p.click("BitBtn12");
    QVERIFY(!p.form()->caption(QStringLiteral("Nom"))->isMarked());
    QCOMPARE(p.ui.messages.last(),
        QStringLiteral("Tous les informations de cet expatrie sont enregistrer avec succes !"));
    QCOMPARE(p.workers()->rowCount(), 1);
    QCOMPARE(p.buttons(), QStringLiteral("1010111"));
    QCOMPARE(p.form()->pickList(QStringLiteral("Sex"))->currentText(), QStringLiteral("X"));
    // The next worker starts blank: no list or picker shows what its field does not hold.
    p.click("BitBtn11");
    QCOMPARE(p.form()->pickList(QStringLiteral("Sex"))->currentText(), QString());
    QVERIFY(p.form()->datePicker(QStringLiteral("Date_nais"))->isBlank());
}

void TestWorkerPage::singleSpaceCountsAsFilled()
{
    Page p;
    addEmployer(p, QStringLiteral("A"), QStringLiteral("PA"), QStringLiteral("021"));
    p.click("BitBtn11");
    fillWorker(p.form(), { "Brut" });
    FormDriver::enter(p.form(), QStringLiteral("Brut"), QStringLiteral(" "));
    p.click("BitBtn12");
    QVERIFY(!p.form()->caption(QStringLiteral("Brut"))->isMarked());
    QCOMPARE(p.workers()->rowCount(), 1);
}

void TestWorkerPage::saveCopiesProjectAndEmployer_data()
{
    QTest::addColumn<QString>("chosenProject");
    QTest::addColumn<QString>("employer");
    QTest::addColumn<QString>("tel");
    // The employer current on the employer page is A; project PB belongs to B.
    QTest::newRow("no project chosen: the current employer's") << ""
                                                               << "A"
                                                               << "021";
    QTest::newRow("a project chosen: the employer owning it") << "PB"
                                                              << "B"
                                                              << "031";
}

void TestWorkerPage::saveCopiesProjectAndEmployer()
{
    QFETCH(QString, chosenProject);
    QFETCH(QString, employer);
    QFETCH(QString, tel);
    Page p;
    addEmployer(p, QStringLiteral("A"), QStringLiteral("PA"), QStringLiteral("021"));
    addEmployer(p, QStringLiteral("B"), QStringLiteral("PB"), QStringLiteral("031"));
    QVERIFY(p.fx.data().employeur()->first());
    p.click("BitBtn11");
    fillWorker(p.form());
    // The list reads the projects when it drops down.
    p.form()->projectList()->refill();
    p.form()->projectList()->setCurrentIndex(p.form()->projectList()->findText(chosenProject));
    p.click("BitBtn12");
    QCOMPARE(p.ui.errors, QStringList());
    Table *w = p.workers();
    QCOMPARE(w->text(QStringLiteral("Nom_orga")), employer);
    QCOMPARE(w->text(QStringLiteral("Projet")), QStringLiteral("P") + employer);
    QCOMPARE(w->text(QStringLiteral("Tel")), tel);
    QCOMPARE(w->text(QStringLiteral("Fax")), tel + QStringLiteral("9"));
    QCOMPARE(w->text(QStringLiteral("Email")), QStringLiteral("rh@") + employer);
    QCOMPARE(w->text(QStringLiteral("Nature_activite")), QStringLiteral("HOTELLERIE"));
    QCOMPARE(w->text(QStringLiteral("Lieu_emploi")), QStringLiteral("ORAN ") + employer);
    // The employer list stays narrowed to that employer; the contact table is whole again.
    QCOMPARE(p.fx.data().employeur()->rowCount(), 1);
    QVERIFY(!p.fx.data().contact()->isFiltered());
    // ANNULER, after MODIFIER opened the worker again, lifts the narrowing.
    p.click("BitBtn13");
    p.click("BitBtn14");
    QCOMPARE(p.fx.data().employeur()->rowCount(), 2);
}

void TestWorkerPage::refusedSaves_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("withProjectRow");
    QTest::addColumn<QString>("errorPart");
    QTest::newRow("employer without project row") << ""
                                                  << "" << false << "aucun projet";
}

void TestWorkerPage::refusedSaves()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(bool, withProjectRow);
    QFETCH(QString, errorPart);
    Page p;
    if (withProjectRow)
        addEmployer(p, QStringLiteral("A"), QStringLiteral("PA"), QStringLiteral("021"));
    else
        QVERIFY(DataFixture::add(
            p.fx.data().employeur(), { { QStringLiteral("Nom_orga"), QStringLiteral("A") } }));
    p.click("BitBtn11");
    fillWorker(p.form());
    if (!field.isEmpty())
        FormDriver::enter(p.form(), field, value);
    p.click("BitBtn12");
    QCOMPARE(p.ui.errors.size(), 1);
    QVERIFY2(p.ui.errors.first().contains(errorPart, Qt::CaseInsensitive), qPrintable(p.ui.errors.first()));
    // Nothing stored, the entry kept whole and open, the other tables as they were.
    QCOMPARE(p.workers()->rowCount(), 0);
    QVERIFY(p.workers()->isEditing() && p.page.isEntryOpen());
    QCOMPARE(p.workers()->text(QStringLiteral("Nom")), QStringLiteral("X"));
    QCOMPARE(p.buttons(), QStringLiteral("0101000"));
    QVERIFY(!p.fx.data().contact()->isFiltered());
    QVERIFY(!p.fx.data().employeur()->isFiltered());
}

void TestWorkerPage::refusalNamesTheProjectBeingSaved()
{
    // A project whose employer row is gone: the refusal names that project, not another one.
    Page p;
    addEmployer(p, QStringLiteral("A"), QStringLiteral("PA"), QStringLiteral("021"));
    QVERIFY(DataFixture::add(p.fx.data().contact(),
        { { QStringLiteral("nom_orga"), QStringLiteral("B") },
            { QStringLiteral("Projet"), QStringLiteral("PB") } }));
    p.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.page));
    p.click("BitBtn11");
    fillWorker(p.form());
    QTest::keyClicks(p.form()->projectList(), QStringLiteral("PB"));
    QCOMPARE(p.form()->projectList()->currentText(), QStringLiteral("PB"));
    p.click("BitBtn12");
    QCOMPARE(p.ui.errors.size(), 1);
    QVERIFY2(p.ui.errors.first().contains(QStringLiteral("« PB »")), qPrintable(p.ui.errors.first()));
    QCOMPARE(p.workers()->rowCount(), 0);
}

void TestWorkerPage::refusedValues_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("caption");
    QTest::newRow("letters in the experience") << "Exper"
                                               << "douze"
                                               << "EXPERIENCE";
    QTest::newRow("experience out of range") << "Exper"
                                             << "99999999999"
                                             << "EXPERIENCE";
    QTest::newRow("decimal duration") << "Duree"
                                      << "2.5"
                                      << "DURÉE DE RECRUTEMENT";
    QTest::newRow("duration below zero") << "Duree"
                                         << "-12"
                                         << "DURÉE DE RECRUTEMENT";
    QTest::newRow("salary below zero") << "Brut"
                                       << "-5000"
                                       << "SALAIRE BRUT (DA)";
    QTest::newRow("day and month zero") << "Date_nais"
                                        << "00/00/0000"
                                        << "DATE DE NAISSANCE :";
    QTest::newRow("year before 1900") << "Passeport_delivre"
                                      << "15/05/1850"
                                      << "PASSEPORT DÉLIVRÉ LE :";
}

// A value its field cannot take is named, by its caption, at the save: nothing is stored, nothing
// is reported as missing or saved, and the entry stays open as typed.
void TestWorkerPage::refusedValues()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, caption);
    Page p;
    addEmployer(p, QStringLiteral("A"), QStringLiteral("PA"), QStringLiteral("021"));
    p.click("BitBtn11");
    fillWorker(p.form());
    if (DatePicker *picker = p.form()->datePicker(field))
        FormDriver::typeDate(picker, typed);
    else
        FormDriver::enter(p.form(), field, typed);
    FormDriver::leave(p.form()->inputOf(field));
    p.ui.messages.clear();
    p.click("BitBtn12");
    QCOMPARE(p.ui.messages.size(), 1);
    QVERIFY2(p.ui.messages.first().contains(QStringLiteral("« %1 »").arg(caption)),
        qPrintable(p.ui.messages.first()));
    QVERIFY(p.ui.errors.isEmpty());
    QCOMPARE(p.workers()->rowCount(), 0);
    QVERIFY(p.workers()->isEditing() && p.page.isEntryOpen());
    QCOMPARE(p.buttons(), QStringLiteral("0101000"));
    if (!p.form()->datePicker(field))
        QCOMPARE(p.workers()->text(field), typed);
}

void TestWorkerPage::datePutInAtOnceAfterASave_data()
{
    FormDriver::addTextsThatAreNoDate();
}

// A worker saved with a date picked, then modified: a text that is no date, pasted or set by a
// screen reader into the same picker, is refused by its caption, and the picker shows the stored date.
void TestWorkerPage::datePutInAtOnceAfterASave()
{
    QFETCH(QString, typed);
    Page p;
    addEmployer(p, QStringLiteral("A"), QStringLiteral("PA"), QStringLiteral("021"));
    p.click("BitBtn11");
    fillWorker(p.form());
    FormDriver::enter(p.form(), QStringLiteral("Date_nais"), QStringLiteral("15/06/1980"));
    p.click("BitBtn12");
    QCOMPARE(p.workers()->rowCount(), 1);
    p.click("BitBtn13");
    DatePicker *picker = p.form()->datePicker(QStringLiteral("Date_nais"));
    FormDriver::putDateText(picker, typed);
    p.ui.messages.clear();
    p.click("BitBtn12");
    QCOMPARE(p.ui.messages.size(), 1);
    QVERIFY2(p.ui.messages.first().contains(QStringLiteral("« %1 »").arg(typed))
            && p.ui.messages.first().contains(QStringLiteral("« DATE DE NAISSANCE : »")),
        qPrintable(p.ui.messages.first()));
    QVERIFY(p.page.isEntryOpen());
    QCOMPARE(p.workers()->text(QStringLiteral("Date_nais")), QStringLiteral("15/06/1980"));
    QCOMPARE(picker->text(), QStringLiteral("15/06/1980"));
}

void TestWorkerPage::maidenNameAndCardRules()
{
    Page p;
    addEmployer(p, QStringLiteral("A"), QStringLiteral("PA"), QStringLiteral("021"));
    p.click("BitBtn11");
    WorkerForm *f = p.form();
    QVERIFY(!f->isMaidenNameShown());
    FormDriver::choose(f, QStringLiteral("Sex"), 1); // FEMME
    FormDriver::choose(f, QStringLiteral("Situation_familiale"), 0); // CELIBATAIRE
    QVERIFY(!f->isMaidenNameShown());
    FormDriver::choose(f, QStringLiteral("Situation_familiale"), 1); // MARIE(E)
    QVERIFY(f->isMaidenNameShown());
    FormDriver::enter(f, QStringLiteral("Nom_jeune_fille"), QStringLiteral("MARTIN"));
    FormDriver::choose(f, QStringLiteral("Sex"), 0); // HOMME
    QVERIFY(!f->isMaidenNameShown());
    QCOMPARE(p.workers()->text(QStringLiteral("Nom_jeune_fille")), QStringLiteral("MARTIN"));

    p.workers()->setValue(QStringLiteral("Carte_resid_du"), QStringLiteral("02/02/2020"));
    FormDriver::enter(f, QStringLiteral("Sejour"), QStringLiteral("OUI"));
    QVERIFY(f->isCardGroupShown());
    QCOMPARE(f->datePicker(QStringLiteral("Carte_resid_du"))->date(), QDate(2020, 2, 2));
    FormDriver::enter(f, QStringLiteral("Sejour"), QStringLiteral("oui"));
    QVERIFY(!f->isCardGroupShown());
    FormDriver::enter(f, QStringLiteral("Sejour"), QStringLiteral("NON"));
    QVERIFY(!f->isCardGroupShown());
}

// Keys go to the focused list itself, which hands them to its edit: a capitals list shows and stores
// capitals, and the maiden-name rule reads them.
void TestWorkerPage::capitalsTypedIntoPickLists()
{
    Page p;
    addEmployer(p, QStringLiteral("A"), QStringLiteral("PA"), QStringLiteral("021"));
    p.click("BitBtn11");
    WorkerForm *f = p.form();
    QTest::keyClicks(f->pickList(QStringLiteral("Sex")), QStringLiteral("femme"));
    QTest::keyClicks(f->pickList(QStringLiteral("Situation_familiale")), QStringLiteral("marie(e)"));
    QCOMPARE(f->pickList(QStringLiteral("Sex"))->currentText(), QStringLiteral("FEMME"));
    QCOMPARE(p.workers()->text(QStringLiteral("Sex")), QStringLiteral("FEMME"));
    QCOMPARE(p.workers()->text(QStringLiteral("Situation_familiale")), QStringLiteral("MARIE(E)"));
    QVERIFY(f->isMaidenNameShown());
    // The stay list keeps what is typed: "oui" shows no card group.
    QTest::keyClicks(f->pickList(QStringLiteral("Sejour")), QStringLiteral("oui"));
    QCOMPARE(p.workers()->text(QStringLiteral("Sejour")), QStringLiteral("oui"));
    QVERIFY(!f->isCardGroupShown());
}

// A wheel turned over a list or a picker that the user is not in moves the form, never the value.
void TestWorkerPage::wheelOverAnInputScrollsOn()
{
    Page p;
    addEmployer(p, QStringLiteral("A"), QStringLiteral("PA"), QStringLiteral("021"));
    p.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.page));
    p.click("BitBtn11");
    WorkerForm *f = p.form();
    const QList<QWidget *> inputs { f->pickList(QStringLiteral("Exper")), f->pickList(QStringLiteral("Sex")),
        f->datePicker(QStringLiteral("Date_nais")), f->projectList() };
    for (QWidget *input : inputs) {
        QVERIFY(input);
        QVERIFY(!input->hasFocus());
        const QPointF middle(input->width() / 2.0, input->height() / 2.0);
        QWheelEvent wheel(middle, input->mapToGlobal(middle), QPoint(), QPoint(0, -120), Qt::NoButton,
            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(input, &wheel);
        QVERIFY2(!wheel.isAccepted(), qPrintable(input->objectName()));
    }
    QCOMPARE(p.workers()->text(QStringLiteral("Exper")), QString());
    QCOMPARE(p.workers()->text(QStringLiteral("Sex")), QString());
    QCOMPARE(p.workers()->text(QStringLiteral("Date_nais")), QString());
    QCOMPARE(f->pickList(QStringLiteral("Exper"))->currentText(), QString());
}

// The project chosen for one worker is the one offered for the next, whatever came in between.
void TestWorkerPage::projectChoiceCarriesOver()
{
    Page p;
    addEmployer(p, QStringLiteral("A"), QStringLiteral("PA"), QStringLiteral("021"));
    addEmployer(p, QStringLiteral("B"), QStringLiteral("PB"), QStringLiteral("031"));
    p.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.page));
    ProjectList *projects = p.form()->projectList();
    p.click("BitBtn11");
    QVERIFY(projects->isEnabled());
    QTest::keyClicks(projects, QStringLiteral("PB"));
    QCOMPARE(projects->currentText(), QStringLiteral("PB"));
    fillWorker(p.form());
    p.click("BitBtn12");
    QCOMPARE(p.workers()->text(QStringLiteral("Projet")), QStringLiteral("PB"));
    p.click("BitBtn13");
    p.click("BitBtn14");
    p.ui.answers = { false };
    p.click("BitBtn15");
    p.click("BitBtn11");
    QCOMPARE(projects->currentText(), QStringLiteral("PB"));
    fillWorker(p.form());
    p.click("BitBtn12");
    QCOMPARE(p.workers()->rowCount(), 2);
    QCOMPARE(p.workers()->text(QStringLiteral("Projet")), QStringLiteral("PB"));
    QCOMPARE(p.workers()->text(QStringLiteral("Nom_orga")), QStringLiteral("B"));
}

// A blank field shows a blank picker; its calendar opens on today, and the date shown there,
// picked with Enter, is written like any other.
void TestWorkerPage::pickerOnBlankField()
{
    Page p;
    addEmployer(p, QStringLiteral("A"), QStringLiteral("PA"), QStringLiteral("021"));
    p.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.page));
    p.click("BitBtn11");
    DatePicker *birth = p.form()->datePicker(QStringLiteral("Date_nais"));
    QVERIFY(birth->isBlank());
    QCOMPARE(birth->text().trimmed(), QString());
    QTest::mouseClick(birth, Qt::LeftButton, {}, QPoint(birth->width() - 4, birth->height() / 2));
    QCalendarWidget *calendar = birth->calendarWidget();
    QTRY_VERIFY(calendar->isVisible());
    QCOMPARE(calendar->selectedDate(), QDate::currentDate());
    QVERIFY(p.workers()->text(QStringLiteral("Date_nais")).isEmpty());
    QTest::keyClick(calendar->findChild<QTableView *>(), Qt::Key_Return);
    QCOMPARE(p.workers()->text(QStringLiteral("Date_nais")),
        QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    QVERIFY(!birth->isBlank());
}

// After a save the form stands at its top, though the focus left the disabled inputs.
void TestWorkerPage::formAtTopAfterSave()
{
    Page p;
    addEmployer(p, QStringLiteral("A"), QStringLiteral("PA"), QStringLiteral("021"));
    p.page.show();
    QApplication::setActiveWindow(&p.page);
    QVERIFY(QTest::qWaitForWindowActive(&p.page));
    p.click("BitBtn11");
    fillWorker(p.form());
    FieldEdit *last = p.form()->typedField(QStringLiteral("Emploi_objet"));
    last->setFocus(Qt::TabFocusReason);
    p.form()->ensureWidgetVisible(last);
    QVERIFY(p.form()->verticalScrollBar()->value() > 0);
    p.page.findChild<QPushButton *>(QStringLiteral("BitBtn12"))->click();
    QCOMPARE(p.workers()->rowCount(), 1);
    QCOMPARE(p.form()->verticalScrollBar()->value(), 0);
}

void TestWorkerPage::keyFilterAndTrimming()
{
    Page p;
    addEmployer(p, QStringLiteral("A"), QStringLiteral("PA"), QStringLiteral("021"));
    p.click("BitBtn11");
    WorkerForm *f = p.form();
    FormDriver::enter(f, QStringLiteral("Nom"), QStringLiteral("o'brien"));
    FormDriver::enter(f, QStringLiteral("Diplome"), QStringLiteral("o'brien"));
    FormDriver::enter(f, QStringLiteral("Pays"), QStringLiteral("  pays inconnu "));
    QCOMPARE(p.workers()->text(QStringLiteral("Nom")), QStringLiteral("O BRIEN"));
    QCOMPARE(p.workers()->text(QStringLiteral("Diplome")), QStringLiteral("O'BRIEN"));
    QCOMPARE(p.workers()->text(QStringLiteral("Pays")), QStringLiteral("PAYS INCONNU"));
    const int korea = f->pickList(QStringLiteral("Pays"))->findText(QStringLiteral("COREE DU NORD\t"));
    QCOMPARE(korea, 49);
    FormDriver::choose(f, QStringLiteral("Pays"), korea);
    QCOMPARE(p.workers()->text(QStringLiteral("Pays")), QStringLiteral("COREE DU NORD"));
}

void TestWorkerPage::cancelAfterNewShowsLastWorker()
{
    Page p;
    addEmployer(p, QStringLiteral("A"), QStringLiteral("PA"), QStringLiteral("021"));
    QVERIFY(DataFixture::add(p.workers(),
        { { QStringLiteral("Num_Ordre"), 1 }, { QStringLiteral("Sex"), QStringLiteral("HOMME") },
            { QStringLiteral("Date_nais"), QStringLiteral("02/01/1980") } }));
    QVERIFY(DataFixture::add(p.workers(),
        { { QStringLiteral("Num_Ordre"), 2 }, { QStringLiteral("Sex"), QStringLiteral("FEMME") },
            { QStringLiteral("Situation_familiale"), QStringLiteral("VEUF(VE)") },
            { QStringLiteral("Date_nais"), QStringLiteral("03/04/1985") } }));
    QVERIFY(p.workers()->first());
    p.click("BitBtn11");
    FormDriver::enter(p.form(), QStringLiteral("Nom"), QStringLiteral("BROUILLON"));
    p.click("BitBtn14");
    QCOMPARE(p.workers()->rowCount(), 2);
    QCOMPARE(p.workers()->value(QStringLiteral("Num_Ordre")).toInt(), 2);
    QCOMPARE(p.form()->pickList(QStringLiteral("Sex"))->currentText(), QStringLiteral("FEMME"));
    QCOMPARE(p.form()->datePicker(QStringLiteral("Date_nais"))->date(), QDate(1985, 4, 3));
    QVERIFY(p.form()->isMaidenNameShown());
    QCOMPARE(p.buttons(), QStringLiteral("1010111"));
}

void TestWorkerPage::deleteYesAndNo()
{
    Page p;
    for (int n : { 1, 2, 3 })
        addWorker(p, n);
    QVERIFY(p.workers()->locate(2));
    p.ui.answers = { false, true };
    p.click("BitBtn15");
    QCOMPARE(p.ui.confirmations,
        QStringList { "Voulez vous vraiment suprimer cet expatrie de votre base de données !" });
    QCOMPARE(p.workers()->rowCount(), 3);
    p.click("BitBtn15");
    QCOMPARE(p.workers()->rowCount(), 2);
    QCOMPARE(p.workers()->value(QStringLiteral("Num_Ordre")).toInt(), 3);
    QCOMPARE(p.buttons().left(6), QStringLiteral("101011"));
}

void TestWorkerPage::refreshLiftsRestriction()
{
    Page p;
    addWorker(p, 1, QStringLiteral("A"));
    addWorker(p, 2, QStringLiteral("B"));
    p.workers()->setFilter(QStringLiteral("Nom_orga"), QStringLiteral("A"));
    QVERIFY(p.workers()->setFiltered(true));
    p.click("BitBtn17");
    QCOMPARE(p.workers()->rowCount(), 2);
    QVERIFY(p.ui.messages.isEmpty());
    // A narrowing that shows nobody stays, with the message.
    p.workers()->setFilter(QStringLiteral("Nom_orga"), QStringLiteral("Z"));
    QVERIFY(p.workers()->setFiltered(true));
    p.click("BitBtn17");
    QCOMPARE(p.ui.messages, QStringList { "Aucun expatrie enregistrer sur la base de données !" });
    QVERIFY(p.workers()->isFiltered());
    QCOMPARE(p.buttons().left(6), QStringLiteral("100000"));
}

void TestWorkerPage::displayRefreshSkipsUnreadableDates()
{
    Page p;
    QVERIFY(DataFixture::add(p.workers(),
        { { QStringLiteral("Num_Ordre"), 1 }, { QStringLiteral("Type_demande"), QStringLiteral("APT") },
            { QStringLiteral("Date_debut_contrat"), QStringLiteral("05/05/2015") } }));
    QVERIFY(DataFixture::add(p.workers(),
        { { QStringLiteral("Num_Ordre"), 2 },
            { QStringLiteral("Type_demande"), QStringLiteral("PERMIS DE TRAVAIL") },
            { QStringLiteral("Sejour"), QStringLiteral("OUI") },
            { QStringLiteral("Carte_resid_au"), QStringLiteral("pas une date") } }));
    emit p.page.grid()->rowClicked(0);
    QCOMPARE(p.form()->datePicker(QStringLiteral("Date_debut_contrat"))->date(), QDate(2015, 5, 5));
    emit p.page.grid()->rowClicked(1);
    // The blank birth and contract dates show blank pickers; the card date that is no date too.
    QVERIFY(p.form()->datePicker(QStringLiteral("Date_debut_contrat"))->isBlank());
    QVERIFY(p.form()->datePicker(QStringLiteral("Carte_resid_au"))->isBlank());
    QCOMPARE(p.form()->pickList(QStringLiteral("Type_demande"))->currentText(),
        QStringLiteral("PERMIS DE TRAVAIL"));
    QCOMPARE(p.form()->pickList(QStringLiteral("Sejour"))->currentText(), QStringLiteral("OUI"));
    QVERIFY(p.form()->isCardGroupShown());
    QVERIFY(p.ui.errors.isEmpty());
}

void TestWorkerPage::listClickIgnoredDuringEntry()
{
    Page p;
    addWorker(p, 1);
    addWorker(p, 2);
    QVERIFY(p.workers()->first());
    p.click("BitBtn13");
    FormDriver::enter(p.form(), QStringLiteral("Nom"), QStringLiteral("CHANGE"));
    emit p.page.grid()->rowClicked(1);
    QVERIFY(p.workers()->isEditing());
    QCOMPARE(p.workers()->value(QStringLiteral("Num_Ordre")).toInt(), 1);
    p.click("BitBtn14");
    QCOMPARE(p.workers()->text(QStringLiteral("Nom")), QStringLiteral("W1"));
}

void TestWorkerPage::pageShownLoadsTheCurrentWorker()
{
    Page p;
    p.page.pageShown(); // an empty table changes nothing
    QCOMPARE(p.form()->pickList(QStringLiteral("Sex"))->currentText(), QString());
    QVERIFY(DataFixture::add(p.workers(),
        { { QStringLiteral("Num_Ordre"), 1 }, { QStringLiteral("Sex"), QStringLiteral("FEMME") },
            { QStringLiteral("Situation_familiale"), QStringLiteral("DIVORCE(E)") },
            { QStringLiteral("Date_nais"), QStringLiteral("09/10/1991") } }));
    p.page.pageShown();
    QCOMPARE(p.form()->pickList(QStringLiteral("Sex"))->currentText(), QStringLiteral("FEMME"));
    QCOMPARE(p.form()->datePicker(QStringLiteral("Date_nais"))->date(), QDate(1991, 10, 9));
    QVERIFY(p.form()->isMaidenNameShown());
    QCOMPARE(p.buttons(), QStringLiteral("1010111"));
}

QTEST_MAIN(TestWorkerPage)
#include "tst_workerpage.moc"
