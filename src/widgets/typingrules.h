#pragma once

#include <QObject>

class QLineEdit;

// What a typed field does to the keys it receives: letters turned into capitals, an apostrophe
// turned into a blank. Installed as an event filter on a line edit (a typed field or the edit of a
// pick list) and, for a pick list, on the list itself, which holds the focus and hands the keys to
// its edit directly; acts on typed characters only.
class TypingRules : public QObject
{
    Q_OBJECT

public:
    enum Rule { None = 0, Capitals = 1, NoApostrophe = 2 };
    Q_DECLARE_FLAGS(Rules, Rule)

    TypingRules(QLineEdit *edit, Rules rules, QWidget *keysFrom = nullptr);

    // The text a keystroke inserts under the rules.
    static QString transform(const QString &typed, Rules rules);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_edit;
    QWidget *m_keysFrom;
    Rules m_rules;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TypingRules::Rules)
