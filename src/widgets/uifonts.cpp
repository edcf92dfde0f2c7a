#include "widgets/uifonts.h"

#include "forms/formfonts.h"

#include <QFont>
#include <QStringList>

void installUiFonts()
{
    installFormFonts();
    // Z003 (URW, a Zapf Chancery design) is Debian's script face; Liberation Serif when it is absent.
    QFont::insertSubstitutions(QStringLiteral("Script MT Bold"),
        { QStringLiteral("Z003"), QStringLiteral("URW Chancery L"), QStringLiteral("Liberation Serif") });
}
