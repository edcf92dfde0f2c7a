#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The three kinds of column the tables use.
enum class FieldType { Integer, Text, Date };

// One column of a table layout: name, kind, width for text columns, and whether a row may leave it blank.
struct FieldDef
{
    QString name;
    FieldType type = FieldType::Text;
    int size = 0;
    bool required = false;
};

// The layout of one table: its columns in order, its primary key, and its lookup indexes (each the
// columns it orders by, first to last).
struct TableSchema
{
    QString name;
    QList<FieldDef> fields;
    QString key;
    QList<QStringList> indexed;

    int indexOf(const QString &field) const;
    const FieldDef *field(const QString &name) const;
};
