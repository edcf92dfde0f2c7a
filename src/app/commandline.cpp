#include "app/commandline.h"

#include "data/activation.h"

#include <QRegularExpression>

namespace {

struct Option
{
    const char *name;
    const char *value; // nullptr: the option takes none
    const char *help;
};

// Every option, in the order the help lists them.
const Option Options[] = {
    { "data-dir", "DOSSIER", "la base de données est dans DOSSIER/Base de données employeur" },
    { "export-dossier", "N", "écrit le dossier de l'expatrié n° N en PDF, sans fenêtre" },
    { "forms", "LISTE", "avec --export-dossier : ces formulaires seulement (anx_04_bis,contrat1,…)" },
    { "single-pdf", nullptr,
        "avec --export-dossier : tout le dossier dans un seul PDF nommé pour l'expatrié" },
    { "check-dossier", "N",
        "dit les points à vérifier du dossier de l'expatrié n° N, sans rien écrire (3 s'il y en a)" },
    { "export-fiche", "NOM", "écrit la fiche de l'employeur NOM (Fiche.pdf), sans fenêtre" },
    { "export-ap01", "PROJET", "écrit le formulaire AP n° 01 du projet PROJET (AP01.pdf), sans fenêtre" },
    { "output", "DOSSIER", "dossier où l'export écrit ses fichiers PDF (demandé par chaque export)" },
    { "backup", "FICHIER.zip", "écrit une sauvegarde de la base (les quatre tables) dans FICHIER.zip" },
    { "restore", "FICHIER.zip", "remplace la base par FICHIER.zip une fois vérifié ; l'ancienne est gardée" },
    { "import-paradox", "DOSSIER", "importe l'ancienne base (tables Paradox) de DOSSIER dans une base vide" },
    { "server", "ADRESSE",
        "la base partagée sur un serveur PostgreSQL (postgresql://utilisateur@machine/base)" },
    { "copy-to-server", "ADRESSE",
        "avec --data-dir : copie la base du dossier sur le serveur, qui doit être vide" },
    { "copy-from-server", "ADRESSE",
        "avec --data-dir : copie la base du serveur dans le dossier, qui doit être vide" },
    { "help", nullptr, "affiche cette aide et quitte" },
    { "version", nullptr, "affiche la version et quitte" },
};

const Option *findOption(const QString &name)
{
    for (const Option &option : Options) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

QString quoted(const QString &text)
{
    return QStringLiteral("« %1 »").arg(text);
}

} // namespace

CommandLine::CommandLine(const QStringList &arguments)
{
    parse(arguments);
    if (m_error.isEmpty() && m_action != Action::Help && m_action != Action::Version)
        checkCombination();
}

bool CommandLine::isExport() const
{
    return m_action == Action::ExportDossier || m_action == Action::ExportSheet
        || m_action == Action::ExportAgreement || m_action == Action::CheckDossier;
}

bool CommandLine::fail(const QString &error)
{
    if (m_error.isEmpty())
        m_error = error;
    return false;
}

void CommandLine::parse(const QStringList &arguments)
{
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            fail(QStringLiteral("argument inattendu %1").arg(quoted(argument)));
            return;
        }
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            m_action = Action::Help;
            return;
        }
        if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            m_action = Action::Version;
            return;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
        const Option *option = argument.startsWith(QLatin1String("--")) ? findOption(name) : nullptr;
        if (!option) {
            fail(QStringLiteral("option inconnue %1")
                     .arg(quoted(equals < 0 ? argument : argument.left(equals))));
            return;
        }
        if (!option->value) {
            if (equals >= 0) {
                fail(QStringLiteral("l'option --%1 ne prend pas de valeur").arg(name));
                return;
            }
            takeFlag(name);
            continue;
        }
        QString value;
        if (equals >= 0) {
            value = argument.mid(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments.at(++i);
        } else {
            fail(QStringLiteral("l'option --%1 demande une valeur (%2)")
                     .arg(name, QLatin1String(option->value)));
            return;
        }
        if (!take(name, value))
            return;
    }
}

bool CommandLine::take(const QString &name, const QString &value)
{
    if (value.trimmed().isEmpty())
        return fail(QStringLiteral("valeur vide pour --%1").arg(name));
    if (name == QLatin1String("data-dir")) {
        m_dataDirectory = value;
    } else if (name == QLatin1String("output")) {
        m_output = value;
        m_outputGiven = true;
    } else if (name == QLatin1String("forms")) {
        m_forms.clear();
        for (const QString &form : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            if (!form.trimmed().isEmpty())
                m_forms << form.trimmed();
        }
        if (m_forms.isEmpty())
            return fail(QStringLiteral("aucun nom de formulaire dans --forms %1").arg(quoted(value)));
        m_formsGiven = true;
    } else if (name == QLatin1String("export-dossier")) {
        return takeExport(Action::ExportDossier, name, value);
    } else if (name == QLatin1String("check-dossier")) {
        return takeExport(Action::CheckDossier, name, value);
    } else if (name == QLatin1String("export-fiche")) {
        return takeExport(Action::ExportSheet, name, value);
    } else if (name == QLatin1String("backup")) {
        return takeExport(Action::Backup, name, value);
    } else if (name == QLatin1String("restore")) {
        return takeExport(Action::Restore, name, value);
    } else if (name == QLatin1String("import-paradox")) {
        return takeExport(Action::ImportParadox, name, value);
    } else if (name == QLatin1String("server") || name.startsWith(QLatin1String("copy-"))) {
        return takeServer(name, value);
    } else {
        return takeExport(Action::ExportAgreement, name, value);
    }
    return true;
}

bool CommandLine::takeServer(const QString &name, const QString &value)
{
    if (!Activation::isServerAddress(value))
        return fail(QStringLiteral(
            "adresse de serveur invalide pour --%1 : %2 (postgresql://utilisateur@machine/base)")
                        .arg(name, quoted(value)));
    if (name == QLatin1String("server")) {
        m_server = value;
        return true;
    }
    return takeExport(
        name == QLatin1String("copy-to-server") ? Action::CopyToServer : Action::CopyFromServer, name, value);
}

void CommandLine::takeFlag(const QString &name)
{
    if (name == QLatin1String("single-pdf"))
        m_singlePdf = true;
}

bool CommandLine::takeExport(Action action, const QString &name, const QString &value)
{
    if (!m_exportOption.isEmpty())
        return fail(
            QStringLiteral("une seule exportation à la fois : --%1 après --%2").arg(name, m_exportOption));
    if (action == Action::ExportDossier || action == Action::CheckDossier) {
        static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
        bool ok = digits.match(value).hasMatch();
        m_workerNumber = ok ? value.toInt(&ok) : 0;
        if (!ok)
            return fail(QStringLiteral("numéro d'expatrié invalide pour --%1 : %2").arg(name, quoted(value)));
    } else {
        m_subject = value;
    }
    m_action = action;
    m_exportOption = name;
    return true;
}

void CommandLine::checkCombination()
{
    if (m_formsGiven && m_action != Action::ExportDossier)
        fail(QStringLiteral("--forms ne s'emploie qu'avec --export-dossier N"));
    else if (m_singlePdf && m_action != Action::ExportDossier)
        fail(QStringLiteral("--single-pdf ne s'emploie qu'avec --export-dossier N"));
    else if (m_action == Action::CheckDossier && m_outputGiven)
        fail(QStringLiteral("--check-dossier n'écrit rien : --output ne s'emploie pas avec lui"));
    else if (isExport() && m_action != Action::CheckDossier && !m_outputGiven)
        fail(QStringLiteral("--%1 demande --output DOSSIER").arg(m_exportOption));
    else if (isStoreCopy() && m_dataDirectory.isEmpty())
        fail(QStringLiteral("--%1 demande --data-dir DOSSIER").arg(m_exportOption));
    else if (isStoreCopy() && !m_server.isEmpty())
        fail(QStringLiteral("--%1 ne s'emploie pas avec --server").arg(m_exportOption));
    else if (!isExport() && m_outputGiven)
        fail(QStringLiteral(
            "--output ne s'emploie qu'avec --export-dossier, --export-fiche ou --export-ap01"));
}

QString CommandLine::usageLine()
{
    return QStringLiteral("Utilisation : velmora [OPTION]… ; « velmora --help » donne la liste des options");
}

QString CommandLine::helpText(const QString &databaseDirectory)
{
    QString text = QStringLiteral(
        "Utilisation : velmora [OPTION]…\n"
        "Prépare les dossiers d'emploi des travailleurs étrangers. Sans option d'export, ouvre\n"
        "la fenêtre du programme ; avec une option d'export, écrit les formulaires en PDF sans\n"
        "fenêtre.\n\n");
    for (const Option &option : Options) {
        QString left = QStringLiteral("--%1").arg(QLatin1String(option.name));
        if (option.value)
            left += QLatin1Char(' ') + QLatin1String(option.value);
        else
            left = QStringLiteral("-%1, %2").arg(QString(QLatin1Char(option.name[0])), left);
        text += QStringLiteral("  %1 %2\n").arg(left, -24).arg(QString::fromUtf8(option.help));
    }
    text += QStringLiteral("\nRépertoire de la base de données : %1\n"
                           "(à côté du programme quand son dossier est accessible en écriture ou tient\n"
                           "déjà la base, sinon dans le dossier de données de l'utilisateur)\n\n"
                           "État de sortie :\n"
                           "  0  terminé\n"
                           "  1  échec : lecture ou écriture impossible, formulaire non produit\n"
                           "  2  erreur d'utilisation, export, restauration ou importation refusés, base, "
                           "employeur, projet, expatrié ou sauvegarde introuvable\n"
                           "  3  --check-dossier : des points sont à vérifier\n")
                .arg(databaseDirectory);
    return text;
}

QString CommandLine::versionText()
{
    return QStringLiteral(
        "velmora %1\n"
        "Copyright © 2026 CORVANE\n"
        "Licence GPLv3+ : GNU GPL version 3 ou ultérieure "
        "<https://gnu.org/licenses/gpl.html>\n"
        "Ceci est un logiciel libre : vous êtes libre de le modifier et de le redistribuer.\n"
        "Il n'y a AUCUNE GARANTIE, dans les limites permises par la loi.\n")
        .arg(QStringLiteral(VELMORA_VERSION));
}
