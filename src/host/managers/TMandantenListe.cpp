#include "TMandantenListe.h"

#include "host/records/Tmandfile.h"

void TMandantenListe::Laden() {
    FEintraege.clear();
    Tmandfile mand;
    mand.Open(254, -1);
    mand.ClearBuffer();
    mand.SetIndex(mand.IndexPrimaer);
    for (bool ok = mand.Get_first(); ok; ok = mand.Get_next())
        FEintraege.append({mand.Mandant.GetWert(), mand.Name.GetWert(), mand.GepId.GetWert(), mand.Land.GetWert(),
                           mand.Waehrung.GetWert(), mand.Waehrung2.GetWert()});
    mand.Close();
}

QStringList TMandantenListe::Namen() const {
    QStringList n;
    for (const TMandantEintrag& e : FEintraege) n << e.Name;
    return n;
}

bool TMandantenListe::Get_Mandant_By_Name(const QString& name, TIntPair& id) const {
    for (const TMandantEintrag& e : FEintraege) {
        if (e.Name == name) {
            id = e.Id;
            return true;
        }
    }
    return false;
}

QString TMandantenListe::NameVon(const TIntPair& id) const {
    for (const TMandantEintrag& e : FEintraege)
        if (e.Id == id) return e.Name;
    return {};
}
