#include "widgets/typingrules.h"

#include <QKeyEvent>
#include <QLineEdit>

TypingRules::TypingRules(QLineEdit *edit, Rules rules, QWidget *keysFrom)
    : QObject(edit)
    , m_edit(edit)
    , m_keysFrom(keysFrom)
    , m_rules(rules)
{
    edit->installEventFilter(this);
    if (keysFrom)
        keysFrom->installEventFilter(this);
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
    const bool ours = watched == m_edit || (m_keysFrom && watched == m_keysFrom);
    if (ours && event->type() == QEvent::KeyPress && !m_edit->isReadOnly()) {
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
