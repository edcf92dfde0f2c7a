#include "app/uifonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void installUiFonts()
{
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    // Z003 (URW, a Zapf Chancery design) is Debian's script face; Liberation Serif when it is absent.
    QFont::insertSubstitutions(QStringLiteral("Script MT Bold"),
                               {QStringLiteral("Z003"), QStringLiteral("URW Chancery L"), QStringLiteral("Liberation Serif")});
}
