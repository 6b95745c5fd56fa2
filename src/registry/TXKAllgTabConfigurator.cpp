#include "TXKAllgTabConfigurator.h"

#include "host/Exception.h"
#include "host/TQLNInfo.h"
#include "host/TQLNProgramm.h"
#include "host/records/TDatenfeld.h"
#include "host/records/TZEV_DBFile.h"
#include "host/records/Tgmerfile.h"
#include "host/ui/TQLNStdProgressDialog.h"
#include "host/ui/TfrmAllgTab.h"

TXKAllgTabConfigurator::TXKAllgTabConfigurator() { SetAllowedModes(); }

void TXKAllgTabConfigurator::Resources_InitF() {
    FFelder.clear();
    DefineFields();
    SetAllowedModes();
}

void TXKAllgTabConfigurator::SetAllowedModes() {
    FAllowedModes = {xkefView, xkefNew, xkefEdit, xkefDelete, xkefPrint};
}

bool TXKAllgTabConfigurator::Execute(const QString&) {
    TfrmAllgTab frm(*this, false);
    frm.ShowModal();
    return true;
}

bool TXKAllgTabConfigurator::Auswaehlen(QString& wert) {
    TfrmAllgTab frm(*this, true);
    if (frm.ShowModal() != QDialog::Accepted) return false;
    wert = frm.Auswahl();
    return true;
}

TXKFeld& TXKAllgTabConfigurator::NeuesFeld(const QString& name, const QString& caption, TXKFeldArt art, bool visible) {
    TXKFeld f;
    f.Name = name;
    f.Caption = caption;
    f.Art = art;
    f.Visible = visible;
    FFelder.append(f);
    return FFelder.last();
}

int TXKAllgTabConfigurator::AddStringField(const QString& name, const QString& caption, bool visible, bool wertevorrat,
                                           bool changeHandler, bool picker, int minLaenge, int maxLaenge,
                                           const QString& text1, const QString& erlaubt, TEditCharCase charCase) {
    TXKFeld& f = NeuesFeld(name, caption, TXKFeldArt::String, visible);
    f.Wertevorrat = wertevorrat;
    f.ChangeHandler = changeHandler;
    f.Picker = picker;
    f.MinLaenge = minLaenge;
    f.MaxLaenge = maxLaenge;
    f.Text1 = text1;
    f.Erlaubt = erlaubt;
    f.CharCase = charCase;
    return FFelder.size() - 1;
}

int TXKAllgTabConfigurator::AddIntegerField(const QString& name, const QString& caption, bool visible, bool wertevorrat,
                                            int minimum, int maximum) {
    TXKFeld& f = NeuesFeld(name, caption, TXKFeldArt::Integer, visible);
    f.Wertevorrat = wertevorrat;
    f.Minimum = minimum;
    f.Maximum = maximum;
    f.MaxLaenge = 11;
    return FFelder.size() - 1;
}

int TXKAllgTabConfigurator::AddFloatField(const QString& name, const QString& caption, bool visible, int vorkomma,
                                          int nachkomma) {
    TXKFeld& f = NeuesFeld(name, caption, TXKFeldArt::Float, visible);
    f.Vorkomma = vorkomma;
    f.Nachkomma = nachkomma;
    f.MaxLaenge = vorkomma + nachkomma + 2;
    return FFelder.size() - 1;
}

int TXKAllgTabConfigurator::AddDateField(const QString& name, const QString& caption, bool visible) {
    NeuesFeld(name, caption, TXKFeldArt::Date, visible).MaxLaenge = 10;
    return FFelder.size() - 1;
}

int TXKAllgTabConfigurator::AddBooleanField(const QString& name, const QString& caption, bool visible) {
    NeuesFeld(name, caption, TXKFeldArt::Boolean, visible).MaxLaenge = 1;
    return FFelder.size() - 1;
}

int TXKAllgTabConfigurator::AddListboxField(const QString& name, const QString& caption, bool visible, bool picker) {
    NeuesFeld(name, caption, TXKFeldArt::Listbox, visible).Picker = picker;
    return FFelder.size() - 1;
}

void TXKAllgTabConfigurator::FillNewLine(QStringList& line) {
    line.clear();
    for (int i = 0; i < FFelder.size(); ++i) line << QString();
}

void TXKAllgTabConfigurator::FeldEnabled(int index, bool enabled) {
    if (OnFeldEnabled) OnFeldEnabled(index, enabled);
}

bool TXKAllgTabConfigurator::Ablehnen(const QString& text) {
    TQLNInfo::ShowMeldung(mkHinweis, {text}, QStringLiteral("STANDARD"), 994);
    return false;
}

bool TXKAllgTabConfigurator::Frage(const QString& text, int nummer) {
    return TQLNInfo::ShowMeldung(mkJaNein, {text}, QStringLiteral("STANDARD"), nummer) == mrJa;
}

int TXKAllgTabConfigurator::AlsZahl(const QString& text, int vorgabe) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : vorgabe;
}

bool TXKAllgTabConfigurator::ScanneVerwendung(TZEV_DBFile& datei, const QList<TDatenfeld_String*>& felder,
                                              const QString& code, const QString& caption,
                                              const QString& zaehlerCaption) {
    TQLNStdProgressDialog dlg(caption, 300, 150);
    dlg.AddCounter(QStringLiteral("SetsRead"), zaehlerCaption);
    dlg.Anzeigen();
    bool gefunden = false;
    qint64 gelesen = 0;
    datei.ClearBuffer();
    datei.SetIndex(0);
    for (bool ok = datei.Get_first(); ok; ok = datei.Get_next()) {
        ++gelesen;
        dlg.SetCounter(QStringLiteral("SetsRead"), gelesen);
        QLNInfoProcessMessages(300);
        if (dlg.Abgebrochen()) {
            gefunden = true;  // not known to be unused: no delete
            TQLNInfo::ShowMeldung(mkHinweis, {QStringLiteral("Die Prüfung wurde abgebrochen. Der Eintrag wird nicht gelöscht.")},
                                  QStringLiteral("STANDARD"), 994);
            break;
        }
        for (const TDatenfeld_String* f : felder) gefunden = gefunden || f->GetWert().compare(code, Qt::CaseInsensitive) == 0;
        if (gefunden) break;
    }
    dlg.Schliessen();
    return gefunden;
}

int TXKAllgTabConfigurator::NaechsteLnrEtikettFormat(Tgmerfile& gmer) {
    const int rnr = TQLNProgramm::GetRId();
    gmer.ClearBuffer();
    gmer.SetIndex(gmer.IndexPrimaer);
    gmer.Typ.SetKeyWert(QChar('E'));
    gmer.Rnr.SetKeyWert(rnr);
    gmer.Lnr.SetKeyWert(TDatenfeld_Integer::CMaxWert);
    if (gmer.Get_le() && gmer.Typ.GetWert() == QStringLiteral("E") && gmer.Rnr.GetWert() == rnr) {
        if (gmer.Lnr.GetWert() == TDatenfeld_Integer::CMaxWert)
            throw Exception(QStringLiteral("No Lfd GMERFile typ E available!"));
        return gmer.Lnr.GetWert() + 1;
    }
    return 1;
}

int TXKAllgTabConfigurator::NaechsteLnrGmer(Tgmerfile& gmer, const QStringList& typen) {
    const int rnr = TQLNProgramm::GetRId();
    qint64 hoechste = 0;
    for (const QString& typ : typen) {
        gmer.ClearBuffer();
        gmer.ExtendedFilterClear();
        gmer.SetIndex(gmer.IndexPrimaer);
        gmer.Typ.SetFilter(typ);
        gmer.Rnr.SetFilter(rnr);
        if (gmer.Get_last_extMode()) hoechste = qMax<qint64>(hoechste, gmer.Lnr.GetWert());
    }
    gmer.ExtendedFilterClear();
    const qint64 naechste = hoechste + 1;
    if (naechste >= TDatenfeld_Integer::CMaxWert) throw Exception(QStringLiteral("No Lfd GMERFile available!"));
    return int(naechste);
}

void TXKAllgTabConfigurator::BuchenErsetzend(TZEV_DBFile& datei, const QString& code, const QStringList& alt,
                                             const QStringList& neu, const std::function<bool(const QStringList&)>& finde,
                                             const std::function<void()>& fuelle) {
    if (code == wrdonDelete) {
        if (finde(neu)) datei.Write(wrdonDelete);
        return;
    }
    if (code == wrdonUpdate) {
        if (!finde(alt)) return;
        datei.Write(wrdonDelete);
    } else if (code != wrdonInsert) {
        return;
    }
    datei.ClearBuffer();
    datei.SetIndex(0);
    fuelle();
    datei.Write(wrdonInsert);
}

QString TXKAllgTabConfigurator::Konvertiere(const QString& wert, const QStringList& gespeichert,
                                            const QStringList& angezeigt, bool zurAnzeige) {
    const QStringList& von = zurAnzeige ? gespeichert : angezeigt;
    const QStringList& nach = zurAnzeige ? angezeigt : gespeichert;
    const int i = von.indexOf(wert.trimmed());
    return i >= 0 && i < nach.size() ? nach[i] : wert;
}
