#pragma once

#include <QAbstractTableModel>
#include <QHash>

class Table;

// A read-only grid model over a table's current view. Rows are fetched in pages when the grid asks
// for them, so a view of a hundred thousand rows opens and scrolls without being loaded whole.
class TableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    struct Column
    {
        QString title;
        QString field;
    };

    TableModel(Table *table, const QList<Column> &columns, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    Table *table() const { return m_table; }
    // The key of a line, read with the line.
    QVariant keyAt(int row) const;
    // Pages read from the table since the last reset (for the benchmarks).
    int pagesLoaded() const { return m_pages.size(); }

private:
    void reset();
    const QList<QVariantList> &page(int pageIndex) const;

    static constexpr int PageSize = 128;
    static constexpr int MaxPages = 64;

    Table *m_table;
    QList<Column> m_columns;
    QStringList m_fields;
    mutable int m_rows = 0;
    mutable QHash<int, QList<QVariantList>> m_pages;
    mutable QList<int> m_pageOrder;
};
