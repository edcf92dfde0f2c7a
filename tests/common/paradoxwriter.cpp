#include "paradoxwriter.h"

#include "data/schemas.h"
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

// pxlib declares its functions without C linkage.
extern "C" {
#include <paradox.h>
}

#include <cstring>
#include <iconv.h>

QList<ParadoxWriter::Column> ParadoxWriter::columnsOf(const TableSchema &schema)
{
    QList<Column> columns;
    for (const FieldDef &f : schema.fields) {
        if (f.type == FieldType::Text)
            columns.append({ f.name, pxfAlpha, f.size });
        else
            columns.append({ f.name, f.type == FieldType::Date ? pxfDate : pxfLong, 4 });
    }
    return columns;
}

ParadoxWriter::ParadoxWriter(
    const QString &path, const QList<Column> &columns, int codePage, int expectedRows)
    : m_path(path)
    , m_columns(columns)
    , m_encoder(iconv_open(("CP" + QByteArray::number(codePage)).constData(), "UTF-8"))
{
    QFile::remove(path);
    QFile::remove(memoPath());
    m_doc = PX_new();
    auto *fields = static_cast<pxfield_t *>(
        m_doc->malloc(m_doc, sizeof(pxfield_t) * size_t(columns.size()), "fields"));
    int width = 0;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const QByteArray name = encoded(columns.at(i).name);
        fields[i].px_fname = PX_strdup(m_doc, name.constData());
        fields[i].px_ftype = char(columns.at(i).type);
        fields[i].px_flen = columns.at(i).length;
        fields[i].px_fdc = 0;
        width += columns.at(i).length;
    }
    int created = -1;
    if (expectedRows > 0) {
        // pxlib's block size for this record width, and room for every block and the header.
        const int blockBytes = (width < 30 ? 2 : width < 120 ? 3 : 16) * 0x400;
        const qint64 perBlock = qMax(1, (blockBytes - 6) / qMax(1, width));
        m_memory.fill('\0', 0x10000 + columns.size() * 300 + (expectedRows / perBlock + 2) * blockBytes);
        m_stream = fmemopen(m_memory.data(), size_t(m_memory.size()), "w+");
        created
            = m_stream ? PX_create_fp(m_doc, fields, int(columns.size()), m_stream, pxfFileTypIndexDB) : -1;
    } else {
        created = PX_create_file(
            m_doc, fields, int(columns.size()), QFile::encodeName(path).constData(), pxfFileTypIndexDB);
    }
    if (created < 0) {
        PX_delete(m_doc);
        m_doc = nullptr;
        return;
    }
    PX_set_value(m_doc, "codepage", float(codePage));
    PX_set_value(m_doc, "numprimkeys", 1);
    m_record.resize(width);
}

ParadoxWriter::~ParadoxWriter()
{
    close();
    iconv_close(static_cast<iconv_t>(m_encoder));
}

void ParadoxWriter::close()
{
    if (!m_doc)
        return;
    const pxhead_t *head = m_doc->px_head;
    const qint64 size
        = qint64(head->px_headersize) + qint64(head->px_fileblocks) * head->px_maxtablesize * 0x400;
    PX_close(m_doc);
    PX_delete(m_doc);
    m_doc = nullptr;
    // The memo file in whole 4 KB blocks, as the older program leaves it: pxlib's writer stops at the
    // end of the last memo.
    QFile memos(memoPath());
    if (m_hasMemoFile && memos.size() % 4096 != 0)
        memos.resize((memos.size() / 4096 + 1) * 4096);
    if (!m_stream)
        return;
    std::fflush(m_stream);
    QFile file(m_path);
    if (file.open(QIODevice::WriteOnly))
        file.write(m_memory.constData(), qMin<qint64>(size, m_memory.size()));
    std::fclose(m_stream);
    m_stream = nullptr;
    m_memory.clear();
}

QString ParadoxWriter::memoPath() const
{
    const QFileInfo table(m_path);
    return table.dir().filePath(table.completeBaseName() + QStringLiteral(".MB"));
}

QByteArray ParadoxWriter::encoded(const QString &text) const
{
    const QByteArray utf8 = text.toUtf8();
    auto encoder = static_cast<iconv_t>(m_encoder);
    iconv(encoder, nullptr, nullptr, nullptr, nullptr);
    QByteArray out(utf8.size() + 1, '\0');
    char *in = const_cast<char *>(utf8.constData());
    size_t inLeft = size_t(utf8.size());
    char *outPtr = out.data();
    size_t outLeft = size_t(out.size());
    iconv(encoder, &in, &inLeft, &outPtr, &outLeft);
    out.truncate(outPtr - out.constData());
    return out;
}

bool ParadoxWriter::append(const QVariantList &values)
{
    if (!m_doc)
        return false;
    m_record.fill('\0');
    char *field = m_record.data();
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        const Column &column = m_columns.at(i);
        const QVariant v = values.value(i);
        const bool blank = v.isNull() || !v.isValid();
        switch (column.type) {
        case pxfAlpha:
            if (!blank) {
                const QByteArray bytes = encoded(v.toString());
                std::memcpy(field, bytes.constData(), size_t(qMin<qsizetype>(bytes.size(), column.length)));
            }
            break;
        case pxfLong:
            PX_put_data_long(m_doc, field, blank ? 0 : 4, v.toInt());
            break;
        case pxfShort:
            PX_put_data_short(m_doc, field, blank ? 0 : 2, short(v.toInt()));
            break;
        case pxfDate:
            PX_put_data_long(m_doc, field, blank ? 0 : 4,
                blank ? 0
                      : int(PX_GregorianToSdn(v.toDate().year(), v.toDate().month(), v.toDate().day())
                          - 1721425));
            break;
        case pxfNumber:
            PX_put_data_double(m_doc, field, blank ? 0 : 8, v.toDouble());
            break;
        case pxfLogical:
            PX_put_data_byte(m_doc, field, blank ? 0 : 1, v.toBool() ? 1 : 0);
            break;
        case pxfMemoBLOb:
            if (v.typeId() == QMetaType::QString) {
                // The memo file is made with the first memo that needs it.
                if (!m_hasMemoFile && PX_set_blob_file(m_doc, QFile::encodeName(memoPath()).constData()) < 0)
                    return false;
                m_hasMemoFile = true;
                QByteArray bytes = encoded(v.toString());
                if (PX_put_data_blob(m_doc, field, column.length, bytes.data(), int(bytes.size())) < 0)
                    return false;
                break;
            }
            // The memo's bytes as Paradox lays them in the record: its start, then where the rest is.
            std::memcpy(field, v.toByteArray().constData(),
                size_t(qMin<qsizetype>(v.toByteArray().size(), column.length)));
            break;
        default:
            break;
        }
        field += column.length;
    }
    return PX_put_record(m_doc, m_record.data()) >= 0;
}

QVariantList ParadoxWriter::row(const TableSchema &schema, const QHash<QString, QVariant> &values)
{
    QVariantList row(schema.fields.size());
    for (auto it = values.begin(); it != values.end(); ++it)
        row[schema.indexOf(it.key())] = it.value();
    return row;
}

QHash<QString, QList<QVariantList>> ParadoxWriter::writeBase(const QString &directory, int codePage)
{
    // The Arabic code page has the French small letters with accents, not the capitals.
    const auto t = [codePage](const char *text) {
        const QString s = QString::fromUtf8(text);
        return codePage == 1256 ? s.toLower() : s;
    };
    const QString name = codePage == 1256 ? QStringLiteral("بن علي") : t("MÈRE-ÉLOÏSE");
    const QString first = t("SARL ÉTOILE D'ALGÉRIE");
    const QString second = t("EURL ÇA VA");
    QHash<QString, QList<QVariantList>> rows;
    const TableSchema &e = Schemas::employeur();
    rows[e.name] = { row(e, { { "Nom_orga", second } }),
        row(e,
            { { "Nom_orga", first }, { "Adrs_orga", t("12, rue des Frères") },
                { "Date_marche", QDate(1965, 3, 1) }, { "Nb_et", 3 }, { "Nb_al", 0 }, { "Nb_t", -2 } }) };
    const TableSchema &c = Schemas::contact();
    rows[c.name] = { row(c, { { "nom_orga", second }, { "Projet", t("Gare") } }),
        row(c,
            { { "nom_orga", first }, { "Projet", t("Château d'eau") }, { "date_nais_c", QDate(1950, 12, 31) },
                { "degre", 45 } }) };
    const TableSchema &a = Schemas::accord();
    rows[a.name] = { row(a,
                         { { "Num", 1 }, { "nom_orga", first }, { "poste", t("Ingénieur") },
                             { "Algériens", 5 }, { "étrangers", 2 } }),
        row(a, { { "Num", 2 }, { "nom_orga", first } }) };
    const TableSchema &x = Schemas::expatries();
    rows[x.name] = { row(x,
                         { { "Num_Ordre", 1 }, { "Nom_orga", first }, { "Nom", name },
                             { "Prenom", t("José") }, { "Date_nais", QDate(1948, 7, 14) },
                             { "Refugie_politique", t("NON") }, { "Duree", 24 } }),
        row(x, { { "Num_Ordre", 2 }, { "Nom", t("À BLANC") } }) };
    for (const TableSchema *schema : Schemas::all()) {
        const QString file = schema->name == QLatin1String("Employeur")
            ? QStringLiteral("EMPLOYEUR.DB")
            : schema->name + QStringLiteral(".DB");
        ParadoxWriter writer(QDir(directory).filePath(file), columnsOf(*schema), codePage);
        for (const QVariantList &values : rows.value(schema->name))
            writer.append(values);
    }
    QFile index(QDir(directory).filePath(QStringLiteral("Expatries.PX")));
    if (index.open(QIODevice::WriteOnly))
        index.write(QByteArray(2048, '\0'));
    return rows;
}
