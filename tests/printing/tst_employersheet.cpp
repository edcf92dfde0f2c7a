#include "datafixture.h"
#include "scriptedui.h"

#include "app/appwindows.h"
#include "app/mainwindow.h"
#include "data/query.h"
#include "data/table.h"
#include "employer/employerform.h"
#include "employer/employerpage.h"
#include "printing/employersheet.h"
#include "printing/sheetexport.h"
#include "widgets/fieldedit.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

// The employer identification sheet: its query, both entry points, the activation that follows the
// preview, and the export without a window.
class TestEmployerSheet : public QObject
{
    Q_OBJECT

private:
    static void seed(const QString &base, const QStringList &names)
    {
        DataModule data;
        QVERIFY(Activation::run(data, base).ok);
        for (const QString &name : names) {
            QVERIFY(DataFixture::add(data.employeur(),
                { { QStringLiteral("Nom_orga"), name },
                    { QStringLiteral("Adrs_orga"), QStringLiteral("ALGER") } }));
            QVERIFY(DataFixture::add(data.contact(),
                { { QStringLiteral("nom_orga"), name },
                    { QStringLiteral("Projet"), QStringLiteral("PROJET ") + name } }));
        }
    }

    // IMPRIMER of the employer page, clicked as the user does.
    static void clickPrint(MainWindow &w)
    {
        auto *print = w.employerPage()->findChild<QPushButton *>(QStringLiteral("BitBtn5"));
        QVERIFY(print && print->isEnabled());
        print->click();
    }

private slots:
    void queryBindsTheName_data();
    void queryBindsTheName();
    void emptyTableFromBothEntryPoints();
    void bothEntryPointsPreviewTheSameSheetThenReactivate();
    void exportWithoutWindow();
};

void TestEmployerSheet::queryBindsTheName_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "SARL ALPHA";
    QTest::newRow("apostrophe") << "L'ALPHA' OR '1'='1";
}

void TestEmployerSheet::queryBindsTheName()
{
    QFETCH(QString, name);
    DataFixture fx;
    seed(fx.base(), { name, QStringLiteral("AUTRE") });
    QVERIFY(fx.activate().ok);
    EmployerSheet sheet(fx.data());
    QVERIFY2(sheet.prepare(name), qPrintable(sheet.lastError()));
    QCOMPARE(sheet.rows().size(), 1);
    const RowRecord &row = sheet.rows().first();
    QCOMPARE(row.text(QStringLiteral("Nom_orga")), name);
    QCOMPARE(row.text(QStringLiteral("nom_orga_1")), name);
    QCOMPARE(row.text(QStringLiteral("Projet_1")), QStringLiteral("PROJET ") + name);
    QVERIFY(sheet.exists(name));
    QVERIFY(!sheet.exists(QStringLiteral("INCONNU")));
}

void TestEmployerSheet::emptyTableFromBothEntryPoints()
{
    QTemporaryDir base;
    ScriptedUi ui;
    MainWindow w(base.path(), ui);
    AppWindows windows(&w);
    w.attachWindows(&windows);
    QVERIFY(w.activate());
    // IMPRIMER is off on an empty table; turned on, it says so as the list's pop-up item does.
    QPushButton *print = w.employerPage()->findChild<QPushButton *>(QStringLiteral("BitBtn5"));
    QVERIFY(!print->isEnabled());
    print->setEnabled(true);
    print->click();
    w.findChild<QAction *>(QStringLiteral("Fichedidentification1"))->trigger();
    QCOMPARE(ui.messages, (QStringList { "Aucun employeur enregistrer !", "Aucun employeur enregistrer !" }));
    QCOMPARE(ui.previews, 0);
    QCOMPARE(w.activationCount(), 1);
}

void TestEmployerSheet::bothEntryPointsPreviewTheSameSheetThenReactivate()
{
    QTemporaryDir base;
    seed(base.path(), { QStringLiteral("A"), QStringLiteral("B") });
    ScriptedUi ui;
    MainWindow w(base.path(), ui);
    AppWindows windows(&w);
    w.attachWindows(&windows);
    QVERIFY(w.activate());
    Table *employers = w.data()->employeur();
    QVERIFY(employers->last());
    QList<QImage> pages;
    ui.onPreview = [&](ReportDocument &document) {
        QVERIFY(document.pageCount() >= 1);
        pages << document.pageImage(0, 40);
    };
    clickPrint(w);
    QVERIFY(employers->last());
    w.findChild<QAction *>(QStringLiteral("Fichedidentification1"))->trigger();
    QCOMPARE(ui.previews, 2);
    QCOMPARE(pages.first(), pages.last());
    QCOMPARE(w.activationCount(), 3);
    // Closing the preview ran the activation again: an entry in progress is dropped, the list is
    // back on its first row.
    QVERIFY(employers->last());
    w.employerPage()->findChild<QPushButton *>("BitBtn3")->click();
    w.employerPage()->form()->nameEdit()->setText(QStringLiteral("B MODIFIE"));
    // IMPRIMER is off while the entry is open; the list's pop-up item is still offered.
    QVERIFY(!w.employerPage()->findChild<QPushButton *>(QStringLiteral("BitBtn5"))->isEnabled());
    w.findChild<QAction *>(QStringLiteral("Fichedidentification1"))->trigger();
    QVERIFY(!employers->isEditing());
    QCOMPARE(employers->position(), 0);
    QCOMPARE(employers->text(QStringLiteral("Nom_orga")), QStringLiteral("A"));
    QCOMPARE(employers->rowCount(), 2);
}

void TestEmployerSheet::exportWithoutWindow()
{
    QTemporaryDir base, out;
    seed(base.path(), { QStringLiteral("SARL ALPHA") });
    QString errors;
    QTextStream stream(&errors);
    {
        DataModule data;
        QCOMPARE(SheetExport::run(data, base.path(), QStringLiteral("INCONNU"), out.path(), stream), 2);
    }
    QCOMPARE(errors, QStringLiteral("velmora: aucun employeur « INCONNU »\n"));
    DataModule data;
    QCOMPARE(SheetExport::run(data, base.path(), QStringLiteral("SARL ALPHA"), out.path(), stream), 0);
    const QString sheet = QDir(out.path()).filePath(QStringLiteral("Fiche.pdf"));
    QVERIFY(QFile::exists(sheet));
    // Titled for people, the employer its author.
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty(),
        "pdfinfo (poppler-utils) is needed to read the PDF file's properties");
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), { QStringLiteral("-meta"), sheet });
    QVERIFY(info.waitForFinished());
    const QString said = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(said.contains(QStringLiteral("Fiche d'identification de l'employeur — SARL ALPHA</rdf:li>")),
        qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("<rdf:li>SARL ALPHA</rdf:li>")), qPrintable(said));
}

QTEST_MAIN(TestEmployerSheet)
#include "tst_employersheet.moc"
