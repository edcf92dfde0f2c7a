#pragma once

#include <QList>

class CaptionLabel;
class QLineEdit;
class QWidget;

// The check of the mandatory fields at save: each caption whose field's typed text is empty is
// marked and its input takes the focus (the last such input keeps it); filled ones lose their mark.
class MandatoryCheck
{
public:
    struct Item
    {
        CaptionLabel *caption;
        QLineEdit *typed; // what the check reads (the typed field under a pick list or picker)
        QWidget *focus = nullptr; // where the focus goes when empty; none leaves it where it is
    };

    void add(const Item &item) { m_items << item; }
    // True when every field is filled. Marks, focus as above.
    bool run();
    void clearMarks();
    QList<Item> items() const { return m_items; }

private:
    QList<Item> m_items;
};
