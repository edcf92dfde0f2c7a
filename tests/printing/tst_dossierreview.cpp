#include "datafixture.h"
#include "reviewstore.h"
#include "scriptedui.h"

#include "data/table.h"
#include "printing/dossierdialog.h"
#include "printing/dossierexport.h"
#include "printing/dossierprinting.h"
#include "printing/reviewpointsdialog.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

// The points looked over before a worker's dossier goes out: what they say, the window with
// "Continuer" and "Retour", and the same points on the terminal.
class TestDossierReview : public QObject
{
    Q_OBJECT

private:
    // Every value the entry form asks for, short and sound; APT for a French worker.
    static QVariantMap completeWorker(int number, const QString &post)
    {
        const auto d = [](int y, int m, int day) { return QDate(y, m, day); };
        return { { "Type_demande", "APT" }, { "Prenom", "JEAN" }, { "Date_nais", d(1980, 1, 1) },
            { "Lieu_nais", "LYON" }, { "Sex", "HOMME" }, { "Situation_familiale", "CELIBATAIRE" },
            { "Pays", "FRANCE" }, { "Nation", "FRANCAISE" }, { "Apatride", "NON" },
            { "Refugie_politique", "NON" }, { "Nom_pere", "PAUL" }, { "Nom_mere", "MARIE" },
            { "Diplome", "BTS" }, { "Qualification", "CADRE" }, { "Exper", 5 }, { "Duree", 12 },
            { "Date_debut_contrat", d(2026, 7, 1) }, { "Date_fin_contrat", d(2027, 7, 1) },
            { "Brut", "100000" }, { "Net", "80000" }, { "Sejour", "NON" }, { "Adrs_alg", "ALGER" },
            { "Passeport_num", "P123" }, { "Passeport_delivre", d(2020, 1, 1) },
            { "Passeport_date_debut", d(2020, 1, 1) }, { "Passeport_date_fin", d(2035, 1, 1) },
            { "Passeport_par", "PARIS" }, { "Adresse_etranger", "PARIS" }, { "Num_Ordre", number },
            { "Poste_occupe", post } };
    }

    // The register, with worker 7 on ALPHA's project: the contract ends before it starts, the
    // passport ends within six months, the post SOUDEUR is already full, the father's name is far
    // too long and the birthplace is blank. Worker 8 has nothing to say.
    static bool fill(DataModule &data)
    {
        QVariantMap faulty = completeWorker(7, QStringLiteral("soudeur"));
        faulty.insert({ { "Date_debut_contrat", QDate(2026, 9, 1) },
            { "Date_fin_contrat", QDate(2026, 8, 1) }, { "Passeport_date_fin", QDate(2026, 10, 1) },
            { "Nom_pere", QString(100, QLatin1Char('M')) }, { "Lieu_nais", QString() } });
        return ReviewStore::fill(data)
            && ReviewStore::addWorker(data, 7, "DURAND", ReviewStore::alpha, "PROJET A", "soudeur", faulty)
            && ReviewStore::addWorker(data, 8, "BLANC", ReviewStore::alpha, "PROJET A", "INGENIEUR",
                completeWorker(8, QStringLiteral("INGENIEUR")));
    }

    static int runExport(DataFixture &fx, int worker, bool checkOnly, const QString &out, QString *errors)
    {
        QTextStream stream(errors);
        DataModule data;
        DossierExport exporter(data, out, stream);
        exporter.setCheckOnly(checkOnly);
        exporter.setToday(ReviewStore::today);
        return exporter.run(fx.base(), worker);
    }

private slots:
    void pointsOnTheTerminal();
    void nothingToSay_data();
    void nothingToSay();
    void windowButtons_data();
    void windowButtons();
    void dialogButtons_data();
    void dialogButtons();
};

void TestDossierReview::pointsOnTheTerminal()
{
    DataFixture fx;
    QVERIFY(fill(fx.data()));
    QTemporaryDir out;
    QString errors;
    QCOMPARE(runExport(fx, 7, false, out.path(), &errors), 0);
    // The dossier is written all the same.
    QVERIFY(!QDir(out.path()).entryList({ QStringLiteral("*.pdf") }).isEmpty());
    const QStringList lines = errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines)
        QVERIFY2(line.startsWith(QStringLiteral("velmora: à vérifier: ")), qPrintable(line));
    const QString all = lines.join(QLatin1Char('\n'));
    const QStringList expected {
        QStringLiteral("« LIEU DE NAISSANCE » est vide : il s'imprimerait en blanc sur « "),
        QStringLiteral("« NOM DU PERE » (« MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM… ») est trop long pour sa "
                       "place sur « Annexe 01 Fiche de renseignement (2/2) »."),
        QStringLiteral("La fin du contrat (01/08/2026) précède son début (01/09/2026)."),
        QStringLiteral("Le passeport finit le 01/10/2026, dans moins de six mois."),
        QStringLiteral("Le poste « SOUDEUR » compte 3 expatriés pour 1 prévus par l'accord de principe."),
    };
    for (const QString &point : expected)
        QVERIFY2(all.contains(point), qPrintable(point + QStringLiteral("\n---\n") + all));
    QCOMPARE(lines.size(), 5);

    // Checked only: the same points, nothing written, exit 3.
    QTemporaryDir none;
    QString checked;
    QCOMPARE(runExport(fx, 7, true, none.filePath(QStringLiteral("out")), &checked), 3);
    QCOMPARE(checked, errors);
    QVERIFY(!QFileInfo::exists(none.filePath(QStringLiteral("out"))));
}

void TestDossierReview::nothingToSay_data()
{
    QTest::addColumn<int>("worker");
    QTest::addColumn<QString>("point");
    QTest::newRow("all well") << 8 << QString();
    QTest::newRow("post in no agreement")
        << 4
        << QStringLiteral("velmora: à vérifier: Le poste « Cuisinier » n'est dans "
                          "aucun accord de principe du projet « PROJET A ».\n");
}

// A worker with nothing to say is checked with 0; a post outside the agreement is one point.
void TestDossierReview::nothingToSay()
{
    QFETCH(int, worker);
    QFETCH(QString, point);
    DataFixture fx;
    QVERIFY(fill(fx.data()));
    Table *workers = fx.data().expatries();
    QVERIFY(workers->locate(worker));
    if (worker == 4) {
        // Everything else of LOPEZ made sound, so that the post is all there is to say.
        QVERIFY(workers->edit());
        const QVariantMap values = completeWorker(4, QStringLiteral("Cuisinier"));
        for (auto it = values.constBegin(); it != values.constEnd(); ++it)
            QVERIFY(workers->setValue(it.key(), it.value()));
        QVERIFY2(workers->post(), qPrintable(workers->lastError()));
    }
    QString errors;
    QCOMPARE(runExport(fx, worker, true, QString(), &errors), point.isEmpty() ? 0 : 3);
    QCOMPARE(errors, point);
}

void TestDossierReview::windowButtons_data()
{
    QTest::addColumn<bool>("goOn");
    QTest::newRow("Continuer opens the dialog") << true;
    QTest::newRow("Retour goes back to the worker") << false;
}

void TestDossierReview::windowButtons()
{
    QFETCH(bool, goOn);
    DataFixture fx;
    QVERIFY(fill(fx.data()));
    ScriptedUi ui;
    ui.goOn = goOn;
    DossierDialog dialog;
    DossierPrinting printing(&fx.data(), &dialog, ui, nullptr);
    QVERIFY(fx.data().expatries()->locate(7));
    printing.printFromPage();
    QCOMPARE(ui.reviewed.size(), 1);
    QVERIFY(ui.reviewed.first().contains(
        QStringLiteral("La fin du contrat (01/08/2026) précède son début (01/09/2026).")));
    QCOMPARE(ui.dialogs, goOn ? 1 : 0);
    // Whichever way the window is left, the worker list stays on the worker.
    QCOMPARE(fx.data().expatries()->value(QStringLiteral("Num_Ordre")).toInt(), 7);

    // Nothing to say: no window, the dialog opens.
    ui.reviewed.clear();
    ui.dialogs = 0;
    QVERIFY(fx.data().expatries()->locate(8));
    printing.printFromPage();
    QVERIFY(ui.reviewed.isEmpty());
    QCOMPARE(ui.dialogs, 1);
}

void TestDossierReview::dialogButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("Continuer") << "continueButton" << int(QDialog::Accepted);
    QTest::newRow("Retour") << "backButton" << int(QDialog::Rejected);
}

void TestDossierReview::dialogButtons()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    ReviewPointsDialog dialog({ QStringLiteral("Premier point."), QStringLiteral("Second point.") });
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Points à vérifier"));
    auto *pressed = dialog.findChild<QPushButton *>(button);
    QVERIFY(pressed);
    QCOMPARE(pressed->text(), QString::fromUtf8(QTest::currentDataTag()));
    QTimer::singleShot(0, pressed, &QPushButton::click);
    QCOMPARE(dialog.exec(), result);
}

QTEST_MAIN(TestDossierReview)
#include "tst_dossierreview.moc"
