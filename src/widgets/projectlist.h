#pragma once

#include <QComboBox>

class Table;

// A drop-down of the projects (`Projet`) in the contact table's current view, bound to nothing:
// the project chosen stays chosen while it is still offered.
class ProjectList : public QComboBox
{
    Q_OBJECT

public:
    explicit ProjectList(Table *contacts, QWidget *parent = nullptr);

    // Reads the projects of the view again.
    void refill();
    void showPopup() override;

protected:
    void showEvent(QShowEvent *event) override;
    // A wheel turned over the list while the form scrolls moves the form, not the value.
    void wheelEvent(QWheelEvent *event) override;

private:
    // A hidden list reads the view when it is shown again, not on every change of the view.
    void viewChanged();

    Table *m_contacts;
    bool m_stale = false;
};
