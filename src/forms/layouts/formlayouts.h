#pragma once

#include "forms/reportlayout.h"

#include <QList>

#include <QStringList>

// The layouts of the printed forms, one function per form; problems collects any layout row
// that could not be read.
namespace FormLayouts {
// A form that prints the record its caller positioned: its top band, then its page layer made of
// the given parts (blocks and rows) in drawing order.
ReportLayout onePage(const QString &name, const QString &caption, const ReportBand &top,
    const QList<QList<ReportElement>> &pageParts);

ReportLayout anx01(QStringList *problems);
ReportLayout anx0102(QStringList *problems);
ReportLayout anx02Individuelle(QStringList *problems);
ReportLayout anx04(QStringList *problems);
ReportLayout anx04Bis(QStringList *problems);
ReportLayout anx07(QStringList *problems);
ReportLayout demandeApt(QStringList *problems);
ReportLayout demandePermis(QStringList *problems);
ReportLayout demandeVisa(QStringList *problems);
ReportLayout contrat1(QStringList *problems);
ReportLayout contrat2(QStringList *problems);
ReportLayout recrutement(QStringList *problems);
ReportLayout rapatriement1(QStringList *problems);
ReportLayout fiche(QStringList *problems);
ReportLayout ap01(QStringList *problems);
}
