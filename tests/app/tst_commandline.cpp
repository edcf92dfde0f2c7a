#include "datafixture.h"
#include "paradoxwriter.h"

#include "data/activation.h"
#include "data/backupstore.h"
#include "data/datamodule.h"
#include "data/table.h"
#include "printing/dossierdocuments.h"

#include <QDate>
#include <QDir>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// The command line of the built program, run as a batch user would, without a display: the exit
// status and the first words of what it says for each request, and the forms a dossier writes.
class TestCommandLine : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        int status = -1;
        QString output;
        QString errors;
    };

    // Runs the program with `arguments`, where {base}, {empty}, {out}, {archive} and {junk} stand
    // for the data directory, a directory without a database, the output directory, an archive
    // and a file that is none; no display, no runtime directory.
    static Run run(QStringList arguments, const QMap<QString, QString> &places)
    {
        for (QString &argument : arguments) {
            for (auto place = places.begin(); place != places.end(); ++place)
                argument.replace(place.key(), place.value());
        }
        QProcess process;
        process.setProcessEnvironment(batchEnvironment());
        process.start(QStringLiteral(VELMORA_PROGRAM), arguments);
        Run result;
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return result;
        result.status = process.exitCode();
        result.output = QString::fromUtf8(process.readAllStandardOutput());
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

    // The seeded base, and an archive of it for a restore.
    static void seedAndArchive(const QString &base, const QString &archive)
    {
        seed(base);
        QVERIFY(BackupStore(Activation::databaseDirectory(base))
                    .writeArchive(archive, QDateTime::currentDateTime()));
    }

    // What --restore says when process `pid` has the store in `dir` open.
    static QString heldElsewhere(const QString &dir, qint64 pid)
    {
        return QStringLiteral("velmora: La base « %1 » est ouverte dans un autre exemplaire du programme "
                              "(processus %2) : fermez-le avant de restaurer. Rien n'a été remplacé.\n")
            .arg(dir)
            .arg(pid);
    }

    // The environment of a run: no display, no runtime directory.
    static QProcessEnvironment batchEnvironment()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR" })
            environment.remove(QString::fromLatin1(name));
        return environment;
    }

    // The employers' names an Employeur.DB file holds.
    static QStringList employers(const QString &file)
    {
        QStringList names;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("read"));
            db.setDatabaseName(file);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            QSqlQuery q(db);
            if (db.open() && q.exec(QStringLiteral("SELECT Nom_orga FROM Employeur"))) {
                while (q.next())
                    names << q.value(0).toString();
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("read"));
        return names;
    }

    // The copies a restore set aside, named for the day and the time.
    static QStringList setAside(const QString &dir)
    {
        static const QRegularExpression named(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}-\\d{6}$"));
        return QDir(BackupStore(dir).folder()).entryList(QDir::Dirs).filter(named);
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
    void restoreWhileAnotherCopySaves();
    void restoreWhileAWindowIsOpen();
};

void TestCommandLine::statusesAndMessages_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("start"); // of standard output for --help and --version, else of standard error
    QTest::addColumn<QString>("says"); // somewhere in it
    QTest::addColumn<QStringList>("written"); // the forms written as OUT/<form>.pdf
    const QString usage = QStringLiteral("\nUtilisation : velmora ");
    const QString dossier = QStringLiteral("--export-dossier");
    const QString none;

    // --help and --version answer on standard output, without a display.
    QTest::newRow("help") << QStringList { "--help" } << 0 << "Utilisation : velmora [OPTION]…\n"
                          << "  --export-dossier N" << QStringList();
    QTest::newRow("help names the database directory")
        << QStringList { "--data-dir", "{base}", "-h" } << 0 << "Utilisation : velmora"
        << "Répertoire de la base de données : {base}/Base de données employeur\n"
        << QStringList();
    QTest::newRow("help lists the exit statuses")
        << QStringList { "--help", "--frobnicate" } << 0 << "Utilisation : velmora"
        << "  2  erreur d'utilisation" << QStringList();
    QTest::newRow("version") << QStringList { "--version" } << 0
                             << QStringLiteral("velmora %1\n").arg(QStringLiteral(VELMORA_VERSION))
                             << "GPL version 3 ou ultérieure" << QStringList();
    QTest::newRow("version, short") << QStringList { "-v" } << 0 << "velmora " << none << QStringList();

    // Usage errors exit 2 with what was wrong and one usage line.
    QTest::newRow("unknown option") << QStringList { "--frobnicate", "--help" } << 2
                                    << "velmora: option inconnue « --frobnicate »" << usage << QStringList();
    QTest::newRow("unknown option with a value")
        << QStringList { "--colour=rouge" } << 2 << "velmora: option inconnue « --colour »" << usage
        << QStringList();
    QTest::newRow("unknown short option")
        << QStringList { "-x" } << 2 << "velmora: option inconnue « -x »" << usage << QStringList();
    QTest::newRow("value given to --help")
        << QStringList { "--help=tout" } << 2 << "velmora: l'option --help ne prend pas de valeur" << usage
        << QStringList();
    QTest::newRow("number missing") << QStringList { "--data-dir", "{base}", dossier } << 2
                                    << "velmora: l'option --export-dossier demande une valeur (N)" << usage
                                    << QStringList();
    QTest::newRow("data directory missing")
        << QStringList { "--data-dir" } << 2 << "velmora: l'option --data-dir demande une valeur (DOSSIER)"
        << usage << QStringList();
    for (const char *number : { "abc", "1x", "-3", " 1", "99999999999" }) {
        QTest::addRow("number «%s»", number)
            << QStringList { "--data-dir", "{base}", dossier, number, "--output", "{out}" } << 2
            << QStringLiteral("velmora: numéro d'expatrié invalide pour --export-dossier : « %1 »")
                   .arg(QLatin1String(number))
            << usage << QStringList();
    }
    QTest::newRow("two exports at once") << QStringList { "--data-dir", "{base}", dossier, "1",
        "--export-fiche", "SARL ALPHA", "--output",
        "{out}" } << 2 << "velmora: une seule exportation à la fois : --export-fiche après --export-dossier"
                                         << usage << QStringList();
    QTest::newRow("stray argument") << QStringList { "--data-dir", "{base}", dossier, "1", "--output",
        "{out}", "contrat1" } << 2 << "velmora: argument inattendu « contrat1 »"
                                    << usage << QStringList();
    QTest::newRow("option after --") << QStringList { "--", "--help" } << 2
                                     << "velmora: argument inattendu « --help »" << usage << QStringList();
    QTest::newRow("output empty") << QStringList { "--data-dir", "{base}", dossier, "1", "--output", "" } << 2
                                  << "velmora: valeur vide pour --output" << usage << QStringList();
    QTest::newRow("output= empty") << QStringList { "--data-dir", "{base}", dossier, "1", "--output=" } << 2
                                   << "velmora: valeur vide pour --output" << usage << QStringList();
    QTest::newRow("data directory empty")
        << QStringList { "--data-dir=", dossier, "1", "--output", "{out}" } << 2
        << "velmora: valeur vide pour --data-dir" << usage << QStringList();
    QTest::newRow("output missing") << QStringList { "--data-dir", "{base}", dossier, "1" } << 2
                                    << "velmora: --export-dossier demande --output DOSSIER" << usage
                                    << QStringList();
    QTest::newRow("output missing for the sheet")
        << QStringList { "--data-dir", "{base}", "--export-fiche", "SARL ALPHA" } << 2
        << "velmora: --export-fiche demande --output DOSSIER" << usage << QStringList();
    QTest::newRow("output without an export")
        << QStringList { "--data-dir", "{base}", "--output", "{out}" } << 2
        << "velmora: --output ne s'emploie qu'avec --export-dossier" << usage << QStringList();
    QTest::newRow("forms without a dossier")
        << QStringList { "--data-dir", "{base}", "--forms", "contrat1", "--output", "{out}" } << 2
        << "velmora: --forms ne s'emploie qu'avec --export-dossier N" << usage << QStringList();
    QTest::newRow("forms without a name")
        << QStringList { "--data-dir", "{base}", dossier, "1", "--output", "{out}", "--forms", ",," } << 2
        << "velmora: aucun nom de formulaire dans --forms « ,, »" << usage << QStringList();

    // Refusals exit 2; an export never creates a store.
    QTest::newRow("no database") << QStringList { "--data-dir", "{empty}", dossier, "1", "--output", "{out}" }
                                 << 2 << "velmora: aucune base de données dans « {empty} »\n"
                                 << none << QStringList();
    QTest::newRow("no database for the sheet")
        << QStringList { "--data-dir", "{empty}", "--export-fiche", "SARL ALPHA", "--output", "{out}" } << 2
        << "velmora: aucune base de données dans « {empty} »\n"
        << none << QStringList();
    QTest::newRow("unknown form")
        << QStringList { "--data-dir", "{base}", dossier, "1", "--output", "{out}", "--forms",
               "contrat1,annexe99" }
        << 2 << "velmora: formulaire inconnu pour --forms : annexe99 ; formulaires valides : "
        << DossierDocuments::allForms().join(QLatin1Char(',')) << QStringList();
    QTest::newRow("no such worker") << QStringList { "--data-dir", "{base}", dossier, "99", "--output",
        "{out}" } << 2 << "velmora: "
                                    << "99" << QStringList();
    QTest::newRow("no such employer")
        << QStringList { "--data-dir", "{base}", "--export-fiche", "SARL OMEGA", "--output", "{out}" } << 2
        << "velmora: " << none << QStringList();

    QTest::newRow("dossier written") << QStringList { "--data-dir", "{base}", dossier, "1", "--output",
        "{out}" } << 0 << none << none
                                     << QStringList { "anx_01", "anx_01_02", "anx_02_Individuelle",
                                            "demande_apt", "demande_visa", "rapatriement1", "recrutement" };
    // This worker's values are mostly blank: the points are said, the dossier written all the same;
    // checked only, nothing is written and the status says there are points.
    QTest::newRow("dossier written says its points")
        << QStringList { "--data-dir", "{base}", dossier, "1", "--output", "{out}", "--forms", "contrat1" }
        << 0 << "velmora: à vérifier: « "
        << "» est vide : il s'imprimerait en blanc sur « Modèle 02 Contrat" << QStringList { "contrat1" };
    QTest::newRow("dossier checked") << QStringList { "--data-dir", "{base}", "--check-dossier", "1" } << 3
                                     << "velmora: à vérifier: « "
                                     << "\nvelmora: à vérifier: " << QStringList();
    QTest::newRow("dossier checked, no such worker")
        << QStringList { "--data-dir", "{base}", "--check-dossier", "99" } << 2
        << "velmora: aucun expatrié n° 99" << none << QStringList();
    QTest::newRow("dossier checked, number invalid")
        << QStringList { "--data-dir", "{base}", "--check-dossier", "1a" } << 2
        << "velmora: numéro d'expatrié invalide pour --check-dossier : « 1a »" << usage << QStringList();
    QTest::newRow("dossier checked writes nothing")
        << QStringList { "--data-dir", "{base}", "--check-dossier", "1", "--output", "{out}" } << 2
        << "velmora: --check-dossier n'écrit rien" << usage << QStringList();
    QTest::newRow("single PDF without a dossier")
        << QStringList { "--data-dir", "{base}", "--export-fiche", "SARL ALPHA", "--output", "{out}",
               "--single-pdf" }
        << 2 << "velmora: --single-pdf ne s'emploie qu'avec --export-dossier N" << usage << QStringList();
    QTest::newRow("single PDF takes no value")
        << QStringList { "--data-dir", "{base}", dossier, "1", "--output", "{out}", "--single-pdf=oui" } << 2
        << "velmora: l'option --single-pdf ne prend pas de valeur" << usage << QStringList();
    QTest::newRow("single PDF written")
        << QStringList { "--data-dir", "{base}", dossier, "1", "--output", "{out}", "--single-pdf" } << 0
        << none << none
        << QStringList { QStringLiteral("DUPONT JEAN — APT — ")
               + QDate::currentDate().toString(Qt::ISODate) };
    QTest::newRow("chosen forms written, values after =")
        << QStringList { "--data-dir={base}", "--export-dossier=1", "--output={out}", "--forms=contrat1" }
        << 0 << none << none << QStringList { "contrat1" };

    // A backup written, refused or failed; a restore of a sound archive, of a file that is none.
    QTest::newRow("backup written") << QStringList { "--data-dir", "{base}", "--backup", "{archive}" } << 0
                                    << none << none << QStringList();
    QTest::newRow("backup into a missing folder")
        << QStringList { "--data-dir", "{base}", "--backup", "{out}/base.zip" } << 1
        << "velmora: Impossible d'écrire « {out}/base.zip »" << none << QStringList();
    QTest::newRow("backup without a database")
        << QStringList { "--data-dir", "{empty}", "--backup", "{archive}" } << 2
        << "velmora: aucune base de données dans « {empty} »\n"
        << none << QStringList();
    QTest::newRow("backup and restore at once")
        << QStringList { "--data-dir", "{base}", "--backup", "{archive}", "--restore", "{archive}" } << 2
        << "velmora: une seule exportation à la fois : --restore après --backup" << usage << QStringList();
    QTest::newRow("restore of an archive")
        << QStringList { "--data-dir", "{base}", "--restore", "{archive}" } << 0 << "velmora: Sauvegarde du "
        << "Employeur 1 ligne, contact 1 ligne" << QStringList();
    QTest::newRow("restore of a file that is no archive")
        << QStringList { "--data-dir", "{base}", "--restore", "{junk}" } << 2
        << "velmora: « {junk} » n'est pas une archive zip lisible." << none << QStringList();

    // An old base imported into a new store, refused into one with rows, from a missing folder or
    // from a damaged table; a store that cannot be made fails.
    const QString import = QStringLiteral("--import-paradox");
    QTest::newRow("import into a new store")
        << QStringList { "--data-dir", "{fresh}", import, "{old}" } << 0
        << "velmora: 2 employeurs, 2 projets, 2 postes, 2 expatriés importés." << none << QStringList();
    QTest::newRow("import into a store with rows")
        << QStringList { "--data-dir", "{base}", import, "{old}" } << 2
        << "velmora: La base contient déjà des enregistrements (table Employeur)" << none << QStringList();
    QTest::newRow("import from a missing folder")
        << QStringList { "--data-dir", "{fresh}", import, "{out}/ancien" } << 2
        << "velmora: le dossier « {out}/ancien » n'existe pas\n"
        << none << QStringList();
    QTest::newRow("import of a damaged table")
        << QStringList { "--data-dir", "{fresh}", import, "{damaged}" } << 2
        << "velmora: Le fichier « {damaged}/Accord.DB » est endommagé" << none << QStringList();
    QTest::newRow("import where no store can be made")
        << QStringList { "--data-dir", "{junk}", import, "{old}" } << 1
        << "velmora: Impossible de créer le répertoire" << none << QStringList();
    QTest::newRow("import and backup at once")
        << QStringList { "--data-dir", "{base}", "--backup", "{archive}", import, "{old}" } << 2
        << "velmora: une seule exportation à la fois : --import-paradox après --backup" << usage
        << QStringList();

    // The shared base: {server} is the test server emptied, {seeded-server} holds the seeded rows.
    const QString copied = QStringLiteral("Employeur 1 ligne, Expatries 1 ligne, contact 1 ligne");
    QTest::newRow("copy to an empty server")
        << QStringList { "--data-dir", "{base}", "--copy-to-server", "{server}" } << 0
        << "velmora: copie terminée vers postgresql://" << copied << QStringList();
    QTest::newRow("copy to a server holding rows")
        << QStringList { "--data-dir", "{base}", "--copy-to-server", "{seeded-server}" } << 2
        << "velmora: La destination contient déjà des enregistrements (table Employeur)" << none
        << QStringList();
    QTest::newRow("copy from a server")
        << QStringList { "--data-dir", "{out}", "--copy-from-server", "{seeded-server}" } << 0
        << "velmora: copie terminée vers {out}/Base de données employeur" << copied << QStringList();
    QTest::newRow("copy from a server into a base holding rows")
        << QStringList { "--data-dir", "{base}", "--copy-from-server", "{seeded-server}" } << 2
        << "velmora: La destination contient déjà des enregistrements" << none << QStringList();
    QTest::newRow("copy without a data directory")
        << QStringList { "--copy-to-server", "postgresql://localhost/velmora" } << 2
        << "velmora: --copy-to-server demande --data-dir DOSSIER" << usage << QStringList();
    QTest::newRow("server address that is none")
        << QStringList { "--server", "http://localhost/velmora" } << 2
        << "velmora: adresse de serveur invalide pour --server : « http://localhost/velmora »" << usage
        << QStringList();
    QTest::newRow("server out of reach")
        << QStringList { "--server", "postgresql://velmora@127.0.0.1:1/velmora", "--backup", "{archive}" }
        << 1
        << "velmora: Le serveur de la base partagée « postgresql://velmora@127.0.0.1:1/velmora » ne répond "
           "pas"
        << none << QStringList();
    QTest::newRow("backup of the server") << QStringList { "--server", "{seeded-server}", "--backup",
        "{archive}" } << 0 << none << none << QStringList();
    QTest::newRow("dossier written from the server")
        << QStringList { "--server", "{seeded-server}", dossier, "1", "--output", "{out}" } << 0 << none
        << none
        << QStringList { "anx_01", "anx_01_02", "anx_02_Individuelle", "demande_apt", "demande_visa",
               "rapatriement1", "recrutement" };
}

void TestCommandLine::statusesAndMessages()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, start);
    QFETCH(QString, says);
    QFETCH(QStringList, written);
    QTemporaryDir base, empty, out;
    seed(base.path());
    const QString server = DataFixture::testServer();
    if (arguments.join(QLatin1Char(' ')).contains(QLatin1String("server}"))) {
        if (server.isEmpty())
            QSKIP("VELMORA_TEST_SERVER is not set: run the tests through scripts/with-postgres.");
        DataFixture emptied(server);
        if (arguments.join(QLatin1Char(' ')).contains(QLatin1String("{seeded-server}")))
            seed(server);
    }
    const QString pdf = QDir(out.path()).filePath(QStringLiteral("pdf"));
    const QMap<QString, QString> places { { QStringLiteral("{base}"), base.path() },
        { QStringLiteral("{empty}"), empty.path() }, { QStringLiteral("{out}"), pdf },
        { QStringLiteral("{archive}"), QDir(out.path()).filePath(QStringLiteral("base.zip")) },
        { QStringLiteral("{junk}"), QDir(out.path()).filePath(QStringLiteral("faux.zip")) },
        { QStringLiteral("{old}"), QDir(out.path()).filePath(QStringLiteral("old")) },
        { QStringLiteral("{damaged}"), QDir(out.path()).filePath(QStringLiteral("damaged")) },
        { QStringLiteral("{fresh}"), QDir(out.path()).filePath(QStringLiteral("fresh")) },
        { QStringLiteral("{server}"), server }, { QStringLiteral("{seeded-server}"), server } };
    // What a restore reads: an archive of the seeded base, and a file that only bears the name.
    if (arguments.contains(QStringLiteral("--restore"))) {
        QVERIFY(BackupStore(Activation::databaseDirectory(base.path()))
                    .writeArchive(places.value(QStringLiteral("{archive}")), QDateTime::currentDateTime()));
        QFile junk(places.value(QStringLiteral("{junk}")));
        QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("PK") == 2);
    }
    // What an import reads: an old base, and one whose agreement table was cut short.
    if (arguments.contains(QStringLiteral("--import-paradox"))) {
        for (const char *folder : { "{old}", "{damaged}" }) {
            QVERIFY(QDir().mkpath(places.value(QLatin1String(folder))));
            ParadoxWriter::writeBase(places.value(QLatin1String(folder)));
        }
        QFile cut(QDir(places.value(QStringLiteral("{damaged}"))).filePath(QStringLiteral("Accord.DB")));
        QVERIFY(cut.resize(cut.size() - 1));
        QFile junk(places.value(QStringLiteral("{junk}")));
        QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("PK") == 2);
    }
    for (auto place = places.begin(); place != places.end(); ++place) {
        start.replace(place.key(), place.value());
        says.replace(place.key(), place.value());
    }
    const Run result = run(arguments, places);
    QCOMPARE(result.status, status);
    const bool answer = !result.output.isEmpty();
    const QString said = answer ? result.output : result.errors;
    QVERIFY2(said.startsWith(start) && said.contains(says), qPrintable(said));
    QCOMPARE(writtenForms(pdf), written);
    if (status == 0 && arguments.contains(QStringLiteral("--backup")))
        QVERIFY(QFileInfo::exists(places.value(QStringLiteral("{archive}"))));
    QVERIFY(QDir(empty.path()).isEmpty());

    // Standard error is for a terminal: the program's messages, each on a line of its own, and its
    // usage line; nothing from Qt, no carriage return, no window layout.
    if (answer)
        QCOMPARE(result.errors, QString());
    for (const QString &line : result.errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QVERIFY2(
            line.startsWith(QLatin1String("velmora: ")) || line.startsWith(QLatin1String("Utilisation : ")),
            qPrintable(line));
        QVERIFY2(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1String("   ")), qPrintable(line));
    }
    if (!result.errors.isEmpty())
        QVERIFY2(result.errors.endsWith(QLatin1Char('\n')), qPrintable(result.errors));
}

// Another copy of the program saves one employer after another while --restore runs: every save it
// was told was done is in the store afterwards, or in the copy the restore set aside.
void TestCommandLine::restoreWhileAnotherCopySaves()
{
    QTemporaryDir base;
    QTemporaryDir out;
    const QString dir = Activation::databaseDirectory(base.path());
    const QString archive = QDir(out.path()).filePath(QStringLiteral("base.zip"));
    seedAndArchive(base.path(), archive);

    DataModule copy;
    QVERIFY(Activation::run(copy, base.path()).ok);
    QStringList acknowledged;
    QString refusal;
    const auto save = [&] {
        const QString name = QStringLiteral("SAISIE %1").arg(acknowledged.size() + 1);
        Table *employers = copy.employeur();
        if (employers->append() && employers->setValue(QStringLiteral("Nom_orga"), name) && employers->post())
            acknowledged << name;
        else
            refusal = employers->lastError();
        employers->cancel();
    };
    QProcess restore;
    restore.setProcessEnvironment(batchEnvironment());
    restore.start(QStringLiteral(VELMORA_PROGRAM), { "--data-dir", base.path(), "--restore", archive });
    QVERIFY(restore.waitForStarted());
    while (!restore.waitForFinished(1) && acknowledged.size() < 100000)
        save();
    QCOMPARE(restore.exitStatus(), QProcess::NormalExit);
    // The copy goes on saving after the restore has ended.
    for (int i = 0; i < 3; ++i)
        save();

    QStringList kept = employers(QDir(dir).filePath(QStringLiteral("Employeur.DB")));
    for (const QString &aside : setAside(dir)) {
        const QDir folder(QDir(BackupStore(dir).folder()).filePath(aside));
        kept << employers(folder.filePath(QStringLiteral("Employeur.DB")));
        QCOMPARE(
            folder.entryList({ QStringLiteral("*-journal") }, QDir::Files | QDir::Hidden), QStringList());
    }
    QStringList lost;
    for (const QString &name : acknowledged) {
        if (!kept.contains(name))
            lost << name;
    }
    QVERIFY2(lost.isEmpty(), qPrintable(lost.join(QLatin1String(", "))));
    QVERIFY2(refusal.isEmpty(), qPrintable(refusal));

    // The copy has the store open: the restore is refused, names the reason and touches nothing.
    const QString errors = QString::fromUtf8(restore.readAllStandardError());
    QCOMPARE(restore.exitCode(), 2);
    QCOMPARE(errors, heldElsewhere(dir, QCoreApplication::applicationPid()));
    QCOMPARE(setAside(dir), QStringList());
}

// A window of the program, as the clerk leaves it open: --restore refuses while it runs; once it is
// gone, even without closing (killed), its lock stands in no one's way.
void TestCommandLine::restoreWhileAWindowIsOpen()
{
    QTemporaryDir base;
    QTemporaryDir out;
    const QString dir = Activation::databaseDirectory(base.path());
    const QString archive = QDir(out.path()).filePath(QStringLiteral("base.zip"));
    seedAndArchive(base.path(), archive);
    {
        DataModule data;
        QVERIFY(Activation::run(data, base.path()).ok);
        QVERIFY(
            DataFixture::add(data.employeur(), { { QStringLiteral("Nom_orga"), QStringLiteral("APRÈS") } }));
    }
    const QString table = QDir(dir).filePath(QStringLiteral("Employeur.DB"));
    const QStringList before = employers(table);
    QVERIFY(before.contains(QStringLiteral("APRÈS")));

    QProcess window;
    QProcessEnvironment environment = batchEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    window.setProcessEnvironment(environment);
    window.start(QStringLiteral(VELMORA_PROGRAM), { "--data-dir", base.path() });
    QVERIFY(window.waitForStarted());
    // The window has the store open, and its copy of the day is taken.
    const QString daily
        = QDir(BackupStore(dir).folder()).filePath(QDate::currentDate().toString(Qt::ISODate));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(daily).isDir(), 60000);

    const QMap<QString, QString> places;
    const Run refused = run({ "--data-dir", base.path(), "--restore", archive }, places);
    QCOMPARE(refused.status, 2);
    QCOMPARE(refused.errors, heldElsewhere(dir, window.processId()));
    QCOMPARE(employers(table), before);
    QCOMPARE(setAside(dir), QStringList());

    window.kill();
    QVERIFY(window.waitForFinished());
    const Run restored = run({ "--data-dir", base.path(), "--restore", archive }, places);
    QCOMPARE(restored.status, 0);
    QVERIFY2(
        restored.errors.startsWith(QLatin1String("velmora: Sauvegarde du ")), qPrintable(restored.errors));
    QCOMPARE(employers(table), QStringList { QStringLiteral("SARL ALPHA") });
    const QStringList aside = setAside(dir);
    QCOMPARE(aside.size(), 1);
    QCOMPARE(
        employers(QDir(BackupStore(dir).folder()).filePath(aside.first() + QStringLiteral("/Employeur.DB"))),
        before);
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
