#pragma once
// The host's business-partner search: the partners of the given kinds
// (clients, branches, suppliers, ...) by kind, number, name and place.

#include "TQLNAuswahlForm.h"
#include "host/managers/TGeschaeftspartnerListe.h"

class TGpSuchDialog : public TQLNAuswahlForm {
    Q_OBJECT
public:
    // arten: kind letters of Tgpfile (empty: all kinds).
    TGpSuchDialog(const QStringList& arten, bool nurAktive, QWidget* parent = nullptr, bool mehrfach = false);
    QList<TGpEintrag> Ausgewaehlt() const;

private:
    TGeschaeftspartnerListe FPartner;
};
