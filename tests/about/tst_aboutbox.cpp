#include "scriptedui.h"

#include "about/aboutbox.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTest>

// The about box: the texts from the version information, set again each time it is shown.
class TestAboutBox : public QObject
{
    Q_OBJECT

private:
    static QStringList texts(AboutBox &box)
    {
        QStringList out;
        for (const char *name : { "description", "Version", "Comment", "Copyright", "Organisation" })
            out << box.text(QString::fromLatin1(name))->text();
        return out;
    }

private slots:
    void textsFromVersionInformation();
    void withoutVersionInformation();
    void linksOpenTheWebSite();
};

void TestAboutBox::textsFromVersionInformation()
{
    ScriptedUi ui;
    AboutBox box(ui);
    const QStringList expected { "Développeur: VELMORA", "Version: 2.0.0.0",
        "Version: 2.0.0.0 Dossiers d'emploi des travailleurs étrangers", "Copyright: © 2026 CORVANE",
        "CORVANE" };
    for (int shown = 0; shown < 2; ++shown) {
        box.show();
        QCOMPARE(texts(box), expected);
        box.hide();
    }
    const auto info = VersionInfo::ofProgram();
    QVERIFY(info);
    const auto french = info->value(QStringLiteral("040C04E4"));
    QCOMPARE(french.value("CompanyName"), QStringLiteral("CORVANE"));
    QCOMPARE(french.value("ProductVersion"), QStringLiteral("2.0.0.0"));
    QCOMPARE(french.value("OriginalFilename"), QStringLiteral("VELMORA"));
}

void TestAboutBox::withoutVersionInformation()
{
    ScriptedUi ui;
    AboutBox box(ui, nullptr, [] { return std::optional<VersionInfo::Blocks>(); });
    for (int shown = 0; shown < 2; ++shown) {
        box.show();
        QCOMPARE(texts(box), QStringList(5, QStringLiteral(".....")));
        box.hide();
    }
}

void TestAboutBox::linksOpenTheWebSite()
{
    ScriptedUi ui;
    AboutBox box(ui);
    box.show();
    QCOMPARE(box.links().size(), 5);
    for (QLabel *link : box.links())
        QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(ui.urls, QStringList(5, AboutBox::webAddress()));
    QVERIFY(AboutBox::webAddress().contains(QStringLiteral("example.org")));
    QVERIFY(box.isVisible());
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
