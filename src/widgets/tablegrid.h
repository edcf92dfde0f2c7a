#pragma once

#include "data/tablemodel.h"

#include <QTableView>

class QMenu;
class Table;

// A read-only grid over a table's current view: its highlighted row follows the table's current
// row, and a click reports the row so that the page decides whether to move there.
class TableGrid : public QTableView
{
    Q_OBJECT

public:
    TableGrid(Table *table, const QList<TableModel::Column> &columns, QWidget *parent = nullptr);

    Table *table() const { return m_table; }
    TableModel *tableModel() const { return m_model; }
    // Highlights the table's current row again.
    void followTable();
    // Makes a line of the grid the table's current row.
    bool moveTableTo(int row);
    // Times New Roman cells and bold titles, sizes in pixels; every column made as wide as its title.
    void setTextSizes(int cellPixels, int titlePixels);
    // The pop-up menu the right mouse button opens on a line, once that line is the current row.
    void setPopupMenu(QMenu *menu);

signals:
    void rowClicked(int row);

private:
    void openPopupMenu(const QPoint &pos);

    Table *m_table;
    TableModel *m_model;
    QMenu *m_popupMenu = nullptr;
};
