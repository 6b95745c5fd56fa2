#include "TfrmMarken.h"

#include "host/TQLNInfo.h"
#include "host/records/TAAFile.h"
#include "host/records/Tmarkfile.h"

TMarkenTabelle::TMarkenTabelle() : FFile(std::make_unique<Tmarkfile>()) {
    FIndKuerzel = Textfeld(QStringLiteral("KUERZEL"), QStringLiteral("Kürzel"), 1, 10, QString(), true);
    FIndBezeichnung = Textfeld(QStringLiteral("BEZEICHNUNG"), QStringLiteral("Marke"), 1, 40);
    FIndHersteller = Textfeld(QStringLiteral("HERSTELLER"), QStringLiteral("Hersteller"), 0, 40);
    FIndAktiv = JaNeinFeld(QStringLiteral("AKTIV"), QStringLiteral("aktiv"));
    FFile->OpenNew(-1);
}

TMarkenTabelle::~TMarkenTabelle() {
    try {
        FFile->Close();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TMarkenTabelle.Destroy"), e, false);
    }
    TQLNInfo::FehlerTerminate(QStringLiteral("TMarkenTabelle.Destroy"));
}

int TMarkenTabelle::SetCount() {
    try {
        return int(FFile->GetCount());
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TMarkenTabelle.SetCount"), e, true);
        return -1;
    }
}

void TMarkenTabelle::FillFields(QStringList& line) const {
    line << FFile->Kuerzel.GetWert() << FFile->Bezeichnung.GetWert() << FFile->Hersteller.GetWert()
         << (FFile->Aktiv.GetWert() ? QStringLiteral("J") : QStringLiteral("N"));
}

bool TMarkenTabelle::GetFirst(QStringList& line) {
    try {
        line.clear();
        FFile->ClearBuffer();
        FFile->SetIndex(FFile->IndexPrimaer);
        if (!FFile->Get_first()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TMarkenTabelle.GetFirst"), e, true);
        return false;
    }
}

bool TMarkenTabelle::GetNext(QStringList& line) {
    try {
        line.clear();
        if (!FFile->Get_next()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TMarkenTabelle.GetNext"), e, true);
        return false;
    }
}

void TMarkenTabelle::FillNewLine(QStringList& line) {
    THostTabDefinition::FillNewLine(line);
    line[FIndAktiv] = QStringLiteral("J");
}

bool TMarkenTabelle::MarkeBenutzt(const QString& kuerzel) {
    TAAFile aa;
    aa.Open(254, -1);
    aa.ClearBuffer();
    aa.ExtendedFilterClear();
    aa.SetIndex(aa.IndexPrimaer);
    aa.Marke.SetFilter(kuerzel);
    aa.ExtendedMaxReceive_Set(1);
    aa.Marke.SetUsedField();
    const bool benutzt = aa.Get_exists_extMode();
    aa.Close();
    return benutzt;
}

bool TMarkenTabelle::Lese(const QString& kuerzel) {
    FFile->ClearBuffer();
    FFile->SetIndex(FFile->IndexPrimaer);
    FFile->Kuerzel.SetKeyWert(kuerzel);
    return FFile->Get_eq();
}

bool TMarkenTabelle::BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) {
    try {
        const QString kuerzel = neu.value(FIndKuerzel).trimmed();
        if (code == wrdonDelete) {
            if (MarkeBenutzt(alt.value(FIndKuerzel).trimmed()))
                return Ablehnen(QStringLiteral("Die Marke, die Sie löschen möchten, ist noch Artikeln zugeordnet!"));
            return true;
        }
        if (kuerzel.isEmpty()) return Ablehnen(QStringLiteral("Bitte geben Sie ein Kürzel für die Marke ein."));
        if (neu.value(FIndBezeichnung).trimmed().isEmpty())
            return Ablehnen(QStringLiteral("Bitte geben Sie den Namen der Marke ein."));
        if (code == wrdonInsert && Lese(kuerzel))
            return Ablehnen(QStringLiteral("Die Marke, die Sie anlegen möchten, existiert bereits!"));
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TMarkenTabelle.BuchenTesten"), e, true);
        return false;
    }
}

void TMarkenTabelle::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    Tmarkfile& f = *FFile;
    const auto setzeWerte = [&] {
        f.Bezeichnung.SetWert(neu.value(FIndBezeichnung).trimmed());
        f.Hersteller.SetWert(neu.value(FIndHersteller).trimmed());
        f.Aktiv.SetWert(neu.value(FIndAktiv).trimmed().compare(QLatin1String("J"), Qt::CaseInsensitive) == 0);
    };
    if (code == wrdonDelete) {
        if (Lese(alt.value(FIndKuerzel).trimmed())) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        f.ClearBuffer();
        f.Kuerzel.SetWert(neu.value(FIndKuerzel).trimmed());
        setzeWerte();
        f.Write(wrdonInsert);
    } else if (code == wrdonUpdate) {
        if (Lese(alt.value(FIndKuerzel).trimmed())) {
            setzeWerte();
            f.Write(wrdonUpdate);
        }
    }
}

TfrmMarken::TfrmMarken(QWidget* parent) : TfrmMarken(std::make_unique<TMarkenTabelle>(), parent) {}

TfrmMarken::TfrmMarken(std::unique_ptr<TMarkenTabelle> tabelle, QWidget* parent)
    : TfrmAllgTab(*tabelle, false, parent), FTabelle(tabelle.get()) {
    tabelle.release()->setParent(this);
}
