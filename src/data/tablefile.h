#pragma once

#include "data/fielddef.h"

#include <QList>
#include <QString>

class Database;
class QObject;

// One table's file in the database directory and its layout: finds the file, creates an empty one
// of the held layout, reads the columns an existing file holds and adds the lookup indexes the
// filters use. Messages name the owner (the table object) and are kept in lastError().
class TableFile
{
public:
    TableFile(Database *database, const TableSchema &schema, const QObject *owner);

    void setFileName(const QString &fileName) { m_fileName = fileName; }
    QString fileName() const { return m_fileName; }
    bool exists() const;
    // The file's path: its name as found in the directory, else as set.
    QString path() const;

    QList<FieldDef> fieldDefs() const { return m_fieldDefs; }
    void clearFieldDefs() { m_fieldDefs.clear(); }
    bool appendField(const FieldDef &field);
    void clearIndex() { m_indexField.clear(); }
    void setIndex(const QString &field) { m_indexField = field; }

    bool create();
    // Reads the layout of the file attached under the alias: the table's name as written in the file
    // (`tableName`) and its columns, which become the held layout.
    bool readLayout(const QString &alias, QString *tableName);
    // The first field of the schema the held layout lacks; empty when none is missing.
    QString missingField() const;
    // Lookup indexes for the filters; a file another tool made may lack them.
    void addLookupIndexes(const QString &alias, const QString &tableName) const;

    QString lastError() const { return m_lastError; }

private:
    bool fail(const QString &message);
    bool createTable(const QString &alias, const QString &path);
    bool createOnServer();
    QString columnDefinition(const FieldDef &field) const;
    bool findTableName(const QString &alias, QString *tableName);
    bool readColumns(const QString &alias, const QString &tableName);

    Database *m_db;
    const TableSchema &m_schema;
    const QObject *m_owner;
    QString m_fileName;
    QList<FieldDef> m_fieldDefs;
    QString m_indexField;
    QString m_lastError;
};
