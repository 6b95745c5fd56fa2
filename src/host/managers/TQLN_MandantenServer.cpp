#include "TQLN_MandantenServer.h"

#include "host/records/Tmandfile.h"

void TQLN_MandantenServer::Laden() {
    FMandanten.clear();
    Tmandfile mand;
    mand.Open(254, -1);
    mand.ClearBuffer();
    mand.SetIndex(mand.IndexPrimaer);
    for (bool ok = mand.Get_first(); ok; ok = mand.Get_next())
        FMandanten.append({mand.Mandant.GetWert(), mand.GepId.GetWert(), mand.Name.GetWert()});
    mand.Close();
    FGeladen = true;
}

bool TQLN_MandantenServer::Mandant_GoCiN(int n, TQLN_MandantInfo& mandant) {
    if (n == 0 || !FGeladen) Laden();
    if (n < 0 || n >= FMandanten.size()) return false;
    mandant = FMandanten.at(n);
    return true;
}
