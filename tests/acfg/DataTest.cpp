#include "ACfgTestKlassen.h"

#include <cmath>

namespace {
std::unique_ptr<TTestKassenKonfig> Voll() {
    auto k = std::make_unique<TTestKassenKonfig>(CTypKasse);
    k->Text = QStringLiteral("Zeile 1\nZeile 2\r\\n kein Umbruch = | äöü ß €");
    k->Anzahl = 999;
    k->Schalter = false;
    k->Betrag = 0.1;
    k->Liste = {3, 1, 2, 2, -7, 8, 9, 10};
    k->Artikel = {-1, 2147483647, 0};
    k->Texte = {QString(), QStringLiteral("a=b"), QStringLiteral("\\"), QStringLiteral("\n")};
    return k;
}
std::unique_ptr<TTestKassenKonfig> AusText(const QString& text) {
    auto obj = ACfgDataClass<TTestKassenKonfig>().AusText(CTypKasse, text);
    return std::unique_ptr<TTestKassenKonfig>(static_cast<TTestKassenKonfig*>(obj.release()));
}
int Sign(int c) { return (c > 0) - (c < 0); }
}  // namespace

TEST(ACfgDataTest, StoredTextReadsBackToTheSameObject) {
    const auto k = Voll();
    const QString text = k->Serialisieren();
    EXPECT_TRUE(text.startsWith("ACFG|TTestKassenKonfig|2\nText=Zeile 1\\nZeile 2\\r\\\\n kein Umbruch"));
    const auto g = AusText(text);
    EXPECT_EQ(g->Text, k->Text);
    EXPECT_EQ(g->Anzahl, 999);
    EXPECT_FALSE(g->Schalter);
    EXPECT_EQ(g->Betrag, 0.1);
    EXPECT_EQ(g->Liste, k->Liste);
    EXPECT_EQ(g->Artikel, k->Artikel);
    EXPECT_EQ(g->Texte, k->Texte);
    EXPECT_EQ(g->Serialisieren(), text);  // canonical
    EXPECT_EQ(g->Compare(*k), 0);
    EXPECT_EQ(k->Clone()->Serialisieren(), text);
    EXPECT_EQ(AusText(text + "\n")->Serialisieren(), text);  // a final line break is allowed
}

TEST(ACfgDataTest, DoublesKeepEveryBit) {
    for (const double d : {0.1, 1.0 / 3.0, -0.0, 1e300, -4.9e-324, 123456789.125}) {
        auto k = Kasse(QString());
        k->Betrag = d;
        const auto g = AusText(k->Serialisieren());
        EXPECT_EQ(std::signbit(g->Betrag), std::signbit(d));
        EXPECT_EQ(g->Betrag, d);
    }
}

TEST(ACfgDataTest, AnOlderVersionLoadsWithDefaultsForWhatItLacked) {
    // Version 1 knew no Betrag; a value written under that key anyway is not read.
    const auto g = AusText("ACFG|TTestKassenKonfig|1\nText=alt\nBetrag=7\nVeraltet=x");
    EXPECT_EQ(g->Text, "alt");
    EXPECT_EQ(g->Betrag, 1.5);
    EXPECT_EQ(g->Anzahl, 3);
    EXPECT_TRUE(g->Schalter);
    EXPECT_EQ(AusText("ACFG|TTestKassenKonfig|2")->Text, "Standard");
}

TEST(ACfgDataTest, BrokenStoredTextsAreRefusedWithAClearReason) {
    const QList<std::pair<QString, QString>> faelle{
        {"", "Kopf"},
        {"Text=x", "Kopf"},
        {"ACFG|TTestKassenKonfig", "Kopf"},
        {"ACFG|TTestKassenKonfig|2|5|6", "Kopf"},
        {"ACFG|TTestSystemKonfig|1", "gehört zur Klasse TTestSystemKonfig"},
        {"ACFG|TTestKassenKonfig|3", "neueren Programmversion"},
        {"ACFG|TTestKassenKonfig|0", "Version „0“ ist ungültig"},
        {"ACFG|TTestKassenKonfig|zwei", "Version „zwei“ ist ungültig"},
        {"ACFG|TTestKassenKonfig|2\nText", "Zeile 2"},
        {"ACFG|TTestKassenKonfig|2\n\nText=x", "Zeile 2"},
        {"ACFG|TTestKassenKonfig|2\nText=a\nText=b", "zweimal"},
        {"ACFG|TTestKassenKonfig|2\nTe xt=a", "ungültig"},
        {"ACFG|TTestKassenKonfig|2\nText=a\\", "ungültiges Zeichen"},
        {"ACFG|TTestKassenKonfig|2\nText=a\\t", "ungültiges Zeichen"},
        {"ACFG|TTestKassenKonfig|2\nAnzahl=drei", "keine ganze Zahl"},
        {"ACFG|TTestKassenKonfig|2\nAnzahl= 3", "keine ganze Zahl"},
        {"ACFG|TTestKassenKonfig|2\nAnzahl=1001", "nicht zwischen 0 und 1000"},
        {"ACFG|TTestKassenKonfig|2\nSchalter=ja", "weder J noch N"},
        {"ACFG|TTestKassenKonfig|2\nBetrag=1,5", "keine Zahl"},
        {"ACFG|TTestKassenKonfig|2\nListe=1-", "Zahlenliste"},
        {"ACFG|TTestKassenKonfig|2\nArtikel=1/2", "kein Zahlentripel"},
        {"ACFG|TTestKassenKonfig|2\nArtikel=1/2/99999999999", "kein Zahlentripel"},
        {"ACFG|TTestKassenKonfig|2\nTexte.Anzahl=2\nTexte.0=a", "Texte.1 fehlt"},
        {"ACFG|TTestKassenKonfig|2\nTexte.Anzahl=2000000000", "nicht zwischen 0 und 10000"},
    };
    for (const auto& [text, grund] : faelle) {
        try {
            AusText(text);
            ADD_FAILURE() << "accepted: " << text.toStdString();
        } catch (const Exception& e) {
            EXPECT_TRUE(e.Message().contains(grund)) << text.toStdString() << " -> " << e.Message().toStdString();
        }
    }
}

TEST(ACfgDataTest, WritingAMalformedOrRepeatedKeyIsAFaultOfTheClass) {
    TZEV_ACfgWerte w;
    EXPECT_THROW(w.SetString("mit Blank", "x"), Exception);
    EXPECT_THROW(w.SetString("a=b", "x"), Exception);
    w.SetInt("a", 1);
    EXPECT_THROW(w.SetInt("a", 2), Exception);
}

TEST(ACfgDataTest, ComparisonIsATotalOrderThatIsZeroExactlyForEqualObjects) {
    std::vector<std::unique_ptr<TZEV_ACfgData_Base>> o;
    for (const qint64 anzahl : {10, 9, 3})
        for (const char* text : {"", "a", "b", "a\n"}) {
            o.push_back(Kasse(text, anzahl));
            o.push_back(Kasse(text, anzahl));  // an equal twin
        }
    o.push_back(std::make_unique<TTestKassenKonfig>(CTypKasse + 1));
    o.push_back(std::make_unique<TTestSystemKonfig>(CTypSystem));
    o.push_back(std::make_unique<TTestTerminalKonfig>(CTypTerminal));

    for (const auto& a : o) {
        for (const auto& b : o) {
            const int ab = a->Compare(*b);
            EXPECT_EQ(Sign(ab), -Sign(b->Compare(*a)));
            const bool gleich = &a->Klasse() == &b->Klasse() && a->ACfgTyp() == b->ACfgTyp() &&
                                a->Serialisieren() == b->Serialisieren();
            EXPECT_EQ(ab == 0, gleich) << a->Serialisieren().toStdString() << " / " << b->Serialisieren().toStdString();
            for (const auto& c : o)
                if (ab <= 0 && b->Compare(*c) <= 0) {
                    EXPECT_LE(a->Compare(*c), 0);
                }
        }
    }
    // The class's own order comes first: 9 before 10.
    EXPECT_LT(Kasse("z", 9)->Compare(*Kasse("a", 10)), 0);
}

TEST(ACfgDataTest, TheOwnComputerNumberIsTheBindingNotTheValue) {
    TTestTerminalKonfig a(CTypTerminal), b(CTypTerminal);
    a.Adresse = b.Adresse = "192.168.1.20";
    a.EigeneRNr_Set(2);
    b.EigeneRNr_Set(3);
    EXPECT_EQ(a.Compare(b), 0);
    EXPECT_EQ(a.Serialisieren(), "ACFG|TTestTerminalKonfig|1|2\nAdresse=192.168.1.20");
    EXPECT_EQ(a.Clone()->EigeneRNr(), 2);
    // A class without one keeps none.
    TTestKassenKonfig k(CTypKasse);
    k.EigeneRNr_Set(5);
    EXPECT_EQ(k.EigeneRNr(), 0);
}
