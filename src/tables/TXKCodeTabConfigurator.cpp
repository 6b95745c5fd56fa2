#include "TXKCodeTabConfigurator.h"

#include "host/ui/TfrmAllgTab.h"

QStringList TXKCodeTabBasis::BearbeiteteZeile() const {
    // While the single form asks which fields to enable, the overview is the
    // active window and its current row is the line handed to the form.
    if (const auto* ueb = qobject_cast<const TfrmAllgTab*>(AktivesFenster())) return ueb->AktuelleZeile();
    return {};
}

void TXKCodeTabBasis::UnbekannteKennung(const QString& id) {
    TQLNInfo::ShowMeldung(mkHinweis, {id}, QStringLiteral("STANDARD"), 52);
}
