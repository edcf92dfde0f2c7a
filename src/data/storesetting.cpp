#include "data/storesetting.h"

#include "data/database.h"

#include <QSettings>

namespace {
const char *ServerKey = "base/serveur";
} // namespace

namespace StoreSetting {

QString savedServer()
{
    const QSettings s(
        QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VELMORA"), QStringLiteral("velmora"));
    return s.value(QLatin1String(ServerKey)).toString();
}

void saveServer(const QString &uri)
{
    QSettings s(
        QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VELMORA"), QStringLiteral("velmora"));
    if (uri.trimmed().isEmpty())
        s.remove(QLatin1String(ServerKey));
    else
        s.setValue(QLatin1String(ServerKey), Database::displayAddress(uri.trimmed()));
    s.sync();
}

} // namespace StoreSetting
