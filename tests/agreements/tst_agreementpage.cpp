#include "datafixture.h"
#include "scriptedui.h"

#include "agreements/agreementcases.h"
#include "agreements/agreementchecklist.h"
#include "agreements/agreementform.h"
#include "agreements/agreementpage.h"
#include "data/fieldvalue.h"
#include "data/table.h"
#include "widgets/fieldedit.h"
#include "widgets/projectlist.h"

#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

// The "Accord de principe" page driven as a clerk would: posts numbered, checked, saved, cancelled
// and deleted, the project list narrowed to the selected employer, and the case checklists.
class TestAgreementPage : public QObject
{
    Q_OBJECT

private:
    struct Page
    {
        DataFixture fx;
        ScriptedUi ui;
        AgreementPage page { &fx.data(), ui };
        Table *posts() { return fx.data().accord(); }
        Table *contacts() { return fx.data().contact(); }
        Table *employers() { return fx.data().employeur(); }
        // The list as the user sees it: a hidden list reads the projects when it drops down.
        ProjectList *projects()
        {
            page.form()->projectList()->refill();
            return page.form()->projectList();
        }
        FieldEdit *field(const QString &name) { return page.form()->typedField(name); }
        bool enabled(const char *button)
        {
            return page.findChild<QPushButton *>(QString::fromLatin1(button))->isEnabled();
        }
    };

    static void addEmployer(Page &p, const QString &name, const QString &project)
    {
        QVERIFY(DataFixture::add(p.employers(), { { QStringLiteral("Nom_orga"), name } }));
        QVERIFY(DataFixture::add(
            p.contacts(), { { QStringLiteral("nom_orga"), name }, { QStringLiteral("Projet"), project } }));
    }

    static void addPosts(Page &p, const QList<int> &numbers)
    {
        for (int number : numbers)
            QVERIFY(DataFixture::add(p.posts(),
                { { QStringLiteral("Num"), number },
                    { QStringLiteral("nom_orga"), QStringLiteral("SARL ALPHA") },
                    { QStringLiteral("Projet"), QStringLiteral("PROJET ALPHA") },
                    { QStringLiteral("poste"), QStringLiteral("POSTE %1").arg(number) } }));
    }

    static QList<int> storedNumbers(Page &p)
    {
        QList<int> numbers;
        for (const QVariantList &row :
            p.posts()->fetchRows(0, p.posts()->rowCount(), { QStringLiteral("Num") }))
            numbers << row.value(0).toInt();
        return numbers;
    }

    // A command button clicked as the user does: a button left disabled or without its handler fails.
    static void click(Page &p, const char *name)
    {
        auto *button = p.page.findChild<QPushButton *>(QString::fromLatin1(name));
        QVERIFY2(button, name);
        QVERIFY2(button->isEnabled(), name);
        button->click();
    }

    // NOUVEAU; the project list's drop-down is closed again, as a click elsewhere would.
    static void startEntry(Page &p)
    {
        click(p, "BitBtn6"); // NOUVEAU
        p.projects()->hidePopup();
    }

    static void choose(Page &p, const QString &project)
    {
        const int index = p.projects()->findText(project);
        QVERIFY2(index >= 0, qPrintable(project));
        p.projects()->setCurrentIndex(index);
        emit p.projects()->activated(index);
    }

    static void type(FieldEdit *edit, const QString &text)
    {
        edit->clear();
        QTest::keyClicks(edit, text);
    }

    static void leave(QWidget *edit)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(edit, &out);
    }

private slots:
    void numbering_data();
    void numbering();
    void newWithoutEmployer();
    void saveChecks_data();
    void saveChecks();
    void saveAndModify();
    void projectListFollowsSelectedEmployer();
    void openEmployerEntryIsLeftAlone();
    void deletion_data();
    void deletion();
    void nothingToModifyOrDelete();
    void cancelOnEmptyTable();
    void wholeNumbers_data();
    void wholeNumbers();
    void checklistOfSelectedCase_data();
    void checklistOfSelectedCase();
};

void TestAgreementPage::numbering_data()
{
    QTest::addColumn<QList<int>>("existing");
    QTest::addColumn<QList<int>>("deleted");
    QTest::addColumn<bool>("narrowed"); // the view shows another employer's posts only
    QTest::addColumn<int>("expected"); // 0: no number is left, the entry is refused
    QTest::newRow("empty table") << QList<int> {} << QList<int> {} << false << 1;
    QTest::newRow("last of five deleted") << QList<int> { 1, 2, 3, 4, 5 } << QList<int> { 5 } << false << 5;
    QTest::newRow("third of five deleted") << QList<int> { 1, 2, 3, 4, 5 } << QList<int> { 3 } << false << 6;
    QTest::newRow("view narrowed to nothing") << QList<int> { 1, 2 } << QList<int> {} << true << 3;
    QTest::newRow("highest number taken") << QList<int> { 2147483647 } << QList<int> {} << false << 0;
}

void TestAgreementPage::numbering()
{
    QFETCH(QList<int>, existing);
    QFETCH(QList<int>, deleted);
    QFETCH(bool, narrowed);
    QFETCH(int, expected);
    Page p;
    addEmployer(p, QStringLiteral("SARL ALPHA"), QStringLiteral("PROJET ALPHA"));
    addPosts(p, existing);
    for (int number : deleted) {
        QVERIFY(p.posts()->locate(number));
        p.ui.answers << true;
        click(p, "BitBtn10"); // SUPRIMER
    }
    if (narrowed) {
        p.posts()->setFilter(QStringLiteral("nom_orga"), QStringLiteral("AUTRE"));
        p.posts()->setFiltered(true);
    }
    const int before = p.posts()->rowCount();
    startEntry(p);
    if (expected == 0) {
        QCOMPARE(p.ui.errors.size(), 1);
        QVERIFY(!p.posts()->isEditing());
        QVERIFY(p.enabled("BitBtn6") && !p.enabled("BitBtn7"));
        return;
    }
    QCOMPARE(p.posts()->state(), Table::State::Insert);
    QCOMPARE(p.posts()->value(QStringLiteral("Num")).toInt(), expected);
    QVERIFY(!p.posts()->isFiltered());
    choose(p, QStringLiteral("PROJET ALPHA"));
    type(p.page.form()->postEdit(), QStringLiteral("MACON"));
    click(p, "BitBtn7"); // ENREGISTRER
    QCOMPARE(p.ui.errors, QStringList());
    QCOMPARE(p.posts()->rowCount(), (narrowed ? existing.size() : before) + 1);
    QVERIFY(storedNumbers(p).contains(expected));
}

void TestAgreementPage::newWithoutEmployer()
{
    Page p;
    QSignalSpy front(&p.page, &AgreementPage::employerPageRequested);
    startEntry(p);
    QCOMPARE(p.ui.messages,
        QStringList { "Vous devez remplir la session employeur avant d'ajouter les postes de travail " });
    QCOMPARE(front.size(), 1);
    QVERIFY(!p.posts()->isEditing());
    QVERIFY(p.enabled("BitBtn6") && !p.enabled("BitBtn7") && !p.enabled("BitBtn8"));
    QVERIFY(!p.projects()->isEnabled());
}

void TestAgreementPage::saveChecks_data()
{
    QTest::addColumn<bool>("chooseProject");
    QTest::addColumn<QString>("post");
    QTest::addColumn<QString>("message");
    const QString noProject = QStringLiteral("Vous devez selectionnez un projet svp ...");
    const QString noPost = QStringLiteral("Vous devez identifier le poste de travail !");
    QTest::newRow("no project") << false << "SOUDEUR" << noProject;
    QTest::newRow("neither project nor post") << false << "" << noProject;
    QTest::newRow("project, empty post") << true << "" << noPost;
    QTest::newRow("project, post of blanks") << true << "   " << noPost;
}

void TestAgreementPage::saveChecks()
{
    QFETCH(bool, chooseProject);
    QFETCH(QString, post);
    QFETCH(QString, message);
    Page p;
    addEmployer(p, QStringLiteral("SARL ALPHA"), QStringLiteral("PROJET ALPHA"));
    startEntry(p);
    if (chooseProject)
        choose(p, QStringLiteral("PROJET ALPHA"));
    else
        p.projects()->setCurrentIndex(-1);
    type(p.page.form()->postEdit(), post);
    click(p, "BitBtn7"); // ENREGISTRER
    p.projects()->hidePopup();
    QCOMPARE(p.ui.messages, QStringList { message });
    QVERIFY(p.ui.errors.isEmpty());
    QCOMPARE(p.posts()->state(), Table::State::Insert);
    QVERIFY(p.posts()->text(QStringLiteral("Projet")).isEmpty());
    QCOMPARE(p.posts()->rowCount(), 0);
    QVERIFY(p.enabled("BitBtn7") && p.enabled("BitBtn8") && !p.enabled("BitBtn6"));
    QVERIFY(p.projects()->isEnabled() && p.page.form()->postEdit()->isEnabled());
}

void TestAgreementPage::saveAndModify()
{
    Page p;
    addEmployer(p, QStringLiteral("SARL ALPHA"), QStringLiteral("PROJET ALPHA"));
    p.page.enableByRows();
    startEntry(p);
    QVERIFY(!p.enabled("BitBtn6") && p.enabled("BitBtn7") && p.enabled("BitBtn8") && !p.enabled("BitBtn9")
        && !p.enabled("BitBtn10") && !p.enabled("BitBtn16"));
    choose(p, QStringLiteral("PROJET ALPHA"));
    type(p.page.form()->postEdit(), QStringLiteral("soudeur"));
    type(p.field(QStringLiteral("Diplome")), QStringLiteral("cap"));
    type(p.field(QStringLiteral("experience")), QStringLiteral("5"));
    type(p.field(QStringLiteral("autre_condition")), QStringLiteral("permis b"));
    type(p.field(QStringLiteral("Algériens")), QStringLiteral("3"));
    type(p.field(QStringLiteral("étrangers")), QStringLiteral("2"));
    click(p, "BitBtn7"); // ENREGISTRER
    QVERIFY(p.ui.messages.isEmpty() && p.ui.errors.isEmpty());
    QCOMPARE(p.posts()->rowCount(), 1);
    const QVariantList stored = p.posts()
                                    ->fetchRows(0, 1,
                                        { "Num", "nom_orga", "Projet", "poste", "Diplome", "experience",
                                            "autre_condition", "Algériens", "étrangers" })
                                    .value(0);
    QCOMPARE(
        stored, (QVariantList { 1, "SARL ALPHA", "PROJET ALPHA", "SOUDEUR", "CAP", 5, "PERMIS B", 3, 2 }));
    QVERIFY(p.enabled("BitBtn6") && !p.enabled("BitBtn7") && !p.enabled("BitBtn8") && p.enabled("BitBtn9")
        && p.enabled("BitBtn10") && p.enabled("BitBtn16"));
    QVERIFY(!p.projects()->isEnabled() && !p.page.form()->postEdit()->isEnabled());

    // MODIFIER: the project the list still shows is written again with the change.
    click(p, "BitBtn9"); // MODIFIER
    QCOMPARE(p.posts()->state(), Table::State::Edit);
    QVERIFY(!p.enabled("BitBtn6") && p.enabled("BitBtn7") && !p.enabled("BitBtn9") && p.enabled("BitBtn16"));
    type(p.page.form()->postEdit(), QStringLiteral("grutier"));
    click(p, "BitBtn7"); // ENREGISTRER
    QCOMPARE(p.posts()->rowCount(), 1);
    QCOMPARE(p.posts()->text(QStringLiteral("poste")), QStringLiteral("GRUTIER"));
    QCOMPARE(p.posts()->text(QStringLiteral("Projet")), QStringLiteral("PROJET ALPHA"));
}

void TestAgreementPage::projectListFollowsSelectedEmployer()
{
    Page p;
    addEmployer(p, QStringLiteral("SARL ALPHA"), QStringLiteral("PROJET ALPHA"));
    addEmployer(p, QStringLiteral("SARL BETA"), QStringLiteral("PROJET BETA"));
    addPosts(p, { 1 });
    // The employer page selects BETA; another page lifted the contact table's filter.
    QVERIFY(p.employers()->locate(QStringLiteral("SARL BETA")));
    p.contacts()->setFiltered(false);
    QCOMPARE(p.projects()->count(), 2);

    startEntry(p);
    QCOMPARE(p.projects()->count(), 1);
    QCOMPARE(p.projects()->itemText(0), QStringLiteral("PROJET BETA"));
    QVERIFY(p.contacts()->isFiltered());
    choose(p, QStringLiteral("PROJET BETA"));
    type(p.page.form()->postEdit(), QStringLiteral("MACON"));
    click(p, "BitBtn7"); // ENREGISTRER
    QVERIFY(p.posts()->locate(2));
    QCOMPARE(p.posts()->text(QStringLiteral("nom_orga")), QStringLiteral("SARL BETA"));
    QCOMPARE(p.posts()->text(QStringLiteral("Projet")), QStringLiteral("PROJET BETA"));
}

void TestAgreementPage::openEmployerEntryIsLeftAlone()
{
    Page p;
    addEmployer(p, QStringLiteral("SARL ALPHA"), QStringLiteral("PROJET ALPHA"));
    // An employer entry half typed on the employer page.
    QVERIFY(p.employers()->append() && p.contacts()->append());
    p.contacts()->setValue(QStringLiteral("nom_orga"), QStringLiteral("SARL GAMMA"));
    startEntry(p);
    QCOMPARE(p.contacts()->state(), Table::State::Insert);
    QCOMPARE(p.contacts()->text(QStringLiteral("nom_orga")), QStringLiteral("SARL GAMMA"));
    click(p, "BitBtn8"); // ANNULER
    QCOMPARE(p.contacts()->state(), Table::State::Insert);
    p.contacts()->cancel();
    p.employers()->cancel();
    p.contacts()->setFiltered(false);
    QCOMPARE(p.contacts()->rowCount(), 1);
}

void TestAgreementPage::deletion_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QList<int>>("remaining");
    QTest::newRow("answered yes") << QList<int> { 1, 2, 3 } << 2 << true << QList<int> { 1, 3 };
    QTest::newRow("answered no") << QList<int> { 1, 2, 3 } << 2 << false << QList<int> { 1, 2, 3 };
    QTest::newRow("only post deleted") << QList<int> { 4 } << 4 << true << QList<int> {};
}

void TestAgreementPage::deletion()
{
    QFETCH(QList<int>, rows);
    QFETCH(int, current);
    QFETCH(bool, yes);
    QFETCH(QList<int>, remaining);
    Page p;
    addEmployer(p, QStringLiteral("SARL ALPHA"), QStringLiteral("PROJET ALPHA"));
    addPosts(p, rows);
    p.page.enableByRows();
    QVERIFY(p.posts()->locate(current));
    p.ui.answers << yes;
    click(p, "BitBtn10"); // SUPRIMER
    QCOMPARE(p.ui.confirmations,
        QStringList {
            QStringLiteral("Voulez vous vraiment suprimer cet enregistrement (N°: %1) !").arg(current) });
    QVERIFY(p.ui.messages.isEmpty() && p.ui.errors.isEmpty());
    QVERIFY(!p.posts()->isFiltered());
    QCOMPARE(storedNumbers(p), remaining);
    const bool any = !remaining.isEmpty();
    QCOMPARE(p.enabled("BitBtn9"), any);
    QCOMPARE(p.enabled("BitBtn10"), any);
    QCOMPARE(p.enabled("BitBtn16"), any);
}

void TestAgreementPage::nothingToModifyOrDelete()
{
    Page p;
    click(p, "BitBtn10"); // SUPRIMER
    click(p, "BitBtn9"); // MODIFIER
    const QString none = QStringLiteral("aucun poste de travail enregistrer !");
    QCOMPARE(p.ui.messages, (QStringList { none, none }));
    QVERIFY(p.ui.confirmations.isEmpty());
    QVERIFY(!p.posts()->isEditing());
    QVERIFY(!p.enabled("BitBtn7"));
}

void TestAgreementPage::cancelOnEmptyTable()
{
    Page p;
    addEmployer(p, QStringLiteral("SARL ALPHA"), QStringLiteral("PROJET ALPHA"));
    p.page.enableByRows();
    startEntry(p);
    type(p.page.form()->postEdit(), QStringLiteral("MACON"));
    click(p, "BitBtn8"); // ANNULER
    QVERIFY(!p.posts()->isEditing());
    QCOMPARE(p.posts()->rowCount(), 0);
    QVERIFY(p.enabled("BitBtn6") && !p.enabled("BitBtn7") && !p.enabled("BitBtn8"));
    // MODIFIER and SUPRIMER come back and say there is nothing; IMPRIMER keeps its state.
    QVERIFY(p.enabled("BitBtn9") && p.enabled("BitBtn10") && !p.enabled("BitBtn16"));
    QVERIFY(!p.projects()->isEnabled() && !p.page.form()->postEdit()->isEnabled());
    p.page.findChild<QPushButton *>(QStringLiteral("BitBtn10"))->click();
    QCOMPARE(p.ui.messages, QStringList { "aucun poste de travail enregistrer !" });
    QVERIFY(p.ui.confirmations.isEmpty());
}

void TestAgreementPage::wholeNumbers_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("refused");
    QTest::newRow("lone minus in experience") << "experience"
                                              << "EXPÉRIENCE PROFESSIONNELLE"
                                              << "-" << true;
    QTest::newRow("lone plus in Algerians") << "Algériens"
                                            << "ALGÉRIENS"
                                            << "+" << true;
    QTest::newRow("too large for foreigners") << "étrangers"
                                              << "ÉTRANGERS"
                                              << "3000000000" << true;
    QTest::newRow("decimal point in Algerians") << "Algériens"
                                                << "ALGÉRIENS"
                                                << "2.5" << true;
    QTest::newRow("decimal comma in experience") << "experience"
                                                 << "EXPÉRIENCE PROFESSIONNELLE"
                                                 << "4,5" << true;
    QTest::newRow("letters in foreigners") << "étrangers"
                                           << "ÉTRANGERS"
                                           << "abc" << true;
    QTest::newRow("below zero in Algerians") << "Algériens"
                                             << "ALGÉRIENS"
                                             << "-1" << true;
    QTest::newRow("signed whole number") << "experience"
                                         << "EXPÉRIENCE PROFESSIONNELLE"
                                         << "+7" << false;
    QTest::newRow("largest whole number") << "Algériens"
                                          << "ALGÉRIENS"
                                          << "2147483647" << false;
}

void TestAgreementPage::wholeNumbers()
{
    QFETCH(QString, field);
    QFETCH(QString, caption);
    QFETCH(QString, typed);
    QFETCH(bool, refused);
    Page p;
    addEmployer(p, QStringLiteral("SARL ALPHA"), QStringLiteral("PROJET ALPHA"));
    startEntry(p);
    choose(p, QStringLiteral("PROJET ALPHA"));
    type(p.page.form()->postEdit(), QStringLiteral("MACON"));
    FieldEdit *edit = p.field(field);
    type(edit, typed);
    QCOMPARE(edit->text(), typed);
    leave(edit);
    if (!refused) {
        QVERIFY(p.ui.messages.isEmpty());
        click(p, "BitBtn7"); // ENREGISTRER
        QVERIFY(p.ui.messages.isEmpty() && p.ui.errors.isEmpty());
        QCOMPARE(p.posts()->rowCount(), 1);
        QCOMPARE(p.posts()->value(field).toInt(), typed.toInt());
        return;
    }
    QCOMPARE(p.ui.messages.size(), 1);
    const QString message = p.ui.messages.first();
    QVERIFY2(message.contains(QStringLiteral("« %1 »").arg(typed)) && message.contains(caption)
            && message.contains(QStringLiteral("nombre entier")),
        qPrintable(message));

    // The save says the same and stores nothing, not even the project.
    click(p, "BitBtn7"); // ENREGISTRER
    QCOMPARE(p.ui.messages, (QStringList { message, message }));
    QVERIFY(p.ui.errors.isEmpty());
    QCOMPARE(p.posts()->state(), Table::State::Insert);
    QCOMPARE(p.posts()->rowCount(), 0);
    QVERIFY(p.posts()->text(QStringLiteral("Projet")).isEmpty());
    QVERIFY(p.enabled("BitBtn7"));

    // Put right, the post is saved.
    type(edit, QStringLiteral("12"));
    click(p, "BitBtn7"); // ENREGISTRER
    QCOMPARE(p.ui.messages.size(), 2);
    QCOMPARE(p.posts()->rowCount(), 1);
    QCOMPARE(p.posts()->value(field).toInt(), 12);
}

void TestAgreementPage::checklistOfSelectedCase_data()
{
    QTest::addColumn<bool>("second");
    QTest::addColumn<bool>("clickSecondLine");
    QTest::addColumn<QString>("opened");
    QTest::newRow("first case") << false << false << "demande_accord";
    QTest::newRow("second case") << true << false << "demande_accord1";
    QTest::newRow("second line of the first case clicked") << true << true << "demande_accord";
}

void TestAgreementPage::checklistOfSelectedCase()
{
    QFETCH(bool, second);
    QFETCH(bool, clickSecondLine);
    QFETCH(QString, opened);
    Page p;
    p.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.page));
    AgreementChecklist first(AgreementChecklist::Case::First);
    AgreementChecklist other(AgreementChecklist::Case::Second);
    p.page.setChecklists(&first, &other);
    QStringList shown;
    p.ui.onDialog = [&shown](QDialog *dialog) {
        shown << dialog->objectName();
        return 0;
    };
    AgreementCases *cases = p.page.cases();
    QVERIFY(cases->firstCase()->isChecked());
    if (second)
        cases->secondCase()->setChecked(true);
    if (clickSecondLine)
        QTest::mouseClick(cases->firstCaseSecondLine(), Qt::LeftButton);
    QTest::mouseClick(cases->dossierButton(), Qt::LeftButton);
    QCOMPARE(shown, QStringList { opened });

    // Case 2 numbers its items 1 to 7; both lists start with their heading.
    QCOMPARE(first.lines().first(), QStringLiteral("1er cas, Dossier exigé :"));
    QCOMPARE(other.lines().first(), QStringLiteral("2éme cas, Dossier exigé :"));
    QVERIFY(other.lines().last().startsWith(QStringLiteral("attestation de mise à jour (CNAS)")));
    QCOMPARE(other.windowTitle(), QStringLiteral("Dossier de la demande d'accord de principe (2éme cas)"));
}

QTEST_MAIN(TestAgreementPage)
#include "tst_agreementpage.moc"
