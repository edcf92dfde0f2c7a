#pragma once

#include <QObject>

class QWidget;

// Watches an input that holds a count, a number of years or months, or an amount: when the user
// leaves it holding what the field cannot take (letters, a decimal, a value below zero), gives at
// once the refusal in plain French, naming the field, for the page to show. The value stays as typed, never
// rewritten into another number; the save refuses it with the same words.
class NumberCheck : public QObject
{
    Q_OBJECT

public:
    enum Kind {
        WholeNumber, // a whole number from 0 up, or nothing
        Amount // any text not starting with a minus sign
    };

    // `input` is a typed field or a pick list; `caption` names the field in the message ("ALGÉRIENS").
    NumberCheck(QWidget *input, const QString &caption, Kind kind = WholeNumber);

    QWidget *input() const { return m_input; }
    // Empty when the input is blank or holds an acceptable value, else the message for it.
    QString problem() const;
    static QString problem(const QString &text, const QString &caption, Kind kind = WholeNumber);

signals:
    // The user left the input holding a value its field cannot take.
    void refused(QWidget *input, const QString &message);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString text() const;

    QWidget *m_input;
    QString m_caption;
    Kind m_kind;
    bool m_telling = false;
};
