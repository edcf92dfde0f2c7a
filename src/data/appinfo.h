#pragma once

#include <QString>

// Fixed facts about the program: its title and the name of its database directory.
namespace AppInfo {
inline QString title()
{
    return QStringLiteral("VELMORA");
}
inline QString databaseDirName()
{
    return QStringLiteral("Base de données employeur");
}
} // namespace AppInfo
