#pragma once

#include <QList>
#include <QPushButton>

class QWidget;

// The column of command buttons at the right of an editing page.
class PageButtons
{
public:
    struct Button
    {
        const char *objectName;
        const char *caption;
        int x, y, width, height;
    };

    // Creates the buttons on `page`, each with its object name, caption and accessible name.
    static QList<QPushButton *> create(QWidget *page, std::initializer_list<Button> places);
    // The small emblem below the buttons (33 x 33).
    static void addEmblem(QWidget *page, const char *objectName, int x, int y);
};
