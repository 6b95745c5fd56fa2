#include "TQLN_AufgabenEditServer.h"

#include "host/Exception.h"
#include "host/records/Taufgfile.h"

bool TQLN_AufgabenEditServer::ObjekteVerwendet(int objektArt, int aufgabenArt, const QList<TIntTrio>& ids) {
    if (objektArt != CObjektGrund)
        throw Exception(QStringLiteral("Der Aufgabenserver kennt die Objektart %1 nicht.").arg(objektArt));
    Taufgfile aufg;
    aufg.Open(254, -1);
    bool verwendet = false;
    for (const TIntTrio& id : ids) {
        aufg.ClearBuffer();
        aufg.ExtendedFilterClear();
        aufg.SetIndex(aufg.IndexGrund);
        aufg.Art.SetFilter(aufgabenArt);
        aufg.Grund.SetFilter(id);
        aufg.ExtendedMaxReceive_Set(1);
        if (aufg.Get_exists_extMode()) {
            verwendet = true;
            break;
        }
    }
    aufg.Close();
    return verwendet;
}
