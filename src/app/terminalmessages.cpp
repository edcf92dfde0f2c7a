#include "app/terminalmessages.h"

#include <QRegularExpression>
#include <QString>

#include <cstdio>

TerminalMessages::TerminalMessages()
{
    open(QIODevice::WriteOnly);
}

TerminalMessages::~TerminalMessages()
{
    emitMessages(true);
}

QString TerminalMessages::line(const QString &message)
{
    // Line breaks and the runs of blanks that pad a message box; a single or double blank, as in a
    // file's name, is kept.
    static const QRegularExpression layout(QStringLiteral("\\s*[\\r\\n]+\\s*|\\s{3,}"));
    QString text = message;
    text.replace(layout, QStringLiteral(" "));
    text = text.trimmed();
    if (text.isEmpty())
        return text;
    const QString prefix = QStringLiteral("velmora: ");
    return text.startsWith(prefix) ? text : prefix + text;
}

qint64 TerminalMessages::readData(char *, qint64)
{
    return -1;
}

qint64 TerminalMessages::writeData(const char *data, qint64 size)
{
    m_pending.append(data, size);
    emitMessages(false);
    return size;
}

// A message ends at a line feed that no carriage return comes before: the window texts break their
// lines with both.
void TerminalMessages::emitMessages(bool all)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i <= m_pending.size(); ++i) {
        const bool end = i == m_pending.size()
            ? all
            : m_pending.at(i) == '\n' && (i == 0 || m_pending.at(i - 1) != '\r');
        if (!end)
            continue;
        const QString text = line(QString::fromUtf8(m_pending.mid(start, i - start)));
        if (!text.isEmpty()) {
            const QByteArray bytes = text.toUtf8() + '\n';
            std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
        }
        start = i + 1;
    }
    m_pending.remove(0, qMin(start, m_pending.size()));
    std::fflush(stderr);
}
