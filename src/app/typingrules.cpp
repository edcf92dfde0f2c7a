#include "app/typingrules.h"

#include <QKeyEvent>
#include <QLineEdit>

TypingRules::TypingRules(QLineEdit *edit, Rules rules)
    : QObject(edit)
    , m_edit(edit)
    , m_rules(rules)
{
    edit->installEventFilter(this);
}

QString TypingRules::transform(const QString &typed, Rules rules)
{
    QString text = typed;
    if (rules.testFlag(Capitals))
        text = text.toUpper();
    if (rules.testFlag(NoApostrophe))
        text.replace(QLatin1Char('\''), QLatin1Char(' '));
    return text;
}

bool TypingRules::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress && !m_edit->isReadOnly()) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString typed = key->text();
        const bool printable = !typed.isEmpty() && typed.at(0).isPrint()
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (printable) {
            const QString text = transform(typed, m_rules);
            if (text != typed) {
                m_edit->insert(text);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
