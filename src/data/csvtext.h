#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Tables as French spreadsheets open them: UTF-8 with a byte-order mark, fields separated by
// ";", lines ended by CR LF; a field holding a separator, a double quote or a line break is put
// in double quotes, its quotes doubled.
namespace CsvText {

QByteArray table(const QStringList &header, const QList<QStringList> &rows);

// Writes the bytes to the file whole or not at all; false with a French message naming the file
// in *error.
bool save(const QString &path, const QByteArray &bytes, QString *error);

} // namespace CsvText
