#include "scriptedui.h"

#include "forms/formcatalogue.h"
#include "forms/memorydatasource.h"
#include "printing/documentprinter.h"
#include "printing/previewwindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// The preview window: pages, paging, zoom, saving as PDF; and printing without a printer.
class TestPreview : public QObject
{
    Q_OBJECT

private:
    static ReportDocument annexe01()
    {
        MemoryDataSource source({ { { QStringLiteral("Nom_orga"), QStringLiteral("SARL ALPHA") } } });
        ReportDocument document = FormCatalogue::document(QStringLiteral("anx_01"), &source);
        document.append(FormCatalogue::document(QStringLiteral("anx_01_02"), &source));
        document.setTitle(QStringLiteral("anx_01"));
        return document;
    }

    // A tool button by object name; its caption is checked by toolButtons().
    static QPushButton *button(QWidget &w, const char *name)
    {
        auto *b = w.findChild<QPushButton *>(QString::fromLatin1(name));
        if (!b)
            qFatal("no button %s", name);
        return b;
    }

private slots:
    void toolButtons_data();
    void toolButtons();
    void paging_data();
    void paging();
    void pagingAndZoom();
    void saveAsPdf_data();
    void saveAsPdf();
    void printWithoutPrinterSaysSo();
};

void TestPreview::toolButtons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("first") << "firstPage"
                           << "Première";
    QTest::newRow("previous") << "previousPage"
                              << "Précédente";
    QTest::newRow("next") << "nextPage"
                          << "Suivante";
    QTest::newRow("last") << "lastPage"
                          << "Dernière";
    QTest::newRow("zoom in") << "zoomIn"
                             << "Zoom +";
    QTest::newRow("zoom out") << "zoomOut"
                              << "Zoom -";
    QTest::newRow("print") << "printDocument"
                           << "Imprimer";
    QTest::newRow("save") << "savePdf"
                          << "Enregistrer en PDF…";
    QTest::newRow("close") << "closePreview"
                           << "Fermer";
}

void TestPreview::toolButtons()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    const ReportDocument document = annexe01();
    ScriptedUi ui;
    PreviewWindow window(document, ui);
    QPushButton *b = button(window, qPrintable(name));
    QCOMPARE(b->text(), caption);
    QCOMPARE(b->accessibleName(), caption);
    QVERIFY(!b->autoDefault());
}

// Clicks from the first page, each kept within the document.
void TestPreview::paging_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("page");
    QTest::newRow("last") << QStringList { "lastPage" } << 1;
    QTest::newRow("last then previous") << QStringList { "lastPage", "previousPage" } << 0;
    QTest::newRow("previous on the first") << QStringList { "previousPage" } << 0;
    QTest::newRow("next past the last") << QStringList { "nextPage", "nextPage", "nextPage" } << 1;
    QTest::newRow("last then first") << QStringList { "lastPage", "firstPage" } << 0;
}

void TestPreview::paging()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, page);
    const ReportDocument document = annexe01();
    ScriptedUi ui;
    PreviewWindow window(document, ui);
    for (const QString &name : clicks)
        button(window, qPrintable(name))->click();
    QCOMPARE(window.currentPage(), page);
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("PagePosition"))->text(),
        QStringLiteral("Page %1 / 2").arg(page + 1));
}

void TestPreview::pagingAndZoom()
{
    const ReportDocument document = annexe01();
    QCOMPARE(document.pageCount(), 2);
    ScriptedUi ui;
    PreviewWindow window(document, ui);
    auto *position = window.findChild<QLabel *>(QStringLiteral("PagePosition"));
    QCOMPARE(position->text(), QStringLiteral("Page 1 / 2"));
    button(window, "nextPage")->click();
    QCOMPARE(position->text(), QStringLiteral("Page 2 / 2"));
    button(window, "nextPage")->click();
    QCOMPARE(window.currentPage(), 1);
    button(window, "firstPage")->click();
    QCOMPARE(window.currentPage(), 0);
    auto *page = window.findChild<QLabel *>(QStringLiteral("Page1"));
    const int width = page->pixmap().width();
    button(window, "zoomIn")->click();
    QVERIFY(page->pixmap().width() > width);
    button(window, "zoomOut")->click();
    QCOMPARE(page->pixmap().width(), width);
    QVERIFY(window.findChild<QLabel *>(QStringLiteral("Page2")));
}

void TestPreview::saveAsPdf_data()
{
    QTest::addColumn<bool>("writable");
    QTest::newRow("written") << true;
    QTest::newRow("place cannot be written") << false;
}

void TestPreview::saveAsPdf()
{
    QFETCH(bool, writable);
    QTemporaryDir dir;
    ScriptedUi ui;
    ui.saveName = writable ? QDir(dir.path()).filePath(QStringLiteral("annexe.pdf"))
                           : QDir(dir.path()).filePath(QStringLiteral("absent/annexe.pdf"));
    const ReportDocument document = annexe01();
    PreviewWindow window(document, ui);
    button(window, "savePdf")->click();
    QCOMPARE(QFile::exists(ui.saveName), writable);
    QCOMPARE(ui.errors.size(), writable ? 0 : 1);
    if (writable) {
        QFile pdf(ui.saveName);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
    } else {
        QVERIFY(ui.errors.first().contains(ui.saveName));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }
}

void TestPreview::printWithoutPrinterSaysSo()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a printer");
    QString error;
    QVERIFY(!DocumentPrinter::print(annexe01(), &error));
    QVERIFY(error.contains(QStringLiteral("Aucune imprimante")));
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
