#include "widgets/picklist.h"

#include "widgets/fieldedit.h"

#include <QLineEdit>
#include <QWheelEvent>

PickList::PickList(const QStringList &entries, FieldEdit *target, TypingRules::Rules rules, QWidget *parent)
    : QComboBox(parent)
    , m_target(target)
{
    setFocusPolicy(Qt::StrongFocus);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    addItems(entries);
    setMaxVisibleItems(20);
    if (rules != TypingRules::None)
        new TypingRules(lineEdit(), rules, this);
    showText(target->text());
    connect(this, &QComboBox::textActivated, this, &PickList::write);
    connect(lineEdit(), &QLineEdit::textEdited, this, &PickList::write);
    connect(target, &QLineEdit::textChanged, this, &PickList::follow);
}

void PickList::follow(const QString &text)
{
    // What the list itself writes is already on screen, with the blanks being typed.
    if (!m_writing)
        showText(text);
}

void PickList::showText(const QString &text)
{
    m_loading = true;
    setCurrentIndex(findText(text, Qt::MatchExactly));
    setEditText(text);
    m_loading = false;
}

void PickList::write()
{
    if (m_loading)
        return;
    QString text = currentText();
    if (m_trimmed) {
        qsizetype begin = 0, end = text.size();
        while (begin < end && text.at(begin) <= QLatin1Char(' '))
            ++begin;
        while (end > begin && text.at(end - 1) <= QLatin1Char(' '))
            --end;
        text = text.mid(begin, end - begin);
    }
    m_writing = true;
    m_target->setText(text);
    m_writing = false;
    emit written(text);
}

void PickList::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}
