#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The memo file (.MB) beside a Paradox table, read with our own code and only for reading: 4 KB
// blocks, the first its header, then blocks that each hold one memo and blocks shared by up to 64
// small memos through a table at their start. Each place a record points to is checked against the
// file before anything is read, so that a damaged file or one that belongs to another table gives a
// reason (in French, naming the file) rather than another memo's bytes.
class ParadoxMemoFile
{
public:
    // False when the file cannot be opened or is no memo file; problem() says why.
    bool open(const QString &path);
    void close();
    QString path() const { return m_file.fileName(); }
    QString problem() const { return m_problem; }

    // The memo that a record's field points to: `place` is the field's offset word (block offset in
    // the high 24 bits, index in the shared block's table in the low 8, 0xFF for a block of its own),
    // `size` its length in bytes. False with problem() set when it cannot be read.
    bool read(quint32 place, quint32 size, QByteArray *data);

private:
    bool damaged(const QString &why);
    bool mismatched(const QString &why);
    bool readAt(qint64 offset, qint64 length, QByteArray *data);

    QFile m_file;
    qint64 m_size = 0;
    QString m_problem;
};
