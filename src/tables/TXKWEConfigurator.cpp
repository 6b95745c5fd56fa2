#include "TXKWEConfigurator.h"

#include "TXKWertText.h"
#include "host/TQLNInfo.h"
#include "host/TQLNProgramm.h"
#include "host/records/Twefile.h"
#include "host/records/Twegzfile.h"
#include "host/records/Twhfile.h"
#include "host/ui/TQLNStdProgressDialog.h"
#include "registry/Triveltaclass.h"

const QStringList& TXKWEConfigurator::FormGespeichert() {
    static const QStringList l{QStringLiteral("M"), QStringLiteral("S"), QStringLiteral("A")};
    return l;
}
const QStringList& TXKWEConfigurator::FormAngezeigt() {
    static const QStringList l{QStringLiteral("Münze"), QStringLiteral("Schein"), QStringLiteral("Sonstiges")};
    return l;
}
const QStringList& TXKWEConfigurator::AktivGespeichert() {
    static const QStringList l{QStringLiteral("A"), QStringLiteral("P")};
    return l;
}
const QStringList& TXKWEConfigurator::AktivAngezeigt() {
    static const QStringList l{QStringLiteral("aktiv"), QStringLiteral("passiv")};
    return l;
}

void TXKWEConfigurator::Resources_Create() {
    TXKAllgTabConfigurator::Resources_Create();
    FWeFile = std::make_unique<Twefile>();
}

void TXKWEConfigurator::Resources_InitF() {
    FFieldIndWaehrung = -1;
    FFieldIndNummer = -1;
    FFieldIndForm = -1;
    FFieldIndEinheit = -1;
    FFieldIndName = -1;
    FFieldIndMulti = -1;
    FFieldIndAktivKz = -1;
    TXKAllgTabConfigurator::Resources_InitF();
    FWeFile->OpenNew(-1);
}

void TXKWEConfigurator::Resources_DoneF() {
    try {
        if (FWeFile) FWeFile->Close();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWEConfigurator.Resources_DoneF"), e, false);
    }
    TXKAllgTabConfigurator::Resources_DoneF();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKWEConfigurator.Resources_DoneF"));
}

void TXKWEConfigurator::Resources_Destroy() {
    try {
        FWeFile.reset();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWEConfigurator.Resources_Destroy"), e, false);
    }
    TXKAllgTabConfigurator::Resources_Destroy();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKWEConfigurator.Resources_Destroy"));
}

void TXKWEConfigurator::DefineFields() {
    FFieldIndWaehrung = AddStringField(QStringLiteral("WAEHRUNG"), QStringLiteral("Währung"), true, true, false, false,
                                       1, 3, QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndNummer = AddIntegerField(QStringLiteral("NUMMER"), QStringLiteral("Nummer"), false, false, 0, 0);
    FFieldIndForm = AddStringField(QStringLiteral("FORM"), QStringLiteral("Form"), true, true, false, false, 1, 1,
                                   QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndEinheit = AddIntegerField(QStringLiteral("EINHEIT"), QStringLiteral("Einheit"), true, false, 0, 0);
    FFieldIndName = AddStringField(QStringLiteral("NAME"), QStringLiteral("Name"), true, false, false, false, 1, 20,
                                   QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndMulti = AddFloatField(QStringLiteral("MULTI"), QStringLiteral("Multiplikator"), true, 8, 2);
    FFieldIndAktivKz = AddStringField(QStringLiteral("AKTIVKZ"), QStringLiteral("aktiv/passiv"), true, true, false,
                                      false, 1, 1, QString(), QString(), TEditCharCase::ecNormal);
}

int TXKWEConfigurator::SetCount() {
    try {
        return int(FWeFile->GetCount());
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWEConfigurator.SetCount"), e, true);
        return -1;
    }
}

void TXKWEConfigurator::FillFields(QStringList& line) const {
    const Twefile& f = *FWeFile;
    line << f.Waehrung.GetWert() << QString::number(f.Nummer.GetWert())
         << Konvertiere(f.Form.GetWert(), FormGespeichert(), FormAngezeigt(), true)
         << QString::number(f.Einheit.GetWert()) << f.Name.GetWert() << TXKWertText::Zahl(f.Multi.GetWert(), 2)
         << Konvertiere(f.AktivKz.GetWert(), AktivGespeichert(), AktivAngezeigt(), true);
}

bool TXKWEConfigurator::GetFirst(QStringList& line) {
    try {
        line.clear();
        FWeFile->ClearBuffer();
        FWeFile->SetIndex(FWeFile->IndexPrimaer);
        if (!FWeFile->Get_first_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWEConfigurator.GetFirst"), e, true);
        return false;
    }
}

bool TXKWEConfigurator::GetNext(QStringList& line) {
    try {
        line.clear();
        if (!FWeFile->Get_next_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWEConfigurator.GetNext"), e, true);
        return false;
    }
}

void TXKWEConfigurator::FillNewLine(QStringList& line) {
    line = QStringList{TQLNProgramm::GetWaehrung(), QStringLiteral("0"), FormAngezeigt().first(), QString(),
                       QString(),   QString(),          AktivAngezeigt().first()};
}

bool TXKWEConfigurator::SwitchControlEnabled_4_Mode_Edit(int index) { return index != FFieldIndWaehrung; }

void TXKWEConfigurator::FillWertevorrat(int index, QStringList& liste) {
    liste.clear();
    try {
        if (index == FFieldIndForm) {
            liste = FormAngezeigt();
        } else if (index == FFieldIndAktivKz) {
            liste = AktivAngezeigt();
        } else if (index == FFieldIndWaehrung) {
            Twhfile wh;
            wh.Open(254, -1);
            wh.ClearBuffer();
            wh.SetIndex(wh.IndexPrimaer);
            for (bool ok = wh.Get_first(); ok; ok = wh.Get_next()) liste << wh.KurzBez.GetWert();
            wh.Close();
        }
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWEConfigurator.FillWertevorrat"), e, true);
    }
}

bool TXKWEConfigurator::EinheitVerwendet(const QString& waehrung, int nummer) {
    Twegzfile wegz;
    wegz.OpenNew(-1);
    TQLNStdProgressDialog dlg(QStringLiteral("Nach Währungseinheit suchen..."), 300, 150);
    dlg.AddCounter(QStringLiteral("SetsRead"), QStringLiteral("gelesene Kassenzählungen"));
    dlg.Anzeigen();
    bool gefunden = false;
    qint64 gelesen = 0;
    wegz.ClearBuffer();
    wegz.SetIndex(wegz.IndexPrimaer);
    for (bool ok = wegz.Get_first(); ok; ok = wegz.Get_next()) {
        dlg.SetCounter(QStringLiteral("SetsRead"), ++gelesen);
        QLNInfoProcessMessages(300);
        if (dlg.Abgebrochen()) {
            gefunden = true;  // not known to be unused: no delete
            TQLNInfo::ShowMeldung(mkHinweis, {QStringLiteral("Die Prüfung wurde abgebrochen. Der Eintrag wird nicht gelöscht.")},
                                  QStringLiteral("STANDARD"), 994);
            break;
        }
        if (wegz.Nummer.GetWert() == nummer && wegz.Waehrung.GetWert().compare(waehrung, Qt::CaseInsensitive) == 0) {
            gefunden = true;
            break;
        }
    }
    dlg.Schliessen();
    wegz.Close();
    return gefunden;
}

bool TXKWEConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    bool result = false;
    try {
        if (code == wrdonDelete) {
            if (EinheitVerwendet(neu.value(FFieldIndWaehrung).trimmed(), AlsZahl(neu.value(FFieldIndNummer), 0)))
                return Ablehnen(QStringLiteral("Die Einheit, die Sie löschen möchten wird noch verwendet (Zählung "
                                               "Kassenabschlüsse)!"));
        } else {
            if (neu.value(FFieldIndWaehrung).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte geben Sie eine Währung ein."));
            if (neu.value(FFieldIndName).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte geben Sie einen Namen ein."));
            if (neu.value(FFieldIndEinheit).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte geben Sie eine Einheit ein."));
            if (neu.value(FFieldIndMulti).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte geben Sie einen Multiplikator ein."));
        }
        result = true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWEConfigurator.BuchenTesten"), e, true);
    }
    return result;
}

int TXKWEConfigurator::NaechsteNummer(const QString& waehrung) {
    Twefile& f = *FWeFile;
    f.ClearBuffer();
    f.ExtendedFilterClear();
    f.SetIndex(f.IndexPrimaer);
    f.Waehrung.SetFilterMinMax(waehrung, waehrung);
    const int nummer = f.Get_last_extMode() ? f.Nummer.GetWert() + 1 : 1;
    f.ExtendedFilterClear();
    return nummer;
}

void TXKWEConfigurator::Einfuegen(const QString& waehrung, int nummer, const QStringList& neu) {
    Twefile& f = *FWeFile;
    double multi = 0;
    TXKWertText::AlsZahl(neu.value(FFieldIndMulti), multi);
    f.ClearBuffer();
    f.SetIndex(f.IndexPrimaer);
    f.Waehrung.SetWert(waehrung);
    f.Nummer.SetWert(nummer);
    f.Form.SetWert(Konvertiere(neu.value(FFieldIndForm), FormGespeichert(), FormAngezeigt(), false));
    f.Einheit.SetWert(AlsZahl(neu.value(FFieldIndEinheit), 0));
    f.Name.SetWert(neu.value(FFieldIndName).trimmed());
    f.Multi.SetWert(multi);
    f.AktivKz.SetWert(Konvertiere(neu.value(FFieldIndAktivKz), AktivGespeichert(), AktivAngezeigt(), false));
    f.Write(wrdonInsert);
}

void TXKWEConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    // Failures pass to the caller, whose posting then rolls back.
    Twefile& f = *FWeFile;
    const auto lese = [&](const QStringList& line) {
        f.ClearBuffer();
        f.SetIndex(f.IndexPrimaer);
        f.Waehrung.SetKeyWert(line.value(FFieldIndWaehrung).trimmed());
        f.Nummer.SetKeyWert(AlsZahl(line.value(FFieldIndNummer), 0));
        return f.Get_eq();
    };
    if (code == wrdonDelete) {
        if (lese(neu)) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        const QString waehrung = neu.value(FFieldIndWaehrung).trimmed().toUpper();
        Einfuegen(waehrung, NaechsteNummer(waehrung), neu);
    } else if (code == wrdonUpdate) {
        // replaced: the old currency and number with the new values
        if (lese(alt)) {
            const QString waehrung = f.Waehrung.GetWert();
            const int nummer = f.Nummer.GetWert();
            f.Write(wrdonDelete);
            Einfuegen(waehrung, nummer, neu);
        }
    }
}

void InitUnit_XKWE() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKWEConfigurator>(), QStringLiteral("WAEHREINH"), QStringLiteral("Währungseinheiten"),
                           QStringLiteral("Legen Sie hier die Münzen, Scheine und sonstigen Zahlungseinheiten jeder "
                                          "Währung fest, die beim Kassenabschluss gezählt werden."),
                           QStringLiteral("Währung, Einheit, Münze, Schein, Kasse, Kassenabschluss, Zählung"));
}
