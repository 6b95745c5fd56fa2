#pragma once
// The framework's exception class. Everything the host or a configurator raises
// on purpose is an Exception; handlers catch it, report it and stay usable.

#include <QString>
#include <QByteArray>
#include <exception>

class Exception : public std::exception {
public:
    explicit Exception(QString message, QString category = {}, int number = 0);

    const QString& Message() const noexcept { return FMessage; }
    // Catalogue reference when the exception was raised for a numbered message.
    const QString& Category() const noexcept { return FCategory; }
    int Number() const noexcept { return FNumber; }

    const char* what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMessage;
    QString FCategory;
    int FNumber = 0;
    QByteArray FUtf8;
};
