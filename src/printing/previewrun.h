#pragma once

#include "forms/reportdocument.h"

#include <QString>

#include <functional>

// Where a previewed form stands in a dossier run, and how to have the whole dossier: the preview
// window shows "2 / 7 — <title>" and offers the whole dossier as one PDF.
struct PreviewRun
{
    int position = 0; // from 1
    int count = 0;
    QString title; // the form's French title
    QString fileName; // suggested for the whole dossier, without folder
    std::function<ReportDocument()> wholeDossier;
};
