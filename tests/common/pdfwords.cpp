#include "pdfwords.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace {

constexpr double millimetresPerPoint = 25.4 / 72.0;
constexpr double sharedWidth = 0.3;
constexpr double sharedHeight = 0.5;

QString pdftotext()
{
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
}

QString unescaped(QString text)
{
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    text.replace(QLatin1String("&#39;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

bool isArabic(const QString &text)
{
    return std::any_of(
        text.cbegin(), text.cend(), [](QChar c) { return c.script() == QChar::Script_Arabic; });
}

// pdftotext gives the letters of an Arabic line one by one, in boxes that overlap their
// neighbours: the letters of one line, side by side on one baseline, are put back together.
QList<PdfWords::Word> joinArabicLetters(const QList<PdfWords::Word> &words)
{
    constexpr double sameLine = 0.05;
    constexpr double touching = 0.5;
    QList<PdfWords::Word> joined;
    for (const PdfWords::Word &word : words) {
        if (!isArabic(word.text)) {
            joined.append(word);
            continue;
        }
        auto run = std::find_if(joined.begin(), joined.end(), [&word](const PdfWords::Word &other) {
            return isArabic(other.text) && qAbs(other.box.top() - word.box.top()) < sameLine
                && qAbs(other.box.bottom() - word.box.bottom()) < sameLine
                && word.box.left() <= other.box.right() + touching
                && word.box.right() >= other.box.left() - touching;
        });
        if (run == joined.end()) {
            joined.append(word);
            continue;
        }
        // Arabic reads from right to left: letters further left come later.
        run->text
            = word.box.center().x() < run->box.center().x() ? run->text + word.text : word.text + run->text;
        run->box = run->box.united(word.box);
    }
    return joined;
}

QString describe(const PdfWords::Word &word)
{
    return QStringLiteral("\"%1\" (%2–%3 × %4–%5 mm)")
        .arg(word.text)
        .arg(word.box.left(), 0, 'f', 1)
        .arg(word.box.right(), 0, 'f', 1)
        .arg(word.box.top(), 0, 'f', 1)
        .arg(word.box.bottom(), 0, 'f', 1);
}

} // namespace

namespace PdfWords {

bool available()
{
    return !pdftotext().isEmpty();
}

bool read(const QString &pdf, QList<QList<Word>> *pages, QString *error, QList<QSizeF> *sizes)
{
    QProcess process;
    process.start(pdftotext(), { QStringLiteral("-bbox"), pdf, QStringLiteral("-") });
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        *error = QStringLiteral("pdftotext failed on %1: %2")
                     .arg(pdf, QString::fromLocal8Bit(process.readAllStandardError()));
        return false;
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression wordTag(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    static const QRegularExpression pageTag(QStringLiteral("^width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
    pages->clear();
    if (sizes)
        sizes->clear();
    const QStringList texts = html.split(QStringLiteral("<page "));
    for (qsizetype i = 1; i < texts.size(); ++i) {
        if (sizes) {
            const QRegularExpressionMatch size = pageTag.match(texts.at(i));
            sizes->append(
                QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble()) * millimetresPerPoint);
        }
        QList<Word> words;
        auto it = wordTag.globalMatch(texts.at(i));
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            const QPointF topLeft(match.captured(1).toDouble(), match.captured(2).toDouble());
            const QPointF bottomRight(match.captured(3).toDouble(), match.captured(4).toDouble());
            words.append({ unescaped(match.captured(5)),
                QRectF(topLeft * millimetresPerPoint, bottomRight * millimetresPerPoint) });
        }
        pages->append(joinArabicLetters(words));
    }
    return true;
}

QStringList overlaps(const QList<Word> &words)
{
    QStringList found;
    for (qsizetype i = 0; i < words.size(); ++i) {
        for (qsizetype j = i + 1; j < words.size(); ++j) {
            const QRectF &a = words.at(i).box;
            const QRectF &b = words.at(j).box;
            const double across = std::min(a.right(), b.right()) - std::max(a.left(), b.left());
            const double down = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
            if (across > sharedWidth && down > sharedHeight * std::min(a.height(), b.height()))
                found << describe(words.at(i)) + QStringLiteral(" over ") + describe(words.at(j));
        }
    }
    return found;
}

} // namespace PdfWords
