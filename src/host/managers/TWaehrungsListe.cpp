#include "TWaehrungsListe.h"

#include "host/records/TLdfile.h"
#include "host/records/Twhfile.h"

#include <QSet>

void TWaehrungsListe::Laden() {
    FEintraege.clear();
    QSet<QString> ewuLaender;
    TLdfile ld;
    ld.Open(254, -1);
    ld.ClearBuffer();
    ld.SetIndex(ld.IndexPrimaer);
    for (bool ok = ld.Get_first(); ok; ok = ld.Get_next())
        if (ld.EWUMgl.GetWert()) ewuLaender.insert(ld.Kuerzel.GetWert().toUpper());
    ld.Close();
    Twhfile wh;
    wh.Open(254, -1);
    wh.ClearBuffer();
    wh.SetIndex(wh.IndexPrimaer);
    for (bool ok = wh.Get_first(); ok; ok = wh.Get_next())
        FEintraege.append({wh.KurzBez.GetWert(), wh.ISO4217.GetWert(), wh.LangBez.GetWert(), wh.Land.GetWert(),
                           ewuLaender.contains(wh.Land.GetWert().toUpper())});
    wh.Close();
}

const TWaehrungsEintrag* TWaehrungsListe::Suche(const QString& kuerzel) const {
    const QString k = kuerzel.trimmed();
    for (const TWaehrungsEintrag& e : FEintraege)
        if (e.Kuerzel.compare(k, Qt::CaseInsensitive) == 0) return &e;
    return nullptr;
}

QString TWaehrungsListe::Name(const QString& kuerzel) const {
    const TWaehrungsEintrag* e = Suche(kuerzel);
    return e ? e->Name : QString();
}

bool TWaehrungsListe::IstEWUWaehrung(const QString& kuerzel) const {
    const TWaehrungsEintrag* e = Suche(kuerzel);
    return e && e->EWU;
}
