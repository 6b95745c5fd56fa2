#include "TXKGGTYConfigurator.h"

#include "host/TQLNInfo.h"
#include "host/managers/TZEV_TalternGGmani.h"
#include "host/records/TAAGGFile.h"
#include "registry/Triveltaclass.h"

namespace {
const QString CNein = QStringLiteral("N");
}

void TXKGGTYConfigurator::Meldung(int nummer, const QStringList& args) {
    TQLNInfo::ShowMeldung(mkHinweis, args, QStringLiteral("TRIVELTA"), nummer);
}

QString TXKGGTYConfigurator::VerwendendeRegel(const QString& typ) {
    TAAGGFile f;
    f.Open(254, -1);
    f.ClearBuffer();
    f.ExtendedFilterClear();
    f.SetIndex(f.IndexPrimaer);
    f.GgTyp.SetFilter(typ);
    f.ExtendedMaxReceive_Set(1);
    QString regel;
    if (f.Get_first_extMode()) regel = f.Gg.GetWert();
    f.Close();
    return regel;
}

void TXKGGTYConfigurator::Resources_InitF() {
    FFieldIndTyp = -1;
    FFieldIndBezeichnung = -1;
    FFieldIndAenderbar = -1;
    TXKCodeTabConfigurator::Resources_InitF();
}

void TXKGGTYConfigurator::DefineFields() {
    FFieldIndTyp = AddStringField(QStringLiteral("TYP"), QStringLiteral("Typ"), true, false, false, false, 4, 4,
                                  QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndBezeichnung = AddStringField(QStringLiteral("BEZEICHNUNG"), QStringLiteral("Bezeichnung"), true, false,
                                          false, false, 1, 40, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndAenderbar = AddStringField(QStringLiteral("AENDERBAR"), QStringLiteral("Änderbar"), true, true, false,
                                        false, 1, 1, QString(), QString(), TEditCharCase::ecNormal);
}

void TXKGGTYConfigurator::FillFields(QStringList& line) {
    line << FFile->Typ.GetWert() << FFile->Bezeichnung.GetWert() << FFile->Aenderbar.GetWert();
}

void TXKGGTYConfigurator::FillNewLine(QStringList& line) {
    // "Änderbar" is locked in a new line: it gets the one value of its list,
    // else the required field would stay empty and refuse every new type.
    line = QStringList{QString(), QString(), QStringLiteral("J")};
}

void TXKGGTYConfigurator::FillWertevorrat(int index, QStringList& liste) {
    liste.clear();
    if (index == FFieldIndAenderbar) liste << QStringLiteral("J");
}

bool TXKGGTYConfigurator::SwitchControlEnabled_4_Mode_Edit(int index) {
    if (index == FFieldIndTyp || index == FFieldIndAenderbar) return false;
    return BearbeiteteZeile().value(FFieldIndAenderbar) != CNein;
}

bool TXKGGTYConfigurator::Lese(const QString& typ) {
    FFile->ClearBuffer();
    FFile->SetIndex(FFile->IndexPrimaer);
    FFile->Typ.SetKeyWert(typ);
    return FFile->Get_eq();
}

bool TXKGGTYConfigurator::BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) {
    return Geschuetzt("BuchenTesten", false, [&] {
        const QString typ = neu.value(FFieldIndTyp).trimmed();
        if (typ.isEmpty()) {
            Meldung(1047);
            return false;
        }
        if (neu.value(FFieldIndBezeichnung).trimmed().isEmpty()) {
            Meldung(1048);
            return false;
        }
        if ((code == wrdonUpdate || code == wrdonDelete) && alt.value(FFieldIndAenderbar).trimmed() == CNein) {
            Meldung(1049);
            return false;
        }
        if (code == wrdonInsert && TZEV_TalternGGmani().GGTYVorhanden(typ)) {
            Meldung(1050);
            return false;
        }
        if (code == wrdonDelete) {
            if (neu.value(FFieldIndAenderbar).trimmed() == CNein) {
                Meldung(1049);
                return false;
            }
            const QString regel = VerwendendeRegel(typ);
            if (!regel.isEmpty()) {
                Meldung(1051, {regel});
                return false;
            }
        }
        if (code == wrdonUpdate) {
            if (neu.value(FFieldIndAenderbar).trimmed() == CNein) return false;
            // the rules keep the designation of their type
            if (neu.value(FFieldIndBezeichnung) != alt.value(FFieldIndBezeichnung) && !VerwendendeRegel(typ).isEmpty())
                return false;
        }
        return true;
    });
}

void TXKGGTYConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    Tggtyfile& f = *FFile;
    if (code == wrdonDelete) {
        if (Lese(neu.value(FFieldIndTyp).trimmed())) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        f.ClearBuffer();
        f.Typ.SetWert(neu.value(FFieldIndTyp).trimmed());
        f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung));
        f.Aenderbar.SetWert(neu.value(FFieldIndAenderbar).trimmed());
        f.Write(wrdonInsert);
    } else if (code == wrdonUpdate) {
        if (Lese(alt.value(FFieldIndTyp).trimmed())) {
            f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung));
            f.Write(wrdonUpdate);
        }
    }
}

void InitUnit_XKGGTY() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKGGTYConfigurator>(), QStringLiteral("GGTY"),
                           QStringLiteral("Größengänge (Verwendungszweck alternative)"),
                           QStringLiteral("Alternative Größengänge werden für einen bestimmten Zweck verwendet, zum "
                                          "Beispiel für den Etikettendruck, den Online-Shop oder für Lieferanten. "
                                          "Legen Sie hier diese Verwendungszwecke an. Ein Verwendungszweck, für den "
                                          "Regeln bestehen, kann nicht gelöscht werden."),
                           QStringLiteral("Größengang, Größe, alternative, Verwendungszweck, gg, aagg, Typ"));
}
