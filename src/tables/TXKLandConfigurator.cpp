#include "TXKLandConfigurator.h"

#include "host/TQLNInfo.h"
#include "host/records/TLdfile.h"
#include "registry/Triveltaclass.h"

void TXKLandConfigurator::Resources_Create() {
    TXKAllgTabConfigurator::Resources_Create();
    FLdFile = std::make_unique<TLdfile>();
}

void TXKLandConfigurator::Resources_InitF() {
    FFieldIndKuerzel = -1;
    FFieldIndISO3166 = -1;
    FFieldIndName = -1;
    FFieldIndNr = -1;
    FFieldIndAbk = -1;
    FFieldIndEUMgl = -1;
    FFieldIndEWUMgl = -1;
    FFieldIndPlz = -1;
    TXKAllgTabConfigurator::Resources_InitF();
    FLdFile->OpenNew(-1);
}

void TXKLandConfigurator::Resources_DoneF() {
    try {
        if (FLdFile) FLdFile->Close();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKLandConfigurator.Resources_DoneF"), e, false);
    }
    TXKAllgTabConfigurator::Resources_DoneF();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKLandConfigurator.Resources_DoneF"));
}

void TXKLandConfigurator::Resources_Destroy() {
    try {
        FLdFile.reset();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKLandConfigurator.Resources_Destroy"), e, false);
    }
    TXKAllgTabConfigurator::Resources_Destroy();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKLandConfigurator.Resources_Destroy"));
}

void TXKLandConfigurator::DefineFields() {
    FFieldIndKuerzel = AddStringField(QStringLiteral("KUERZEL"), QStringLiteral("Kürzel"), true, false, false, false, 1,
                                      3, QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndISO3166 = AddStringField(QStringLiteral("ISO3166"), QStringLiteral("Kürzel ISO 3166"), true, false, false,
                                      false, 1, 2, QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndName = AddStringField(QStringLiteral("NAME"), QStringLiteral("Bezeichnung"), true, false, false, false, 1,
                                   19, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndNr = AddIntegerField(QStringLiteral("NR"), QStringLiteral("Außenhandelsnr."), true, false, 0, 0);
    FFieldIndAbk = AddStringField(QStringLiteral("ABK"), QStringLiteral("Außenhandelskürzel"), true, false, false,
                                  false, 1, 7, QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndEUMgl = AddBooleanField(QStringLiteral("EUMGL"), QStringLiteral("EU-Mitglied"), true);
    FFieldIndEWUMgl = AddBooleanField(QStringLiteral("EWUMGL"), QStringLiteral("EWU-Mitglied"), true);
    FFieldIndPlz = AddStringField(QStringLiteral("PLZ"), QStringLiteral("PLZ-Format"), true, false, false, false, 1, 20,
                                  QString(), QStringLiteral("C9 "), TEditCharCase::ecUpperCase);
}

int TXKLandConfigurator::SetCount() {
    try {
        return int(FLdFile->GetCount());
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKLandConfigurator.SetCount"), e, true);
        return -1;
    }
}

void TXKLandConfigurator::FillFields(QStringList& line) const {
    const TLdfile& f = *FLdFile;
    line << f.Kuerzel.GetWert() << f.ISO3166.GetWert() << f.Name.GetWert() << QString::number(f.Nr.GetWert())
         << f.Abk.GetWert() << BoolToJN(f.EUMgl.GetWert()) << BoolToJN(f.EWUMgl.GetWert()) << f.Plz.GetWert();
}

bool TXKLandConfigurator::GetFirst(QStringList& line) {
    try {
        line.clear();
        FLdFile->ClearBuffer();
        FLdFile->SetIndex(FLdFile->IndexPrimaer);
        if (!FLdFile->Get_first_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKLandConfigurator.GetFirst"), e, true);
        return false;
    }
}

bool TXKLandConfigurator::GetNext(QStringList& line) {
    try {
        line.clear();
        if (!FLdFile->Get_next_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKLandConfigurator.GetNext"), e, true);
        return false;
    }
}

bool TXKLandConfigurator::Lese(const QString& kuerzel) {
    FLdFile->ClearBuffer();
    FLdFile->SetIndex(FLdFile->IndexPrimaer);
    FLdFile->Kuerzel.SetKeyWert(kuerzel.trimmed());
    return FLdFile->Get_eq();
}

bool TXKLandConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    bool result = false;
    try {
        if (code == wrdonInsert || code == wrdonUpdate) {
            if (neu.value(FFieldIndKuerzel).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte geben Sie ein Kürzel ein."));
            if (neu.value(FFieldIndName).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte geben Sie eine Bezeichnung ein."));
            if (neu.value(FFieldIndPlz).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte geben Sie das Format der Postleitzahl ein (9-Ziffern, "
                                               "C-Buchstaben)."));
            if (code == wrdonInsert && Lese(neu.value(FFieldIndKuerzel)))
                return Ablehnen(QStringLiteral("Das Land, das Sie eingeben möchten, existiert bereits."));
        }
        result = true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKLandConfigurator.BuchenTesten"), e, true);
    }
    return result;
}

void TXKLandConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    // Failures pass to the caller, whose posting then rolls back.
    TLdfile& f = *FLdFile;
    BuchenErsetzend(f, code, alt, neu, [this](const QStringList& l) { return Lese(l.value(FFieldIndKuerzel)); }, [&] {
        f.Kuerzel.SetWert(neu.value(FFieldIndKuerzel).trimmed().toUpper());
        f.ISO3166.SetWert(neu.value(FFieldIndISO3166).trimmed().toUpper());
        f.Name.SetWert(neu.value(FFieldIndName).trimmed());
        f.Nr.SetWert(AlsZahl(neu.value(FFieldIndNr), 0));
        f.Abk.SetWert(neu.value(FFieldIndAbk).trimmed().toUpper());
        f.EUMgl.SetWert(JNToBool(neu.value(FFieldIndEUMgl)));
        f.EWUMgl.SetWert(JNToBool(neu.value(FFieldIndEWUMgl)));
        f.Plz.SetWert(neu.value(FFieldIndPlz).trimmed().toUpper());
    });
}

void InitUnit_XKLand() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKLandConfigurator>(), QStringLiteral("LAND"), QStringLiteral("Länder"),
                           QStringLiteral("Definieren Sie die Länder."),
                           QStringLiteral("Land; PLZ; Postleitzahl; Außenhandel"));
}
