#include "data/paradoxfile.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTime>

// pxlib declares its functions without C linkage.
extern "C" {
#include <paradox.h>
}

#include <cerrno>
#include <iconv.h>

namespace {

// Paradox dates count days from 1 January of year 1; the serial day numbers of pxlib's calendar
// functions count from 24 November 4714 BC.
constexpr long SerialDayOfYearOne = 1721425;
constexpr double MillisecondsPerDay = 86400000.0;

// A four-byte integer as Paradox stores it: big-endian, sign bit inverted, all zero for a blank.
// (pxlib's own reader compares eight bytes of its four-byte buffer on 64-bit systems, so that a blank
// can read as a value.)
bool readLong(const char *field, qint32 *value)
{
    const auto *b = reinterpret_cast<const unsigned char *>(field);
    const quint32 raw = (quint32(b[0]) << 24) | (quint32(b[1]) << 16) | (quint32(b[2]) << 8) | quint32(b[3]);
    if (raw == 0)
        return false;
    *value = static_cast<qint32>(raw ^ 0x80000000u);
    return true;
}

QDate dateOfDay(long day)
{
    int year = 0;
    int month = 0;
    int dayOfMonth = 0;
    PX_SdnToGregorian(day + SerialDayOfYearOne, &year, &month, &dayOfMonth);
    return QDate(year, month, dayOfMonth);
}

ParadoxFile::Kind kindOf(int type)
{
    switch (type) {
    case pxfAlpha:
        return ParadoxFile::Kind::Text;
    case pxfMemoBLOb:
    case pxfFmtMemoBLOb:
        return ParadoxFile::Kind::Memo;
    case pxfShort:
    case pxfLong:
    case pxfAutoInc:
        return ParadoxFile::Kind::Integer;
    case pxfNumber:
    case pxfCurrency:
    case pxfBCD:
        return ParadoxFile::Kind::Number;
    case pxfLogical:
        return ParadoxFile::Kind::Logical;
    case pxfDate:
        return ParadoxFile::Kind::Date;
    case pxfTime:
        return ParadoxFile::Kind::Time;
    case pxfTimestamp:
        return ParadoxFile::Kind::Timestamp;
    default:
        return ParadoxFile::Kind::Binary;
    }
}

} // namespace

ParadoxFile::ParadoxFile() = default;

ParadoxFile::~ParadoxFile()
{
    close();
}

bool ParadoxFile::isParadox(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(6);
    if (head.size() < 6)
        return false;
    const auto *b = reinterpret_cast<const unsigned char *>(head.constData());
    const int recordSize = b[0] | (b[1] << 8);
    const int headerSize = b[2] | (b[3] << 8);
    const int fileType = b[4];
    const int blockKilobytes = b[5];
    // A table (indexed or not), its header a whole number of 2 KB units, blocks of 1 to 32 KB.
    return recordSize > 0 && headerSize > 0 && headerSize % 0x800 == 0
        && (fileType == pxfFileTypIndexDB || fileType == pxfFileTypNonIndexDB) && blockKilobytes >= 1
        && blockKilobytes <= 32;
}

// The header's block count against the file's size, read before pxlib walks the blocks: a copy cut
// short is refused without reading past its end.
bool ParadoxFile::wholeFile()
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Le fichier « %1 » ne peut pas être ouvert.")
                        .arg(QDir::toNativeSeparators(m_path)));
    const QByteArray head = file.read(18);
    const auto *b = reinterpret_cast<const unsigned char *>(head.constData());
    const qint64 headerSize = b[2] | (b[3] << 8);
    const qint64 blockSize = qint64(b[5]) * 0x400;
    const qint64 blocks = b[12] | (b[13] << 8);
    if (head.size() < 18 || file.size() < headerSize + blocks * blockSize)
        return fail(
            QStringLiteral("Le fichier « %1 » est endommagé (fichier tronqué) : il ne peut pas être lu.")
                .arg(QDir::toNativeSeparators(m_path)));
    return true;
}

void ParadoxFile::onError(px_doc *, int level, const char *message, void *self)
{
    if (level != PX_Warning && self && message)
        static_cast<ParadoxFile *>(self)->m_libraryError = QString::fromLocal8Bit(message).trimmed();
}

bool ParadoxFile::fail(const QString &message)
{
    m_lastError = message;
    return false;
}

bool ParadoxFile::open(const QString &path)
{
    close();
    m_path = path;
    const QString shown = QDir::toNativeSeparators(path);
    if (!isParadox(path))
        return fail(QStringLiteral("Le fichier « %1 » n'est pas une table Paradox lisible.").arg(shown));
    if (!wholeFile())
        return false;
    m_doc = PX_new3(&ParadoxFile::onError, nullptr, nullptr, nullptr, this);
    if (!m_doc)
        return fail(QStringLiteral("Mémoire insuffisante pour lire « %1 ».").arg(shown));
    // Opened here for reading only: pxlib's PX_open_file asks for writing as well, which a copy on a
    // read-only medium refuses.
    m_stream = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!m_stream) {
        close();
        m_path = path;
        return fail(QStringLiteral("Le fichier « %1 » ne peut pas être ouvert.").arg(shown));
    }
    if (PX_open_fp(m_doc, m_stream) < 0) {
        const QString why = m_libraryError;
        close();
        m_path = path;
        return fail(
            QStringLiteral("Le fichier « %1 » n'est pas une table Paradox lisible (%2).").arg(shown, why));
    }
    if (!checkHeader() || !openText() || !openMemos()) {
        const QString why = m_lastError;
        close();
        m_path = path;
        return fail(why);
    }
    return true;
}

void ParadoxFile::close()
{
    if (m_doc)
        PX_delete(m_doc);
    m_doc = nullptr;
    // pxlib leaves a stream it was handed open.
    if (m_stream)
        std::fclose(m_stream);
    m_stream = nullptr;
    m_memos.close();
    m_memosMissing.clear();
    m_unreadable.clear();
    if (m_decoder)
        iconv_close(static_cast<iconv_t>(m_decoder));
    m_decoder = nullptr;
    m_columns.clear();
    m_types.clear();
    m_decimals.clear();
    m_record.clear();
    m_recordCount = 0;
    m_codePage = 0;
    m_hasMemos = false;
    m_libraryError.clear();
}

// The header agrees with itself and with the file's size: a copy cut short or a header overwritten
// is refused before any record is read.
bool ParadoxFile::checkHeader()
{
    const pxhead_t *head = m_doc->px_head;
    const QString shown = QDir::toNativeSeparators(m_path);
    const auto damaged = [&](const QString &why) {
        return fail(
            QStringLiteral("Le fichier « %1 » est endommagé (%2) : il ne peut pas être lu.").arg(shown, why));
    };
    if (head->px_encryption != 0)
        return fail(
            QStringLiteral("Le fichier « %1 » est protégé par un mot de passe : il ne peut pas être lu.")
                .arg(shown));
    if (head->px_numfields <= 0 || !head->px_fields)
        return damaged(QStringLiteral("aucune colonne"));
    int width = 0;
    for (int i = 0; i < head->px_numfields; ++i)
        width += head->px_fields[i].px_flen;
    if (width != head->px_recordsize || head->px_numrecords < 0)
        return damaged(QStringLiteral("en-tête incohérent"));
    // The records the blocks hold, as pxlib counted them on opening, against the header's count.
    qint64 inBlocks = 0;
    const auto *blocks = static_cast<const pxpindex_t *>(m_doc->px_indexdata);
    for (int i = 0; blocks && i < m_doc->px_indexdatalen; ++i)
        inBlocks += blocks[i].numrecords;
    if (inBlocks != head->px_numrecords)
        return damaged(
            QStringLiteral("%1 enregistrements annoncés, %2 trouvés").arg(head->px_numrecords).arg(inBlocks));
    m_recordCount = head->px_numrecords;
    m_record.resize(head->px_recordsize);
    return true;
}

bool ParadoxFile::openText()
{
    // A file written without a code page is taken as Windows Western European, the usual one.
    m_codePage = m_doc->px_head->px_doscodepage > 0 ? m_doc->px_head->px_doscodepage : 1252;
    const QByteArray name = "CP" + QByteArray::number(m_codePage);
    iconv_t decoder = iconv_open("UTF-8", name.constData());
    if (decoder == reinterpret_cast<iconv_t>(-1))
        return fail(QStringLiteral("Le fichier « %1 » est écrit dans la page de code %2, que ce système ne "
                                   "sait pas lire.")
                        .arg(QDir::toNativeSeparators(m_path))
                        .arg(m_codePage));
    m_decoder = decoder;
    const pxhead_t *head = m_doc->px_head;
    for (int i = 0; i < head->px_numfields; ++i) {
        const pxfield_t &f = head->px_fields[i];
        const char *name = f.px_fname ? f.px_fname : "";
        const int type = static_cast<unsigned char>(f.px_ftype);
        m_columns.append({ text(name, qsizetype(qstrlen(name))), kindOf(type), f.px_flen });
        m_types.append(type);
        m_decimals.append(f.px_fdc);
        m_hasMemos = m_hasMemos || kindOf(type) == Kind::Memo;
    }
    return true;
}

// The memo file beside the table (same name, .MB, letters in any case), opened when a column needs
// it. Without it, or with one that cannot be read, memos short enough to sit in their records are
// still read; the others are left blank and said unreadable.
bool ParadoxFile::openMemos()
{
    if (!m_hasMemos)
        return true;
    const QFileInfo table(m_path);
    const QString wanted = table.completeBaseName() + QStringLiteral(".MB");
    const QStringList entries = table.dir().entryList(QDir::Files);
    for (const QString &entry : entries) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0) {
            m_memos.open(table.dir().filePath(entry));
            return true;
        }
    }
    m_memosMissing = QStringLiteral("le fichier de mémos « %1 » est absent")
                         .arg(QDir::toNativeSeparators(table.dir().filePath(wanted)));
    return true;
}

QString ParadoxFile::text(const char *bytes, qsizetype length) const
{
    const qsizetype end = qstrnlen(bytes, size_t(length));
    if (end == 0)
        return {};
    auto decoder = static_cast<iconv_t>(m_decoder);
    iconv(decoder, nullptr, nullptr, nullptr, nullptr);
    QByteArray out(end * 4 + 4, Qt::Uninitialized);
    char *in = const_cast<char *>(bytes);
    size_t inLeft = size_t(end);
    char *outPtr = out.data();
    size_t outLeft = size_t(out.size());
    while (inLeft > 0) {
        if (iconv(decoder, &in, &inLeft, &outPtr, &outLeft) != size_t(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            break;
        // A byte the code page leaves undefined: shown as the replacement character, not dropped.
        if (outLeft < 3)
            break;
        memcpy(outPtr, "\xEF\xBF\xBD", 3);
        outPtr += 3;
        outLeft -= 3;
        ++in;
        --inLeft;
    }
    return QString::fromUtf8(out.constData(), outPtr - out.constData());
}

bool ParadoxFile::read(int index, QVariantList *values)
{
    values->clear();
    m_unreadable.clear();
    m_lastError.clear();
    const QString shown = QDir::toNativeSeparators(m_path);
    if (!m_doc || index < 0 || index >= m_recordCount)
        return fail(
            QStringLiteral("Le fichier « %1 » n'a pas d'enregistrement n° %2.").arg(shown).arg(index + 1));
    m_libraryError.clear();
    if (!PX_get_record(m_doc, index, m_record.data()))
        return fail(QStringLiteral("L'enregistrement n° %1 du fichier « %2 » est illisible (%3).")
                        .arg(index + 1)
                        .arg(shown, m_libraryError));
    int offset = 0;
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        const Column &column = m_columns.at(i);
        values->append(value(i, m_record.data() + offset));
        if (!m_lastError.isEmpty())
            return false;
        offset += column.size;
    }
    return true;
}

QVariant ParadoxFile::value(qsizetype index, char *field)
{
    const Column &column = m_columns.at(index);
    switch (m_types.at(index)) {
    case pxfAlpha: {
        const QString s = text(field, column.size);
        return s.isEmpty() ? QVariant() : QVariant(s);
    }
    case pxfShort: {
        short n = 0;
        return PX_get_data_short(m_doc, field, 2, &n) > 0 ? QVariant(qint32(n)) : QVariant();
    }
    case pxfLong:
    case pxfAutoInc: {
        qint32 n = 0;
        return readLong(field, &n) ? QVariant(n) : QVariant();
    }
    case pxfDate: {
        qint32 day = 0;
        return readLong(field, &day) ? QVariant(dateOfDay(day)) : QVariant();
    }
    case pxfTime: {
        qint32 ms = 0;
        return readLong(field, &ms) ? QVariant(QTime::fromMSecsSinceStartOfDay(ms)) : QVariant();
    }
    case pxfNumber:
    case pxfCurrency: {
        double d = 0;
        return PX_get_data_double(m_doc, field, 8, &d) > 0 ? QVariant(d) : QVariant();
    }
    case pxfTimestamp: {
        double ms = 0;
        if (PX_get_data_double(m_doc, field, 8, &ms) <= 0)
            return {};
        const auto days = long(ms / MillisecondsPerDay);
        const auto rest = int(ms - double(days) * MillisecondsPerDay);
        return QDateTime(dateOfDay(days), QTime::fromMSecsSinceStartOfDay(rest));
    }
    case pxfBCD: {
        char *digits = nullptr;
        // pxlib checks the digits after the point the column declares, not its width.
        if (PX_get_data_bcd(m_doc, reinterpret_cast<unsigned char *>(field), m_decimals.at(index), &digits)
            <= 0)
            return {};
        QString s = QString::fromLatin1(digits);
        m_doc->free(m_doc, digits);
        return s.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    }
    case pxfLogical: {
        char b = 0;
        return PX_get_data_byte(m_doc, field, 1, &b) > 0 ? QVariant(b != 0) : QVariant();
    }
    case pxfMemoBLOb:
    case pxfFmtMemoBLOb:
        return memo(index, field, column.size);
    default: {
        const QByteArray raw(field, column.size);
        return raw.count('\0') == raw.size() ? QVariant() : QVariant(raw);
    }
    }
}

// A memo field of `length` bytes: its first length - 10 bytes are the start of the memo (the whole
// memo when it is that short), then the place of the whole memo in the memo file (4 bytes), its size
// (4 bytes) and its modification number (2 bytes), little-endian.
QVariant ParadoxFile::memo(qsizetype index, const char *field, int length)
{
    const QByteArray raw(field, length);
    if (raw.count('\0') == raw.size())
        return {};
    const int leader = length - 10;
    if (leader < 0) {
        m_unreadable.insert(int(index),
            QStringLiteral("le champ de mémo n'a que %1 octets dans la table « %2 »")
                .arg(length)
                .arg(QDir::toNativeSeparators(m_path)));
        return {};
    }
    const auto word = [&](int at) {
        quint32 value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | static_cast<unsigned char>(raw.at(at + i));
        return value;
    };
    const quint32 place = word(leader);
    const quint32 size = word(leader + 4);
    if (size == 0)
        return {};
    QByteArray data;
    if (size <= quint32(leader)) {
        data = raw.left(size);
    } else if (!m_memos.read(place, size, &data)) {
        m_unreadable.insert(int(index), m_memos.problem().isEmpty() ? m_memosMissing : m_memos.problem());
        return {};
    }
    const QString s = text(data.constData(), data.size());
    return s.isEmpty() ? QVariant() : QVariant(s);
}
