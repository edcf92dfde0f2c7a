#include "layoutreader.h"

#include "layoutbuilder.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr int columnCount = 7;

constexpr const char *directiveWords[] = { "caption", "walks", "band", "page", "use", "set", "param" };

bool isDirective(const QString &word)
{
    return std::any_of(std::begin(directiveWords), std::end(directiveWords),
        [&word](const char *directive) { return word == QLatin1String(directive); });
}

// Names of forms, blocks and parameters: letters, digits, '_' and '-'.
bool isName(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return (c.isLetterOrNumber() && c.unicode() < 128) || c == QLatin1Char('_') || c == QLatin1Char('-');
    });
}

bool readNumber(const QString &text, double *value)
{
    bool ok = false;
    *value = text.toDouble(&ok);
    return ok && std::isfinite(*value);
}

// The first word of a line and where the rest starts (columns count from 1).
struct Words
{
    QString first;
    QString rest;
    int restColumn = 1;
};

Words words(const QString &text)
{
    qsizetype start = 0;
    while (start < text.size() && text.at(start).isSpace())
        ++start;
    qsizetype end = start;
    while (end < text.size() && !text.at(end).isSpace())
        ++end;
    qsizetype rest = end;
    while (rest < text.size() && text.at(rest).isSpace())
        ++rest;
    return { text.mid(start, end - start), text.mid(rest).trimmed(), int(rest) + 1 };
}

std::optional<ReportBand> *bandNamed(ReportLayout *layout, const QString &name)
{
    if (name == QLatin1String("title"))
        return &layout->title;
    if (name == QLatin1String("detail"))
        return &layout->detail;
    if (name == QLatin1String("subDetail"))
        return &layout->subDetail;
    if (name == QLatin1String("summary"))
        return &layout->summary;
    if (name == QLatin1String("pageFooter"))
        return &layout->pageFooter;
    return nullptr;
}

} // namespace

LayoutReader::LayoutReader(const QString &directory)
    : m_directory(directory)
{
    // The layouts live in the report library; a static library keeps them only when asked.
    Q_INIT_RESOURCE(forms);
}

QString LayoutReader::defaultDirectory()
{
    return QStringLiteral(":/forms");
}

std::optional<ReportLayout> LayoutReader::form(const QString &name)
{
    const QString file = m_directory + QLatin1Char('/') + name + QStringLiteral(".layout");
    QStringList lines;
    if (!isName(name) || !readLines(file, &lines))
        return std::nullopt;
    ReportLayout layout;
    layout.name = name;
    readForm(file, lines, &layout);
    return layout;
}

bool LayoutReader::readLines(const QString &path, QStringList *lines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_problems.append(path + QStringLiteral(": cannot be read"));
        return false;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(file.readAll());
    if (decoder.hasError()) {
        m_problems.append(path + QStringLiteral(": not UTF-8 text"));
        return false;
    }
    *lines = text.split(QLatin1Char('\n'));
    for (QString &line : *lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return true;
}

void LayoutReader::report(const QString &file, int line, int column, const QString &message)
{
    m_problems.append(QStringLiteral("%1:%2:%3: %4").arg(file).arg(line).arg(column).arg(message));
}

void LayoutReader::readForm(const QString &file, const QStringList &lines, ReportLayout *layout)
{
    Target target;
    std::optional<Use> use;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &text = lines.at(i);
        const int line = int(i) + 1;
        if (text.trimmed().isEmpty() || text.trimmed().startsWith(QLatin1Char('#')))
            continue;
        const Words found = words(text);
        if (use && found.first != QLatin1String("set")) {
            place(file, *use, target, layout);
            use.reset();
        }
        if (isDirective(found.first)) {
            readDirective(file, line, text, layout, &target, &use);
            continue;
        }
        const Row row = split(file, line, text);
        if (!target.elements) {
            report(file, line, 1, QStringLiteral("a row before any band or page"));
            continue;
        }
        ReportElement element;
        bool leftOut = false;
        if (this->element(row, nullptr, nullptr, &element, &leftOut))
            target.elements->append(element);
    }
    if (use)
        place(file, *use, target, layout);
}

bool LayoutReader::readDirective(const QString &file, int line, const QString &text, ReportLayout *layout,
    Target *target, std::optional<Use> *use)
{
    const Words found = words(text);
    const int column = found.restColumn;
    if (found.first == QLatin1String("caption")) {
        layout->caption = found.rest;
        return true;
    }
    if (found.first == QLatin1String("walks")) {
        if (found.rest != QLatin1String("records")) {
            report(file, line, column, QStringLiteral("expected \"walks records\""));
            return false;
        }
        layout->walksRecords = true;
        return true;
    }
    if (found.first == QLatin1String("band"))
        return readBand(file, line, text, layout, target);
    if (found.first == QLatin1String("page")) {
        if (!found.rest.isEmpty()) {
            report(file, line, column, QStringLiteral("\"page\" takes no arguments"));
            return false;
        }
        *target = { &layout->pageLayer, QString(), false };
        return true;
    }
    if (found.first == QLatin1String("use"))
        return readUse(file, line, text, *target, use);
    if (found.first == QLatin1String("set")) {
        const Words value = words(found.rest);
        const Block *used = *use ? block((*use)->block) : nullptr;
        if (!used) {
            report(file, line, 1, QStringLiteral("\"set\" without a block used before it"));
            return false;
        }
        if (!used->parameters.contains(value.first)) {
            report(file, line, column,
                QStringLiteral("block %1 has no parameter \"%2\"").arg((*use)->block, value.first));
            return false;
        }
        (*use)->values.insert(value.first, value.rest);
        return true;
    }
    report(file, line, 1, QStringLiteral("\"%1\" belongs in a block's file").arg(found.first));
    return false;
}

bool LayoutReader::readBand(
    const QString &file, int line, const QString &text, ReportLayout *layout, Target *target)
{
    const Words found = words(text);
    const Words height = words(found.rest);
    std::optional<ReportBand> *band = bandNamed(layout, height.first);
    if (!band) {
        report(file, line, found.restColumn,
            QStringLiteral("unknown band \"%1\" (title, detail, subDetail, summary, pageFooter)")
                .arg(height.first));
        return false;
    }
    const int heightColumn = found.restColumn + height.restColumn - 1;
    double value = 0.0;
    if (!readNumber(height.rest, &value) || value < 0.0) {
        report(
            file, line, heightColumn, QStringLiteral("band height \"%1\" is not a length").arg(height.rest));
        return false;
    }
    if (band->has_value()) {
        report(file, line, found.restColumn, QStringLiteral("band %1 given twice").arg(height.first));
        return false;
    }
    *band = ReportBand { value, {} };
    *target = { &(*band)->elements, height.first, true };
    return true;
}

bool LayoutReader::readUse(
    const QString &file, int line, const QString &text, const Target &target, std::optional<Use> *use)
{
    const Words found = words(text);
    const QStringList parts = found.rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    Use result;
    result.line = line;
    result.column = found.restColumn;
    result.block = parts.value(0);
    const bool placed = parts.size() == 4 && parts.at(1) == QLatin1String("at");
    if ((parts.size() != 1 && !placed) || !isName(result.block)
        || (placed && (!readNumber(parts.at(2), &result.top) || !readNumber(parts.at(3), &result.left)))) {
        report(file, line, found.restColumn, QStringLiteral("expected \"use <block> [at <top> <left>]\""));
        return false;
    }
    if (!target.elements) {
        report(file, line, 1, QStringLiteral("a block used before any band or page"));
        return false;
    }
    const Block *usedBlock = block(result.block);
    if (!usedBlock)
        return false;
    if (!(target.inBand ? usedBlock->bandRows : usedBlock->pageRows)) {
        report(file, line, found.restColumn,
            QStringLiteral("block %1 has no %2 rows")
                .arg(result.block, QLatin1String(target.inBand ? "band" : "page")));
        return false;
    }
    *use = result;
    return true;
}

void LayoutReader::place(const QString &file, const Use &use, const Target &target, ReportLayout *layout)
{
    const Block *used = block(use.block);
    for (auto it = used->parameters.cbegin(); it != used->parameters.cend(); ++it) {
        if (!it->hasDefault && !use.values.contains(it.key()))
            report(file, use.line, use.column,
                QStringLiteral("block %1 needs a value for \"%2\"").arg(use.block, it.key()));
    }
    const QList<Row> &rows = target.inBand ? *used->bandRows : *used->pageRows;
    ReportLayout::BlockPlacement placement { use.block, target.section, target.elements->size(), 0 };
    for (const Row &row : rows) {
        ReportElement element;
        bool leftOut = false;
        const qsizetype before = m_problems.size();
        if (this->element(row, &use, used, &element, &leftOut)) {
            element.top += use.top;
            element.left += use.left;
            target.elements->append(element);
        }
        for (qsizetype i = before; i < m_problems.size(); ++i)
            m_problems[i] += QStringLiteral(" (used at %1:%2)").arg(file).arg(use.line);
    }
    placement.count = target.elements->size() - placement.first;
    layout->blocks.append(placement);
}

const LayoutReader::Block *LayoutReader::block(const QString &name)
{
    auto it = m_blocks.find(name);
    if (it == m_blocks.end()) {
        it = m_blocks.insert(name, Block());
        const QString file = m_directory + QStringLiteral("/blocks/") + name + QStringLiteral(".layout");
        QStringList lines;
        if (readLines(file, &lines)) {
            it->read = true;
            readBlock(file, lines, &*it);
        }
    }
    return it->read ? &*it : nullptr;
}

void LayoutReader::readBlock(const QString &file, const QStringList &lines, Block *block)
{
    QList<Row> *rows = nullptr;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &text = lines.at(i);
        const int line = int(i) + 1;
        if (text.trimmed().isEmpty() || text.trimmed().startsWith(QLatin1Char('#')))
            continue;
        const Words found = words(text);
        if (found.first == QLatin1String("param")) {
            const Words parameter = words(found.rest);
            if (!isName(parameter.first) || block->parameters.contains(parameter.first)) {
                report(file, line, found.restColumn, QStringLiteral("a parameter needs a name of its own"));
                continue;
            }
            block->parameters.insert(parameter.first, { !parameter.rest.isEmpty(), parameter.rest });
        } else if (found.first == QLatin1String("band") || found.first == QLatin1String("page")) {
            std::optional<QList<Row>> &part
                = found.first == QLatin1String("band") ? block->bandRows : block->pageRows;
            if (!found.rest.isEmpty() || part) {
                report(file, line, 1,
                    QStringLiteral("a block has one %1 section, without arguments").arg(found.first));
                continue;
            }
            part = QList<Row>();
            rows = &*part;
        } else if (isDirective(found.first)) {
            report(file, line, 1, QStringLiteral("\"%1\" belongs in a form's file").arg(found.first));
        } else if (!rows) {
            report(file, line, 1, QStringLiteral("a row before any band or page"));
        } else {
            rows->append(split(file, line, text));
        }
    }
}

LayoutReader::Row LayoutReader::split(const QString &file, int line, const QString &text)
{
    Row row { file, line, {} };
    qsizetype start = 0;
    while (true) {
        const qsizetype end = text.indexOf(QLatin1Char('|'), start);
        const QString raw = text.mid(start, end < 0 ? -1 : end - start);
        qsizetype blanks = 0;
        while (blanks < raw.size() && raw.at(blanks).isSpace())
            ++blanks;
        // A blank cell is reported where it begins.
        row.cells.append({ raw.trimmed(), int(start + (blanks < raw.size() ? blanks : 0)) + 1 });
        if (end < 0)
            break;
        start = end + 1;
    }
    return row;
}

bool LayoutReader::element(
    const Row &row, const Use *use, const Block *block, ReportElement *element, bool *leftOut)
{
    if (row.cells.size() != columnCount) {
        const Cell &at = row.cells.size() > columnCount ? row.cells.at(columnCount) : row.cells.last();
        report(row.file, row.line, at.column,
            row.cells.size() == 1
                ? QStringLiteral("neither a directive nor a row of %1 columns separated by '|'")
                      .arg(columnCount)
                : QStringLiteral("a row has %1 columns, this one %2").arg(columnCount).arg(row.cells.size()));
        return false;
    }
    QStringList cells;
    for (qsizetype i = 0; i < row.cells.size(); ++i) {
        QString cell = row.cells.at(i).text;
        const bool isContent = i == qsizetype(LayoutRow::Column::Content);
        if (cell.startsWith(QLatin1Char('$'))) {
            const QString name = cell.mid(1);
            if (!block || !block->parameters.contains(name)) {
                report(row.file, row.line, row.cells.at(i).column,
                    QStringLiteral("unknown parameter \"%1\"").arg(name));
                return false;
            }
            cell = use->values.value(name, block->parameters.value(name).value);
            if (isContent && cell.isEmpty()) {
                *leftOut = true;
                return false;
            }
        } else if (isContent && cell.size() >= 2 && cell.startsWith(QLatin1Char('"'))
            && cell.endsWith(QLatin1Char('"'))) {
            cell = cell.mid(1, cell.size() - 2);
        }
        cells.append(cell);
    }
    double numbers[3] = {};
    for (int i = 0; i < 3; ++i) {
        if (!readNumber(cells.at(i), &numbers[i])) {
            report(row.file, row.line, row.cells.at(i).column,
                QStringLiteral("\"%1\" is not a number").arg(cells.at(i)));
            return false;
        }
    }
    const QByteArray kind = cells.at(3).toUtf8();
    const QByteArray content = cells.at(4).toUtf8();
    const QByteArray font = cells.at(5).toUtf8();
    const QByteArray notes = cells.at(6).toUtf8();
    QString problem;
    LayoutRow::Column column = LayoutRow::Column::Kind;
    if (!LayoutBuilder::read({ numbers[0], numbers[1], numbers[2], kind.constData(), content.constData(),
                                 font.constData(), notes.constData() },
            element, &problem, &column)) {
        report(row.file, row.line, row.cells.at(qsizetype(column)).column, problem);
        return false;
    }
    return true;
}
