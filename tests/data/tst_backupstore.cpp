#include "datafixture.h"

#include "data/backupstore.h"
#include "data/database.h"
#include "data/storelock.h"
#include "data/table.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <atomic>
#include <thread>

#include <zip.h>

// The copies of the store: their rotation over the days, their consistency while another copy of
// the program writes, a restore that replaces nothing unless the copy is sound nor while another copy
// has the store open, and the store it sets aside.
class TestBackupStore : public QObject
{
    Q_OBJECT

private:
    static QStringList names(const QStringList &paths)
    {
        QStringList out;
        for (const QString &path : paths)
            out << QFileInfo(path).fileName();
        return out;
    }
    static QByteArray contents(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // An archive of the files of `dir`, as another program could have written it.
    static void zipFolder(const QString &dir, const QString &zipPath)
    {
        int status = 0;
        zip_t *archive = zip_open(QFile::encodeName(zipPath).constData(), ZIP_CREATE | ZIP_TRUNCATE, &status);
        QVERIFY(archive);
        for (const QString &file : QDir(dir).entryList(QDir::Files)) {
            zip_source_t *source
                = zip_source_file(archive, QFile::encodeName(QDir(dir).filePath(file)).constData(), 0, -1);
            QVERIFY(source && zip_file_add(archive, file.toUtf8().constData(), source, 0) >= 0);
        }
        QVERIFY(zip_close(archive) == 0);
    }
    static qint64 rows(const QString &path, const QString &table)
    {
        qint64 n = -1;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("rows"));
            db.setDatabaseName(path);
            db.open();
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table)) && q.next())
                n = q.value(0).toLongLong();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("rows"));
        return n;
    }
    // The workers' table as a power cut leaves it in the middle of a save, written at `copy`: the
    // file written in part, its journal beside it. `path` itself is left as it was.
    static void cutSave(const QString &path, const QString &copy)
    {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cut"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("PRAGMA cache_size=1")));
            QVERIFY(q.exec(QStringLiteral("BEGIN")));
            for (int n = 100; n < 2000; ++n)
                QVERIFY(q.exec(QStringLiteral("INSERT INTO Expatries (Num_Ordre) VALUES (%1)").arg(n)));
            QVERIFY(QFile::copy(path + QStringLiteral("-journal"), copy + QStringLiteral("-journal")));
            QVERIFY(QFile::copy(path, copy));
            q.exec(QStringLiteral("ROLLBACK"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("cut"));
    }
    static QStringList journals(const QString &dir)
    {
        return QDir(dir).entryList({ QStringLiteral("*-journal") }, QDir::Files | QDir::Hidden);
    }

private slots:
    void rotationKeepsTenDaysAndOnePerMonth_data();
    void rotationKeepsTenDaysAndOnePerMonth();
    void copyWhileAnotherConnectionWritesHoldsWholeSaves();
    void copyBlockedNamesItsFile();
    void interruptedSaveIsNoDamage();
    void restoreReplacesOnlyASoundCopy_data();
    void restoreReplacesOnlyASoundCopy();
    void restoreWaitsForTheOtherCopies();
    void setAsideIsACleanCopy_data();
    void setAsideIsACleanCopy();
};

void TestBackupStore::rotationKeepsTenDaysAndOnePerMonth_data()
{
    QTest::addColumn<QList<QDate>>("days");
    QTest::addColumn<QStringList>("kept");
    QList<QDate> twelveDays;
    for (int d = 0; d < 12; ++d)
        twelveDays << QDate(2026, 11, 25).addDays(d);
    QTest::newRow("twelve days in a row")
        << twelveDays
        << QStringList { "2026-11-27", "2026-11-28", "2026-11-29", "2026-11-30", "2026-12-01", "2026-12-02",
               "2026-12-03", "2026-12-04", "2026-12-05", "2026-12-06" };
    QTest::newRow("the same day twice")
        << QList<QDate> { QDate(2026, 12, 10), QDate(2026, 12, 10) } << QStringList { "2026-12-10" };
    // The 1st and the 15th of each month for two years: the last ten, then the newest of each
    // month of the past year.
    QList<QDate> twiceAMonth;
    for (QDate month(2025, 1, 1); month <= QDate(2026, 12, 1); month = month.addMonths(1))
        twiceAMonth << month << month.addDays(14);
    QTest::newRow("twice a month for two years")
        << twiceAMonth
        << QStringList { "2026-01-15", "2026-02-15", "2026-03-15", "2026-04-15", "2026-05-15", "2026-06-15",
               "2026-07-15", "2026-08-01", "2026-08-15", "2026-09-01", "2026-09-15", "2026-10-01",
               "2026-10-15", "2026-11-01", "2026-11-15", "2026-12-01", "2026-12-15" };
}

void TestBackupStore::rotationKeepsTenDaysAndOnePerMonth()
{
    QFETCH(QList<QDate>, days);
    QFETCH(QStringList, kept);
    DataFixture fx;
    QVERIFY(fx.activate().ok);
    QVERIFY(DataFixture::add(fx.data().employeur(), { { QStringLiteral("Nom_orga"), QStringLiteral("E") } }));
    BackupStore store(fx.dbDir());
    for (const QDate &day : days)
        QVERIFY2(store.dailyCopy(day), qPrintable(store.lastError()));
    QCOMPARE(names(store.dailyCopies()), kept);
    // Each copy kept is whole: the four tables, the employer in it.
    const QString last = store.dailyCopies().last();
    QCOMPARE(QDir(last).entryList(QDir::Files).size(), 4);
    QCOMPARE(rows(QDir(last).filePath(QStringLiteral("Employeur.DB")), QStringLiteral("Employeur")), 1);
    QVERIFY(QDir(store.folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden).size()
        == kept.size());
}

void TestBackupStore::copyWhileAnotherConnectionWritesHoldsWholeSaves()
{
    DataFixture fx;
    QVERIFY(fx.activate().ok);
    const QString dir = fx.dbDir();
    // Another copy of the program: each of its saves writes an employer and its contact row in one
    // transaction over the two files.
    std::atomic<bool> stop { false };
    std::atomic<int> saves { 0 };
    std::thread writer([&] {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("writer"));
            db.setDatabaseName(QDir(dir).filePath(QStringLiteral(".writer-session")));
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
            db.open();
            QSqlQuery q(db);
            q.exec(
                QStringLiteral("ATTACH '%1' AS e").arg(QDir(dir).filePath(QStringLiteral("Employeur.DB"))));
            q.exec(QStringLiteral("ATTACH '%1' AS c").arg(QDir(dir).filePath(QStringLiteral("contact.DB"))));
            for (int n = 0; !stop && n < 100000; ++n) {
                const QString name = QStringLiteral("EMP %1").arg(n);
                bool ok = q.exec(QStringLiteral("BEGIN IMMEDIATE"));
                ok = ok
                    && q.exec(QStringLiteral("INSERT INTO e.Employeur (Nom_orga) VALUES ('%1')").arg(name));
                ok = ok && q.exec(QStringLiteral("INSERT INTO c.contact (nom_orga) VALUES ('%1')").arg(name));
                ok = ok && q.exec(QStringLiteral("COMMIT"));
                if (!ok) {
                    q.exec(QStringLiteral("ROLLBACK"));
                    continue;
                }
                ++saves;
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("writer"));
    });
    BackupStore store(dir);
    QStringList copies;
    for (int i = 0; i < 5; ++i) {
        while (saves < (i + 1) * 20)
            std::this_thread::yield();
        const QString target = QDir(store.folder()).filePath(QStringLiteral("copie-%1").arg(i));
        const bool ok = store.copyTo(target);
        if (!ok)
            qWarning() << store.lastError();
        copies << (ok ? target : QString());
    }
    stop = true;
    writer.join();
    QVERIFY(saves > 100);
    qint64 previous = -1;
    for (const QString &copy : copies) {
        QVERIFY(!copy.isEmpty());
        const qint64 employers
            = rows(QDir(copy).filePath(QStringLiteral("Employeur.DB")), QStringLiteral("Employeur"));
        QCOMPARE(
            rows(QDir(copy).filePath(QStringLiteral("contact.DB")), QStringLiteral("contact")), employers);
        QVERIFY(BackupStore::quickCheck(QDir(copy).filePath(QStringLiteral("Employeur.DB"))).isEmpty());
        QVERIFY(employers > previous);
        previous = employers;
    }
}

// A table another connection keeps locked for writing: the archive is not written, and the message
// names that table alone.
void TestBackupStore::copyBlockedNamesItsFile()
{
    DataFixture fx;
    QVERIFY(fx.activate().ok);
    QTemporaryDir usb;
    const QString zip = QDir(usb.path()).filePath(QStringLiteral("base.zip"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("writer"));
        db.setDatabaseName(QDir(fx.dbDir()).filePath(QStringLiteral("contact.DB")));
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        BackupStore store(fx.dbDir());
        QVERIFY(!store.writeArchive(zip, QDateTime::currentDateTime()));
        QCOMPARE(store.lastError(),
            QStringLiteral("La sauvegarde n'a pas pu être faite : contact.DB : database is locked"));
        q.exec(QStringLiteral("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("writer"));
    QVERIFY(!QFileInfo::exists(zip));
}

void TestBackupStore::interruptedSaveIsNoDamage()
{
    DataFixture fx;
    QVERIFY(fx.activate().ok);
    for (int n = 1; n <= 50; ++n)
        QVERIFY(DataFixture::add(fx.data().expatries(), { { QStringLiteral("Num_Ordre"), n } }));
    fx.data().database()->setDirectory(QString());
    const QString path = QDir(fx.dbDir()).filePath(QStringLiteral("Expatries.DB"));
    QTemporaryDir cut;
    const QString copy = QDir(cut.path()).filePath(QStringLiteral("Expatries.DB"));
    cutSave(path, copy);
    QVERIFY2(BackupStore::quickCheck(copy).isEmpty(), qPrintable(BackupStore::quickCheck(copy)));
    QCOMPARE(rows(copy, QStringLiteral("Expatries")), 50);
}

void TestBackupStore::restoreReplacesOnlyASoundCopy_data()
{
    QTest::addColumn<QString>("kind"); // how the copy to restore is made
    QTest::addColumn<bool>("restored");
    QTest::newRow("archive of the program") << "archive" << true;
    QTest::newRow("daily copy") << "daily" << true;
    QTest::newRow("archive with a damaged table") << "damaged" << false;
    QTest::newRow("archive without the workers") << "incomplete" << false;
    QTest::newRow("not an archive") << "junk" << false;
    QTest::newRow("the store's own files") << "store" << false;
}

void TestBackupStore::restoreReplacesOnlyASoundCopy()
{
    QFETCH(QString, kind);
    QFETCH(bool, restored);
    DataFixture fx;
    QVERIFY(fx.activate().ok);
    for (int n = 1; n <= 300; ++n)
        QVERIFY(DataFixture::add(fx.data().expatries(), { { QStringLiteral("Num_Ordre"), n } }));
    QVERIFY(
        DataFixture::add(fx.data().employeur(), { { QStringLiteral("Nom_orga"), QStringLiteral("GARDÉ") } }));
    BackupStore store(fx.dbDir());
    QTemporaryDir usb;
    const QString zip = QDir(usb.path()).filePath(QStringLiteral("base.zip"));
    QString source = zip;
    if (kind == QLatin1String("archive")) {
        QVERIFY2(store.writeArchive(zip, QDateTime(QDate(2026, 12, 9), QTime(17, 30))),
            qPrintable(store.lastError()));
    } else if (kind == QLatin1String("daily")) {
        QVERIFY(store.dailyCopy(QDate(2026, 12, 9)));
        source = QDir(store.dailyCopies().last()).filePath(QStringLiteral("Employeur.DB"));
    } else if (kind == QLatin1String("store")) {
        source = QDir(fx.dbDir()).filePath(QStringLiteral("Employeur.DB"));
    } else if (kind == QLatin1String("junk")) {
        QFile f(zip);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("PK pas une archive");
    } else {
        const QString copy = QDir(usb.path()).filePath(QStringLiteral("copie"));
        QVERIFY(store.copyTo(copy));
        if (kind == QLatin1String("damaged"))
            QVERIFY(DataFixture::damage(QDir(copy).filePath(QStringLiteral("Expatries.DB"))));
        else
            QVERIFY(QFile::remove(QDir(copy).filePath(QStringLiteral("Expatries.DB"))));
        zipFolder(copy, zip);
    }

    // The mistake: the employer deleted, and with it what the copy holds.
    Table *employers = fx.data().employeur();
    QVERIFY(employers->first());
    QVERIFY(employers->remove());
    fx.data().database()->setDirectory(QString());
    QMap<QString, QByteArray> before;
    for (const QString &file : BackupStore::tableFiles())
        before.insert(file, contents(QDir(fx.dbDir()).filePath(file)));

    BackupStore restore(fx.dbDir());
    const bool staged = restore.stage(source);
    QCOMPARE(staged, restored);
    if (!restored) {
        QVERIFY(!restore.lastError().isEmpty());
        QVERIFY(!restore.replaceStore(QDateTime::currentDateTime()));
        for (const QString &file : BackupStore::tableFiles())
            QCOMPARE(contents(QDir(fx.dbDir()).filePath(file)), before.value(file));
        return;
    }
    QCOMPARE(restore.summary().counts.value(QStringLiteral("Employeur")), 1);
    QCOMPARE(restore.summary().counts.value(QStringLiteral("Expatries")), 300);
    QCOMPARE(restore.summary().taken.date(), QDate(2026, 12, 9));
    QVERIFY2(
        restore.replaceStore(QDateTime(QDate(2026, 12, 10), QTime(8, 0))), qPrintable(restore.lastError()));
    QCOMPARE(rows(QDir(fx.dbDir()).filePath(QStringLiteral("Employeur.DB")), QStringLiteral("Employeur")), 1);
    // The store as it was, set aside first as a copy of its own.
    QCOMPARE(QFileInfo(restore.setAsidePath()).fileName(), QStringLiteral("2026-12-10-080000"));
    QCOMPARE(rows(QDir(restore.setAsidePath()).filePath(QStringLiteral("Employeur.DB")),
                 QStringLiteral("Employeur")),
        0);
    QVERIFY(fx.activate().ok);
    QCOMPARE(fx.data().expatries()->rowCount(), 300);
}

// A restore while another copy has the store open is refused and touches nothing; a copy opening
// the store while a restore holds it waits, then says why; once the other copy is closed the same
// restore goes through.
void TestBackupStore::restoreWaitsForTheOtherCopies()
{
    DataFixture fx;
    QVERIFY(fx.activate().ok);
    QTemporaryDir usb;
    const QString zip = QDir(usb.path()).filePath(QStringLiteral("base.zip"));
    QVERIFY(BackupStore(fx.dbDir()).writeArchive(zip, QDateTime::currentDateTime()));
    QVERIFY(
        DataFixture::add(fx.data().employeur(), { { QStringLiteral("Nom_orga"), QStringLiteral("APRÈS") } }));
    QMap<QString, QByteArray> before;
    for (const QString &file : BackupStore::tableFiles())
        before.insert(file, contents(QDir(fx.dbDir()).filePath(file)));

    BackupStore restore(fx.dbDir());
    QVERIFY2(restore.stage(zip), qPrintable(restore.lastError()));
    QVERIFY(!restore.replaceStore(QDateTime(QDate(2026, 12, 10), QTime(8, 0))));
    QVERIFY(restore.refused());
    QCOMPARE(restore.lastError(),
        QStringLiteral("La base « %1 » est ouverte dans un autre exemplaire du programme (processus %2) : "
                       "fermez-le avant de restaurer. Rien n'a été remplacé.")
            .arg(QDir::toNativeSeparators(fx.dbDir()))
            .arg(QCoreApplication::applicationPid()));
    for (const QString &file : BackupStore::tableFiles())
        QCOMPARE(contents(QDir(fx.dbDir()).filePath(file)), before.value(file));
    QCOMPARE(restore.dailyCopies(), QStringList());

    fx.data().release();
    {
        StoreLock restoring(fx.dbDir());
        QVERIFY2(restoring.takeAll(), qPrintable(restoring.lastError()));
        DataModule other;
        const Activation::Result opened = Activation::run(other, fx.base());
        QVERIFY(!opened.ok);
        QCOMPARE(opened.error,
            QStringLiteral(
                "La base « %1 » est en cours de restauration dans un autre exemplaire du programme : "
                "réessayez dans un instant.")
                .arg(QDir::toNativeSeparators(fx.dbDir())));
    }

    QVERIFY2(
        restore.replaceStore(QDateTime(QDate(2026, 12, 10), QTime(8, 0))), qPrintable(restore.lastError()));
    QVERIFY(!restore.refused());
    QCOMPARE(rows(QDir(fx.dbDir()).filePath(QStringLiteral("Employeur.DB")), QStringLiteral("Employeur")), 0);
    QCOMPARE(rows(QDir(restore.setAsidePath()).filePath(QStringLiteral("Employeur.DB")),
                 QStringLiteral("Employeur")),
        1);
    QVERIFY(fx.activate().ok);
}

void TestBackupStore::setAsideIsACleanCopy_data()
{
    QTest::addColumn<bool>("readable"); // the workers' table, for the engine
    QTest::newRow("a save cut short, its journal beside") << true;
    QTest::newRow("a table the engine cannot read, a journal beside") << false;
}

// The store set aside by a restore never holds a journal: a save cut short is rolled back as the
// engine copies the table, a file it cannot read is kept as it was, without its journal, and the
// note says so. No journal is left beside the restored files either.
void TestBackupStore::setAsideIsACleanCopy()
{
    QFETCH(bool, readable);
    DataFixture fx;
    QVERIFY(fx.activate().ok);
    QTemporaryDir usb;
    const QString zip = QDir(usb.path()).filePath(QStringLiteral("base.zip"));
    QVERIFY(BackupStore(fx.dbDir()).writeArchive(zip, QDateTime::currentDateTime()));
    for (int n = 1; n <= 50; ++n)
        QVERIFY(DataFixture::add(fx.data().expatries(), { { QStringLiteral("Num_Ordre"), n } }));
    fx.data().release();
    const QString path = QDir(fx.dbDir()).filePath(QStringLiteral("Expatries.DB"));
    const QString journal = path + QStringLiteral("-journal");
    if (readable) {
        QTemporaryDir cut;
        const QString copy = QDir(cut.path()).filePath(QStringLiteral("Expatries.DB"));
        cutSave(path, copy);
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::copy(copy, path) && QFile::copy(copy + QStringLiteral("-journal"), journal));
    } else {
        QFile table(path);
        QVERIFY(table.open(QIODevice::ReadWrite) && table.write(QByteArray(100, 'x')) == 100);
        QFile left(journal);
        QVERIFY(left.open(QIODevice::WriteOnly) && left.write(QByteArray(4096, '\x5a')) == 4096);
    }
    const QByteArray before = contents(path);

    BackupStore restore(fx.dbDir());
    QVERIFY2(restore.stage(zip), qPrintable(restore.lastError()));
    QVERIFY2(restore.replaceStore(QDateTime::currentDateTime()), qPrintable(restore.lastError()));
    const QString aside = restore.setAsidePath();
    QCOMPARE(journals(aside), QStringList());
    QCOMPARE(journals(fx.dbDir()), QStringList());
    if (readable) {
        QCOMPARE(rows(QDir(aside).filePath(QStringLiteral("Expatries.DB")), QStringLiteral("Expatries")), 50);
        QCOMPARE(restore.setAsideNote(), QString());
    } else {
        QCOMPARE(contents(QDir(aside).filePath(QStringLiteral("Expatries.DB"))), before);
        QCOMPARE(restore.setAsideNote(),
            QStringLiteral(
                "Expatries.DB était illisible : il est gardé tel quel dans « %1 », sans son journal.")
                .arg(QDir::toNativeSeparators(aside)));
    }
    QCOMPARE(rows(QDir(aside).filePath(QStringLiteral("Employeur.DB")), QStringLiteral("Employeur")), 0);
    QCOMPARE(rows(path, QStringLiteral("Expatries")), 0);
    QVERIFY(fx.activate().ok);
}

QTEST_GUILESS_MAIN(TestBackupStore)
#include "tst_backupstore.moc"
