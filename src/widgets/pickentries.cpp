#include "widgets/pickentries.h"

#include <QFile>
#include <QHash>

// The lists live in a static library: they are registered by hand before the first read (outside
// any namespace, where the resource's registration function is declared).
static void registerLists()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(lists);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

QStringList readFile(const QString &name)
{
    QFile file(QStringLiteral(":/lists/%1.txt").arg(name));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("pick list %s: no such list", qPrintable(name));
        return {};
    }
    QStringList entries = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    // The line break ending the last entry opens no entry.
    if (!entries.isEmpty() && entries.constLast().isEmpty())
        entries.removeLast();
    for (QString &entry : entries) {
        if (entry.endsWith(QLatin1Char('\r')))
            entry.chop(1);
    }
    return entries;
}
} // namespace

QStringList PickEntries::read(const QString &name)
{
    registerLists();
    static QHash<QString, QStringList> lists;
    auto found = lists.constFind(name);
    if (found == lists.constEnd())
        found = lists.insert(name, readFile(name));
    return found.value();
}
