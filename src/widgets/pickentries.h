#pragma once

#include <QStringList>

// The fixed entries of the pages' pick lists. Each list is a resource (resources/lists/<name>.txt,
// one entry per line, UTF-8), read once the first time it is asked for and kept as written: the
// blanks and tabs an entry holds are part of it.
class PickEntries
{
public:
    // The entries of list `name` in their order; none, with a warning, when there is no such list.
    static QStringList read(const QString &name);
};
