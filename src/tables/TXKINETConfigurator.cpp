#include "TXKINETConfigurator.h"

#include "host/TQLNInfo.h"
#include "host/ui/TINETDialog.h"
#include "registry/Triveltaclass.h"

namespace {
bool ZeigeVerbindungen(int art, const char* kontext) {
    try {
        TINETDialog dlg(art, nullptr);
        return dlg.Execute(nullptr);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QString::fromLatin1(kontext), e, true);
        return false;
    }
}
}  // namespace

bool TXKFTPConfigurator::Execute(const QString&) {
    return ZeigeVerbindungen(TINETVerbindungen::CArtFTP, "TXKFTPConfigurator.Execute");
}

bool TXKHTTPConfigurator::Execute(const QString&) {
    return ZeigeVerbindungen(TINETVerbindungen::CArtHTTP, "TXKHTTPConfigurator.Execute");
}

void InitUnit_XKINET() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKFTPConfigurator>(), QStringLiteral("INETFTP"), QStringLiteral("FTP-Verbindungen"),
                           QStringLiteral("Über FTP-Verbindungen tauscht das System Dateien mit Lieferanten, "
                                          "Dienstleistern und Ihren Filialen aus. Hinterlegen Sie hier Server, Port, "
                                          "Zugangsdaten und Verzeichnis jeder Verbindung."),
                           QStringLiteral("FTP, Internet, Verbindung, Server, Datenaustausch, Upload, Download"));
    RegisterXKConfigurator(XKClass<TXKHTTPConfigurator>(), QStringLiteral("INETHTTP"), QStringLiteral("HTTP-Verbindungen"),
                           QStringLiteral("Über HTTP-Verbindungen spricht das System Webdienste an, zum Beispiel einen "
                                          "Online-Shop oder einen Gutscheindienstleister. Hinterlegen Sie hier die "
                                          "Adresse und die Zugangsdaten jeder Verbindung."),
                           QStringLiteral("HTTP, HTTPS, Internet, Verbindung, Webdienst, Webservice, Online, URL"));
}
