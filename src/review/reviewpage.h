#pragma once

#include "data/duedates.h"
#include "data/headcounts.h"

#include <QDate>
#include <QWidget>

#include <memory>

class DataModule;
class QComboBox;
class QModelIndex;
class QTableView;
class ReviewModel;
class UiService;

namespace Ui {
class ReviewPage;
}

// The "Bilan" page: what falls due over a horizon ("Échéances") and the head counts per post of
// the agreements ("Effectifs"), read from the tables each time the page is shown, filtered by
// employer and project, printed, saved as PDF or CSV. Opening a line asks for that worker or that
// employer on its own page.
class ReviewPage : public QWidget
{
    Q_OBJECT

public:
    ReviewPage(DataModule *data, UiService &ui, QWidget *parent = nullptr);
    ~ReviewPage() override;

    // The day the dates are counted from; the clock's day when none is set.
    void setToday(const QDate &today) { m_today = today; }
    QDate today() const { return m_today.isValid() ? m_today : QDate::currentDate(); }

    QComboBox *employerFilter() const;
    QComboBox *projectFilter() const;
    QComboBox *horizonChoice() const;
    QTableView *dueDatesView() const;
    QTableView *postsView() const;
    QTableView *unplacedView() const;

    // The page became the visible one: the tables are read again.
    void pageShown();
    // The next pageShown() chooses this employer in the filter.
    void narrowTo(const QString &employer) { m_wantedEmployer = employer; }

signals:
    void workerRequested(int number);
    void employerRequested(const QString &name);

private:
    void fillEmployers();
    void fillProjects();
    DueDateFilter dateFilter() const;
    // The count of the dates and their first lines; the others are read as the list scrolls.
    bool readDueDates();
    int readMoreDates();
    void countDueDates();
    // The head counts, read when their list is shown.
    bool readHeadCounts();
    void listChanged();
    QList<qint64> storeStamp() const;
    // Shows the lines that pass the employer and project filters.
    void applyFilters();
    void showDates();
    void showCounts();
    bool passes(const QString &employer, const QString &project) const;
    QString subtitle() const;
    void updateSummary();
    void openDueDate(const QModelIndex &index);
    void openPost(const QModelIndex &index);
    void openUnplaced(const QModelIndex &index);
    bool showingDueDates() const;
    QList<DueDate> allDates();
    void previewList();
    void savePdf();
    void saveCsv();

    std::unique_ptr<Ui::ReviewPage> m_layout;
    DataModule *m_data;
    UiService &m_ui;
    QDate m_today;
    QString m_wantedEmployer;
    QList<qint64> m_stamp; // the tables as last read
    bool m_countsRead = false; // the head counts match the tables as last read
    HeadCountSheet m_sheet;
    int m_dateTotal = -1; // not yet counted
    int m_datePast = -1;
    // What the views show, line for line.
    QList<DueDate> m_dates;
    QList<PostCount> m_posts;
    QList<UnplacedWorker> m_unplaced;
    ReviewModel *m_dateModel;
    ReviewModel *m_postModel;
    ReviewModel *m_unplacedModel;
};
