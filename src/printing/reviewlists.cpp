#include "printing/reviewlists.h"

#include "data/csvtext.h"
#include "data/fieldvalue.h"
#include "forms/layoutreader.h"
#include "forms/memorydatasource.h"
#include "forms/reportrenderer.h"
#include "printing/pdfoutput.h"

namespace ReviewLists {

namespace {

// Each line as a record of columns c1, c2, … or, for a line that stands out, r1, r2, … (the
// layouts print those in red).
QList<QVariantMap> records(const ReviewList &list)
{
    QList<QVariantMap> result;
    result.reserve(list.rows.size());
    for (qsizetype i = 0; i < list.rows.size(); ++i) {
        const QChar prefix = list.marked.value(i) ? QLatin1Char('r') : QLatin1Char('c');
        QVariantMap record;
        const QStringList &row = list.rows.at(i);
        for (qsizetype c = 0; c < row.size(); ++c)
            record.insert(prefix + QString::number(c + 1), row.at(c));
        result << record;
    }
    return result;
}

// The list laid out by its form; its pages numbered from `firstPage`, when it follows another list
// in one print.
ReportDocument render(const QString &form, const ReviewList &list, const QString &subtitle, int firstPage = 1)
{
    LayoutReader reader;
    const std::optional<ReportLayout> layout = reader.form(form);
    for (const QString &problem : reader.problems())
        qWarning("form %s: %s", qPrintable(form), qPrintable(problem));
    if (!layout)
        return {};
    MemoryDataSource source(records(list));
    TextMeasurer measurer;
    ReportRenderer renderer(*layout, &source, measurer, { { QStringLiteral("Sous_titre"), subtitle } });
    renderer.setFirstPageNumber(firstPage);
    return renderer.run();
}

} // namespace

QStringList dueDateHeader()
{
    return { QStringLiteral("Échéance"), QStringLiteral("Expatrié ou projet"), QStringLiteral("Organisme"),
        QStringLiteral("Projet"), QStringLiteral("Date"), QStringLiteral("Jours restants") };
}

QStringList dueDateLine(const DueDate &d)
{
    return { DueDates::what(d.kind), d.name, d.employer, d.project, FieldValue::formatDate(d.date),
        QString::number(d.daysLeft) };
}

QStringList postCountHeader()
{
    return { QStringLiteral("Organisme"), QStringLiteral("Projet"), QStringLiteral("Poste"),
        QStringLiteral("Algériens prévus"), QStringLiteral("Étrangers prévus"),
        QStringLiteral("Étrangers inscrits"), QStringLiteral("Reste") };
}

QStringList postCountLine(const PostCount &p)
{
    return { p.employer, p.project, p.post, QString::number(p.algerians), QString::number(p.foreigners),
        QString::number(p.registered), QString::number(p.left()) };
}

QStringList unplacedHeader()
{
    return { QStringLiteral("N°"), QStringLiteral("Expatrié"), QStringLiteral("Organisme"),
        QStringLiteral("Projet"), QStringLiteral("Poste occupé") };
}

QStringList unplacedLine(const UnplacedWorker &w)
{
    return { QString::number(w.number), w.name, w.employer, w.project, w.post };
}

ReviewList dueDates(const QList<DueDate> &dates)
{
    ReviewList list { dueDateHeader(), {}, {} };
    for (const DueDate &d : dates) {
        list.rows << dueDateLine(d);
        list.marked << d.isPast();
    }
    return list;
}

ReviewList postCounts(const QList<PostCount> &posts)
{
    ReviewList list { postCountHeader(), {}, {} };
    for (const PostCount &p : posts) {
        list.rows << postCountLine(p);
        list.marked << p.isOver();
    }
    return list;
}

ReviewList unplaced(const QList<UnplacedWorker> &workers)
{
    ReviewList list { unplacedHeader(), {}, {} };
    for (const UnplacedWorker &w : workers) {
        list.rows << unplacedLine(w);
        list.marked << false;
    }
    return list;
}

ReportDocument dueDatesDocument(const ReviewList &dates, const QString &subtitle)
{
    ReportDocument document = render(QStringLiteral("Echeances"), dates, subtitle);
    document.setTitle(QStringLiteral("Échéances"));
    document.setPdfInfo(
        PdfOutput::info(QStringLiteral("Échéances — %1").arg(subtitle), QString(), QString()));
    return document;
}

ReportDocument headCountDocument(const ReviewList &posts, const ReviewList &unplaced, const QString &subtitle)
{
    ReportDocument document = render(QStringLiteral("Effectifs"), posts, subtitle);
    if (!unplaced.rows.isEmpty())
        document.append(render(QStringLiteral("Hors_accord"), unplaced, subtitle, document.pageCount() + 1));
    document.setTitle(QStringLiteral("Effectifs"));
    document.setPdfInfo(
        PdfOutput::info(QStringLiteral("Effectifs — %1").arg(subtitle), QString(), QString()));
    return document;
}

QByteArray csv(const ReviewList &list)
{
    return CsvText::table(list.header, list.rows);
}

} // namespace ReviewLists
