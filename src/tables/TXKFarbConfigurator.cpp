#include "TXKFarbConfigurator.h"

#include "host/TQLNInfo.h"
#include "host/records/Tfarbfile.h"
#include "registry/Triveltaclass.h"

void TXKFarbConfigurator::Resources_Create() {
    TXKAllgTabConfigurator::Resources_Create();
    FFarbFile = std::make_unique<Tfarbfile>();
}

void TXKFarbConfigurator::Resources_InitF() {
    FFieldIndNummer = -1;
    FFieldIndFarbe = -1;
    TXKAllgTabConfigurator::Resources_InitF();
    FFarbFile->OpenNew(-1);
}

void TXKFarbConfigurator::Resources_DoneF() {
    try {
        if (FFarbFile) FFarbFile->Close();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKFarbConfigurator.Resources_DoneF"), e, false);
    }
    TXKAllgTabConfigurator::Resources_DoneF();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKFarbConfigurator.Resources_DoneF"));
}

void TXKFarbConfigurator::Resources_Destroy() {
    try {
        FFarbFile.reset();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKFarbConfigurator.Resources_Destroy"), e, false);
    }
    TXKAllgTabConfigurator::Resources_Destroy();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKFarbConfigurator.Resources_Destroy"));
}

void TXKFarbConfigurator::DefineFields() {
    FFieldIndNummer = AddStringField(QStringLiteral("NUMMER"), QStringLiteral("Nummer"), true, false, false, false, 1, 4,
                                     QString(), QStringLiteral("0123456789"), TEditCharCase::ecNormal);
    FFieldIndFarbe = AddStringField(QStringLiteral("BEZEICHNUNG"), QStringLiteral("Bezeichnung"), true, false, false,
                                    false, 1, 20, QString(), QString(), TEditCharCase::ecNormal);
}

int TXKFarbConfigurator::SetCount() {
    try {
        return int(FFarbFile->GetCount());
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKFarbConfigurator.SetCount"), e, true);
        return -1;
    }
}

void TXKFarbConfigurator::FillFields(QStringList& line) const {
    line << FFarbFile->Nummer.GetWert() << FFarbFile->Bezeichnung.GetWert();
}

bool TXKFarbConfigurator::GetFirst(QStringList& line) {
    try {
        line.clear();
        FFarbFile->ClearBuffer();
        FFarbFile->SetIndex(FFarbFile->IndexPrimaer);
        if (!FFarbFile->Get_first_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKFarbConfigurator.GetFirst"), e, true);
        return false;
    }
}

bool TXKFarbConfigurator::GetNext(QStringList& line) {
    try {
        line.clear();
        if (!FFarbFile->Get_next_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKFarbConfigurator.GetNext"), e, true);
        return false;
    }
}

bool TXKFarbConfigurator::SwitchControlEnabled_4_Mode_Edit(int index) { return index != FFieldIndNummer; }

bool TXKFarbConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    bool result = false;
    try {
        if (AlsZahl(neu.value(FFieldIndNummer), -1) < 0)
            return Ablehnen(QStringLiteral("Bitte geben Sie eine Nummer für die Farbe ein."));
        if (neu.value(FFieldIndFarbe).trimmed().isEmpty())
            return Ablehnen(QStringLiteral("Bitte geben Sie eine Beschreibung für die Farbe ein."));
        if (code == wrdonInsert) {
            FFarbFile->ClearBuffer();
            FFarbFile->SetIndex(FFarbFile->IndexPrimaer);
            // the key is the number as entered: "12" and "0012" are two colours
            FFarbFile->Nummer.SetKeyWert(neu.value(FFieldIndNummer));
            if (FFarbFile->Get_eq())
                return Ablehnen(QStringLiteral("Die Farbe, die Sie anlegen möchten, existiert bereits!"));
        }
        result = true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKFarbConfigurator.BuchenTesten"), e, true);
    }
    return result;
}

void TXKFarbConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    // Failures pass to the caller, whose posting then rolls back.
    Tfarbfile& f = *FFarbFile;
    if (code == wrdonDelete) {
        f.ClearBuffer();
        f.SetIndex(f.IndexPrimaer);
        f.Nummer.SetKeyWert(neu.value(FFieldIndNummer));
        if (f.Get_eq()) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        f.ClearBuffer();
        f.SetIndex(f.IndexPrimaer);
        f.Nummer.SetWert(neu.value(FFieldIndNummer));
        f.Bezeichnung.SetWert(neu.value(FFieldIndFarbe));
        f.Write(wrdonInsert);
    } else if (code == wrdonUpdate) {
        f.ClearBuffer();
        f.SetIndex(f.IndexPrimaer);
        f.Nummer.SetKeyWert(alt.value(FFieldIndNummer));
        if (f.Get_eq()) {
            f.Nummer.SetWert(neu.value(FFieldIndNummer));
            f.Bezeichnung.SetWert(neu.value(FFieldIndFarbe));
            f.Write(wrdonUpdate);
        }
    }
}

void InitUnit_XKFarb() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKFarbConfigurator>(), QStringLiteral("FARBEN"), QStringLiteral("Farben"),
                           QStringLiteral("Im modischen Einzelhandel spielen die Farben von Artikeln eine wichtige "
                                          "Rolle. Definieren Sie hier die Farben, die Sie Artikeln zuweisen möchten."),
                           QStringLiteral("Farbe, Merkmal, Artikel, Artikelverwaltung"));
}
