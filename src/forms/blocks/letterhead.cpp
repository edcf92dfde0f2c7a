#include "letterhead.h"

#include "forms/layoutbuilder.h"

#include <iterator>

namespace {

struct DesignBox
{
    double left;
    double width;
};

// Fonts and design boxes of the centred lines 1 to 4 and of the line-5 fields.
struct Variant
{
    const char *forms; // blank-separated form names
    const char *font; // lines 1 to 4
    DesignBox nomOrga;
    DesignBox adrsOrga;
    DesignBox natureActivite;
    const char *projectField; // line 4; null when the line stays blank
    DesignBox project;
    const char *contactFont; // line-5 fields
    double telWidth;
    double faxWidth;
    double emailWidth;
};

// clang-format off
const Variant variants[] = {
    // forms                               font    Nom_orga      Adrs_orga     Nature_activite  line 4                     line 5
    { "anx_01 demande_visa",               "10 B", {87.8, 15.3}, {87.6, 15.9}, {83.9, 22.5}, "Projet_1", {88.9, 13.0}, "10 B", 5.0, 5.3,  8.5 },
    { "demande_apt",                       "10 B", {87.8, 15.3}, {87.6, 15.9}, {83.9, 22.5}, "projet_1", {89.2, 12.4}, "10 B", 5.0, 5.3,  8.5 },
    { "Anx_07",                            "13 B", {85.2, 20.9}, {85.2, 20.9}, {79.6, 31.0}, nullptr,    {0.0,  0.0},  "13 B", 6.6, 7.4, 12.2 },
    { "DEMANDE_permis",                    "13 B", {85.2, 20.9}, {85.2, 20.9}, {79.6, 31.0}, "projet_1", {87.0, 16.9}, "13 B", 6.6, 7.4, 12.2 },
    { "contrat1 Fiche",                    "13 B", {85.2, 20.9}, {85.2, 20.9}, {79.6, 31.0}, "Projet_1", {86.8, 17.5}, "13 B", 6.6, 7.4, 12.2 },
    { "recrutement rapatriement1",         "10",   {88.1, 15.1}, {87.8, 15.6}, {84.1, 22.0}, "Projet_1", {89.4, 11.9}, "13 B", 6.6, 7.4, 12.2 },
};

// Top of the line-5 fields by form.
struct ContactTop
{
    const char *forms;
    double top;
};
const ContactTop contactTops[] = {
    { "anx_01 Anx_07 demande_apt DEMANDE_permis",           29.9 },
    { "demande_visa contrat1 recrutement rapatriement1",    29.4 },
    { "Fiche",                                              29.1 },
};

constexpr double lineTops[] = { 1.6, 8.2, 15.3, 22.8 };
constexpr double line5Top = 29.6;
constexpr double bandHeight = 40.2;
// Exceptions of single forms.
constexpr double anx07FirstLineTop = 0.8;
constexpr double recrutementBandHeight = 38.9;
// clang-format on

bool names(const char *list, const QString &form)
{
    return QString::fromLatin1(list).split(QLatin1Char(' '), Qt::SkipEmptyParts).contains(form);
}

const Variant *variantOf(const QString &form)
{
    for (const Variant &variant : variants) {
        if (names(variant.forms, form))
            return &variant;
    }
    return nullptr;
}

double contactTopOf(const QString &form)
{
    for (const ContactTop &entry : contactTops) {
        if (names(entry.forms, form))
            return entry.top;
    }
    return line5Top;
}

} // namespace

QStringList Letterhead::forms()
{
    QStringList result;
    for (const Variant &variant : variants)
        result += QString::fromLatin1(variant.forms).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return result;
}

ReportBand Letterhead::band(const QString &form, QStringList *problems)
{
    ReportBand band;
    const Variant *variant = variantOf(form);
    if (!variant) {
        if (problems)
            problems->append(QStringLiteral("no letterhead for form %1").arg(form));
        return band;
    }
    band.height = form == QLatin1String("recrutement") ? recrutementBandHeight : bandHeight;
    const double firstTop = form == QLatin1String("Anx_07") ? anx07FirstLineTop : lineTops[0];
    const double fieldTop = contactTopOf(form);

    LayoutBuilder builder;
    const auto centred = [&](double top, const DesignBox &box, const char *field) {
        builder.add(LayoutRow { top, box.left, box.width, "field", field, variant->font, "centred" });
    };
    centred(firstTop, variant->nomOrga, "Nom_orga");
    centred(lineTops[1], variant->adrsOrga, "Adrs_orga");
    centred(lineTops[2], variant->natureActivite, "Nature_activite");
    if (variant->projectField)
        centred(lineTops[3], variant->project, variant->projectField);
    // Captions of line 5 are auto-size: their width follows the text.
    builder.add({
        { line5Top,   2.1, 0.0, "text", "Tél :",    "12", "" },
        { line5Top,  51.3, 0.0, "text", "Fax :",    "12", "" },
        { line5Top, 100.0, 0.0, "text", "E-mail :", "12", "" },
        { fieldTop,  10.6, variant->telWidth,   "field", "Tel",   variant->contactFont, "" },
        { fieldTop,  61.1, variant->faxWidth,   "field", "Fax",   variant->contactFont, "" },
        { fieldTop, 113.8, variant->emailWidth, "field", "Email", variant->contactFont, "" },
    });
    band.elements = builder.elements();
    if (problems)
        problems->append(builder.problems());
    return band;
}
