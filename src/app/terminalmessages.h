#pragma once

#include <QByteArray>
#include <QIODevice>

// Standard error as a terminal expects it: each message the exports write, ended by a line feed,
// becomes one line starting with "velmora: ". The window texts they share with the message boxes
// lose their carriage returns and the blanks that lay them out.
class TerminalMessages : public QIODevice
{
public:
    TerminalMessages();
    ~TerminalMessages() override;

    // The line a message becomes; empty when nothing is left of it.
    static QString line(const QString &message);

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    void emitMessages(bool all);

    QByteArray m_pending;
};
