#include "datafixture.h"
#include "scriptedui.h"

#include "agreements/agreementprintwindow.h"
#include "data/table.h"
#include "printing/agreementexport.h"
#include "widgets/projectlist.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

// Form AP n°1 from its print window, and without a window.
class TestAgreementPrint : public QObject
{
    Q_OBJECT

private:
    static void seed(DataFixture &fx, int posts, const QString &longText = {})
    {
        QVERIFY(DataFixture::add(fx.data().contact(),
            { { QStringLiteral("nom_orga"), QStringLiteral("A") },
                { QStringLiteral("Projet"), QStringLiteral("PONT") } }));
        QVERIFY(DataFixture::add(fx.data().contact(),
            { { QStringLiteral("nom_orga"), QStringLiteral("B") },
                { QStringLiteral("Projet"), QStringLiteral("ROUTE D'OR") } }));
        for (int n = 1; n <= posts; ++n)
            QVERIFY(DataFixture::add(fx.data().accord(),
                { { QStringLiteral("Num"), n }, { QStringLiteral("nom_orga"), QStringLiteral("B") },
                    { QStringLiteral("Projet"), QStringLiteral("ROUTE D'OR") },
                    { QStringLiteral("poste"),
                        longText.isEmpty() ? QStringLiteral("SOUDEUR %1").arg(n) : longText },
                    { QStringLiteral("Algériens"), n }, { QStringLiteral("étrangers"), 1 } }));
    }

    static QPushButton *button(AgreementPrintWindow &window, const char *name)
    {
        return window.findChild<QPushButton *>(QString::fromLatin1(name));
    }

    // "Exécuter", clicked as the user does.
    static void run(AgreementPrintWindow &window)
    {
        QPushButton *run = button(window, "BitBtn1");
        QVERIFY(run && run->isEnabled());
        run->click();
    }

private slots:
    void runCases();
    void pagesOfTheForm_data();
    void pagesOfTheForm();
    void exportWithoutWindow();
};

void TestAgreementPrint::runCases()
{
    DataFixture fx;
    seed(fx, 2);
    ScriptedUi ui;
    AgreementPrintWindow window(&fx.data(), ui);
    // No project chosen.
    window.projects()->setCurrentIndex(-1);
    run(window);
    QCOMPARE(ui.messages, QStringList { "Aucun projet selectionné !" });
    // A project without post.
    window.projects()->setCurrentIndex(window.projects()->findText(QStringLiteral("PONT")));
    window.formBox()->setChecked(true);
    run(window);
    QCOMPARE(ui.messages.last(), QStringLiteral("Aucun poste de travail enregistrer !"));
    QCOMPARE(ui.previews, 0);
    // Posts but the box cleared: nothing.
    ui.messages.clear();
    window.projects()->setCurrentIndex(window.projects()->findText(QStringLiteral("ROUTE D'OR")));
    window.formBox()->setChecked(false);
    run(window);
    QVERIFY(ui.messages.isEmpty() && ui.errors.isEmpty());
    QCOMPARE(ui.previews, 0);
    window.formBox()->setChecked(true);
    run(window);
    QCOMPARE(ui.previews, 1);
    QVERIFY(!window.formBox()->isChecked());
    run(window);
    QCOMPARE(ui.previews, 1);
    // The agreement page's table is neither narrowed nor moved by the print.
    QVERIFY(!fx.data().accord()->isFiltered());
    QCOMPARE(fx.data().accord()->rowCount(), 2);
    button(window, "BitBtn2")->click(); // Fermer
    QVERIFY(!window.isVisible());
}

void TestAgreementPrint::pagesOfTheForm_data()
{
    QTest::addColumn<int>("posts");
    QTest::addColumn<QString>("longText");
    QTest::addColumn<int>("pages");
    QTest::newRow("two posts") << 2 << QString() << 1;
    QTest::newRow("thirty posts") << 30 << QString() << 2;
    QTest::newRow("wrapping posts push the rows")
        << 20
        << QStringLiteral("CONDUCTEUR D'ENGINS DE TRAVAUX PUBLICS ET DE LEVAGE LOURD, CATEGORIE C, "
                          "AVEC HABILITATION")
        << 2;
}

void TestAgreementPrint::pagesOfTheForm()
{
    QFETCH(int, posts);
    QFETCH(QString, longText);
    QFETCH(int, pages);
    DataFixture fx;
    seed(fx, posts, longText);
    ScriptedUi ui;
    int pageCount = 0;
    ui.onPreview = [&](ReportDocument &document) { pageCount = document.pageCount(); };
    AgreementPrintWindow window(&fx.data(), ui);
    window.projects()->setCurrentIndex(window.projects()->findText(QStringLiteral("ROUTE D'OR")));
    window.formBox()->setChecked(true);
    run(window);
    QCOMPARE(pageCount, pages);
}

void TestAgreementPrint::exportWithoutWindow()
{
    QTemporaryDir out;
    DataFixture fx;
    seed(fx, 3);
    QString errors;
    QTextStream stream(&errors);
    {
        DataModule data;
        QCOMPARE(AgreementExport::run(data, fx.base(), QStringLiteral("PONT"), out.path(), stream), 2);
    }
    QCOMPARE(errors,
        QStringLiteral("velmora: aucun poste de travail pour le projet « PONT » (formulaire AP n° 1)\n"));
    DataModule data;
    QCOMPARE(AgreementExport::run(data, fx.base(), QStringLiteral("ROUTE D'OR"), out.path(), stream), 0);
    QVERIFY(QFile::exists(QDir(out.path()).filePath(QStringLiteral("AP01.pdf"))));
}

QTEST_MAIN(TestAgreementPrint)
#include "tst_agreementprint.moc"
