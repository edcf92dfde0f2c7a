#include "datafixture.h"

#include "data/table.h"

#include "data/database.h"

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTest>

DataFixture::DataFixture(const QString &server)
    : m_server(server)
{
    if (!m_server.isEmpty()) {
        // A fresh store: the tables of an earlier test are dropped, activation creates them again.
        Database db;
        db.setServer(m_server);
        if (db.open()) {
            QSqlQuery q = db.newQuery();
            q.exec(QStringLiteral("DROP TABLE IF EXISTS employeur, contact, accord, expatries"));
        }
    }
    activate();
}

Activation::Result DataFixture::activate()
{
    return activateCopy(m_data);
}

Activation::Result DataFixture::activateCopy(DataModule &copy) const
{
    return m_server.isEmpty() ? Activation::run(copy, base()) : Activation::runOnServer(copy, m_server);
}

QString DataFixture::testServer()
{
    return qEnvironmentVariable("VELMORA_TEST_SERVER");
}

void DataFixture::addStoreRows()
{
    QTest::addColumn<bool>("onServer");
    QTest::newRow("directory") << false;
    QTest::newRow("server") << true;
}

QString DataFixture::storeOfRow()
{
    QFETCH_GLOBAL(bool, onServer);
    return onServer ? testServer() : QString();
}

bool DataFixture::serverRowWithoutServer()
{
    QFETCH_GLOBAL(bool, onServer);
    return onServer && testServer().isEmpty();
}

bool DataFixture::switchServer(bool on)
{
    const QString ctl = qEnvironmentVariable("VELMORA_TEST_SERVER_CTL");
    if (ctl.isEmpty())
        return false;
    QProcess p;
    p.start(ctl, { on ? QStringLiteral("start") : QStringLiteral("stop") });
    return p.waitForFinished(30000) && p.exitCode() == 0;
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
