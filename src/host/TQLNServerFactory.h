#pragma once
// The host's server factory: hands out the shared services (client service,
// accounts server, task-edit server). A caller takes a server once, keeps it
// and gives it back; the server lives while anyone holds it.

class IQLN_AufgabenEditServer;
class IQLN_KontenServer;
class IQLN_MandantenServer;

class TQLNServerFactory {
public:
    static IQLN_MandantenServer* Mandantenserver_GoC();
    static IQLN_KontenServer* Kontenserver_GoC();
    static IQLN_AufgabenEditServer* AufgabenEditServer_GoC();
    // Gives the server back and clears the pointer; nullptr is ignored.
    static void ServerFreigeben(IQLN_MandantenServer*& server);
    static void ServerFreigeben(IQLN_KontenServer*& server);
    static void ServerFreigeben(IQLN_AufgabenEditServer*& server);
    // How many callers hold a server of the kind (tests).
    static int Mandantenserver_Anzahl();
    static int Kontenserver_Anzahl();
    static int AufgabenEditServer_Anzahl();
};
