#include "stateheader.h"

#include "forms/layoutbuilder.h"

namespace {

// The ministry is CORVANE and its directorate-general TALVERD. Each French name is set over two
// lines divided between words; both names are single words, so the whole name stands on the first
// line and the second line is an empty caption. Their Arabic names are written as they are
// pronounced.
// clang-format off
const LayoutRow bandRows[] = {
    {    0.8,   32.5,  127.8, "text", "الجمهـــــــوريــــــة الجزائــــــرية الديمقــــــراطية الشـــــعبيـــــة", "18 I", "centred" },
    {    7.4,   25.4,  142.1, "text", "REPUBLIQUE  ALGERIENNE DEMOCRATIQUE ET POPULAIRE", "14 I", "centred" },
};

const LayoutRow pageRows[] = {
    {   24.6,   14.8,   51.9, "text", "CORVANE", "12", "" },
    {   24.9,  135.7,   58.7, "text", "كورفان", "12", "" },
    {   31.2,   20.1,   38.6, "text", "", "12", "" },
    {   35.7,   24.1,   28.8, "text", "------------------", "12", "" },
    {   35.7,  151.3,   28.8, "text", "------------------", "12", "" },
    {   41.8,   14.3,   50.0, "text", "TALVERD", "12", "" },
    {   41.8,  143.7,   43.4, "text", "تالفرد", "12", "" },
    {   48.4,   26.5,   25.1, "text", "", "12", "" },
    {   56.4,   11.9,   63.5, "text", "Direction de l'Emploi de  la  Wilaya de :", "12", "" },
    {   62.4,   11.9,   15.3, "text", "Adresse :", "12", "" },
};
// clang-format on

constexpr double bandHeight = 14.3;

} // namespace

ReportBand StateHeader::band(QStringList *problems)
{
    return ReportBand { bandHeight, LayoutBuilder::elementsOf(bandRows, std::size(bandRows), problems) };
}

QList<ReportElement> StateHeader::pageElements(QStringList *problems)
{
    return LayoutBuilder::elementsOf(pageRows, std::size(pageRows), problems);
}

QStringList StateHeader::forms()
{
    return { QStringLiteral("anx_02_Individuelle"), QStringLiteral("anx_04"), QStringLiteral("anx_04_bis") };
}
