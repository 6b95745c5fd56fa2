#include "TXKWGSConfigurator.h"

#include "TXKTabHilfe.h"
#include "host/TQLNInfo.h"
#include "host/records/Tawgsfile.h"
#include "host/records/Twgnfile.h"
#include "host/records/Twgsfile.h"
#include "registry/Triveltaclass.h"

namespace {
const QString CPrimaer = QStringLiteral("primär");
const QString CAlternativ = QStringLiteral("alternativ");
const QString CJ = QStringLiteral("J");
}  // namespace

TXKWGSConfigurator::TXKWGSConfigurator() = default;
TXKWGSConfigurator::~TXKWGSConfigurator() = default;

void TXKWGSConfigurator::Resources_Create() {
    TXKAllgTabConfigurator::Resources_Create();
    FWgsFile = std::make_unique<Twgsfile>();
}

void TXKWGSConfigurator::Resources_InitF() {
    FFieldIndPrimAlt = FFieldIndKennung = FFieldIndText = FFieldIndAktPas = FFieldIndAenderbar = -1;
    FFieldIndZuordOpt = FFieldIndMehrfach = FFieldIndUntEbene = FFieldIndBezDyn = -1;
    for (int& i : FFieldIndEbene) i = -1;
    TXKAllgTabConfigurator::Resources_InitF();
    FWgsFile->OpenNew(-1);
}

void TXKWGSConfigurator::Resources_DoneF() {
    try {
        if (FWgsFile) FWgsFile->Close();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWGSConfigurator.Resources_DoneF"), e, false);
    }
    TXKAllgTabConfigurator::Resources_DoneF();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKWGSConfigurator.Resources_DoneF"));
}

void TXKWGSConfigurator::Resources_Destroy() {
    try {
        FWgsFile.reset();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWGSConfigurator.Resources_Destroy"), e, false);
    }
    TXKAllgTabConfigurator::Resources_Destroy();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKWGSConfigurator.Resources_Destroy"));
}

void TXKWGSConfigurator::DefineFields() {
    // The length of the shown words, so that the overview's column fits them.
    FFieldIndPrimAlt = AddStringField(QStringLiteral("PRIMALT"), QStringLiteral("P/A"), true, true, true, false, 1, 10,
                                      QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndKennung = AddStringField(QStringLiteral("KENNUNG"), QStringLiteral("Kennung"), true, false, false, false, 1,
                                      6, QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndText = AddStringField(QStringLiteral("TEXT"), QStringLiteral("Beschreibung"), true, false, false, false, 1,
                                   40, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndAktPas = AddBooleanField(QStringLiteral("AKTPAS"), QStringLiteral("aktiv"), true);
    FFieldIndAenderbar = AddBooleanField(QStringLiteral("AENDERBAR"), QStringLiteral("änderbar"), true);
    FFieldIndZuordOpt = AddBooleanField(QStringLiteral("ZUORDOPT"), QStringLiteral("optional"), true);
    FFieldIndMehrfach = AddBooleanField(QStringLiteral("MEHRFACH"), QStringLiteral("Mehrfach"), true);
    FFieldIndUntEbene = AddBooleanField(QStringLiteral("UNTEBENE"), QStringLiteral("komplett"), true);
    FFieldIndBezDyn = AddBooleanField(QStringLiteral("BEZDYN"), QStringLiteral("dyn. WG-Bez."), true);
    // A level without width stays empty: the levels are optional one by one.
    for (int n = 0; n < 6; ++n)
        FFieldIndEbene[n] = AddStringField(QStringLiteral("EBENE%1").arg(n + 1), QStringLiteral("Ebene %1").arg(n + 1),
                                           true, false, false, false, 0, 2, QString(), QStringLiteral("0123456789"),
                                           TEditCharCase::ecNormal);
}

void TXKWGSConfigurator::EditLabels(int index, QString& caption) {
    if (index == FFieldIndPrimAlt) caption = QStringLiteral("primäres/alt. System");
    else if (index == FFieldIndAktPas) caption = QStringLiteral("das Warengruppensystem ist aktiv");
    else if (index == FFieldIndAenderbar) caption = QStringLiteral("das Warengruppensystem ist änderbar");
    else if (index == FFieldIndZuordOpt) caption = QStringLiteral("Zuordnung neuer Artikel zu einer Warengruppe ist optional");
    else if (index == FFieldIndMehrfach) caption = QStringLiteral("Artikel können mehreren WG zugeordnet werden");
    else if (index == FFieldIndUntEbene) caption = QStringLiteral("WG-Zuordnung muss auf unterster Hierarchie erfolgen");
    else if (index == FFieldIndBezDyn) caption = QStringLiteral("WG-Bezeichnung soll dynamisch vergeben werden");
    for (int n = 0; n < 6; ++n)
        if (index == FFieldIndEbene[n]) caption = QStringLiteral("Gruppen Ebene %1").arg(n + 1);
}

QString TXKWGSConfigurator::Datei2Anzeige_PA(const QString& wert, bool zurAnzeige) {
    return Konvertiere(wert, {QStringLiteral("P"), QStringLiteral("A")}, {CPrimaer, CAlternativ}, zurAnzeige);
}

int TXKWGSConfigurator::SetCount() {
    try {
        return int(FWgsFile->GetCount());
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWGSConfigurator.SetCount"), e, true);
        return -1;
    }
}

void TXKWGSConfigurator::FillFields(QStringList& line) const {
    const Twgsfile& f = *FWgsFile;
    line << Datei2Anzeige_PA(f.PrimAlt.GetWert(), true) << f.Kennung.GetWert() << f.Text.GetWert()
         << BoolToJN(f.AktPas.GetWert()) << BoolToJN(f.Aenderbar.GetWert()) << BoolToJN(f.ZuordOpt.GetWert())
         << BoolToJN(f.Mehrfach.GetWert()) << BoolToJN(f.UntEbene.GetWert()) << BoolToJN(f.BezDyn.GetWert());
    // FillEbene: the width of level n is how often the digit n stands in the text.
    const QString hierarchie = f.Hierarchie.GetWert();
    for (int n = 1; n <= 6; ++n) {
        const int breite = int(hierarchie.count(QChar(u'0' + n)));
        line << (breite == 0 ? QString() : QString::number(breite));
    }
}

bool TXKWGSConfigurator::GetFirst(QStringList& line) {
    try {
        line.clear();
        FWgsFile->ClearBuffer();
        FWgsFile->ExtendedFilterClear();
        FWgsFile->SetIndex(FWgsFile->IndexPrimaer);
        if (!FWgsFile->Get_first_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWGSConfigurator.GetFirst"), e, true);
        return false;
    }
}

bool TXKWGSConfigurator::GetNext(QStringList& line) {
    try {
        line.clear();
        if (!FWgsFile->Get_next_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWGSConfigurator.GetNext"), e, true);
        return false;
    }
}

void TXKWGSConfigurator::FillNewLine(QStringList& line) {
    line = QStringList{CAlternativ, QString(), QString(), CJ, CJ, CJ, QStringLiteral("N"), CJ, CJ};
    for (int n = 0; n < 6; ++n) line << QString();
}

void TXKWGSConfigurator::FillWertevorrat(int index, QStringList& liste) {
    liste.clear();
    if (index == FFieldIndPrimAlt) liste = QStringList{CPrimaer, CAlternativ};
}

TXKComboHandler TXKWGSConfigurator::ComboboxOnChange(int index) {
    if (index != FFieldIndPrimAlt) return {};
    return [this](const QString& wert) { SystemComboboxOnChange(wert); };
}

void TXKWGSConfigurator::SystemComboboxOnChange(const QString& wert) {
    FeldEnabled(FFieldIndZuordOpt, !FZeileGesperrt && wert != CPrimaer);
}

bool TXKWGSConfigurator::SwitchControlEnabled_4_Mode_New(int) {
    FZeileGesperrt = false;
    return true;
}

bool TXKWGSConfigurator::SwitchControlEnabled_4_Mode_Edit(int index) {
    const QStringList line = TXKTabHilfe::BearbeiteteZeile(*this);
    FZeileGesperrt = line.value(FFieldIndAenderbar) != CJ;
    return FeldAenderbar(index, line);
}

bool TXKWGSConfigurator::FeldAenderbar(int index, const QStringList& line) const {
    if (line.value(FFieldIndAenderbar) != CJ) return false;
    if (index == FFieldIndAenderbar || index == FFieldIndKennung) return false;
    for (int n = 0; n < 6; ++n)
        if (index == FFieldIndEbene[n]) return false;
    if (index == FFieldIndZuordOpt) return line.value(FFieldIndPrimAlt) != CPrimaer;
    return true;
}

QString TXKWGSConfigurator::BuildHierarchieStr(const QStringList& line) const {
    QString s;
    for (int n = 0; n < 6; ++n) {
        const int breite = AlsZahl(line.value(FFieldIndEbene[n]), 0);
        if (breite > 0) s += QString(breite, QChar(u'1' + n));
    }
    return s;
}

bool TXKWGSConfigurator::Lese(const QString& kennung) {
    FWgsFile->ClearBuffer();
    FWgsFile->ExtendedFilterClear();
    FWgsFile->SetIndex(FWgsFile->IndexPrimaer);
    FWgsFile->Kennung.SetKeyWert(kennung);
    return FWgsFile->Get_eq();
}

bool TXKWGSConfigurator::BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) {
    bool result = false;
    try {
        if (code == wrdonDelete) {
            const QString kennung = alt.value(FFieldIndKennung).trimmed();
            // WGNDurchlesen: only a system that has goods groups can have assignments.
            Twgnfile wgn;
            wgn.OpenNew(-1);
            const bool gruppen = ScanneVerwendung(wgn, {&wgn.Wgs}, kennung, QStringLiteral("Warengruppen durchsuchen..."),
                                                  QStringLiteral("gelesene Warengruppen"));
            wgn.Close();
            if (gruppen) {
                // AWGSDurchlesen
                Tawgsfile awgs;
                awgs.OpenNew(-1);
                const bool zuordnungen =
                    ScanneVerwendung(awgs, {&awgs.Wgs}, kennung, QStringLiteral("Warengruppenzuordnungen durchsuchen..."),
                                     QStringLiteral("gelesene Zuordnungen"));
                awgs.Close();
                if (zuordnungen) return Ablehnen(QStringLiteral("Das System, das Sie löschen möchten, wird noch benutzt!"));
            }
            return true;
        }
        if (neu.value(FFieldIndText).trimmed().isEmpty())
            return Ablehnen(QStringLiteral("Bitte geben Sie eine Beschreibung für das Warengruppensystem ein."));
        const QString kennung = neu.value(FFieldIndKennung).trimmed();
        if (kennung.isEmpty())
            return Ablehnen(QStringLiteral("Bitte geben Sie eine Kennung für das Warengruppensystem ein."));
        if (code == wrdonInsert) {
            FWgsFile->ClearBuffer();
            FWgsFile->ExtendedFilterClear();
            FWgsFile->SetIndex(FWgsFile->IndexPrimaer);
            FWgsFile->Kennung.SetFilter(kennung);
            const bool vorhanden = FWgsFile->Get_first_extMode();
            FWgsFile->ExtendedFilterClear();
            if (vorhanden) return Ablehnen(QStringLiteral("Dieses Warengruppensystem existiert bereits!"));
            const QString hierarchie = BuildHierarchieStr(neu);
            if (hierarchie.isEmpty())
                return Ablehnen(QStringLiteral("Es müssen mindestens einstellige Warengruppen vergeben werden!"));
            if (hierarchie.size() > 6)
                return Ablehnen(QStringLiteral("Es dürfen max. sechstellige Warengruppen vergeben werden!"));
        }
        result = true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKWGSConfigurator.BuchenTesten"), e, true);
    }
    return result;
}

void TXKWGSConfigurator::Einfuegen(const QStringList& neu) {
    Twgsfile& f = *FWgsFile;
    f.ClearBuffer();
    f.SetIndex(f.IndexPrimaer);
    f.PrimAlt.SetWert(Datei2Anzeige_PA(neu.value(FFieldIndPrimAlt), false));
    f.Kennung.SetWert(neu.value(FFieldIndKennung).trimmed());
    f.Text.SetWert(neu.value(FFieldIndText));
    f.Aenderbar.SetWert(JNToBool(neu.value(FFieldIndAenderbar)));
    f.Hierarchie.SetWert(BuildHierarchieStr(neu));
    f.ZuordOpt.SetWert(JNToBool(neu.value(FFieldIndZuordOpt)));
    f.AktPas.SetWert(JNToBool(neu.value(FFieldIndAktPas)));
    f.Mehrfach.SetWert(JNToBool(neu.value(FFieldIndMehrfach)));
    f.UntEbene.SetWert(JNToBool(neu.value(FFieldIndUntEbene)));
    f.BezDyn.SetWert(JNToBool(neu.value(FFieldIndBezDyn)));
    f.Write(wrdonInsert);
}

void TXKWGSConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    // Failures pass to the caller, whose posting then rolls back.
    if (code == wrdonDelete) {
        if (Lese(alt.value(FFieldIndKennung).trimmed())) FWgsFile->Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        Einfuegen(neu);
    } else if (code == wrdonUpdate) {
        if (Lese(alt.value(FFieldIndKennung).trimmed())) {
            FWgsFile->Write(wrdonDelete);
            Einfuegen(neu);
        }
    }
}

void InitUnit_XKWGS() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKWGSConfigurator>(), QStringLiteral("WGS"), QStringLiteral("Warengruppensysteme"),
                           QStringLiteral("Warengruppensysteme legen fest, wie Warengruppennummern aufgebaut sind: "
                                          "wie viele Ebenen es gibt und wie viele Stellen jede Ebene hat. Neben dem "
                                          "primären System können Sie alternative Systeme definieren, etwa für den "
                                          "Onlineshop."),
                           QStringLiteral("Warengruppe, Warengruppensystem, Hierarchie, Ebene, Artikel, Onlineshop"));
}
