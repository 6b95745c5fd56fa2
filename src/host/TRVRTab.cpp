#include "TRVRTab.h"

#include "records/Trechnerfile.h"
#include "records/Tupdvfile.h"

TRVRTab::TRVRTab() { Laden(); }

void TRVRTab::Laden() {
    FUmfang.clear();
    Trechnerfile f;
    f.OpenNew(-1);
    f.ClearBuffer();
    f.SetIndex(f.IndexPrimaer);
    for (bool ok = f.Get_first(); ok; ok = f.Get_next())
        // A stored type outside 0..7 stays as it is: it is in no computer-type set.
        FUmfang.append({f.Rnr.GetWert(), f.RTyp.GetWert(), f.Name.GetWert(), f.Filiale.GetWert(),
                        f.Mandant.GetWert()});
    f.Close();
}

const TRVRInfoUmfang* TRVRTab::GetRNrUmfang(int rnr) const {
    for (const TRVRInfoUmfang& u : FUmfang)
        if (u.RNr == rnr) return &u;
    return nullptr;
}

QString TRVRTab::RTypBezeichnung(TRTyp_Erw typ) {
    switch (typ) {
        case 0: return QStringLiteral("Sonstiger Rechner");
        case 1: return QStringLiteral("Zentrale");
        case 2: return QStringLiteral("Filialserver");
        case 3: return QStringLiteral("Kasse");
        case 4: return QStringLiteral("Arbeitsplatz");
        case 5: return QStringLiteral("Mobiles Gerät");
        case 6: return QStringLiteral("Online-Shop-Server");
        case 7: return QStringLiteral("Service-Rechner");
        default: return QStringLiteral("Rechnertyp %1").arg(typ);
    }
}

bool TUpdVersionen::TestVersionInstalliert(const QString& programm, const QDate& datum, int rtypen) {
    const TRVRTab tab;
    Tupdvfile v;
    v.OpenNew(-1);
    bool ok = true;
    for (int i = 0; ok && i < tab.GetUmfangCount(); ++i) {
        const TRVRInfoUmfang& u = tab.GetUmfang(i);
        if (!TQLNProgramm::RTypInSet(u.RTyp, rtypen)) continue;
        v.ClearBuffer();
        v.SetIndex(v.IndexPrimaer);
        v.Rnr.SetKeyWert(u.RNr);
        v.Programm.SetKeyWert(programm.toUpper());
        ok = v.Get_eq() && v.Datum.GetDatum() > datum;
    }
    v.Close();
    return ok;
}
