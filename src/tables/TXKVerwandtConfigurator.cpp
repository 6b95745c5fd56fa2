#include "TXKVerwandtConfigurator.h"

#include "registry/Triveltaclass.h"

void TXKVerwandtConfigurator::SetAllowedModes() { FAllowedModes = {1, 2, 3, 4, 5}; }

void TXKVerwandtConfigurator::Resources_InitF() {
    FFieldIndKennung = -1;
    FFieldIndBez = -1;
    FFieldIndAender = -1;
    FFieldIndGerichtet = -1;
    TXKCodeTabConfigurator::Resources_InitF();
}

void TXKVerwandtConfigurator::DefineFields() {
    FFieldIndKennung = AddStringField(QStringLiteral("KENNUNG"), QStringLiteral("Kennung"), true, false, false, false, 2,
                                      2, QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndBez = AddStringField(QStringLiteral("BEZ"), QStringLiteral("Bezeichnung"), true, false, false, false, 1, 20,
                                  QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndAender = AddBooleanField(QStringLiteral("AENDER"), QStringLiteral("Änderbar"), false);
    // the short caption heads the column; the form asks the question (EditLabels)
    FFieldIndGerichtet = AddBooleanField(QStringLiteral("GERICHTET"), QStringLiteral("gerichtet"), true);
}

void TXKVerwandtConfigurator::EditLabels(int index, QString& caption) {
    if (index == FFieldIndGerichtet) caption = QStringLiteral("Ist die Beziehung gerichtet (z. B. Nachfolgeartikel)?");
}

void TXKVerwandtConfigurator::FillFields(QStringList& line) {
    line << FFile->Kennung.GetWert() << FFile->Bez.GetWert() << BoolToJN(FFile->Aender.GetWert())
         << BoolToJN(FFile->Gerichtet.GetWert());
}

bool TXKVerwandtConfigurator::Lese(const QString& kennung) {
    FFile->ClearBuffer();
    FFile->SetIndex(FFile->IndexPrimaer);
    FFile->Kennung.SetKeyWert(kennung);
    return FFile->Get_eq();
}

bool TXKVerwandtConfigurator::HatZuordnungen(const QString& kennung) {
    Tvprofile f;
    f.Open(254, -1);
    f.ClearBuffer();
    f.SetIndex(f.IndexPrimaer);
    f.Kennung.SetKeyWert(kennung);
    const bool ja = f.Get_ge() && f.Kennung.GetWert() == kennung;
    f.Close();
    return ja;
}

void TXKVerwandtConfigurator::LoescheZuordnungen(const QString& kennung) {
    Tvprofile f;
    f.Open(254, -1);
    for (;;) {
        f.ClearBuffer();
        f.SetIndex(f.IndexPrimaer);
        f.Kennung.SetKeyWert(kennung);
        if (!f.Get_ge() || f.Kennung.GetWert() != kennung) break;
        f.Write(wrdonDelete);
    }
    f.Close();
}

bool TXKVerwandtConfigurator::BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) {
    FZuordnungenLoeschen.clear();
    return Geschuetzt("BuchenTesten", false, [&] {
        const QString kennung = neu.value(FFieldIndKennung).trimmed();
        if (code == wrdonInsert || code == wrdonUpdate) {
            if (kennung.size() < 2) return Ablehnen(QStringLiteral("Bitte geben Sie eine zweistellige Kennung ein."));
            if (neu.value(FFieldIndBez).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte geben Sie eine Bezeichnung ein."));
        }
        if (code == wrdonUpdate && (kennung != alt.value(FFieldIndKennung).trimmed() ||
                                    JNToBool(neu.value(FFieldIndGerichtet)) != JNToBool(alt.value(FFieldIndGerichtet))))
            return Ablehnen(QStringLiteral("Es darf nachträglich nur die Bezeichnung geändert werden"));
        if (code == wrdonInsert && Lese(kennung)) return Ablehnen(QStringLiteral("Das eingegbene Kürzel existiert bereits."));
        if (code == wrdonDelete) {
            if (alt.value(FFieldIndAender).trimmed() == QLatin1String("N"))
                return Ablehnen(QStringLiteral("Das Löschen dieses Verwandschaftstypen ist nicht erlaubt."));
            const QString altKennung = alt.value(FFieldIndKennung).trimmed();
            if (HatZuordnungen(altKennung)) {
                if (!Frage(QStringLiteral("Dieser Verwandschaftstyp hat noch Zuordnungen. Sollen diese und der Typ "
                                          "trotzdem gelöscht werden?"),
                           994))
                    return false;
                FZuordnungenLoeschen = altKennung;
            }
        }
        return true;
    });
}

void TXKVerwandtConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    Tvtypfile& f = *FFile;
    if (code == wrdonDelete) {
        const QString kennung = alt.value(FFieldIndKennung).trimmed();
        if (!FZuordnungenLoeschen.isEmpty() && FZuordnungenLoeschen == kennung) LoescheZuordnungen(kennung);
        FZuordnungenLoeschen.clear();
        if (Lese(kennung)) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        f.ClearBuffer();
        f.Kennung.SetWert(neu.value(FFieldIndKennung).trimmed());
        f.Bez.SetWert(neu.value(FFieldIndBez));
        // types made here are the user's own: they stay changeable and deletable
        f.Aender.SetWert(true);
        f.Gerichtet.SetWert(JNToBool(neu.value(FFieldIndGerichtet)));
        f.Write(wrdonInsert);
    } else if (code == wrdonUpdate) {
        if (Lese(alt.value(FFieldIndKennung).trimmed())) {
            f.Bez.SetWert(neu.value(FFieldIndBez));
            f.Write(wrdonUpdate);
        }
    }
}

void InitUnit_XKVerwandt() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKVerwandtConfigurator>(), QStringLiteral("VERWANDT"),
                           QStringLiteral("Verwandtschaftstypen"),
                           QStringLiteral("Artikel können miteinander verwandt sein: ein Nachfolgeartikel ersetzt "
                                          "einen Vorgänger, ein Zubehörartikel ergänzt einen anderen. Legen Sie hier "
                                          "die Arten solcher Beziehungen an und bestimmen Sie, ob eine Beziehung "
                                          "gerichtet ist. Nachträglich kann nur die Bezeichnung geändert werden."),
                           QStringLiteral("Verwandtschaft, Beziehung, Nachfolger, Nachfolgeartikel, Zubehör, Artikel, "
                                          "Produkte"));
}
