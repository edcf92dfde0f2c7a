#pragma once

#include "layoutrow.h"
#include "reportlayout.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Reads the layout files of the printed forms (<directory>/<form>.layout, the shared blocks in
// <directory>/blocks/<block>.layout): one line per directive or row, '#' lines are comments.
//
//   caption <text>                   the window caption of the form
//   walks records                    the detail and sub-detail bands print once per record
//   band <name> <height>             title, detail, subDetail, summary or pageFooter; its rows follow
//   page                             the page layer; its rows follow (paper coordinates)
//   use <block> [at <top> <left>]    the block's rows for this section, shifted by the origin
//   set <parameter> <value>          after a use: a value for one of the block's parameters
//   Top | Left | Width | Kind | Content | Font | Notes    one row (see LayoutRow)
//
// A block file holds `band` and `page` sections without names, and `param <name> [<default>]`
// lines; a cell `$name` takes the parameter's value, and a row whose content is a parameter set
// to nothing is left out. Cells are trimmed; a content written in double quotes keeps its blanks.
// Every problem names its file, line and column; a row with a problem is left out.
class LayoutReader
{
public:
    explicit LayoutReader(const QString &directory = defaultDirectory());

    // The forms' layouts compiled into the program.
    static QString defaultDirectory();

    // The form's layout; nothing when its file cannot be read.
    std::optional<ReportLayout> form(const QString &name);
    const QStringList &problems() const { return m_problems; }

private:
    struct Cell
    {
        QString text;
        int column = 1;
    };
    struct Row
    {
        QString file;
        int line = 0;
        QList<Cell> cells;
    };
    struct Parameter
    {
        bool hasDefault = false;
        QString value;
    };
    struct Block
    {
        bool read = false;
        QHash<QString, Parameter> parameters;
        std::optional<QList<Row>> bandRows;
        std::optional<QList<Row>> pageRows;
    };
    // A block a form uses, with its origin and the values the form sets.
    struct Use
    {
        QString block;
        int line = 0;
        int column = 1;
        double top = 0.0;
        double left = 0.0;
        QHash<QString, QString> values;
    };
    // Where the lines being read go.
    struct Target
    {
        QList<ReportElement> *elements = nullptr;
        QString section; // band name, empty for the page layer
        bool inBand = false;
    };

    bool readLines(const QString &path, QStringList *lines);
    void readForm(const QString &file, const QStringList &lines, ReportLayout *layout);
    bool readDirective(const QString &file, int line, const QString &text, ReportLayout *layout,
        Target *target, std::optional<Use> *use);
    bool readBand(const QString &file, int line, const QString &text, ReportLayout *layout, Target *target);
    bool readUse(
        const QString &file, int line, const QString &text, const Target &target, std::optional<Use> *use);
    void place(const QString &file, const Use &use, const Target &target, ReportLayout *layout);
    const Block *block(const QString &name);
    void readBlock(const QString &file, const QStringList &lines, Block *block);

    static Row split(const QString &file, int line, const QString &text);
    // Turns a row into an element, the block's parameters put in first.
    bool element(const Row &row, const Use *use, const Block *block, ReportElement *element, bool *leftOut);
    void report(const QString &file, int line, int column, const QString &message);

    QString m_directory;
    QHash<QString, Block> m_blocks;
    QStringList m_problems;
};
