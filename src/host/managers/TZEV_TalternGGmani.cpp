#include "TZEV_TalternGGmani.h"

#include "host/records/Tggtyfile.h"

QList<TZEV_GGTYDaten> TZEV_TalternGGmani::GGTYList_Get() const {
    QList<TZEV_GGTYDaten> liste;
    Tggtyfile f;
    f.Open(254, -1);
    f.ClearBuffer();
    f.SetIndex(f.IndexPrimaer);
    for (bool ok = f.Get_first(); ok; ok = f.Get_next()) liste.append({f.Typ.GetWert(), f.Bezeichnung.GetWert()});
    f.Close();
    return liste;
}

bool TZEV_TalternGGmani::GGTYVorhanden(const QString& typ) const {
    for (const TZEV_GGTYDaten& d : GGTYList_Get())
        if (d.Typ == typ) return true;
    return false;
}
