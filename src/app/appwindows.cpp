#include "app/appwindows.h"

#include "about/aboutbox.h"
#include "agreements/agreementchecklist.h"
#include "agreements/agreementprintwindow.h"
#include "app/formholder.h"
#include "app/mainwindow.h"
#include "printing/dossierdialog.h"

#include <QDialog>

AppWindows::AppWindows(MainWindow *mainWindow)
    : QObject(mainWindow)
    , m_main(mainWindow)
{
    setObjectName(QStringLiteral("AppWindows"));
    addForm("anx_01", "Annexe 01/02");
    addForm("anx_02_Individuelle", "Annexe 02 (Individuelle)");
    addForm("anx_04", "anx_04");
    addForm("Anx_07", "Anx_07");
    m_windows << new AboutBox(mainWindow->ui(), m_main);
    m_windows << new DossierDialog(m_main);
    addForm("anx_01_02", "Annexe 02/02");
    addForm("Fiche", "Fiche");
    addForm("demande_apt", "demande_apt");
    addForm("demande_visa", "demande_visa");
    addForm("rapatriement1", "rapatriement1");
    addForm("DEMANDE_permis", "DEMANDE_permis");
    addForm("contrat1", "contrat1");
    addForm("contrat2", "contrat2");
    addForm("anx_04_bis", "anx_04_bis");
    addForm("recrutement", "recrutement");
    m_windows << new AgreementChecklist(AgreementChecklist::Case::First, m_main);
    m_windows << new AgreementChecklist(AgreementChecklist::Case::Second, m_main);
    addForm("AP01", "Formulaire accord de principe N° 01");
    m_windows << new AgreementPrintWindow(mainWindow->data(), mainWindow->ui(), mainWindow);
}

void AppWindows::addForm(const char *name, const char *caption)
{
    m_windows << new FormHolder(QString::fromUtf8(name), QString::fromUtf8(caption), this);
}

QObject *AppWindows::window(const QString &name) const
{
    for (QObject *w : m_windows) {
        if (w->objectName() == name)
            return w;
    }
    return nullptr;
}

QDialog *AppWindows::dialog(const QString &name) const
{
    return qobject_cast<QDialog *>(window(name));
}
