#pragma once

#include <QObject>

class QLineEdit;

// Watches a typed field of a whole-number column: when the user leaves it holding something that is
// not a whole number (a lone sign, a number too large for the column), says so at once in plain
// French. The value stays as typed; the save refuses it with the same words.
class WholeNumberCheck : public QObject
{
    Q_OBJECT

public:
    // `caption` names the field in the message ("ALGÉRIENS").
    WholeNumberCheck(QLineEdit *edit, const QString &caption);

    QLineEdit *edit() const { return m_edit; }
    // Empty when the field is blank or holds a whole number, else the message for it.
    QString problem() const;
    static QString problem(const QString &text, const QString &caption);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_edit;
    QString m_caption;
    bool m_telling = false;
};
