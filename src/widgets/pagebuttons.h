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
    // A command button of a page: its place, the page's member that holds it, and what a click
    // runs (nothing when another part of the program wires it).
    template<class Page> struct Command
    {
        Button place;
        QPushButton *Page::*member;
        void (Page::*clicked)();
    };

    // Creates the page's command buttons, keeps each in its member and connects its click.
    template<class Page, std::size_t N>
    static void createCommands(Page *page, const Command<Page> (&commands)[N])
    {
        for (const Command<Page> &command : commands) {
            QPushButton *button = create(page, { command.place }).constFirst();
            page->*command.member = button;
            if (command.clicked)
                QObject::connect(button, &QPushButton::clicked, page, command.clicked);
        }
    }

    // The small emblem below the buttons (33 x 33).
    static void addEmblem(QWidget *page, const char *objectName, int x, int y);
};
