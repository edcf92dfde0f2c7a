#pragma once

#include "data/duedates.h"
#include "data/headcounts.h"
#include "forms/reportdocument.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One list of the "Bilan" page as text, the same on the screen, on paper and in a CSV file: its
// column titles, its lines, and which lines stand out (a date already past, a post over its
// forecast).
struct ReviewList
{
    QStringList header;
    QList<QStringList> rows;
    QList<bool> marked;
};

// The lists of the "Bilan" page from what the data layer reads, and their printed and CSV forms.
namespace ReviewLists {

// The column titles and one line of each list.
QStringList dueDateHeader();
QStringList dueDateLine(const DueDate &date);
QStringList postCountHeader();
QStringList postCountLine(const PostCount &post);
QStringList unplacedHeader();
QStringList unplacedLine(const UnplacedWorker &worker);

ReviewList dueDates(const QList<DueDate> &dates);
ReviewList postCounts(const QList<PostCount> &posts);
ReviewList unplaced(const QList<UnplacedWorker> &workers);

// The A4 lists laid out by the report engine; `subtitle` says the day, the horizon and the filters.
ReportDocument dueDatesDocument(const ReviewList &dates, const QString &subtitle);
// The posts, then the workers outside every agreement when there are some.
ReportDocument headCountDocument(
    const ReviewList &posts, const ReviewList &unplaced, const QString &subtitle);

QByteArray csv(const ReviewList &list);

} // namespace ReviewLists
