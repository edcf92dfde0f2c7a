#pragma once

class QCoreApplication;

// Qt's own texts in French: the standard buttons ("Oui", "Non", "Annuler") and the file, print
// and colour dialogs, from the translations Qt installs beside itself (Debian's
// qt6-translations-l10n). Returns false, leaving Qt's English, when they are not installed.
bool installQtTranslations(QCoreApplication *app);
