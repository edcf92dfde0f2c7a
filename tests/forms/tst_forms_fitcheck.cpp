// The values that would not fit their place on a form: squeezed too far before their neighbour,
// or cut in a fixed box that does not grow.

#include "forms/fitcheck.h"
#include "forms/memorydatasource.h"
#include "forms/textmeasurer.h"

#include <QTest>

class TestFormsFitCheck : public QObject
{
    Q_OBJECT

private slots:
    void misfits_data();
    void misfits();
};

namespace {

ReportElement field(const QString &name, double left, double width, bool fixedBox = false, bool grows = false)
{
    ReportElement e;
    e.kind = ReportElement::Kind::Field;
    e.content = name;
    e.top = 20.0;
    e.left = left;
    e.width = width;
    e.height = fixedBox ? 5.0 : 0.0;
    e.fixedBox = fixedBox;
    e.growsDownward = grows;
    e.font = ElementFont(10, false, false, false, ElementFont::Family::TimesNewRoman);
    return e;
}

} // namespace

void TestFormsFitCheck::misfits_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("expected"); // "field:cut" or "field:squeezed"
    const QString longText = QString(60, QLatin1Char('M'));
    QTest::newRow("short values fit") << QStringLiteral("DUPONT") << QStringList();
    // Nom runs into Prenom 40 mm further; the box of Adresse loses lines; Note grows and keeps them.
    QTest::newRow("long values") << longText << QStringList { "Nom:squeezed", "Adresse:cut" };
}

void TestFormsFitCheck::misfits()
{
    QFETCH(QString, value);
    QFETCH(QStringList, expected);
    ReportLayout layout;
    layout.pageLayer = { field(QStringLiteral("Nom"), 20.0, 30.0),
        field(QStringLiteral("Prenom"), 60.0, 30.0), field(QStringLiteral("Adresse"), 20.0, 40.0, true),
        field(QStringLiteral("Note"), 120.0, 40.0, true, true) };
    layout.pageLayer[2].top = 40.0;
    layout.pageLayer[3].top = 40.0;
    MemoryDataSource source(
        { { { QStringLiteral("Nom"), value }, { QStringLiteral("Prenom"), QStringLiteral("JEAN") },
            { QStringLiteral("Adresse"), value + QLatin1Char(' ') + value },
            { QStringLiteral("Note"), value } } });
    TextMeasurer measurer;
    QStringList found;
    for (const FitCheck::Misfit &m : FitCheck::misfits(layout, &source, measurer)) {
        found << m.field + (m.cut ? QStringLiteral(":cut") : QStringLiteral(":squeezed"));
        if (!m.cut)
            QVERIFY(m.scale < FitCheck::minimumScale);
    }
    QCOMPARE(found, expected);
}

QTEST_MAIN(TestFormsFitCheck)
#include "tst_forms_fitcheck.moc"
