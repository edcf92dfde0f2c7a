#include "printing/batchexport.h"

#include "data/activation.h"
#include "forms/reportdocument.h"
#include "printing/pdfoutput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

namespace BatchExport {

namespace {

// The files already written into the staging folder go into OUT; false when one cannot move.
bool moveIntoPlace(const QStringList &names, const QDir &staging, const QDir &out, QTextStream &errors)
{
    for (const QString &name : names) {
        const QString target = out.filePath(name);
        if (QFileInfo::exists(target) && !QFile::remove(target)) {
            say(errors, PdfOutput::failure(target, PdfOutput::reason(target, QString())));
            return false;
        }
        QFile staged(staging.filePath(name));
        if (!staged.rename(target)) {
            say(errors, PdfOutput::failure(target, PdfOutput::reason(target, staged.errorString())));
            return false;
        }
    }
    return true;
}

// Before anything is written: a folder standing where a file goes fails the whole set.
bool targetsFree(const QList<OutputFile> &files, const QDir &out, QTextStream &errors)
{
    for (const OutputFile &file : files) {
        const QString target = out.filePath(file.name);
        if (QFileInfo(target).isDir()) {
            say(errors, PdfOutput::failure(target, PdfOutput::reason(target, QString())));
            return false;
        }
    }
    return true;
}

bool writeStaged(const QList<OutputFile> &files, const QDir &staging, const QDir &out, QTextStream &errors)
{
    QStringList names;
    for (const OutputFile &file : files) {
        QString error;
        if (!file.document->writePdf(staging.filePath(file.name), &error)) {
            const QString target = out.filePath(file.name);
            say(errors, PdfOutput::failure(target, PdfOutput::reason(target, error)));
            return false;
        }
        names << file.name;
    }
    return moveIntoPlace(names, staging, out, errors);
}

} // namespace

bool open(DataModule &data, const QString &baseDirectory, QTextStream &errors)
{
    const Activation::Result opened = Activation::run(data, baseDirectory);
    if (!opened.ok)
        say(errors, opened.error);
    return opened.ok;
}

QString terminalLine(const QString &text)
{
    // The line breaks and the runs of blanks that lay a message box out become one blank; a single
    // or double blank, as in a file's name, is kept.
    static const QRegularExpression layout(QStringLiteral("\\s*[\\r\\n]+\\s*|\\s{3,}"));
    const QString prefix = QStringLiteral("velmora: ");
    const QString line = QString(text).replace(layout, QStringLiteral(" ")).trimmed();
    if (line.isEmpty() || line.startsWith(prefix))
        return line;
    return prefix + line;
}

void say(QTextStream &errors, const QString &text)
{
    const QString line = terminalLine(text);
    if (!line.isEmpty())
        errors << line << Qt::endl;
}

QString missingForm(const QString &form)
{
    return QStringLiteral("Formulaire « %1 » pas encore disponible : il n'a pas été produit.").arg(form);
}

bool writeAll(const QList<OutputFile> &files, const QString &outputDirectory, QTextStream &errors)
{
    const bool existed = QFileInfo::exists(outputDirectory);
    if (!QDir().mkpath(outputDirectory)) {
        say(errors,
            QStringLiteral("Le dossier de sortie « %1 » ne peut pas être créé.")
                .arg(QDir::toNativeSeparators(outputDirectory)));
        return false;
    }
    const QDir out(outputDirectory);
    bool written = false;
    if (targetsFree(files, out, errors)) {
        QTemporaryDir staging(out.filePath(QStringLiteral(".velmora-XXXXXX")));
        if (!staging.isValid()) {
            const QString target = out.filePath(files.isEmpty() ? QString() : files.first().name);
            say(errors, PdfOutput::failure(target, PdfOutput::reason(target, staging.errorString())));
        } else {
            written = writeStaged(files, QDir(staging.path()), out, errors);
        }
    }
    if (!written && !existed)
        out.rmdir(out.absolutePath());
    return written;
}

int write(
    const ReportDocument &document, const QString &form, const QString &outputDirectory, QTextStream &errors)
{
    if (document.pageCount() == 0) {
        say(errors, missingForm(form));
        return 1;
    }
    return writeAll({ { form + QStringLiteral(".pdf"), &document } }, outputDirectory, errors) ? 0 : 1;
}

} // namespace BatchExport
