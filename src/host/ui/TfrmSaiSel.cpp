#include "TfrmSaiSel.h"

#include "TVTQLNVRList.h"
#include "common/QLNDatum.h"

namespace {
QString Datum(double tage) {
    return tage < 1 ? QString() : QLNDatum::ZuDatum(tage).toString(QStringLiteral("dd.MM.yyyy"));
}
}  // namespace

TfrmSaiSel::TfrmSaiSel(QWidget* parent, bool mehrfach)
    : TQLNAuswahlForm(QStringLiteral("Saison auswählen"), QStringLiteral("frmSaiSel"), mehrfach, parent) {
    FSaisons.Laden();
    TVTQLNVRList& l = *Liste();
    l.BeginUpdate();
    l.AddColumn(QStringLiteral("Saison"), 90);
    l.AddColumn(QStringLiteral("Bezeichnung"), 200);
    l.AddColumn(QStringLiteral("Saisonstart"), 90);
    l.AddColumn(QStringLiteral("Saisonende"), 90);
    for (int i = 0; i < FSaisons.Eintraege().size(); ++i) {
        const TSaisonEintrag& s = FSaisons.Eintraege()[i];
        l.Rows().AddRow({s.Text(), s.Bezeichnung, Datum(s.SaisStart), Datum(s.SaisEnde)}).Tag = i;
    }
    l.EndUpdate();
    ZeilenFertig();
}

void TfrmSaiSel::Vorwahl(const QString& text) {
    TVRList& rows = Liste()->Rows();
    for (int i = 0; i < rows.Count(); ++i)
        if (rows.Row(i).Text(0).compare(text.simplified(), Qt::CaseInsensitive) == 0) Liste()->SelectRow(&rows.Row(i));
}

QList<TSaisonEintrag> TfrmSaiSel::Ausgewaehlt() const {
    QList<TSaisonEintrag> out;
    for (const int i : AusgewaehlteTags()) out << FSaisons.Eintraege().value(i);
    return out;
}
