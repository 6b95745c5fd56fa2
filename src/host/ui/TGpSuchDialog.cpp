#include "TGpSuchDialog.h"

#include "TVTQLNVRList.h"

TGpSuchDialog::TGpSuchDialog(const QStringList& arten, bool nurAktive, QWidget* parent, bool mehrfach)
    : TQLNAuswahlForm(QStringLiteral("Geschäftspartner suchen"), QStringLiteral("frmGpSuchDialog"), mehrfach, parent) {
    FPartner.Laden(arten, nurAktive);
    TVTQLNVRList& l = *Liste();
    l.BeginUpdate();
    l.AddColumn(QStringLiteral("Art"), 90);
    l.AddColumn(QStringLiteral("Nummer"), 80);
    l.AddColumn(QStringLiteral("Name"), 220);
    l.AddColumn(QStringLiteral("Ort"), 120);
    l.Columns()[1].Alignment = Qt::AlignRight | Qt::AlignVCenter;
    for (int i = 0; i < FPartner.Eintraege().size(); ++i) {
        const TGpEintrag& p = FPartner.Eintraege()[i];
        l.Rows().AddRow({TGeschaeftspartnerListe::ArtText(p.Art), p.Nummer, p.Name, p.Ort}).Tag = i;
    }
    l.EndUpdate();
    ZeilenFertig();
}

QList<TGpEintrag> TGpSuchDialog::Ausgewaehlt() const {
    QList<TGpEintrag> out;
    for (const int i : AusgewaehlteTags()) out << FPartner.Eintraege().value(i);
    return out;
}
