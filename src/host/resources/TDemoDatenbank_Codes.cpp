// Demo data of the simple code tables. Every code that another table can
// reference is referenced here by some record, and some are left free, so that
// each delete test of the code tables meets both cases.

#include "TDemoDatenbank.h"

#include "host/TestEAN.h"
#include "host/records/TAAFile.h"
#include "host/records/TAAGGFile.h"
#include "host/records/TABilFile.h"
#include "host/records/TStfile.h"
#include "host/records/Tabkzfile.h"
#include "host/records/Tagrufile.h"
#include "host/records/Tgcplfile.h"
#include "host/records/Tggtyfile.h"
#include "host/records/Tgmerfile.h"
#include "host/records/Thgfile.h"
#include "host/records/Tinetfile.h"
#include "host/records/Tlstvfile.h"
#include "host/records/Tmarkfile.h"
#include "host/records/Tnkfile.h"
#include "host/records/Trabfile.h"
#include "host/records/Trmlfile.h"
#include "host/records/Tsbfile.h"
#include "host/records/Tvkzfile.h"
#include "host/records/Tvrfile.h"
#include "host/records/Tvtypfile.h"
#include "host/records/Twgnfile.h"

#include <QDate>

namespace TDemoDatenbank {
namespace {
QString U(const char* s) { return QString::fromUtf8(s); }

// A GTIN-13 from its first twelve digits.
QString Gtin(const char* zwoelf) { return U(zwoelf) + EANPruefziffer(U(zwoelf)); }

void Gmer(Tgmerfile& g, const char* typ, int lnr, const char* bez, const QString& format) {
    g.ClearBuffer();
    g.Typ.SetWert(U(typ));
    g.Rnr.SetWert(1);
    g.Lnr.SetWert(lnr);
    g.Bezeichnung.SetWert(U(bez));
    g.Format.SetWert(format);
    g.Write(wrdonInsert);
}

// The packed format text of a gift-card scale (see TVERAGutscheinWerte).
QString GutscheinFormat(const QString& gtin, bool flexibel, int wert, int min, int max) {
    return gtin + (flexibel ? QStringLiteral("J") : QStringLiteral("N")) + QStringLiteral("J") +
           QStringLiteral("%1%2%3")
               .arg(wert, 4, 10, QLatin1Char('0'))
               .arg(min, 4, 10, QLatin1Char('0'))
               .arg(max, 4, 10, QLatin1Char('0')) +
           QStringLiteral("EUR");
}

void Artikeldaten() {
    // Brands of the articles; "LUMA" is still unused.
    Tmarkfile mark;
    mark.OpenNew(-1);
    const struct {
        const char* Kuerzel;
        const char* Name;
        const char* Hersteller;
        bool Aktiv;
    } marken[] = {{"BRENNER", "Brenner Collection", "Modehaus Brenner GmbH", true},
                  {"ALPEN", "Alpenläufer", "Alpenläufer Schuhfabrik AG", true},
                  {"URBAN", "Urban Step", "Urban Step Footwear Ltd.", true},
                  {"NORD", "Nordwind", "Nordwind Textil GmbH", true},
                  {"VITA", "Vita Natura", "Vita Natura Naturmode", false},
                  {"LUMA", "Luma", "Luma Accessoires", true}};
    for (const auto& m : marken) {
        mark.ClearBuffer();
        mark.Kuerzel.SetWert(U(m.Kuerzel));
        mark.Bezeichnung.SetWert(U(m.Name));
        mark.Hersteller.SetWert(U(m.Hersteller));
        mark.Aktiv.SetWert(m.Aktiv);
        mark.Write(wrdonInsert);
    }
    TAAFile aa;
    aa.OpenNew(-1);
    aa.ClearBuffer();
    aa.SetIndex(aa.IndexPrimaer);
    QStringList artikel;
    for (bool ok = aa.Get_first(); ok; ok = aa.Get_next()) artikel << aa.ArtNr.GetWert();
    const char* genutzt[] = {"BRENNER", "ALPEN", "URBAN", "NORD", "VITA"};
    for (int i = 0; i < artikel.size(); ++i) {
        aa.ClearBuffer();
        aa.SetIndex(aa.IndexPrimaer);
        aa.ArtNr.SetKeyWert(artikel[i]);
        if (!aa.Get_eq()) continue;
        aa.Marke.SetWert(U(genutzt[i % int(std::size(genutzt))]));
        aa.Write(wrdonUpdate);
    }

    // Picture variants: front, side and detail views are in use, sole and model photos not.
    Tbvrfile bvr;
    bvr.OpenNew(-1);
    const std::pair<const char*, const char*> bildvarianten[] = {
        {"VORN", "Vorderansicht"}, {"SEIT", "Seitenansicht"}, {"DETL", "Detailaufnahme"},
        {"SOHLE", "Sohlenansicht"}, {"MODEL", "Modelfoto"}};
    for (const auto& [k, t] : bildvarianten) {
        bvr.ClearBuffer();
        bvr.Variante.SetWert(U(k));
        bvr.Beschreibung.SetWert(U(t));
        bvr.Write(wrdonInsert);
    }
    TABilFile bil;
    bil.OpenNew(-1);
    for (int i = 0; i < 30 && i < artikel.size(); ++i) {
        const char* ansichten[] = {"VORN", "SEIT", "DETL"};
        for (int n = 0; n < (i % 3 == 0 ? 3 : 2); ++n) {
            bil.ClearBuffer();
            bil.ArtNr.SetWert(artikel[i]);
            bil.Lnr.SetWert(n + 1);
            bil.Variante.SetWert(U(ansichten[n]));
            bil.Datei.SetWert(QStringLiteral("bilder/%1_%2.jpg").arg(artikel[i]).arg(n + 1));
            bil.Write(wrdonInsert);
        }
    }

    // Relationship types: the successor is the system's own; "SE" is unused.
    Tvtypfile vtyp;
    vtyp.OpenNew(-1);
    const struct {
        const char* Kennung;
        const char* Bez;
        bool Aender;
        bool Gerichtet;
    } typen[] = {{"NF", "Nachfolgeartikel", false, true},
                 {"ZU", "Zubehör", true, true},
                 {"AL", "Alternativartikel", true, false},
                 {"SE", "Set-Bestandteil", true, false}};
    for (const auto& t : typen) {
        vtyp.ClearBuffer();
        vtyp.Kennung.SetWert(U(t.Kennung));
        vtyp.Bez.SetWert(U(t.Bez));
        vtyp.Aender.SetWert(t.Aender);
        vtyp.Gerichtet.SetWert(t.Gerichtet);
        vtyp.Write(wrdonInsert);
    }
    Tvprofile vpro;
    vpro.OpenNew(-1);
    for (int i = 0; i + 1 < 24 && i + 1 < artikel.size(); i += 2) {
        vpro.ClearBuffer();
        vpro.Kennung.SetWert(i < 8 ? QStringLiteral("NF") : i < 16 ? QStringLiteral("ZU") : QStringLiteral("AL"));
        vpro.ArtNr1.SetWert(artikel[i]);
        vpro.ArtNr2.SetWert(artikel[i + 1]);
        vpro.Write(wrdonInsert);
    }
}

void Warengruppen() {
    // Main groups; "AC" and "SP" have no goods groups yet.
    Thgfile hg;
    hg.OpenNew(-1);
    const struct {
        const char* Hg;
        const char* Bez;
        const char* Mm1;
        const char* Mm2;
    } hauptgruppen[] = {{"DS", "Damenschuhe", "Absatz", "Weite"}, {"HS", "Herrenschuhe", "Sohle", "Weite"},
                        {"KS", "Kinderschuhe", "Weite", "Verschl."}, {"DT", "Damen-Textil", "Passform", "Länge"},
                        {"HT", "Herren-Textil", "Passform", "Kragen"}, {"AC", "Accessoires", "Material", ""},
                        {"SP", "Sport und Outdoor", "Sportart", "Membran"}};
    for (const auto& h : hauptgruppen) {
        hg.ClearBuffer();
        hg.Hg.SetWert(U(h.Hg));
        hg.Bezeichnung.SetWert(U(h.Bez));
        hg.Mm1.SetWert(U(h.Mm1));
        hg.Mm2.SetWert(U(h.Mm2));
        hg.Write(wrdonInsert);
    }
    Twgnfile wgn;
    wgn.OpenNew(-1);
    const struct {
        const char* Wgn;
        const char* Bez;
        const char* Hg;
    } gruppen[] = {{"100", "Pumps", "DS"},        {"110", "Stiefeletten", "DS"}, {"120", "Ballerinas", "DS"},
                   {"200", "Schnürschuhe", "HS"}, {"210", "Sneaker", "HS"},      {"300", "Kinderschuhe", "KS"},
                   {"400", "Blusen", "DT"},       {"410", "Kleider", "DT"},      {"500", "Hemden", "HT"}};
    for (const auto& g : gruppen) {
        wgn.ClearBuffer();
        wgn.Wgs.SetWert(QStringLiteral("STD"));
        wgn.Wgn.SetWert(U(g.Wgn));
        wgn.Bezeichnung.SetWert(U(g.Bez));
        wgn.Hg.SetWert(U(g.Hg));
        wgn.Write(wrdonInsert);
    }

    // Season designations ("F" and "H" are the system's own) and seasons; "X" and "W" are unused.
    Tsbfile sb;
    sb.OpenNew(-1);
    const struct {
        const char* Kuerzel;
        const char* AktPas;
        const char* AendKz;
        const char* Bez;
    } bezeichnungen[] = {{"F", "a", "0", "Frühjahr/Sommer"}, {"H", "a", "0", "Herbst/Winter"},
                         {"G", "a", "1", "ganzjährig"},      {"X", "p", "1", "Sonderkollektion"},
                         {"W", "a", "1", "Weihnachten"}};
    for (const auto& b : bezeichnungen) {
        sb.ClearBuffer();
        sb.Kuerzel.SetWert(U(b.Kuerzel));
        sb.AktPas.SetWert(U(b.AktPas));
        sb.AendKz.SetWert(U(b.AendKz));
        sb.Bezeichnung.SetWert(U(b.Bez));
        sb.Write(wrdonInsert);
    }
    TStfile st;
    st.OpenNew(-1);
    const int jahr = QDate::currentDate().year();
    const struct {
        const char* Abk;
        int Jahr;
        int VonMonat;
        int BisMonat;
        const char* KurzNr;
    } saisons[] = {{"F", jahr - 1, 2, 7, "101"}, {"H", jahr - 1, 8, 1, "102"}, {"F", jahr, 2, 7, "111"},
                   {"H", jahr, 8, 1, "112"},     {"G", jahr, 1, 12, "110"}};
    for (const auto& s : saisons) {
        st.ClearBuffer();
        st.SaisAbk.SetWert(U(s.Abk));
        st.Jahr.SetWert(s.Jahr);
        st.SaisStart.SetDatum(QDate(s.Jahr, s.VonMonat, 1));
        const QDate ende = s.BisMonat < s.VonMonat ? QDate(s.Jahr + 1, s.BisMonat, 1) : QDate(s.Jahr, s.BisMonat, 1);
        st.SaisEnde.SetDatum(ende.addMonths(1).addDays(-1));
        st.VorordStart.SetDatum(QDate(s.Jahr, s.VonMonat, 1).addMonths(-8));
        st.VorordEnde.SetDatum(QDate(s.Jahr, s.VonMonat, 1).addMonths(-5));
        st.KurzNr.SetWert(U(s.KurzNr));
        st.Write(wrdonInsert);
    }
}

void Kennzeichen() {
    // Sales and order marks; the system's own cannot be changed.
    Tvkzfile vkz;
    vkz.OpenNew(-1);
    const struct {
        const char* Kz;
        const char* Aend;
        const char* Bez;
    } vkzs[] = {{"0", "0", "normaler Verkauf"}, {"1", "1", "nicht rabattfähig"},
                {"2", "0", "Verkaufssperre"},   {"5", "1", "Auslaufartikel"}};
    for (const auto& v : vkzs) {
        vkz.ClearBuffer();
        vkz.Vkkz.SetWert(U(v.Kz));
        vkz.AendKz.SetWert(U(v.Aend));
        vkz.Bezeichnung.SetWert(U(v.Bez));
        vkz.Write(wrdonInsert);
    }
    Tdikzfile dikz;
    dikz.OpenNew(-1);
    const struct {
        const char* Kz;
        const char* Aend;
        const char* Bez;
    } dikzs[] = {{"NOS", "F", "Never out of stock"}, {"NACH", "A", "Nachlieferung"},
                 {"AUSLAUF", "F", "Auslaufartikel"}, {"SPERRE", "A", "Bestellsperre"}};
    for (const auto& d : dikzs) {
        dikz.ClearBuffer();
        dikz.Dikz.SetWert(U(d.Kz));
        dikz.AendKz.SetWert(U(d.Aend));
        dikz.Bezeichnung.SetWert(U(d.Bez));
        dikz.Write(wrdonInsert);
    }

    // Devaluation marks of the inventory.
    Tabkzfile abkz;
    abkz.OpenNew(-1);
    const std::pair<int, int> abwertungen[] = {{1, 10}, {2, 25}, {3, 50}, {4, 75}, {5, 90}};
    for (const auto& [nr, proz] : abwertungen) {
        abkz.ClearBuffer();
        abkz.Nummer.SetWert(nr);
        abkz.ProzSatz.SetWert(proz);
        abkz.Write(wrdonInsert);
    }

    // Complaint tables and return positions. The returns name reasons 01, 03
    // and 04; 02 and 05 are free.
    Trmlfile rml;
    rml.OpenNew(-1);
    const struct {
        const char* Typ;
        const char* Nr;
        const char* Bez;
    } eintraege[] = {{"T", "01", "Sohle"},         {"T", "02", "Absatz"},        {"T", "03", "Reißverschluss"},
                     {"T", "04", "Naht"},          {"T", "05", "Schaft"},        {"M", "01", "gelöst"},
                     {"M", "02", "gebrochen"},     {"M", "03", "Farbabrieb"},    {"M", "04", "Loch"},
                     {"U", "01", "Umtausch"},      {"U", "02", "Fehlkauf"},      {"U", "03", "Reklamation"},
                     {"U", "04", "falsche Größe"}, {"U", "05", "gefällt nicht"}};
    for (const auto& e : eintraege) {
        rml.ClearBuffer();
        rml.Typ.SetWert(U(e.Typ));
        rml.Nummer.SetWert(U(e.Nr));
        rml.Bez.SetWert(U(e.Bez));
        rml.Write(wrdonInsert);
    }
    Tlstvfile lstv;
    lstv.OpenNew(-1);
    const struct {
        int Beleg;
        const char* ArtNr;
        const char* Grund;
    } rueckgaben[] = {{5001, "100007", "01"}, {5002, "100014", "03"}, {5003, "100021", "04"}, {5004, "100028", "01"}};
    for (const auto& r : rueckgaben) {
        lstv.ClearBuffer();
        lstv.BelegNr.SetWert(r.Beleg);
        lstv.Pos.SetWert(1);
        lstv.ArtNr.SetWert(U(r.ArtNr));
        lstv.Datum.SetDatum(QDate::currentDate().addDays(-r.Beleg % 30));
        lstv.Menge.SetWert(1);
        lstv.RueckgabeGrund.SetWert(U(r.Grund));
        lstv.Write(wrdonInsert);
    }
}

void Rabatte() {
    // Discount types of this computer and their assignments. "Messerabatt" and
    // "Reklamationsnachlass" are used only by a goods group (the third file);
    // "Saisonrabatt" and "Geburtstagsrabatt" are free.
    Trabfile rab;
    rab.OpenNew(-1);
    const struct {
        const char* Typ;
        int Lnr;
        const char* Name;
        const char* Relevanz;
        bool Rekl;
    } arten[] = {{"L", 1, "Mengenrabatt", "B", false}, {"L", 2, "Skonto", "R", false},
                 {"L", 3, "Messerabatt", "W", false},  {"L", 4, "Saisonrabatt", "B", false},
                 {"K", 1, "Treuerabatt", "B", false},  {"K", 2, "Personalrabatt", "W", false},
                 {"K", 3, "Reklamationsnachlass", "B", true}, {"K", 4, "Geburtstagsrabatt", "B", false}};
    for (const auto& a : arten) {
        rab.ClearBuffer();
        rab.Typ.SetWert(U(a.Typ));
        rab.Rnr.SetWert(1);
        rab.Lnr.SetWert(a.Lnr);
        rab.Name.SetWert(U(a.Name));
        rab.Relevanz.SetWert(U(a.Relevanz));
        rab.ReklRab.SetWert(a.Rekl);
        rab.Write(wrdonInsert);
    }
    const auto setze = [](TRabattZuordnungFile& f, const char* typ, int lnr, double prozent) {
        f.RabTyp.SetWert(U(typ));
        f.RabRnr.SetWert(1);
        f.RabLnr.SetWert(lnr);
        f.Prozent.SetWert(prozent);
        f.Write(wrdonInsert);
    };
    Trabafile raba;
    raba.OpenNew(-1);
    for (const char* nr : {"100007", "100014", "100021"}) {
        raba.ClearBuffer();
        raba.ArtNr.SetWert(U(nr));
        setze(raba, "K", 1, 5.0);
    }
    Trablfile rabl;
    rabl.OpenNew(-1);
    for (const int lief : {70001, 70002}) {
        rabl.ClearBuffer();
        rabl.Lieferant.SetWert(lief);
        setze(rabl, "L", 1, 3.0);
        rabl.ClearBuffer();
        rabl.Lieferant.SetWert(lief);
        setze(rabl, "L", 2, 2.0);
    }
    rabl.ClearBuffer();
    rabl.Lieferant.SetWert(70003);
    setze(rabl, "K", 2, 20.0);
    Trabgfile rabg;
    rabg.OpenNew(-1);
    rabg.ClearBuffer();
    rabg.Wgs.SetWert(QStringLiteral("STD"));
    rabg.Wgn.SetWert(QStringLiteral("100"));
    setze(rabg, "L", 3, 4.0);
    rabg.ClearBuffer();
    rabg.Wgs.SetWert(QStringLiteral("STD"));
    rabg.Wgn.SetWert(QStringLiteral("210"));
    setze(rabg, "K", 3, 10.0);
}

void Allgemein() {
    // The general file: number kinds, gift-card scales and one printer type of
    // the user's besides the three given ones.
    Tgmerfile gmer;
    gmer.OpenNew(-1);
    Gmer(gmer, "L", 1, "Lieferantennummer fünfstellig", QStringLiteral("99999"));
    Gmer(gmer, "N", 2, "Kundennummer mit Filiale", QStringLiteral("99 999999"));
    Gmer(gmer, "F", 3, "Filialnummer dreistellig", QStringLiteral("999"));
    Gmer(gmer, "M", 4, "Mandantennummer", QStringLiteral("99"));
    Gmer(gmer, "I", 5, "Personalnummer", QStringLiteral("P 9999"));
    Gmer(gmer, "R", 1, "Gift-Card 25 Euro", GutscheinFormat(Gtin("426012345001"), false, 25, 0, 0));
    Gmer(gmer, "R", 2, "Gift-Card 50 Euro", GutscheinFormat(Gtin("426012345002"), false, 50, 0, 0));
    Gmer(gmer, "R", 3, "Gift-Card Wunschbetrag", GutscheinFormat(Gtin("426012345003"), true, 0, 10, 500));
    Gmer(gmer, "D", 4, "Packtischdrucker", QStringLiteral("LEER"));

    // GTIN company prefixes and the prefix lengths of GS1.
    Tnkfile nk;
    nk.OpenNew(-1);
    const std::pair<const char*, const char*> bereiche[] = {
        {"4260123", "EXT"}, {"4012345", "EXT"}, {"20012345", "INT"}, {"299", "INT"}};
    for (const auto& [start, verwendung] : bereiche) {
        nk.ClearBuffer();
        nk.NkArt.SetWert(Tnkfile::CArtGTIN);
        nk.Code.SetWert(Tnkfile::CCodeGTIN);
        nk.Verwendung.SetWert(U(verwendung));
        nk.BlockStart.SetWert(U(start));
        nk.BlockEnde.SetWert(U(start));
        nk.Kennzeichen.SetWert(QStringLiteral("N"));
        nk.Write(wrdonInsert);
    }
    Tgcplfile gcpl;
    gcpl.OpenNew(-1);
    const std::pair<const char*, int> laengen[] = {{"20", 0}, {"400", 7}, {"401", 7}, {"4260", 9}, {"440", 7}};
    for (const auto& [nk2, len] : laengen) {
        gcpl.ClearBuffer();
        gcpl.GtinNk.SetWert(U(nk2));
        gcpl.PrefLen.SetWert(len);
        gcpl.Write(wrdonInsert);
    }

    // Purposes of alternative size runs and rules that use two of them; label
    // printing and the online shop are the system's own, "KIND" is free.
    Tggtyfile ggty;
    ggty.OpenNew(-1);
    const struct {
        const char* Typ;
        const char* Bez;
        const char* Aend;
    } zwecke[] = {{"ETIK", "Etikettendruck", "N"}, {"SHOP", "Online-Shop", "N"}, {"LIEF", "Lieferantengrößen", "J"},
                  {"INTL", "Internationale Größen", "J"}, {"KIND", "Kindergrößen", "J"}};
    for (const auto& z : zwecke) {
        ggty.ClearBuffer();
        ggty.Typ.SetWert(U(z.Typ));
        ggty.Bezeichnung.SetWert(U(z.Bez));
        ggty.Aenderbar.SetWert(U(z.Aend));
        ggty.Write(wrdonInsert);
    }
    TAAGGFile aagg;
    aagg.OpenNew(-1);
    const struct {
        const char* Typ;
        const char* Gg;
        const char* Text;
    } regeln[] = {{"SHOP", "D01", "Online-Shop"}, {"LIEF", "H01", "Lieferantengrößen"},
                  {"INTL", "D01", "Internationale Größen"}, {"INTL", "H01", "Internationale Größen"}};
    for (const auto& r : regeln) {
        aagg.ClearBuffer();
        aagg.GgTyp.SetWert(U(r.Typ));
        aagg.Gg.SetWert(U(r.Gg));
        aagg.Lnr.SetWert(1);
        aagg.GgTypText.SetWert(U(r.Text));
        aagg.Write(wrdonInsert);
    }

    // Article groups and actions.
    Tagrufile agru;
    agru.OpenNew(-1);
    const int jahr = QDate::currentDate().year();
    const struct {
        int Typ;
        int Nr;
        const char* Bez;
        QDate Ab;
        QDate Bis;
    } gruppen[] = {{1, 1, "Bestseller", {}, {}},
                   {1, 2, "Neuheiten", {}, {}},
                   {1, 3, "Basics", {}, {}},
                   {2, 1, "Sommerschlussverkauf", QDate(jahr, 7, 1), QDate(jahr, 7, 31)},
                   {2, 2, "Winterschlussverkauf", QDate(jahr, 1, 15), QDate(jahr, 2, 15)},
                   {3, 1, "Umlagerung Saisonende", QDate(jahr, 8, 1), QDate(jahr, 8, 15)},
                   {4, 1, "Frühjahrsprospekt", QDate(jahr, 3, 1), QDate(jahr, 3, 31)}};
    for (const auto& g : gruppen) {
        agru.ClearBuffer();
        agru.Typ.SetWert(g.Typ);
        agru.Nummer.SetWert(g.Nr);
        agru.Bezeichnung.SetWert(U(g.Bez));
        if (g.Ab.isValid()) agru.GueltigAb.SetDatum(g.Ab);
        if (g.Bis.isValid()) agru.GueltigBis.SetDatum(g.Bis);
        agru.Write(wrdonInsert);
    }

    // FTP servers and HTTP services.
    Tinetfile inet;
    inet.OpenNew(-1);
    const struct {
        int Art;
        const char* Name;
        const char* Host;
        int Port;
        const char* Benutzer;
        const char* Pfad;
    } verbindungen[] = {{284, "Lieferant Alpenläufer", "edi.alpenlaeufer.example", 21, "brenner", "/bestellungen"},
                        {284, "Filialdatenaustausch", "ftp.brenner.example", 2121, "filialen", "/austausch"},
                        {3, "Gift-Card-Dienst", "giftcard.example.com", 443, "brenner-kasse",
                         "https://giftcard.example.com/api/v2"},
                        {3, "Online-Shop", "shop.brenner.example", 443, "wws", "https://shop.brenner.example/rest"}};
    for (const auto& v : verbindungen) {
        inet.ClearBuffer();
        inet.Art.SetWert(v.Art);
        inet.Name.SetWert(U(v.Name));
        inet.Host.SetWert(U(v.Host));
        inet.Port.SetWert(v.Port);
        inet.Benutzer.SetWert(U(v.Benutzer));
        inet.Passwort.SetWert(QStringLiteral("demo"));
        inet.Pfad.SetWert(U(v.Pfad));
        inet.Write(wrdonInsert);
    }
}
}  // namespace

void FuelleCodes() {
    Artikeldaten();
    Warengruppen();
    Kennzeichen();
    Rabatte();
    Allgemein();
}
}  // namespace TDemoDatenbank
