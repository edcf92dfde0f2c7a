#pragma once

#include <QObject>

class Database;
class Table;

// The data objects of the main window, alive for the whole run: the connection and the four tables
// the pages show. Printing reads its own rows and never touches these tables' views.
class DataModule : public QObject
{
    Q_OBJECT

public:
    explicit DataModule(QObject *parent = nullptr);
    ~DataModule() override;

    Database *database() const { return m_db; }
    Table *employeur() const { return m_employeur; }
    Table *contact() const { return m_contact; }
    Table *accord() const { return m_accord; }
    Table *expatries() const { return m_expatries; }
    // Closes every table and lets go of the database directory's files, so that
    // they can be replaced; the next activation opens them again.
    void release();

private:
    // Another clerk saved: the tables of that name show the rows as they are now, but for one
    // whose entry is open (it stays as typed).
    void followChange(const QString &table);
    // The store's files were opened again: every table shows the rows as they are now, but for one
    // whose entry is open.
    void followReopening();

    Database *m_db;
    Table *m_employeur;
    Table *m_contact;
    Table *m_accord;
    Table *m_expatries;
};
