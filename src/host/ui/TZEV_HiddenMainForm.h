#pragma once
// The invisible application main form: once the message loop runs, it calls
// Execute exactly once and ends the program when Execute returns.

#include <QObject>

class TZEV_HiddenMainForm : public QObject {
    Q_OBJECT
public:
    explicit TZEV_HiddenMainForm(QObject* parent = nullptr);
    // Schedules Execute for the first turn of the message loop.
    void Start();

protected:
    virtual void Execute() = 0;

private:
    bool FGestartet = false;
};
