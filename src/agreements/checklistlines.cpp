#include "agreements/checklistlines.h"

#include <QFile>

// The lists live in the pages library; a static library keeps them only when asked. The macro
// cannot stand inside a namespace.
static void initResources()
{
    Q_INIT_RESOURCE(agreementlists);
}

namespace {

// "top<TAB>left<TAB>text": the text keeps its blanks to the end of the line.
bool parse(const QString &row, ChecklistLines::Line *line)
{
    const QStringList fields = row.split(QLatin1Char('\t'));
    if (fields.size() != 3)
        return false;
    bool topOk = false;
    bool leftOk = false;
    line->top = fields.at(0).toInt(&topOk);
    line->left = fields.at(1).toInt(&leftOk);
    line->text = fields.at(2);
    return topOk && leftOk && !line->text.isEmpty();
}

} // namespace

namespace ChecklistLines {

QList<Line> read(const QString &name)
{
    initResources();
    QFile file(QStringLiteral(":/lists/agreements/%1.txt").arg(name));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("checklist %s: missing", qPrintable(name));
        return {};
    }
    const QStringList rows = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QList<Line> lines;
    for (int i = 0; i < rows.size(); ++i) {
        QString row = rows.at(i);
        if (row.endsWith(QLatin1Char('\r')))
            row.chop(1);
        if (row.isEmpty() || row.startsWith(QLatin1Char('#')))
            continue;
        Line line;
        if (!parse(row, &line)) {
            qWarning("checklist %s, line %d: malformed", qPrintable(name), i + 1);
            return {};
        }
        lines << line;
    }
    return lines;
}

} // namespace ChecklistLines
