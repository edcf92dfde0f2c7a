#pragma once

#include <QString>
#include <QStringList>

// Where the dossier preparation talks to: the user's message boxes and the dossier dialog, or,
// for a batch export, standard error and files.
class DossierHost
{
public:
    virtual ~DossierHost();
    virtual void message(const QString &text) = 0;
    // The notice that the dossier's print begins: a message box in the window; a terminal has
    // no use for it.
    virtual void announce(const QString &text) { message(text); }
    // Shows the dossier dialog with these document boxes enabled; returns when it is closed.
    virtual void openDialog(const QStringList &enabledBoxes) = 0;
};
