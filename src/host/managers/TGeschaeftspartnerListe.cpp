#include "TGeschaeftspartnerListe.h"

#include "host/records/Tgpfile.h"

void TGeschaeftspartnerListe::Laden(const QStringList& arten, bool nurAktive) {
    FEintraege.clear();
    Tgpfile gp;
    gp.Open(254, -1);
    gp.ClearBuffer();
    gp.SetIndex(gp.IndexArtNummer);
    for (bool ok = gp.Get_first(); ok; ok = gp.Get_next()) {
        if (!arten.isEmpty() && !arten.contains(gp.Art.GetWert())) continue;
        if (nurAktive && !gp.Aktiv.GetWert()) continue;
        FEintraege.append({gp.GepId.GetWert(), gp.Art.GetWert(), gp.Nummer.GetWert(), gp.Name.GetWert(),
                           gp.Ort.GetWert(), gp.Mandant.GetWert(), gp.Aktiv.GetWert()});
    }
    gp.Close();
}

const TGpEintrag* TGeschaeftspartnerListe::Suche(const TIntPair& id) const {
    for (const TGpEintrag& e : FEintraege)
        if (e.Id == id) return &e;
    return nullptr;
}

QString TGeschaeftspartnerListe::Name(const TIntPair& id) const {
    const TGpEintrag* e = Suche(id);
    return e ? e->Name : CKeinName;
}

QString TGeschaeftspartnerListe::ArtText(const QString& art) {
    if (art == Tgpfile::CArtMandant) return QStringLiteral("Mandant");
    if (art == Tgpfile::CArtFiliale) return QStringLiteral("Filiale");
    if (art == Tgpfile::CArtLieferant) return QStringLiteral("Lieferant");
    if (art == Tgpfile::CArtKunde) return QStringLiteral("Kunde");
    if (art == Tgpfile::CArtMitarbeiter) return QStringLiteral("Mitarbeiter");
    return art;
}
