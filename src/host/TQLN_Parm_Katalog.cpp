#include "TQLN_Parm_Katalog.h"

#include "Exception.h"
#include "TQLNProgramm.h"

#include <QFile>
#include <QRegularExpression>

const std::array<TParmGroup_2_TriveltaGroup, 15> C_ParmGroup_2_TriveltaGroup = {{
    {"ARTIKEL", "ARTV"},
    {"ARTIKEL", "PRODUKTE"},
    {"ETIKETT", "BELI"},
    {"ETIKETT", "ARTV"},
    {"KASSE", "VERK"},
    {"TSE", "VERK"},
    {"KUNDEN", "VERK"},
    {"KUNDEN", "OLSHOP"},
    {"ONLINE", "OLSHOP"},
    {"EINKAUF", "ARTV"},
    {"INVENTUR", "INVT"},
    {"FIBUVERW", "FIBU"},
    {"REKO", "FIBU"},
    {"PERSONAL", "FIBU"},
    {"ZEWI", "ZEWI"},
}};

const TQLN_Parm_MenuItem* TQLN_Parm_Menu::GetFirst() const {
    FPos = 0;
    return Items.empty() ? nullptr : &Items.front();
}

const TQLN_Parm_MenuItem* TQLN_Parm_Menu::GetNext() const {
    if (FPos < 0 || FPos + 1 >= int(Items.size())) {
        FPos = int(Items.size());
        return nullptr;
    }
    return &Items[size_t(++FPos)];
}

// --- reading the catalogue text ----------------------------------------------

namespace {
// A failure of one line: the reader adds source, line number and the line.
struct ZeilenFehler {
    QString Grund;
    int Zeile = -1;  // another line than the one being read
};

[[noreturn]] void Fehler(const QString& grund) { throw ZeilenFehler{grund}; }

QString Entschaerft(const QString& text) {
    // "\n" in a text is a line break.
    QString t = text;
    return t.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
}

int Zahl(const QString& text, const char* was) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok) Fehler(QStringLiteral("%1 \"%2\" ist keine ganze Zahl").arg(QLatin1String(was), text));
    return v;
}

// "*" for the types 1 to 7, else a comma list of type numbers 0 to 7.
int RTypenSet(const QString& text) {
    if (text.trimmed() == QLatin1String("*")) return C_RTypen_Alle;
    int set = 0;
    const QStringList teile = text.split(QLatin1Char(','));
    for (const QString& t : teile) {
        const int typ = Zahl(t, "Der Rechnertyp");
        if (typ < 0 || typ > 7) Fehler(QStringLiteral("Rechnertyp %1 gibt es nicht (0 bis 7)").arg(typ));
        set |= 1 << typ;
    }
    return set;
}

bool IstKennung(const QString& k) {
    static const QRegularExpression re(QStringLiteral("^[A-Z0-9_]{1,8}$"));
    return re.match(k).hasMatch();
}

QString Mitte(const QString& s, const QString& name) {
    if (s.trimmed().isEmpty()) Fehler(QStringLiteral("%1 fehlt").arg(name));
    return s.trimmed();
}

// Whether a value (a stored one, the default or a value-list element) fits the parameter.
QString WertFehler(const TQLN_Parm_Def& d, const QString& w) {
    switch (d.Typ) {
        case ptBoolean:
            if (w != QLatin1String("J") && w != QLatin1String("N")) return QStringLiteral("erwartet J oder N");
            break;
        case ptZeichen:
            if (w.size() != 1) return QStringLiteral("erwartet genau ein Zeichen");
            break;
        case ptText10:
            if (w.size() > 10) return QStringLiteral("höchstens 10 Zeichen");
            break;
        case ptInteger: {
            bool ok = false;
            const int v = w.toInt(&ok);
            if (!ok) return QStringLiteral("keine ganze Zahl");
            if (v < d.IntegerMin || v > d.IntegerMax)
                return QStringLiteral("außerhalb von %1 bis %2").arg(d.IntegerMin).arg(d.IntegerMax);
            break;
        }
        case ptZahl13:
        case ptZahl17: {
            static const QRegularExpression re(QStringLiteral("^-?[0-9]*(,[0-9]*)?$"));
            const int max = d.Typ == ptZahl13 ? 13 : 17;
            if (w.size() > max || !re.match(w).hasMatch())
                return QStringLiteral("erwartet eine Zahl mit höchstens %1 Zeichen").arg(max);
            break;
        }
        case ptString:
            if (w.size() > d.MaxLaenge) return QStringLiteral("höchstens %1 Zeichen").arg(d.MaxLaenge);
            if (d.StringSubTyp == CParmStringZiffern && !w.isEmpty() &&
                !QRegularExpression(QStringLiteral("^[0-9]+$")).match(w).hasMatch())
                return QStringLiteral("nur Ziffern erlaubt");
            if (d.StringSubTyp != CParmStringFrei && d.StringSubTyp != CParmStringZiffern && w != w.toUpper())
                return QStringLiteral("nur Großbuchstaben erlaubt");
            break;
    }
    return {};
}

// A parameter line: PARM|id|caption|types|validity|type|a|b|protected|default|help
TQLN_Parm_Def LiesParm(const QStringList& f) {
    if (f.size() != 11) Fehler(QStringLiteral("PARM erwartet 11 Felder, die Zeile hat %1").arg(f.size()));
    TQLN_Parm_Def d;
    d.Kennung = f[1].trimmed();
    if (!IstKennung(d.Kennung))
        Fehler(QStringLiteral("Die Kennung \"%1\" ist ungültig (1 bis 8 Großbuchstaben, Ziffern oder _)").arg(d.Kennung));
    d.Bezeichnung = Mitte(f[2], QStringLiteral("Die Bezeichnung"));
    d.RTypen = RTypenSet(f[3]);
    d.Gueltigkeit = Zahl(f[4], "Die Gültigkeit");
    if (d.Gueltigkeit != CParmGueltigProRechner && d.Gueltigkeit != CParmGueltigSystemweit)
        Fehler(QStringLiteral("Die Gültigkeit muss 0 (je Rechner) oder 2 (systemweit) sein"));
    d.Typ = Zahl(f[5], "Der Werttyp");
    if (d.Typ < ptBoolean || d.Typ > ptString) Fehler(QStringLiteral("Den Werttyp %1 gibt es nicht (1 bis 7)").arg(d.Typ));
    const bool mitAB = d.Typ == ptInteger || d.Typ == ptString;
    if (!mitAB && (!f[6].trimmed().isEmpty() || !f[7].trimmed().isEmpty()))
        Fehler(QStringLiteral("Länge oder Bereich gibt es nur für die Werttypen 4 und 7"));
    if (d.Typ == ptInteger) {
        d.IntegerMin = Zahl(f[6], "Das Minimum");
        d.IntegerMax = Zahl(f[7], "Das Maximum");
        if (d.IntegerMin > d.IntegerMax) Fehler(QStringLiteral("Das Minimum ist größer als das Maximum"));
    } else if (d.Typ == ptString) {
        d.MaxLaenge = Zahl(f[6], "Die Länge");
        if (d.MaxLaenge < 1 || d.MaxLaenge > 255) Fehler(QStringLiteral("Die Länge muss zwischen 1 und 255 liegen"));
        d.StringSubTyp = Zahl(f[7], "Der Untertyp");
    }
    const QString geschuetzt = f[8].trimmed();
    if (geschuetzt != QLatin1String("J") && geschuetzt != QLatin1String("N"))
        Fehler(QStringLiteral("Der Schutz muss J oder N sein"));
    d.Geschuetzt = geschuetzt == QLatin1String("J");
    d.Vorgabe = f[9].trimmed();
    d.Hilfe = Entschaerft(f[10].trimmed());
    if (const QString g = WertFehler(d, d.Vorgabe); !g.isEmpty())
        Fehler(QStringLiteral("Der Vorgabewert \"%1\" passt nicht zum Parameter: %2").arg(d.Vorgabe, g));
    return d;
}

void PruefeWertVorrat(const TQLN_Parm_Def& d, int zeile) {
    if (d.WerteVorrat.isEmpty()) return;
    bool vorgabeDabei = false;
    for (const TQLN_Parm_Wert& w : d.WerteVorrat) vorgabeDabei = vorgabeDabei || w.Wert == d.Vorgabe;
    if (!vorgabeDabei)
        throw ZeilenFehler{
            QStringLiteral("Der Vorgabewert \"%1\" von %2 fehlt in seinem Wertevorrat").arg(d.Vorgabe, d.Kennung), zeile};
}
}  // namespace

void TQLN_Parm_KatalogDaten::Lade(const QString& inhalt, const QString& quelle) {
    Gruppen.clear();
    Parms.clear();
    Versionen.clear();
    const QStringList zeilen = inhalt.split(QLatin1Char('\n'));
    Gruppe* gruppe = nullptr;
    TQLN_Parm_Def* parm = nullptr;  // the parameter a value-list line belongs to
    int parmZeile = 0;
    int nr = 0;
    const auto ende = [&] {
        // The value list of a parameter is complete at its next non-value line.
        if (parm) PruefeWertVorrat(*parm, parmZeile);
        parm = nullptr;
    };
    try {
        for (; nr < zeilen.size(); ++nr) {
            QString z = zeilen[nr];
            if (z.endsWith(QLatin1Char('\r'))) z.chop(1);
            if (z.trimmed().isEmpty() || z.trimmed().startsWith(QLatin1Char('#'))) continue;
            const QStringList f = z.split(QLatin1Char('|'));
            const QString art = f[0].trimmed();
            if (art == QLatin1String("WERT")) {
                if (!parm) Fehler(QStringLiteral("WERT steht nicht unter einem PARM"));
                if (f.size() != 3) Fehler(QStringLiteral("WERT erwartet 3 Felder, die Zeile hat %1").arg(f.size()));
                const TQLN_Parm_Wert w{f[1].trimmed(), f[2].trimmed()};
                if (w.Wert.isEmpty()) Fehler(QStringLiteral("Der Wert fehlt"));
                if (w.Wert.size() > CParmWertVorratLaenge)
                    Fehler(QStringLiteral("Der Wert \"%1\" ist länger als %2 Zeichen").arg(w.Wert).arg(CParmWertVorratLaenge));
                if (const QString g = WertFehler(*parm, w.Wert); !g.isEmpty())
                    Fehler(QStringLiteral("Der Wert \"%1\" passt nicht zum Parameter: %2").arg(w.Wert, g));
                for (const TQLN_Parm_Wert& v : parm->WerteVorrat)
                    if (v.Wert == w.Wert) Fehler(QStringLiteral("Der Wert \"%1\" steht zweimal im Wertevorrat").arg(w.Wert));
                parm->WerteVorrat.append(w);
                continue;
            }
            ende();
            if (art == QLatin1String("GRUPPE")) {
                if (f.size() != 4) Fehler(QStringLiteral("GRUPPE erwartet 4 Felder, die Zeile hat %1").arg(f.size()));
                const QString name = f[1].trimmed();
                if (!IstKennung(name)) Fehler(QStringLiteral("Der Gruppenname \"%1\" ist ungültig").arg(name));
                for (const Gruppe& g : Gruppen)
                    if (g.Name == name) Fehler(QStringLiteral("Die Gruppe %1 gibt es schon").arg(name));
                Gruppen.append({name, Mitte(f[2], QStringLiteral("Die Bezeichnung")), Entschaerft(f[3].trimmed()), {}});
                gruppe = &Gruppen.last();
            } else if (art == QLatin1String("PARM")) {
                if (!gruppe) Fehler(QStringLiteral("PARM steht vor der ersten GRUPPE"));
                TQLN_Parm_Def d = LiesParm(f);
                if (Parms.contains(d.Kennung))
                    Fehler(QStringLiteral("Den Parameter %1 gibt es schon; in einer weiteren Gruppe steht er als AUCH")
                               .arg(d.Kennung));
                gruppe->Eintraege.append({pmaParameter, d.Kennung});
                parm = &Parms.insert(d.Kennung, d).value();
                parmZeile = nr;
            } else if (art == QLatin1String("AUCH")) {
                if (!gruppe) Fehler(QStringLiteral("AUCH steht vor der ersten GRUPPE"));
                if (f.size() != 2) Fehler(QStringLiteral("AUCH erwartet 2 Felder, die Zeile hat %1").arg(f.size()));
                const QString k = f[1].trimmed();
                if (!Parms.contains(k)) Fehler(QStringLiteral("Den Parameter %1 gibt es (noch) nicht").arg(k));
                for (const Eintrag& e : gruppe->Eintraege)
                    if (e.Art == pmaParameter && e.Text == k)
                        Fehler(QStringLiteral("Der Parameter %1 steht schon in dieser Gruppe").arg(k));
                gruppe->Eintraege.append({pmaParameter, k});
            } else if (art == QLatin1String("TRENNER")) {
                if (!gruppe) Fehler(QStringLiteral("TRENNER steht vor der ersten GRUPPE"));
                if (f.size() != 2) Fehler(QStringLiteral("TRENNER erwartet 2 Felder, die Zeile hat %1").arg(f.size()));
                gruppe->Eintraege.append({pmaUeberschrift, Mitte(f[1], QStringLiteral("Der Text"))});
            } else if (art == QLatin1String("VERSION")) {
                if (f.size() != 5) Fehler(QStringLiteral("VERSION erwartet 5 Felder, die Zeile hat %1").arg(f.size()));
                TZEV_ParmPrCheckVersion v;
                v.Kennung = f[1].trimmed();
                if (!Parms.contains(v.Kennung)) Fehler(QStringLiteral("Den Parameter %1 gibt es nicht").arg(v.Kennung));
                v.Programm = Mitte(f[2], QStringLiteral("Das Programm")).toUpper();
                v.Datum = QDate::fromString(f[3].trimmed(), QStringLiteral("yyyy-MM-dd"));
                if (!v.Datum.isValid()) Fehler(QStringLiteral("Das Datum \"%1\" ist nicht im Format JJJJ-MM-TT").arg(f[3]));
                v.RTypen = RTypenSet(f[4]);
                Versionen.append(v);
            } else {
                Fehler(QStringLiteral("Unbekannte Zeilenart \"%1\"").arg(art));
            }
        }
        ende();
    } catch (const ZeilenFehler& e) {
        if (e.Zeile >= 0) nr = e.Zeile;
        throw Exception(QStringLiteral("Parameterkatalog %1, Zeile %2: %3.\n%4")
                            .arg(quelle)
                            .arg(nr + 1)
                            .arg(e.Grund, zeilen.value(nr).trimmed()));
    }
}

// --- the running catalogue ----------------------------------------------------

namespace {
struct Katalog {
    std::unique_ptr<TQLN_Parm_KatalogDaten> Daten;
};
Katalog& K() {
    static Katalog k;
    return k;
}

const TQLN_Parm_Def* Def(const QString& kennung) {
    const auto& parms = TQLN_Parm_Katalog::Daten().Parms;
    const auto it = parms.constFind(kennung.trimmed().toUpper());
    return it == parms.cend() ? nullptr : &it.value();
}

std::shared_ptr<TQLN_Parm_Menu> GruppenMenu(const TQLN_Parm_KatalogDaten::Gruppe& g, int rtypen) {
    auto m = std::make_shared<TQLN_Parm_Menu>();
    m->Name = g.Name;
    m->Caption = g.Caption;
    m->Beschreibung = g.Beschreibung;
    for (const auto& e : g.Eintraege) {
        if (e.Art == pmaUeberschrift) {
            m->Items.push_back({pmaUeberschrift, {}, e.Text, {}, nullptr, nullptr});
            continue;
        }
        const TQLN_Parm_Def* d = Def(e.Text);
        if (!d || (d->RTypen & rtypen) == 0) continue;
        m->Items.push_back({pmaParameter, d->Kennung, d->Bezeichnung, d->Hilfe, d, nullptr});
    }
    // Headings without a parameter below them say nothing.
    std::vector<TQLN_Parm_MenuItem> items;
    for (size_t i = 0; i < m->Items.size(); ++i) {
        const bool leer = m->Items[i].Art == pmaUeberschrift &&
                          (i + 1 == m->Items.size() || m->Items[i + 1].Art == pmaUeberschrift);
        if (!leer) items.push_back(std::move(m->Items[i]));
    }
    m->Items = std::move(items);
    return m;
}
}  // namespace

const TQLN_Parm_KatalogDaten& TQLN_Parm_Katalog::Daten() {
    auto& k = K();
    if (!k.Daten) {
        const QString quelle = QStringLiteral(":/host/parmkatalog.txt");
        QFile f(quelle);
        if (!f.open(QIODevice::ReadOnly))
            throw Exception(QStringLiteral("Der Parameterkatalog %1 kann nicht gelesen werden.").arg(quelle));
        auto d = std::make_unique<TQLN_Parm_KatalogDaten>();
        d->Lade(QString::fromUtf8(f.readAll()), quelle);
        k.Daten = std::move(d);
    }
    return *k.Daten;
}

void TQLN_Parm_Katalog::Installiere(const QString& inhalt, const QString& quelle) {
    if (inhalt.isEmpty()) {
        K().Daten.reset();
        return;
    }
    auto d = std::make_unique<TQLN_Parm_KatalogDaten>();
    d->Lade(inhalt, quelle);
    K().Daten = std::move(d);
}

std::unique_ptr<TQLN_Parm_Menu> TQLN_Parm_Katalog::Menu_Create(const QString& name, int rtypen) {
    const TQLN_Parm_KatalogDaten& daten = Daten();
    if (name.trimmed().isEmpty()) {
        auto m = std::make_unique<TQLN_Parm_Menu>();
        m->Caption = QStringLiteral("Benutzerparameter");
        for (const auto& g : daten.Gruppen) {
            std::shared_ptr<TQLN_Parm_Menu> gm = GruppenMenu(g, rtypen);
            if (gm->Items.empty()) continue;
            m->Items.push_back({pmaGruppe, g.Name, g.Caption, g.Beschreibung, nullptr, gm});
        }
        return m;
    }
    for (const auto& g : daten.Gruppen) {
        if (g.Name.compare(name.trimmed(), Qt::CaseInsensitive) != 0) continue;
        return std::make_unique<TQLN_Parm_Menu>(*GruppenMenu(g, rtypen));
    }
    return nullptr;
}

bool TQLN_Parm_Katalog::ParmWert_Vorrat_Existiert(const QString& kennung) {
    const TQLN_Parm_Def* d = Def(kennung);
    return d && !d->WerteVorrat.isEmpty();
}

bool TQLN_Parm_Katalog::ParmWert_Vorrat_Fuer(const QString& kennung, QStringList& bezeichnungen, bool mitBezeichnung,
                                              QStringList& werte) {
    bezeichnungen.clear();
    werte.clear();
    const TQLN_Parm_Def* d = Def(kennung);
    if (!d || d->WerteVorrat.isEmpty()) return false;
    for (const TQLN_Parm_Wert& w : d->WerteVorrat) {
        werte << w.Wert;
        bezeichnungen << (mitBezeichnung ? w.Bezeichnung : w.Wert);
    }
    return true;
}

const TQLN_Parm_Def* TQLN_Parm_Katalog::ParmWert_Def_ByKennung(const QString& kennung) { return Def(kennung); }

const QList<TZEV_ParmPrCheckVersion>& TQLN_Parm_Katalog::GZEV_ParmPrCheckVersion() { return Daten().Versionen; }
