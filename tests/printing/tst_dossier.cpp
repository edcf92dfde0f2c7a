#include "datafixture.h"
#include "pdfwords.h"
#include "scriptedui.h"

#include "data/query.h"
#include "data/table.h"
#include "printing/dossierchecks.h"
#include "printing/dossierdialog.h"
#include "printing/dossierdocuments.h"
#include "printing/dossierexport.h"
#include "printing/dossierprinting.h"
#include "printing/previewwindow.h"

#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using DossierChecks::Selection;

// A worker's dossier: the request-type checks and their messages, the dossier dialog, the
// preparation over the tables, and the export without a window.
class TestDossier : public QObject
{
    Q_OBJECT

private:
    // Exports worker 1's dossier from the fixture; the exit status.
    static int exportDossier(DataFixture &fx, const QString &out, bool single, QString *errors)
    {
        QTextStream stream(errors);
        DataModule data;
        DossierExport exporter(data, out, stream);
        exporter.setSinglePdf(single);
        return exporter.run(fx.base(), 1);
    }

    // Each page's words, joined, in page order.
    static QStringList pageTexts(const QString &pdf)
    {
        QList<QList<PdfWords::Word>> pages;
        QString error;
        if (!PdfWords::read(pdf, &pages, &error))
            return { QStringLiteral("unreadable: ") + error };
        QStringList texts;
        for (const auto &page : pages) {
            QStringList words;
            for (const PdfWords::Word &w : page)
                words << w.text;
            texts << words.join(QLatin1Char(' '));
        }
        return texts;
    }

    // What pdfinfo says of a file (with `-meta`: its XMP packet).
    static QString pdfInfo(const QString &pdf, bool meta = false)
    {
        QProcess process;
        process.start(QStringLiteral("pdfinfo"),
            meta ? QStringList { QStringLiteral("-meta"), pdf } : QStringList { pdf });
        process.waitForFinished();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // pdfinfo's "Field: value" lines.
    static QHash<QString, QString> pdfFields(const QString &pdf)
    {
        QHash<QString, QString> fields;
        for (const QString &line : pdfInfo(pdf).split(QLatin1Char('\n'))) {
            const qsizetype colon = line.indexOf(QLatin1Char(':'));
            if (colon > 0)
                fields.insert(line.left(colon), line.mid(colon + 1).trimmed());
        }
        return fields;
    }

    static QString today() { return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")); }

    // What the checks give, written short: "dialog:APT", or the message's closing line.
    static QStringList outline(const QList<DossierChecks::Step> &steps)
    {
        static const QHash<Selection, QString> names { { Selection::Apt, "APT" },
            { Selection::Annexe10, "ANNEXE10" }, { Selection::Change, "CHANGE" },
            { Selection::Permit, "PERMIT" } };
        QStringList out;
        for (const auto &s : steps)
            out << (s.dialog ? QStringLiteral("dialog:") + names.value(s.selection)
                             : s.text.split(QStringLiteral("\r\n")).last());
        return out;
    }

    static void addWorker(DataFixture &fx, int number, const QString &employer, const QString &type,
        const QString &nation, const QVariant &duration = {}, const QString &qualification = {})
    {
        QVERIFY(DataFixture::add(fx.data().expatries(),
            { { QStringLiteral("Num_Ordre"), number }, { QStringLiteral("Nom_orga"), employer },
                { QStringLiteral("Nom"), QStringLiteral("NOM%1").arg(number) },
                { QStringLiteral("Prenom"), QStringLiteral("PRENOM") },
                { QStringLiteral("Type_demande"), type }, { QStringLiteral("Nation"), nation },
                { QStringLiteral("Duree"), duration }, { QStringLiteral("Qualification"), qualification } }));
    }

    static void addEmployer(DataFixture &fx, const QString &name)
    {
        QVERIFY(DataFixture::add(fx.data().employeur(),
            { { QStringLiteral("Nom_orga"), name },
                { QStringLiteral("Adrs_orga"), QStringLiteral("ALGER") } }));
        QVERIFY(DataFixture::add(fx.data().contact(),
            { { QStringLiteral("nom_orga"), name },
                { QStringLiteral("Projet"), QStringLiteral("PROJET ") + name } }));
    }

private slots:
    void checks_data();
    void checks();
    void messagesOpenWithTheirBlanks();
    void dialogChoices();
    void dialogBoxesAndKeyboardOrder();
    void dialogRunsInOrderAndStopsOnFailure();
    void preparationOverTheTables_data();
    void preparationOverTheTables();
    void headCountsOverEveryEmployer();
    void nothingToPrint_data();
    void nothingToPrint();
    void exportWithoutWindow_data();
    void exportWithoutWindow();
    void singlePdfHoldsTheFormsInOrder_data();
    void singlePdfHoldsTheFormsInOrder();
    void pdfNamedAndTitledForPeople_data();
    void pdfNamedAndTitledForPeople();
    void failedWriteWritesNothing_data();
    void failedWriteWritesNothing();
    void previewRunWritesTheWholeDossier_data();
    void previewRunWritesTheWholeDossier();
};

void TestDossier::checks_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("nation");
    QTest::addColumn<QVariant>("duration");
    QTest::addColumn<QStringList>("steps");
    const QString toPermis
        = "Non soumis au Visa du Travail! vous devez modifier le TYPE DE DEMANDE vers PERMIS, Merci";
    const QString toPermisTravail = "Non soumis au Visa du Travail! vous devez modifier le TYPE DE DEMANDE "
                                    "vers PERMIS DE TRAVAIL, Merci";
    const QString toAnnexe10
        = "Non soumis au Permis du Travail! vous devez modifier le TYPE DE DEMANDE vers ANNEXE 10, Merci";
    const QString tooLong
        = "Impossible d'établir une demande d'obtention d'une Autorisation Temporaire de Travail";
    QTest::newRow("APT, visa") << "APT"
                               << "FRANCAISE" << QVariant() << QStringList { "dialog:APT" };
    QTest::newRow("APT, no visa") << "APT"
                                  << "MAROCAINE" << QVariant() << QStringList { toPermis };
    QTest::newRow("APT, blank nationality") << "APT"
                                            << "" << QVariant() << QStringList { "dialog:APT" };
    QTest::newRow("ANNEXE 10, exempt") << "ANNEXE 10"
                                       << "TUNISIENNE" << QVariant() << QStringList { "dialog:ANNEXE10" };
    QTest::newRow("RENOUVELLEMENT ANNEXE 10, not exempt")
        << "RENOUVELLEMENT ANNEXE 10"
        << "ITALIENNE" << QVariant() << QStringList { toPermisTravail };
    for (const char *change :
        { "CHANGEMENT WILAYA (SORTIES)", "CHANGEMENT WILAYA (ENTREES)", "CHANGEMENT POSTE DE TRAVAIL" })
        QTest::newRow(change) << change << "CHINOISE" << QVariant() << QStringList { "dialog:CHANGE" };
    QTest::newRow("PERMIS, not exempt") << "PERMIS DE TRAVAIL"
                                        << "CHINOISE" << QVariant() << QStringList { "dialog:PERMIT" };
    QTest::newRow("PERMIS, exempt: twice")
        << "PERMIS DE TRAVAIL"
        << "TUNISIENNE" << QVariant() << QStringList { toAnnexe10, toAnnexe10 };
    QTest::newRow("RENOUVELLEMENT P T, not exempt")
        << "RENOUVELLEMENT P T"
        << "RUSSE" << QVariant() << QStringList { "dialog:PERMIT" };
    QTest::newRow("RENOUVELLEMENT P T, exempt") << "RENOUVELLEMENT P T"
                                                << "FRANCAISE" << QVariant() << QStringList { toAnnexe10 };
    QTest::newRow("ATT, 3 months") << "AUTORISATION TEMPORAIRE DE TRAVAIL"
                                   << "RUSSE" << QVariant(3) << QStringList { "dialog:PERMIT" };
    QTest::newRow("ATT, 4 months") << "AUTORISATION TEMPORAIRE DE TRAVAIL"
                                   << "RUSSE" << QVariant(4) << QStringList { tooLong, "dialog:PERMIT" };
    QTest::newRow("renewed ATT, blank duration") << "RENOUVELLEMENT A T T"
                                                 << "RUSSE" << QVariant() << QStringList { "dialog:PERMIT" };
    QTest::newRow("CHANGEMENT EMPLOYEUR") << "CHANGEMENT EMPLOYEUR"
                                          << "RUSSE" << QVariant() << QStringList {};
    QTest::newRow("blank type") << ""
                                << "RUSSE" << QVariant() << QStringList {};
    QTest::newRow("lower-case type") << "apt"
                                     << "FRANCAISE" << QVariant() << QStringList {};
}

void TestDossier::checks()
{
    QFETCH(QString, type);
    QFETCH(QString, nation);
    QFETCH(QVariant, duration);
    QFETCH(QStringList, steps);
    QCOMPARE(outline(DossierChecks::run({ type, nation, duration, "NOM", "PRENOM", nation }, 85)), steps);
}

void TestDossier::messagesOpenWithTheirBlanks()
{
    const DossierChecks::Worker w { "APT", "MAROCAINE", {}, "ALAMI", "KARIM", "MAROCAINE" };
    const QString button = DossierChecks::run(w, 85).first().text;
    const QString popup = DossierChecks::run(w, 75).first().text;
    QCOMPARE(button,
        QString(85, QLatin1Char(' '))
            + "Erreur de saisie ! \r\nCet expatrie  M,Mlle,Mme : \r\nNom : ALAMI\r\n"
              "Prénom : KARIM\r\nNationalité : MAROCAINE\r\nNon soumis au Visa du "
              "Travail! vous devez modifier le TYPE DE DEMANDE vers PERMIS, Merci");
    QCOMPARE(popup, button.mid(10));
    const QString duration
        = DossierChecks::run({ "RENOUVELLEMENT A T T", "RUSSE", 6, "IVANOV", "OLEG", "RUSSE" }, 75)
              .first()
              .text;
    QCOMPARE(duration.split("\r\n"),
        (QStringList { QString(75, QLatin1Char(' ')) + "Erreur de saisie ! ",
            "La durée de contrat de M,Mlle,Mme : ", "Nom : IVANOV", "Prénom : OLEG", "Nationalité : RUSSE",
            "est supérieure a trois (03) mois !,",
            "Impossible d'établir une demande d'obtention d'une Autorisation Temporaire de Travail" }));
    QCOMPARE(DossierChecks::announcement("ALAMI", "KARIM"),
        QString(13, QLatin1Char(' '))
            + "Vous allez accedez a l'impression du dossier à fournir \r\nauprès des services "
              "de la Direction de Wilaya de l'Emploi de M,Mlle,Mme : \r\nALAMI\r\nKARIM");
}

// The dialog's layout names each document's box with that document's caption, and the keyboard
// walks the boxes, the buttons and the choices in their fixed order.
void TestDossier::dialogBoxesAndKeyboardOrder()
{
    DossierDialog dialog;
    QCOMPARE(dialog.size(), QSize(830, 347));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Impression de dossier"));
    for (const DossierDocuments::Document &d : DossierDocuments::all()) {
        QCheckBox *box = dialog.box(d.box);
        QVERIFY2(box, qPrintable(d.box));
        QCOMPARE(box->text(), d.caption);
        QCOMPARE(box->accessibleName(), d.caption);
        QVERIFY(!box->isEnabled());
    }
    QCOMPARE(dialog.findChildren<QCheckBox *>().size(), DossierDocuments::all().size());
    QStringList order;
    QWidget *w = dialog.box(QStringLiteral("CheckBox1"));
    for (int i = 0; i < 17; ++i, w = w->nextInFocusChain()) {
        while (w->focusPolicy() == Qt::NoFocus)
            w = w->nextInFocusChain();
        order << w->objectName();
    }
    QCOMPARE(order,
        (QStringList { "CheckBox1", "CheckBox2", "CheckBox4", "CheckBox5", "CheckBox6", "CheckBox7",
            "CheckBox8", "CheckBox9", "CheckBox10", "CheckBox11", "BitBtn1", "BitBtn2", "RadioButton1",
            "RadioButton2", "RadioButton3", "RadioButton4", "CheckBox3" }));
}

void TestDossier::dialogChoices()
{
    DossierDialog dialog;
    dialog.setEnabledBoxes(DossierChecks::boxesOf(Selection::Apt));
    dialog.show();
    QVERIFY(!dialog.runButton()->isEnabled());
    dialog.automatic()->click();
    QVERIFY(!dialog.runButton()->isEnabled()); // no output chosen yet
    dialog.preview()->click();
    QVERIFY(dialog.runButton()->isEnabled());
    QCOMPARE(dialog.tickedBoxes(),
        (QStringList { "CheckBox4", "CheckBox6", "CheckBox1", "CheckBox2", "CheckBox5", "CheckBox7" }));
    QCOMPARE(DossierDocuments::formsOf(dialog.tickedBoxes()),
        (QStringList { "demande_apt", "demande_visa", "anx_01", "anx_01_02", "anx_02_Individuelle",
            "recrutement", "rapatriement1" }));
    // Automatic: a box cleared by hand comes back when the output changes.
    dialog.box("CheckBox2")->setChecked(false);
    dialog.printer()->click();
    QVERIFY(dialog.box("CheckBox2")->isChecked());
    // Manual: every tick cleared, again on each output change.
    dialog.manual()->click();
    QCOMPARE(dialog.tickedBoxes(), QStringList());
    dialog.box("CheckBox1")->setChecked(true);
    dialog.preview()->click();
    QCOMPARE(dialog.tickedBoxes(), QStringList());
    QVERIFY(!dialog.box("CheckBox11")->isEnabled());
    // "Fermer" clears and disables; the next opening starts without a choice.
    dialog.closeButton()->click();
    QVERIFY(!dialog.isVisible());
    for (const auto &d : DossierDocuments::all())
        QVERIFY(!dialog.box(d.box)->isEnabled() && !dialog.box(d.box)->isChecked());
    dialog.setEnabledBoxes(DossierChecks::boxesOf(Selection::Permit));
    dialog.show();
    QVERIFY(!dialog.automatic()->isChecked() && !dialog.manual()->isChecked());
    QVERIFY(!dialog.preview()->isChecked() && !dialog.printer()->isChecked());
    QVERIFY(!dialog.runButton()->isEnabled());
    // Escape does not leave the dialog.
    dialog.reject();
    QVERIFY(dialog.isVisible());
}

void TestDossier::dialogRunsInOrderAndStopsOnFailure()
{
    DossierDialog dialog;
    QStringList produced;
    QString failOn;
    dialog.setProducer([&](const QString &form, bool print) {
        produced << (print ? QStringLiteral("print:") : QStringLiteral("view:")) + form;
        return form != failOn;
    });
    dialog.setEnabledBoxes(DossierChecks::boxesOf(Selection::Annexe10));
    dialog.show();
    dialog.automatic()->click();
    dialog.preview()->click();
    dialog.runButton()->click();
    QCOMPARE(produced,
        (QStringList { "view:DEMANDE_permis", "view:anx_01", "view:anx_01_02", "view:anx_04", "view:contrat1",
            "view:contrat2", "view:rapatriement1" }));
    QCOMPARE(dialog.tickedBoxes(), QStringList());
    produced.clear();
    dialog.runButton()->click();
    QCOMPARE(produced, QStringList());
    // A failed print stops the run; that document and the ones after keep their ticks.
    dialog.printer()->click();
    failOn = QStringLiteral("anx_04");
    dialog.runButton()->click();
    QCOMPARE(produced.last(), QStringLiteral("print:anx_04"));
    QCOMPARE(dialog.tickedBoxes(), (QStringList { "CheckBox10", "CheckBox9", "CheckBox7" }));
}

void TestDossier::preparationOverTheTables_data()
{
    QTest::addColumn<QString>("employer");
    QTest::newRow("plain name") << "SARL ALPHA";
    QTest::newRow("name with an apostrophe") << "L'ENTREPRISE' OR '1'='1";
}

void TestDossier::preparationOverTheTables()
{
    QFETCH(QString, employer);
    DataFixture fx;
    ScriptedUi ui;
    addEmployer(fx, QStringLiteral("AUTRE"));
    addEmployer(fx, employer);
    addWorker(fx, 1, QStringLiteral("AUTRE"), QStringLiteral("APT"), QStringLiteral("FRANCAISE"));
    addWorker(fx, 2, employer, QStringLiteral("APT"), QStringLiteral("FRANCAISE"));
    addWorker(fx, 3, employer, QStringLiteral("APT"), QStringLiteral("FRANCAISE"));
    // The pages stand where a clerk left them: the workers narrowed to the employer, on the last one.
    Table *workers = fx.data().expatries();
    workers->setFilter(QStringLiteral("Nom_orga"), employer);
    QVERIFY(workers->setFiltered(true));
    QVERIFY(workers->last());
    QVERIFY(fx.data().employeur()->first());
    QVERIFY(fx.data().contact()->last());
    const auto views = [&] {
        QStringList shown;
        for (Table *t : { fx.data().employeur(), fx.data().contact(), fx.data().accord(), workers })
            shown << QStringLiteral("%1: %2 rows, at %3, filtered %4")
                         .arg(t->objectName())
                         .arg(t->rowCount())
                         .arg(t->position())
                         .arg(t->isFiltered());
        return shown;
    };
    const QStringList before = views();
    DossierDialog dialog;
    DossierPrinting printing(&fx.data(), &dialog, ui, nullptr);
    QStringList enabledAtOpening;
    QStringList during;
    ui.onDialog = [&](QDialog *) {
        for (const auto &d : DossierDocuments::all()) {
            if (dialog.box(d.box)->isEnabled())
                enabledAtOpening << d.box;
        }
        during = views();
        return 0;
    };
    printing.printFromPage();
    QCOMPARE(ui.messages, QStringList { DossierChecks::announcement("NOM3", "PRENOM") });
    QCOMPARE(ui.dialogs, 1);
    QCOMPARE(enabledAtOpening,
        (QStringList { "CheckBox4", "CheckBox6", "CheckBox1", "CheckBox2", "CheckBox5", "CheckBox7" }));
    // The dossier holds the worker's row with its employer's data, read once.
    QCOMPARE(printing.dossier().document(QStringLiteral("anx_01")).pageCount(), 1);
    const RowRecord &row = printing.dossier().row();
    QCOMPARE(row.text(QStringLiteral("Nom_orga")), employer);
    QCOMPARE(row.text(QStringLiteral("Projet_1")), QStringLiteral("PROJET ") + employer);
    QCOMPARE(row.text(QStringLiteral("Num_Ordre_1")), QStringLiteral("3"));
    // Printing neither narrowed nor moved the pages' tables, nor lifted the clerk's own filter.
    QCOMPARE(during, before);
    QCOMPARE(views(), before);
    QCOMPARE(workers->value(QStringLiteral("Num_Ordre")).toInt(), 3);
}

void TestDossier::headCountsOverEveryEmployer()
{
    DataFixture fx;
    ScriptedUi ui;
    addEmployer(fx, QStringLiteral("A"));
    addEmployer(fx, QStringLiteral("B"));
    addWorker(fx, 1, QStringLiteral("A"), QStringLiteral("PERMIS DE TRAVAIL"), QStringLiteral("RUSSE"), {},
        QStringLiteral("CADRE"));
    addWorker(fx, 2, QStringLiteral("B"), QStringLiteral("PERMIS DE TRAVAIL"), QStringLiteral("RUSSE"), {},
        QStringLiteral("CADRE"));
    addWorker(fx, 3, QStringLiteral("B"), QStringLiteral("RENOUVELLEMENT P T"), QStringLiteral("RUSSE"), {},
        QStringLiteral("AGENT D EXECUTION"));
    addWorker(fx, 4, QStringLiteral("B"), QStringLiteral("APT"), QStringLiteral("RUSSE"), {},
        QStringLiteral("CADRE"));
    addWorker(fx, 5, QStringLiteral("A"), QStringLiteral("ANNEXE 10"), QStringLiteral("FRANCAISE"), {},
        QStringLiteral("AUTRE"));
    QVERIFY(fx.data().expatries()->first());
    DossierDialog dialog;
    DossierPrinting printing(&fx.data(), &dialog, ui, nullptr);
    printing.printFromList();
    const auto labels = printing.dossier().labels();
    QCOMPARE(labels.value("QRLabel7"), QStringLiteral("4"));
    QCOMPARE(labels.value("QRLabel2"), QStringLiteral("2"));
    QCOMPARE(labels.value("QRLabel4"), QStringLiteral("0"));
    QCOMPARE(labels.value("QRLabel6"), QStringLiteral("1"));
}

void TestDossier::nothingToPrint_data()
{
    QTest::addColumn<bool>("withWorker");
    QTest::addColumn<QString>("messagePart");
    QTest::newRow("empty worker table") << false << "Aucun expatrie";
    QTest::newRow("worker without employer") << true << "aucun organisme employeur";
}

void TestDossier::nothingToPrint()
{
    QFETCH(bool, withWorker);
    QFETCH(QString, messagePart);
    DataFixture fx;
    ScriptedUi ui;
    if (withWorker)
        addWorker(fx, 1, QString(), QStringLiteral("APT"), QStringLiteral("FRANCAISE"));
    DossierDialog dialog;
    DossierPrinting printing(&fx.data(), &dialog, ui, nullptr);
    printing.printFromPage();
    QCOMPARE(ui.messages.size(), 1);
    QVERIFY2(ui.messages.first().contains(messagePart), qPrintable(ui.messages.first()));
    QCOMPARE(ui.dialogs, 0);
}

void TestDossier::exportWithoutWindow_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("nation");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("forms"); // --forms, or empty for the automatic choice
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("APT dossier") << "APT"
                                 << "FRANCAISE" << 1 << "" << 0
                                 << QStringList { "demande_apt", "demande_visa", "anx_01", "anx_01_02",
                                        "anx_02_Individuelle", "recrutement", "rapatriement1" };
    QTest::newRow("work permit dossier")
        << "PERMIS DE TRAVAIL"
        << "CHINOISE" << 1 << "" << 0
        << QStringList { "DEMANDE_permis", "anx_01", "anx_01_02", "anx_04", "contrat1", "contrat2" };
    QTest::newRow("change of wilaya") << "CHANGEMENT WILAYA (ENTREES)"
                                      << "CHINOISE" << 1 << "" << 0 << QStringList { "Anx_07" };
    QTest::newRow("refused APT") << "APT"
                                 << "MAROCAINE" << 1 << "" << 2 << QStringList {};
    QTest::newRow("no dossier for the type") << "CHANGEMENT EMPLOYEUR"
                                             << "CHINOISE" << 1 << "" << 2 << QStringList {};
    QTest::newRow("no such worker") << "APT"
                                    << "FRANCAISE" << 9 << "" << 2 << QStringList {};
    QTest::newRow("chosen forms, one no request type produces")
        << "APT"
        << "FRANCAISE" << 1 << "contrat1,anx_04_bis" << 0 << QStringList { "anx_04_bis", "contrat1" };
    QTest::newRow("chosen forms still checked") << "APT"
                                                << "MAROCAINE" << 1 << "anx_04_bis" << 2 << QStringList {};
    QTest::newRow("unknown form refused") << "APT"
                                          << "FRANCAISE" << 1 << "anx_04_bis,annexe99" << 2 << QStringList {};
}

void TestDossier::exportWithoutWindow()
{
    QFETCH(QString, type);
    QFETCH(QString, nation);
    QFETCH(int, number);
    QFETCH(QString, forms);
    QFETCH(int, status);
    QFETCH(QStringList, files);
    QTemporaryDir parent;
    const QString out = QDir(parent.path()).filePath(QStringLiteral("pdf"));
    QString errors;
    bool chosen = true;
    {
        DataFixture fx;
        addEmployer(fx, QStringLiteral("SARL ALPHA"));
        addWorker(fx, 1, QStringLiteral("SARL ALPHA"), type, nation);
        QTextStream stream(&errors);
        DataModule data;
        DossierExport exporter(data, out, stream);
        chosen = forms.isEmpty() || exporter.chooseForms(forms.split(QLatin1Char(',')));
        if (chosen)
            QCOMPARE(exporter.run(fx.base(), number), status);
    }
    if (!chosen) {
        // Refused before anything is read, naming the wrong name and every valid one.
        QCOMPARE(status, 2);
        QVERIFY2(errors.contains(QLatin1String("annexe99")) && errors.contains(QLatin1String("anx_04_bis"))
                && errors.contains(QLatin1String("rapatriement1")),
            qPrintable(errors));
    }
    // The output folder is made only when there is something to write, and holds only the forms.
    QCOMPARE(QFileInfo::exists(out), !files.isEmpty());
    QStringList written = QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (QString &file : written)
        file.chop(4);
    QStringList expected = files;
    expected.sort(Qt::CaseInsensitive);
    written.sort(Qt::CaseInsensitive);
    QCOMPARE(written, expected);
    // Each message on one line of its own, as the terminal shows them: the window's blanks and
    // line breaks gone.
    for (const QString &line : errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QVERIFY2(line.startsWith(QLatin1String("velmora: ")) && !line.at(9).isSpace() && !line.contains('\r'),
            qPrintable(line));
    }
    // A dossier written says only the points worth a second look (this worker's values are mostly
    // blank): the window's notice that the print begins is not repeated.
    if (status == 0) {
        for (const QString &line : errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            QVERIFY2(line.startsWith(QStringLiteral("velmora: à vérifier: ")), qPrintable(line));
    }
    if (number == 9)
        QCOMPARE(errors, QStringLiteral("velmora: aucun expatrié n° 9\n"));
}

// The whole dossier in one file holds the pages the per-form files hold, in the dossier's order.
void TestDossier::singlePdfHoldsTheFormsInOrder_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("nation");
    QTest::newRow("APT dossier") << "APT"
                                 << "FRANCAISE";
    QTest::newRow("work permit dossier") << "PERMIS DE TRAVAIL"
                                         << "CHINOISE";
}

void TestDossier::singlePdfHoldsTheFormsInOrder()
{
    QFETCH(QString, type);
    QFETCH(QString, nation);
    QVERIFY2(PdfWords::available(), "pdftotext (poppler-utils) is needed to read the PDF files back");
    QTemporaryDir perForm, single;
    DataFixture fx;
    addEmployer(fx, QStringLiteral("SARL ALPHA"));
    addWorker(fx, 1, QStringLiteral("SARL ALPHA"), type, nation);
    QString errors;
    QCOMPARE(exportDossier(fx, perForm.path(), false, &errors), 0);
    QCOMPARE(exportDossier(fx, single.path(), true, &errors), 0);
    QStringList expected;
    for (const QString &form : DossierDocuments::allForms()) {
        const QString file = QDir(perForm.path()).filePath(form + QStringLiteral(".pdf"));
        if (QFile::exists(file))
            expected << pageTexts(file);
    }
    const QStringList written = QDir(single.path()).entryList(QDir::Files);
    QCOMPARE(written, QStringList { QStringLiteral("NOM1 PRENOM — %1 — %2.pdf").arg(type, today()) });
    QVERIFY(expected.size() >= 6);
    QCOMPARE(pageTexts(QDir(single.path()).filePath(written.first())), expected);
}

// The file is named for the worker, characters a file system refuses replaced; each PDF carries a
// title people read, the employer as author, the program as creator, French as language.
void TestDossier::pdfNamedAndTitledForPeople_data()
{
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<QString>("fileName"); // %1: today
    QTest::newRow("apostrophe and accents") << "N'DIAYE"
                                            << "Aïssatou Hélène"
                                            << "N'DIAYE Aïssatou Hélène — APT — %1.pdf";
    QTest::newRow("characters a file system refuses") << "O'BRIEN/SMITH"
                                                      << "Zoé: \"Lou\"?"
                                                      << "O'BRIEN_SMITH Zoé_ _Lou__ — APT — %1.pdf";
}

void TestDossier::pdfNamedAndTitledForPeople()
{
    QFETCH(QString, surname);
    QFETCH(QString, firstName);
    QFETCH(QString, fileName);
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty(),
        "pdfinfo (poppler-utils) is needed to read the PDF files' properties");
    const QString employer = QStringLiteral("SARL L'ÉTOILE & FILS");
    QTemporaryDir perForm, single;
    DataFixture fx;
    addEmployer(fx, employer);
    QVERIFY(DataFixture::add(fx.data().expatries(),
        { { QStringLiteral("Num_Ordre"), 1 }, { QStringLiteral("Nom_orga"), employer },
            { QStringLiteral("Nom"), surname }, { QStringLiteral("Prenom"), firstName },
            { QStringLiteral("Type_demande"), QStringLiteral("APT") },
            { QStringLiteral("Nation"), QStringLiteral("FRANCAISE") } }));
    QString errors;
    QCOMPARE(exportDossier(fx, single.path(), true, &errors), 0);
    QCOMPARE(QDir(single.path()).entryList(QDir::Files), QStringList { fileName.arg(today()) });
    QCOMPARE(exportDossier(fx, perForm.path(), false, &errors), 0);
    const QString person = surname + QLatin1Char(' ') + firstName;
    const QString creator = QStringLiteral("VELMORA ") + QStringLiteral(VELMORA_VERSION);
    const QList<std::pair<QString, QString>> files { { QDir(single.path()).filePath(fileName.arg(today())),
                                                         QStringLiteral("Dossier APT — ") + person },
        { QDir(perForm.path()).filePath(QStringLiteral("anx_02_Individuelle.pdf")),
            QStringLiteral("Annexe 02 Reçu de versement de pièces préliminaires — ") + person },
        { QDir(perForm.path()).filePath(QStringLiteral("anx_01_02.pdf")),
            QStringLiteral("Annexe 01 Fiche de renseignement (2/2) — ") + person } };
    for (const auto &[file, title] : files) {
        const QHash<QString, QString> info = pdfFields(file);
        QCOMPARE(info.value(QStringLiteral("Title")), title);
        QCOMPARE(info.value(QStringLiteral("Creator")), creator);
        const QString meta = pdfInfo(file, true);
        QVERIFY2(
            meta.contains(QStringLiteral("<dc:creator><rdf:Seq><rdf:li>SARL L'ÉTOILE &amp; FILS</rdf:li>")),
            qPrintable(meta));
        QVERIFY2(
            meta.contains(QStringLiteral("<dc:language><rdf:Bag><rdf:li>fr-FR</rdf:li>")), qPrintable(meta));
    }
}

// One file that cannot be written and none of the dossier's is: the export fails with 1, naming
// the file and the reason; an output folder it made is gone again.
void TestDossier::failedWriteWritesNothing_data()
{
    QTest::addColumn<bool>("single");
    QTest::addColumn<QString>("blocker"); // a folder standing where a file goes, under OUT
    QTest::addColumn<QString>("said");
    QTest::newRow("one form of several")
        << false << "anx_02_Individuelle.pdf"
        << "velmora: Le fichier « {out}/anx_02_Individuelle.pdf » n'a pas pu être écrit : "
           "un dossier porte déjà ce nom\n";
    QTest::newRow("the single file") << true << "NOM1 PRENOM — APT — {today}.pdf"
                                     << "velmora: Le fichier « {out}/NOM1 PRENOM — APT — {today}.pdf » "
                                        "n'a pas pu être écrit : un dossier porte déjà ce nom\n";
    QTest::newRow("output folder under a file")
        << true << ""
        << "velmora: Le dossier de sortie « {out} » ne peut pas être créé.\n";
}

void TestDossier::failedWriteWritesNothing()
{
    QFETCH(bool, single);
    QFETCH(QString, blocker);
    QFETCH(QString, said);
    QTemporaryDir parent;
    QString out = QDir(parent.path()).filePath(QStringLiteral("pdf"));
    if (blocker.isEmpty()) {
        QFile file(QDir(parent.path()).filePath(QStringLiteral("fichier")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        out = QDir(file.fileName()).filePath(QStringLiteral("pdf"));
    } else {
        QVERIFY(QDir().mkpath(QDir(out).filePath(QString(blocker).replace("{today}", today()))));
    }
    DataFixture fx;
    addEmployer(fx, QStringLiteral("SARL ALPHA"));
    addWorker(fx, 1, QStringLiteral("SARL ALPHA"), QStringLiteral("APT"), QStringLiteral("FRANCAISE"));
    QString errors;
    QCOMPARE(exportDossier(fx, out, single, &errors), 1);
    QVERIFY2(errors.endsWith(said.replace("{out}", out).replace("{today}", today())), qPrintable(errors));
    const QStringList left = QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(left, blocker.isEmpty() ? QStringList() : QStringList { blocker.replace("{today}", today()) });
}

// In a dossier run each preview says which form of how many it shows, and offers the whole
// dossier as one PDF under the worker's name; a file that cannot be written is said, not left.
void TestDossier::previewRunWritesTheWholeDossier_data()
{
    QTest::addColumn<bool>("writable");
    QTest::newRow("written") << true;
    QTest::newRow("folder missing") << false;
}

void TestDossier::previewRunWritesTheWholeDossier()
{
    QFETCH(bool, writable);
    QTemporaryDir folder;
    DataFixture fx;
    ScriptedUi ui;
    addEmployer(fx, QStringLiteral("SARL ALPHA"));
    addWorker(fx, 1, QStringLiteral("SARL ALPHA"), QStringLiteral("APT"), QStringLiteral("FRANCAISE"));
    QVERIFY(fx.data().expatries()->first());
    DossierDialog dialog;
    DossierPrinting printing(&fx.data(), &dialog, ui, nullptr);
    ui.saveName
        = QDir(folder.path())
              .filePath(writable ? QStringLiteral("dossier.pdf") : QStringLiteral("absent/dossier.pdf"));
    QString caption;
    ui.onPreviewRun = [&](ReportDocument &document, const PreviewRun &run) {
        if (run.position != 4)
            return;
        PreviewWindow window(document, ui, nullptr, &run);
        caption = window.windowTitle();
        auto *whole = window.findChild<QPushButton *>(QStringLiteral("dossierPdf"));
        QVERIFY(whole);
        QCOMPARE(whole->text(), QStringLiteral("Dossier complet en PDF…"));
        whole->click();
    };
    ui.onDialog = [&](QDialog *) {
        dialog.show();
        dialog.automatic()->click();
        dialog.preview()->click();
        dialog.runButton()->click();
        dialog.closeButton()->click();
        return 0;
    };
    printing.printFromPage();
    QCOMPARE(ui.runs,
        (QStringList { "1 / 7 — Demande d'obtention d'une Autorisation Provisoire de Travail (A.P.T)",
            "2 / 7 — Demande de Visa de Travail", "3 / 7 — Annexe 01 Fiche de renseignement (1/2)",
            "4 / 7 — Annexe 01 Fiche de renseignement (2/2)",
            "5 / 7 — Annexe 02 Reçu de versement de pièces préliminaires",
            "6 / 7 — Modèle 01 Engagement de recrutement de Travailleur Etranger",
            "7 / 7 — Modèle 06 Engagement de Rapatriement" }));
    QCOMPARE(caption, ui.runs.at(3));
    QCOMPARE(ui.suggestions, QStringList { QStringLiteral("NOM1 PRENOM — APT — %1.pdf").arg(today()) });
    QCOMPARE(QFile::exists(ui.saveName), writable);
    if (writable) {
        QVERIFY2(PdfWords::available(), "pdftotext (poppler-utils) is needed to read the PDF file back");
        QCOMPARE(pageTexts(ui.saveName).size(), 7);
        QVERIFY(ui.errors.isEmpty());
    } else {
        QCOMPARE(ui.errors,
            QStringList {
                QStringLiteral("Le fichier « %1 » n'a pas pu être écrit : le dossier « %2 » n'existe pas")
                    .arg(ui.saveName, QFileInfo(ui.saveName).absolutePath()) });
    }
}

QTEST_MAIN(TestDossier)
#include "tst_dossier.moc"
