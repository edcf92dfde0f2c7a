#include "formlayouts.h"

#include "forms/layoutbuilder.h"

// Form AP n°1: the employer's forecast of national and foreign recruitment, post by post, for one
// project; one detail band per post, grown to its wrapped texts.

namespace {

// clang-format off
// Title band, band coordinates: the heading of the table, once at the top of the first page.
const LayoutRow titleRows[] = {
    {   55.0,    0.3,  189.7, "box", "filled light grey", "", "height 27.0" },
    {   54.8,   52.9,    1.6, "vertical line", "", "", "height 27.5" },
    {   54.8,   95.0,    2.4, "vertical line", "", "", "height 27.5" },
    {   54.8,  118.5,    1.6, "vertical line", "", "", "height 27.5" },
    {   55.0,  151.6,    1.6, "vertical line", "", "", "height 27.5" },
    {   63.5,  152.4,   37.6, "horizontal line", "", "", "height 1.6" },
    {   64.3,  170.4,    1.3, "vertical line", "", "", "height 17.2" },
    {    1.1,   82.0,   14.0, "field", "nom_orga", "9 B", "centred, grows downward" },
    {    7.7,   84.4,    8.7, "field", "Projet", "9 B", "centred, grows downward" },
    {   26.2,    2.1,   63.5, "text", "Direction de l'Emploi de  la  Wilaya de :", "12", "" },
    {   26.5,  151.3,   36.5, "text", ": المديرية الولائية للتشغيل لـ", "12", "" },
    {   39.4,  136.8,   50.3, "text", "Formulaire AP N° 01", "16 BU", "red text" },
    {   41.0,   29.4,  103.2, "text", "تقديرات الهيئة المستخدمة لتشغيل اليد العاملة الوطنية و الأجنبية", "14 B", "" },
    {   47.4,   -0.3,  190.2, "text", "PREVISIONS DE L'ORGANISME EMPLOYEUR EN MATIERE D'EMPLOI DE LA MAIN D'OEUVRE NATIONALE ET ETRANGERE", "10 B", "" },
    {   56.6,   98.7,   19.6, "text", "الخبرة المهنية", "12 B Arial", "light grey background" },
    {   56.4,  156.6,   13.8, "text", "Besoins /", "10 B", "light grey background" },
    {   56.1,  171.2,   14.6, "text", "الإحتياجات", "12 B Arial", "light grey background" },
    {   60.6,   35.2,   17.5, "text", "منصب العمل", "12 B Arial", "light grey background" },
    {   61.6,   54.8,   40.0, "text", "الديبلوم و الشهادات المطلوبة", "12 B Arial", "light grey background" },
    {   62.4,   96.8,   16.1, "text", "Expérience", "10 B", "light grey background" },
    {   61.9,  133.1,   17.5, "text", "شروط أخرى", "12 B Arial", "light grey background" },
    {   65.1,  154.3,   15.6, "text", "العمالة الأجنبية", "9 B Arial", "light grey background" },
    {   65.1,  173.8,   15.3, "text", "العمالة الوطنية", "9 B Arial", "light grey background" },
    {   67.7,    1.1,   37.8, "text", "Intitulé du Poste de travail", "10 B", "light grey background" },
    {   67.7,   54.8,   31.5, "text", "Diplôme /Titre requis", "10 B", "light grey background" },
    {   68.0,   96.8,   22.0, "text", "Professionnelle", "8 B", "light grey background" },
    {   67.7,  120.1,   25.9, "text", "Autres conditions", "10 B", "light grey background" },
    {   68.5,  154.0,   15.6, "text", "Main d'oeuvre étrangère", "8", "fixed box, height 12.2, wraps, grows downward, light grey background" },
    {   68.5,  172.2,   15.6, "text", "Main d'oeuvre nationale", "8", "fixed box, height 12.2, wraps, grows downward, light grey background" },
    {   73.6,  101.3,   13.2, "text", "(Années)", "10 B", "light grey background" },
};

// Detail band, one per post: the cell borders (the lines start 0.5 mm above the band) and the values.
const LayoutRow detailRows[] = {
    {    0.0,    0.3,  189.7, "box", "filled white", "", "height 9.3" },
    {    0.0,  151.3,    2.1, "vertical line", "", "", "height 9.0" },
    {   -0.5,  118.3,    2.1, "vertical line", "", "", "height 9.5" },
    {   -0.5,   52.7,    2.1, "vertical line", "", "", "height 9.5" },
    {   -0.5,   95.0,    2.1, "vertical line", "", "", "height 9.5" },
    {   -0.5,  169.9,    2.1, "vertical line", "", "", "height 9.3" },
    {    0.3,    1.1,   52.1, "field", "poste", "8", "fixed box, height 8.7, wraps, grows downward" },
    {    0.3,   54.5,   41.0, "field", "Diplome", "8", "fixed box, height 8.7, wraps, grows downward" },
    {    0.3,   97.6,   20.9, "field", "experience", "9", "fixed box, height 8.7, wraps, grows downward" },
    {    0.3,  120.7,   31.0, "field", "autre_condition", "8", "fixed box, height 8.7, wraps, grows downward" },
    {    0.3,  153.5,   16.9, "field", "étrangers", "12 B", "fixed box, height 8.2, wraps, grows downward" },
    {    0.3,  172.0,   16.9, "field", "Algériens", "12 B", "fixed box, height 8.2, wraps, grows downward" },
};

// Summary band, after the last post.
const LayoutRow summaryRows[] = {
    {    0.0,    0.0,  190.0, "horizontal line", "", "", "height 0.4" },
    {    2.6,    4.5,   13.0, "text", "(Fait à) ", "12", "" },
    {    2.6,   18.0,   13.0, "text", "حرر في :", "12", "" },
    {    2.6,   83.1,    4.5, "text", "Le", "12", "" },
    {    2.6,   88.9,    4.0, "text", "بـ :", "12", "" },
    {   10.1,   55.8,   27.3, "text", "L'employeur", "14 B", "" },
    {   10.3,   86.3,   15.3, "text", "المستخدم", "14 B", "" },
    {   16.4,   25.7,  117.7, "text", "(Cachet, signature et griffe de l’employeur ou de son représentant habilité)", "12", "" },
};

// Page-footer band, on every page.
const LayoutRow footerRows[] = {
    {    1.1,    3.7,    2.1, "page number", "page number", "10 B", "" },
    {    1.1,   12.7,   13.2, "text", "رقم الصفحة", "10 Arial", "" },
};
// clang-format on

} // namespace

ReportLayout FormLayouts::ap01(QStringList *problems)
{
    ReportLayout layout;
    layout.name = QStringLiteral("AP01");
    layout.caption = QStringLiteral("Formulaire accord de principe N° 01");
    layout.walksRecords = true;
    const auto band = [problems](double height, const LayoutRow *rows, qsizetype count) {
        return ReportBand { height, LayoutBuilder::elementsOf(rows, count, problems) };
    };
    layout.title = band(81.8, titleRows, std::size(titleRows));
    layout.detail = band(9.0, detailRows, std::size(detailRows));
    layout.summary = band(33.3, summaryRows, std::size(summaryRows));
    layout.pageFooter = band(6.1, footerRows, std::size(footerRows));
    return layout;
}
