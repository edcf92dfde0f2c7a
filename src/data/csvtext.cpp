#include "data/csvtext.h"

#include <QDir>
#include <QSaveFile>

#include <algorithm>

namespace CsvText {

namespace {

QString field(const QString &text)
{
    static const QString special = QStringLiteral(";\"\r\n");
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return special.contains(c); }))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray line(const QStringList &fields)
{
    QStringList written;
    written.reserve(fields.size());
    for (const QString &text : fields)
        written << field(text);
    return written.join(QLatin1Char(';')).toUtf8() + "\r\n";
}

} // namespace

QByteArray table(const QStringList &header, const QList<QStringList> &rows)
{
    QByteArray bytes("\xEF\xBB\xBF");
    bytes += line(header);
    for (const QStringList &row : rows)
        bytes += line(row);
    return bytes;
}

bool save(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error
            = QStringLiteral("Le fichier « %1 » ne peut pas être écrit : %2").arg(shown, file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        *error
            = QStringLiteral("Le fichier « %1 » ne peut pas être écrit : %2").arg(shown, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace CsvText
