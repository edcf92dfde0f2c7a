#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// The words of a PDF file as pdftotext -bbox reads them, their boxes in millimetres from the
// paper's top-left corner, and the pairs of words printed over each other.
namespace PdfWords {

struct Word
{
    QString text;
    QRectF box;
};

// True when pdftotext (poppler-utils) can be run.
bool available();
// The words of every page, the letters of an Arabic line joined into one word, and when asked
// each page's size in millimetres; false with *error set when the file cannot be read.
bool read(const QString &pdf, QList<QList<Word>> *pages, QString *error, QList<QSizeF> *sizes = nullptr);
// Every two words that share more than 0.3 mm across and more than half the height of the
// shorter of the two, described for a failure message.
QStringList overlaps(const QList<Word> &words);

} // namespace PdfWords
