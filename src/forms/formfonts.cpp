#include "formfonts.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace {

// Loads the font files of a family from the usual Debian places when fontconfig does not
// know the family already.
void ensureFamily(const QString &family, const QStringList &directories, const QString &filePrefix)
{
    if (QFontDatabase::families().contains(family, Qt::CaseInsensitive))
        return;
    for (const QString &directory : directories) {
        const QFileInfoList files
            = QDir(directory).entryInfoList({ filePrefix + QLatin1String("*.ttf") }, QDir::Files, QDir::Name);
        for (const QFileInfo &file : files)
            QFontDatabase::addApplicationFont(file.absoluteFilePath());
        if (QFontDatabase::families().contains(family, Qt::CaseInsensitive))
            return;
    }
}

void install()
{
    const QStringList liberation = { QStringLiteral("/usr/share/fonts/truetype/liberation2"),
        QStringLiteral("/usr/share/fonts/truetype/liberation") };
    ensureFamily(QStringLiteral("Liberation Serif"), liberation, QStringLiteral("LiberationSerif-"));
    ensureFamily(QStringLiteral("Liberation Sans"), liberation, QStringLiteral("LiberationSans-"));
    const QStringList noto = { QStringLiteral("/usr/share/fonts/truetype/noto") };
    ensureFamily(
        QString::fromLatin1(FormFonts::arabicSerifFamily), noto, QStringLiteral("NotoNaskhArabicUI-"));
    ensureFamily(QString::fromLatin1(FormFonts::arabicSansFamily), noto, QStringLiteral("NotoSansArabicUI-"));

    const QStringList families = QFontDatabase::families();
    if (!families.contains(QString::fromLatin1(FormFonts::serifFamily)))
        QFont::insertSubstitution(
            QString::fromLatin1(FormFonts::serifFamily), QStringLiteral("Liberation Serif"));
    if (!families.contains(QString::fromLatin1(FormFonts::sansFamily)))
        QFont::insertSubstitution(
            QString::fromLatin1(FormFonts::sansFamily), QStringLiteral("Liberation Sans"));
}

} // namespace

void installFormFonts()
{
    static const bool installed = (install(), true);
    Q_UNUSED(installed);
}
