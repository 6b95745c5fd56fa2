#include "TZEV_BuchenTestenThread.h"

#include "host/Exception.h"
#include "host/TQLNInfo.h"
#include "host/ui/TQLNForm.h"

void TZEV_BuchenTestenThread::run() {
    FReturnValue = 0;
    try {
        FReturnValue = Pruefe();
    } catch (const std::exception& e) {
        FFehler = QString::fromUtf8(e.what());
        FReturnValue = 1;  // not known to be free: the delete is refused
    }
}

int TZEV_BuchenTestenThread::Ausfuehren(TQLNForm* fenster) {
    if (fenster) fenster->ProgressShow(QStringLiteral("Löschen testen"));
    start();
    while (!wait(QDeadlineTimer(200))) QLNInfoProcessMessages(300);
    if (fenster) fenster->ProgressHide();
    if (!FFehler.isEmpty())
        TQLNInfo::RegisterException(QStringLiteral("TZEV_BuchenTestenThread.Execute"), Exception(FFehler), true);
    return FReturnValue;
}
