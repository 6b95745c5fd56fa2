#include "TXKMWSTConfigurator.h"

#include "TXKWertText.h"
#include "host/TQLNInfo.h"
#include "host/TQLNProgramm.h"
#include "host/records/TAAFile.h"
#include "host/records/TLdfile.h"
#include "host/records/Tatpafile.h"
#include "host/records/Tlarfile.h"
#include "host/records/Tmwfile.h"
#include "registry/Triveltaclass.h"

int TMwStBuchenTestenThread::Pruefe() {
    // One file object per referencing field; each asks for one matching record.
    const auto benutzt = [this](TZEV_DBFile& datei, TDatenfeld_String& feld) {
        datei.Open(2, -1);
        datei.ClearBuffer();
        datei.ExtendedFilterClear();
        feld.SetFilterMinMax(FKurzBez, FKurzBez);
        datei.ExtendedMaxReceive_Set(1);
        feld.SetUsedField(true);
        const bool ja = datei.Get_exists_extMode();
        datei.Close();
        return ja;
    };
    TAAFile aa;
    if (benutzt(aa, aa.MwSt)) return 1;
    Tlarfile lar;
    if (benutzt(lar, lar.MwSt)) return 1;
    Tatpafile atpaVk;
    if (benutzt(atpaVk, atpaVk.VkMwSt)) return 1;
    Tatpafile atpaEk;
    if (benutzt(atpaEk, atpaEk.EkMwSt)) return 1;
    return 0;
}

QStringList XKLaenderKuerzel() {
    QStringList l;
    TLdfile ld;
    ld.Open(254, -1);
    ld.ClearBuffer();
    ld.SetIndex(ld.IndexPrimaer);
    for (bool ok = ld.Get_first(); ok; ok = ld.Get_next()) l << ld.Kuerzel.GetWert();
    ld.Close();
    return l;
}

void TXKMWSTConfigurator::Resources_Create() {
    TXKAllgTabConfigurator::Resources_Create();
    FMwFile = std::make_unique<Tmwfile>();
}

void TXKMWSTConfigurator::Resources_InitF() {
    FFieldIndLand = -1;
    FFieldIndKurzBez = -1;
    FFieldIndLangBez = -1;
    FFieldIndAbDatum = -1;
    FFieldIndProzent = -1;
    TXKAllgTabConfigurator::Resources_InitF();
    FMwFile->OpenNew(-1);
}

void TXKMWSTConfigurator::Resources_DoneF() {
    try {
        if (FMwFile) FMwFile->Close();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKMWSTConfigurator.Resources_DoneF"), e, false);
    }
    TXKAllgTabConfigurator::Resources_DoneF();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKMWSTConfigurator.Resources_DoneF"));
}

void TXKMWSTConfigurator::Resources_Destroy() {
    try {
        FMwFile.reset();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKMWSTConfigurator.Resources_Destroy"), e, false);
    }
    TXKAllgTabConfigurator::Resources_Destroy();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKMWSTConfigurator.Resources_Destroy"));
}

void TXKMWSTConfigurator::DefineFields() {
    FFieldIndLand = AddStringField(QStringLiteral("LAND"), QStringLiteral("Land"), true, true, false, false, 1, 3,
                                   QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndKurzBez = AddStringField(QStringLiteral("KURZBEZ"), QStringLiteral("Kurzbezeichnung"), true, false, false,
                                      false, 2, 8, QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndLangBez = AddStringField(QStringLiteral("LANGBEZ"), QStringLiteral("Langbezeichnung"), true, false, false,
                                      false, 2, 30, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndAbDatum = AddDateField(QStringLiteral("ABDARTUM"), QStringLiteral("gültig ab"), true);
    FFieldIndProzent = AddFloatField(QStringLiteral("PROZENT"), QStringLiteral("Prozentsatz"), true, 2, 2);
}

int TXKMWSTConfigurator::SetCount() {
    try {
        return int(FMwFile->GetCount());
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKMWSTConfigurator.SetCount"), e, true);
        return -1;
    }
}

void TXKMWSTConfigurator::FillFields(QStringList& line) const {
    const Tmwfile& f = *FMwFile;
    line << f.Land.GetWert() << f.KurzBez.GetWert() << f.LangBez.GetWert() << TXKWertText::Datum(f.AbDatum.GetWert())
         << TXKWertText::Zahl(f.Prozent.GetWert(), 2);
}

bool TXKMWSTConfigurator::GetFirst(QStringList& line) {
    try {
        line.clear();
        FMwFile->ClearBuffer();
        FMwFile->SetIndex(FMwFile->IndexPrimaer);
        if (!FMwFile->Get_first_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKMWSTConfigurator.GetFirst"), e, true);
        return false;
    }
}

bool TXKMWSTConfigurator::GetNext(QStringList& line) {
    try {
        line.clear();
        if (!FMwFile->Get_next_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKMWSTConfigurator.GetNext"), e, true);
        return false;
    }
}

void TXKMWSTConfigurator::FillNewLine(QStringList& line) {
    TXKAllgTabConfigurator::FillNewLine(line);
    line[FFieldIndLand] = TQLNProgramm::GetLand();
    // The date editor of the single form takes typing and its calendar only from a date on.
    line[FFieldIndAbDatum] = TXKWertText::Datum(QLNDatum::Heute());
}

bool TXKMWSTConfigurator::SwitchControlEnabled_4_Mode_Edit(int index) { return index != FFieldIndLand; }

void TXKMWSTConfigurator::FillWertevorrat(int index, QStringList& liste) {
    liste.clear();
    try {
        if (index == FFieldIndLand) liste = XKLaenderKuerzel();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKMWSTConfigurator.FillWertevorrat"), e, true);
    }
}

bool TXKMWSTConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    bool result = false;
    try {
        if (code == wrdonDelete) {
            TMwStBuchenTestenThread test(neu.value(FFieldIndKurzBez).trimmed());
            if (test.Ausfuehren(AktivesFenster()) == 1)
                return Ablehnen(QStringLiteral("Dieser MwSt.-Satz ist in Benutzung. Löschen nicht möglich."));
        } else {
            if (neu.value(FFieldIndLand).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte geben Sie ein Land ein."));
            if (neu.value(FFieldIndLangBez).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte geben Sie eine Langbezeichnung ein."));
            if (neu.value(FFieldIndKurzBez).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte geben Sie eine Kurzbezeichnung ein."));
            if (TXKWertText::AlsDatum(neu.value(FFieldIndAbDatum)) < 1)
                return Ablehnen(QStringLiteral("Bitte geben Sie ein Ab-Datum ein."));
            double prozent = 0;
            if (!TXKWertText::AlsZahl(neu.value(FFieldIndProzent), prozent) &&
                !Frage(QStringLiteral("Kein Prozentsatz angeben.\nSoll ein MWST.-Satz mit Prozentsatz = 0,00 % gebucht "
                                      "werden?")))
                return false;
        }
        result = true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKMWSTConfigurator.BuchenTesten"), e, true);
    }
    return result;
}

bool TXKMWSTConfigurator::Lese(const QStringList& line) {
    Tmwfile& f = *FMwFile;
    f.ClearBuffer();
    f.SetIndex(f.IndexPrimaer);
    f.Land.SetKeyWert(line.value(FFieldIndLand).trimmed());
    f.KurzBez.SetKeyWert(line.value(FFieldIndKurzBez).trimmed());
    f.AbDatum.SetKeyWert(TXKWertText::AlsDatum(line.value(FFieldIndAbDatum)));
    return f.Get_eq();
}

void TXKMWSTConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    // Failures pass to the caller, whose posting then rolls back.
    Tmwfile& f = *FMwFile;
    double prozent = 0;  // no number: the user agreed to 0 %
    if (!TXKWertText::AlsZahl(neu.value(FFieldIndProzent), prozent)) prozent = 0;
    BuchenErsetzend(f, code, alt, neu, [this](const QStringList& l) { return Lese(l); }, [&] {
        f.Land.SetWert(neu.value(FFieldIndLand).trimmed().toUpper());
        f.KurzBez.SetWert(neu.value(FFieldIndKurzBez).trimmed().toUpper());
        f.LangBez.SetWert(neu.value(FFieldIndLangBez).trimmed());
        f.AbDatum.SetWert(TXKWertText::AlsDatum(neu.value(FFieldIndAbDatum)));
        f.Prozent.SetWert(prozent);
    });
}

void InitUnit_XKMWST() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKMWSTConfigurator>(), QStringLiteral("MWST"), QStringLiteral("Mehrwertsteuer"),
                           QStringLiteral("Definieren Sie die Mehrwertsteuersätze und die Daten, ab denen diese gelten."),
                           QStringLiteral("Mehrwertsteuer, Prozent, Artikel"));
}
