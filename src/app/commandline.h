#pragma once

#include <QString>
#include <QStringList>

// The program's command line, read the way GNU tools read theirs: "--name VALUE" or
// "--name=VALUE", "--" ending the options, --help and --version answered as soon as they are met,
// and the first fault said in French, naming what was wrong.
class CommandLine
{
public:
    enum class Action {
        Window,
        Help,
        Version,
        ExportDossier,
        ExportSheet,
        ExportAgreement,
        Backup,
        Restore,
        CheckDossier,
        ImportParadox,
        CopyToServer,
        CopyFromServer
    };

    // `arguments` are those after the program's name.
    explicit CommandLine(const QStringList &arguments);

    // Empty when the line is well formed; otherwise the fault, without the program's name.
    QString error() const { return m_error; }
    Action action() const { return m_action; }
    bool isExport() const;
    // --backup or --restore: the archive is subject().
    bool isArchive() const { return m_action == Action::Backup || m_action == Action::Restore; }
    // --import-paradox: the old base's folder is subject().
    bool isImport() const { return m_action == Action::ImportParadox; }
    QString dataDirectory() const { return m_dataDirectory; } // empty: the default one
    // --server: the shared base's address; empty: the saved one, or the data directory.
    QString server() const { return m_server; }
    // --copy-to-server or --copy-from-server: the server's address is subject().
    bool isStoreCopy() const
    {
        return m_action == Action::CopyToServer || m_action == Action::CopyFromServer;
    }
    QString output() const { return m_output; }
    QString subject() const { return m_subject; } // the employer's name, the project or the archive
    int workerNumber() const { return m_workerNumber; }
    QStringList forms() const { return m_forms; } // empty: the automatic choice
    bool singlePdf() const { return m_singlePdf; } // the whole dossier in one file

    static QString usageLine();
    // The options one a line, the exit statuses and the database directory the program would use.
    static QString helpText(const QString &databaseDirectory);
    static QString versionText();

private:
    void parse(const QStringList &arguments);
    bool take(const QString &name, const QString &value);
    bool takeExport(Action action, const QString &name, const QString &value);
    bool takeServer(const QString &name, const QString &value);
    void takeFlag(const QString &name);
    void checkCombination();
    bool fail(const QString &error);

    QString m_error;
    Action m_action = Action::Window;
    QString m_exportOption;
    QString m_dataDirectory;
    QString m_server;
    QString m_output;
    bool m_outputGiven = false;
    QString m_subject;
    int m_workerNumber = 0;
    QStringList m_forms;
    bool m_formsGiven = false;
    bool m_singlePdf = false;
};
