#include "datafixture.h"

#include "data/database.h"
#include "data/table.h"
#include "employer/employerrecords.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

// An employer entry is its employer row and its contact row, two files written in one transaction:
// both land or neither does, whatever holds the contact file.
class TestEmployerRecords : public QObject
{
    Q_OBJECT

private:
    // Rows of a table file, counted through a connection of its own, as another tool would see them.
    static int rowsOnDisk(const QString &path, const QString &table)
    {
        int rows = -1;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("count"));
            db.setDatabaseName(path);
            if (db.open()) {
                QSqlQuery q(db);
                if (q.exec(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table)) && q.next())
                    rows = q.value(0).toInt();
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("count"));
        return rows;
    }

    // An entry typed on the page: a new employer row and its new contact row.
    static void typeEntry(DataModule &data)
    {
        Table *employers = data.employeur();
        Table *contacts = data.contact();
        QVERIFY(employers->append());
        employers->setValue(QStringLiteral("Nom_orga"), QStringLiteral("SONATEC"));
        employers->setValue(QStringLiteral("Adrs_orga"), QStringLiteral("12 RUE DES PINS"));
        QVERIFY(contacts->append());
        contacts->setValue(QStringLiteral("Projet"), QStringLiteral("BARRAGE"));
        contacts->setValue(QStringLiteral("Tel"), QStringLiteral("021 00 00 00"));
    }

private slots:
    void savesBothRows();
    void lockedContactFileSavesNothing_data();
    void lockedContactFileSavesNothing();
};

void TestEmployerRecords::savesBothRows()
{
    DataFixture fx;
    typeEntry(fx.data());
    EmployerRecords records(fx.data());
    QVERIFY2(records.saveEntry(), qPrintable(records.lastError()));
    const QDir dir(fx.dbDir());
    QCOMPARE(rowsOnDisk(dir.filePath(QStringLiteral("Employeur.DB")), QStringLiteral("Employeur")), 1);
    QCOMPARE(rowsOnDisk(dir.filePath(QStringLiteral("contact.DB")), QStringLiteral("contact")), 1);
    // The contact row carries the employer's name.
    QCOMPARE(fx.data().contact()->text(QStringLiteral("nom_orga")), QStringLiteral("SONATEC"));
    QCOMPARE(fx.data().contact()->text(QStringLiteral("Projet")), QStringLiteral("BARRAGE"));
    QCOMPARE(fx.data().employeur()->state(), Table::State::Browse);
}

void TestEmployerRecords::lockedContactFileSavesNothing_data()
{
    // What another connection holds on contact.DB while the entry is saved: a write lock refuses
    // the transaction before anything is written; a reader lets both rows be written, then keeps
    // the commit from taking the file.
    QTest::addColumn<QStringList>("lock");
    QTest::newRow("write lock") << QStringList { QStringLiteral("BEGIN IMMEDIATE") };
    QTest::newRow("exclusive lock") << QStringList { QStringLiteral("BEGIN EXCLUSIVE") };
    QTest::newRow("reader") << QStringList { QStringLiteral("BEGIN"),
        QStringLiteral("SELECT count(*) FROM contact") };
}

void TestEmployerRecords::lockedContactFileSavesNothing()
{
    QFETCH(QStringList, lock);
    DataFixture fx;
    const QDir dir(fx.dbDir());
    const QString employerFile = dir.filePath(QStringLiteral("Employeur.DB"));
    const QString contactFile = dir.filePath(QStringLiteral("contact.DB"));
    Table *employers = fx.data().employeur();
    Table *contacts = fx.data().contact();
    typeEntry(fx.data());
    EmployerRecords records(fx.data());
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(contactFile);
        QVERIFY(other.open());
        QSqlQuery holder(other);
        for (const QString &statement : lock) {
            QVERIFY2(holder.exec(statement), qPrintable(statement));
            while (holder.next()) { }
            // The transaction keeps its lock once the statement is done.
            holder.finish();
        }

        QVERIFY(!records.saveEntry());
        QVERIFY2(records.lastError().contains(QStringLiteral("autre copie de VELMORA")),
            qPrintable(records.lastError()));
        // Neither row reached its file, and the tables hold no row either.
        QCOMPARE(rowsOnDisk(employerFile, QStringLiteral("Employeur")), 0);
        QCOMPARE(employers->rowCount(), 0);
        QCOMPARE(contacts->rowCount(), 0);
        // The entry stays open as typed, for another try.
        QCOMPARE(employers->state(), Table::State::Insert);
        QCOMPARE(contacts->state(), Table::State::Insert);
        QCOMPARE(employers->text(QStringLiteral("Adrs_orga")), QStringLiteral("12 RUE DES PINS"));
        QCOMPARE(contacts->text(QStringLiteral("Projet")), QStringLiteral("BARRAGE"));

        QVERIFY(holder.exec(QStringLiteral("ROLLBACK")));
        QCOMPARE(rowsOnDisk(contactFile, QStringLiteral("contact")), 0);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));

    // Once the other connection lets go, the same entry saves whole.
    QVERIFY2(records.saveEntry(), qPrintable(records.lastError()));
    QCOMPARE(rowsOnDisk(employerFile, QStringLiteral("Employeur")), 1);
    QCOMPARE(rowsOnDisk(contactFile, QStringLiteral("contact")), 1);
    QCOMPARE(employers->text(QStringLiteral("Nom_orga")), QStringLiteral("SONATEC"));
    QCOMPARE(contacts->text(QStringLiteral("nom_orga")), QStringLiteral("SONATEC"));
    QCOMPARE(contacts->text(QStringLiteral("Tel")), QStringLiteral("021 00 00 00"));
}

QTEST_MAIN(TestEmployerRecords)
#include "tst_employerrecords.moc"
