#include "agreements/wholenumbercheck.h"

#include "app/uiservice.h"

#include <QFocusEvent>
#include <QLineEdit>

WholeNumberCheck::WholeNumberCheck(QLineEdit *edit, const QString &caption)
    : QObject(edit)
    , m_edit(edit)
    , m_caption(caption)
{
    edit->installEventFilter(this);
}

QString WholeNumberCheck::problem() const
{
    return problem(m_edit->text(), m_caption);
}

QString WholeNumberCheck::problem(const QString &text, const QString &caption)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return {};
    bool ok = false;
    typed.toInt(&ok);
    if (ok)
        return {};
    return QStringLiteral("« %1 » n'est pas un nombre entier : le champ « %2 » n'accepte qu'un nombre "
                          "entier compris entre -2147483648 et 2147483647, ou rien.")
        .arg(typed, caption);
}

bool WholeNumberCheck::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::FocusOut && !m_telling) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // Another window or a menu taking the focus for a moment is not leaving the field.
        const bool left = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        const QString message = problem();
        if (left && m_edit->isEnabled() && !message.isEmpty()) {
            m_telling = true;
            UiService::instance().message(m_edit, message);
            m_telling = false;
        }
    }
    return QObject::eventFilter(watched, event);
}
