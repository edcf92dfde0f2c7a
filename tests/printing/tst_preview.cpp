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

    static QPushButton *button(QWidget &w, const QString &text)
    {
        for (QPushButton *b : w.findChildren<QPushButton *>()) {
            if (b->text() == text)
                return b;
        }
        return nullptr;
    }

private slots:
    void pagingAndZoom();
    void saveAsPdf_data();
    void saveAsPdf();
    void printWithoutPrinterSaysSo();
};

void TestPreview::pagingAndZoom()
{
    const ReportDocument document = annexe01();
    QCOMPARE(document.pageCount(), 2);
    ScriptedUi ui;
    PreviewWindow window(document, ui);
    auto *position = window.findChild<QLabel *>(QStringLiteral("PagePosition"));
    QCOMPARE(position->text(), QStringLiteral("Page 1 / 2"));
    button(window, QStringLiteral("Suivante"))->click();
    QCOMPARE(position->text(), QStringLiteral("Page 2 / 2"));
    button(window, QStringLiteral("Suivante"))->click();
    QCOMPARE(window.currentPage(), 1);
    button(window, QStringLiteral("Première"))->click();
    QCOMPARE(window.currentPage(), 0);
    auto *page = window.findChild<QLabel *>(QStringLiteral("Page1"));
    const int width = page->pixmap().width();
    button(window, QStringLiteral("Zoom +"))->click();
    QVERIFY(page->pixmap().width() > width);
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
    button(window, QStringLiteral("Enregistrer en PDF…"))->click();
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
