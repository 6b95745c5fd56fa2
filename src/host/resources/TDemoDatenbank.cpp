#include "TDemoDatenbank.h"

#include "host/HostPaths.h"
#include "host/QLNBuchung.h"
#include "host/records/TAAFile.h"
#include "host/records/TKONZFile.h"
#include "host/records/Tfarbfile.h"
#include "host/records/Tgmerfile.h"
#include "host/records/Tmandfile.h"
#include "host/records/Trechnerfile.h"
#include "host/records/Tvrfile.h"

#include <QRandomGenerator>

namespace TDemoDatenbank {
namespace {
void Rechner(Trechnerfile& r, int rnr, const char* name, int typ, int filiale, int mandant) {
    r.ClearBuffer();
    r.Rnr.SetWert(rnr);
    r.Name.SetWert(QString::fromUtf8(name));
    r.RTyp.SetWert(typ);
    r.Filiale.SetWert(filiale);
    r.Mandant.SetWert(mandant);
    r.Write(wrdonInsert);
}

template <class F>
void Code(F& f, TDatenfeld_String& key, TDatenfeld_String& text, const QString& k, const char* t) {
    f.ClearBuffer();
    key.SetWert(k);
    text.SetWert(QString::fromUtf8(t));
    f.Write(wrdonInsert);
}
}  // namespace

bool Leer() {
    Trechnerfile rechner;
    rechner.OpenNew(-1);
    rechner.ClearBuffer();
    return !rechner.Get_first();
}

void Fuelle() {
    if (!Leer()) return;
    Trechnerfile rechner;
    rechner.OpenNew(-1);

    QLNBuchung buchung(1, QStringLiteral("TDemoDatenbank.Fuelle"));

    TKONZFile konz;
    konz.OpenNew(-1);
    konz.ClearBuffer();
    konz.Id.SetWert({1, 1});
    konz.Name.SetWert(QStringLiteral("Modehaus Brenner Gruppe"));
    konz.Systemgruppe.SetWert(true);
    konz.Write(wrdonInsert);

    Tmandfile mand;
    mand.OpenNew(-1);
    const struct {
        int Nr;
        const char* Name;
        const char* Land;
        const char* Waehrung;
    } mandanten[] = {{1, "Modehaus Brenner GmbH", "D", "EUR"}, {2, "Schuhhaus Brenner AG", "CH", "CHF"}};
    for (const auto& m : mandanten) {
        mand.ClearBuffer();
        mand.Mandant.SetWert(m.Nr);
        mand.Name.SetWert(QString::fromUtf8(m.Name));
        mand.Land.SetWert(QString::fromUtf8(m.Land));
        mand.Waehrung.SetWert(QString::fromUtf8(m.Waehrung));
        mand.Write(wrdonInsert);
    }

    Tfilfile fil;
    fil.OpenNew(-1);
    const struct {
        int Nr;
        const char* Name;
        int Mandant;
        const char* Ort;
    } filialen[] = {{1, "Zentrale Freiburg", 1, "Freiburg"}, {2, "Filiale Karlsruhe", 1, "Karlsruhe"},
                    {3, "Filiale Offenburg", 1, "Offenburg"}, {10, "Schuhhaus Basel", 2, "Basel"}};
    for (const auto& f : filialen) {
        fil.ClearBuffer();
        fil.Filiale.SetWert(f.Nr);
        fil.Name.SetWert(QString::fromUtf8(f.Name));
        fil.Mandant.SetWert(f.Mandant);
        fil.Ort.SetWert(QString::fromUtf8(f.Ort));
        fil.Write(wrdonInsert);
    }

    // Computer types: 1 head office, 2 branch server, 3 till, 4 workstation, 7 service computer.
    Rechner(rechner, 1, "Zentrale Server", 1, 1, 1);
    Rechner(rechner, 2, "Filiale Karlsruhe Server", 2, 2, 1);
    Rechner(rechner, 3, "Filiale Offenburg Server", 2, 3, 1);
    Rechner(rechner, 11, "Kasse Karlsruhe 1", 3, 2, 1);
    Rechner(rechner, 12, "Kasse Karlsruhe 2", 3, 2, 1);
    Rechner(rechner, 13, "Kasse Offenburg 1", 3, 3, 1);
    Rechner(rechner, 21, "Einkauf Arbeitsplatz", 4, 1, 1);
    Rechner(rechner, 22, "Buchhaltung Arbeitsplatz", 4, 1, 1);
    Rechner(rechner, 31, "Kasse Basel 1", 3, 10, 2);
    Rechner(rechner, 99, "Service-PC", 7, 1, 1);

    Tfarbfile farb;
    farb.OpenNew(-1);
    const std::pair<const char*, const char*> farben[] = {
        {"1", "Schwarz"}, {"2", "Weiß"}, {"3", "Rot"}, {"4", "Blau"}, {"5", "Grün"}, {"6", "Gelb"}, {"7", "Braun"},
        {"8", "Grau"}, {"9", "Beige"}, {"10", "Marine"}, {"11", "Bordeaux"}, {"13", "Cognac"}, {"14", "Oliv"},
        {"15", "Silber"}, {"16", "Gold"}, {"0020", "Natur"}};
    for (const auto& [nr, name] : farben) Code(farb, farb.Nummer, farb.Bezeichnung, QString::fromUtf8(nr), name);

    Tmatfile mat;
    mat.OpenNew(-1);
    const std::pair<const char*, const char*> materialien[] = {
        {"1", "Glattleder"}, {"2", "Veloursleder"}, {"3", "Textil"}, {"4", "Baumwolle"}, {"5", "Wolle"},
        {"6", "Synthetik"}, {"7", "Lackleder"}, {"8", "Nubuk"}, {"9", "Leinen"}, {"10", "Seide"}};
    for (const auto& [nr, name] : materialien) Code(mat, mat.Nummer, mat.Bezeichnung, QString::fromUtf8(nr), name);

    Tvrfile vr;
    vr.OpenNew(-1);
    const std::pair<const char*, const char*> varianten[] = {
        {"WEIT", "Weite H"}, {"SCHM", "schmale Weite"}, {"GORE", "Gore-Tex Membran"}, {"LANG", "Langgröße"},
        {"KURZ", "Kurzgröße"}, {"BIO", "biologisch erzeugt"}, {"VEGAN", "ohne tierische Bestandteile"}};
    for (const auto& [k, t] : varianten) Code(vr, vr.Variante, vr.Beschreibung, QString::fromUtf8(k), t);

    Tgmerfile gmer;
    gmer.OpenNew(-1);
    const struct {
        const char* Typ;
        int Lnr;
        const char* Bez;
        const char* Format;
    } gmers[] = {{"E", 1, "Preisetikett klein", "38x23"},    {"E", 2, "Preisetikett groß", "50x30"},
                 {"E", 3, "Schuhkarton-Etikett", "70x40"}, {"D", 1, "Bondrucker", ""},
                 {"D", 2, "Etikettendrucker", ""},         {"D", 3, "Listendrucker", ""}};
    for (const auto& g : gmers) {
        gmer.ClearBuffer();
        gmer.Typ.SetWert(QString::fromUtf8(g.Typ));
        gmer.Rnr.SetWert(1);
        gmer.Lnr.SetWert(g.Lnr);
        gmer.Bezeichnung.SetWert(QString::fromUtf8(g.Bez));
        gmer.Format.SetWert(QString::fromUtf8(g.Format));
        gmer.Write(wrdonInsert);
    }

    TAAFile aa;
    aa.OpenNew(-1);
    const char* warenarten[] = {"Damen-Pumps", "Herren-Schnürer", "Sneaker", "Stiefelette", "Sandale", "Ballerina",
                                "Chelsea Boot", "Loafer", "Wanderschuh", "Hausschuh", "Damenbluse", "Herrenhemd",
                                "Strickpullover", "Jeans", "Kleid", "Jacke"};
    QRandomGenerator zufall(4711);  // the same demo data on every machine
    for (int i = 1; i <= 400; ++i) {
        aa.ClearBuffer();
        aa.ArtNr.SetWert(QStringLiteral("%1").arg(100000 + i * 7));
        const char* art = warenarten[zufall.bounded(int(std::size(warenarten)))];
        const auto& farbe = farben[zufall.bounded(int(std::size(farben)))];
        const auto& material = materialien[zufall.bounded(int(std::size(materialien)))];
        aa.Bezeichnung.SetWert(QStringLiteral("%1 %2").arg(QString::fromUtf8(art), QString::fromUtf8(farbe.second)));
        aa.Farbe.SetWert(QString::fromUtf8(farbe.first));
        aa.Material.SetWert(QString::fromUtf8(material.first));
        if (i % 5 == 0) aa.Variante1.SetWert(QString::fromUtf8(varianten[zufall.bounded(int(std::size(varianten)))].first));
        if (i % 17 == 0) aa.Variante2.SetWert(QStringLiteral("GORE"));
        if (i % 41 == 0) aa.Variante3.SetWert(QStringLiteral("VEGAN"));
        aa.MwSt.SetWert(i % 9 == 0 ? QStringLiteral("ERM") : QStringLiteral("VOLL"));
        aa.VkPreis.SetWert(19.95 + zufall.bounded(200) * 5.0);
        aa.Write(wrdonInsert);
    }
    FuelleParameter();
    FuelleCodes();
    FuelleWaehrung();
    FuelleGruppen();
    buchung.Ende(QStringLiteral("TDemoDatenbank.Fuelle"));
}

TZEV_DB_Config Konfiguration() {
    TZEV_DB_Config c;
    c.Art = TZEV_DBArt::dbaSQLite;
    c.Datei = HostPaths::DemoDatabaseFile();
    return c;
}
}  // namespace TDemoDatenbank
