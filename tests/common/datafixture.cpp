#include "datafixture.h"

#include "data/table.h"

#include <QFile>
#include <QTest>

DataFixture::DataFixture()
{
    activate();
}

bool DataFixture::damage(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite) || f.size() <= 8192 || !f.seek(4096))
        return false;
    return f.write(QByteArray(4096, '\xa5')) == 4096;
}

bool DataFixture::add(Table *table, const QVariantMap &values)
{
    if (!table->append())
        return false;
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        table->setValue(it.key(), it.value());
    if (!table->post()) {
        qWarning("post refused: %s", qPrintable(table->lastError()));
        return false;
    }
    return true;
}
