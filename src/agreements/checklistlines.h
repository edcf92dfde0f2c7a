#pragma once

#include <QList>
#include <QString>

// The labels of an agreement checklist, read from the list files compiled in as resources
// (resources/lists/agreements): where each stands in its panel and what it says.
namespace ChecklistLines {

struct Line
{
    int top = 0;
    int left = 0;
    QString text;
};

// The labels of `:/lists/agreements/<name>.txt`, top to bottom, the heading first; empty when the
// list is missing or a line is malformed (said once with qWarning).
QList<Line> read(const QString &name);

} // namespace ChecklistLines
