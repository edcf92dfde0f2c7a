#include "paradoxwriter.h"
#include "scriptedui.h"

#include "app/mainwindow.h"
#include "data/activation.h"
#include "data/backupstore.h"
#include "data/datamodule.h"
#include "data/paradoximport.h"
#include "data/table.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The older program's base as the user meets it: the question at start (yes, no), and the menu
// item that imports a chosen folder into an empty store.
class TestOldBaseImport : public QObject
{
    Q_OBJECT

private:
    // Each file of the directory with its size and time of change: what "untouched" means here.
    static QStringList snapshot(const QString &dir)
    {
        QStringList files;
        const QFileInfoList entries
            = QDir(dir).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        for (const QFileInfo &info : entries)
            files << QStringLiteral("%1 %2 %3")
                         .arg(info.fileName())
                         .arg(info.size())
                         .arg(info.lastModified().toMSecsSinceEpoch());
        return files;
    }

private slots:
    void questionAtStart_data();
    void questionAtStart();
    void menuImport_data();
    void menuImport();
};

void TestOldBaseImport::questionAtStart_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes: imported") << true;
    QTest::newRow("no: left alone") << false;
}

void TestOldBaseImport::questionAtStart()
{
    QFETCH(bool, yes);
    QTemporaryDir base;
    const QString dir = Activation::databaseDirectory(base.path());
    QVERIFY(QDir().mkpath(dir));
    ParadoxWriter::writeBase(dir);
    const QStringList before = snapshot(dir);

    ScriptedUi ui;
    ui.answers = { yes };
    MainWindow w(base.path(), ui);
    QSignalSpy quit(&w, &MainWindow::quitRequested);
    QCOMPARE(w.activate(), yes);
    QCOMPARE(ui.confirmations, QStringList { "Importer les données de l'ancien format ?" });
    QCOMPARE(ui.errors, QStringList());
    if (!yes) {
        QCOMPARE(ui.messages, QStringList { ParadoxImport::laterNotice(dir) });
        QCOMPARE(quit.count(), 1);
        QCOMPARE(snapshot(dir), before);
        return;
    }
    QCOMPARE(ui.messages, QStringList { "2 employeurs, 2 projets, 2 postes, 2 expatriés importés." });
    QCOMPARE(quit.count(), 0);
    QCOMPARE(w.data()->employeur()->rowCount(), 2);
    QCOMPARE(w.data()->expatries()->rowCount(), 2);
    QCOMPARE(QDir(dir).entryList({ QStringLiteral("Ancien format *") }, QDir::Dirs).size(), 1);
    // The imported tables are the start's: the day's copy holds them.
    QCOMPARE(BackupStore(dir).dailyCopies().size(), 1);
}

void TestOldBaseImport::menuImport_data()
{
    QTest::addColumn<bool>("storeHoldsRows");
    QTest::newRow("empty store: imported") << false;
    QTest::newRow("store with rows: refused") << true;
}

void TestOldBaseImport::menuImport()
{
    QFETCH(bool, storeHoldsRows);
    QTemporaryDir base, old;
    ParadoxWriter::writeBase(old.path());
    ScriptedUi ui;
    ui.directory = old.path();
    MainWindow w(base.path(), ui);
    QVERIFY(w.activate());
    Table *agreements = w.data()->accord();
    if (storeHoldsRows) {
        QVERIFY(agreements->append() && agreements->setValue(QStringLiteral("Num"), 9) && agreements->post());
    }

    w.findChild<QAction *>(QStringLiteral("Importer1"))->trigger();
    if (storeHoldsRows) {
        QCOMPARE(ui.errors,
            QStringList { "La base contient déjà des enregistrements (table Accord) : une ancienne base ne "
                          "s'importe que dans une base vide. Rien n'a été importé." });
        QCOMPARE(w.data()->employeur()->rowCount(), 0);
        return;
    }
    QCOMPARE(ui.errors, QStringList());
    QCOMPARE(ui.messages, QStringList { "2 employeurs, 2 projets, 2 postes, 2 expatriés importés." });
    QCOMPARE(w.data()->employeur()->rowCount(), 2);
    QCOMPARE(agreements->rowCount(), 2);
    QCOMPARE(QDir(old.path()).entryList(QDir::Files).size(), 5); // the chosen folder is left as it was
}

QTEST_MAIN(TestOldBaseImport)
#include "tst_oldbaseimport.moc"
