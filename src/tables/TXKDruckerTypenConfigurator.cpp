#include "TXKDruckerTypenConfigurator.h"

#include "host/TQLNProgramm.h"
#include "host/managers/TZEV_WWSDrucker.h"
#include "registry/Triveltaclass.h"

namespace {
const QString CReserviert = QStringLiteral(
    "Bondrucker, Etikettendrucker und Listendrucker sind Vorgabewerte und können nicht geändert werden.");
// Printer types keep no format; the field holds this marker.
const QString CFormatLeer = QStringLiteral("LEER");
}  // namespace

void TXKDruckerTypenConfigurator::Resources_InitF() {
    FFieldIndTyp = -1;
    FFieldIndRnr = -1;
    FFieldIndLnr = -1;
    FFieldIndBezeichnung = -1;
    TXKGmerConfigurator::Resources_InitF();
}

void TXKDruckerTypenConfigurator::DefineFields() {
    FFieldIndTyp = AddStringField(QStringLiteral("TYP"), QStringLiteral("Typ"), false, false, false, false, 1, 1,
                                  QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndRnr = AddIntegerField(QStringLiteral("RNR"), QStringLiteral("Rechner"), false, false, 0, 0);
    FFieldIndLnr = AddIntegerField(QStringLiteral("LNR"), QStringLiteral("laufende Nummer"), false, false, 0, 0);
    FFieldIndBezeichnung = AddStringField(QStringLiteral("BEZEICHNUNG"), QStringLiteral("Bezeichnung"), true, false,
                                          false, false, 3, 40, QString(), QString(), TEditCharCase::ecNormal);
}

void TXKDruckerTypenConfigurator::FillFields(QStringList& line) {
    line << FFile->Typ.GetWert() << QString::number(FFile->Rnr.GetWert()) << QString::number(FFile->Lnr.GetWert())
         << FFile->Bezeichnung.GetWert();
}

void TXKDruckerTypenConfigurator::FillNewLine(QStringList& line) {
    line = QStringList{Typ(), QStringLiteral("0"), QStringLiteral("0"), QString()};
}

bool TXKDruckerTypenConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    return Geschuetzt("BuchenTesten", false, [&] {
        const QString bezeichnung = neu.value(FFieldIndBezeichnung).trimmed();
        if (code == wrdonDelete) {
            if (TZEV_WWSDrucker::DruckerTypReserviert(bezeichnung)) return Ablehnen(CReserviert);
            // "Yes" cancels the delete.
            return !Frage(QStringLiteral("Sollte die Konfiguration eines Arbeitsplatzes auf diesen Druckertyp "
                                         "verweisen, geht die Einstellung verloren. Wollen Sie den Löschvorgang "
                                         "abbrechen? "),
                          994);
        }
        if (bezeichnung.isEmpty()) return Ablehnen(QStringLiteral("Bitte geben Sie eine Bezeichnung ein."));
        const int rnr = AlsZahl(neu.value(FFieldIndRnr), 0);
        const int lnr = AlsZahl(neu.value(FFieldIndLnr), 0);
        // the stored designation decides: a system type stays as it is
        if (LeseSatz(Typ(), rnr, lnr) && TZEV_WWSDrucker::DruckerTypReserviert(FFile->Bezeichnung.GetWert()))
            return Ablehnen(CReserviert);
        Tgmerfile& f = *FFile;
        f.ClearBuffer();
        f.ExtendedFilterClear();
        f.SetIndex(f.IndexPrimaer);
        f.ExtendedFilterAdd(f.Typ, TExtFilterOp::Gleich, Typ());
        for (bool ok = f.Get_first_extMode(); ok; ok = f.Get_next_extMode()) {
            if (f.Bezeichnung.GetWert() != bezeichnung) continue;
            if (f.Rnr.GetWert() == rnr && f.Lnr.GetWert() == lnr)
                return Ablehnen(QStringLiteral("Bitte geben Sie eine neue Bezeichnung ein oder brechen Sie den "
                                               "Vorgang ab."));
            return Ablehnen(QStringLiteral("Bitte geben Sie eine eindeutige Bezeichnung ein."));
        }
        return true;
    });
}

void TXKDruckerTypenConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    Tgmerfile& f = *FFile;
    if (code == wrdonDelete) {
        if (LeseSatz(Typ(), AlsZahl(neu.value(FFieldIndRnr), 0), AlsZahl(neu.value(FFieldIndLnr), 0)))
            f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        const int lnr = NaechsteLnrGmer(f, {Typ()});
        f.ClearBuffer();
        f.Typ.SetWert(Typ());
        f.Rnr.SetWert(TQLNProgramm::GetRId());
        f.Lnr.SetWert(lnr);
        f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung).trimmed());
        f.Format.SetWert(CFormatLeer);
        f.Write(wrdonInsert);
    } else if (code == wrdonUpdate) {
        if (LeseSatz(Typ(), AlsZahl(alt.value(FFieldIndRnr), 0), AlsZahl(alt.value(FFieldIndLnr), 0))) {
            f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung).trimmed());
            f.Format.SetWert(CFormatLeer);
            f.Write(wrdonUpdate);
        }
    }
}

void InitUnit_XKDruckerTypen() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKDruckerTypenConfigurator>(), QStringLiteral("DRUCKTYP"), QStringLiteral("Druckertypen"),
                           QStringLiteral("Druckertypen fassen Drucker nach ihrem Einsatzzweck zusammen. In der "
                                          "Konfiguration eines Arbeitsplatzes ordnen Sie jedem Druckertyp einen "
                                          "Drucker zu. Bondrucker, Etikettendrucker und Listendrucker sind vorgegeben; "
                                          "legen Sie hier weitere Druckertypen an."),
                           QStringLiteral("Drucker, Druckertyp, Bondrucker, Etikettendrucker, Listendrucker, Arbeitsplatz"));
}
