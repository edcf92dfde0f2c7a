#pragma once

#include <QObject>
#include <QString>

// A printed form of the program: never shown as a window, it holds its name and caption and,
// once the form is built, its layout.
class FormHolder : public QObject
{
    Q_OBJECT

public:
    FormHolder(const QString &name, const QString &caption, QObject *parent = nullptr)
        : QObject(parent)
        , m_caption(caption)
    {
        setObjectName(name);
    }

    QString caption() const { return m_caption; }

private:
    QString m_caption;
};
