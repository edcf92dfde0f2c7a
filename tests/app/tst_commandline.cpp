#include "datafixture.h"

#include "data/activation.h"
#include "data/datamodule.h"
#include "printing/dossierdocuments.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The command line of the built program, run as a batch user would: the exit status and the
// message of each refused request, and a dossier written.
class TestCommandLine : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        int status = -1;
        QString errors;
    };

    // Runs the program with `arguments`, where {base} and {out} stand for the data and output
    // directories.
    static Run run(QStringList arguments, const QString &base, const QString &out)
    {
        for (QString &argument : arguments)
            argument.replace(QLatin1String("{base}"), base).replace(QLatin1String("{out}"), out);
        QProcess process;
        process.start(QStringLiteral(VELMORA_PROGRAM), arguments);
        Run result;
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return result;
        result.status = process.exitCode();
        result.errors = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    // An employer and its worker n°1, whose APT dossier passes every check.
    static void seed(const QString &base)
    {
        DataModule data;
        QVERIFY(Activation::run(data, base).ok);
        QVERIFY(DataFixture::add(data.employeur(),
            { { QStringLiteral("Nom_orga"), QStringLiteral("SARL ALPHA") },
                { QStringLiteral("Adrs_orga"), QStringLiteral("ALGER") } }));
        QVERIFY(DataFixture::add(data.contact(),
            { { QStringLiteral("nom_orga"), QStringLiteral("SARL ALPHA") },
                { QStringLiteral("Projet"), QStringLiteral("PROJET ALPHA") } }));
        QVERIFY(DataFixture::add(data.expatries(),
            { { QStringLiteral("Num_Ordre"), 1 },
                { QStringLiteral("Nom_orga"), QStringLiteral("SARL ALPHA") },
                { QStringLiteral("Nom"), QStringLiteral("DUPONT") },
                { QStringLiteral("Prenom"), QStringLiteral("JEAN") },
                { QStringLiteral("Type_demande"), QStringLiteral("APT") },
                { QStringLiteral("Nation"), QStringLiteral("FRANCAISE") } }));
    }

    static QStringList writtenForms(const QString &out)
    {
        QStringList written = QDir(out).entryList({ QStringLiteral("*.pdf") }, QDir::Files);
        for (QString &file : written)
            file.chop(4);
        written.sort(Qt::CaseInsensitive);
        return written;
    }

private slots:
    void statusesAndMessages_data();
    void statusesAndMessages();
};

void TestCommandLine::statusesAndMessages_data()
{
    const QString usage
        = QStringLiteral("velmora: --export-dossier N demande un numéro d'expatrie et --output DOSSIER\n");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // contained in standard error
    QTest::addColumn<QStringList>("written"); // the forms written as OUT/<form>.pdf

    // Usage errors exit 1, as the program always did.
    QTest::newRow("number missing") << QStringList { "--data-dir", "{base}", "--export-dossier" } << 1
                                    << "--export-dossier" << QStringList();
    QTest::newRow("number not a number")
        << QStringList { "--data-dir", "{base}", "--export-dossier", "un", "--output", "{out}" } << 1 << usage
        << QStringList();
    QTest::newRow("number with a tail")
        << QStringList { "--data-dir", "{base}", "--export-dossier", "1x", "--output", "{out}" } << 1 << usage
        << QStringList();
    QTest::newRow("output missing") << QStringList { "--data-dir", "{base}", "--export-dossier", "1" } << 1
                                    << usage << QStringList();
    QTest::newRow("output missing for the sheet")
        << QStringList { "--data-dir", "{base}", "--export-fiche", "SARL ALPHA" } << 1
        << "velmora: l'export demande --output DOSSIER\n"
        << QStringList();

    // Refusals exit 2.
    QTest::newRow("unknown form")
        << QStringList { "--data-dir", "{base}", "--export-dossier", "1", "--output", "{out}", "--forms",
               "contrat1,annexe99" }
        << 2
        << QStringLiteral("velmora: formulaire inconnu pour --forms : annexe99 ; formulaires valides : %1\n")
               .arg(DossierDocuments::allForms().join(QLatin1Char(',')))
        << QStringList();
    QTest::newRow("forms without a dossier")
        << QStringList { "--data-dir", "{base}", "--forms", "contrat1", "--output", "{out}" } << 2
        << "velmora: --forms ne s'emploie qu'avec --export-dossier N\n"
        << QStringList();
    QTest::newRow("no such worker") << QStringList { "--data-dir", "{base}", "--export-dossier", "9",
        "--output", "{out}" } << 2 << "Aucun expatrie ne porte le numéro 9.\n"
                                    << QStringList();

    QTest::newRow("dossier written") << QStringList { "--data-dir", "{base}", "--export-dossier", "1",
        "--output", "{out}" } << 0 << "Vous allez accedez a l'impression du dossier"
                                     << QStringList { "anx_01", "anx_01_02", "anx_02_Individuelle",
                                            "demande_apt", "demande_visa", "rapatriement1", "recrutement" };
    QTest::newRow("chosen forms written")
        << QStringList { "--data-dir", "{base}", "--export-dossier", "1", "--output", "{out}", "--forms",
               "contrat1" }
        << 0 << "Vous allez accedez a l'impression du dossier" << QStringList { "contrat1" };
}

void TestCommandLine::statusesAndMessages()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    QFETCH(QStringList, written);
    QTemporaryDir base, out;
    seed(base.path());
    const Run result = run(arguments, base.path(), QDir(out.path()).filePath(QStringLiteral("pdf")));
    QCOMPARE(result.status, status);
    QVERIFY2(result.errors.contains(message), qPrintable(result.errors));
    QCOMPARE(writtenForms(QDir(out.path()).filePath(QStringLiteral("pdf"))), written);
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
