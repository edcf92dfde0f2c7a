#include "datafixture.h"

#include "data/database.h"
#include "data/filterguard.h"
#include "data/query.h"
#include "data/schemas.h"
#include "data/table.h"
#include "data/tablemodel.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

// The table engine on both stores (each test runs on the directory and on the test server):
// layouts on disk, the editing cycle and its refusals, views and filters, two copies of the
// program on one store, durability and what other programs see.
class TestTable : public QObject
{
    Q_OBJECT

private:
    // A plain connection to one table file, as another tool would open it.
    static QSqlDatabase outside(const QString &path, const QString &name)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        return db;
    }

    // The store of the current run: empty for the directory, else the server's address.
    static QString store() { return DataFixture::storeOfRow(); }
    // Files another tool reads or locks are the directory store's alone.
    static bool onServer() { return !store().isEmpty(); }

private slots:
    void initTestCase_data();
    void init();
    void layoutsOnDisk_data();
    void layoutsOnDisk();
    void refusedPost_data();
    void refusedPost();
    void rowsStayInKeyOrderAndRoundTripTypes();
    void filterWithApostropheAndMixedCaseField();
    void filterOnIntegerFieldTakesQuotedNumber();
    void filterGuardWidensOnEveryPath();
    void filterSwitchCompletesPendingChange();
    void closeDropsUnsavedRow();
    void postIsCommittedWhileAQueryIsOpen();
    void whatOtherToolsWriteReadsBack();
    void busyStoreGivesClearMessage();
    void renameThroughEditKeepsOneRow();
    void twoCopiesNeverLoseAChange_data();
    void twoCopiesNeverLoseAChange();
    void serverGoneDuringSave();
    void listsFollowAnotherClerk();
    void gridModelReadsAnyLine();
    void gridModelFollowsTheView_data();
    void gridModelFollowsTheView();
};

void TestTable::initTestCase_data()
{
    DataFixture::addStoreRows();
}

void TestTable::init()
{
    if (DataFixture::serverRowWithoutServer())
        QSKIP("VELMORA_TEST_SERVER is not set: run the tests through scripts/with-postgres.");
}

void TestTable::layoutsOnDisk_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("table");
    for (const TableSchema *schema : Schemas::all())
        QTest::newRow(qPrintable(schema->name)) << schema->name + QStringLiteral(".DB") << schema->name;
}

void TestTable::layoutsOnDisk()
{
    if (onServer())
        QSKIP("A file of the directory store");
    QFETCH(QString, file);
    QFETCH(QString, table);
    DataFixture fx(store());
    const QString path = QDir(fx.dbDir()).filePath(fx.data().database()->findFile(file));
    QVERIFY(QFile::exists(path));
    const TableSchema *schema = nullptr;
    for (const TableSchema *s : Schemas::all())
        schema = s->name == table ? s : schema;
    QVERIFY(schema);
    {
        QSqlDatabase db = outside(path, QStringLiteral("layout"));
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table)));
        int i = 0;
        while (q.next()) {
            const FieldDef &f = schema->fields.at(i);
            QCOMPARE(q.value(1).toString(), f.name);
            QCOMPARE(q.value(2).toString(),
                f.type == FieldType::Integer ? QStringLiteral("INTEGER") : QStringLiteral("TEXT"));
            QCOMPARE(q.value(3).toInt() != 0, f.required);
            QCOMPARE(q.value(5).toInt() == 1, f.name == schema->key);
            ++i;
        }
        QCOMPARE(i, schema->fields.size());
    }
    QSqlDatabase::removeDatabase(QStringLiteral("layout"));
}

void TestTable::refusedPost_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("messagePart");
    QTest::newRow("blank required key") << "Num_Ordre" << QVariant() << "Num_Ordre";
    QTest::newRow("duplicate key") << "Num_Ordre" << QVariant(QStringLiteral("1")) << "1";
    QTest::newRow("text too long") << "Sex" << QVariant(QString(16, QLatin1Char('X'))) << "Sex";
    QTest::newRow("letters in an integer") << "Duree" << QVariant(QStringLiteral("abc")) << "Duree";
    QTest::newRow("number out of range") << "Exper" << QVariant(QStringLiteral("99999999999")) << "Exper";
    QTest::newRow("no such date") << "Date_nais" << QVariant(QStringLiteral("31/02/2024")) << "Date_nais";
    QTest::newRow("not a date") << "Date_nais" << QVariant(QStringLiteral("demain")) << "Date_nais";
}

void TestTable::refusedPost()
{
    QFETCH(QString, field);
    QFETCH(QVariant, value);
    QFETCH(QString, messagePart);
    DataFixture fx(store());
    Table *workers = fx.data().expatries();
    // A key the program does not number is refused when taken.
    workers->setRenumberOnInsert(false);
    QVERIFY(DataFixture::add(
        workers, { { QStringLiteral("Num_Ordre"), 1 }, { QStringLiteral("Nom"), QStringLiteral("A") } }));
    QVERIFY(workers->append());
    workers->setValue(QStringLiteral("Num_Ordre"), 2);
    workers->setValue(QStringLiteral("Nom"), QStringLiteral("TYPED"));
    workers->setValue(field, value);
    QVERIFY(!workers->post());
    QVERIFY2(workers->lastError().contains(messagePart), qPrintable(workers->lastError()));
    // The row stays open with what was typed.
    QCOMPARE(workers->state(), Table::State::Insert);
    QCOMPARE(workers->text(QStringLiteral("Nom")), QStringLiteral("TYPED"));
    QCOMPARE(workers->rowCount(), 1);
}

void TestTable::rowsStayInKeyOrderAndRoundTripTypes()
{
    DataFixture fx(store());
    Table *workers = fx.data().expatries();
    for (int n : { 5, 1, 3 })
        QVERIFY(DataFixture::add(workers,
            { { QStringLiteral("Num_Ordre"), n },
                { QStringLiteral("Date_nais"), QStringLiteral("01/03/2015") },
                { QStringLiteral("Duree"), QStringLiteral("12") } }));
    QCOMPARE(workers->rowCount(), 3);
    QList<int> order;
    for (bool ok = workers->first(); ok; ok = workers->next())
        order << workers->value(QStringLiteral("num_ordre")).toInt();
    QCOMPARE(order, (QList<int> { 1, 3, 5 }));
    QVERIFY(workers->last());
    QCOMPARE(workers->value(QStringLiteral("Num_Ordre")).toInt(), 5);
    QCOMPARE(workers->value(QStringLiteral("DATE_NAIS")).toDate(), QDate(2015, 3, 1));
    QCOMPARE(workers->text(QStringLiteral("Date_nais")), QStringLiteral("01/03/2015"));
    QCOMPARE(workers->value(QStringLiteral("Duree")).toInt(), 12);
    QVERIFY(workers->value(QStringLiteral("Nom")).isNull());
}

void TestTable::filterWithApostropheAndMixedCaseField()
{
    DataFixture fx(store());
    Table *workers = fx.data().expatries();
    const QString tricky = QStringLiteral("L'ENTREPRISE' OR '1'='1");
    QVERIFY(DataFixture::add(
        workers, { { QStringLiteral("Num_Ordre"), 1 }, { QStringLiteral("Nom_orga"), tricky } }));
    QVERIFY(DataFixture::add(workers,
        { { QStringLiteral("Num_Ordre"), 2 }, { QStringLiteral("Nom_orga"), QStringLiteral("AUTRE") } }));
    workers->setFilter(QStringLiteral("NOM_ORGA"), tricky);
    QVERIFY(workers->setFiltered(true));
    QCOMPARE(workers->rowCount(), 1);
    QCOMPARE(workers->value(QStringLiteral("Num_Ordre")).toInt(), 1);
    workers->setFilter(QStringLiteral("nom_orga"), QStringLiteral("L'"));
    QCOMPARE(workers->rowCount(), 0);
    QVERIFY(workers->value(QStringLiteral("Num_Ordre")).isNull());
    QVERIFY(workers->setFiltered(false));
    QCOMPARE(workers->rowCount(), 2);
}

void TestTable::filterGuardWidensOnEveryPath()
{
    DataFixture fx(store());
    Table *workers = fx.data().expatries();
    for (int n : { 1, 2, 3 })
        QVERIFY(DataFixture::add(workers,
            { { QStringLiteral("Num_Ordre"), n }, { QStringLiteral("Nom_orga"), n == 2 ? "B" : "A" } }));
    const auto narrowed = [workers]() -> int {
        FilterGuard guard(workers, QStringLiteral("Nom_orga"), QStringLiteral("A"));
        if (!guard.isActive())
            return -1;
        return workers->rowCount(); // the view is widened again on the way out
    };
    QCOMPARE(narrowed(), 2);
    QVERIFY(!workers->isFiltered());
    QCOMPARE(workers->rowCount(), 3);
    {
        // A field the table does not have: refused, the view left whole.
        FilterGuard guard(workers, QStringLiteral("Inconnu"), QStringLiteral("A"));
        QVERIFY(!guard.isActive());
        QVERIFY(!workers->isFiltered());
        QVERIFY(workers->lastError().contains(QLatin1String("Inconnu")));
    }
    QCOMPARE(workers->rowCount(), 3);
    {
        // A kept filter outlives its guard.
        FilterGuard guard(workers, QStringLiteral("Nom_orga"), QStringLiteral("B"));
        guard.keep();
    }
    QVERIFY(workers->isFiltered());
    QCOMPARE(workers->rowCount(), 1);
}

void TestTable::filterOnIntegerFieldTakesQuotedNumber()
{
    DataFixture fx(store());
    Table *posts = fx.data().accord();
    for (int n : { 1, 2, 3 })
        QVERIFY(DataFixture::add(posts, { { QStringLiteral("Num"), n } }));
    posts->setFilter(QStringLiteral("num"), QStringLiteral("2"));
    QVERIFY(posts->setFiltered(true));
    QCOMPARE(posts->rowCount(), 1);
    QCOMPARE(posts->value(QStringLiteral("Num")).toInt(), 2);
}

void TestTable::filterSwitchCompletesPendingChange()
{
    DataFixture fx(store());
    Table *posts = fx.data().accord();
    QVERIFY(DataFixture::add(
        posts, { { QStringLiteral("Num"), 1 }, { QStringLiteral("Projet"), QStringLiteral("A") } }));
    QVERIFY(DataFixture::add(
        posts, { { QStringLiteral("Num"), 2 }, { QStringLiteral("Projet"), QStringLiteral("B") } }));
    // A changed row is stored when the view switches ...
    QVERIFY(posts->last());
    QVERIFY(posts->edit());
    posts->setValue(QStringLiteral("poste"), QStringLiteral("SOUDEUR"));
    posts->setFilter(QStringLiteral("Projet"), QStringLiteral("B"));
    QVERIFY(posts->setFiltered(true));
    QCOMPARE(posts->state(), Table::State::Browse);
    QCOMPARE(posts->text(QStringLiteral("poste")), QStringLiteral("SOUDEUR"));
    // ... an unchanged new row is dropped, and the view stands on its first row.
    QVERIFY(posts->append());
    QVERIFY(posts->setFiltered(false));
    QCOMPARE(posts->rowCount(), 2);
    QCOMPARE(posts->position(), 0);
    QCOMPARE(posts->value(QStringLiteral("Num")).toInt(), 1);
}

void TestTable::closeDropsUnsavedRow()
{
    DataFixture fx(store());
    Table *employers = fx.data().employeur();
    QVERIFY(employers->append());
    employers->setValue(QStringLiteral("Nom_orga"), QStringLiteral("BROUILLON"));
    employers->close();
    QVERIFY(employers->open());
    QCOMPARE(employers->rowCount(), 0);
}

void TestTable::postIsCommittedWhileAQueryIsOpen()
{
    if (onServer())
        QSKIP("A file of the directory store");
    DataFixture fx(store());
    QVERIFY(DataFixture::add(fx.data().employeur(), { { QStringLiteral("Nom_orga"), QStringLiteral("A") } }));
    QVERIFY(DataFixture::add(fx.data().contact(), { { QStringLiteral("nom_orga"), QStringLiteral("A") } }));
    for (int n : { 1, 2 })
        QVERIFY(DataFixture::add(fx.data().expatries(), { { QStringLiteral("Num_Ordre"), n } }));
    // The join stands on its first row, its statement still stepping.
    Query query(fx.data().database());
    query.addLine(QStringLiteral("select * from employeur, contact, expatries"));
    Query *join = &query;
    QVERIFY(join->open());
    QCOMPARE(join->value(QStringLiteral("Num_Ordre_1")).toInt(), 1);
    QVERIFY(DataFixture::add(
        fx.data().employeur(), { { QStringLiteral("Nom_orga"), QStringLiteral("SARL X") } }));
    // The query goes on from where it stood.
    QVERIFY(join->next());
    QCOMPARE(join->value(QStringLiteral("Num_Ordre_1")).toInt(), 2);
    {
        QSqlDatabase db
            = outside(QDir(fx.dbDir()).filePath(QStringLiteral("Employeur.DB")), QStringLiteral("peek"));
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("SELECT Nom_orga FROM Employeur WHERE Nom_orga = 'SARL X'")));
        QVERIFY(q.next());
    }
    QSqlDatabase::removeDatabase(QStringLiteral("peek"));
}

void TestTable::whatOtherToolsWriteReadsBack()
{
    if (onServer())
        QSKIP("A file of the directory store");
    DataFixture fx(store());
    fx.data().expatries()->close();
    {
        QSqlDatabase db
            = outside(QDir(fx.dbDir()).filePath(QStringLiteral("Expatries.DB")), QStringLiteral("tool"));
        QSqlQuery q(db);
        QVERIFY(
            q.exec(QStringLiteral("INSERT INTO Expatries (Num_Ordre, Nom, Date_nais, Date_entrer_alg, Duree) "
                                  "VALUES (7, 'O''BRIEN', '1980-12-31', '05/06/2019', '24')")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("tool"));
    Table *workers = fx.data().expatries();
    QVERIFY(workers->open());
    QCOMPARE(workers->text(QStringLiteral("Nom")), QStringLiteral("O'BRIEN"));
    QCOMPARE(workers->value(QStringLiteral("Date_nais")).toDate(), QDate(1980, 12, 31));
    QCOMPARE(workers->value(QStringLiteral("Date_entrer_alg")).toDate(), QDate(2019, 6, 5));
    QCOMPARE(workers->value(QStringLiteral("Duree")).toInt(), 24);
}

void TestTable::busyStoreGivesClearMessage()
{
    if (onServer())
        QSKIP("A file of the directory store");
    DataFixture fx(store());
    const QString path = QDir(fx.dbDir()).filePath(QStringLiteral("Employeur.DB"));
    QSqlDatabase other = outside(path, QStringLiteral("other"));
    {
        QSqlQuery lock(other);
        QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        Table *employers = fx.data().employeur();
        QVERIFY(employers->append());
        employers->setValue(QStringLiteral("Nom_orga"), QStringLiteral("EN ATTENTE"));
        QVERIFY(!employers->post());
        QVERIFY2(employers->lastError().contains(QStringLiteral("autre copie de VELMORA")),
            qPrintable(employers->lastError()));
        QCOMPARE(employers->state(), Table::State::Insert);
        QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
        QVERIFY(employers->post());
        QCOMPARE(employers->rowCount(), 1);
    }
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
}

void TestTable::renameThroughEditKeepsOneRow()
{
    DataFixture fx(store());
    Table *employers = fx.data().employeur();
    QVERIFY(DataFixture::add(employers, { { QStringLiteral("Nom_orga"), QStringLiteral("ANCIEN") } }));
    QVERIFY(employers->edit());
    employers->setValue(QStringLiteral("Nom_orga"), QStringLiteral("NOUVEAU NOM"));
    QVERIFY(employers->post());
    QCOMPARE(employers->rowCount(), 1);
    QCOMPARE(employers->text(QStringLiteral("Nom_orga")), QStringLiteral("NOUVEAU NOM"));
}

void TestTable::twoCopiesNeverLoseAChange_data()
{
    // Copies A and B on one store, both standing on worker 1; B writes first, then A.
    QTest::addColumn<QString>("byB");
    QTest::addColumn<QString>("byA");
    QTest::addColumn<int>("conflict");
    QTest::addColumn<QString>("messagePart");
    QTest::addColumn<int>("rowsLeft");
    QTest::addColumn<QString>("telLeft");
    const int changed = int(Table::Conflict::Changed);
    const int deleted = int(Table::Conflict::Deleted);
    QTest::newRow("edit/edit") << "edit"
                               << "edit" << changed << "(champ : « Tel »)" << 1 << "0550";
    QTest::newRow("edit/delete") << "edit"
                                 << "delete" << changed << "Il n'a pas été supprimé" << 1 << "0550";
    QTest::newRow("delete/edit") << "delete"
                                 << "edit" << deleted << "a supprimé" << 0 << "";
    QTest::newRow("delete/delete") << "delete"
                                   << "delete" << deleted << "déjà supprimé" << 0 << "";
    QTest::newRow("new/new, renumbered") << "new"
                                         << "new" << 0 << "" << 3 << "0550";
}

void TestTable::twoCopiesNeverLoseAChange()
{
    QFETCH(QString, byB);
    QFETCH(QString, byA);
    QFETCH(int, conflict);
    QFETCH(QString, messagePart);
    QFETCH(int, rowsLeft);
    QFETCH(QString, telLeft);
    DataFixture fx(store());
    Table *a = fx.data().expatries();
    QVERIFY(DataFixture::add(a, { { QStringLiteral("Num_Ordre"), 1 } }));
    DataModule copyB;
    QVERIFY(fx.activateCopy(copyB).ok);
    Table *b = copyB.expatries();
    QVERIFY(b->first());
    const auto start = [](Table *t, const QString &what) {
        if (what == QLatin1String("new")) {
            t->append();
            t->setValue(QStringLiteral("Num_Ordre"), 2);
        } else if (what == QLatin1String("edit")) {
            t->edit();
        }
    };
    start(a, byA);
    start(b, byB);
    // B saves first.
    b->setValue(QStringLiteral("Tel"), QStringLiteral("0550"));
    QVERIFY(byB == QLatin1String("delete") ? b->remove() : b->post());
    const bool deleting = byA == QLatin1String("delete");
    if (!deleting)
        a->setValue(QStringLiteral("Adrs_alg"), QStringLiteral("RUE DE A"));
    if (byA == QLatin1String("new")) {
        // NOUVEAU on both: A's row takes the next number, B's stays.
        QVERIFY2(a->post(), qPrintable(a->lastError()));
        QCOMPARE(a->renumberedTo().toInt(), 3);
        QCOMPARE(a->value(QStringLiteral("Num_Ordre")).toInt(), 3);
        QCOMPARE(a->rowCount(), 3);
        QVERIFY(a->locate(2));
        QCOMPARE(a->text(QStringLiteral("Tel")), QStringLiteral("0550"));
        return;
    }
    // A's save or delete is refused, what A typed kept.
    QVERIFY(deleting ? !a->remove() : !a->post());
    QCOMPARE(int(a->conflict()), conflict);
    QVERIFY2(a->lastError().contains(messagePart), qPrintable(a->lastError()));
    if (!deleting)
        QCOMPARE(a->text(QStringLiteral("Adrs_alg")), QStringLiteral("RUE DE A"));
    // Nothing B wrote is lost.
    QVERIFY(a->reload());
    QCOMPARE(a->state(), Table::State::Browse);
    QCOMPARE(a->rowCount(), rowsLeft);
    QCOMPARE(b->rowCount(), rowsLeft);
    if (rowsLeft > 0) {
        QVERIFY(a->locate(1));
        QCOMPARE(a->text(QStringLiteral("Tel")), telLeft);
        // Once reloaded, A's change lands beside B's.
        QVERIFY(a->edit());
        a->setValue(QStringLiteral("Adrs_alg"), QStringLiteral("RUE DE A"));
        QVERIFY2(a->post(), qPrintable(a->lastError()));
        QVERIFY(b->refresh());
        QVERIFY(b->locate(a->value(QStringLiteral("Num_Ordre"))));
        QCOMPARE(b->text(QStringLiteral("Tel")), telLeft);
        QCOMPARE(b->text(QStringLiteral("Adrs_alg")), QStringLiteral("RUE DE A"));
    }
}

void TestTable::serverGoneDuringSave()
{
    if (!onServer())
        QSKIP("The server store's case");
    DataFixture fx(store());
    Table *workers = fx.data().expatries();
    QVERIFY(DataFixture::add(workers, { { QStringLiteral("Num_Ordre"), 1 } }));
    QVERIFY(workers->edit());
    workers->setValue(QStringLiteral("Nom"), QStringLiteral("TAPE"));
    if (!DataFixture::switchServer(false))
        QSKIP("The test server cannot be stopped (VELMORA_TEST_SERVER_CTL)");
    const bool saved = workers->post();
    const QString error = workers->lastError();
    QVERIFY(DataFixture::switchServer(true));
    // Never a false success: the entry stays with what was typed.
    QVERIFY(!saved);
    QVERIFY2(error.contains(QStringLiteral("ne répond pas")), qPrintable(error));
    QCOMPARE(workers->state(), Table::State::Edit);
    QCOMPARE(workers->text(QStringLiteral("Nom")), QStringLiteral("TAPE"));
    // The next save connects again.
    QVERIFY2(workers->post(), qPrintable(workers->lastError()));
    DataModule copy;
    QVERIFY(fx.activateCopy(copy).ok);
    QCOMPARE(copy.expatries()->text(QStringLiteral("Nom")), QStringLiteral("TAPE"));
}

void TestTable::listsFollowAnotherClerk()
{
    if (!onServer())
        QSKIP("The server store's case");
    DataFixture fx(store());
    Table *a = fx.data().expatries();
    QVERIFY(DataFixture::add(a, { { QStringLiteral("Num_Ordre"), 1 } }));
    QVERIFY(a->first() && a->edit());
    a->setValue(QStringLiteral("Nom"), QStringLiteral("EN COURS"));
    Table *aEmployers = fx.data().employeur();
    QSignalSpy employersReset(aEmployers, &Table::viewReset);
    DataModule copyB;
    QVERIFY(fx.activateCopy(copyB).ok);
    QVERIFY(DataFixture::add(copyB.employeur(), { { QStringLiteral("Nom_orga"), QStringLiteral("B") } }));
    QVERIFY(DataFixture::add(copyB.expatries(), { { QStringLiteral("Num_Ordre"), 2 } }));
    // The employer list follows B's save; the worker entry A is typing is left as it is.
    QTRY_VERIFY(employersReset.count() > 0);
    QCOMPARE(aEmployers->text(QStringLiteral("Nom_orga")), QStringLiteral("B"));
    QCOMPARE(a->state(), Table::State::Edit);
    QCOMPARE(a->text(QStringLiteral("Nom")), QStringLiteral("EN COURS"));
}

void TestTable::gridModelReadsAnyLine()
{
    DataFixture fx(store());
    Table *workers = fx.data().expatries();
    for (int n = 1; n <= 300; ++n)
        QVERIFY(DataFixture::add(workers,
            { { QStringLiteral("Num_Ordre"), n * 2 },
                { QStringLiteral("Nom_orga"), n % 3 ? QStringLiteral("A") : QStringLiteral("B") } }));
    TableModel model(workers, { { QStringLiteral("N°"), QStringLiteral("Num_Ordre") } });
    QCOMPARE(model.rowCount(), 300);
    for (int row : { 0, 127, 128, 149, 150, 151, 255, 256, 299 })
        QCOMPARE(model.data(model.index(row, 0)).toString(), QString::number((row + 1) * 2));
    QCOMPARE(model.keyAt(299).toInt(), 600);
    // Under a filter the lines are those of the view.
    workers->setFilter(QStringLiteral("Nom_orga"), QStringLiteral("B"));
    QVERIFY(workers->setFiltered(true));
    QCOMPARE(model.rowCount(), 100);
    QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("6"));
    QCOMPARE(model.data(model.index(99, 0)).toString(), QStringLiteral("600"));
    // Moving to a line by its key puts the table there; last() stands on the last line.
    QVERIFY(workers->moveTo(60, model.keyAt(60)));
    QCOMPARE(workers->position(), 60);
    QCOMPARE(workers->value(QStringLiteral("Num_Ordre")).toInt(), 366);
    QVERIFY(workers->last());
    QCOMPARE(workers->position(), 99);
    QCOMPARE(workers->value(QStringLiteral("Num_Ordre")).toInt(), 600);
}

void TestTable::gridModelFollowsTheView_data()
{
    // 300 workers numbered 2, 4, … 600; every third (6, 12, … 600) belongs to B.
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("lastLine");
    QTest::newRow("filter on") << "filter B" << 100 << "6"
                               << "600";
    QTest::newRow("filter switched to another value") << "filter B then A" << 200 << "2"
                                                      << "598";
    QTest::newRow("filter off") << "filter B then off" << 300 << "2"
                                << "600";
    QTest::newRow("guarded filter lifted") << "guard B" << 300 << "2"
                                           << "600";
    QTest::newRow("post") << "post 601" << 301 << "2"
                          << "601";
    QTest::newRow("post into a filtered view") << "filter B, post 1 to B" << 101 << "1"
                                               << "600";
    QTest::newRow("post leaving a filtered view") << "filter B, move first to A" << 99 << "12"
                                                  << "600";
    QTest::newRow("delete") << "delete first" << 299 << "4"
                            << "600";
    QTest::newRow("delete the last line") << "delete last" << 299 << "2"
                                          << "598";
    QTest::newRow("delete in a filtered view") << "filter B, delete first" << 99 << "12"
                                               << "600";
}

void TestTable::gridModelFollowsTheView()
{
    QFETCH(QString, change);
    QFETCH(int, lines);
    QFETCH(QString, firstLine);
    QFETCH(QString, lastLine);
    DataFixture fx(store());
    Table *workers = fx.data().expatries();
    // One commit for the lot: each post on its own would wait for the disk.
    QVERIFY(fx.data().database()->transaction());
    for (int n = 1; n <= 300; ++n)
        QVERIFY(DataFixture::add(workers,
            { { QStringLiteral("Num_Ordre"), n * 2 },
                { QStringLiteral("Nom_orga"), n % 3 ? QStringLiteral("A") : QStringLiteral("B") } }));
    QVERIFY(fx.data().database()->commit());
    TableModel model(workers,
        { { QStringLiteral("N°"), QStringLiteral("Num_Ordre") },
            { QStringLiteral("Organisme"), QStringLiteral("Nom_orga") } });
    // Read lines on both halves of the view, so that cached pages are there to be dropped.
    QCOMPARE(model.data(model.index(10, 0)).toString(), QStringLiteral("22"));
    QCOMPARE(model.data(model.index(290, 0)).toString(), QStringLiteral("582"));
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    const QString filterB = QStringLiteral("filter B");
    if (change.startsWith(filterB)) {
        workers->setFilter(QStringLiteral("Nom_orga"), QStringLiteral("B"));
        QVERIFY(workers->setFiltered(true));
    }
    if (change == QLatin1String("filter B then A"))
        workers->setFilter(QStringLiteral("Nom_orga"), QStringLiteral("A"));
    if (change == QLatin1String("filter B then off"))
        QVERIFY(workers->setFiltered(false));
    if (change == QLatin1String("guard B")) {
        FilterGuard guard(workers, QStringLiteral("Nom_orga"), QStringLiteral("B"));
        QCOMPARE(model.rowCount(), 100);
    }
    if (change == QLatin1String("post 601"))
        QVERIFY(DataFixture::add(workers, { { QStringLiteral("Num_Ordre"), 601 } }));
    if (change == QLatin1String("filter B, post 1 to B"))
        QVERIFY(DataFixture::add(workers,
            { { QStringLiteral("Num_Ordre"), 1 }, { QStringLiteral("Nom_orga"), QStringLiteral("B") } }));
    if (change == QLatin1String("filter B, move first to A")) {
        QVERIFY(workers->first() && workers->edit());
        QVERIFY(workers->setValue(QStringLiteral("Nom_orga"), QStringLiteral("A")));
        QVERIFY(workers->post());
    }
    if (change.endsWith(QLatin1String("delete first")))
        QVERIFY(workers->first() && workers->remove());
    if (change == QLatin1String("delete last"))
        QVERIFY(workers->last() && workers->remove());

    QCOMPARE(model.rowCount(), lines);
    QCOMPARE(workers->rowCount(), lines);
    QCOMPARE(model.data(model.index(0, 0)).toString(), firstLine);
    QCOMPARE(model.data(model.index(lines - 1, 0)).toString(), lastLine);
    QCOMPARE(model.keyAt(lines - 1).toString(), lastLine);
    QVERIFY(!model.data(model.index(lines, 0)).isValid());
    // Every line of the view is there once, in key order.
    int previous = 0;
    for (int row = 0; row < lines; ++row) {
        const int key = model.keyAt(row).toInt();
        QVERIFY2(key > previous, qPrintable(QStringLiteral("line %1").arg(row)));
        previous = key;
    }
}

QTEST_GUILESS_MAIN(TestTable)
#include "tst_table.moc"
