#pragma once

#include "data/fielddef.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <cstdio>

struct px_doc;

// Writes a Paradox table with pxlib's writer, the way the older program's files are laid out, for the
// tests and benchmarks of the import: text encoded in the chosen code page, blanks as Paradox keeps them.
class ParadoxWriter
{
public:
    struct Column
    {
        QString name;
        int type = 0; // pxlib's field type (pxfAlpha, pxfLong, pxfDate, pxfNumber, pxfLogical, pxfMemoBLOb…)
        int length = 0; // bytes in the record; the width of an alpha column
    };

    // The columns the older program gave a layout: alpha of the field's width, long integers, dates.
    static QList<Column> columnsOf(const TableSchema &schema);
    // A row of the layout: the named values in their places, blanks elsewhere.
    static QVariantList row(const TableSchema &schema, const QHash<QString, QVariant> &values);
    // A small old base in `directory`: the four tables (and an index file beside one), two rows
    // each, with accents (Arabic as well in code page 1256), blanks and dates before 1970. Returns
    // the rows written, by table name, in layout order.
    static QHash<QString, QList<QVariantList>> writeBase(const QString &directory, int codePage = 1252);

    // With `expectedRows`, the table is built in memory and written out on close: pxlib's writer
    // fills each new block one byte at a time through the file, which takes minutes for a large table.
    ParadoxWriter(
        const QString &path, const QList<Column> &columns, int codePage = 1252, int expectedRows = 0);
    ~ParadoxWriter();
    ParadoxWriter(const ParadoxWriter &) = delete;
    ParadoxWriter &operator=(const ParadoxWriter &) = delete;

    bool isOpen() const { return m_doc != nullptr; }
    // One record, values in column order: QString, int, double, bool, QDate, or null for a blank; a
    // memo column takes its text (QString), which pxlib's writer keeps in the record when it is short
    // enough and otherwise puts in the memo file beside the table (same name, .MB), or the record's
    // bytes as they stand (QByteArray).
    bool append(const QVariantList &values);
    // Writes the header and closes the file (done by the destructor as well).
    void close();

private:
    QByteArray encoded(const QString &text) const;
    QString memoPath() const;

    px_doc *m_doc = nullptr;
    QString m_path;
    QByteArray m_memory; // the table being built, with expectedRows
    FILE *m_stream = nullptr;
    QList<Column> m_columns;
    void *m_encoder = nullptr; // iconv descriptor from UTF-8 to the code page
    QByteArray m_record;
    bool m_hasMemoFile = false;
};
