#include "TArtGruVerwDlg.h"

#include "TfrmAllgTab.h"
#include "host/CZEV_AktioUGrupTyp.h"
#include "host/TQLNInfo.h"
#include "host/records/Tagrufile.h"

#include <QDate>

namespace {
const QString CDatumFormat = QStringLiteral("dd.MM.yyyy");

QString DatumText(const TDatenfeld_DateTime& f) {
    return f.GetWert() == 0.0 ? QString() : f.GetDatum().toString(CDatumFormat);
}
void SetzeDatum(TDatenfeld_DateTime& f, const QString& text) {
    const QDate d = QDate::fromString(text.trimmed(), CDatumFormat);
    if (d.isValid())
        f.SetDatum(d);
    else
        f.SetWert(0.0);
}
}  // namespace

TArtGruTabelle::TArtGruTabelle(int typ) : FTyp(typ), FFile(std::make_unique<Tagrufile>()) {
    FIndNummer = Textfeld(QStringLiteral("NUMMER"), QStringLiteral("Nummer"), 1, 6, QStringLiteral("0123456789"));
    FIndBezeichnung = Textfeld(QStringLiteral("BEZEICHNUNG"), QStringLiteral("Bezeichnung"), 1, 40);
    FIndGueltigAb = Datumsfeld(QStringLiteral("GUELTIGAB"), QStringLiteral("gültig ab"), MitZeitraum());
    FIndGueltigBis = Datumsfeld(QStringLiteral("GUELTIGBIS"), QStringLiteral("gültig bis"), MitZeitraum());
    FIndBemerkung = Textfeld(QStringLiteral("BEMERKUNG"), QStringLiteral("Bemerkung"), 0, 80);
    FFile->OpenNew(-1);
}

TArtGruTabelle::~TArtGruTabelle() {
    try {
        FFile->Close();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TArtGruTabelle.Destroy"), e, false);
    }
    TQLNInfo::FehlerTerminate(QStringLiteral("TArtGruTabelle.Destroy"));
}

bool TArtGruTabelle::MitZeitraum() const { return FTyp != agtArtikelgruppe; }

QString TArtGruTabelle::FormCaptionUebersicht() { return CZEV_AktioUGrupTyp_2_Bezeichnung(FTyp); }

int TArtGruTabelle::SetCount() { return -1; }

void TArtGruTabelle::FillFields(QStringList& line) const {
    line << QString::number(FFile->Nummer.GetWert()) << FFile->Bezeichnung.GetWert() << DatumText(FFile->GueltigAb)
         << DatumText(FFile->GueltigBis) << FFile->Bemerkung.GetWert();
}

bool TArtGruTabelle::GetFirst(QStringList& line) {
    try {
        line.clear();
        FFile->ClearBuffer();
        FFile->ExtendedFilterClear();
        FFile->SetIndex(FFile->IndexPrimaer);
        FFile->Typ.SetFilter(FTyp);
        if (!FFile->Get_first_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TArtGruTabelle.GetFirst"), e, true);
        return false;
    }
}

bool TArtGruTabelle::GetNext(QStringList& line) {
    try {
        line.clear();
        if (!FFile->Get_next_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TArtGruTabelle.GetNext"), e, true);
        return false;
    }
}

int TArtGruTabelle::NaechsteNummer() {
    FFile->ClearBuffer();
    FFile->ExtendedFilterClear();
    FFile->SetIndex(FFile->IndexPrimaer);
    FFile->Typ.SetFilter(FTyp);
    const int nummer = FFile->Get_last_extMode() ? FFile->Nummer.GetWert() + 1 : 1;
    FFile->ExtendedFilterClear();
    return nummer;
}

void TArtGruTabelle::FillNewLine(QStringList& line) {
    THostTabDefinition::FillNewLine(line);
    try {
        const int n = NaechsteNummer();
        if (n <= 999999) line[FIndNummer] = QString::number(n);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TArtGruTabelle.FillNewLine"), e, true);
    }
}

bool TArtGruTabelle::Lese(int nummer) {
    FFile->ClearBuffer();
    FFile->SetIndex(FFile->IndexPrimaer);
    FFile->Typ.SetKeyWert(FTyp);
    FFile->Nummer.SetKeyWert(nummer);
    return FFile->Get_eq();
}

bool TArtGruTabelle::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    try {
        if (code == wrdonDelete) return true;
        const int nummer = AlsZahl(neu.value(FIndNummer), 0);
        if (nummer <= 0) return Ablehnen(QStringLiteral("Bitte geben Sie eine Nummer ein."));
        if (neu.value(FIndBezeichnung).trimmed().isEmpty())
            return Ablehnen(QStringLiteral("Bitte geben Sie eine Bezeichnung ein."));
        if (MitZeitraum()) {
            const QDate ab = QDate::fromString(neu.value(FIndGueltigAb).trimmed(), CDatumFormat);
            const QDate bis = QDate::fromString(neu.value(FIndGueltigBis).trimmed(), CDatumFormat);
            if (ab.isValid() && bis.isValid() && bis < ab)
                return Ablehnen(QStringLiteral("Das Ende des Zeitraums liegt vor seinem Beginn."));
        }
        if (code == wrdonInsert && Lese(nummer))
            return Ablehnen(QStringLiteral("Die Nummer %1 ist bereits vergeben.").arg(nummer));
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TArtGruTabelle.BuchenTesten"), e, true);
        return false;
    }
}

void TArtGruTabelle::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    Tagrufile& f = *FFile;
    const auto setzeWerte = [&] {
        f.Bezeichnung.SetWert(neu.value(FIndBezeichnung).trimmed());
        SetzeDatum(f.GueltigAb, MitZeitraum() ? neu.value(FIndGueltigAb) : QString());
        SetzeDatum(f.GueltigBis, MitZeitraum() ? neu.value(FIndGueltigBis) : QString());
        f.Bemerkung.SetWert(neu.value(FIndBemerkung).trimmed());
    };
    if (code == wrdonDelete) {
        if (Lese(AlsZahl(alt.value(FIndNummer), 0))) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        f.ClearBuffer();
        f.Typ.SetWert(FTyp);
        f.Nummer.SetWert(AlsZahl(neu.value(FIndNummer), 0));
        setzeWerte();
        f.Write(wrdonInsert);
    } else if (code == wrdonUpdate) {
        if (Lese(AlsZahl(alt.value(FIndNummer), 0))) {
            setzeWerte();
            f.Write(wrdonUpdate);
        }
    }
}

bool TArtGruVerwDlg::Execute(int typ, const QString& vorgabe, QString* auswahl) {
    if (CZEV_AktioUGrupTyp_2_Bezeichnung(typ).isEmpty()) return false;
    auto tabelle = std::make_unique<TArtGruTabelle>(typ);
    TfrmAllgTab frm(*tabelle, FAuswahlButtonShow, FParent);
    if (!vorgabe.trimmed().isEmpty()) frm.Lade({vorgabe.trimmed()});
    const int ergebnis = frm.ShowModal();
    if (!FAuswahlButtonShow) return true;
    if (ergebnis != QDialog::Accepted) return false;
    if (auswahl) *auswahl = frm.Auswahl();
    return true;
}
