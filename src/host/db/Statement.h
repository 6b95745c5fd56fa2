#pragma once
// A prepared statement of a backend. Parameters are bound by position
// (1-based); columns are read by position (0-based). Never SQL text with values in it.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class Statement {
public:
    virtual ~Statement() = default;
    virtual void BindNull(int i) = 0;
    virtual void BindInt(int i, qint64 v) = 0;
    virtual void BindDouble(int i, double v) = 0;
    virtual void BindText(int i, const QString& v) = 0;
    virtual void BindBlob(int i, const QByteArray& v) = 0;

    // Runs the statement or moves to its next row; true while a row is there.
    virtual bool Step() = 0;
    // Ready for new bindings and a new run.
    virtual void Reset() = 0;
    // Rows changed by the last insert, update or delete.
    virtual qint64 Changes() const = 0;

    virtual int ColumnCount() const = 0;
    virtual bool IsNull(int c) const = 0;
    virtual qint64 ColumnInt(int c) const = 0;
    virtual double ColumnDouble(int c) const = 0;
    virtual QString ColumnText(int c) const = 0;
    virtual QByteArray ColumnBlob(int c) const = 0;

    virtual const QString& Sql() const = 0;
};
