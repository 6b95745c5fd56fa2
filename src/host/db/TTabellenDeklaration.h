#pragma once
// What a table looks like in SQL: columns, primary key, further indices.
// Built from a record-file class's field declarations.

#include <QList>
#include <QString>
#include <QStringList>

enum class TSpaltenArt { Text, Integer, Double, Blob };

struct TSpaltenDeklaration {
    QString Name;
    TSpaltenArt Art;
};

struct TIndexDeklaration {
    QString Name;         // unique in the database: table name + "_" + index name
    QStringList Spalten;
    bool Eindeutig = false;
};

struct TTabellenDeklaration {
    QString Name;
    QList<TSpaltenDeklaration> Spalten;
    QStringList Primaerschluessel;
    QList<TIndexDeklaration> Indices;  // besides the primary key
};
