#pragma once

#include "data/paradoxmemofile.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <cstdio>

struct px_doc;

// One table of the older program, a Paradox file read through pxlib: its columns, and its records one
// by one, text turned to UTF-8 from the code page the file's header names, memo text taken from the
// companion .MB file (ParadoxMemoFile). Both files are opened for reading only. Problems with the table
// are reported by return value with a French message naming the file in lastError(); a memo that
// cannot be read leaves its value blank and is said in unreadable(), the rest of the record read.
class ParadoxFile
{
public:
    // What a column holds, as the program reads it.
    enum class Kind { Text, Memo, Integer, Number, Logical, Date, Time, Timestamp, Binary };
    struct Column
    {
        QString name;
        Kind kind = Kind::Text;
        int size = 0; // bytes in the record (the declared width of a text column)
    };

    ParadoxFile();
    ~ParadoxFile();
    ParadoxFile(const ParadoxFile &) = delete;
    ParadoxFile &operator=(const ParadoxFile &) = delete;

    // Whether the file begins with a Paradox table header (the engine's own files begin otherwise).
    static bool isParadox(const QString &path);

    bool open(const QString &path);
    void close();
    QString path() const { return m_path; }
    const QList<Column> &columns() const { return m_columns; }
    int codePage() const { return m_codePage; }
    int recordCount() const { return m_recordCount; }
    // Record `index` (from 0), one value per column, null for a blank: QString (text, memo), qint32
    // (integer), double (number), bool (logical), QDate, QTime, QDateTime, QByteArray (binary).
    bool read(int index, QVariantList *values);
    // The columns of the record last read whose value could not be read (a memo whose memo file is
    // missing, damaged or another table's), each with why, naming the memo file; their values are null.
    const QHash<int, QString> &unreadable() const { return m_unreadable; }

    QString lastError() const { return m_lastError; }

private:
    static void onError(px_doc *doc, int level, const char *message, void *self);
    bool fail(const QString &message);
    bool wholeFile();
    bool checkHeader();
    bool openText();
    bool openMemos();
    QString text(const char *bytes, qsizetype length) const;
    QVariant value(qsizetype index, char *field);
    QVariant memo(qsizetype index, const char *field, int length);

    px_doc *m_doc = nullptr;
    FILE *m_stream = nullptr; // the table, opened here for reading: pxlib's own open asks for writing
    void *m_decoder = nullptr; // iconv descriptor from the file's code page to UTF-8
    QString m_path;
    QList<Column> m_columns;
    QList<int> m_types; // pxlib's type of each column
    QList<int> m_decimals; // the digits after the point of each BCD column
    QByteArray m_record;
    int m_codePage = 0;
    int m_recordCount = 0;
    bool m_hasMemos = false;
    ParadoxMemoFile m_memos;
    QString m_memosMissing; // why memos outside their records cannot be read when there is no memo file
    QHash<int, QString> m_unreadable;
    QString m_libraryError;
    QString m_lastError;
};
