#include "TSaisonListe.h"

#include "host/records/TStfile.h"
#include "host/records/Tsbfile.h"

#include <QHash>

QString TSaisonListe::Text(const QString& kuerzel, int jahr) {
    return jahr == 0 ? kuerzel : kuerzel + QLatin1Char(' ') + QString::number(jahr);
}

QString TSaisonEintrag::Text() const { return TSaisonListe::Text(Kuerzel, Jahr); }

void TSaisonListe::Laden() {
    FEintraege.clear();
    QHash<QString, QString> bezeichnungen;
    Tsbfile sb;
    sb.Open(254, -1);
    sb.ClearBuffer();
    sb.SetIndex(sb.IndexPrimaer);
    for (bool ok = sb.Get_first(); ok; ok = sb.Get_next()) bezeichnungen.insert(sb.Kuerzel.GetWert(), sb.Bezeichnung.GetWert());
    sb.Close();
    TStfile st;
    st.Open(254, -1);
    st.ClearBuffer();
    st.SetIndex(st.IndexPrimaer);
    for (bool ok = st.Get_first(); ok; ok = st.Get_next())
        FEintraege.append({st.SaisAbk.GetWert(), st.Jahr.GetWert(), bezeichnungen.value(st.SaisAbk.GetWert()),
                           st.SaisStart.GetWert(), st.SaisEnde.GetWert()});
    st.Close();
}

const TSaisonEintrag* TSaisonListe::Suche(const QString& text) const {
    const QString t = text.simplified();
    for (const TSaisonEintrag& e : FEintraege)
        if (e.Text().compare(t, Qt::CaseInsensitive) == 0) return &e;
    return nullptr;
}

const TSaisonEintrag* TSaisonListe::Suche(const QString& kuerzel, int jahr) const {
    for (const TSaisonEintrag& e : FEintraege)
        if (e.Jahr == jahr && e.Kuerzel.compare(kuerzel.trimmed(), Qt::CaseInsensitive) == 0) return &e;
    return nullptr;
}
