#include "TXKWaehrConfigurator.h"

#include "TXKMWSTConfigurator.h"
#include "host/TQLNInfo.h"
#include "host/TQLNProgramm.h"
#include "host/records/Twhfile.h"
#include "registry/Triveltaclass.h"

void TXKWaehrConfigurator::Resources_Create() {
    TXKAllgTabConfigurator::Resources_Create();
    FWhFile = std::make_unique<Twhfile>();
}

void TXKWaehrConfigurator::Resources_InitF() {
    FFieldIndKurzBez = -1;
    FFieldIndISO4217 = -1;
    FFieldIndLangBez = -1;
    FFieldIndZahlung = -1;
    FFieldIndLand = -1;
    TXKAllgTabConfigurator::Resources_InitF();
    FWhFile->OpenNew(-1);
}

void TXKWaehrConfigurator::Resources_DoneF() {
    try {
        if (FWhFile) FWhFile->Close();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWaehrConfigurator.Resources_DoneF"), e, false);
    }
    TXKAllgTabConfigurator::Resources_DoneF();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKWaehrConfigurator.Resources_DoneF"));
}

void TXKWaehrConfigurator::Resources_Destroy() {
    try {
        FWhFile.reset();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWaehrConfigurator.Resources_Destroy"), e, false);
    }
    TXKAllgTabConfigurator::Resources_Destroy();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKWaehrConfigurator.Resources_Destroy"));
}

void TXKWaehrConfigurator::DefineFields() {
    FFieldIndKurzBez = AddStringField(QStringLiteral("KURZBEZ"), QStringLiteral("Kurzbezeichnung"), true, false, false,
                                      false, 1, 3, QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndISO4217 = AddStringField(QStringLiteral("ISO4217"), QStringLiteral("Kürzel ISO 4217"), true, false, false,
                                      false, 1, 3, QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndLangBez = AddStringField(QStringLiteral("LANGBEZ"), QStringLiteral("Langbezeichnung"), true, false, false,
                                      false, 1, 27, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndZahlung = AddStringField(QStringLiteral("ZAHLUNG"), QStringLiteral("Kürzel Auslandsverkehr"), true, false,
                                      false, false, 1, 3, QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndLand = AddStringField(QStringLiteral("LAND"), QStringLiteral("Land"), true, true, false, false, 1, 3,
                                   QString(), QString(), TEditCharCase::ecUpperCase);
}

int TXKWaehrConfigurator::SetCount() {
    try {
        return int(FWhFile->GetCount());
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWaehrConfigurator.SetCount"), e, true);
        return -1;
    }
}

void TXKWaehrConfigurator::FillFields(QStringList& line) const {
    const Twhfile& f = *FWhFile;
    line << f.KurzBez.GetWert() << f.ISO4217.GetWert() << f.LangBez.GetWert() << f.Zahlung.GetWert() << f.Land.GetWert();
}

bool TXKWaehrConfigurator::GetFirst(QStringList& line) {
    try {
        line.clear();
        FWhFile->ClearBuffer();
        FWhFile->SetIndex(FWhFile->IndexPrimaer);
        if (!FWhFile->Get_first_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWaehrConfigurator.GetFirst"), e, true);
        return false;
    }
}

bool TXKWaehrConfigurator::GetNext(QStringList& line) {
    try {
        line.clear();
        if (!FWhFile->Get_next_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWaehrConfigurator.GetNext"), e, true);
        return false;
    }
}

bool TXKWaehrConfigurator::SwitchControlEnabled_4_Mode_Edit(int index) { return index != FFieldIndKurzBez; }

void TXKWaehrConfigurator::FillWertevorrat(int index, QStringList& liste) {
    liste.clear();
    try {
        if (index == FFieldIndLand) liste = XKLaenderKuerzel();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWaehrConfigurator.FillWertevorrat"), e, true);
    }
}

bool TXKWaehrConfigurator::Lese(const QString& kurzBez) {
    FWhFile->ClearBuffer();
    FWhFile->SetIndex(FWhFile->IndexPrimaer);
    FWhFile->KurzBez.SetKeyWert(kurzBez.trimmed());
    return FWhFile->Get_eq();
}

bool TXKWaehrConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    bool result = false;
    try {
        const QString kurzBez = neu.value(FFieldIndKurzBez).trimmed();
        if (code == wrdonDelete) {
            const auto istSystemwaehrung = [&](const QString& w) {
                return !w.trimmed().isEmpty() && w.trimmed().compare(kurzBez, Qt::CaseInsensitive) == 0;
            };
            if (istSystemwaehrung(TQLNProgramm::GetWaehrung()) || istSystemwaehrung(TQLNProgramm::GetWaehrung2()))
                return Ablehnen(QStringLiteral("Sie dürfen die Systemwährung nicht löschen!"));
        } else {
            if (neu.value(FFieldIndLangBez).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte geben Sie eine Langbezeichnung ein."));
            if (kurzBez.isEmpty()) return Ablehnen(QStringLiteral("Bitte geben Sie eine Kurzbezeichnung ein."));
            if (code == wrdonInsert && Lese(kurzBez))
                return Ablehnen(QStringLiteral("Die Währung, die Sie anlegen möchten, existiert bereits."));
        }
        result = true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWaehrConfigurator.BuchenTesten"), e, true);
    }
    return result;
}

void TXKWaehrConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    // Failures pass to the caller, whose posting then rolls back.
    Twhfile& f = *FWhFile;
    BuchenErsetzend(f, code, alt, neu, [this](const QStringList& l) { return Lese(l.value(FFieldIndKurzBez)); }, [&] {
        f.KurzBez.SetWert(neu.value(FFieldIndKurzBez).trimmed().toUpper());
        f.ISO4217.SetWert(neu.value(FFieldIndISO4217).trimmed().toUpper());
        f.LangBez.SetWert(neu.value(FFieldIndLangBez).trimmed());
        f.Zahlung.SetWert(neu.value(FFieldIndZahlung).trimmed().toUpper());
        f.Land.SetWert(neu.value(FFieldIndLand).trimmed().toUpper());
    });
}

void InitUnit_XKWaehr() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKWaehrConfigurator>(), QStringLiteral("WAEHRUNG"), QStringLiteral("Währungen"),
                           QStringLiteral("Definieren Sie die Währungen mit ihren ISO-Kürzeln, den Kürzeln für den "
                                          "Auslandszahlungsverkehr und dem zugehörigen Land."),
                           QStringLiteral("Währung, ISO 4217, Euro, Franken, Dollar, Pfund, Ausland"));
}
