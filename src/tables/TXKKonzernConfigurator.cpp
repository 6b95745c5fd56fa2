#include "TXKKonzernConfigurator.h"

#include "host/Exception.h"
#include "host/QLNBuchung.h"
#include "host/TQLNInfo.h"
#include "host/TQLNProgramm.h"
#include "host/records/TKONZFile.h"
#include "host/records/TKOZZFile.h"
#include "host/records/Tgpfile.h"
#include "host/ui/TGpSuchDialog.h"
#include "registry/Triveltaclass.h"

namespace {
const QString CTrenner = QStringLiteral(" // ");
}

QString TXKKonzernConfigurator::IdText(const TIntPair& id) { return QStringLiteral("%1/%2").arg(id.A).arg(id.B); }

TIntPair TXKKonzernConfigurator::IdAusText(const QString& text) {
    const QStringList t = text.trimmed().split(QLatin1Char('/'));
    return {t.value(0).toInt(), t.value(1).toInt()};
}

QStringList TXKKonzernConfigurator::MitgliedNamen(const QString& wert) {
    QStringList namen;
    for (const QString& zeile : wert.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        for (const QString& n : zeile.split(CTrenner, Qt::SkipEmptyParts))
            if (!n.trimmed().isEmpty()) namen << n.trimmed();
    return namen;
}

void TXKKonzernConfigurator::Resources_Create() {
    TXKAllgTabConfigurator::Resources_Create();
    FKonzFile = std::make_unique<TKONZFile>();
    FKozzFile = std::make_unique<TKOZZFile>();
}

void TXKKonzernConfigurator::Resources_InitF() {
    FFieldIndId = -1;
    FFieldIndName = -1;
    FFieldIndMitglieder = -1;
    FFieldIndSystemgruppe = -1;
    TXKAllgTabConfigurator::Resources_InitF();
    FKonzFile->OpenNew(-1);
    FKozzFile->OpenNew(-1);
}

void TXKKonzernConfigurator::Resources_DoneF() {
    try {
        if (FKozzFile) FKozzFile->Close();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKonzernConfigurator.Resources_DoneF"), e, false);
    }
    try {
        if (FKonzFile) FKonzFile->Close();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKonzernConfigurator.Resources_DoneF"), e, false);
    }
    TXKAllgTabConfigurator::Resources_DoneF();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKKonzernConfigurator.Resources_DoneF"));
}

void TXKKonzernConfigurator::Resources_Destroy() {
    try {
        FKozzFile.reset();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKonzernConfigurator.Resources_Destroy"), e, false);
    }
    try {
        FKonzFile.reset();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKonzernConfigurator.Resources_Destroy"), e, false);
    }
    TXKAllgTabConfigurator::Resources_Destroy();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKKonzernConfigurator.Resources_Destroy"));
}

void TXKKonzernConfigurator::DefineFields() {
    FFieldIndId = AddStringField(QStringLiteral("ID"), QStringLiteral("ID"), false, false, false, false, 1, 30,
                                 QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndName = AddStringField(QStringLiteral("NAME"), QStringLiteral("Name"), true, false, false, false, 1, 60,
                                   QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndMitglieder =
        AddListboxField(QStringLiteral("MITGLIEDER"), QStringLiteral("Zugehörige Unternehmen"), true, true);
    FFieldIndSystemgruppe =
        AddBooleanField(QStringLiteral("SYSTEMGRUPPE"), QStringLiteral("Eigene Unternehmensgruppe"), true);
}

int TXKKonzernConfigurator::SetCount() {
    try {
        return int(FKonzFile->GetCount());
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKonzernConfigurator.SetCount"), e, true);
        return -1;
    }
}

QList<TIntPair> TXKKonzernConfigurator::GespeicherteMitglieder(const TIntPair& konzern) {
    QList<TIntPair> ids;
    TKOZZFile& z = *FKozzFile;
    z.ClearBuffer();
    z.ExtendedFilterClear();
    z.SetIndex(z.IndexPrimaer);
    z.Konzern.SetFilter(konzern);
    for (bool ok = z.Get_first_extMode(); ok; ok = z.Get_next_extMode()) ids << z.GepId.GetWert();
    z.ExtendedFilterClear();
    return ids;
}

void TXKKonzernConfigurator::FillFields(QStringList& line) {
    const TIntPair id = FKonzFile->Id.GetWert();
    QStringList namen;
    for (const TIntPair& m : GespeicherteMitglieder(id)) namen << FPartner.Name(m);
    // list-box values stand one per line in the line; the overview shows them joined
    line << IdText(id) << FKonzFile->Name.GetWert() << namen.join(QLatin1Char('\n')) << BoolToJN(FKonzFile->Systemgruppe.GetWert());
}

bool TXKKonzernConfigurator::GetFirst(QStringList& line) {
    try {
        line.clear();
        FPartner.Laden();
        FKonzFile->ClearBuffer();
        FKonzFile->SetIndex(FKonzFile->IndexPrimaer);
        if (!FKonzFile->Get_first_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKonzernConfigurator.GetFirst"), e, true);
        return false;
    }
}

bool TXKKonzernConfigurator::GetNext(QStringList& line) {
    try {
        line.clear();
        if (!FKonzFile->Get_next_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKonzernConfigurator.GetNext"), e, true);
        return false;
    }
}

void TXKKonzernConfigurator::FillNewLine(QStringList& line) {
    TXKAllgTabConfigurator::FillNewLine(line);
    line[FFieldIndSystemgruppe] = BoolToJN(false);
    FChosenGEPS.clear();
    FPickerAuswahl.clear();
}

bool TXKKonzernConfigurator::StarteWerteauswahl(int index, QString& wert) {
    if (index != FFieldIndMitglieder) return false;
    try {
        TGpSuchDialog dlg({Tgpfile::CArtMandant, Tgpfile::CArtFiliale, Tgpfile::CArtLieferant}, false, AktivesFenster());
        if (dlg.ShowModal() != QDialog::Accepted) return false;
        const QList<TGpEintrag> gewaehlt = dlg.Ausgewaehlt();
        if (gewaehlt.isEmpty()) return false;
        FPickerAuswahl.append(gewaehlt.first());
        wert = gewaehlt.first().Name;
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKonzernConfigurator.StarteWerteauswahl"), e, true);
        return false;
    }
}

bool TXKKonzernConfigurator::LoescheListboxEintrag(int index, const QString&) { return index == FFieldIndMitglieder; }

bool TXKKonzernConfigurator::MitgliederAufloesen(const QStringList& alt, const QStringList& neu, QString& unbekannt) {
    FChosenGEPS.clear();
    FPartner.Laden();
    QList<TGpEintrag> gespeichert;
    if (!alt.isEmpty() && !alt.value(FFieldIndId).trimmed().isEmpty())
        for (const TIntPair& id : GespeicherteMitglieder(IdAusText(alt.value(FFieldIndId))))
            if (const TGpEintrag* e = FPartner.Suche(id)) gespeichert << *e;
    QList<TGpEintrag> gepickt = FPickerAuswahl;
    const auto nimm = [](QList<TGpEintrag>& aus, const QString& name, TGpEintrag& treffer) {
        // the latest pick of that name first
        for (int i = aus.size() - 1; i >= 0; --i) {
            if (aus[i].Name == name) {
                treffer = aus.takeAt(i);
                return true;
            }
        }
        return false;
    };
    for (const QString& name : MitgliedNamen(neu.value(FFieldIndMitglieder))) {
        TGpEintrag e;
        bool ok = nimm(gespeichert, name, e) || nimm(gepickt, name, e);
        if (!ok) {
            for (const TGpEintrag& p : FPartner.Eintraege()) {
                if (p.Name == name) {
                    e = p;
                    ok = true;
                    break;
                }
            }
        }
        if (!ok) {
            unbekannt = name;
            return false;
        }
        bool schon = false;  // a partner is a member once
        for (const TGpEintrag& c : std::as_const(FChosenGEPS)) schon = schon || c.Id == e.Id;
        if (!schon) FChosenGEPS << e;
    }
    return true;
}

bool TXKKonzernConfigurator::BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) {
    bool result = false;
    try {
        if (code == wrdonInsert || code == wrdonUpdate) {
            if (neu.value(FFieldIndName).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte geben Sie einen Namen für die Unternehmensgruppe an!"));
            if (JNToBool(neu.value(FFieldIndSystemgruppe))) {
                const TIntPair eigene = code == wrdonInsert ? TIntPair{} : IdAusText(neu.value(FFieldIndId));
                TKONZFile k;
                k.Open(254, -1);
                k.ClearBuffer();
                k.SetIndex(k.IndexPrimaer);
                bool vergeben = false;
                for (bool ok = k.Get_first(); ok && !vergeben; ok = k.Get_next())
                    vergeben = k.Systemgruppe.GetWert() && k.Id.GetWert() != eigene;
                k.Close();
                if (vergeben)
                    return Ablehnen(QStringLiteral("Das Kennzeichen \"Eigene Unternehmensgruppe\" ist bereits anderweitig "
                                                   "vergeben!"));
            }
            QString unbekannt;
            if (!MitgliederAufloesen(alt, neu, unbekannt))
                return Ablehnen(QStringLiteral("Das Unternehmen \"%1\" ist nicht als Geschäftspartner vorhanden.")
                                    .arg(unbekannt));
        }
        result = true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKonzernConfigurator.BuchenTesten"), e, true);
    }
    return result;
}

void TXKKonzernConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    // Failures pass to the caller; group and members commit together.
    TKONZFile& k = *FKonzFile;
    TKOZZFile& z = *FKozzFile;
    if (code != wrdonDelete) {
        QString unbekannt;
        if (!MitgliederAufloesen(alt, neu, unbekannt))
            throw Exception(QStringLiteral("Das Unternehmen \"%1\" ist nicht als Geschäftspartner vorhanden.").arg(unbekannt));
    }
    QLNBuchung buchung(55, QStringLiteral("TXKKonzernConfigurator.Buchen"));
    TIntPair id = IdAusText(neu.value(FFieldIndId));
    const auto lese = [&](const TIntPair& gruppe) {
        k.ClearBuffer();
        k.SetIndex(k.IndexPrimaer);
        k.Id.SetKeyWert(gruppe);
        return k.Get_eq();
    };
    if (code == wrdonDelete) {
        if (lese(id)) k.Write(wrdonDelete);
    } else if (code == wrdonUpdate) {
        id = IdAusText(alt.value(FFieldIndId));
        if (lese(id)) {
            k.Name.SetWert(neu.value(FFieldIndName).trimmed());
            k.Systemgruppe.SetWert(JNToBool(neu.value(FFieldIndSystemgruppe)));
            k.Write(wrdonUpdate);
        }
    } else if (code == wrdonInsert) {
        const qint64 nr = buchung.ProtokollId();
        if (nr > TDatenfeld_Integer::CMaxWert) throw Exception(QStringLiteral("Für die Unternehmensgruppe ist keine Nummer mehr frei."));
        id = {TQLNProgramm::GetRId(), qint32(nr)};
        k.ClearBuffer();
        k.Id.SetWert(id);
        k.Name.SetWert(neu.value(FFieldIndName).trimmed());
        k.Systemgruppe.SetWert(JNToBool(neu.value(FFieldIndSystemgruppe)));
        k.Write(wrdonInsert);
    }
    if (code == wrdonDelete || code == wrdonUpdate) {
        z.ClearBuffer();
        z.ExtendedFilterClear();
        z.SetIndex(z.IndexPrimaer);
        z.Konzern.SetFilter(id);
        for (bool ok = z.Get_first_extMode(); ok; ok = z.Get_next_extMode()) z.Write(wrdonDelete);
        z.ExtendedFilterClear();
    }
    if (code == wrdonInsert || code == wrdonUpdate) {
        for (const TGpEintrag& m : std::as_const(FChosenGEPS)) {
            z.ClearBuffer();
            z.Konzern.SetWert(id);
            z.GepId.SetWert(m.Id);
            z.Write(wrdonInsert);
        }
    }
    buchung.Ende(QStringLiteral("TXKKonzernConfigurator.Buchen"));
    FPickerAuswahl.clear();
}

void InitUnit_XKKonzern() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKKonzernConfigurator>(), QStringLiteral("KONZERNE"),
                           QStringLiteral("Unternehmensgruppen"),
                           QStringLiteral("Fassen Sie hier Mandanten, Filialen und Lieferanten zu Unternehmensgruppen "
                                          "zusammen und kennzeichnen Sie Ihre eigene Unternehmensgruppe."),
                           QStringLiteral("Unternehmensgruppe, Konzern, Mandant, Filiale, Lieferant, Geschäftspartner"));
}
