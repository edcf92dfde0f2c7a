#include "widgets/tablegrid.h"

#include "data/table.h"

#include <QHeaderView>
#include <QMenu>

TableGrid::TableGrid(Table *table, const QList<TableModel::Column> &columns, QWidget *parent)
    : QTableView(parent)
    , m_table(table)
    , m_model(new TableModel(table, columns, this))
{
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsMovable(false);
    connect(table, &Table::currentChanged, this, &TableGrid::followTable);
    connect(m_model, &QAbstractItemModel::modelReset, this, &TableGrid::followTable);
    connect(this, &QAbstractItemView::clicked, this,
        [this](const QModelIndex &index) { emit rowClicked(index.row()); });
    followTable();
}

void TableGrid::followTable()
{
    const int row = m_table->position();
    if (row < 0 || row >= m_model->rowCount()) {
        clearSelection();
        return;
    }
    const QModelIndex current = currentIndex();
    setCurrentIndex(m_model->index(row, current.isValid() ? current.column() : 0));
    selectRow(row);
}

bool TableGrid::moveTableTo(int row)
{
    const QVariant key = m_model->keyAt(row);
    return key.isValid() ? m_table->moveTo(row, key) : m_table->moveTo(row);
}

void TableGrid::setTextSizes(int cellPixels, int titlePixels)
{
    QFont cells(QStringLiteral("Times New Roman"));
    cells.setPixelSize(cellPixels);
    setFont(cells);
    QFont titles = cells;
    titles.setPixelSize(titlePixels);
    titles.setBold(true);
    horizontalHeader()->setFont(titles);
    // A column is at least as wide as its title; the pages then set the widths they prescribe.
    for (int column = 0; column < m_model->columnCount(); ++column)
        setColumnWidth(column, qMax(columnWidth(column), horizontalHeader()->sectionSizeHint(column)));
}

void TableGrid::setPopupMenu(QMenu *menu)
{
    m_popupMenu = menu;
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &TableGrid::openPopupMenu);
}

void TableGrid::openPopupMenu(const QPoint &pos)
{
    // The menu acts on the table's current row: the line it is opened on becomes that row first,
    // as a click makes it, with the page's own checks. A line the page refused to move to gets no
    // menu, which would act on another line than the one under the mouse.
    const QModelIndex index = indexAt(pos);
    if (index.isValid() && index.row() != m_table->position()) {
        emit rowClicked(index.row());
        if (m_table->position() != index.row()) {
            followTable();
            return;
        }
    }
    followTable();
    m_popupMenu->popup(viewport()->mapToGlobal(pos));
}
