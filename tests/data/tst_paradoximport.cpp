#include "datafixture.h"
#include "paradoxwriter.h"

#include "data/activation.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/paradoxfile.h"
#include "data/paradoximport.h"
#include "data/schemas.h"
#include "data/table.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// pxlib declares its functions without C linkage.
extern "C" {
#include <paradox.h>
}

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

// How a memo file is spoilt for a test of its reading.
enum class MemoDamage {
    None,
    CutInMemo,
    CutBeforeBlock,
    EntryPastBlock,
    PlacePastEnd,
    NotMemoFile,
    Missing,
    Other
};
Q_DECLARE_METATYPE(MemoDamage)

// The older program's Paradox tables taken in: the round trip in each code page, the values that need
// attention, memo files whole and damaged, a damaged table, a store that already holds rows, old files
// on a read-only medium, a disk that fills part-way.
class TestParadoxImport : public QObject
{
    Q_OBJECT

private:
    // Every row of a table in key order, as the program holds them.
    static QList<QVariantList> stored(Table *table)
    {
        QStringList names;
        for (const FieldDef &f : table->schema().fields)
            names << f.name;
        return table->fetchRows(0, table->rowCount(), names);
    }
    static QStringList entries(const QString &dir)
    {
        return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }
    // A memo column's bytes in a record of width 20: its first ten bytes, then where the whole memo
    // is (an index and an offset in the memo file) and its size.
    static QByteArray memo(const QByteArray &start, quint32 place, quint32 size)
    {
        QByteArray bytes = start.leftJustified(10, '\0');
        for (quint32 word : { place, size }) {
            for (int b = 0; b < 4; ++b)
                bytes += char((word >> (8 * b)) & 0xff);
        }
        return bytes + QByteArray(2, '\0');
    }
    static const QDateTime &now()
    {
        static const QDateTime at(QDate(2026, 12, 10), QTime(9, 5));
        return at;
    }
    // A memo's text of `size` characters, each one byte in the Western code pages.
    static QString memoText(int size)
    {
        QString text;
        for (int n = 1; text.size() < size; ++n)
            text += QStringLiteral("Clause n° %1 : logement de fonction à Hydra, véhicule. ").arg(n);
        return text.left(size);
    }
    // The memo file beside a table file.
    static QString memoPath(const QString &table)
    {
        return table.left(table.size() - 3) + QStringLiteral(".MB");
    }
    // Made unwritable as on a read-only medium: immutable where the file system allows it (root
    // writes through permissions), read-only permissions as well; `on` false undoes it.
    static bool setReadOnly(const QString &path, bool on)
    {
        QFile::setPermissions(path,
            on ? QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther
               : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (ok) {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return ok;
    }

private slots:
    void roundTrip_data();
    void roundTrip();
    void valuesNeedingAttention();
    void memoFile_data();
    void memoFile();
    void damagedMemoFileIsNoted();
    void damagedFileMovesNothing_data();
    void damagedFileMovesNothing();
    void nonEmptyStoreIsRefused();
    void importOntoServer();
    void readOnlyMedium();
    void failurePartWayPutsEverythingBack();
};

void TestParadoxImport::roundTrip_data()
{
    QTest::addColumn<int>("codePage");
    QTest::newRow("Windows 1252") << 1252;
    QTest::newRow("DOS 850") << 850;
    QTest::newRow("Arabic 1256") << 1256;
}

void TestParadoxImport::roundTrip()
{
    QFETCH(int, codePage);
    QTemporaryDir base;
    const QString dir = Activation::databaseDirectory(base.path());
    QVERIFY(QDir().mkpath(dir));
    const auto written = ParadoxWriter::writeBase(dir, codePage);

    DataModule data;
    const Activation::Result asked = Activation::run(data, base.path());
    QVERIFY(!asked.ok && asked.oldFormat);
    QCOMPARE(entries(dir).size(), 5); // untouched until the import runs

    ParadoxImport import(data);
    QCOMPARE(import.importInPlace(base.path(), now()), ParadoxImport::Outcome::Done);
    QCOMPARE(import.summary(), QStringLiteral("2 employeurs, 2 projets, 2 postes, 2 expatriés importés"));
    QVERIFY2(import.notes().isEmpty(), qPrintable(import.notes().join(QLatin1Char('\n'))));
    QVERIFY(Activation::run(data, base.path()).ok);
    for (Table *table : { data.employeur(), data.contact(), data.accord(), data.expatries() })
        QCOMPARE(stored(table), written.value(table->schema().name));

    // The old files, index included, are kept whole in the dated folder, with the report.
    const QString aside = QDir(dir).filePath(QStringLiteral("Ancien format 2026-12-10 09-05"));
    QCOMPARE(entries(aside),
        QStringList({ "Accord.DB", "EMPLOYEUR.DB", "Expatries.DB", "Expatries.PX",
            "Rapport d'importation 2026-12-10 09-05.txt", "contact.DB" }));
}

void TestParadoxImport::valuesNeedingAttention()
{
    QTemporaryDir old;
    DataFixture store;
    QVERIFY(store.activate().ok);
    const TableSchema &x = Schemas::expatries();
    // The old worker table: a wider phone column, a number with decimals, a logical, a memo short
    // enough to sit in its record, one extra column, no "Pays".
    QList<ParadoxWriter::Column> columns = ParadoxWriter::columnsOf(x);
    columns.removeAt(x.indexOf(QStringLiteral("Pays")));
    for (ParadoxWriter::Column &c : columns) {
        if (c.name == QLatin1String("Tel"))
            c.length = 30;
        else if (c.name == QLatin1String("Duree"))
            c = { c.name, pxfNumber, 8 };
        else if (c.name == QLatin1String("Apatride"))
            c = { c.name, pxfLogical, 1 };
        else if (c.name == QLatin1String("I_avantage"))
            c = { c.name, pxfMemoBLOb, 20 };
    }
    columns.append({ QStringLiteral("Remarque"), pxfAlpha, 20 });
    const auto record
        = [&](int number, const QVariant &tel, const QVariant &duree, const QVariant &apatride) {
              QVariantList values(columns.size());
              for (qsizetype i = 0; i < columns.size(); ++i) {
                  const QString &n = columns.at(i).name;
                  values[i] = n == QLatin1String("Num_Ordre")           ? QVariant(number)
                      : n == QLatin1String("Tel")                       ? tel
                      : n == QLatin1String("Duree")                     ? duree
                      : n == QLatin1String("Apatride")                  ? apatride
                      : n == QLatin1String("I_avantage") && number == 1 ? QVariant(memo("Log\xe9", 0xff, 4))
                      : n == QLatin1String("Nom") ? QVariant(QStringLiteral("N%1").arg(number))
                                                  : QVariant();
              }
              return values;
          };
    {
        ParadoxWriter writer(QDir(old.path()).filePath(QStringLiteral("Expatries.DB")), columns);
        QVERIFY(writer.append(record(1, QStringLiteral("+213 21 00 00 00 00 00"), 12.0, true)));
        QVERIFY(writer.append(record(2, QVariant(), 3.5, false)));
        QVERIFY(writer.append(record(1, QVariant(), 1e12, QVariant())));
        QVERIFY(writer.append(record(3, QVariant(), 1e12, QVariant())));
    }

    ParadoxImport import(store.data());
    QCOMPARE(import.importFrom(old.path(), now()), ParadoxImport::Outcome::Done);
    QCOMPARE(import.summary(), QStringLiteral("0 employeur, 0 projet, 0 poste, 3 expatriés importés"));
    const QStringList expected {
        "Employeur.DB ne figure pas dans l'ancienne base : la table reste vide.",
        "contact.DB ne figure pas dans l'ancienne base : la table reste vide.",
        "Accord.DB ne figure pas dans l'ancienne base : la table reste vide.",
        "Expatries : colonnes de l'ancienne table non reprises : Remarque.",
        "Expatries : colonnes absentes de l'ancienne table, laissées vides : Pays.",
        "Expatries « 1 » : « Tel » a 22 caractères pour 15 prévus ; la valeur est gardée entière.",
        "Expatries « 2 » : « Duree » vaut 3,5, qui n'est pas un nombre entier ; le champ est laissé vide.",
        "Expatries « 1 » : « Duree » vaut 1000000000000, hors des limites d'un nombre entier ; le champ est "
        "laissé vide.",
        "Expatries « 1 » : la clé figure deux fois ; le premier enregistrement est gardé, l'enregistrement "
        "n° 3 est écarté.",
        "Expatries « 3 » : « Duree » vaut 1000000000000, hors des limites d'un nombre entier ; le champ est "
        "laissé vide.",
    };
    QCOMPARE(import.notes(), expected);
    QVERIFY(QFileInfo::exists(import.reportPath()));

    Table *workers = store.data().expatries();
    QVERIFY(workers->refresh());
    const QStringList fields { "Num_Ordre", "Tel", "Duree", "Apatride", "Nom", "I_avantage" };
    QCOMPARE(workers->fetchRows(0, 10, fields),
        QList<QVariantList>({ { 1, QStringLiteral("+213 21 00 00 00 00 00"), 12, QStringLiteral("OUI"), "N1",
                                  QStringLiteral("Logé") },
            { 2, QVariant(), QVariant(), QStringLiteral("NON"), "N2", QVariant() },
            { 3, QVariant(), QVariant(), QVariant(), "N3", QVariant() } }));
}

void TestParadoxImport::memoFile_data()
{
    QTest::addColumn<MemoDamage>("damage");
    // For each record, what the reason of an unreadable memo says; empty: the memo is read.
    QTest::addColumn<QStringList>("reasons");
    const QString cut = QStringLiteral("le mémo dépasse la fin du fichier, qui est tronqué");
    const QString beyond = QStringLiteral("le mémo est annoncé au-delà de la fin du fichier");
    const QString header = QStringLiteral("en-tête absent ou illisible");
    const QString absent = QStringLiteral("est absent");
    QTest::newRow("whole") << MemoDamage::None << QStringList { "", "", "", "", "" };
    QTest::newRow("cut short in a memo of its own")
        << MemoDamage::CutInMemo << QStringList { "", "", "", cut, "" };
    QTest::newRow("cut short in the shared block")
        << MemoDamage::CutBeforeBlock << QStringList { "", "", cut, beyond, "" };
    QTest::newRow("shared entry past its block")
        << MemoDamage::EntryPastBlock << QStringList { "", "le mémo sort de son bloc", "", "", "" };
    QTest::newRow("record pointing past the end")
        << MemoDamage::PlacePastEnd << QStringList { "", "", "", "", "", beyond };
    QTest::newRow("not a memo file") << MemoDamage::NotMemoFile
                                     << QStringList { "", header, header, header, "" };
    QTest::newRow("no memo file") << MemoDamage::Missing << QStringList { "", absent, absent, absent, "" };
    QTest::newRow("another table's memo file")
        << MemoDamage::Other
        << QStringList { "", "ne correspond pas à la table (mémo de 120 octets au lieu de 100)",
               "ne correspond pas à la table (l'emplacement du mémo est vide)",
               "ne correspond pas à la table (mémo de 3000 octets au lieu de 5000)", "" };
}

// A table whose memos pxlib's writer put in the record and in its memo file, read back whole, then
// with the memo file cut short, overwritten, missing or another table's: each memo that cannot be
// read is blank and said so naming the memo file, every other value is read.
void TestParadoxImport::memoFile()
{
    QFETCH(MemoDamage, damage);
    QFETCH(QStringList, reasons);
    QTemporaryDir dir;
    const QString table = QDir(dir.path()).filePath(QStringLiteral("Expatries.DB"));
    const QString memos = memoPath(table);
    const QList<ParadoxWriter::Column> columns { { QStringLiteral("Num_Ordre"), pxfLong, 4 },
        { QStringLiteral("I_avantage"), pxfMemoBLOb, 20 } };
    // In the record (10 bytes at most), two in a shared block (the second of three whole 16-byte
    // units), one in two blocks of its own, a blank.
    const QVariantList texts { QStringLiteral("Logé"), memoText(100), memoText(48), memoText(5000),
        QVariant() };
    {
        ParadoxWriter writer(table, columns);
        for (qsizetype r = 0; r < texts.size(); ++r)
            QVERIFY(writer.append({ int(r + 1), texts.at(r) }));
        if (damage == MemoDamage::PlacePastEnd)
            QVERIFY(writer.append({ 6, memo("Suite", 0x100000 | 0xff, 300) }));
    }
    QFile file(memos);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const QByteArray written = file.readAll();
    // The header block, the shared block, then the long memo's own two.
    QCOMPARE(written.size(), 4 * 4096);
    QCOMPARE(int(written.at(0)), 0);
    QCOMPARE(int(written.at(4096)), 3);
    QCOMPARE(int(written.at(2 * 4096)), 2);
    switch (damage) {
    case MemoDamage::CutInMemo:
        QVERIFY(file.resize(2 * 4096 + 9 + 2000));
        break;
    case MemoDamage::CutBeforeBlock:
        // The first shared memo ends at byte 436 of its block, the second at 496.
        QVERIFY(file.resize(4096 + 470));
        break;
    case MemoDamage::EntryPastBlock:
        // The shared table is filled from its last entry: the 100-byte memo's start moved to byte 4000.
        QVERIFY(file.seek(4096 + 12 + 63 * 5) && file.putChar(char(250)));
        break;
    case MemoDamage::NotMemoFile:
        QVERIFY(file.resize(0) && file.write("Ceci n'est pas un fichier de mémos.") > 0);
        break;
    case MemoDamage::Missing:
        file.close();
        QVERIFY(QFile::remove(memos));
        break;
    case MemoDamage::Other: {
        file.close();
        QTemporaryDir otherDir;
        const QString other = QDir(otherDir.path()).filePath(QStringLiteral("Expatries.DB"));
        {
            ParadoxWriter writer(other, columns);
            QVERIFY(writer.append({ 1, memoText(120) }) && writer.append({ 2, memoText(3000) }));
        }
        QVERIFY(QFile::remove(memos) && QFile::copy(memoPath(other), memos));
        break;
    }
    case MemoDamage::None:
    case MemoDamage::PlacePastEnd:
        break;
    }
    file.close();

    ParadoxFile old;
    QVERIFY2(old.open(table), qPrintable(old.lastError()));
    QCOMPARE(old.recordCount(), reasons.size());
    for (int r = 0; r < old.recordCount(); ++r) {
        QVariantList values;
        QVERIFY2(old.read(r, &values), qPrintable(old.lastError()));
        QCOMPARE(values.value(0), QVariant(r + 1));
        const QString why = old.unreadable().value(1);
        if (reasons.at(r).isEmpty()) {
            QCOMPARE(values.value(1), texts.value(r));
            QVERIFY2(why.isEmpty(), qPrintable(why));
            continue;
        }
        QVERIFY(values.value(1).isNull());
        QVERIFY2(
            why.contains(reasons.at(r)) && why.contains(QDir::toNativeSeparators(memos)), qPrintable(why));
    }
}

// The start-up import of an old base whose workers' memo file was cut short: imported, the memo that
// cannot be read named in the report, the others taken in.
void TestParadoxImport::damagedMemoFileIsNoted()
{
    QTemporaryDir base;
    const QString dir = Activation::databaseDirectory(base.path());
    QVERIFY(QDir().mkpath(dir));
    auto written = ParadoxWriter::writeBase(dir);
    const TableSchema &x = Schemas::expatries();
    QList<ParadoxWriter::Column> columns = ParadoxWriter::columnsOf(x);
    const int memoColumn = x.indexOf(QStringLiteral("I_avantage"));
    columns[memoColumn] = { QStringLiteral("I_avantage"), pxfMemoBLOb, 30 };
    QList<QVariantList> &workers = written[x.name];
    workers[0][memoColumn] = memoText(100);
    workers[1][memoColumn] = memoText(3000);
    {
        ParadoxWriter writer(QDir(dir).filePath(QStringLiteral("Expatries.DB")), columns);
        for (const QVariantList &values : std::as_const(workers))
            QVERIFY(writer.append(values));
    }
    QFile memos(QDir(dir).filePath(QStringLiteral("Expatries.MB")));
    QVERIFY(memos.resize(2 * 4096 + 1000)); // the long memo, in the third block, cut short

    DataModule data;
    ParadoxImport import(data);
    QCOMPARE(import.importInPlace(base.path(), now()), ParadoxImport::Outcome::Done);
    const QString aside = QDir(dir).filePath(QStringLiteral("Ancien format 2026-12-10 09-05"));
    QCOMPARE(import.notes(),
        QStringList { QStringLiteral(
            "Expatries « 2 » : « I_avantage » est illisible : le fichier de mémos « %1 » est endommagé (le "
            "mémo dépasse la fin du fichier, qui est tronqué) ; le champ est laissé vide.")
                          .arg(QDir::toNativeSeparators(
                              QDir(aside).filePath(QStringLiteral("Expatries.MB")))) });
    QVERIFY(Activation::run(data, base.path()).ok);
    workers[1][memoColumn] = QVariant();
    QCOMPARE(stored(data.expatries()), workers);
    QCOMPARE(stored(data.employeur()), written.value(Schemas::employeur().name));
}

void TestParadoxImport::damagedFileMovesNothing_data()
{
    QTest::addColumn<int>("keep"); // bytes of Expatries.DB kept
    QTest::newRow("cut short") << 4096;
    QTest::newRow("header only") << 2048;
}

void TestParadoxImport::damagedFileMovesNothing()
{
    QFETCH(int, keep);
    QTemporaryDir base;
    const QString dir = Activation::databaseDirectory(base.path());
    QVERIFY(QDir().mkpath(dir));
    ParadoxWriter::writeBase(dir);
    {
        // Enough workers to fill several blocks, then the copy cut short.
        const TableSchema &x = Schemas::expatries();
        ParadoxWriter writer(QDir(dir).filePath(QStringLiteral("Expatries.DB")), ParadoxWriter::columnsOf(x));
        for (int n = 1; n <= 40; ++n)
            QVERIFY(writer.append(ParadoxWriter::row(x, { { "Num_Ordre", n } })));
    }
    QFile cut(QDir(dir).filePath(QStringLiteral("Expatries.DB")));
    QVERIFY(cut.resize(keep));
    const QStringList before = entries(dir);

    DataModule data;
    ParadoxImport import(data);
    QCOMPARE(import.importInPlace(base.path(), now()), ParadoxImport::Outcome::Refused);
    QVERIFY2(import.lastError().startsWith(QStringLiteral("Le fichier « %1 » est endommagé")
                                               .arg(QDir(dir).filePath(QStringLiteral("Expatries.DB")))),
        qPrintable(import.lastError()));
    QCOMPARE(entries(dir), before);
}

void TestParadoxImport::nonEmptyStoreIsRefused()
{
    QTemporaryDir old;
    ParadoxWriter::writeBase(old.path());
    DataFixture store;
    QVERIFY(store.activate().ok);
    QVERIFY(DataFixture::add(store.data().accord(), { { QStringLiteral("Num"), 7 } }));

    ParadoxImport import(store.data());
    QCOMPARE(import.importFrom(old.path(), now()), ParadoxImport::Outcome::Refused);
    QCOMPARE(import.lastError(),
        QStringLiteral("La base contient déjà des enregistrements (table Accord) : une ancienne base ne "
                       "s'importe que dans une base vide. Rien n'a été importé."));
    QVERIFY(store.data().employeur()->refresh());
    QCOMPARE(store.data().employeur()->rowCount(), 0);
}

// The same old base onto a server's empty base: every value equal, the report beside the old
// tables, and a second import refused.
void TestParadoxImport::importOntoServer()
{
    if (DataFixture::testServer().isEmpty())
        QSKIP("VELMORA_TEST_SERVER is not set: run the tests through scripts/with-postgres.");
    QTemporaryDir old;
    const auto written = ParadoxWriter::writeBase(old.path(), 1256);
    DataFixture store(DataFixture::testServer());
    QVERIFY(store.activate().ok);

    ParadoxImport import(store.data());
    QCOMPARE(import.importFrom(old.path(), now()), ParadoxImport::Outcome::Done);
    QVERIFY2(import.notes().isEmpty(), qPrintable(import.notes().join(QLatin1Char('\n'))));
    for (Table *table : { store.data().employeur(), store.data().contact(), store.data().accord(),
             store.data().expatries() }) {
        QVERIFY(table->refresh());
        QCOMPARE(stored(table), written.value(table->schema().name));
    }
    QVERIFY(entries(old.path()).contains(QStringLiteral("Rapport d'importation 2026-12-10 09-05.txt")));
    QCOMPARE(ParadoxImport(store.data()).importFrom(old.path(), now()), ParadoxImport::Outcome::Refused);
}

// An old base on a medium that refuses every write (a CD, a locked key) imports all the same: its
// tables and memo file are opened for reading only.
void TestParadoxImport::readOnlyMedium()
{
    QTemporaryDir old;
    auto written = ParadoxWriter::writeBase(old.path());
    const TableSchema &x = Schemas::expatries();
    QList<ParadoxWriter::Column> columns = ParadoxWriter::columnsOf(x);
    const int memoColumn = x.indexOf(QStringLiteral("I_avantage"));
    columns[memoColumn] = { QStringLiteral("I_avantage"), pxfMemoBLOb, 20 };
    QList<QVariantList> &workers = written[x.name];
    workers[0][memoColumn] = memoText(100);
    workers[1][memoColumn] = memoText(48);
    {
        ParadoxWriter writer(QDir(old.path()).filePath(QStringLiteral("Expatries.DB")), columns);
        for (const QVariantList &values : std::as_const(workers))
            QVERIFY(writer.append(values));
    }
    const QStringList files = QDir(old.path()).entryList(QDir::Files);
    QVERIFY(files.contains(QStringLiteral("Expatries.MB")));
    const auto undo = qScopeGuard([&] {
        for (const QString &f : files)
            setReadOnly(QDir(old.path()).filePath(f), false);
    });
    for (const QString &f : files) {
        const QString path = QDir(old.path()).filePath(f);
        setReadOnly(path, true);
        if (QFile(path).open(QIODevice::ReadWrite))
            QSKIP("This file system lets this user write to a read-only file.");
    }

    DataFixture store;
    QVERIFY(store.activate().ok);
    ParadoxImport import(store.data());
    QCOMPARE(import.importFrom(old.path(), now()), ParadoxImport::Outcome::Done);
    QVERIFY2(import.notes().isEmpty(), qPrintable(import.notes().join(QLatin1Char('\n'))));
    QVERIFY(store.data().expatries()->refresh());
    QCOMPARE(stored(store.data().expatries()), workers);
}

// The disk fills while the workers are written, after the first three tables: the tables the attempt
// made go, and the old files are back in place, as they were.
void TestParadoxImport::failurePartWayPutsEverythingBack()
{
    QTemporaryDir base;
    const QString dir = Activation::databaseDirectory(base.path());
    QVERIFY(QDir().mkpath(dir));
    ParadoxWriter::writeBase(dir);
    {
        const TableSchema &x = Schemas::expatries();
        ParadoxWriter writer(
            QDir(dir).filePath(QStringLiteral("Expatries.DB")), ParadoxWriter::columnsOf(x), 1252, 4000);
        for (int n = 1; n <= 4000; ++n) {
            QVERIFY(writer.append(ParadoxWriter::row(x,
                { { "Num_Ordre", n }, { "Nom", memoText(50) }, { "Projet", memoText(150) },
                    { "Emploi_precedent", memoText(100) }, { "Qualification", memoText(100) } })));
        }
    }
    const QStringList before = entries(dir);

    // No file of this process grows past 1 MB while the import runs: the workers need more.
    rlimit limit {};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &limit) == 0);
    const rlimit full { 1 << 20, limit.rlim_max };
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &full) == 0);
    DataModule data;
    ParadoxImport import(data);
    const ParadoxImport::Outcome outcome = import.importInPlace(base.path(), now());
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, signal);

    QCOMPARE(outcome, ParadoxImport::Outcome::Failed);
    QVERIFY2(import.lastError().startsWith(QStringLiteral("Erreur de la base de données (Expatries.DB)"))
            && import.lastError().endsWith(QStringLiteral(
                "Rien n'a été importé. Les fichiers de l'ancien format sont restés en place.")),
        qPrintable(import.lastError()));
    QCOMPARE(entries(dir), before);
}

QTEST_GUILESS_MAIN(TestParadoxImport)
#include "tst_paradoximport.moc"
