// Demo installation: goods-group systems with groups and article assignments,
// price-reduction reasons with their revenue-reduction accounts, seasons
// without year and article prices per season, customer attributes with
// values, cost centres, salary data and wage types with the payroll records
// that use them, organisation units, and the reasons for movements, value
// changes and handling-store requests with tasks. Some entries are in use and
// some are not, so that every delete test has something to find.

#include "TDemoDatenbank.h"

#include "host/CQLN_GB_Kennung.h"
#include "host/QLNBuchung.h"
#include "host/TQLNProgramm.h"
#include "host/managers/TQLN_KontenServer.h"
#include "host/managers/TQLN_MandantenServer.h"
#include "host/records/TGepzFile.h"
#include "host/records/TGrndFile.h"
#include "host/records/TZPFile.h"
#include "host/records/Taufgfile.h"
#include "host/records/Tawgsfile.h"
#include "host/records/Tfbdefile.h"
#include "host/records/Tgbfile.h"
#include "host/records/Tgmerfile.h"
#include "host/records/Tguvfile.h"
#include "host/records/Tlartfile.h"
#include "host/records/Tmerfile.h"
#include "host/records/Tnbafile.h"
#include "host/records/TStfile.h"
#include "host/records/Tsbfile.h"
#include "host/records/Twgnfile.h"
#include "host/records/Twgsfile.h"

#include <QDate>

namespace TDemoDatenbank {
namespace {
QString U(const char* t) { return QString::fromUtf8(t); }

void Warengruppensysteme() {
    Twgsfile wgs;
    wgs.OpenNew(-1);
    const struct {
        const char* PrimAlt;
        const char* Kennung;
        const char* Text;
        bool Aenderbar;
        const char* Hierarchie;
        bool Optional;
    } systeme[] = {{"P", "STD", "Standard-Warengruppen", true, "122", false},
                   {"A", "WEB", "Onlineshop-Kategorien", true, "1122", true},
                   {"A", "OUT", "Outlet-Sortiment (vom System vorgegeben)", false, "112", true}};
    for (const auto& s : systeme) {
        wgs.ClearBuffer();
        wgs.PrimAlt.SetWert(U(s.PrimAlt));
        wgs.Kennung.SetWert(U(s.Kennung));
        wgs.Text.SetWert(U(s.Text));
        wgs.Aenderbar.SetWert(s.Aenderbar);
        wgs.Hierarchie.SetWert(U(s.Hierarchie));
        wgs.ZuordOpt.SetWert(s.Optional);
        wgs.AktPas.SetWert(true);
        wgs.Mehrfach.SetWert(QString::fromUtf8(s.Kennung) == QLatin1String("WEB"));
        wgs.UntEbene.SetWert(true);
        wgs.BezDyn.SetWert(false);
        wgs.Write(wrdonInsert);
    }
    // The online-shop categories have groups but no articles yet: that system can be deleted.
    Twgnfile wgn;
    wgn.OpenNew(-1);
    const std::pair<const char*, const char*> kategorien[] = {
        {"1010", "Damen Schuhe"}, {"1020", "Damen Taschen"}, {"2010", "Herren Schuhe"}, {"3010", "Kinder"}};
    for (const auto& [nr, bez] : kategorien) {
        wgn.ClearBuffer();
        wgn.Wgs.SetWert(QStringLiteral("WEB"));
        wgn.Wgn.SetWert(U(nr));
        wgn.Bezeichnung.SetWert(U(bez));
        wgn.Write(wrdonInsert);
    }
    // Articles of the demo master assigned to the standard groups.
    const char* gruppen[] = {"100", "110", "120", "200", "210", "300", "400", "410", "500"};
    Tawgsfile awgs;
    awgs.OpenNew(-1);
    for (int i = 1; i <= 60; ++i) {
        awgs.ClearBuffer();
        awgs.ArtNr.SetWert(QString::number(100000 + i * 7));
        awgs.Wgs.SetWert(QStringLiteral("STD"));
        awgs.Wgn.SetWert(U(gruppen[i % int(std::size(gruppen))]));
        awgs.Write(wrdonInsert);
    }
}

void Preisminderungsgruende() {
    // Reasons of type "P": account short name padded to 15, then the type letter.
    const struct {
        int Lnr;
        const char* Bez;
        const char* Konto;
        const char* Art;
    } gruende[] = {{1, "Personalrabatt Mitarbeiter", "PERSRABATT", "P"},
                   {2, "Stammkundenrabatt", "KUNDRABATT", "K"},
                   {3, "Mängelware", "MAENGEL", " "},
                   {4, "Ausstellungsstück", "AUSSTELL", " "}};
    Tgmerfile gmer;
    gmer.OpenNew(-1);
    for (const auto& g : gruende) {
        gmer.ClearBuffer();
        gmer.Typ.SetWert(QStringLiteral("P"));
        gmer.Rnr.SetWert(1);
        gmer.Lnr.SetWert(g.Lnr);
        gmer.Bezeichnung.SetWert(U(g.Bez));
        gmer.Format.SetWert(U(g.Konto).leftJustified(15, QLatin1Char(' ')) + U(g.Art));
        gmer.Write(wrdonInsert);
    }
    // Their accounts for every client; "AUSSTELL" only for the first, so that
    // posting that reason creates the missing account.
    TQLN_MandantenServer mandanten;
    TQLN_KontenServer konten;
    TQLN_MandantInfo m;
    for (int i = 0; mandanten.Mandant_GoCiN(i, m); ++i) {
        for (const auto& g : gruende) {
            if (i > 0 && QLatin1String(g.Konto) == QLatin1String("AUSSTELL")) continue;
            if (konten.KontoVorhanden(m.Id, U(g.Konto))) continue;  // clients sharing an id
            TskSatz satz;
            satz.Mandant = m.Id;
            satz.Text1 = U(g.Konto);
            satz.Text2 = U(g.Bez);
            satz.Text3 = U(g.Konto);
            satz.Kennzeichen = {QChar('G'), QChar('E'), QChar('N'), QChar('A'), QChar('M'), QChar(' ')};
            konten.Konto_Anlegen(satz);
        }
    }
}

void SaisonsUndPreise() {
    // Designations of the seasons without year, and their seasons.
    Tsbfile sb;
    sb.OpenNew(-1);
    const std::pair<const char*, const char*> bezeichnungen[] = {{"GJA", "Ganzjahresware"}, {"ALT", "Altware"}};
    for (const auto& [k, b] : bezeichnungen) {
        sb.ClearBuffer();
        sb.SetIndex(sb.IndexPrimaer);
        sb.Kuerzel.SetKeyWert(U(k));
        if (sb.Get_eq()) continue;
        sb.ClearBuffer();
        sb.Kuerzel.SetWert(U(k));
        sb.AktPas.SetWert(QStringLiteral("a"));
        sb.AendKz.SetWert(QStringLiteral("0"));
        sb.Bezeichnung.SetWert(U(b));
        sb.Write(wrdonInsert);
    }
    TStfile st;
    st.OpenNew(-1);
    const std::pair<const char*, const char*> ohneJahr[] = {{"GJA", "90"}, {"ALT", "99"}};
    for (const auto& [k, kurz] : ohneJahr) {
        st.ClearBuffer();
        st.SaisAbk.SetWert(U(k));
        st.Jahr.SetWert(0);
        st.KurzNr.SetWert(U(kurz));
        st.Write(wrdonInsert);
    }
    // Prices of the articles in last year's and this year's spring/summer and in
    // the old stock; the other seasons have no prices and can be deleted.
    const int jahr = QDate::currentDate().year();
    TZPFile zp;
    zp.OpenNew(-1);
    for (int i = 1; i <= 80; ++i) {
        zp.ClearBuffer();
        zp.ArtNr.SetWert(QString::number(100000 + i * 7));
        zp.Lnr.SetWert(1);
        zp.Sais1Abk.SetWert(QStringLiteral("F"));
        zp.Sais1Jahr.SetWert(i % 2 == 0 ? jahr : jahr - 1);
        if (i % 10 == 0) {
            zp.Sais2Abk.SetWert(QStringLiteral("ALT"));
            zp.Sais2Jahr.SetWert(0);
        }
        zp.VkPreis.SetWert(29.95 + i);
        zp.Write(wrdonInsert);
    }
}

void Gruppe(Tgbfile& gb, int kind, const char* rechtsf, int nummer, const char* bez, const char* aenderbar = "J",
            const char* lohnart = " ", bool prodStd = false, const char* filler = "") {
    gb.ClearBuffer();
    gb.Kennung.SetWert(QString(CQLN_GB_Kennung2Char(kind)));
    gb.Rechtsf.SetWert(U(rechtsf));
    gb.GbTyp.SetWert(nummer);
    gb.Bezeichnung.SetWert(U(bez));
    gb.Aenderbar.SetWert(U(aenderbar));
    gb.LohnartTyp.SetWert(U(lohnart));
    gb.ProdStd.SetWert(prodStd);
    gb.Kennzeichen.SetWert(QStringLiteral(" "));
    gb.Filler.SetWert(U(filler));
    gb.Write(wrdonInsert);
}

void Gruppenbildung() {
    Tgbfile gb;
    gb.OpenNew(-1);
    // Customer attributes and their values: "Newsletter-Thema" has only empty values and can be deleted.
    Gruppe(gb, gbkKundenmerkmal, " ", 101, "Schuhgröße");
    Gruppe(gb, gbkKundenmerkmal, " ", 102, "Lieblingsmarke");
    Gruppe(gb, gbkKundenmerkmal, " ", 103, "Newsletter-Thema");
    Gruppe(gb, gbkKundenmerkmal, " ", 104, "Hobby");
    Tmerfile mer;
    mer.OpenNew(-1);
    const char* groessen[] = {"37", "38", "39", "40", "42", "43", "44"};
    const char* marken[] = {"Gabor", "Lloyd", "Ecco", "Rieker"};
    for (int kunde = 1; kunde <= 20; ++kunde) {
        const std::pair<int, QString> werte[] = {{101, U(groessen[kunde % 7])}, {102, U(marken[kunde % 4])}, {103, QStringLiteral("  ")}};
        for (const auto& [merkmal, wert] : werte) {
            mer.ClearBuffer();
            mer.KundenNr.SetWert(kunde);
            mer.Merkmal.SetWert(merkmal);
            mer.Wert.SetWert(wert);
            mer.Write(wrdonInsert);
        }
    }

    // Cost centres over all three legal capacities; 4 and 5 are not posted to.
    Gruppe(gb, gbkKostenstelle, " ", 1, "Verwaltung", "J", " ", false, "1");
    Gruppe(gb, gbkKostenstelle, " ", 2, "Verkauf Karlsruhe", "J", " ", false, "2");
    Gruppe(gb, gbkKostenstelle, " ", 3, "Verkauf Offenburg", "J", " ", false, "3");
    Gruppe(gb, gbkKostenstelle, "J", 4, "Lager Freiburg", "J", " ", false, "1");
    Gruppe(gb, gbkKostenstelle, "N", 5, "Werbung", "J");
    Tfbdefile fbde;
    fbde.OpenNew(-1);
    fbde.ClearBuffer();
    fbde.Nummer.SetWert(1);
    fbde.Bezeichnung.SetWert(QStringLiteral("Warenverkauf Filialen"));
    fbde.Konto.SetWert(QStringLiteral("8400"));
    fbde.Kst1.SetWert(2);
    fbde.Kst2.SetWert(3);
    fbde.Write(wrdonInsert);
    Tguvfile guv;
    guv.OpenNew(-1);
    guv.ClearBuffer();
    guv.Zeile.SetWert(10);
    guv.Bezeichnung.SetWert(QStringLiteral("Personalkosten Verwaltung"));
    guv.KontoVon.SetWert(QStringLiteral("4100"));
    guv.KontoBis.SetWert(QStringLiteral("4199"));
    guv.Kst1.SetWert(1);
    guv.Write(wrdonInsert);

    // Salary data; the statutory person groups are not changeable.
    Gruppe(gb, gbkKonfession, " ", 1, "römisch-katholisch");
    Gruppe(gb, gbkKonfession, " ", 2, "evangelisch");
    Gruppe(gb, gbkKonfession, " ", 3, "keine Konfession");
    Gruppe(gb, gbkPersonengruppe, " ", 101, "sozialversicherungspflichtig beschäftigt", "N");
    Gruppe(gb, gbkPersonengruppe, " ", 109, "geringfügig beschäftigt", "N");
    Gruppe(gb, gbkStellung, " ", 1, "Angestellte");
    Gruppe(gb, gbkStellung, " ", 2, "Auszubildende");
    Gruppe(gb, gbkVertragsart, " ", 1, "unbefristet");
    Gruppe(gb, gbkVertragsart, " ", 2, "befristet");
    // Wage types.
    Gruppe(gb, gbkBruttolohnart, " ", 1000, "Gehalt", "J", "L", true);
    Gruppe(gb, gbkBruttolohnart, " ", 1100, "Urlaubsgeld", "J", "E");
    Gruppe(gb, gbkBruttolohnart, " ", 1200, "Überstundenzuschlag", "J", "Z", true);
    Gruppe(gb, gbkBruttolohnart, " ", 1300, "Dienstwagen", "J", "S");
    Gruppe(gb, gbkNettolohnart, " ", 500, "Vorschuss", "J", "A");
    Gruppe(gb, gbkNettolohnart, " ", 510, "Kantinenessen", "J", "A");
    // Organisation units.
    Gruppe(gb, gbkOrganisationseinheit, " ", 1, "Filiale");
    Gruppe(gb, gbkOrganisationseinheit, " ", 2, "Abteilung");
    Gruppe(gb, gbkOrganisationseinheit, " ", 3, "Lager");

    // The payroll records that use some of them.
    TGepzFile gepz;
    gepz.OpenNew(-1);
    Tlartfile lart;
    lart.OpenNew(-1);
    Tnbafile nba;
    nba.OpenNew(-1);
    const char* namen[] = {"Anna Keller", "Jonas Weber", "Lea Brandt", "Tim Hoffmann"};
    for (int p = 1; p <= 4; ++p) {
        gepz.ClearBuffer();
        gepz.PersNr.SetWert(p);
        gepz.Name.SetWert(U(namen[p - 1]));
        gepz.Konfess.SetWert(p % 2 == 0 ? 2 : 1);
        gepz.PersGrup.SetWert(101);
        gepz.Stellung.SetWert(p == 4 ? 2 : 1);
        gepz.VertrArt.SetWert(1);
        gepz.Write(wrdonInsert);
        lart.ClearBuffer();
        lart.PersNr.SetWert(p);
        lart.Lnr.SetWert(1);
        lart.LohnartNr.SetWert(1000);
        lart.Betrag.SetWert(2400.0 + p * 150.0);
        lart.Write(wrdonInsert);
        if (p == 2) {
            lart.ClearBuffer();
            lart.PersNr.SetWert(p);
            lart.Lnr.SetWert(2);
            lart.LohnartNr.SetWert(1200);
            lart.Betrag.SetWert(180.0);
            lart.Write(wrdonInsert);
            nba.ClearBuffer();
            nba.PersNr.SetWert(p);
            nba.Lnr.SetWert(1);
            nba.NbaNr.SetWert(500);
            nba.Betrag.SetWert(300.0);
            nba.Write(wrdonInsert);
        }
    }
}

void Gruende() {
    TGrndFile grnd;
    grnd.OpenNew(-1);
    const struct {
        const char* Kuerzel;
        const char* Lang;
        const char* Kurz;
        int Reihenfolge;
        bool Eilt;
        bool NurAufgabe;
    } gruende[] = {{"BEW", "Inventurdifferenz", "Inventur", 0, false, false},
                   {"BEW", "Bruch / Verderb", "Bruch", 0, false, false},
                   {"BEW", "Eigenverbrauch", "Eigenverbr", 0, false, false},
                   {"WEG", "Preissenkung", "Preis -", 0, false, false},
                   {"WEG", "Preiserhöhung", "Preis +", 0, false, false},
                   {"WEG", "Abwertung Altware", "Abwertung", 0, false, false},
                   {"HAG", "Filialbedarf", "", 1, true, false},
                   {"HAG", "Kundenbestellung", "", 2, true, false},
                   {"HAG", "Saisonwechsel", "", 5, false, true}};
    TIntTrio filialbedarf;
    for (const auto& g : gruende) {
        // Each reason's id is the protocol number of a posting of its own.
        QLNBuchung b(1, QStringLiteral("TDemoDatenbank.Gruende"));
        grnd.ClearBuffer();
        grnd.Kuerzel.SetWert(U(g.Kuerzel));
        const TIntTrio id{1, qint32(b.ProtokollId()), 0};
        grnd.Id.SetWert(id);
        grnd.LangBez.SetWert(U(g.Lang));
        grnd.KurzBez.SetWert(U(g.Kurz));
        grnd.Prioritaet.SetWert(g.Eilt);
        grnd.Reihenfolge.SetWert(g.Reihenfolge);
        grnd.NurAufgabe.SetWert(g.NurAufgabe);
        grnd.Aktiv.SetWert(true);
        grnd.Write(wrdonInsert);
        b.Ende(QStringLiteral("TDemoDatenbank.Gruende"));
        if (QLatin1String(g.Lang) == QLatin1String("Filialbedarf")) filialbedarf = id;
    }
    // Tasks raised for the branch demand: that reason cannot be deleted.
    Taufgfile aufg;
    aufg.OpenNew(-1);
    for (int i = 1; i <= 3; ++i) {
        QLNBuchung b(1, QStringLiteral("TDemoDatenbank.Aufgaben"));
        aufg.ClearBuffer();
        aufg.Id.SetWert({1, qint32(b.ProtokollId()), 0});
        aufg.Art.SetWert(Taufgfile::CArtHandlagerAnforderung);
        aufg.Grund.SetWert(filialbedarf);
        aufg.Text.SetWert(QStringLiteral("Anforderung Filiale Karlsruhe Nr. %1").arg(i));
        aufg.Erledigt.SetWert(i == 1);
        aufg.Write(wrdonInsert);
        b.Ende(QStringLiteral("TDemoDatenbank.Aufgaben"));
    }
}
}  // namespace

void FuelleGruppen() {
    Warengruppensysteme();
    Preisminderungsgruende();
    SaisonsUndPreise();
    Gruppenbildung();
    Gruende();
}
}  // namespace TDemoDatenbank
