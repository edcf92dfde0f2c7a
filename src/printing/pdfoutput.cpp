#include "printing/pdfoutput.h"

#include "data/appinfo.h"

#include <QDir>
#include <QFileInfo>

namespace PdfOutput {

QString creator()
{
    return AppInfo::title() + QStringLiteral(" ") + QStringLiteral(VELMORA_VERSION);
}

ReportDocument::PdfInfo info(const QString &title, const QString &who, const QString &employer)
{
    const QString person = who.simplified();
    return { person.isEmpty() ? title : title + QStringLiteral(" — ") + person, employer.simplified(),
        creator() };
}

QString safeFileName(const QString &name)
{
    // Refused by Windows file systems, or a path separator anywhere.
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    QString safe;
    for (const QChar c : name)
        safe += (c.unicode() < 0x20 || refused.contains(c)) ? QLatin1Char('_') : c;
    safe = safe.simplified();
    while (safe.endsWith(QLatin1Char('.')) || safe.endsWith(QLatin1Char(' ')))
        safe.chop(1);
    return safe.isEmpty() ? QStringLiteral("document") : safe;
}

QString reason(const QString &path, const QString &systemError)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    const QString folderName = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (!folder.exists())
        return QStringLiteral("le dossier « %1 » n'existe pas").arg(folderName);
    if (!folder.isDir())
        return QStringLiteral("« %1 » n'est pas un dossier").arg(folderName);
    if (file.isDir())
        return QStringLiteral("un dossier porte déjà ce nom");
    if (!folder.isWritable())
        return QStringLiteral("le dossier « %1 » est protégé en écriture").arg(folderName);
    if (file.exists() && !file.isWritable())
        return QStringLiteral("le fichier existant est protégé en écriture");
    return QStringLiteral("le système a refusé l'écriture (%1)").arg(systemError);
}

QString failure(const QString &path, const QString &reasonText)
{
    return QStringLiteral("Le fichier « %1 » n'a pas pu être écrit : %2")
        .arg(QDir::toNativeSeparators(path), reasonText);
}

} // namespace PdfOutput
