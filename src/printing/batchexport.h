#pragma once

#include <QList>
#include <QString>

class DataModule;
class QTextStream;
class ReportDocument;

// What the exports without a window share: opening the tables, saying things on standard error,
// and writing a set of files into OUT all together or not at all.
namespace BatchExport {

// One file to write: its name inside OUT and what goes in it.
struct OutputFile
{
    QString name;
    const ReportDocument *document;
};

// Runs the activation on the data directory; false (said on `errors`) when it fails.
bool open(DataModule &data, const QString &baseDirectory, QTextStream &errors);
// A message as the terminal shows it: one line after "velmora: ", its line breaks and the runs of
// blanks that lay it out in a window made single blanks; empty when nothing is left of it.
QString terminalLine(const QString &text);
// Says a message on `errors` as terminalLine() writes it.
void say(QTextStream &errors, const QString &text);
// The message for a form whose layout is not there.
QString missingForm(const QString &form);
// Writes every file into OUT, which is created only now: first into a temporary folder inside OUT,
// then moved into place once all are written. False, said on `errors` with the file and the
// reason, when one cannot be written: then none is, and an OUT made for them is removed.
bool writeAll(const QList<OutputFile> &files, const QString &outputDirectory, QTextStream &errors);
// 0 when OUT/<form>.pdf is written; 1, said on `errors`, when the form is missing or the file
// cannot be written.
int write(
    const ReportDocument &document, const QString &form, const QString &outputDirectory, QTextStream &errors);

} // namespace BatchExport
