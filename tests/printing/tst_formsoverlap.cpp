// No printed word lies over another on any form. Every form of a dossier, the identification
// sheet and form AP n°1 are written to PDF from two stores, one with short everyday values and one
// with every text column filled to its declared length (accents, an apostrophe, names in Arabic
// script, 34 posts), and read back with pdftotext.

#include "datafixture.h"
#include "pdfwords.h"

#include "data/schemas.h"
#include "data/table.h"
#include "printing/agreementexport.h"
#include "printing/dossierdocuments.h"
#include "printing/dossierexport.h"
#include "printing/sheetexport.h"

#include <QDate>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

const QString employer = QStringLiteral("SOCIÉTÉ D'ÉTUDES");
const QString project = QStringLiteral("PROJET À L'EST");
// Columns whose value the dossier's checks or the joins read: they keep a value the program knows.
const QHash<QString, QString> fixedValues { { "Type_demande", "PERMIS DE TRAVAIL" }, { "Sex", "FEMME" },
    { "Situation_familiale", "MARIE(E)" }, { "Refugie_politique", "NON" }, { "Apatride", "NON" } };
const QStringList arabicNames { "Nom", "Prenom", "Nom_pere", "Nom_mere", "Nom_jeune_fille", "Nom_c",
    "Prenom_c" };

// The text repeated, or cut, to exactly `length` characters, never ending on a blank.
QString filled(const QString &text, int length)
{
    QString result;
    while (result.size() < length)
        result += text;
    result.truncate(length);
    if (result.endsWith(QLatin1Char(' ')))
        result[result.size() - 1] = QLatin1Char('X');
    return result;
}

// The values of one row of a table: every text column filled to its length (`full`), or a short
// word of its own.
QVariantMap rowOf(const TableSchema &schema, bool full, const QVariantMap &keys)
{
    static const QString latin = QStringLiteral("RÉSIDENCE D'ÉTÉ À BÉJAÏA ÇA ");
    static const QString arabic = QStringLiteral("عبد الرحمن بن يوسف ");
    QVariantMap row;
    for (const FieldDef &field : schema.fields) {
        switch (field.type) {
        case FieldType::Integer:
            row.insert(field.name, full ? 99999 : 12);
            break;
        case FieldType::Date:
            row.insert(field.name, QDate(2024, 11, 28));
            break;
        case FieldType::Text:
            if (fixedValues.contains(field.name))
                row.insert(field.name, fixedValues.value(field.name));
            else if (arabicNames.contains(field.name))
                row.insert(field.name, filled(full ? arabic : QStringLiteral("يوسف"), full ? field.size : 4));
            else
                row.insert(field.name,
                    full ? filled(latin, field.size)
                         : filled(QStringLiteral("BÉJAÏA"), std::min(field.size, 6)));
            break;
        }
    }
    for (auto it = keys.constBegin(); it != keys.constEnd(); ++it)
        row.insert(it.key(), it.value());
    return row;
}

} // namespace

class TestFormsOverlap : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wordsKeepApart_data();
    void wordsKeepApart();

private:
    bool exportEverything(bool full, const QString &directory);

    QTemporaryDir m_output;
};

bool TestFormsOverlap::exportEverything(bool full, const QString &directory)
{
    DataFixture fixture;
    DataModule &data = fixture.data();
    const QVariantMap employerKeys { { "Nom_orga", employer }, { "Projet", project } };
    if (!DataFixture::add(data.employeur(), rowOf(Schemas::employeur(), full, employerKeys))
        || !DataFixture::add(data.contact(),
            rowOf(Schemas::contact(), full, { { "nom_orga", employer }, { "Projet", project } })))
        return false;
    for (int post = 1; post <= (full ? 34 : 3); ++post) {
        const QVariantMap keys { { "Num", post }, { "nom_orga", employer }, { "Projet", project } };
        if (!DataFixture::add(data.accord(), rowOf(Schemas::accord(), full, keys)))
            return false;
    }
    const QVariantMap workerKeys { { "Num_Ordre", 1 }, { "Nom_orga", employer }, { "Projet", project },
        { "Nation", full ? filled(QStringLiteral("CHINOISE "), 50) : QStringLiteral("CHINOISE") } };
    if (!DataFixture::add(data.expatries(), rowOf(Schemas::expatries(), full, workerKeys)))
        return false;

    QString messages;
    QTextStream errors(&messages);
    DossierExport dossier(data, directory, errors);
    const bool written = dossier.chooseForms(DossierDocuments::allForms())
        && dossier.run(fixture.base(), 1) == 0
        && SheetExport::run(data, fixture.base(), employer, directory, errors) == 0
        && AgreementExport::run(data, fixture.base(), project, directory, errors) == 0;
    if (!written)
        qWarning("%s", qPrintable(messages));
    return written;
}

void TestFormsOverlap::initTestCase()
{
    QVERIFY2(PdfWords::available(), "pdftotext (poppler-utils) is needed to read the PDF files back");
    QVERIFY(m_output.isValid());
    if (qEnvironmentVariableIsSet("VELMORA_KEEP_PDF")) {
        m_output.setAutoRemove(false);
        qInfo("PDF files kept in %s", qPrintable(m_output.path()));
    }
    for (const bool full : { false, true }) {
        const QString directory = m_output.filePath(full ? QStringLiteral("full") : QStringLiteral("usual"));
        QVERIFY(QDir().mkpath(directory));
        QVERIFY(exportEverything(full, directory));
    }
}

void TestFormsOverlap::wordsKeepApart_data()
{
    QTest::addColumn<QString>("pdf");
    const QStringList forms = DossierDocuments::allForms() + QStringList { "Fiche", "AP01" };
    for (const QString store : { "usual", "full" }) {
        for (const QString &form : forms)
            QTest::newRow(qPrintable(store + QLatin1Char('/') + form))
                << m_output.filePath(store + QLatin1Char('/') + form + QStringLiteral(".pdf"));
    }
}

void TestFormsOverlap::wordsKeepApart()
{
    QFETCH(QString, pdf);
    QList<QList<PdfWords::Word>> pages;
    QString error;
    QVERIFY2(PdfWords::read(pdf, &pages, &error), qPrintable(error));
    QVERIFY(!pages.isEmpty());
    QStringList found;
    for (qsizetype page = 0; page < pages.size(); ++page) {
        for (const QString &overlap : PdfWords::overlaps(pages.at(page)))
            found << QStringLiteral("page %1: %2").arg(page + 1).arg(overlap);
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestFormsOverlap)
#include "tst_formsoverlap.moc"
