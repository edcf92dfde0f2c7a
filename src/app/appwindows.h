#pragma once

#include <QList>
#include <QObject>

class MainWindow;
class QDialog;

// Every window of the program after the main one, created once at start-up in a fixed order and
// kept for the whole run: the printed forms, the dialogs and the agreement print window.
class AppWindows : public QObject
{
    Q_OBJECT

public:
    explicit AppWindows(MainWindow *mainWindow);

    // The windows in creation order (the main window, created before, is not in the list).
    QList<QObject *> all() const { return m_windows; }
    QObject *window(const QString &name) const;
    QDialog *dialog(const QString &name) const;

private:
    void addForm(const char *name, const char *caption);

    QWidget *m_main;
    QList<QObject *> m_windows;
};
