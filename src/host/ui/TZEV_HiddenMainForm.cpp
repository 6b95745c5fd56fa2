#include "TZEV_HiddenMainForm.h"

#include <QCoreApplication>
#include <QTimer>

TZEV_HiddenMainForm::TZEV_HiddenMainForm(QObject* parent) : QObject(parent) {}

void TZEV_HiddenMainForm::Start() {
    if (FGestartet) return;
    FGestartet = true;
    QTimer::singleShot(0, this, [this] {
        Execute();
        QCoreApplication::quit();
    });
}
