// The forms' layouts as read from their files, laid out: captions, the shared blocks on the
// forms that place them, fields printed several times, records walked, and texts that stay
// inside their lines and are not painted over.

#include "forms/formcatalogue.h"
#include "forms/formfonts.h"
#include "forms/memorydatasource.h"

#include <QDate>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(PageItem)

namespace {

// The forms whose layout places the block.
QStringList formsUsing(const QString &block)
{
    QStringList forms;
    for (const QString &form : FormCatalogue::names()) {
        const std::optional<ReportLayout> layout = FormCatalogue::layout(form);
        for (const ReportLayout::BlockPlacement &placement : layout->blocks) {
            if (placement.block == block && !forms.contains(form))
                forms.append(form);
        }
    }
    return forms;
}

// The block's elements as the form places them on its page layer.
QList<ReportElement> pageElementsOf(const QString &form, const QString &block)
{
    const std::optional<ReportLayout> layout = FormCatalogue::layout(form);
    for (const ReportLayout::BlockPlacement &placement : layout->blocks) {
        if (placement.block == block && placement.band.isEmpty())
            return layout->pageLayer.mid(placement.first, placement.count);
    }
    return {};
}

// The texts of one laid-out page, in drawing order.
QList<PageItem> textsOf(const ReportDocument &document, int page)
{
    QList<PageItem> texts;
    for (const PageItem &item : document.page(page)) {
        if (item.type == PageItem::Type::Text)
            texts.append(item);
    }
    return texts;
}

QList<PageItem> textsNamed(const ReportDocument &document, int page, const QString &text)
{
    QList<PageItem> found;
    for (const PageItem &item : textsOf(document, page)) {
        if (item.text == text)
            found.append(item);
    }
    return found;
}

QVariantMap agreementPost(int number, const QString &post)
{
    return { { "Num", number }, { "nom_orga", "SOCIETE ALPHA" }, { "Projet", "PROJET NORD" },
        { "poste", post }, { "Diplome", "LICENCE" }, { "experience", "5" }, { "autre_condition", "" },
        { "étrangers", 4 }, { "Algériens", 3 } };
}

// Every form laid out with everyday values, the worker's names in Arabic script.
ReportDocument sampleDocument(const QString &form)
{
    MemoryDataSource source({ { { "Nom_orga", "SOCIETE ALPHA" }, { "Adrs_orga", "12 RUE DES PINS ALGER" },
        { "Nom", "عبد الرحمن" }, { "Prenom", "يوسف" }, { "Nation", "FRANCAISE" },
        { "Date_nais", QDate(1979, 3, 5) }, { "Tel", "021234567" }, { "Poste_occupe", "SOUDEUR" },
        { "poste", "GRUTIER" }, { "Projet_1", "PROJET NORD" } } });
    return FormCatalogue::document(form, &source, { { "QRLabel7", "5" } });
}

// From where to where, in millimetres down the paper, the line leaves ink.
std::pair<double, double> inkRows(const PageItem &line)
{
    constexpr double dotsPerInch = 1200.0;
    constexpr double pixelsPerMillimetre = dotsPerInch / 25.4;
    const QRectF area = line.rect.adjusted(-3.0, -3.0, 3.0, 3.0);
    QImage image(qCeil(area.width() * pixelsPerMillimetre), qCeil(area.height() * pixelsPerMillimetre),
        QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.translate(-area.left() * pixelsPerMillimetre, -area.top() * pixelsPerMillimetre);
        ReportDocument alone;
        alone.appendPage({ line });
        alone.drawPage(painter, 0);
    }
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        if (std::any_of(row, row + image.width(), [](QRgb pixel) { return qGray(pixel) < 160; })) {
            if (first < 0)
                first = y;
            last = y + 1;
        }
    }
    if (first < 0)
        return { 0.0, 0.0 };
    return { area.top() + first / pixelsPerMillimetre, area.top() + last / pixelsPerMillimetre };
}

} // namespace

class TestFormsLayouts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void layoutsReadWithoutProblems();
    void captions_data();
    void captions();
    void letterheadCentredOnPage_data();
    void letterheadCentredOnPage();
    void blockPlacementsPerForm_data();
    void blockPlacementsPerForm();
    void annexeWithRecord();
    void printedCaptions_data();
    void printedCaptions();
    void fieldsPrintedSeveralTimes_data();
    void fieldsPrintedSeveralTimes();
    void contractNamesShowTheirFirstLine();
    void identificationSheetPerContactRow_data();
    void identificationSheetPerContactRow();
    void agreementFormOverSeveralPages();
    void agreementPostGrowsAndPushesTheNext();
    void arabicInsideItsLine_data();
    void arabicInsideItsLine();
    void stateHeaderArabicAboveFrench_data();
    void stateHeaderArabicAboveFrench();
    void nothingErasesAText_data();
    void nothingErasesAText();
    void belowTheBottomMargin_data();
    void belowTheBottomMargin();
};

void TestFormsLayouts::initTestCase()
{
    installFormFonts();
}

void TestFormsLayouts::layoutsReadWithoutProblems()
{
    for (const QString &name : FormCatalogue::names()) {
        QStringList problems;
        QVERIFY(FormCatalogue::layout(name, &problems).has_value());
        QVERIFY2(
            problems.isEmpty(), qPrintable(name + QLatin1String(": ") + problems.join(QLatin1String("; "))));
    }
    QVERIFY(!FormCatalogue::layout(QStringLiteral("no_such_form")).has_value());
    QCOMPARE(FormCatalogue::document(QStringLiteral("no_such_form"), nullptr).pageCount(), 0);
}

void TestFormsLayouts::captions_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");

    const QList<QPair<QString, QString>> captions {
        { "anx_01", "Annexe 01/02" },
        { "anx_01_02", "Annexe 02/02" },
        { "anx_02_Individuelle", "Annexe 02 (Individuelle)" },
        { "anx_04", "anx_04" },
        { "anx_04_bis", "anx_04_bis" },
        { "Anx_07", "Anx_07" },
        { "demande_apt", "demande_apt" },
        { "DEMANDE_permis", "DEMANDE_permis" },
        { "demande_visa", "demande_visa" },
        { "contrat1", "contrat1" },
        { "contrat2", "contrat2" },
        { "recrutement", "recrutement" },
        { "rapatriement1", "rapatriement1" },
        { "Fiche", "Fiche" },
        { "AP01", "Formulaire accord de principe N° 01" },
    };
    for (const auto &[form, caption] : captions)
        QTest::newRow(qPrintable(form)) << form << caption;
}

void TestFormsLayouts::captions()
{
    QFETCH(QString, form);
    QFETCH(QString, caption);
    QVERIFY(FormCatalogue::names().contains(form));
    const std::optional<ReportLayout> layout = FormCatalogue::layout(form);
    QVERIFY(layout);
    QCOMPARE(layout->name, form);
    QCOMPARE(layout->caption, caption);
    MemoryDataSource empty;
    QCOMPARE(FormCatalogue::document(form, &empty).title(), caption);
}

void TestFormsLayouts::letterheadCentredOnPage_data()
{
    QTest::addColumn<QString>("form");
    const QStringList forms = formsUsing(QStringLiteral("letterhead"));
    QCOMPARE(forms.size(), 9);
    for (const QString &form : forms)
        QTest::newRow(qPrintable(form)) << form;
}

void TestFormsLayouts::letterheadCentredOnPage()
{
    QFETCH(QString, form);
    QStringList problems;
    const std::optional<ReportLayout> layout = FormCatalogue::layout(form, &problems);
    QVERIFY(problems.isEmpty());
    QVERIFY(layout->subDetail);
    const ReportBand band = *layout->subDetail;
    QCOMPARE(band.height, form == QLatin1String("recrutement") ? 38.9 : 40.2);
    int centred = 0;
    for (const ReportElement &element : band.elements) {
        if (!element.centred)
            continue;
        ++centred;
        QVERIFY2(qAbs(element.left + element.width / 2 - 95.4) <= 0.3 + 1e-9, qPrintable(element.content));
    }
    QCOMPARE(centred, form == QLatin1String("Anx_07") ? 3 : 4);
    QCOMPARE(band.elements.first().top, form == QLatin1String("Anx_07") ? 0.8 : 1.6);
}

void TestFormsLayouts::blockPlacementsPerForm_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("block");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("left");

    QTest::newRow("reception box on anx_04: frame") << "anx_04"
                                                    << "reception" << 0 << 69.8 << 12.2;
    QTest::newRow("reception box on Anx_07: frame") << "Anx_07"
                                                    << "reception" << 0 << 54.0 << 12.2;
    QTest::newRow("reception box on Anx_07: raised title") << "Anx_07"
                                                           << "reception" << 3 << 54.3 << 22.5;
    QTest::newRow("reception box on Anx_07: file number") << "Anx_07"
                                                          << "reception" << 5 << 64.1 << 13.0;
    QTest::newRow("grid on demande_apt: request type") << "demande_apt"
                                                       << "grid" << 14 << 254.5 << 80.4;
    QTest::newRow("grid on DEMANDE_permis: request type") << "DEMANDE_permis"
                                                          << "grid" << 14 << 254.5 << 80.2;
    QTest::newRow("grid on DEMANDE_permis: last text") << "DEMANDE_permis"
                                                       << "grid" << 20 << 279.7 << 19.3;
    QTest::newRow("letterhead on Fiche: Tel") << "Fiche"
                                              << "letterhead" << 7 << 29.1 << 10.6;
    QTest::newRow("letterhead on demande_visa: Email") << "demande_visa"
                                                       << "letterhead" << 9 << 29.4 << 113.8;
    QTest::newRow("letterhead on demande_apt: project") << "demande_apt"
                                                        << "letterhead" << 3 << 22.8 << 89.2;
}

void TestFormsLayouts::blockPlacementsPerForm()
{
    QFETCH(QString, form);
    QFETCH(QString, block);
    QFETCH(int, index);
    QFETCH(double, top);
    QFETCH(double, left);
    QList<ReportElement> elements;
    if (block == QLatin1String("reception"))
        elements = pageElementsOf(form, QStringLiteral("receptionbox"));
    else if (block == QLatin1String("grid"))
        elements = pageElementsOf(form, QStringLiteral("processinggrid"));
    else
        elements = FormCatalogue::layout(form)->subDetail->elements;
    QVERIFY(index < elements.size());
    QVERIFY(qAbs(elements.at(index).top - top) < 1e-9);
    QVERIFY(qAbs(elements.at(index).left - left) < 1e-9);
    if (block == QLatin1String("grid"))
        QCOMPARE(elements.size(), 21);
}

void TestFormsLayouts::annexeWithRecord()
{
    // Fields that appear twice print the same value twice; the head counts replace the "..."
    // placeholders; the page-1 dates print as dd/MM/yyyy.
    const QVariantMap row { { "Nom_orga", "SOCIETE ALPHA" }, { "Statut_juridique", "SPA" },
        { "Date_marche", QDate(2023, 1, 2) }, { "Nation", "FRANCAISE" }, { "Projet_1", "PROJET NORD" },
        { "Nb_t", 120 } };
    MemoryDataSource source({ row });
    const QHash<QString, QString> counts { { "QRLabel7", "5" }, { "QRLabel2", "2" }, { "QRLabel6", "1" },
        { "QRLabel4", "2" } };
    const ReportDocument first = FormCatalogue::document(QStringLiteral("anx_01"), &source, counts);
    QCOMPARE(first.pageCount(), 1);
    QCOMPARE(first.title(), QStringLiteral("Annexe 01/02"));
    QStringList printed;
    for (const PageItem &item : first.page(0)) {
        if (item.type == PageItem::Type::Text)
            printed.append(item.text);
    }
    QCOMPARE(printed.count(QStringLiteral("SOCIETE ALPHA")), 2);
    QCOMPARE(printed.count(QStringLiteral("SPA")), 2);
    QCOMPARE(printed.count(QStringLiteral("02/01/2023")), 2);
    QCOMPARE(printed.count(QStringLiteral("120")), 1);
    QCOMPARE(printed.count(QStringLiteral("...")), 0);
    QVERIFY(printed.contains(QStringLiteral("PROJET NORD")));

    const ReportDocument second = FormCatalogue::document(QStringLiteral("anx_01_02"), &source);
    printed.clear();
    for (const PageItem &item : second.page(0)) {
        if (item.type == PageItem::Type::Text)
            printed.append(item.text);
    }
    QCOMPARE(printed.count(QStringLiteral("FRANCAISE")), 2);
    QCOMPARE(second.title(), QStringLiteral("Annexe 02/02"));
}

void TestFormsLayouts::printedCaptions_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("printed");

    QTest::newRow("bullet, one tab") << "anx_02_Individuelle"
                                     << "o\t Une demande d'autorisation provisoire de travail.";
    QTest::newRow("bullet, two tabs") << "anx_04"
                                      << "o\t\t Contrat de travail à durée déterminée.";
    QTest::newRow("bullet with a doubled blank")
        << "anx_04"
        << "o\t Copie certifiée  par les services de l'état civil de la page du passeport justifiant "
           "l'entrée légale en Algérie (visa de travail).";
    QTest::newRow("plain item, curly apostrophes")
        << "anx_04_bis"
        << "o Une fiche de renseignement pour l’emploi d’un travailleur étranger.";
    QTest::newRow("plain item, last of eight")
        << "anx_04_bis"
        << "o Un document attestant de la déclaration du travailleur à la sécurité sociale.";
    QTest::newRow("A with diaeresis")
        << "demande_visa"
        << "DÉCRET PRÉSIDENTIEL N° 03-251 DU 19 JUILLET 2003 RELATIF Ä LA SITUATION DES";
    QTest::newRow("two lower-case l") << "contrat2"
                                      << "ll est convenu ce qui suit :";
    QTest::newRow("trailing blank kept") << "contrat2"
                                         << "Pour une durée déterminée de : ";
    QTest::newRow("curly apostrophes of the title") << "Fiche"
                                                    << "FICHE D’IDENTIFICATION DE L’ENTREPRISE";
    QTest::newRow("state header") << "anx_04"
                                  << "REPUBLIQUE  ALGERIENNE DEMOCRATIQUE ET POPULAIRE";
    QTest::newRow("eighteen hyphens") << "anx_04_bis"
                                      << "------------------";
}

void TestFormsLayouts::printedCaptions()
{
    QFETCH(QString, form);
    QFETCH(QString, printed);
    MemoryDataSource empty;
    const ReportDocument document = FormCatalogue::document(form, &empty);
    QCOMPARE(document.pageCount(), 1);
    QVERIFY(!textsNamed(document, 0, printed).isEmpty());
}

void TestFormsLayouts::fieldsPrintedSeveralTimes_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<int>("times");

    QTest::newRow("anx_04: nationality, present and of origin")
        << "anx_04"
        << "Nation" << QVariant("TUNISIENNE") << "TUNISIENNE" << 2;
    QTest::newRow("anx_04_bis: nationality, present and of origin")
        << "anx_04_bis"
        << "Nation" << QVariant("TUNISIENNE") << "TUNISIENNE" << 2;
    QTest::newRow("DEMANDE_permis: request type in subject, body and grid")
        << "DEMANDE_permis"
        << "Type_demande" << QVariant("PERMIS DE TRAVAIL") << "PERMIS DE TRAVAIL" << 3;
    QTest::newRow("demande_apt: request type in the grid") << "demande_apt"
                                                           << "Type_demande" << QVariant("APT") << "APT" << 1;
    QTest::newRow("DEMANDE_permis: entry date")
        << "DEMANDE_permis"
        << "Date_entrer_alg" << QVariant(QDate(2024, 2, 7)) << "07/02/2024" << 1;
    QTest::newRow("contrat2: surname in four articles") << "contrat2"
                                                        << "Nom" << QVariant("DUPONT") << "DUPONT" << 4;
    QTest::newRow("contrat2: first name in four articles") << "contrat2"
                                                           << "Prenom" << QVariant("JEAN") << "JEAN" << 4;
    QTest::newRow("Fiche: employer in letterhead and body")
        << "Fiche"
        << "Nom_orga" << QVariant("SOCIETE ALPHA") << "SOCIETE ALPHA" << 2;
    QTest::newRow("Fiche: project in letterhead and body")
        << "Fiche"
        << "Projet_1" << QVariant("PROJET NORD") << "PROJET NORD" << 2;
    QTest::newRow("Fiche: contract date twice")
        << "Fiche"
        << "Date_marche" << QVariant(QDate(2023, 1, 2)) << "02/01/2023" << 2;
    QTest::newRow("Anx_07: no project line") << "Anx_07"
                                             << "Projet_1" << QVariant("PROJET NORD") << "PROJET NORD" << 0;
    QTest::newRow("demande_visa: project in letterhead and body")
        << "demande_visa"
        << "Projet_1" << QVariant("PROJET NORD") << "PROJET NORD" << 2;
    QTest::newRow("demande_apt: project read without regard to case")
        << "demande_apt"
        << "Projet_1" << QVariant("PROJET NORD") << "PROJET NORD" << 1;
}

void TestFormsLayouts::fieldsPrintedSeveralTimes()
{
    QFETCH(QString, form);
    QFETCH(QString, field);
    QFETCH(QVariant, value);
    QFETCH(QString, printed);
    QFETCH(int, times);
    MemoryDataSource source({ { { field, value } } });
    const ReportDocument document = FormCatalogue::document(form, &source);
    QCOMPARE(document.pageCount(), 1);
    QCOMPARE(int(textsNamed(document, 0, printed).size()), times);
}

void TestFormsLayouts::contractNamesShowTheirFirstLine()
{
    // A name wider than its 8-point box wraps inside it, and only the line that fits prints.
    const QString surname = QStringLiteral("ABDELKADER BENMOHAMED OULD SIDI AHMED EL HOCINE");
    MemoryDataSource source({ { { "Nom", surname }, { "Prenom", "JEAN" } } });
    const ReportDocument document = FormCatalogue::document(QStringLiteral("contrat2"), &source);
    QCOMPARE(document.pageCount(), 1);
    const std::optional<ReportLayout> layout = FormCatalogue::layout(QStringLiteral("contrat2"));
    QList<ReportElement> boxes;
    for (const ReportElement &element : layout->pageLayer) {
        if (element.kind == ReportElement::Kind::Field && element.content == QLatin1String("Nom"))
            boxes.append(element);
    }
    QCOMPARE(boxes.size(), 4);
    for (const ReportElement &box : std::as_const(boxes)) {
        QList<PageItem> inside;
        for (const PageItem &item : textsOf(document, 0)) {
            if (qAbs(item.rect.left() - box.left) < 1e-6 && item.rect.top() >= box.top - 1e-6
                && item.rect.top() < box.top + box.height)
                inside.append(item);
        }
        QCOMPARE(inside.size(), 1);
        QVERIFY2(surname.startsWith(inside.first().text + QLatin1Char(' ')), qPrintable(inside.first().text));
        QVERIFY(inside.first().rect.bottom() <= box.top + box.height + 1e-6);
        QVERIFY(inside.first().rect.width() <= box.width + 1e-6);
    }
    // A short first name prints whole in each of its boxes.
    QCOMPARE(textsNamed(document, 0, QStringLiteral("JEAN")).size(), 4);
}

void TestFormsLayouts::identificationSheetPerContactRow_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");

    QTest::newRow("no row: one blank letterhead") << 0 << 1;
    QTest::newRow("one project") << 1 << 1;
    QTest::newRow("three projects") << 3 << 1;
    QTest::newRow("more letterheads than a page holds") << 8 << 2;
}

void TestFormsLayouts::identificationSheetPerContactRow()
{
    QFETCH(int, rows);
    QFETCH(int, pages);
    MemoryDataSource source;
    for (int i = 1; i <= rows; ++i)
        source.appendRow({ { "Nom_orga", QStringLiteral("SOCIETE %1").arg(i) },
            { "Projet_1", QStringLiteral("PROJET %1").arg(i) }, { "Tel", QStringLiteral("0%1").arg(i) } });
    const ReportDocument document = FormCatalogue::document(QStringLiteral("Fiche"), &source);
    QCOMPARE(document.pageCount(), pages);

    // The letterhead once per row, 40.2 mm apart from the top margin, continued on the next page.
    const double firstLine = 10.0 + 1.6;
    const int perPage = int((287.0 - 10.0) / 40.2);
    for (int i = 1; i <= rows; ++i) {
        const int page = (i - 1) / perPage;
        const QList<PageItem> printed = textsNamed(document, page, QStringLiteral("SOCIETE %1").arg(i));
        QVERIFY2(!printed.isEmpty(), qPrintable(QString::number(i)));
        const double expected = firstLine + 40.2 * ((i - 1) % perPage);
        QVERIFY2(qAbs(printed.first().rect.top() - expected) < 1e-6,
            qPrintable(QString::number(printed.first().rect.top())));
    }
    // Each page carries the page layer; on the last page it shows the last row, beside that row's
    // letterhead.
    for (int page = 0; page < pages; ++page)
        QCOMPARE(
            textsNamed(document, page, QStringLiteral("FICHE D’IDENTIFICATION DE L’ENTREPRISE")).size(), 1);
    if (rows > 0)
        QCOMPARE(textsNamed(document, pages - 1, QStringLiteral("PROJET %1").arg(rows)).size(), 2);
    if (rows == 0)
        QCOMPARE(textsNamed(document, 0, QStringLiteral("Tél :")).size(), 1);
}

void TestFormsLayouts::agreementFormOverSeveralPages()
{
    MemoryDataSource source;
    for (int i = 1; i <= 30; ++i)
        source.appendRow(agreementPost(i, QStringLiteral("POSTE %1").arg(i)));
    const ReportDocument document = FormCatalogue::document(QStringLiteral("AP01"), &source);
    QCOMPARE(document.title(), QStringLiteral("Formulaire accord de principe N° 01"));
    QCOMPARE(document.pageCount(), 2);

    // The title band heads the first page only; the second starts with the rows at the margin.
    QCOMPARE(textsNamed(document, 0, QStringLiteral("Formulaire AP N° 01")).size(), 1);
    QCOMPARE(textsNamed(document, 1, QStringLiteral("Formulaire AP N° 01")).size(), 0);
    const QList<PageItem> first = textsNamed(document, 0, QStringLiteral("POSTE 1"));
    QCOMPARE(first.size(), 1);
    QVERIFY(qAbs(first.first().rect.top() - (10.0 + 81.8 + 0.3)) < 1e-6);

    // Rows follow in order, 9.0 mm apart, and the first that no longer fits above the footer opens
    // the second page.
    const double footerTop = 297.0 - 10.0 - 6.1;
    int onFirstPage = 0;
    for (int i = 1; i <= 30; ++i) {
        const QString post = QStringLiteral("POSTE %1").arg(i);
        const bool here = textsNamed(document, 0, post).size() == 1;
        QCOMPARE(here || textsNamed(document, 1, post).size() == 1, true);
        if (here) {
            QCOMPARE(onFirstPage, i - 1);
            ++onFirstPage;
            QVERIFY(
                qAbs(textsNamed(document, 0, post).first().rect.top() - (10.0 + 81.8 + 9.0 * (i - 1) + 0.3))
                < 1e-6);
        }
    }
    QCOMPARE(onFirstPage, int((footerTop - 10.0 - 81.8) / 9.0));
    const QList<PageItem> continued
        = textsNamed(document, 1, QStringLiteral("POSTE %1").arg(onFirstPage + 1));
    QVERIFY(qAbs(continued.first().rect.top() - 10.3) < 1e-6);

    // The summary after the last row only; the page number in every page's footer.
    QCOMPARE(textsNamed(document, 0, QStringLiteral("L'employeur")).size(), 0);
    QCOMPARE(textsNamed(document, 1, QStringLiteral("L'employeur")).size(), 1);
    for (int page = 0; page < 2; ++page) {
        const QList<PageItem> number = textsNamed(document, page, QString::number(page + 1));
        QCOMPARE(number.size(), 1);
        QVERIFY(qAbs(number.first().rect.top() - (footerTop + 1.1)) < 1e-6);
        QVERIFY(qAbs(number.first().rect.left() - (10.0 + 3.7)) < 1e-6);
        QCOMPARE(textsNamed(document, page, QStringLiteral("رقم الصفحة")).size(), 1);
    }
}

void TestFormsLayouts::agreementPostGrowsAndPushesTheNext()
{
    // A post wider than its column wraps inside it; its row grows and the next row moves down.
    const QString longPost
        = QStringLiteral("INGENIEUR EN GENIE CIVIL SPECIALISE DANS LES OUVRAGES D'ART ET LES TUNNELS "
                         "A GRANDE SECTION");
    MemoryDataSource source({ agreementPost(1, longPost), agreementPost(2, QStringLiteral("GRUTIER")) });
    const ReportDocument document = FormCatalogue::document(QStringLiteral("AP01"), &source);
    QCOMPARE(document.pageCount(), 1);
    QList<PageItem> lines;
    for (const PageItem &item : textsOf(document, 0)) {
        if (qAbs(item.rect.left() - 11.1) < 1e-6 && item.rect.top() > 10.0 + 81.8 && item.rect.top() < 150.0
            && item.text != QLatin1String("GRUTIER"))
            lines.append(item);
    }
    QVERIFY(lines.size() >= 3);
    QCOMPARE(lines.first().text + QLatin1Char(' '), longPost.left(lines.first().text.size() + 1));
    const double grownBottom = lines.last().rect.bottom();
    const QList<PageItem> next = textsNamed(document, 0, QStringLiteral("GRUTIER"));
    QCOMPARE(next.size(), 1);
    QVERIFY(next.first().rect.top() >= grownBottom - 1e-6);
    QVERIFY(next.first().rect.top() > 10.0 + 81.8 + 9.0 + 0.3 + 1e-6);
    // Its frame and column lines grow with it: the text stays inside its cell.
    for (const PageItem &item : document.page(0)) {
        const bool frame = item.type == PageItem::Type::Box || item.type == PageItem::Type::VerticalLine;
        if (frame && item.rect.top() > 10.0 + 81.8 - 1.0 && item.rect.top() < next.first().rect.top() - 1.0)
            QVERIFY2(item.rect.bottom() >= grownBottom - 0.3, qPrintable(QString::number(item.rect.left())));
    }
}

void TestFormsLayouts::arabicInsideItsLine_data()
{
    QTest::addColumn<PageItem>("line");
    for (const QString &form : FormCatalogue::names()) {
        const ReportDocument document = sampleDocument(form);
        for (const PageItem &item : textsOf(document, 0)) {
            if (item.arabic)
                QTest::newRow(qPrintable(
                    QStringLiteral("%1 at %2, %3").arg(form).arg(item.rect.top()).arg(item.rect.left())))
                    << item;
        }
    }
}

void TestFormsLayouts::arabicInsideItsLine()
{
    // An Arabic line's letters, dots and marks stay inside the line box of the face its row
    // names, where the row's neighbours expect them.
    QFETCH(PageItem, line);
    const auto [top, bottom] = inkRows(line);
    QVERIFY(bottom > top);
    QVERIFY2(top >= line.rect.top() - 0.05 && bottom <= line.rect.bottom() + 0.05,
        qPrintable(QStringLiteral("ink %1–%2 mm, line %3–%4 mm")
                       .arg(top)
                       .arg(bottom)
                       .arg(line.rect.top())
                       .arg(line.rect.bottom())));
}

void TestFormsLayouts::stateHeaderArabicAboveFrench_data()
{
    QTest::addColumn<QString>("form");
    const QStringList forms = formsUsing(QStringLiteral("stateheader"));
    QCOMPARE(forms.size(), 3);
    for (const QString &form : forms)
        QTest::newRow(qPrintable(form)) << form;
}

void TestFormsLayouts::stateHeaderArabicAboveFrench()
{
    // The Republic's name in Arabic stands wholly above its French line and that line's
    // white background.
    QFETCH(QString, form);
    const ReportDocument document = sampleDocument(form);
    const QList<PageItem> texts = textsOf(document, 0);
    const auto arabic
        = std::find_if(texts.cbegin(), texts.cend(), [](const PageItem &item) { return item.arabic; });
    const QList<PageItem> french
        = textsNamed(document, 0, QStringLiteral("REPUBLIQUE  ALGERIENNE DEMOCRATIQUE ET POPULAIRE"));
    QVERIFY(arabic != texts.cend() && french.size() == 1);
    const double bottom = inkRows(*arabic).second;
    QVERIFY2(bottom <= french.first().rect.top(),
        qPrintable(QStringLiteral("Arabic ink ends at %1 mm, the French line starts at %2 mm")
                       .arg(bottom)
                       .arg(french.first().rect.top())));
}

void TestFormsLayouts::nothingErasesAText_data()
{
    QTest::addColumn<QString>("form");
    for (const QString &form : FormCatalogue::names())
        QTest::newRow(qPrintable(form)) << form;
}

void TestFormsLayouts::nothingErasesAText()
{
    // No background or shape painted after a line covers part of it.
    QFETCH(QString, form);
    const ReportDocument document = sampleDocument(form);
    QStringList erased;
    for (int page = 0; page < document.pageCount(); ++page) {
        const QList<PageItem> &items = document.page(page);
        for (qsizetype i = 0; i < items.size(); ++i) {
            const PageItem &line = items.at(i);
            if (line.type != PageItem::Type::Text)
                continue;
            for (qsizetype j = i + 1; j < items.size(); ++j) {
                const PageItem &later = items.at(j);
                if (later.type != PageItem::Type::Fill && later.type != PageItem::Type::Box)
                    continue;
                const QRectF shared = line.rect.intersected(later.rect);
                if (shared.width() > 0.3 && shared.height() > 0.5 * line.rect.height())
                    erased << QStringLiteral("page %1: \"%2\"").arg(page + 1).arg(line.text);
            }
        }
    }
    QVERIFY2(erased.isEmpty(), qPrintable(erased.join(QLatin1Char('\n'))));
}

void TestFormsLayouts::belowTheBottomMargin_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("top");

    QTest::newRow("contract page mark 1/2") << "contrat1"
                                            << "1/2" << 290.2;
    QTest::newRow("contract page mark 2/2") << "contrat2"
                                            << "2/2" << 290.2;
    QTest::newRow("grid on demande_apt") << "demande_apt"
                                         << "AVIS DE L'EXAMINATEUR" << 279.7;
    QTest::newRow("grid on DEMANDE_permis") << "DEMANDE_permis"
                                            << "Défavorable / Motif :" << 278.3;
    QTest::newRow("footnote of Annexe 02") << "anx_02_Individuelle"
                                           << "(1) : Rayer la mention inutile." << 280.7;
}

void TestFormsLayouts::belowTheBottomMargin()
{
    QFETCH(QString, form);
    QFETCH(QString, text);
    QFETCH(double, top);
    MemoryDataSource source({ { { "Nom", "DUPONT" } } });
    const ReportDocument document = FormCatalogue::document(form, &source);
    QCOMPARE(document.pageCount(), 1);
    const QList<PageItem> printed = textsNamed(document, 0, text);
    QCOMPARE(printed.size(), 1);
    QVERIFY(qAbs(printed.first().rect.top() - top) < 1e-6);
    QVERIFY(printed.first().rect.bottom() <= 297.0);
    if (form.startsWith(QLatin1String("DEMANDE")) || form.startsWith(QLatin1String("demande"))) {
        // The grid's outer frame reaches 294.4 mm.
        const bool frame
            = std::any_of(document.page(0).cbegin(), document.page(0).cend(), [](const PageItem &item) {
                  return item.type == PageItem::Type::Box && qAbs(item.rect.top() - 235.7) < 1e-6
                      && qAbs(item.rect.bottom() - 294.4) < 1e-6;
              });
        QVERIFY(frame);
    }
}

QTEST_MAIN(TestFormsLayouts)
#include "tst_forms_layouts.moc"
