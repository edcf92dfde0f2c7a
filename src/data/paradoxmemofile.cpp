#include "data/paradoxmemofile.h"

#include <QDir>

namespace {

constexpr qint64 BlockSize = 4096;
// A block of its own: type, count of 4 KB blocks (2), memo length (4), modification (2), then the memo.
constexpr qint64 SingleHeader = 9;
constexpr int SingleType = 2;
// A shared block: 12 bytes, then a table of 64 entries of 5 bytes (data offset and length in 16-byte
// units, modification (2), length past the last whole unit), then the memos, each at its offset.
constexpr qint64 SharedTable = 12;
constexpr qint64 EntrySize = 5;
constexpr int Entries = 64;
constexpr qint64 SharedData = SharedTable + Entries * EntrySize;
constexpr int SharedType = 3;
constexpr int HeaderType = 0;
constexpr int FreeType = 4;
constexpr quint32 OwnBlock = 0xFF;

quint32 littleEndian(const QByteArray &bytes, qsizetype at, int count)
{
    quint32 value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

} // namespace

bool ParadoxMemoFile::open(const QString &path)
{
    close();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_problem = QStringLiteral("le fichier de mémos « %1 » ne peut pas être ouvert (%2)")
                        .arg(QDir::toNativeSeparators(path), m_file.errorString());
        return false;
    }
    m_size = m_file.size();
    QByteArray head;
    // The header block, whose first byte is its type, fills the first 4 KB.
    if (m_size < BlockSize || !readAt(0, 1, &head) || head.at(0) != HeaderType) {
        damaged(QStringLiteral("en-tête absent ou illisible"));
        m_file.close();
        return false;
    }
    return true;
}

void ParadoxMemoFile::close()
{
    m_file.close();
    m_size = 0;
    m_problem.clear();
}

bool ParadoxMemoFile::damaged(const QString &why)
{
    m_problem = QStringLiteral("le fichier de mémos « %1 » est endommagé (%2)")
                    .arg(QDir::toNativeSeparators(m_file.fileName()), why);
    return false;
}

bool ParadoxMemoFile::mismatched(const QString &why)
{
    m_problem = QStringLiteral("le fichier de mémos « %1 » ne correspond pas à la table (%2)")
                    .arg(QDir::toNativeSeparators(m_file.fileName()), why);
    return false;
}

bool ParadoxMemoFile::readAt(qint64 offset, qint64 length, QByteArray *data)
{
    if (offset < 0 || length < 0 || offset + length > m_size || !m_file.seek(offset))
        return false;
    *data = m_file.read(length);
    return data->size() == length;
}

bool ParadoxMemoFile::read(quint32 place, quint32 size, QByteArray *data)
{
    data->clear();
    if (!m_file.isOpen())
        return false; // problem() says why since open()
    const qint64 offset = place & 0xFFFFFF00u;
    const quint32 index = place & 0xFFu;
    const qint64 length = size;
    const QString truncated = QStringLiteral("le mémo dépasse la fin du fichier, qui est tronqué");
    if (offset < BlockSize)
        return damaged(QStringLiteral("le mémo serait dans l'en-tête"));
    if (offset % BlockSize != 0)
        return damaged(QStringLiteral("le mémo est annoncé hors du début d'un bloc"));
    if (offset >= m_size)
        return damaged(QStringLiteral("le mémo est annoncé au-delà de la fin du fichier"));
    QByteArray head;
    if (!readAt(offset, 1, &head))
        return damaged(truncated);
    switch (static_cast<unsigned char>(head.at(0))) {
    case SingleType: {
        if (!readAt(offset, SingleHeader, &head))
            return damaged(truncated);
        if (index != OwnBlock)
            return mismatched(QStringLiteral("le mémo est annoncé dans un bloc partagé"));
        const qint64 stored = littleEndian(head, 3, 4);
        if (stored != length)
            return mismatched(QStringLiteral("mémo de %1 octets au lieu de %2").arg(stored).arg(length));
        if (qint64(littleEndian(head, 1, 2)) * BlockSize < SingleHeader + length)
            return damaged(QStringLiteral("le mémo déborde de ses blocs"));
        return readAt(offset + SingleHeader, length, data) || damaged(truncated);
    }
    case SharedType: {
        if (index >= Entries)
            return mismatched(QStringLiteral("emplacement n° %1 d'une table de %2").arg(index).arg(Entries));
        QByteArray entry;
        if (!readAt(offset + SharedTable + index * EntrySize, EntrySize, &entry))
            return damaged(truncated);
        const qint64 start = qint64(static_cast<unsigned char>(entry.at(0))) * 16;
        const qint64 units = static_cast<unsigned char>(entry.at(1));
        const qint64 rest = static_cast<unsigned char>(entry.at(4));
        if (start == 0)
            return mismatched(QStringLiteral("l'emplacement du mémo est vide"));
        // The length past the last whole unit runs from 1 to 16; 0 is taken as a whole last unit.
        if (units == 0 || rest > 16)
            return damaged(QStringLiteral("table du bloc partagé incohérente"));
        const qint64 stored = (units - 1) * 16 + (rest == 0 ? 16 : rest);
        if (stored != length)
            return mismatched(QStringLiteral("mémo de %1 octets au lieu de %2").arg(stored).arg(length));
        if (start < SharedData || start + length > BlockSize)
            return damaged(QStringLiteral("le mémo sort de son bloc"));
        return readAt(offset + start, length, data) || damaged(truncated);
    }
    case FreeType:
        return mismatched(QStringLiteral("le mémo est annoncé dans un bloc libre"));
    default:
        return damaged(QStringLiteral("le mémo est annoncé dans un bloc de type %1")
                           .arg(static_cast<unsigned char>(head.at(0))));
    }
}
