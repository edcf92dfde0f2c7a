#include "datafixture.h"

#include "data/activation.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// The activation sequence on the directory: first start, missing files, names in another case,
// an agreement file that cannot be opened, damaged files, a place that cannot be written, and the
// directory chosen without --data-dir.
class TestActivation : public QObject
{
    Q_OBJECT

private:
    static QStringList dbFiles(const QString &dir)
    {
        return QDir(dir).entryList(
            { QStringLiteral("*.DB"), QStringLiteral("*.db") }, QDir::Files, QDir::Name);
    }
    static QStringList columnsOf(const QString &path, const QString &table)
    {
        QStringList names;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cols"));
            db.setDatabaseName(path);
            db.open();
            QSqlQuery q(db);
            q.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table));
            while (q.next())
                names << q.value(1).toString();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("cols"));
        return names;
    }
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private slots:
    void firstStartCreatesEverything();
    void missingFileIsCreatedAlone();
    void namesInAnotherCaseAreUsed();
    void unreadableAgreementFileIsRebuiltAndKept_data();
    void unreadableAgreementFileIsRebuiltAndKept();
    void damagedTableIsNamedAndLeftAlone();
    void unwritablePlaceIsNamed();
    void rerunDropsUnsavedRowsAndKeepsFilters();
    void defaultDirectoryFallsBackToUserData_data();
    void defaultDirectoryFallsBackToUserData();
};

void TestActivation::firstStartCreatesEverything()
{
    QTemporaryDir base;
    DataModule data;
    const auto result = Activation::run(data, base.path());
    QVERIFY2(result.ok, qPrintable(result.error));
    const QString dir = Activation::databaseDirectory(base.path());
    QVERIFY(dir.endsWith(QStringLiteral("/Base de données employeur")));
    QCOMPARE(dbFiles(dir),
        (QStringList { QStringLiteral("Accord.DB"), QStringLiteral("Employeur.DB"),
            QStringLiteral("Expatries.DB"), QStringLiteral("contact.DB") }));
    for (Table *t : { data.employeur(), data.contact(), data.accord(), data.expatries() }) {
        QVERIFY2(t->isOpen(), qPrintable(t->objectName()));
        QCOMPARE(t->rowCount(), 0);
    }
}

void TestActivation::missingFileIsCreatedAlone()
{
    DataFixture fx;
    QVERIFY(
        DataFixture::add(fx.data().employeur(), { { QStringLiteral("Nom_orga"), QStringLiteral("GARDE") } }));
    QVERIFY(DataFixture::add(fx.data().expatries(), { { QStringLiteral("Num_Ordre"), 1 } }));
    fx.data().expatries()->close();
    QVERIFY(QFile::remove(QDir(fx.dbDir()).filePath(QStringLiteral("Expatries.DB"))));
    const auto result = fx.activate();
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(fx.data().expatries()->rowCount(), 0);
    QCOMPARE(fx.data().employeur()->rowCount(), 1);
}

void TestActivation::namesInAnotherCaseAreUsed()
{
    DataFixture fx;
    QVERIFY(
        DataFixture::add(fx.data().contact(), { { QStringLiteral("nom_orga"), QStringLiteral("GARDE") } }));
    fx.data().contact()->close();
    const QDir dir(fx.dbDir());
    QVERIFY(QFile::rename(
        dir.filePath(QStringLiteral("contact.DB")), dir.filePath(QStringLiteral("CONTACT.DB"))));
    const auto result = fx.activate();
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(fx.data().contact()->rowCount(), 1);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("contact.DB"))));
}

void TestActivation::unreadableAgreementFileIsRebuiltAndKept_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("earlierLayout");
    QTest::newRow("random bytes") << QByteArray("\x01\x02 pas une table du tout \xff", 27) << QString();
    QTest::newRow("earlier layout without étrangers")
        << QByteArray()
        << QStringLiteral("CREATE TABLE Accord (Num INTEGER NOT NULL PRIMARY KEY, nom_orga TEXT, "
                          "Projet TEXT, poste TEXT, Diplome TEXT, experience INTEGER, "
                          "autre_condition TEXT, \"Algériens\" INTEGER, Observation TEXT)");
}

void TestActivation::unreadableAgreementFileIsRebuiltAndKept()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, earlierLayout);
    QTemporaryDir base;
    const QString dir = Activation::databaseDirectory(base.path());
    QVERIFY(QDir().mkpath(dir));
    const QString path = QDir(dir).filePath(QStringLiteral("Accord.DB"));
    if (earlierLayout.isEmpty()) {
        writeFile(path, content);
    } else {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(earlierLayout));
            QVERIFY(q.exec(QStringLiteral("INSERT INTO Accord (Num, poste) VALUES (1, 'GRUTIER')")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("old"));
    }
    QFile original(path);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();

    DataModule data;
    const auto result = Activation::run(data, base.path());
    QVERIFY2(result.ok, qPrintable(result.error));
    // Started silently on an empty agreement table with every agreement field ...
    QVERIFY(data.accord()->isOpen());
    QCOMPARE(data.accord()->rowCount(), 0);
    const QStringList columns = columnsOf(path, QStringLiteral("Accord"));
    for (const FieldDef &f : data.accord()->schema().fields)
        QVERIFY2(columns.contains(f.name, Qt::CaseInsensitive), qPrintable(f.name));
    // ... and the old file is kept beside it, byte for byte.
    QVERIFY(!result.backupPath.isEmpty());
    QFile kept(result.backupPath);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), before);
    QVERIFY(QFileInfo(result.backupPath).fileName().startsWith(QStringLiteral("Accord.DB.")));
}

void TestActivation::damagedTableIsNamedAndLeftAlone()
{
    QTemporaryDir base;
    const QString dir = Activation::databaseDirectory(base.path());
    QVERIFY(QDir().mkpath(dir));
    const QString path = QDir(dir).filePath(QStringLiteral("Employeur.DB"));
    const QByteArray junk("SQLite format 3\0 tronqué", 24);
    writeFile(path, junk);
    DataModule data;
    const auto result = Activation::run(data, base.path());
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(QStringLiteral("Employeur.DB")), qPrintable(result.error));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), junk);
}

void TestActivation::unwritablePlaceIsNamed()
{
    QTemporaryDir base;
    const QString blocker = QDir(base.path()).filePath(QStringLiteral("fichier"));
    writeFile(blocker, "x");
    DataModule data;
    const auto result = Activation::run(data, blocker);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(QStringLiteral("Base de données employeur")), qPrintable(result.error));
    QVERIFY(result.error.contains(QStringLiteral("--data-dir")));
}

void TestActivation::rerunDropsUnsavedRowsAndKeepsFilters()
{
    DataFixture fx;
    Table *workers = fx.data().expatries();
    for (int n : { 1, 2, 3 })
        QVERIFY(DataFixture::add(workers,
            { { QStringLiteral("Num_Ordre"), n },
                { QStringLiteral("Nom_orga"), n == 2 ? QStringLiteral("B") : QStringLiteral("A") } }));
    workers->setFilter(QStringLiteral("Nom_orga"), QStringLiteral("A"));
    QVERIFY(workers->setFiltered(true));
    QVERIFY(workers->last());
    QVERIFY(fx.data().employeur()->append());
    fx.data().employeur()->setValue(QStringLiteral("Nom_orga"), QStringLiteral("NON ENREGISTRE"));
    QVERIFY(fx.activate().ok);
    QCOMPARE(fx.data().employeur()->rowCount(), 0);
    QCOMPARE(workers->rowCount(), 2);
    QCOMPARE(workers->position(), 0);
    QCOMPARE(workers->value(QStringLiteral("Num_Ordre")).toInt(), 1);
}

void TestActivation::defaultDirectoryFallsBackToUserData_data()
{
    QTest::addColumn<QString>("program"); // a temporary folder, or a fixed path
    QTest::addColumn<bool>("holdsDatabase");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("besideProgram");
    QTest::newRow("writable, empty: portable") << QString() << false << true << true;
    QTest::newRow("writable, holding the base") << QString() << true << true << true;
    QTest::newRow("read-only, holding the base: portable") << QString() << true << false << true;
    QTest::newRow("read-only, empty: user data") << QString() << false << false << false;
    // Not writable even by root: the installed case as the test script runs it.
    QTest::newRow("unwritable system folder: user data")
        << QStringLiteral("/proc") << false << false << false;
    // Writable by root, yet the program installed there keeps its data in the user's folder.
    QTest::newRow("system program folder: user data")
        << QStringLiteral("/usr/bin") << false << false << false;
}

void TestActivation::defaultDirectoryFallsBackToUserData()
{
    QFETCH(QString, program);
    QFETCH(bool, holdsDatabase);
    QFETCH(bool, writable);
    QFETCH(bool, besideProgram);
    QTemporaryDir scratch;
    const QString userData = QDir(scratch.path()).filePath(QStringLiteral("share/VELMORA"));
    if (program.isEmpty()) {
        program = QDir(scratch.path()).filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(program));
        if (holdsDatabase)
            QVERIFY(QDir().mkpath(Activation::databaseDirectory(program)));
        if (!writable) {
            QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
            QFile probe(QDir(program).filePath(QStringLiteral("probe")));
            const bool stillWritable = probe.open(QIODevice::WriteOnly);
            if (stillWritable) {
                probe.remove();
                QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("this user writes through the permission bits");
            }
        }
    }
    const QString chosen = Activation::defaultBaseDirectory(program, userData);
    QCOMPARE(chosen, besideProgram ? program : userData);
    // The base is used, or created with its parents, on first start; the program's folder is left
    // as it was.
    DataModule data;
    const auto result = Activation::run(data, chosen);
    if (program.startsWith(scratch.path()))
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(result.ok, qPrintable(result.error));
    QVERIFY(QFileInfo(Activation::databaseDirectory(chosen)).isDir());
    QCOMPARE(QFileInfo::exists(userData), !besideProgram);
}

QTEST_GUILESS_MAIN(TestActivation)
#include "tst_activation.moc"
