#include "THostTabDefinition.h"

#include "host/TQLNInfo.h"

void THostTabDefinition::FillNewLine(QStringList& line) {
    line.clear();
    for (int i = 0; i < FFelder.size(); ++i) line << QString();
}

int THostTabDefinition::Textfeld(const QString& name, const QString& caption, int minLaenge, int maxLaenge,
                                 const QString& erlaubt, bool grossbuchstaben, bool sichtbar) {
    TXKFeld f;
    f.Name = name;
    f.Caption = caption;
    f.Visible = sichtbar;
    f.MinLaenge = minLaenge;
    f.MaxLaenge = maxLaenge;
    f.Erlaubt = erlaubt;
    f.CharCase = grossbuchstaben ? TEditCharCase::ecUpperCase : TEditCharCase::ecNormal;
    FFelder.append(f);
    return FFelder.size() - 1;
}

int THostTabDefinition::Datumsfeld(const QString& name, const QString& caption, bool sichtbar) {
    TXKFeld f;
    f.Name = name;
    f.Caption = caption;
    f.Art = TXKFeldArt::Date;
    f.Visible = sichtbar;
    f.MaxLaenge = 10;
    FFelder.append(f);
    return FFelder.size() - 1;
}

int THostTabDefinition::JaNeinFeld(const QString& name, const QString& caption) {
    TXKFeld f;
    f.Name = name;
    f.Caption = caption;
    f.Art = TXKFeldArt::Boolean;
    f.MaxLaenge = 1;
    FFelder.append(f);
    return FFelder.size() - 1;
}

bool THostTabDefinition::Ablehnen(const QString& text) {
    TQLNInfo::ShowMeldung(mkHinweis, {text}, QStringLiteral("STANDARD"), 994);
    return false;
}

int THostTabDefinition::AlsZahl(const QString& text, int vorgabe) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : vorgabe;
}
