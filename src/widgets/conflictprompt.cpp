#include "widgets/conflictprompt.h"

#include "printing/uiservice.h"

namespace ConflictPrompt {

bool refused(UiService &ui, QWidget *parent, const QString &error, Table::Conflict conflict, bool typing)
{
    // Nothing typed is at stake: the row is shown as it is stored now.
    if (conflict == Table::Conflict::None || !typing) {
        ui.error(parent, error);
        return conflict != Table::Conflict::None;
    }
    return ui.confirm(parent,
        error
            + QStringLiteral("\n\nVoulez-vous abandonner votre saisie et afficher les données telles "
                             "qu'elles sont maintenant enregistrées ? Répondez Non pour garder votre saisie "
                             "à l'écran."));
}

QString renumbered(const QString &what, const QVariant &number)
{
    return QStringLiteral("Une autre copie de VELMORA a enregistré entre-temps le numéro prévu : %1 est "
                          "enregistré sous le numéro %2.")
        .arg(what, number.toString());
}

} // namespace ConflictPrompt
