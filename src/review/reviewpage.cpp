#include "review/reviewpage.h"

#include "data/countedtext.h"
#include "data/csvtext.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/fieldvalue.h"
#include "data/query.h"
#include "printing/pdfsaving.h"
#include "printing/reviewlists.h"
#include "printing/uiservice.h"
#include "review/reviewmodel.h"
#include "ui_reviewpage.h"

#include <QDir>
#include <QHeaderView>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

const QString AllEmployers = QStringLiteral("Tous les organismes");
// Dates read at a time, as the list scrolls.
constexpr int DatePage = 200;
const QString AllProjects = QStringLiteral("Tous les projets");

void prepare(QTableView *view, ReviewModel *model)
{
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(20);
    view->horizontalHeader()->setStretchLastSection(true);
    // Columns fitted to the first lines only: a long list is not measured line by line.
    view->horizontalHeader()->setResizeContentsPrecision(100);
    QObject::connect(model, &QAbstractItemModel::modelReset, view, &QTableView::resizeColumnsToContents);
}

} // namespace

ReviewPage::ReviewPage(DataModule *data, UiService &ui, QWidget *parent)
    : QWidget(parent)
    , m_layout(std::make_unique<Ui::ReviewPage>())
    , m_data(data)
    , m_ui(ui)
    , m_dateModel(new ReviewModel(this))
    , m_postModel(new ReviewModel(this))
    , m_unplacedModel(new ReviewModel(this))
{
    m_layout->setupUi(this);
    setObjectName(QStringLiteral("TabSheet4"));
    prepare(m_layout->dueDatesView, m_dateModel);
    prepare(m_layout->postsView, m_postModel);
    prepare(m_layout->unplacedView, m_unplacedModel);
    for (int days : DueDates::horizons())
        m_layout->horizonChoice->addItem(QStringLiteral("%1 jours").arg(days), days);
    m_layout->horizonChoice->setCurrentIndex(int(DueDates::horizons().indexOf(DueDates::defaultHorizon)));
    // What a screen reader says: each button its text, each list its caption.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAccessibleName(button->text());
    m_layout->employerFilter->setAccessibleName(QStringLiteral("Organisme"));
    m_layout->projectFilter->setAccessibleName(QStringLiteral("Projet"));
    m_layout->horizonChoice->setAccessibleName(QStringLiteral("Horizon"));

    connect(m_layout->horizonChoice, &QComboBox::currentIndexChanged, this, &ReviewPage::showDates);
    connect(m_layout->employerFilter, &QComboBox::currentIndexChanged, this, [this] {
        fillProjects();
        applyFilters();
    });
    connect(m_layout->projectFilter, &QComboBox::currentIndexChanged, this, &ReviewPage::applyFilters);
    connect(m_layout->lists, &QTabWidget::currentChanged, this, &ReviewPage::listChanged);
    connect(m_layout->dueDatesView, &QAbstractItemView::activated, this, &ReviewPage::openDueDate);
    connect(m_layout->postsView, &QAbstractItemView::activated, this, &ReviewPage::openPost);
    connect(m_layout->unplacedView, &QAbstractItemView::activated, this, &ReviewPage::openUnplaced);
    connect(m_layout->previewList, &QPushButton::clicked, this, &ReviewPage::previewList);
    connect(m_layout->savePdf, &QPushButton::clicked, this, &ReviewPage::savePdf);
    connect(m_layout->saveCsv, &QPushButton::clicked, this, &ReviewPage::saveCsv);
}

ReviewPage::~ReviewPage() = default;

QComboBox *ReviewPage::employerFilter() const
{
    return m_layout->employerFilter;
}

QComboBox *ReviewPage::projectFilter() const
{
    return m_layout->projectFilter;
}

QComboBox *ReviewPage::horizonChoice() const
{
    return m_layout->horizonChoice;
}

QTableView *ReviewPage::dueDatesView() const
{
    return m_layout->dueDatesView;
}

QTableView *ReviewPage::postsView() const
{
    return m_layout->postsView;
}

QTableView *ReviewPage::unplacedView() const
{
    return m_layout->unplacedView;
}

void ReviewPage::pageShown()
{
    // Shown again with the tables as they were read, the lists still hold.
    const QList<qint64> stamp = storeStamp();
    if (!stamp.isEmpty() && stamp == m_stamp && m_wantedEmployer.isNull())
        return;
    if (stamp != m_stamp)
        m_countsRead = false;
    {
        const QSignalBlocker employers(m_layout->employerFilter);
        const QSignalBlocker projects(m_layout->projectFilter);
        fillEmployers();
        fillProjects();
    }
    m_stamp = stamp;
    applyFilters();
}

// What tells whether the tables changed since they were read: the writes made through this
// connection, the engine's version of each file (it moves when another program writes one), and
// the day the dates count from. Empty when the engine cannot tell.
QList<qint64> ReviewPage::storeStamp() const
{
    Database *db = m_data->database();
    QList<qint64> stamp { qint64(db->writes()), today().toJulianDay() };
    for (const char *alias : { "Employeur", "contact", "Accord", "Expatries" }) {
        const qint64 version = db->dataVersion(QString::fromLatin1(alias));
        if (version < 0)
            return {};
        stamp << version;
    }
    return stamp;
}

// The employers of the employer table; the one chosen before stays chosen while it exists.
void ReviewPage::fillEmployers()
{
    QComboBox *box = m_layout->employerFilter;
    QString chosen = box->currentIndex() > 0 ? box->currentText() : QString();
    if (!m_wantedEmployer.isNull())
        chosen = std::exchange(m_wantedEmployer, QString());
    box->clear();
    box->addItem(AllEmployers);
    Query q(m_data->database());
    q.addLine(QStringLiteral("select Nom_orga from employeur order by Nom_orga"));
    if (q.open()) {
        for (; !q.atEnd(); q.next())
            box->addItem(q.text(QStringLiteral("Nom_orga")));
    }
    box->setCurrentIndex(std::max(0, box->findText(chosen)));
}

// The projects of the chosen employer, or of every employer.
void ReviewPage::fillProjects()
{
    QComboBox *box = m_layout->projectFilter;
    const QSignalBlocker blocker(box);
    const QString chosen = box->currentIndex() > 0 ? box->currentText() : QString();
    box->clear();
    box->addItem(AllProjects);
    Query q(m_data->database());
    q.addLine(QStringLiteral("select distinct Projet from contact"));
    if (m_layout->employerFilter->currentIndex() > 0) {
        q.addLine(QStringLiteral("where nom_orga = :employer"));
        q.bindValue(QStringLiteral(":employer"), m_layout->employerFilter->currentText());
    }
    q.addLine(QStringLiteral("order by Projet"));
    if (q.open()) {
        for (; !q.atEnd(); q.next()) {
            const QString project = q.text(QStringLiteral("Projet"));
            if (!project.isEmpty())
                box->addItem(project);
        }
    }
    box->setCurrentIndex(std::max(0, box->findText(chosen)));
}

DueDateFilter ReviewPage::dateFilter() const
{
    DueDateFilter filter { today(), m_layout->horizonChoice->currentData().toInt(), QString(), QString() };
    if (m_layout->employerFilter->currentIndex() > 0)
        filter.employer = m_layout->employerFilter->currentText();
    if (m_layout->projectFilter->currentIndex() > 0)
        filter.project = m_layout->projectFilter->currentText();
    return filter;
}

bool ReviewPage::readDueDates()
{
    QString error;
    m_dateTotal = m_datePast = -1;
    if (DueDates::read(*m_data->database(), dateFilter(), 0, DatePage, &m_dates, &error)) {
        // The count follows once the first lines show.
        QTimer::singleShot(0, this, &ReviewPage::countDueDates);
        return true;
    }
    m_dates.clear();
    m_stamp.clear();
    m_ui.error(this, QStringLiteral("Les échéances ne peuvent pas être lues : %1").arg(error));
    return false;
}

void ReviewPage::countDueDates()
{
    if (m_dateTotal >= 0)
        return;
    QString error;
    if (!DueDates::count(*m_data->database(), dateFilter(), &m_dateTotal, &m_datePast, &error))
        m_dateTotal = m_datePast = 0;
    updateSummary();
}

int ReviewPage::readMoreDates()
{
    QList<DueDate> more;
    QString error;
    if (!DueDates::read(*m_data->database(), dateFilter(), int(m_dates.size()), DatePage, &more, &error)) {
        m_ui.error(this, QStringLiteral("Les échéances ne peuvent pas être lues : %1").arg(error));
        return 0;
    }
    m_dates += more;
    return int(more.size());
}

bool ReviewPage::readHeadCounts()
{
    QString error;
    m_countsRead = HeadCounts::read(*m_data->database(), &m_sheet, &error);
    if (m_countsRead)
        return true;
    m_sheet = {};
    m_ui.error(this, QStringLiteral("Les effectifs ne peuvent pas être lus : %1").arg(error));
    return false;
}

void ReviewPage::listChanged()
{
    if (!showingDueDates() && !m_countsRead)
        showCounts();
    updateSummary();
}

bool ReviewPage::passes(const QString &employer, const QString &project) const
{
    const QComboBox *employers = m_layout->employerFilter;
    const QComboBox *projects = m_layout->projectFilter;
    return (employers->currentIndex() <= 0 || employer == employers->currentText())
        && (projects->currentIndex() <= 0 || project == projects->currentText());
}

void ReviewPage::applyFilters()
{
    showDates();
    showCounts();
}

// The head counts of the filters, read first when the tables changed since, and only once their
// list is to be seen.
void ReviewPage::showCounts()
{
    if (showingDueDates() && !m_countsRead)
        return;
    if (!m_countsRead)
        readHeadCounts();
    m_posts.clear();
    for (const PostCount &p : std::as_const(m_sheet.posts)) {
        if (passes(p.employer, p.project))
            m_posts << p;
    }
    m_unplaced.clear();
    for (const UnplacedWorker &w : std::as_const(m_sheet.unplaced)) {
        if (passes(w.employer, w.project))
            m_unplaced << w;
    }
    m_postModel->setLines(
        ReviewLists::postCountHeader(), int(m_posts.size()),
        [this](int row) { return ReviewLists::postCountLine(m_posts.at(row)); },
        [this](int row) { return m_posts.at(row).isOver(); });
    m_unplacedModel->setLines(
        ReviewLists::unplacedHeader(), int(m_unplaced.size()),
        [this](int row) { return ReviewLists::unplacedLine(m_unplaced.at(row)); }, [](int) { return false; });
    updateSummary();
}

// The first lines of the filters' dates from the engine; their count follows.
void ReviewPage::showDates()
{
    readDueDates();
    m_dateModel->setLines(
        ReviewLists::dueDateHeader(), int(m_dates.size()),
        [this](int row) { return ReviewLists::dueDateLine(m_dates.at(row)); },
        [this](int row) { return m_dates.at(row).isPast(); }, [this] { return readMoreDates(); });
    updateSummary();
}

void ReviewPage::updateSummary()
{
    if (showingDueDates()) {
        if (m_dateTotal < 0) {
            m_layout->summary->setText(QStringLiteral("Comptage des échéances…"));
            return;
        }
        m_layout->summary->setText(QStringLiteral("%1, dont %2.")
                                       .arg(CountedText::counted(m_dateTotal, QStringLiteral("échéance"),
                                                QStringLiteral("échéances")),
                                           CountedText::counted(m_datePast, QStringLiteral("dépassée"),
                                               QStringLiteral("dépassées"))));
        return;
    }
    const auto over
        = std::count_if(m_posts.cbegin(), m_posts.cend(), [](const PostCount &p) { return p.isOver(); });
    m_layout->summary->setText(
        QStringLiteral("%1, dont %2 ; %3.")
            .arg(CountedText::counted(m_posts.size(), QStringLiteral("poste"), QStringLiteral("postes")),
                CountedText::counted(over, QStringLiteral("au-delà de sa prévision"),
                    QStringLiteral("au-delà de leur prévision")),
                CountedText::counted(m_unplaced.size(), QStringLiteral("expatrié hors accord"),
                    QStringLiteral("expatriés hors accord"))));
}

QString ReviewPage::subtitle() const
{
    QString text = QStringLiteral("Au %1").arg(FieldValue::formatDate(today()));
    if (showingDueDates())
        text += QStringLiteral(" — horizon de %1 jours").arg(m_layout->horizonChoice->currentData().toInt());
    if (m_layout->employerFilter->currentIndex() > 0)
        text += QStringLiteral(" — organisme : %1").arg(m_layout->employerFilter->currentText());
    if (m_layout->projectFilter->currentIndex() > 0)
        text += QStringLiteral(" — projet : %1").arg(m_layout->projectFilter->currentText());
    return text;
}

void ReviewPage::openDueDate(const QModelIndex &index)
{
    const DueDate &d = m_dates.at(index.row());
    if (d.worker > 0)
        emit workerRequested(d.worker);
    else
        emit employerRequested(d.employer);
}

void ReviewPage::openPost(const QModelIndex &index)
{
    emit employerRequested(m_posts.at(index.row()).employer);
}

void ReviewPage::openUnplaced(const QModelIndex &index)
{
    emit workerRequested(m_unplaced.at(index.row()).number);
}

QList<DueDate> ReviewPage::allDates()
{
    // The list may hold only its first lines: paper and files get every one.
    QList<DueDate> all;
    QString error;
    if (!DueDates::read(*m_data->database(), dateFilter(), 0, -1, &all, &error))
        m_ui.error(this, QStringLiteral("Les échéances ne peuvent pas être lues : %1").arg(error));
    return all;
}

bool ReviewPage::showingDueDates() const
{
    return m_layout->lists->currentWidget() == m_layout->dueDatesTab;
}

void ReviewPage::previewList()
{
    ReportDocument document = showingDueDates()
        ? ReviewLists::dueDatesDocument(ReviewLists::dueDates(allDates()), subtitle())
        : ReviewLists::headCountDocument(
            ReviewLists::postCounts(m_posts), ReviewLists::unplaced(m_unplaced), subtitle());
    if (document.pageCount() == 0) {
        m_ui.error(this,
            QStringLiteral("La mise en page de la liste « %1 » n'est pas disponible.").arg(document.title()));
        return;
    }
    m_ui.preview(this, document);
}

void ReviewPage::savePdf()
{
    const ReportDocument document = showingDueDates()
        ? ReviewLists::dueDatesDocument(ReviewLists::dueDates(allDates()), subtitle())
        : ReviewLists::headCountDocument(
            ReviewLists::postCounts(m_posts), ReviewLists::unplaced(m_unplaced), subtitle());
    if (document.pageCount() == 0) {
        m_ui.error(this,
            QStringLiteral("La mise en page de la liste « %1 » n'est pas disponible.").arg(document.title()));
        return;
    }
    PdfSaving::saveWithDialog(m_ui, this, document);
}

void ReviewPage::saveCsv()
{
    const bool dates = showingDueDates();
    const QString name = dates ? QStringLiteral("Échéances") : QStringLiteral("Effectifs");
    QString path = m_ui.saveFileName(this, QStringLiteral("Enregistrer en CSV"),
        QStringLiteral("%1 %2.csv").arg(name, today().toString(Qt::ISODate)),
        QStringLiteral("Fichiers CSV (*.csv)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        path += QLatin1String(".csv");
    QByteArray bytes
        = ReviewLists::csv(dates ? ReviewLists::dueDates(m_dates) : ReviewLists::postCounts(m_posts));
    // The workers outside every agreement follow the posts after an empty line, their own titles first.
    if (!dates && !m_unplaced.isEmpty())
        bytes += "\r\n" + ReviewLists::csv(ReviewLists::unplaced(m_unplaced)).mid(3);
    QString error;
    if (!CsvText::save(path, bytes, &error)) {
        m_ui.error(this, error);
        return;
    }
    m_ui.message(this,
        QStringLiteral("La liste « %1 » est enregistrée dans « %2 ».")
            .arg(name, QDir::toNativeSeparators(path)));
}
