#include "data/countedtext.h"
#include "data/csvtext.h"
#include "data/database.h"
#include "data/duedates.h"
#include "data/headcounts.h"
#include "datafixture.h"
#include "reviewstore.h"

#include <QTemporaryDir>
#include <QTest>

// The register's due dates over a horizon, the head counts per post, and the CSV bytes.
class TestReview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data();
    void init();
    void dueDatesOverHorizon_data();
    void dueDatesOverHorizon();
    void dueDatesCountedPagedAndNarrowed();
    void headCountsPerPost();
    void headCountsOfOneProject();
    void manyPostsOutsideAgreements();
    void countsInFrench_data();
    void countsInFrench();
    void csvBytes();
    void csvRefusesUnwritableFile();
};

void TestReview::initTestCase_data()
{
    DataFixture::addStoreRows();
}

void TestReview::init()
{
    if (DataFixture::serverRowWithoutServer())
        QSKIP("VELMORA_TEST_SERVER is not set: run the tests through scripts/with-postgres.");
}

void TestReview::dueDatesOverHorizon_data()
{
    QTest::addColumn<int>("horizon");
    QTest::addColumn<QStringList>("expected");
    // The passport ending before a running contract stands first whatever the horizon.
    const QString pastPassport = QStringLiteral("Passeport finissant avant le contrat DUPONT Jean -10");
    const QString works = QStringLiteral("Fin des travaux du projet PROJET A 20");
    const QString passport = QStringLiteral("Fin de passeport MARTIN Jean 45");
    const QString contract = QStringLiteral("Fin de contrat GARCIA Jean 100");
    QTest::newRow("30 days") << 30 << QStringList { pastPassport, works };
    QTest::newRow("60 days") << 60 << QStringList { pastPassport, works, passport };
    QTest::newRow("90 days") << 90 << QStringList { pastPassport, works, passport };
    QTest::newRow("180 days") << 180 << QStringList { pastPassport, works, passport, contract };
}

void TestReview::dueDatesOverHorizon()
{
    QFETCH(int, horizon);
    QFETCH(QStringList, expected);
    DataFixture fx(DataFixture::storeOfRow());
    QVERIFY(ReviewStore::fill(fx.data()));
    QList<DueDate> dates;
    QString error;
    QVERIFY2(DueDates::read(*fx.data().database(), ReviewStore::today, horizon, &dates, &error),
        qPrintable(error));
    QStringList lines;
    for (const DueDate &d : std::as_const(dates))
        lines << QStringLiteral("%1 %2 %3").arg(DueDates::what(d.kind), d.name).arg(d.daysLeft);
    QCOMPARE(lines, expected);
    QVERIFY(dates.first().isPast());
    QCOMPARE(dates.first().worker, 1);
    QCOMPARE(dates.first().employer, ReviewStore::alpha);
    QCOMPARE(dates.at(1).worker, 0);
    QCOMPARE(dates.at(1).employer, ReviewStore::alpha);
}

// The engine counts the dates, gives them a page at a time, and narrows them to one employer
// and one project.
void TestReview::dueDatesCountedPagedAndNarrowed()
{
    DataFixture fx(DataFixture::storeOfRow());
    QVERIFY(ReviewStore::fill(fx.data()));
    Database &db = *fx.data().database();
    QString error;
    int total = 0;
    int past = 0;
    DueDateFilter filter { ReviewStore::today, 180, QString(), QString() };
    QVERIFY2(DueDates::count(db, filter, &total, &past, &error), qPrintable(error));
    QCOMPARE(total, 4);
    QCOMPARE(past, 1);
    QList<DueDate> page;
    QVERIFY(DueDates::read(db, filter, 1, 2, &page, &error));
    QCOMPARE(page.size(), 2);
    QCOMPARE(page.at(0).kind, DueDate::Kind::Works);
    QCOMPARE(page.at(1).name, QStringLiteral("MARTIN Jean"));
    filter.employer = ReviewStore::beta;
    filter.project = QStringLiteral("PROJET B");
    QVERIFY(DueDates::count(db, filter, &total, &past, &error));
    QCOMPARE(total, 0);
    filter.horizon = 400;
    QVERIFY(DueDates::read(db, filter, 0, -1, &page, &error));
    QCOMPARE(page.size(), 1);
    QCOMPARE(page.at(0).name, QStringLiteral("PROJET B"));
    QCOMPARE(page.at(0).daysLeft, 400);
}

void TestReview::headCountsPerPost()
{
    DataFixture fx(DataFixture::storeOfRow());
    QVERIFY(ReviewStore::fill(fx.data()));
    HeadCountSheet sheet;
    QString error;
    QVERIFY2(HeadCounts::read(*fx.data().database(), &sheet, &error), qPrintable(error));
    QCOMPARE(sheet.posts.size(), 2);
    // " soudeur " and "SOUDEUR" are both on the post SOUDEUR, one more than its forecast.
    const PostCount &welder = sheet.posts.at(0);
    QCOMPARE(welder.post, QStringLiteral("SOUDEUR"));
    QCOMPARE(welder.algerians, 3);
    QCOMPARE(welder.foreigners, 1);
    QCOMPARE(welder.registered, 2);
    QCOMPARE(welder.left(), -1);
    QVERIFY(welder.isOver());
    const PostCount &engineer = sheet.posts.at(1);
    QCOMPARE(engineer.registered, 1);
    QCOMPARE(engineer.left(), 1);
    QVERIFY(!engineer.isOver());
    QCOMPARE(sheet.unplaced.size(), 2);
    QCOMPARE(sheet.unplaced.at(0).name, QStringLiteral("LOPEZ Jean"));
    QCOMPARE(sheet.unplaced.at(0).post, QStringLiteral("Cuisinier"));
    QCOMPARE(sheet.unplaced.at(1).number, 5);
    QCOMPARE(sheet.unplaced.at(1).employer, ReviewStore::beta);
}

void TestReview::headCountsOfOneProject()
{
    DataFixture fx(DataFixture::storeOfRow());
    QVERIFY(ReviewStore::fill(fx.data()));
    HeadCountSheet sheet;
    QString error;
    QVERIFY(HeadCounts::read(
        *fx.data().database(), &sheet, &error, ReviewStore::beta, QStringLiteral("PROJET B")));
    QVERIFY(sheet.posts.isEmpty());
    QCOMPARE(sheet.unplaced.size(), 1);
    QCOMPARE(sheet.unplaced.at(0).name, QStringLiteral("PEREZ Jean"));
}

// Past a few spellings outside every agreement, their workers are picked out of one pass: the
// same list, in the same order.
void TestReview::manyPostsOutsideAgreements()
{
    DataFixture fx(DataFixture::storeOfRow());
    QVERIFY(ReviewStore::fill(fx.data()));
    for (int i = 0; i < 25; ++i) {
        QVERIFY(ReviewStore::addWorker(fx.data(), 100 + i, QStringLiteral("AUTRE"), ReviewStore::beta,
            i % 2 ? QStringLiteral("PROJET B") : QString(), QStringLiteral("POSTE %1").arg(i)));
    }
    HeadCountSheet sheet;
    QString error;
    QVERIFY2(HeadCounts::read(*fx.data().database(), &sheet, &error), qPrintable(error));
    QCOMPARE(sheet.unplaced.size(), 27);
    QCOMPARE(sheet.unplaced.at(0).name, QStringLiteral("LOPEZ Jean"));
    QCOMPARE(sheet.posts.at(0).registered, 2);
    // BETA's workers without a project come first, then those of PROJET B, by number.
    QCOMPARE(sheet.unplaced.at(1).number, 100);
    QCOMPARE(sheet.unplaced.at(1).project, QString());
    QCOMPARE(sheet.unplaced.last().number, 123);
}

void TestReview::countsInFrench_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << qint64(0) << QStringLiteral("0 poste");
    QTest::newRow("one") << qint64(1) << QStringLiteral("1 poste");
    QTest::newRow("two") << qint64(2) << QStringLiteral("2 postes");
    QTest::newRow("thousands") << qint64(100000) << QStringLiteral("100\u202F000 postes");
}

void TestReview::countsInFrench()
{
    QFETCH(qint64, n);
    QFETCH(QString, expected);
    QCOMPARE(CountedText::counted(n, QStringLiteral("poste"), QStringLiteral("postes")), expected);
}

void TestReview::csvBytes()
{
    const QByteArray bytes = CsvText::table({ QStringLiteral("Nom"), QStringLiteral("Poste") },
        { { QStringLiteral("L'HÔTE"), QStringLiteral("Soudeur; chef") },
            { QStringLiteral("Dit \"le grand\""), QString() } });
    QCOMPARE(bytes,
        QByteArray("\xEF\xBB\xBFNom;Poste\r\n"
                   "L'H\xC3\x94TE;\"Soudeur; chef\"\r\n"
                   "\"Dit \"\"le grand\"\"\";\r\n"));
}

void TestReview::csvRefusesUnwritableFile()
{
    QTemporaryDir dir;
    QString error;
    const QString path = dir.filePath(QStringLiteral("absent/bilan.csv"));
    QVERIFY(!CsvText::save(path, "x", &error));
    QVERIFY(error.contains(QStringLiteral("bilan.csv")));
    QVERIFY(CsvText::save(dir.filePath(QStringLiteral("bilan.csv")), "x", &error));
}

QTEST_GUILESS_MAIN(TestReview)
#include "tst_review.moc"
