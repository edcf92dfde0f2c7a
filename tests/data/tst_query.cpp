#include "datafixture.h"

#include "data/query.h"
#include "data/table.h"

#include <QSet>
#include <QTest>

// The print queries: column naming over joined tables, bound values, lazy stepping.
class TestQuery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data();
    void init();
    void repeatedColumnsTakeSuffixes_data();
    void repeatedColumnsTakeSuffixes();
    void boundValueWithApostrophe();
    void largeJoinOpensWithoutBeingRead();
    void missingColumnIsBlank();
};

void TestQuery::initTestCase_data()
{
    DataFixture::addStoreRows();
}

void TestQuery::init()
{
    if (DataFixture::serverRowWithoutServer())
        QSKIP("VELMORA_TEST_SERVER is not set: run the tests through scripts/with-postgres.");
}

void TestQuery::repeatedColumnsTakeSuffixes_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("expected");
    // employeur, contact, expatries: the contact row's project is Projet_1, the worker's Projet_2.
    QTest::newRow("employer name") << "Nom_orga"
                                   << "EMP";
    QTest::newRow("contact key") << "nom_orga_1"
                                 << "EMP";
    QTest::newRow("worker's employer") << "Nom_orga_2"
                                       << "EMP";
    QTest::newRow("employer project") << "Projet"
                                      << "";
    QTest::newRow("contact project") << "Projet_1"
                                     << "PROJET C";
    QTest::newRow("worker project") << "projet_2"
                                    << "PROJET W";
    QTest::newRow("contact telephone") << "Tel"
                                       << "021";
    QTest::newRow("worker telephone") << "Tel_1"
                                      << "022";
    QTest::newRow("contact email") << "email"
                                   << "c@x";
    QTest::newRow("worker email, other case") << "Email_1"
                                              << "w@x";
    QTest::newRow("date shown as dd/mm/yyyy") << "Date_nais"
                                              << "02/01/1990";
    QTest::newRow("number plain, after the employer's Num_ordre") << "Num_Ordre_1"
                                                                  << "4";
    QTest::newRow("employer's unused number") << "NUM_ORDRE"
                                              << "";
}

void TestQuery::repeatedColumnsTakeSuffixes()
{
    QFETCH(QString, column);
    QFETCH(QString, expected);
    DataFixture fx(DataFixture::storeOfRow());
    QVERIFY(
        DataFixture::add(fx.data().employeur(), { { QStringLiteral("Nom_orga"), QStringLiteral("EMP") } }));
    QVERIFY(DataFixture::add(fx.data().contact(),
        { { QStringLiteral("nom_orga"), QStringLiteral("EMP") },
            { QStringLiteral("Projet"), QStringLiteral("PROJET C") },
            { QStringLiteral("Tel"), QStringLiteral("021") },
            { QStringLiteral("email"), QStringLiteral("c@x") } }));
    QVERIFY(DataFixture::add(fx.data().expatries(),
        { { QStringLiteral("Num_Ordre"), 4 }, { QStringLiteral("Nom_orga"), QStringLiteral("EMP") },
            { QStringLiteral("Projet"), QStringLiteral("PROJET W") },
            { QStringLiteral("Tel"), QStringLiteral("022") },
            { QStringLiteral("Email"), QStringLiteral("w@x") },
            { QStringLiteral("Date_nais"), QStringLiteral("02/01/1990") } }));
    Query join(fx.data().database());
    join.addLine(QStringLiteral("select *"));
    join.addLine(QStringLiteral("from employeur, contact, expatries"));
    Query *q = &join;
    QVERIFY2(q->open(), qPrintable(q->lastError()));
    QCOMPARE(q->count(), 1);
    QCOMPARE(q->text(column), expected);
    // The row kept as a value reads the same, once the query has let go of it.
    QList<RowRecord> rows;
    QVERIFY(q->readRows(&rows));
    QCOMPARE(rows.size(), 1);
    QVERIFY(!q->isOpen());
    QCOMPARE(rows.first().text(column), expected);
}

void TestQuery::boundValueWithApostrophe()
{
    DataFixture fx(DataFixture::storeOfRow());
    const QString name = QStringLiteral("L'ENTREPRISE");
    QVERIFY(DataFixture::add(fx.data().employeur(), { { QStringLiteral("Nom_orga"), name } }));
    QVERIFY(DataFixture::add(fx.data().employeur(), { { QStringLiteral("Nom_orga"), QStringLiteral("B") } }));
    Query query(fx.data().database());
    Query *q = &query;
    q->addLine(QStringLiteral("select * from employeur"));
    q->addLine(QStringLiteral("where employeur.Nom_orga = :name"));
    q->bindValue(QStringLiteral(":name"), name);
    QVERIFY2(q->open(), qPrintable(q->lastError()));
    QCOMPARE(q->count(), 1);
    QCOMPARE(q->text(QStringLiteral("NOM_ORGA")), name);
    QVERIFY(!q->next());
}

void TestQuery::largeJoinOpensWithoutBeingRead()
{
    DataFixture fx(DataFixture::storeOfRow());
    DataModule &d = fx.data();
    const int n = 100;
    for (int i = 0; i < n; ++i) {
        const QString key = QStringLiteral("E%1").arg(i, 3, 10, QLatin1Char('0'));
        QVERIFY(DataFixture::add(d.employeur(), { { QStringLiteral("Nom_orga"), key } }));
        QVERIFY(DataFixture::add(d.contact(), { { QStringLiteral("nom_orga"), key } }));
        QVERIFY(DataFixture::add(d.expatries(), { { QStringLiteral("Num_Ordre"), i + 1 } }));
    }
    // A million-row product: opened and stepped a few rows, counted by the engine.
    Query join(d.database());
    join.addLine(QStringLiteral("select *"));
    join.addLine(QStringLiteral("from employeur, contact, expatries"));
    Query *q = &join;
    QVERIFY(q->open());
    QCOMPARE(q->text(QStringLiteral("Nom_orga")), QStringLiteral("E000"));
    QVERIFY(q->next());
    QVERIFY(q->next());
    QCOMPARE(q->position(), 2);
    QCOMPARE(q->count(), n * n * n);
    // Stepped on past what a server sends at once: no row repeated, none skipped.
    QSet<QString> seen;
    QVERIFY(q->first());
    for (int i = 0; i < 1000; ++i) {
        QStringList row;
        for (const QString &column : q->columns())
            row << q->text(column);
        seen << row.join(QLatin1Char('|'));
        QVERIFY(q->next());
    }
    QCOMPARE(q->position(), 1000);
    QCOMPARE(seen.size(), 1000);
}

void TestQuery::missingColumnIsBlank()
{
    DataFixture fx(DataFixture::storeOfRow());
    QVERIFY(DataFixture::add(fx.data().employeur(), { { QStringLiteral("Nom_orga"), QStringLiteral("A") } }));
    Query query(fx.data().database());
    Query *q = &query;
    q->addLine(QStringLiteral("select * from employeur"));
    QVERIFY(q->open());
    QVERIFY(q->value(QStringLiteral("Pas_de_champ")).isNull());
    QCOMPARE(q->text(QStringLiteral("Pas_de_champ")), QString());
}

QTEST_GUILESS_MAIN(TestQuery)
#include "tst_query.moc"
