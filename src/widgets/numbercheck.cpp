#include "widgets/numbercheck.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>

#include <limits>

NumberCheck::NumberCheck(QWidget *input, const QString &caption, Kind kind)
    : QObject(input)
    , m_input(input)
    , m_caption(caption)
    , m_kind(kind)
{
    input->installEventFilter(this);
}

QString NumberCheck::text() const
{
    if (auto *list = qobject_cast<QComboBox *>(m_input))
        return list->currentText();
    if (auto *edit = qobject_cast<QLineEdit *>(m_input))
        return edit->text();
    return {};
}

QString NumberCheck::problem() const
{
    return problem(text(), m_caption, m_kind);
}

QString NumberCheck::problem(const QString &text, const QString &caption, Kind kind)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return {};
    if (kind == Amount) {
        if (!typed.startsWith(QLatin1Char('-')))
            return {};
        return QStringLiteral(
            "« %1 » est inférieur à zéro : le champ « %2 » n'accepte pas de montant négatif.")
            .arg(typed, caption);
    }
    bool ok = false;
    const qlonglong n = typed.toLongLong(&ok);
    if (ok && n >= 0 && n <= std::numeric_limits<qint32>::max() && !typed.startsWith(QLatin1Char('-')))
        return {};
    return QStringLiteral("« %1 » n'est pas un nombre entier positif : le champ « %2 » n'accepte qu'un "
                          "nombre entier compris entre 0 et 2147483647, sans virgule ni point, ou rien.")
        .arg(typed, caption);
}

bool NumberCheck::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_input && event->type() == QEvent::FocusOut && !m_telling) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // Another window or a menu taking the focus for a moment is not leaving the field.
        const bool left = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        const QString message = problem();
        if (left && m_input->isEnabled() && !message.isEmpty()) {
            m_telling = true;
            emit refused(m_input, message);
            m_telling = false;
        }
    }
    return QObject::eventFilter(watched, event);
}
