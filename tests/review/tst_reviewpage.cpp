#include "datafixture.h"
#include "reviewstore.h"
#include "scriptedui.h"

#include "review/reviewpage.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

// The "Bilan" page over a small register: its lists and filters, opening a line, printing and
// saving the lists.
class TestReviewPage : public QObject
{
    Q_OBJECT

private:
    struct Page
    {
        DataFixture fx;
        ScriptedUi ui;
        std::unique_ptr<ReviewPage> page;

        Page()
        {
            if (!ReviewStore::fill(fx.data()))
                qFatal("the register could not be filled");
            page = std::make_unique<ReviewPage>(&fx.data(), ui);
            page->setToday(ReviewStore::today);
            page->pageShown();
        }
        QPushButton *button(const char *name) const
        {
            return page->findChild<QPushButton *>(QString::fromLatin1(name));
        }
        void showHeadCounts() const
        {
            auto *lists = page->findChild<QTabWidget *>(QStringLiteral("lists"));
            lists->setCurrentIndex(1);
        }
    };

    static QStringList column(QTableView *view, int column)
    {
        QStringList texts;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            texts << view->model()->index(row, column).data().toString();
        return texts;
    }
    static bool red(QTableView *view, int row)
    {
        return view->model()->index(row, 0).data(Qt::ForegroundRole).value<QBrush>().color() == Qt::red;
    }
    static void choose(QComboBox *box, const QString &text)
    {
        const int index = box->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        box->setCurrentIndex(index);
    }
    // Opens a line as the user does: makes it current, then Enter.
    static void open(QTableView *view, int row)
    {
        view->setFocus();
        view->setCurrentIndex(view->model()->index(row, 0));
        QTest::keyClick(view, Qt::Key_Return);
    }

private slots:
    void dueDatesAndFilters();
    void headCounts();
    void openingLines();
    void printAndSave();
    void csvThatCannotBeWritten();
    void longListReadAsItScrolls();
};

void TestReviewPage::dueDatesAndFilters()
{
    Page p;
    QTableView *view = p.page->dueDatesView();
    QCOMPARE(p.page->horizonChoice()->currentText(), QStringLiteral("90 jours"));
    QCOMPARE(column(view, 1), (QStringList { "DUPONT Jean", "PROJET A", "MARTIN Jean" }));
    QCOMPARE(column(view, 5), (QStringList { "-10", "20", "45" }));
    QCOMPARE(column(view, 4).first(), QStringLiteral("22/05/2026"));
    QVERIFY(red(view, 0));
    QVERIFY(!red(view, 1));
    auto *summary = p.page->findChild<QLabel *>(QStringLiteral("summary"));
    QTRY_COMPARE(summary->text(), QStringLiteral("3 échéances, dont 1 dépassée."));

    choose(p.page->horizonChoice(), QStringLiteral("180 jours"));
    QCOMPARE(column(view, 1).last(), QStringLiteral("GARCIA Jean"));
    choose(p.page->employerFilter(), ReviewStore::beta);
    QCOMPARE(view->model()->rowCount(), 0);
    QCOMPARE(p.page->projectFilter()->count(), 2);
    choose(p.page->employerFilter(), ReviewStore::alpha);
    QCOMPARE(view->model()->rowCount(), 4);
    choose(p.page->projectFilter(), QStringLiteral("PROJET A"));
    QCOMPARE(view->model()->rowCount(), 4);

    // Shown again, the page reads the tables again and keeps its filters.
    QVERIFY(DataFixture::add(p.fx.data().expatries(),
        { { QStringLiteral("Num_Ordre"), 6 }, { QStringLiteral("Nom"), QStringLiteral("NOUVEAU") },
            { QStringLiteral("Nom_orga"), ReviewStore::alpha },
            { QStringLiteral("Projet"), QStringLiteral("PROJET A") },
            { QStringLiteral("Date_fin_contrat"), ReviewStore::today.addDays(5) } }));
    p.page->pageShown();
    QCOMPARE(p.page->employerFilter()->currentText(), ReviewStore::alpha);
    QCOMPARE(view->model()->rowCount(), 5);
}

void TestReviewPage::headCounts()
{
    Page p;
    QTableView *posts = p.page->postsView();
    // Read once their list is shown.
    QCOMPARE(posts->model()->rowCount(), 0);
    p.showHeadCounts();
    QCOMPARE(column(posts, 2), (QStringList { "SOUDEUR", "INGENIEUR" }));
    QCOMPARE(column(posts, 5), (QStringList { "2", "1" }));
    QCOMPARE(column(posts, 6), (QStringList { "-1", "1" }));
    QVERIFY(red(posts, 0));
    QVERIFY(!red(posts, 1));
    QCOMPARE(column(p.page->unplacedView(), 1), (QStringList { "LOPEZ Jean", "PEREZ Jean" }));
    choose(p.page->employerFilter(), ReviewStore::beta);
    QCOMPARE(posts->model()->rowCount(), 0);
    QCOMPARE(column(p.page->unplacedView(), 4), QStringList { "MACON" });
    auto *summary = p.page->findChild<QLabel *>(QStringLiteral("summary"));
    QCOMPARE(
        summary->text(), QStringLiteral("0 poste, dont 0 au-delà de sa prévision ; 1 expatrié hors accord."));
}

void TestReviewPage::openingLines()
{
    Page p;
    QSignalSpy workers(p.page.get(), &ReviewPage::workerRequested);
    QSignalSpy employers(p.page.get(), &ReviewPage::employerRequested);
    open(p.page->dueDatesView(), 0);
    open(p.page->dueDatesView(), 1);
    p.showHeadCounts();
    open(p.page->postsView(), 1);
    open(p.page->unplacedView(), 1);
    QCOMPARE(workers.size(), 2);
    QCOMPARE(workers.at(0).at(0).toInt(), 1);
    QCOMPARE(workers.at(1).at(0).toInt(), 5);
    QCOMPARE(employers.size(), 2);
    QCOMPARE(employers.at(0).at(0).toString(), ReviewStore::alpha);
    QCOMPARE(employers.at(1).at(0).toString(), ReviewStore::alpha);
}

void TestReviewPage::printAndSave()
{
    Page p;
    QStringList red;
    int pages = 0;
    QStringList numbers; // what each page prints at its foot
    p.ui.onPreview = [&](ReportDocument &document) {
        pages = document.pageCount();
        numbers.clear();
        for (int i = 0; i < pages; ++i) {
            for (const PageItem &item : document.page(i)) {
                if (item.type == PageItem::Type::Text && item.rect.top() > ReportDocument::paperHeight - 20)
                    numbers << item.text;
            }
        }
        for (const PageItem &item : document.page(0)) {
            if (item.type == PageItem::Type::Text && item.colour == Qt::red)
                red << item.text;
        }
    };
    p.button("previewList")->click();
    QCOMPARE(p.ui.produced, QStringList { "Échéances" });
    QCOMPARE(pages, 1);
    QCOMPARE(red,
        (QStringList { "Passeport finissant avant le contrat", "DUPONT Jean", "ALPHA - PROJET A", "PROJET A",
            "22/05/2026", "-10" }));

    // The head counts: the posts, then the workers outside every agreement on a page of their own.
    p.showHeadCounts();
    red.clear();
    p.button("previewList")->click();
    QCOMPARE(pages, 2);
    QVERIFY(red.contains(QStringLiteral("SOUDEUR")));
    QCOMPARE(numbers, (QStringList { "1", "2" })); // one print, numbered on

    QTemporaryDir dir;
    p.ui.saveName = dir.filePath(QStringLiteral("effectifs.pdf"));
    p.button("savePdf")->click();
    QVERIFY(QFile::exists(p.ui.saveName));

    p.ui.saveName = dir.filePath(QStringLiteral("effectifs"));
    p.button("saveCsv")->click();
    QFile csv(dir.filePath(QStringLiteral("effectifs.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBFOrganisme;Projet;Poste;"));
    QVERIFY(bytes.contains("\r\nALPHA - PROJET A;PROJET A;SOUDEUR;3;1;2;-1\r\n"));
    QVERIFY(bytes.contains("\r\n\r\nN\xC2\xB0;Expatri\xC3\xA9;"));
    QCOMPARE(p.ui.suggestions.last(), QStringLiteral("Effectifs 2026-06-01.csv"));
    QVERIFY(p.ui.messages.last().contains(QStringLiteral("effectifs.csv")));
}

void TestReviewPage::csvThatCannotBeWritten()
{
    Page p;
    QTemporaryDir dir;
    p.ui.saveName = dir.filePath(QStringLiteral("absent/echeances.csv"));
    p.button("saveCsv")->click();
    QCOMPARE(p.ui.errors.size(), 1);
    QVERIFY(p.ui.errors.first().contains(QStringLiteral("echeances.csv")));
    QVERIFY(p.ui.messages.isEmpty());
}

// A long list holds its first lines, the others read as the view scrolls down; paper gets them all.
void TestReviewPage::longListReadAsItScrolls()
{
    Page p;
    for (int i = 0; i < 450; ++i) {
        QVERIFY(ReviewStore::addWorker(p.fx.data(), 1000 + i,
            QStringLiteral("N%1").arg(i, 3, 10, QLatin1Char('0')), ReviewStore::alpha,
            QStringLiteral("PROJET A"), QStringLiteral("SOUDEUR"),
            { { QStringLiteral("Date_fin_contrat"), ReviewStore::today.addDays(50) } }));
    }
    p.page->pageShown();
    QTableView *view = p.page->dueDatesView();
    QCOMPARE(view->model()->rowCount(), 200);
    auto *summary = p.page->findChild<QLabel *>(QStringLiteral("summary"));
    QTRY_COMPARE(summary->text(), QStringLiteral("453 échéances, dont 1 dépassée."));
    while (view->model()->canFetchMore({}))
        view->model()->fetchMore({});
    QCOMPARE(view->model()->rowCount(), 453);
    const QStringList names = column(view, 1);
    QCOMPARE(names.at(2), QStringLiteral("MARTIN Jean"));
    QCOMPARE(names.at(3), QStringLiteral("N000 Jean"));
    QCOMPARE(names.last(), QStringLiteral("N449 Jean"));
    int lines = 0;
    p.ui.onPreview = [&](ReportDocument &document) {
        for (int page = 0; page < document.pageCount(); ++page) {
            for (const PageItem &item : document.page(page))
                lines += item.type == PageItem::Type::Text && item.text == QStringLiteral("Fin de contrat");
        }
    };
    p.button("previewList")->click();
    QCOMPARE(lines, 450);
}

QTEST_MAIN(TestReviewPage)
#include "tst_reviewpage.moc"
