#include "TXKKursConfigurator.h"

#include "TXKWertText.h"
#include "host/QLNBuchung.h"
#include "host/TQLNInfo.h"
#include "host/managers/TSaisonListe.h"
#include "host/TQLNProgramm.h"
#include "host/records/Tksfile.h"
#include "host/ui/TVTQLNVRList.h"
#include "host/ui/TfrmAllgTab.h"
#include "host/ui/TfrmSaiSel.h"
#include "registry/Triveltaclass.h"

namespace {
const QString CTrenner = QStringLiteral(" - ");
const QStringList CEinheiten{QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("100"), QStringLiteral("1000"),
                             QStringLiteral("10000")};
int AktuellesJahr() { return QLNDatum::ZuDatum(QLNDatum::Heute()).year(); }
}  // namespace

void TXKKursConfigurator::Resources_Create() {
    TXKAllgTabConfigurator::Resources_Create();
    FKsFile = std::make_unique<Tksfile>();
}

void TXKKursConfigurator::Resources_InitF() {
    FFieldIndWaehrung = -1;
    FFieldIndKursart = -1;
    FFieldIndLaufendeNummer = -1;
    FFieldIndJahr = -1;
    FFieldIndSaison = -1;
    FFieldIndFremdwaehrung = -1;
    FFieldIndEinheit = -1;
    FFieldIndKurs = -1;
    FFieldIndAbDatum = -1;
    TXKAllgTabConfigurator::Resources_InitF();
    FKsFile->OpenNew(-1);
}

void TXKKursConfigurator::Resources_DoneF() {
    try {
        if (FKsFile) FKsFile->Close();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKursConfigurator.Resources_DoneF"), e, false);
    }
    TXKAllgTabConfigurator::Resources_DoneF();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKKursConfigurator.Resources_DoneF"));
}

void TXKKursConfigurator::Resources_Destroy() {
    try {
        FKsFile.reset();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKursConfigurator.Resources_Destroy"), e, false);
    }
    TXKAllgTabConfigurator::Resources_Destroy();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKKursConfigurator.Resources_Destroy"));
}

void TXKKursConfigurator::DefineFields() {
    FFieldIndWaehrung = AddStringField(QStringLiteral("WAEHRUNG"), QStringLiteral("Ausgangswährung"), true, true, false,
                                       false, 1, 30, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndKursart = AddStringField(QStringLiteral("KURSART"), QStringLiteral("Kursart"), true, true, false, false, 1,
                                      20, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndLaufendeNummer =
        AddIntegerField(QStringLiteral("LaufendeNummer"), QStringLiteral("Laufende Nummer"), false, false, 0, 0);
    FFieldIndJahr = AddIntegerField(QStringLiteral("JAHR"), QStringLiteral("Jahr"), true, false, 0, 0);
    // Only dispo rates have a season; the checks ask for it there.
    FFieldIndSaison = AddStringField(QStringLiteral("SAISON"), QStringLiteral("Saison"), true, false, false, true, 0, 20,
                                     QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndFremdwaehrung = AddStringField(QStringLiteral("FREMDWAEHRUNG"), QStringLiteral("Fremdwährung"), true, true,
                                            false, false, 1, 30, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndEinheit = AddIntegerField(QStringLiteral("EINHEIT"), QStringLiteral("Einheit"), true, true, 0, 0);
    FFieldIndKurs = AddFloatField(QStringLiteral("KURS"), QStringLiteral("Kurs"), true, 5, 6);
    FFieldIndAbDatum = AddDateField(QStringLiteral("ABDATUM"), QStringLiteral("Ab Datum"), true);
}

bool TXKKursConfigurator::Execute(const QString&) {
    TfrmAllgTab frm(*this, false);
    // A currency needs less room than its 30 characters: so rate and date fit beside the currencies.
    TVTQLNVRList& liste = *frm.Liste();
    const QList<int> breiten{175, 125, 40, 50, 70, 175, 55, 100, 90};
    int summe = 0;
    for (int i = 0; i < breiten.size() && i < liste.Columns().size(); ++i) {
        liste.Columns()[i].Width = breiten[i];
        liste.setColumnWidth(i, breiten[i]);
        if (liste.Columns()[i].Visible) summe += breiten[i];
    }
    QWidget gespeichert;
    if (!TQLNForm::LadeGeometrie(FormNameUebersicht(), gespeichert)) frm.resize(summe + 60, frm.height());
    frm.ShowModal();
    return true;
}

void TXKKursConfigurator::FillNewLine(QStringList& line) {
    TXKAllgTabConfigurator::FillNewLine(line);
    try {
        TWaehrungsListe waehrungen;
        waehrungen.Laden();
        if (waehrungen.Suche(TQLNProgramm::GetWaehrung()))
            line[FFieldIndWaehrung] = WaehrungsText(waehrungen.Suche(TQLNProgramm::GetWaehrung())->Kuerzel, waehrungen);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKursConfigurator.FillNewLine"), e, true);
    }
    line[FFieldIndKursart] = Tksfile::KursartText(Tksfile::CAktuell);
    line[FFieldIndLaufendeNummer] = QStringLiteral("0");
    line[FFieldIndEinheit] = CEinheiten.first();
    line[FFieldIndAbDatum] = TXKWertText::Datum(QLNDatum::Heute());
}

QString TXKKursConfigurator::WaehrungsText(const QString& kuerzel, const TWaehrungsListe& liste) {
    const QString text = kuerzel + CTrenner + liste.Name(kuerzel);
    return text.left(30);
}

QString TXKKursConfigurator::WaehrungsKuerzel(const QString& text) {
    const int i = text.indexOf(CTrenner);
    return i < 0 ? QString() : text.left(i).trimmed().toUpper();
}

double TXKKursConfigurator::Plausibilitaet(const TKursSatz& alt, const TKursSatz& neu) {
    return 100.0 * (alt.Kurs * neu.Einheit) / (alt.Einheit * neu.Kurs);
}

int TXKKursConfigurator::SetCount() {
    try {
        return int(FKsFile->GetCount());
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKursConfigurator.SetCount"), e, true);
        return -1;
    }
}

void TXKKursConfigurator::FillFields(QStringList& line) const {
    const Tksfile& f = *FKsFile;
    const QString art = Tksfile::KursartText(f.Kursart.GetWert());
    const int jahr = f.Jahr.GetWert();
    const QString saison = jahr == 0 || f.Saison.GetWert().isEmpty() ? QString()
                                                                      : TSaisonListe::Text(f.Saison.GetWert(), jahr);
    line << WaehrungsText(f.Waehrung.GetWert(), FWaehrungen) << (art.isEmpty() ? f.Kursart.GetWert() : art)
         << QString::number(f.LaufendeNummer.GetWert()) << (jahr == 0 ? QString() : QString::number(jahr)) << saison
         << WaehrungsText(f.Fremdwaehrung.GetWert(), FWaehrungen) << QString::number(f.Einheit.GetWert())
         << TXKWertText::Zahl(f.Kurs.GetWert(), 6) << TXKWertText::Datum(f.AbDatum.GetWert());
}

bool TXKKursConfigurator::GetFirst(QStringList& line) {
    try {
        line.clear();
        FWaehrungen.Laden();
        FKsFile->ClearBuffer();
        // by currency pair: a pair's current rate, its history and its other rates stand together
        FKsFile->SetIndex(FKsFile->IndexPaar);
        if (!FKsFile->Get_first_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKursConfigurator.GetFirst"), e, true);
        return false;
    }
}

bool TXKKursConfigurator::GetNext(QStringList& line) {
    try {
        line.clear();
        if (!FKsFile->Get_next_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKursConfigurator.GetNext"), e, true);
        return false;
    }
}

bool TXKKursConfigurator::SwitchControlEnabled_4_Mode_Edit(int index) {
    return index == FFieldIndEinheit || index == FFieldIndKurs || index == FFieldIndAbDatum;
}

void TXKKursConfigurator::FillWertevorrat(int index, QStringList& liste) {
    liste.clear();
    try {
        if (index == FFieldIndWaehrung || index == FFieldIndFremdwaehrung) {
            TWaehrungsListe waehrungen;
            waehrungen.Laden();
            // Currencies of the euro zone are rated through the euro: EUR itself is a source currency only.
            for (const TWaehrungsEintrag& w : waehrungen.Eintraege()) {
                const bool euro = w.Kuerzel.compare(QStringLiteral("EUR"), Qt::CaseInsensitive) == 0;
                if (!w.EWU || (euro && index == FFieldIndWaehrung)) liste << WaehrungsText(w.Kuerzel, waehrungen);
            }
        } else if (index == FFieldIndKursart) {
            for (const Tksfile::TKursart& k : Tksfile::Kursarten()) liste << k.Text;
        } else if (index == FFieldIndEinheit) {
            liste = CEinheiten;
        }
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKursConfigurator.FillWertevorrat"), e, true);
    }
}

bool TXKKursConfigurator::StarteWerteauswahl(int index, QString& wert) {
    if (index != FFieldIndSaison) return false;
    try {
        TfrmSaiSel dlg(AktivesFenster());
        dlg.Vorwahl(wert);
        if (dlg.ShowModal() != QDialog::Accepted) return false;
        const QList<TSaisonEintrag> gewaehlt = dlg.Ausgewaehlt();
        if (gewaehlt.isEmpty()) return false;
        wert = gewaehlt.first().Text();
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKursConfigurator.StarteWerteauswahl"), e, true);
        return false;
    }
}

bool TXKKursConfigurator::Hinweis(const QString& kategorie, int nummer, const QStringList& args) {
    TQLNInfo::ShowMeldung(mkHinweis, args, kategorie, nummer);
    return false;
}

bool TXKKursConfigurator::FrageKatalog(const QString& kategorie, int nummer, const QStringList& args) {
    return TQLNInfo::ShowMeldung(mkJaNein, args, kategorie, nummer) == mrJa;
}

QStringList TXKKursConfigurator::Bereinigt(const QString& code, const QStringList& neu,
                                           const TSaisonListe& saisons) const {
    QStringList l = neu;
    while (l.size() <= FFieldIndAbDatum) l << QString();
    if (code == wrdonDelete) return l;
    const QString art = Tksfile::KursartKuerzel(l[FFieldIndKursart]);
    if (art != Tksfile::CVerrechnung) l[FFieldIndJahr].clear();
    if (art == Tksfile::CDispo) {
        if (const TSaisonEintrag* s = saisons.Suche(l[FFieldIndSaison])) l[FFieldIndJahr] = QString::number(s->Jahr);
    } else {
        l[FFieldIndSaison].clear();
    }
    return l;
}

TKursSatz TXKKursConfigurator::Fuellen(const QString& code, const QStringList& line, const TSaisonListe& saisons) const {
    TKursSatz s;
    s.Waehrung = WaehrungsKuerzel(line.value(FFieldIndWaehrung));
    s.Kursart = Tksfile::KursartKuerzel(line.value(FFieldIndKursart));
    s.Fremdwaehrung = WaehrungsKuerzel(line.value(FFieldIndFremdwaehrung));
    // A history record is found by its number: on change and on delete alike.
    s.LaufendeNummer =
        s.Kursart == Tksfile::CHistorie && code != wrdonInsert ? AlsZahl(line.value(FFieldIndLaufendeNummer), 0) : 0;
    s.Jahr = AlsZahl(line.value(FFieldIndJahr), 0);
    if (const TSaisonEintrag* e = saisons.Suche(line.value(FFieldIndSaison)))
        s.Saison = e->Kuerzel;
    else
        s.Saison = line.value(FFieldIndSaison).trimmed().section(QLatin1Char(' '), 0, 0).toUpper();
    s.Einheit = AlsZahl(line.value(FFieldIndEinheit), 1);
    if (!TXKWertText::AlsZahl(line.value(FFieldIndKurs), s.Kurs)) s.Kurs = 0;
    s.AbDatum = TXKWertText::AlsDatum(line.value(FFieldIndAbDatum));
    return s;
}

bool TXKKursConfigurator::VorgaengerKurs(const TKursSatz& neu, TKursSatz& vorgaenger) {
    Tksfile ks;
    ks.Open(254, -1);
    ks.ClearBuffer();
    ks.ExtendedFilterClear();
    ks.SetIndex(ks.IndexPaar);
    ks.Waehrung.SetFilter(neu.Waehrung);
    ks.Fremdwaehrung.SetFilter(neu.Fremdwaehrung);
    ks.AbDatum.SetFilterMax(neu.AbDatum);
    bool gefunden = false;
    for (bool ok = ks.Get_first_extMode(); ok; ok = ks.Get_next_extMode()) {
        if (!gefunden || ks.AbDatum.GetWert() > vorgaenger.AbDatum) vorgaenger = TKursMani::AusPuffer(ks);
        gefunden = true;
    }
    ks.Close();
    return gefunden;
}

bool TXKKursConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& eingabe) {
    bool result = false;
    try {
        if (code == wrdonInsert) FVorhandAktKurs_NeuSchreiben = false;
        const bool loeschen = code == wrdonDelete;
        TSaisonListe saisons;
        saisons.Laden();
        QStringList neu = eingabe;
        while (neu.size() <= FFieldIndAbDatum) neu << QString();
        const QString artText = neu[FFieldIndKursart].trimmed();
        const QString art = Tksfile::KursartKuerzel(artText);

        if (WaehrungsKuerzel(neu[FFieldIndWaehrung]).isEmpty()) return Hinweis(QStringLiteral("TRIVELTA"), 1027);
        if (artText.isEmpty()) return Hinweis(QStringLiteral("TRIVELTA"), 1029);
        if (art == Tksfile::CEuro) return Hinweis(QStringLiteral("TRIVELTA"), 1030, {artText});
        if (art == Tksfile::CHistorie) {
            if (code == wrdonInsert) return Hinweis(QStringLiteral("TRIVELTA"), 1064, {artText});
            if (!FrageKatalog(QStringLiteral("TRIVELTA"), 1045)) return false;
        }
        if (!loeschen) {
            if (art == Tksfile::CVerrechnung) {
                const int jahr = AlsZahl(neu[FFieldIndJahr], 0);
                if (jahr < AktuellesJahr() - 1 || jahr > AktuellesJahr() + 3)
                    return Hinweis(QStringLiteral("ALLEING"), 1153);
            } else {
                neu[FFieldIndJahr].clear();
            }
        }
        if (art == Tksfile::CAktuell && code == wrdonInsert) {
            Tksfile ks;
            ks.Open(254, -1);
            FVorhandAktKurs_NeuSchreiben = TKursMani::LeseAktuell(ks, WaehrungsKuerzel(neu[FFieldIndWaehrung]),
                                                                  WaehrungsKuerzel(neu[FFieldIndFremdwaehrung]));
            ks.Close();
        }
        if (!loeschen) {
            if (art == Tksfile::CDispo) {
                const QString saisonText = neu[FFieldIndSaison].trimmed();
                if (saisonText.isEmpty()) return Hinweis(QStringLiteral("SAISEDIT"), 1001);
                const TSaisonEintrag* saison = saisons.Suche(saisonText);
                if (!saison) return Hinweis(QStringLiteral("SAISEDIT"), 1004);
                if (saison->Jahr == 0) return Hinweis(QStringLiteral("ALLEING"), 1154, {saisonText});
                if (code == wrdonInsert) {
                    TKursSatz dispo;
                    dispo.Waehrung = WaehrungsKuerzel(neu[FFieldIndWaehrung]);
                    dispo.Kursart = Tksfile::CDispo;
                    dispo.Jahr = saison->Jahr;
                    dispo.Saison = saison->Kuerzel;
                    dispo.Fremdwaehrung = WaehrungsKuerzel(neu[FFieldIndFremdwaehrung]);
                    Tksfile ks;
                    ks.Open(254, -1);
                    const bool vorhanden = TKursMani::Lese(ks, dispo);
                    ks.Close();
                    if (vorhanden) return Hinweis(QStringLiteral("ALLEING"), 1155);
                }
                neu[FFieldIndJahr] = QString::number(saison->Jahr);
            } else {
                neu[FFieldIndSaison].clear();
            }
        }
        if (WaehrungsKuerzel(neu[FFieldIndFremdwaehrung]).isEmpty()) return Hinweis(QStringLiteral("TRIVELTA"), 1028);
        const TKursSatz satz = Fuellen(code, neu, saisons);
        if (!loeschen) {
            if (satz.Fremdwaehrung == satz.Waehrung) return Hinweis(QStringLiteral("ALLEING"), 1156);
            if (!CEinheiten.contains(QString::number(AlsZahl(neu[FFieldIndEinheit], -1))))
                return Hinweis(QStringLiteral("ALLEING"), 1117);
            double kurs = 0;
            if (!TXKWertText::AlsZahl(neu[FFieldIndKurs], kurs) || !(kurs > 0))
                return Hinweis(QStringLiteral("ALLEING"), 1157);
            if (neu[FFieldIndAbDatum].trimmed().isEmpty() || satz.AbDatum < 1)
                return Hinweis(QStringLiteral("TRIVELTA"), 1031);
            if (satz.AbDatum > QLNDatum::Heute() + 1) return Hinweis(QStringLiteral("ALLEING"), 1118);
            TKursSatz vorgaenger;
            if (VorgaengerKurs(satz, vorgaenger)) {
                const double prozent = Plausibilitaet(vorgaenger, satz);
                if ((prozent < 75 || prozent > 125) && !FrageKatalog(QStringLiteral("ALLEING"), 1158)) return false;
            }
        }
        result = true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKursConfigurator.BuchenTesten"), e, true);
    }
    return result;
}

void TXKKursConfigurator::Buchen(const QString& code, const QStringList&, const QStringList& eingabe) {
    // Failures pass to the caller; the posting below rolls back the rate, its
    // inverse and the history records together.
    Tksfile& f = *FKsFile;
    TSaisonListe saisons;
    saisons.Laden();
    const TKursSatz satz = Fuellen(code, Bereinigt(code, eingabe, saisons), saisons);
    const bool aktuell = satz.Kursart == Tksfile::CAktuell;
    QLNBuchung buchung(3, QStringLiteral("TXKKursConfigurator.Buchen"));
    if (code == wrdonInsert) {
        const bool vorhanden = FVorhandAktKurs_NeuSchreiben;
        FVorhandAktKurs_NeuSchreiben = false;
        if (aktuell && vorhanden && TKursMani::LeseAktuell(f, satz.Waehrung, satz.Fremdwaehrung)) {
            const TKursSatz bisher = TKursMani::AusPuffer(f);
            if (bisher.AbDatum < satz.AbDatum) {
                f.Write(wrdonDelete);
                TKursMani::BucheHistSatz(f, bisher);
                TKursMani::Einfuegen(f, satz);
            } else if (FrageKatalog(QStringLiteral("TRIVELTA"), 1044)) {
                TKursMani::BucheHistSatz(f, satz);
            } else {
                buchung.Ende(QStringLiteral("TXKKursConfigurator.Buchen"));
                return;
            }
        } else {
            TKursMani::Einfuegen(f, satz);
        }
        if (aktuell) {
            const TKursSatz inverse = InvertiereKurs(satz);
            if (TKursMani::LeseAktuell(f, inverse.Waehrung, inverse.Fremdwaehrung)) {
                const TKursSatz bisher = TKursMani::AusPuffer(f);
                if (bisher.AbDatum < inverse.AbDatum) {
                    f.Write(wrdonDelete);
                    TKursMani::BucheHistSatz(f, bisher);
                    TKursMani::Einfuegen(f, inverse);
                } else {
                    TKursMani::BucheHistSatz(f, inverse);
                }
            } else {
                TKursMani::Einfuegen(f, inverse);
            }
        }
    } else if (code == wrdonUpdate) {
        if (TKursMani::Lese(f, satz)) {
            f.Einheit.SetWert(satz.Einheit);
            f.Kurs.SetWert(satz.Kurs);
            f.AbDatum.SetWert(satz.AbDatum);
            f.Write(wrdonUpdate);
            if (aktuell) {
                const TKursSatz inverse = InvertiereKurs(satz);
                if (TKursMani::LeseAktuell(f, inverse.Waehrung, inverse.Fremdwaehrung)) {
                    f.Einheit.SetWert(inverse.Einheit);
                    f.Kurs.SetWert(inverse.Kurs);
                    f.AbDatum.SetWert(inverse.AbDatum);
                    f.Write(wrdonUpdate);
                }
            }
        }
    } else if (code == wrdonDelete) {
        if (TKursMani::Lese(f, satz)) {
            f.Write(wrdonDelete);
            if (aktuell && TKursMani::LeseAktuell(f, satz.Fremdwaehrung, satz.Waehrung)) f.Write(wrdonDelete);
        }
    }
    buchung.Ende(QStringLiteral("TXKKursConfigurator.Buchen"));
}

void InitUnit_XKKurs() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKKursConfigurator>(), QStringLiteral("KURSE"), QStringLiteral("Wechselkurse"),
                           QStringLiteral("Pflegen Sie hier die Wechselkurse zu Fremdwährungen."),
                           QStringLiteral("Waehrung, Kurse, Euro, Franken, Dollar, Pfund"));
}
