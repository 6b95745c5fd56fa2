#pragma once
// The host's season dialog: every season of the season list by text,
// designation and selling period; one or several may be chosen.

#include "TQLNAuswahlForm.h"
#include "host/managers/TSaisonListe.h"

class TfrmSaiSel : public TQLNAuswahlForm {
    Q_OBJECT
public:
    explicit TfrmSaiSel(QWidget* parent = nullptr, bool mehrfach = false);
    // Selects the season shown by this text, when there is one.
    void Vorwahl(const QString& text);
    QList<TSaisonEintrag> Ausgewaehlt() const;

private:
    TSaisonListe FSaisons;
};
