#include "widgets/mandatorycheck.h"

#include "widgets/captionlabel.h"

#include <QLineEdit>

bool MandatoryCheck::run()
{
    bool allFilled = true;
    for (const Item &item : std::as_const(m_items)) {
        const bool empty = item.typed->text().isEmpty();
        item.caption->setMarked(empty);
        if (empty) {
            allFilled = false;
            if (item.focus)
                item.focus->setFocus(Qt::OtherFocusReason);
        }
    }
    return allFilled;
}

void MandatoryCheck::clearMarks()
{
    for (const Item &item : std::as_const(m_items))
        item.caption->setMarked(false);
}
