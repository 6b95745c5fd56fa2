#include "TQLNServerFactory.h"

#include "managers/TQLN_AufgabenEditServer.h"
#include "managers/TQLN_KontenServer.h"
#include "managers/TQLN_MandantenServer.h"

#include <memory>

namespace {
// One server per kind, counted; used on the user-interface thread only.
template <class I, class T>
struct Geteilt {
    std::unique_ptr<I> Server;
    int Anzahl = 0;
    I* Nimm() {
        if (!Server) Server = std::make_unique<T>();
        ++Anzahl;
        return Server.get();
    }
    void Gib(I*& s) {
        if (!s) return;
        if (s == Server.get() && --Anzahl == 0) Server.reset();
        s = nullptr;
    }
};
Geteilt<IQLN_MandantenServer, TQLN_MandantenServer>& Mandanten() {
    static Geteilt<IQLN_MandantenServer, TQLN_MandantenServer> g;
    return g;
}
Geteilt<IQLN_KontenServer, TQLN_KontenServer>& Konten() {
    static Geteilt<IQLN_KontenServer, TQLN_KontenServer> g;
    return g;
}
Geteilt<IQLN_AufgabenEditServer, TQLN_AufgabenEditServer>& Aufgaben() {
    static Geteilt<IQLN_AufgabenEditServer, TQLN_AufgabenEditServer> g;
    return g;
}
}  // namespace

IQLN_MandantenServer* TQLNServerFactory::Mandantenserver_GoC() { return Mandanten().Nimm(); }
IQLN_KontenServer* TQLNServerFactory::Kontenserver_GoC() { return Konten().Nimm(); }
IQLN_AufgabenEditServer* TQLNServerFactory::AufgabenEditServer_GoC() { return Aufgaben().Nimm(); }
void TQLNServerFactory::ServerFreigeben(IQLN_MandantenServer*& server) { Mandanten().Gib(server); }
void TQLNServerFactory::ServerFreigeben(IQLN_KontenServer*& server) { Konten().Gib(server); }
void TQLNServerFactory::ServerFreigeben(IQLN_AufgabenEditServer*& server) { Aufgaben().Gib(server); }
int TQLNServerFactory::Mandantenserver_Anzahl() { return Mandanten().Anzahl; }
int TQLNServerFactory::Kontenserver_Anzahl() { return Konten().Anzahl; }
int TQLNServerFactory::AufgabenEditServer_Anzahl() { return Aufgaben().Anzahl; }
