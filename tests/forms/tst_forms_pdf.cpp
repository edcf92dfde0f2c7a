// Every form written to a PDF file and read back with pdftotext: every French caption and every
// field starts where the paper form puts it.

#include "forms/formcatalogue.h"
#include "forms/formfonts.h"
#include "forms/memorydatasource.h"
#include "forms/reportrenderer.h"
#include "forms/textmeasurer.h"
#include "pdfwords.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

constexpr double tolerance = 0.5;

struct Word
{
    QString text;
    double left;
    double top;
};

} // namespace

class TestFormsPdf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void staticTextsAtTheirPlaces_data();
    void staticTextsAtTheirPlaces();
    void fieldsAtTheirPlaces_data();
    void fieldsAtTheirPlaces();
    void rewriteReplacesWholeFile();

private:
    void addRows(bool fields);
    void checkRow();

    QTemporaryDir m_directory;
    QString m_pdf;
    QHash<QString, QList<Word>> m_pages; // the first page of each form
};

namespace {

QVariantMap sampleRow()
{
    return { { "Nom_orga", "SOCIETE ALPHA" }, { "Adrs_orga", "12 RUE DES PINS ALGER" },
        { "Statut_juridique", "SPA" }, { "Date_marche", QDate(2023, 1, 2) }, { "Nom", "DUPONT" },
        { "Prenom", "JEAN" }, { "Date_nais", QDate(1979, 3, 5) }, { "Nation", "FRANCAISE" },
        { "Tel", "021234567" }, { "Poste_occupe", "SOUDEUR" }, { "poste", "GRUTIER" } };
}

} // namespace

void TestFormsPdf::initTestCase()
{
    installFormFonts();
    QVERIFY2(PdfWords::available(), "pdftotext (poppler-utils) is needed to read the PDF files back");
    QVERIFY(m_directory.isValid());

    for (const QString &form : FormCatalogue::names()) {
        MemoryDataSource source({ sampleRow() });
        const ReportDocument document = FormCatalogue::document(form, &source, { { "QRLabel7", "5" } });
        QVERIFY(document.pageCount() >= 1);
        m_pdf = m_directory.filePath(form + QStringLiteral(".pdf"));
        QString error;
        QVERIFY2(document.writePdf(m_pdf, &error), qPrintable(error));

        QList<QList<PdfWords::Word>> pages;
        QList<QSizeF> sizes;
        QString failure;
        QVERIFY2(PdfWords::read(m_pdf, &pages, &failure, &sizes), qPrintable(failure));
        QVERIFY(!pages.isEmpty());
        QVERIFY(qAbs(sizes.first().width() - 210.0) < 0.2);
        QVERIFY(qAbs(sizes.first().height() - 297.0) < 0.2);
        QList<Word> words;
        for (const PdfWords::Word &word : pages.first())
            words.append({ word.text, word.box.left(), word.box.top() });
        m_pages.insert(form, words);
    }
}

void TestFormsPdf::addRows(bool fields)
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("word");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");

    const QVariantMap row = sampleRow();
    TextMeasurer measurer;
    const QStringList forms = FormCatalogue::names();
    for (const QString &form : forms) {
        const std::optional<ReportLayout> layout = FormCatalogue::layout(form);
        struct Placed
        {
            ReportElement element;
            double left; // origin of its band, or the paper's corner
            double top;
        };
        QList<Placed> placed;
        // The first band of the first page prints at the top margin.
        const std::optional<ReportBand> &first = layout->title ? layout->title : layout->subDetail;
        if (first) {
            for (const ReportElement &element : first->elements)
                placed.append({ element, ReportRenderer::margin, ReportRenderer::margin });
        }
        // Below a title band come the one sample record's detail band and then the summary; the
        // page footer sits above the bottom margin.
        if (layout->title) {
            double position = ReportRenderer::margin + layout->title->height;
            for (const std::optional<ReportBand> *band : { &layout->detail, &layout->summary }) {
                if (!*band)
                    continue;
                for (const ReportElement &element : (*band)->elements)
                    placed.append({ element, ReportRenderer::margin, position });
                position += (*band)->height;
            }
        }
        if (layout->pageFooter) {
            for (const ReportElement &element : layout->pageFooter->elements)
                placed.append({ element, ReportRenderer::margin,
                    ReportDocument::paperHeight - ReportRenderer::margin - layout->pageFooter->height });
        }
        for (const ReportElement &element : layout->pageLayer)
            placed.append({ element, 0.0, 0.0 });
        // Every printed line with its extent, to leave out words that touch the end of
        // another line: pdftotext joins them into one word.
        struct Line
        {
            QString text;
            double left;
            double right;
            double top;
        };
        QList<Line> lines;
        for (const auto &[element, originLeft, originTop] : placed) {
            QString text;
            if (element.kind == ReportElement::Kind::Field) {
                const QVariant value = row.value(element.content);
                text = value.typeId() == QMetaType::QDate
                    ? value.toDate().toString(QStringLiteral("dd/MM/yyyy"))
                    : value.toString();
            } else if (element.kind == ReportElement::Kind::Text) {
                text = element.caption();
            }
            const double width = measurer.width(text, element.font, ElementFont::isArabic(text));
            double left = originLeft + element.left;
            if (element.centred)
                left += element.width / 2 - width / 2;
            // The first word starts after the blanks a caption opens with.
            qsizetype blanks = 0;
            while (blanks < text.size() && text.at(blanks) == QLatin1Char(' '))
                ++blanks;
            if (blanks > 0)
                left += measurer.width(text.left(blanks), element.font, false);
            lines.append({ text, left, left + width, originTop + element.top });
        }
        for (qsizetype i = 0; i < placed.size(); ++i) {
            const ReportElement &element = placed.at(i).element;
            const bool wanted = fields ? element.kind == ReportElement::Kind::Field
                                       : element.kind == ReportElement::Kind::Text && element.name.isEmpty()
                    && !ElementFont::isArabic(element.content);
            const Line &line = lines.at(i);
            const QString word = line.text.split(QLatin1Char(' '), Qt::SkipEmptyParts).value(0);
            if (!wanted || word.isEmpty())
                continue;
            const bool joined = std::any_of(lines.cbegin(), lines.cend(), [&line](const Line &other) {
                return !other.text.isEmpty() && qAbs(other.top - line.top) < 1.0 && other.left < line.left
                    && other.right > line.left - 0.5;
            });
            if (joined)
                continue;
            const QString tag = QStringLiteral("%1 at %2, %3: %4")
                                    .arg(form)
                                    .arg(element.top)
                                    .arg(element.left)
                                    .arg(line.text);
            QTest::newRow(qPrintable(tag)) << form << word << line.left << line.top;
        }
    }
}

void TestFormsPdf::checkRow()
{
    QFETCH(QString, form);
    QFETCH(QString, word);
    QFETCH(double, left);
    QFETCH(double, top);
    double best = 1e9;
    QString where = QStringLiteral("not found");
    for (const Word &candidate : m_pages.value(form)) {
        if (candidate.text != word)
            continue;
        const double distance = qMax(qAbs(candidate.left - left), qAbs(candidate.top - top));
        if (distance < best) {
            best = distance;
            where = QStringLiteral("found at %1, %2").arg(candidate.top).arg(candidate.left);
        }
    }
    if (best > tolerance) {
        double nearest = 1e9;
        QString nearestWord;
        for (const Word &candidate : m_pages.value(form)) {
            const double distance = qMax(qAbs(candidate.left - left), qAbs(candidate.top - top));
            if (distance < nearest) {
                nearest = distance;
                nearestWord = QStringLiteral("; nearest word \"%1\" at %2, %3")
                                  .arg(candidate.text)
                                  .arg(candidate.top)
                                  .arg(candidate.left);
            }
        }
        where += nearestWord;
    }
    QVERIFY2(best <= tolerance, qPrintable(where));
}

void TestFormsPdf::staticTextsAtTheirPlaces_data()
{
    addRows(false);
}

void TestFormsPdf::staticTextsAtTheirPlaces()
{
    checkRow();
}

void TestFormsPdf::fieldsAtTheirPlaces_data()
{
    addRows(true);
}

void TestFormsPdf::fieldsAtTheirPlaces()
{
    checkRow();
}

void TestFormsPdf::rewriteReplacesWholeFile()
{
    // Writing again over an existing file replaces it whole.
    const QByteArray before = [this] {
        QFile file(m_pdf);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QVERIFY(before.startsWith("%PDF"));
    MemoryDataSource empty;
    const ReportDocument blank = FormCatalogue::document(QStringLiteral("anx_01_02"), &empty);
    QVERIFY(blank.writePdf(m_pdf));
    QFile rewritten(m_pdf);
    QVERIFY(rewritten.open(QIODevice::ReadOnly));
    const QByteArray after = rewritten.readAll();
    QVERIFY(after.startsWith("%PDF") && after.trimmed().endsWith("%%EOF"));
    QVERIFY(after != before);
    rewritten.close();

    // A path naming a directory cannot be written: refused with a reason, the directory kept.
    const QString directory = m_directory.filePath(QStringLiteral("folder.pdf"));
    QVERIFY(QDir().mkdir(directory));
    QString error;
    QVERIFY(!blank.writePdf(directory, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(directory).isDir());
}

QTEST_MAIN(TestFormsPdf)
#include "tst_forms_pdf.moc"
