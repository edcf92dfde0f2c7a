// The report engine on a recording device: where each kind of element lands, how texts size,
// wrap and grow, how bands break across pages, and in which order things are drawn.

#include "paintrecorder_fixture.h"

#include "forms/elementfont.h"
#include "forms/formfonts.h"
#include "forms/layoutbuilder.h"
#include "forms/memorydatasource.h"
#include "forms/reportdocument.h"
#include "forms/reportrenderer.h"
#include "forms/textmeasurer.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPainter>
#include <QTest>

namespace {

using Operation = PaintRecorder::Operation;

QList<ReportElement> elements(std::initializer_list<LayoutRow> rows)
{
    LayoutBuilder builder;
    builder.add(rows);
    if (!builder.problems().isEmpty())
        qWarning("%s", qPrintable(builder.problems().join(QLatin1Char('\n'))));
    return builder.elements();
}

ReportLayout pageLayout(std::initializer_list<LayoutRow> rows)
{
    ReportLayout layout;
    layout.pageLayer = elements(rows);
    return layout;
}

QList<Operation> record(const ReportDocument &document, int page, PaintRecorder &device)
{
    device.clear();
    QPainter painter(&device);
    document.drawPage(painter, page);
    painter.end();
    return device.operations();
}

QList<Operation> texts(const QList<Operation> &operations)
{
    QList<Operation> result;
    for (const Operation &operation : operations) {
        if (operation.type == Operation::Type::Text)
            result.append(operation);
    }
    return result;
}

QStringList textsOf(const QList<Operation> &operations)
{
    QStringList result;
    for (const Operation &operation : texts(operations))
        result.append(operation.text);
    return result;
}

double ascentMm(const QString &fontText)
{
    ElementFont font;
    ElementFont::parse(fontText, &font);
    return TextMeasurer().ascent(font);
}

double lineHeightMm(const QString &fontText)
{
    ElementFont font;
    ElementFont::parse(fontText, &font);
    return TextMeasurer().lineHeight(font);
}

// Where the top of the text's first line lies, in millimetres.
double textTopMm(const Operation &text, PaintRecorder &device)
{
    return device.toMillimetres(text.position.y()) - ascentMm(QStringLiteral("12"));
}

} // namespace

class TestFormsRenderer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fontNotation_data();
    void fontNotation();
    void rowNotes_data();
    void rowNotes();
    void autoSizePlacement_data();
    void autoSizePlacement();
    void lineBreaksAreNotWrapped();
    void fixedBox_data();
    void fixedBox();
    void wordWiderThanBoxIsCut();
    void growingBoxStretchesItsBand();
    void fieldValues_data();
    void fieldValues();
    void printTimeLabels_data();
    void printTimeLabels();
    void bandsBreakAcrossPages();
    void sourceWithoutRecords();
    void recordsStackAndPageLayerShowsLastOne();
    void pageLayerBelowBottomMargin();
    void shapesBeforeTextsAndBackgrounds();
    void backgroundsNeverHideTexts();
    void linesKeepToTheirRoom_data();
    void linesKeepToTheirRoom();
    void lineShapesRunThroughTheMiddle();
    void sameLayoutOnAnyResolution();
    void pdfFailureLeavesNoFile();
};

void TestFormsRenderer::initTestCase()
{
    installFormFonts();
}

void TestFormsRenderer::fontNotation_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("size");
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("arial");

    QTest::newRow("regular") << "12" << true << 12.0 << "" << false;
    QTest::newRow("bold underlined") << "16 BU" << true << 16.0 << "BU" << false;
    QTest::newRow("italic") << "18 I" << true << 18.0 << "I" << false;
    QTest::newRow("arial bold") << "12 B Arial" << true << 12.0 << "B" << true;
    QTest::newRow("arial regular") << "10 Arial" << true << 10.0 << "" << true;
    QTest::newRow("unknown style") << "12 X" << false << 0.0 << "" << false;
    QTest::newRow("doubled style") << "12 BB" << false << 0.0 << "" << false;
    QTest::newRow("no size") << "B" << false << 0.0 << "" << false;
    QTest::newRow("family first") << "12 Arial B" << false << 0.0 << "" << false;
}

void TestFormsRenderer::fontNotation()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    ElementFont font;
    QCOMPARE(ElementFont::parse(text, &font), valid);
    if (!valid)
        return;
    QFETCH(double, size);
    QFETCH(QString, style);
    QFETCH(bool, arial);
    QCOMPARE(font.pointSize(), size);
    QCOMPARE(font.bold(), style.contains(QLatin1Char('B')));
    QCOMPARE(font.underline(), style.contains(QLatin1Char('U')));
    QCOMPARE(font.italic(), style.contains(QLatin1Char('I')));
    QCOMPARE(font.family() == ElementFont::Family::Arial, arial);
    QCOMPARE(font.toString(), text);
    const QFont qfont = font.toQFont(false);
    QCOMPARE(qfont.pointSizeF(), size);
    QCOMPARE(qfont.bold(), font.bold());
    QCOMPARE(qfont.underline(), font.underline());
    QCOMPARE(qfont.italic(), font.italic());
}

void TestFormsRenderer::rowNotes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<bool>("valid");

    QTest::newRow("plain text") << "text"
                                << "Nom :"
                                << "" << true;
    QTest::newRow("every text note")
        << "field"
        << "poste"
        << "centred, fixed box, height 8.7, wraps, grows downward, light grey background, red text" << true;
    QTest::newRow("label") << "text"
                           << "..."
                           << "label QRLabel7" << true;
    QTest::newRow("box") << "box"
                         << "filled silver"
                         << "height 15.1" << true;
    QTest::newRow("line") << "vertical line"
                          << ""
                          << "height 27.5" << true;
    QTest::newRow("bullet") << "bullet (2 tabs)"
                            << "Un engagement."
                            << "" << true;
    QTest::newRow("unknown kind") << "image"
                                  << "x"
                                  << "" << false;
    QTest::newRow("unknown note") << "text"
                                  << "x"
                                  << "bold" << false;
    QTest::newRow("wraps without box") << "text"
                                       << "x"
                                       << "wraps" << false;
    QTest::newRow("box without height") << "box"
                                        << "filled white"
                                        << "" << false;
    QTest::newRow("fixed box without height") << "text"
                                              << "x"
                                              << "fixed box" << false;
    QTest::newRow("unknown fill") << "box"
                                  << "filled pink"
                                  << "height 2" << false;
    QTest::newRow("unnamed field") << "field"
                                   << ""
                                   << "" << false;
}

void TestFormsRenderer::rowNotes()
{
    QFETCH(QString, kind);
    QFETCH(QString, content);
    QFETCH(QString, notes);
    QFETCH(bool, valid);
    const QByteArray kindText = kind.toUtf8();
    const QByteArray contentText = content.toUtf8();
    const QByteArray notesText = notes.toUtf8();
    ReportElement element;
    QString problem;
    QCOMPARE(LayoutBuilder::read({ 1.0, 2.0, 3.0, kindText.constData(), contentText.constData(), "12",
                                     notesText.constData() },
                 &element, &problem),
        valid);
    QCOMPARE(problem.isEmpty(), valid);
    if (!valid)
        return;
    if (QTest::currentDataTag() == QByteArray("every text note")) {
        QVERIFY(element.centred && element.fixedBox && element.growsDownward);
        QCOMPARE(element.height, 8.7);
        QCOMPARE(element.shade, ReportElement::Shade::LightGrey);
        QCOMPARE(element.ink, ReportElement::Ink::Red);
    }
    if (kind == QLatin1String("bullet (2 tabs)"))
        QCOMPARE(element.caption(), QStringLiteral("o\t\t Un engagement."));
    if (kind == QLatin1String("text") && notes.startsWith(QLatin1String("label")))
        QCOMPARE(element.name, QStringLiteral("QRLabel7"));
}

void TestFormsRenderer::autoSizePlacement_data()
{
    QTest::addColumn<bool>("inBand");
    QTest::addColumn<bool>("centred");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("top");

    QTest::newRow("page layer, left") << false << false << "Nom et Prénom :" << 12.7 << 27.8 << 125.7;
    QTest::newRow("page layer, centred") << false << true << "Photo" << 150.0 << 40.0 << 60.0;
    QTest::newRow("band, left") << true << false << "Tél :" << 2.1 << 7.0 << 29.6;
    QTest::newRow("band, centred short value") << true << true << "SARL" << 87.8 << 15.3 << 1.6;
    QTest::newRow("band, centred long value")
        << true << true << "ENTREPRISE NATIONALE DES GRANDS TRAVAUX PETROLIERS" << 87.8 << 15.3 << 1.6;
}

void TestFormsRenderer::autoSizePlacement()
{
    QFETCH(bool, inBand);
    QFETCH(bool, centred);
    QFETCH(QString, text);
    QFETCH(double, left);
    QFETCH(double, width);
    QFETCH(double, top);

    const QByteArray content = text.toUtf8();
    const QList<ReportElement> placed
        = elements({ { top, left, width, "text", content.constData(), "12", centred ? "centred" : "" } });
    ReportLayout layout;
    if (inBand)
        layout.subDetail = ReportBand { 40.2, placed };
    else
        layout.pageLayer = placed;

    PaintRecorder device(300);
    const QList<Operation> drawn = texts(record(ReportRenderer::render(layout, nullptr), 0, device));
    QCOMPARE(drawn.size(), 1);
    QCOMPARE(drawn.first().text, text);
    const double origin = inBand ? 10.0 : 0.0;
    const double x = device.toMillimetres(drawn.first().position.x());
    const double drawnWidth = device.toMillimetres(drawn.first().textWidth);
    if (centred)
        QVERIFY2(
            qAbs(x + drawnWidth / 2 - (origin + left + width / 2)) < 0.05, qPrintable(QString::number(x)));
    else
        QVERIFY2(qAbs(x - (origin + left)) < 0.05, qPrintable(QString::number(x)));
    QVERIFY(qAbs(textTopMm(drawn.first(), device) - (origin + top)) < 0.05);
}

void TestFormsRenderer::lineBreaksAreNotWrapped()
{
    // An auto-size text keeps each of its lines whole, however narrow its design box.
    const ReportLayout layout = pageLayout({ { 50.0, 20.0, 5.0, "field", "memo", "12", "" } });
    MemoryDataSource source(
        { { { QStringLiteral("memo"), QStringLiteral("first line of the memo\r\nsecond line") } } });
    PaintRecorder device(300);
    const QList<Operation> drawn = texts(record(ReportRenderer::render(layout, &source), 0, device));
    QCOMPARE(textsOf(drawn),
        QStringList({ QStringLiteral("first line of the memo"), QStringLiteral("second line") }));
    const double step = device.toMillimetres(drawn.at(1).position.y() - drawn.at(0).position.y());
    QVERIFY(qAbs(step - lineHeightMm(QStringLiteral("12"))) < 0.05);
    QCOMPARE(drawn.at(0).position.x(), drawn.at(1).position.x());
}

void TestFormsRenderer::fixedBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("grows");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("fits on one line")
        << "Main d'oeuvre" << 40.0 << 12.2 << false << QStringList { "Main d'oeuvre" };
    QTest::newRow("wraps at blanks") << "Main d'oeuvre étrangère" << 15.6 << 12.2 << true
                                     << QStringList { "Main", "d'oeuvre", "étrangère" };
    QTest::newRow("lines beyond the box are dropped")
        << "Main d'oeuvre étrangère" << 15.6 << 9.0 << false << QStringList { "Main", "d'oeuvre" };
    QTest::newRow("growing box shows every line")
        << "one two three four five six" << 7.0 << 4.3 << true
        << QStringList { "one", "two", "three", "four", "five", "six" };
    QTest::newRow("line breaks kept") << "ab\ncd" << 40.0 << 12.2 << false << QStringList { "ab", "cd" };
}

void TestFormsRenderer::fixedBox()
{
    QFETCH(QString, text);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(bool, grows);
    QFETCH(QStringList, lines);

    const QByteArray notes = QStringLiteral("fixed box, height %1, wraps%2")
                                 .arg(height)
                                 .arg(grows ? QStringLiteral(", grows downward") : QString())
                                 .toUtf8();
    const ReportLayout layout
        = pageLayout({ { 100.0, 30.0, width, "field", "text", "8", notes.constData() } });
    MemoryDataSource source({ { { QStringLiteral("TEXT"), text } } });
    PaintRecorder device(600);
    const QList<Operation> drawn = texts(record(ReportRenderer::render(layout, &source), 0, device));
    QCOMPARE(textsOf(drawn), lines);
    for (int i = 0; i < drawn.size(); ++i) {
        const Operation &line = drawn.at(i);
        QVERIFY(qAbs(device.toMillimetres(line.position.x()) - 30.0) < 0.01);
        QVERIFY(device.toMillimetres(line.position.x() + line.textWidth) <= 30.0 + width + 0.01);
        const double top = device.toMillimetres(line.position.y()) - ascentMm(QStringLiteral("8"));
        QVERIFY(qAbs(top - (100.0 + i * lineHeightMm(QStringLiteral("8")))) < 0.01);
    }
}

void TestFormsRenderer::wordWiderThanBoxIsCut()
{
    const ReportLayout layout
        = pageLayout({ { 100.0, 30.0, 6.0, "field", "text", "12", "fixed box, height 8.7" } });
    MemoryDataSource source({ { { QStringLiteral("text"), QStringLiteral("INGENIEUR") } } });
    PaintRecorder device(600);
    const QList<Operation> drawn = texts(record(ReportRenderer::render(layout, &source), 0, device));
    QCOMPARE(drawn.size(), 1);
    const QString cut = drawn.first().text;
    QVERIFY(!cut.isEmpty() && cut.size() < 9 && QStringLiteral("INGENIEUR").startsWith(cut));
    QVERIFY(device.toMillimetres(drawn.first().textWidth) <= 6.0);
    ElementFont font;
    ElementFont::parse(QStringLiteral("12"), &font);
    QVERIFY(TextMeasurer().width(QStringLiteral("INGENIEUR").left(cut.size() + 1), font, false) > 6.0);
}

void TestFormsRenderer::growingBoxStretchesItsBand()
{
    // Two detail rows; the first row's text needs three lines, so the second row moves down by
    // the growth while a plain row keeps the band's height.
    ReportLayout layout;
    layout.walksRecords = true;
    layout.detail = ReportBand { 9.0,
        elements({ { 0.3, 1.1, 15.0, "field", "poste", "8", "fixed box, height 8.7, wraps, grows downward" },
            { 0.3, 100.0, 20.0, "field", "num", "8", "" } }) };
    MemoryDataSource source({ { { "poste", "un deux trois quatre cinq six sept huit neuf" }, { "num", "1" } },
        { { "poste", "court" }, { "num", "2" } }, { { "poste", "" }, { "num", "3" } } });
    PaintRecorder device(300);
    const QList<Operation> drawn = texts(record(ReportRenderer::render(layout, &source), 0, device));
    QList<double> rowTops;
    int firstRowLines = 0;
    for (const Operation &text : drawn) {
        if (QStringList({ "1", "2", "3" }).contains(text.text))
            rowTops.append(device.toMillimetres(text.position.y()) - ascentMm(QStringLiteral("8")));
        else if (rowTops.isEmpty())
            ++firstRowLines;
    }
    QCOMPARE(rowTops.size(), 3);
    QVERIFY(firstRowLines > 2);
    const double lineHeight = lineHeightMm(QStringLiteral("8"));
    QVERIFY(qAbs(rowTops.at(0) - 10.3) < 0.05);
    const double firstHeight = 9.0 + firstRowLines * lineHeight - 8.7;
    QVERIFY2(
        qAbs(rowTops.at(1) - rowTops.at(0) - firstHeight) < 0.05, qPrintable(QString::number(rowTops.at(1))));
    QVERIFY(qAbs(rowTops.at(2) - rowTops.at(1) - 9.0) < 0.05);
}

void TestFormsRenderer::fieldValues_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("printed");

    QTest::newRow("date with leading zeros") << "Date_nais" << QVariant(QDate(1979, 3, 5)) << "05/03/1979";
    QTest::newRow("date and time") << "Date_nais" << QVariant(QDateTime(QDate(2001, 12, 9), QTime(13, 5)))
                                   << "09/12/2001";
    QTest::newRow("blank date") << "Date_nais" << QVariant(QDate()) << "";
    QTest::newRow("integer") << "Nb_t" << QVariant(1250) << "1250";
    QTest::newRow("large number without grouping") << "Nb_t" << QVariant(1234567.0) << "1234567";
    QTest::newRow("decimal number") << "degre" << QVariant(12.5) << "12.5";
    QTest::newRow("negative number") << "degre" << QVariant(qint64(-40)) << "-40";
    QTest::newRow("text as stored") << "Nom" << QVariant(QStringLiteral("  DUPONT  d'ARC "))
                                    << "  DUPONT  d'ARC ";
    QTest::newRow("name in another case") << "NOM" << QVariant(QStringLiteral("DUPONT")) << "DUPONT";
    QTest::newRow("null value") << "Nom" << QVariant() << "";
    QTest::newRow("unknown field") << "Inconnu" << QVariant(QStringLiteral("x")) << "";
}

void TestFormsRenderer::fieldValues()
{
    QFETCH(QString, field);
    QFETCH(QVariant, value);
    QFETCH(QString, printed);

    // The row's column keeps its own spelling; the layout names the field as the row gives.
    const QString column = field == QLatin1String("Inconnu") ? QStringLiteral("Autre") : field.toLower();
    const QByteArray name = field.toUtf8();
    const ReportLayout layout = pageLayout({ { 40.0, 60.0, 10.0, "text", "Label :", "12", "" },
        { 40.0, 80.0, 10.0, "field", name.constData(), "10 B", "" } });
    MemoryDataSource source({ { { column, value } } });
    PaintRecorder device(300);
    QStringList expected { QStringLiteral("Label :") };
    if (!printed.isEmpty())
        expected.append(printed);
    QCOMPARE(textsOf(record(ReportRenderer::render(layout, &source), 0, device)), expected);
}

void TestFormsRenderer::printTimeLabels_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("set");
    QTest::addColumn<QString>("printed");

    QTest::newRow("count given") << "17" << true << "17";
    QTest::newRow("zero given") << "0" << true << "0";
    QTest::newRow("nothing given: placeholder") << "" << false << "...";
}

void TestFormsRenderer::printTimeLabels()
{
    QFETCH(QString, value);
    QFETCH(bool, set);
    QFETCH(QString, printed);
    const ReportLayout layout = pageLayout({ { 206.4, 111.4, 2.6, "text", "...", "10 B", "label QRLabel7" },
        { 206.4, 135.2, 22.5, "text", "...", "10 B", "" } });
    QHash<QString, QString> labels;
    if (set)
        labels.insert(QStringLiteral("QRLabel7"), value);
    PaintRecorder device(300);
    QCOMPARE(textsOf(record(ReportRenderer::render(layout, nullptr, labels), 0, device)),
        QStringList({ printed, QStringLiteral("...") }));
}

void TestFormsRenderer::bandsBreakAcrossPages()
{
    // Title 81.8 mm on the first page only, 9 mm rows, a 6.1 mm footer with the page number.
    ReportLayout layout;
    layout.walksRecords = true;
    layout.title = ReportBand { 81.8,
        elements({ { 39.4, 136.8, 50.3, "text", "Formulaire AP N° 01", "16 BU", "red text" } }) };
    layout.detail = ReportBand { 9.0, elements({ { 0.3, 1.1, 52.1, "field", "poste", "8", "" } }) };
    layout.summary
        = ReportBand { 33.3, elements({ { 10.1, 55.8, 27.3, "text", "L'employeur", "14 B", "" } }) };
    layout.pageFooter = ReportBand { 6.1, elements({ { 1.1, 3.7, 2.1, "page number", "", "10 B", "" } }) };
    QList<QVariantMap> rows;
    for (int i = 1; i <= 30; ++i)
        rows.append({ { QStringLiteral("poste"), QStringLiteral("POSTE %1").arg(i) } });
    MemoryDataSource source(rows);

    const ReportDocument document = ReportRenderer::render(layout, &source);
    // Page 1 holds floor((297 - 10 - 6.1 - 10 - 81.8) / 9) rows.
    const int firstPageRows = int((297.0 - 10.0 - 6.1 - 10.0 - 81.8) / 9.0);
    QCOMPARE(document.pageCount(), 2);
    // The footer is drawn first, under the bands, so that the last row's frame stays closed.
    PaintRecorder device(300);
    const QStringList first = textsOf(record(document, 0, device));
    QCOMPARE(first.first(), QStringLiteral("1"));
    QCOMPARE(first.at(1), QStringLiteral("Formulaire AP N° 01"));
    QVERIFY(first.contains(QStringLiteral("POSTE %1").arg(firstPageRows)));
    QVERIFY(!first.contains(QStringLiteral("POSTE %1").arg(firstPageRows + 1)));

    const QList<Operation> second = texts(record(document, 1, device));
    QCOMPARE(second.at(1).text, QStringLiteral("POSTE %1").arg(firstPageRows + 1));
    QVERIFY(
        qAbs(device.toMillimetres(second.at(1).position.y()) - ascentMm(QStringLiteral("8")) - 10.3) < 0.05);
    QVERIFY(!textsOf(second).contains(QStringLiteral("Formulaire AP N° 01")));
    QCOMPARE(second.first().text, QStringLiteral("2"));
    QVERIFY(textsOf(second).contains(QStringLiteral("L'employeur")));
    // The footer sits at paper length − bottom margin − its height.
    QVERIFY(qAbs(device.toMillimetres(second.first().position.y()) - ascentMm(QStringLiteral("10 B"))
                - (297.0 - 10.0 - 6.1 + 1.1))
        < 0.05);
}

void TestFormsRenderer::sourceWithoutRecords()
{
    ReportLayout layout;
    layout.walksRecords = true;
    layout.detail = ReportBand { 9.0, elements({ { 0.3, 1.1, 52.1, "text", "detail", "8", "" } }) };
    layout.subDetail = ReportBand { 40.2,
        elements({ { 1.6, 87.8, 15.3, "field", "Nom_orga", "10 B", "centred" },
            { 29.6, 2.1, 0.0, "text", "Tél :", "12", "" } }) };
    MemoryDataSource empty;
    PaintRecorder device(300);
    QCOMPARE(textsOf(record(ReportRenderer::render(layout, &empty), 0, device)),
        QStringList { QStringLiteral("Tél :") });
    QCOMPARE(textsOf(record(ReportRenderer::render(layout, nullptr), 0, device)),
        QStringList { QStringLiteral("Tél :") });
}

void TestFormsRenderer::recordsStackAndPageLayerShowsLastOne()
{
    ReportLayout layout;
    layout.walksRecords = true;
    layout.subDetail
        = ReportBand { 40.2, elements({ { 1.6, 87.8, 15.3, "field", "Nom_orga", "13 B", "centred" } }) };
    layout.pageLayer = elements({ { 250.0, 20.0, 30.0, "field", "Projet_1", "12", "" } });
    MemoryDataSource source({ { { "Nom_orga", "ALPHA" }, { "Projet_1", "P1" } },
        { { "Nom_orga", "BETA" }, { "Projet_1", "P2" } } });
    PaintRecorder device(300);
    const QList<Operation> drawn = texts(record(ReportRenderer::render(layout, &source), 0, device));
    QCOMPARE(textsOf(drawn), QStringList({ "ALPHA", "BETA", "P2" }));
    QVERIFY(qAbs(device.toMillimetres(drawn.at(1).position.y() - drawn.at(0).position.y()) - 40.2) < 0.05);

    // A form printing the record its caller chose reads that one only, once.
    layout.walksRecords = false;
    source.next();
    QCOMPARE(
        textsOf(record(ReportRenderer::render(layout, &source), 0, device)), QStringList({ "BETA", "P2" }));
}

void TestFormsRenderer::pageLayerBelowBottomMargin()
{
    const ReportLayout layout
        = pageLayout({ { 288.1, 22.0, 55.8, "text", "demandée d'au moins dix (10) ans.", "12", "" },
            { 294.4, 10.0, 20.0, "text", "bas", "8", "" } });
    const ReportDocument document = ReportRenderer::render(layout, nullptr);
    QCOMPARE(document.pageCount(), 1);
    PaintRecorder device(300);
    const QList<Operation> drawn = texts(record(document, 0, device));
    QCOMPARE(drawn.size(), 2);
    QVERIFY(
        qAbs(device.toMillimetres(drawn.at(1).position.y()) - ascentMm(QStringLiteral("8")) - 294.4) < 0.05);
}

void TestFormsRenderer::shapesBeforeTextsAndBackgrounds()
{
    // Listed text first, then shapes: the shapes are drawn first in their order, then each text
    // with its background (none when transparent).
    const ReportLayout layout
        = pageLayout({ { 70.3, 22.5, 33.6, "text", "Cadre réservé à la DEW", "10", "grey background" },
            { 80.0, 13.0, 26.7, "text", "Transparent", "10", "transparent" },
            { 69.8, 12.2, 57.4, "box", "filled silver", "", "height 15.1" },
            { 69.8, 12.2, 57.4, "box", "filled grey", "", "height 5.6" } });
    PaintRecorder device(300);
    const QList<Operation> drawn = record(ReportRenderer::render(layout, nullptr), 0, device);
    QCOMPARE(drawn.size(), 5);
    QCOMPARE(drawn.at(0).type, Operation::Type::Rect);
    QCOMPARE(drawn.at(0).brush.color(), QColor(192, 192, 192));
    QCOMPARE(drawn.at(0).pen.color(), QColor(Qt::black));
    QVERIFY(qAbs(device.toMillimetres(drawn.at(0).rect.height()) - 15.1) < 0.05);
    QCOMPARE(drawn.at(1).brush.color(), QColor(128, 128, 128));
    // Background of the first text: its own box in grey, without outline, then the text.
    QCOMPARE(drawn.at(2).type, Operation::Type::Rect);
    QCOMPARE(drawn.at(2).brush.color(), QColor(128, 128, 128));
    QCOMPARE(drawn.at(2).pen.style(), Qt::NoPen);
    QVERIFY(qAbs(device.toMillimetres(drawn.at(2).rect.left()) - 22.5) < 0.05);
    QVERIFY(qAbs(device.toMillimetres(drawn.at(2).rect.width() - drawn.at(3).textWidth)) < 0.1);
    QCOMPARE(drawn.at(3).text, QStringLiteral("Cadre réservé à la DEW"));
    QCOMPARE(drawn.at(4).text, QStringLiteral("Transparent"));
}

void TestFormsRenderer::backgroundsNeverHideTexts()
{
    // A caption running into the next field: the field's white background is laid before the
    // caption's text, never over it.
    const ReportLayout layout = pageLayout({ { 142.1, 12.7, 26.2, "text", "Statut juridique :", "12", "" },
        { 142.1, 30.0, 24.1, "field", "Statut_juridique", "10 B", "" } });
    MemoryDataSource source({ { { QStringLiteral("Statut_juridique"), QStringLiteral("SPA") } } });
    PaintRecorder device(300);
    const QList<Operation> drawn = record(ReportRenderer::render(layout, &source), 0, device);
    QCOMPARE(drawn.size(), 4);
    QCOMPARE(drawn.at(0).type, Operation::Type::Rect);
    QCOMPARE(drawn.at(1).type, Operation::Type::Rect);
    QCOMPARE(drawn.at(2).text, QStringLiteral("Statut juridique :"));
    QCOMPARE(drawn.at(3).text, QStringLiteral("SPA"));
}

void TestFormsRenderer::linesKeepToTheirRoom_data()
{
    // The first row is the line looked at; `end` is where it must end (0: at its natural width).
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("width");
    QTest::addColumn<QByteArray>("notes");
    QTest::addColumn<QByteArray>("neighbour"); // a caption at 60 mm on the same line, or none
    QTest::addColumn<double>("end");

    const QByteArray footnote
        = "(*) s'il s'agit du travailleur étranger qui détient un niveau de qualification "
          "professionnelle inférieur à celui de technicien,";
    QTest::newRow("caption wider than its row: fitted to the row")
        << QByteArray("Nationalité :") << QByteArray("text") << 15.1 << 18.0 << QByteArray() << QByteArray()
        << 33.1;
    QTest::newRow("short caption untouched") << QByteArray("Remarque :") << QByteArray("text") << 12.0 << 40.0
                                             << QByteArray() << QByteArray() << 0.0;
    QTest::newRow("caption without a row width: to the margin")
        << footnote << QByteArray("text") << 10.3 << 0.0 << QByteArray() << QByteArray() << 200.0;
    QTest::newRow("centred caption too wide for the page: between the margins")
        << footnote << QByteArray("text") << 10.0 << 190.0 << QByteArray("centred") << QByteArray() << 200.0;
    QTest::newRow("value before a caption: ends a millimetre before the caption")
        << QByteArray("SOCIETE NATIONALE DES TRAVAUX") << QByteArray("field") << 20.0 << 5.0 << QByteArray()
        << QByteArray("Fax :") << 59.0;
    QTest::newRow("value before a blank: runs on")
        << QByteArray("SOCIETE NATIONALE DES TRAVAUX") << QByteArray("field") << 20.0 << 5.0 << QByteArray()
        << QByteArray("") << 0.0;
    QTest::newRow("value past the paper's edge: to the margin")
        << footnote << QByteArray("field") << 10.3 << 5.0 << QByteArray() << QByteArray() << 200.0;
}

void TestFormsRenderer::linesKeepToTheirRoom()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, kind);
    QFETCH(double, left);
    QFETCH(double, width);
    QFETCH(QByteArray, notes);
    QFETCH(QByteArray, neighbour);
    QFETCH(double, end);
    const bool field = kind == "field";
    QList<ReportElement> rows = elements({ { 100.0, left, width, kind.constData(),
        field ? "value" : content.constData(), "12", notes.constData() } });
    if (!neighbour.isNull())
        rows += elements({ { 100.0, 60.0, 10.0, "text", neighbour.constData(), "12", "" } });
    ReportLayout layout;
    layout.pageLayer = rows;
    MemoryDataSource source({ { { QStringLiteral("value"), QString::fromUtf8(content) } } });
    PaintRecorder device(600);
    const QList<Operation> drawn = texts(record(ReportRenderer::render(layout, &source), 0, device));
    QVERIFY(!drawn.isEmpty());
    ElementFont font;
    ElementFont::parse(QStringLiteral("12"), &font);
    const double natural = TextMeasurer().width(QString::fromUtf8(content), font, false);
    const double start = device.toMillimetres(drawn.first().position.x());
    const double drawnEnd = start + device.toMillimetres(drawn.first().textWidth);
    if (end == 0.0)
        QVERIFY2(qAbs(drawnEnd - start - natural) < 0.05, qPrintable(QString::number(drawnEnd)));
    else
        QVERIFY2(qAbs(drawnEnd - end) < 0.05, qPrintable(QString::number(drawnEnd)));
    QVERIFY(drawnEnd <= 200.0 + 0.05 && start >= 10.0 - 0.05);
    if (!notes.contains("centred"))
        QVERIFY(qAbs(start - left) < 0.05);
}

void TestFormsRenderer::lineShapesRunThroughTheMiddle()
{
    ReportLayout layout;
    layout.title = ReportBand { 81.8,
        elements({ { 54.8, 52.9, 1.6, "vertical line", "", "", "height 27.5" },
            { 63.5, 152.4, 37.6, "horizontal line", "", "", "height 1.6" } }) };
    PaintRecorder device(300);
    QList<Operation> lines;
    for (const Operation &operation : record(ReportRenderer::render(layout, nullptr), 0, device)) {
        if (operation.type == Operation::Type::Line)
            lines.append(operation);
    }
    QCOMPARE(lines.size(), 2);
    const QRectF vertical = lines.at(0).rect;
    QVERIFY(qAbs(device.toMillimetres(vertical.left()) - (10.0 + 52.9 + 0.8)) < 0.05);
    QCOMPARE(vertical.left(), vertical.right());
    QVERIFY(qAbs(device.toMillimetres(vertical.top()) - (10.0 + 54.8)) < 0.05);
    QVERIFY(qAbs(device.toMillimetres(vertical.bottom()) - (10.0 + 54.8 + 27.5)) < 0.05);
    const QRectF horizontal = lines.at(1).rect;
    QCOMPARE(horizontal.top(), horizontal.bottom());
    QVERIFY(qAbs(device.toMillimetres(horizontal.top()) - (10.0 + 63.5 + 0.8)) < 0.05);
    QVERIFY(qAbs(device.toMillimetres(horizontal.right() - horizontal.left()) - 37.6) < 0.05);
    QCOMPARE(lines.at(0).pen.widthF(), 0.0); // one device pixel
}

void TestFormsRenderer::sameLayoutOnAnyResolution()
{
    const ReportLayout layout = pageLayout(
        { { 90.5, 47.9, 122.5, "text", "FICHE DE RENSEIGNEMENT POUR L'EMPLOI", "16 BU", "centred" } });
    const ReportDocument document = ReportRenderer::render(layout, nullptr);
    PaintRecorder coarse(96);
    PaintRecorder fine(1200);
    const Operation a = texts(record(document, 0, coarse)).first();
    const Operation b = texts(record(document, 0, fine)).first();
    QVERIFY(qAbs(coarse.toMillimetres(a.position.x()) - fine.toMillimetres(b.position.x())) < 0.01);
    QVERIFY(qAbs(coarse.toMillimetres(a.position.y()) - fine.toMillimetres(b.position.y())) < 0.01);
    QVERIFY(qAbs(coarse.toMillimetres(a.textWidth) - fine.toMillimetres(b.textWidth)) < 0.01);
    // 16 points are 16/72 inch high on both.
    QVERIFY(qAbs(coarse.toMillimetres(a.fontHeight) - 16.0 * 25.4 / 72.0) < 0.01);
    QVERIFY(qAbs(fine.toMillimetres(b.fontHeight) - 16.0 * 25.4 / 72.0) < 0.01);

    const QImage image = document.pageImage(0, 72.0);
    QCOMPARE(image.size(), QSize(595, 842));
}

void TestFormsRenderer::pdfFailureLeavesNoFile()
{
    const ReportDocument document
        = ReportRenderer::render(pageLayout({ { 10, 10, 10, "text", "x", "12", "" } }), nullptr);
    QString error;
    const QString missingDirectory = QDir::tempPath() + QStringLiteral("/velmora-no-such-dir/sub/out.pdf");
    QVERIFY(!document.writePdf(missingDirectory, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(missingDirectory));
}

QTEST_MAIN(TestFormsRenderer)
#include "tst_forms_renderer.moc"
