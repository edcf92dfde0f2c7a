#include "layoutbuilder.h"

namespace {

bool readShade(const QString &text, ReportElement::Shade *shade)
{
    if (text == QLatin1String("white"))
        *shade = ReportElement::Shade::White;
    else if (text == QLatin1String("silver"))
        *shade = ReportElement::Shade::Silver;
    else if (text == QLatin1String("grey"))
        *shade = ReportElement::Shade::Grey;
    else if (text == QLatin1String("light grey"))
        *shade = ReportElement::Shade::LightGrey;
    else
        return false;
    return true;
}

bool readKind(const QString &text, ReportElement *element)
{
    using Kind = ReportElement::Kind;
    if (text == QLatin1String("text"))
        element->kind = Kind::Text;
    else if (text == QLatin1String("field"))
        element->kind = Kind::Field;
    else if (text == QLatin1String("bullet"))
        element->kind = Kind::Bullet;
    else if (text == QLatin1String("bullet (2 tabs)")) {
        element->kind = Kind::Bullet;
        element->bulletTabs = 2;
    } else if (text == QLatin1String("box"))
        element->kind = Kind::Box;
    else if (text == QLatin1String("vertical line"))
        element->kind = Kind::VerticalLine;
    else if (text == QLatin1String("horizontal line"))
        element->kind = Kind::HorizontalLine;
    else if (text == QLatin1String("page number"))
        element->kind = Kind::PageNumber;
    else
        return false;
    return true;
}

bool readNote(const QString &note, ReportElement *element)
{
    static const QLatin1String backgroundSuffix(" background");
    static const QLatin1String textSuffix(" text");
    if (note == QLatin1String("centred"))
        element->centred = true;
    else if (note == QLatin1String("fixed box"))
        element->fixedBox = true;
    else if (note == QLatin1String("wraps"))
        return element->fixedBox;
    else if (note == QLatin1String("grows downward"))
        element->growsDownward = true;
    else if (note == QLatin1String("transparent"))
        element->transparent = true;
    else if (note.startsWith(QLatin1String("height "))) {
        bool ok = false;
        element->height = note.mid(7).toDouble(&ok);
        return ok && element->height >= 0.0;
    } else if (note.startsWith(QLatin1String("label "))) {
        element->name = note.mid(6).trimmed();
        return !element->name.isEmpty() && !element->name.contains(QLatin1Char(' '));
    } else if (note.endsWith(backgroundSuffix))
        return readShade(note.chopped(backgroundSuffix.size()), &element->shade);
    else if (note == QLatin1String("grey") + textSuffix)
        element->ink = ReportElement::Ink::Grey;
    else if (note == QLatin1String("red") + textSuffix)
        element->ink = ReportElement::Ink::Red;
    else
        return false;
    return true;
}

} // namespace

LayoutBuilder::LayoutBuilder(double originTop, double originLeft)
    : m_originTop(originTop)
    , m_originLeft(originLeft)
{ }

void LayoutBuilder::add(const LayoutRow &row)
{
    ReportElement element;
    QString problem;
    if (!read(row, &element, &problem)) {
        m_problems.append(problem);
        return;
    }
    element.top += m_originTop;
    element.left += m_originLeft;
    m_elements.append(element);
}

void LayoutBuilder::add(std::initializer_list<LayoutRow> rows)
{
    for (const LayoutRow &row : rows)
        add(row);
}

void LayoutBuilder::add(const LayoutRow *rows, qsizetype count)
{
    for (qsizetype i = 0; i < count; ++i)
        add(rows[i]);
}

void LayoutBuilder::add(const QList<ReportElement> &elements)
{
    for (ReportElement element : elements) {
        element.top += m_originTop;
        element.left += m_originLeft;
        m_elements.append(element);
    }
}

bool LayoutBuilder::read(
    const LayoutRow &row, ReportElement *element, QString *problem, LayoutRow::Column *column)
{
    const QString where = QStringLiteral("row at %1, %2: ").arg(row.top).arg(row.left);
    const auto refuse = [&](LayoutRow::Column at, const QString &what) {
        *problem = where + what;
        if (column)
            *column = at;
        return false;
    };
    ReportElement result;
    result.top = row.top;
    result.left = row.left;
    result.width = row.width;
    const QString kind = QString::fromUtf8(row.kind);
    if (!readKind(kind, &result))
        return refuse(LayoutRow::Column::Kind, QStringLiteral("unknown kind \"%1\"").arg(kind));
    const QString content = QString::fromUtf8(row.content);
    if (result.isShape()) {
        QString fill = content;
        if (fill.startsWith(QLatin1String("filled ")))
            fill = fill.mid(7);
        if (!fill.isEmpty() && !readShade(fill, &result.shade))
            return refuse(LayoutRow::Column::Content, QStringLiteral("unknown fill \"%1\"").arg(content));
    } else {
        result.content = content;
        if (result.kind == ReportElement::Kind::Field && content.isEmpty())
            return refuse(LayoutRow::Column::Content, QStringLiteral("field without a name"));
    }
    const QString font = QString::fromUtf8(row.font);
    if (!font.isEmpty() && !ElementFont::parse(font, &result.font))
        return refuse(LayoutRow::Column::Font, QStringLiteral("unreadable font \"%1\"").arg(font));
    const QStringList notes = QString::fromUtf8(row.notes).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &note : notes) {
        if (!readNote(note.trimmed(), &result))
            return refuse(
                LayoutRow::Column::Notes, QStringLiteral("unreadable note \"%1\"").arg(note.trimmed()));
    }
    if ((result.isShape() || result.fixedBox) && result.height <= 0.0)
        return refuse(LayoutRow::Column::Notes, QStringLiteral("a shape or fixed box needs a height"));
    *element = result;
    return true;
}

QList<ReportElement> LayoutBuilder::elementsOf(
    const LayoutRow *rows, qsizetype count, QStringList *problems, double originTop, double originLeft)
{
    LayoutBuilder builder(originTop, originLeft);
    builder.add(rows, count);
    if (problems)
        problems->append(builder.problems());
    return builder.elements();
}
