#pragma once

#include "forms/reportdocument.h"

#include <QString>

// What every PDF the program writes shares: the metadata people read, file names a file system
// accepts, and the French account of a file that could not be written.
namespace PdfOutput {

// "VELMORA" and its version, the creator of every PDF.
QString creator();
// The metadata of a document about `who` (a worker or an employer), made by `employer`.
ReportDocument::PdfInfo info(const QString &title, const QString &who, const QString &employer);
// The name with every character a file system refuses replaced by "_", trimmed; "document" when
// nothing is left.
QString safeFileName(const QString &name);
// Why writing `path` failed, in French; `systemError` is what the system said.
QString reason(const QString &path, const QString &systemError);
// "Le fichier « path » n'a pas pu être écrit : <reason>".
QString failure(const QString &path, const QString &reasonText);

} // namespace PdfOutput
