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
    // Shows the dossier dialog with these document boxes enabled; returns when it is closed.
    virtual void openDialog(const QStringList &enabledBoxes) = 0;
};
