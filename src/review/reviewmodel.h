#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

// One list of the "Bilan" page for a table view: its lines made as text only when the view shows
// them, those that stand out in red and bold.
class ReviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using Line = std::function<QStringList(int row)>;
    using Marked = std::function<bool(int row)>;
    // Reads the next lines of a long list; how many it added.
    using Fetch = std::function<int()>;

    using QAbstractTableModel::QAbstractTableModel;

    // `count` lines ready; with `fetch`, more as the view scrolls, until it adds none.
    void setLines(const QStringList &header, int count, Line line, Marked marked, Fetch fetch = {});
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_header;
    int m_count = 0;
    Fetch m_fetch;
    bool m_more = false;
    Line m_line;
    Marked m_marked;
    // The last line made: a view asks for each of its cells in turn.
    mutable int m_cachedRow = -1;
    mutable QStringList m_cached;
};
