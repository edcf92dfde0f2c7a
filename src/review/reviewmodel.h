#pragma once

#include "printing/reviewlists.h"

#include <QAbstractTableModel>

// One list of the "Bilan" page for a table view: its lines as text, the lines that stand out in
// red and bold.
class ReviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setList(ReviewList list);
    const ReviewList &list() const { return m_list; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    ReviewList m_list;
};
