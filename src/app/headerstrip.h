#pragma once

#include <QWidget>

class QLabel;

// The strip across the top of the main window: banner, the two emblems, and the live date and time.
class HeaderStrip : public QWidget
{
    Q_OBJECT

public:
    explicit HeaderStrip(QWidget *parent = nullptr);

    QLabel *dateLabel() const { return m_date; }
    QLabel *timeLabel() const { return m_time; }

private:
    QLabel *m_date;
    QLabel *m_time;
};
