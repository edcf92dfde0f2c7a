#include "datafixture.h"

#include "data/table.h"

#include <QTest>

DataFixture::DataFixture()
{
    activate();
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
