#include "datafixture.h"
#include "paradoxwriter.h"

#include "data/activation.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/paradoximport.h"
#include "data/schemas.h"
#include "data/table.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// pxlib declares its functions without C linkage.
extern "C" {
#include <paradox.h>
}

// The older program's Paradox tables taken in: the round trip in each code page, the values that need
// attention, a damaged file, a store that already holds rows.
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

private slots:
    void roundTrip_data();
    void roundTrip();
    void valuesNeedingAttention();
    void damagedFileMovesNothing_data();
    void damagedFileMovesNothing();
    void nonEmptyStoreIsRefused();
    void importOntoServer();
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

void TestParadoxImport::failurePartWayPutsEverythingBack()
{
    QTemporaryDir base;
    const QString dir = Activation::databaseDirectory(base.path());
    QVERIFY(QDir().mkpath(dir));
    ParadoxWriter::writeBase(dir);
    {
        // The workers, with a memo column: the first memo fits in its record, the second lives in a
        // memo file that is missing, so the last table fails after the first three were written.
        const TableSchema &x = Schemas::expatries();
        QList<ParadoxWriter::Column> columns = ParadoxWriter::columnsOf(x);
        columns.append({ QStringLiteral("Observation"), pxfMemoBLOb, 20 });
        ParadoxWriter writer(QDir(dir).filePath(QStringLiteral("Expatries.DB")), columns);
        QVariantList first = ParadoxWriter::row(x, { { "Num_Ordre", 1 } });
        first << memo("Tr\xe8s court", 0xff, 10);
        QVariantList second = ParadoxWriter::row(x, { { "Num_Ordre", 2 } });
        second << memo(QByteArray(), 0x1ff, 100);
        QVERIFY(writer.append(first) && writer.append(second));
    }
    const QStringList before = entries(dir);

    DataModule data;
    ParadoxImport import(data);
    QCOMPARE(import.importInPlace(base.path(), now()), ParadoxImport::Outcome::Failed);
    QVERIFY2(import.lastError().startsWith(
                 QStringLiteral("Un mémo du fichier « %1 » est illisible")
                     .arg(QDir(dir).filePath(QStringLiteral("Ancien format 2026-12-10 09-05/Expatries.DB")))),
        qPrintable(import.lastError()));
    QVERIFY(import.lastError().endsWith(
        QStringLiteral("Rien n'a été importé. Les fichiers de l'ancien format sont restés en place.")));
    QCOMPARE(entries(dir), before);
}

QTEST_GUILESS_MAIN(TestParadoxImport)
#include "tst_paradoximport.moc"
