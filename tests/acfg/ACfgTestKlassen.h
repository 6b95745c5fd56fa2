#pragma once
// Data classes, frames and the fixture of the ACfg tests. Each test starts
// with an empty ACfg registry and a fresh database; the registry is put back
// afterwards.

#include "host/Exception.h"
#include "host/TQLNInfo.h"
#include "host/acfg/TZEV_ACfgData_Base.h"
#include "host/acfg/TZEV_ACfg_EditFrame.h"
#include "host/acfg/TZEV_ACfg_Registry.h"
#include "host/acfg/TZEV_Glob_ACfg_Controller.h"
#include "host/records/Tacfgfile.h"
#include "host/records/Trechnerfile.h"
#include "testkit/TestDatenbank.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <gtest/gtest.h>

// Computer types 1 to 3.
constexpr int CTestRTypen = 0b1110;

// A till setting with one value of every kind. Version 2 added Betrag.
class TTestKassenKonfig : public TZEV_ACfgData_Base {
public:
    static constexpr const char* KlassenName = "TTestKassenKonfig";
    static constexpr int Version = 2;
    static TZEV_ACfg_Gueltigkeitsbereich_Erw Gueltigkeitsbereich() { return CACfg_Gueltig_JeRechner; }
    static int RTypen() { return CTestRTypen; }
    explicit TTestKassenKonfig(TZEV_ACfgType_Erw typ) : TZEV_ACfgData_Base(ACfgDataClass<TTestKassenKonfig>(), typ) {}

    QString Text = QStringLiteral("Standard");
    qint64 Anzahl = 3;
    bool Schalter = true;
    double Betrag = 1.5;
    QList<int> Liste;
    TIntTrio Artikel;
    QStringList Texte;

    QString WertText() const override { return Text; }

protected:
    void WerteSchreiben(TZEV_ACfgWerte& w) const override {
        w.SetString("Text", Text);
        w.SetInt("Anzahl", Anzahl);
        w.SetBool("Schalter", Schalter);
        w.SetDouble("Betrag", Betrag);
        w.SetIntList("Liste", Liste);
        w.SetIntTrio("Artikel", Artikel);
        w.SetStringList("Texte", Texte);
    }
    void WerteLesen(const TZEV_ACfgWerte& w, int version) override {
        Text = w.GetString("Text", Text);
        Anzahl = w.GetInt("Anzahl", Anzahl, 0, 1000);
        Schalter = w.GetBool("Schalter", Schalter);
        if (version >= 2) Betrag = w.GetDouble("Betrag", Betrag);
        Liste = w.GetIntList("Liste", Liste);
        Artikel = w.GetIntTrio("Artikel", Artikel);
        Texte = w.GetStringList("Texte", Texte);
    }
    // Numbers by size, so that 9 comes before 10.
    int WerteVergleichen(const TZEV_ACfgData_Base& other) const override {
        const auto& o = static_cast<const TTestKassenKonfig&>(other);
        return Anzahl < o.Anzahl ? -1 : (Anzahl > o.Anzahl ? 1 : 0);
    }
};

// A card terminal that names its own computer. Writing it for computer 99
// fails, as a store that breaks down in the middle of a posting.
class TTestTerminalKonfig : public TZEV_ACfgData_Base {
public:
    static constexpr const char* KlassenName = "TTestTerminalKonfig";
    static constexpr int Version = 1;
    static TZEV_ACfg_Gueltigkeitsbereich_Erw Gueltigkeitsbereich() { return CACfg_Gueltig_JeRechner; }
    static int RTypen() { return CTestRTypen; }
    static bool HatEigeneRNr() { return true; }
    explicit TTestTerminalKonfig(TZEV_ACfgType_Erw typ)
        : TZEV_ACfgData_Base(ACfgDataClass<TTestTerminalKonfig>(), typ) {}

    QString Adresse = QStringLiteral("0.0.0.0");
    QString WertText() const override { return Adresse; }

protected:
    void WerteSchreiben(TZEV_ACfgWerte& w) const override {
        if (EigeneRNr() == 99) throw Exception("Rechner 99 ist nicht erreichbar");
        w.SetString("Adresse", Adresse);
    }
    void WerteLesen(const TZEV_ACfgWerte& w, int) override { Adresse = w.GetString("Adresse", Adresse); }
};

// One object for the whole installation.
class TTestSystemKonfig : public TZEV_ACfgData_Base {
public:
    static constexpr const char* KlassenName = "TTestSystemKonfig";
    static constexpr int Version = 1;
    static TZEV_ACfg_Gueltigkeitsbereich_Erw Gueltigkeitsbereich() { return CACfg_Gueltig_Einmal; }
    static int RTypen() { return 0b10; }  // head office only
    explicit TTestSystemKonfig(TZEV_ACfgType_Erw typ) : TZEV_ACfgData_Base(ACfgDataClass<TTestSystemKonfig>(), typ) {}

    QString Text;
    QString WertText() const override { return Text; }

protected:
    void WerteSchreiben(TZEV_ACfgWerte& w) const override { w.SetString("Text", Text); }
    void WerteLesen(const TZEV_ACfgWerte& w, int) override { Text = w.GetString("Text"); }
};

// A yes/no switch, as the members of a group.
class TTestSchalter : public TZEV_ACfgData_Base {
public:
    static constexpr const char* KlassenName = "TTestSchalter";
    static constexpr int Version = 1;
    static TZEV_ACfg_Gueltigkeitsbereich_Erw Gueltigkeitsbereich() { return CACfg_Gueltig_JeRechner; }
    static int RTypen() { return CTestRTypen; }
    explicit TTestSchalter(TZEV_ACfgType_Erw typ) : TZEV_ACfgData_Base(ACfgDataClass<TTestSchalter>(), typ) {}

    bool An = false;
    QString WertText() const override { return An ? QStringLiteral("Ja") : QStringLiteral("Nein"); }

protected:
    void WerteSchreiben(TZEV_ACfgWerte& w) const override { w.SetBool("An", An); }
    void WerteLesen(const TZEV_ACfgWerte& w, int) override { An = w.GetBool("An"); }
};

// Edits Text of a TTestKassenKonfig (or Adresse of a terminal); an empty text
// is refused. It writes before it checks, so that a provider that handed the
// same object to every attempt would keep the refused value.
class TTestFrame : public QWidget, public IZEV_KonfigEditFrame {
public:
    static constexpr const char* KlassenName = "TTestFrame";
    explicit TTestFrame(QWidget* owner) : QWidget(owner) {
        auto* l = new QVBoxLayout(this);
        edtText = new QLineEdit(this);
        l->addWidget(edtText);
    }
    QLineEdit* edtText;
    inline static int Gelesen = 0;

    void Konfig_2_Frame(TZEV_ACfgData_Base& konfig) override {
        if (auto* k = dynamic_cast<TTestKassenKonfig*>(&konfig)) edtText->setText(k->Text);
        if (auto* t = dynamic_cast<TTestTerminalKonfig*>(&konfig)) edtText->setText(t->Adresse);
    }
    bool Frame_2_Konfig(TZEV_ACfgData_Base& konfig) override {
        ++Gelesen;
        if (auto* k = dynamic_cast<TTestKassenKonfig*>(&konfig)) {
            k->Text = edtText->text();
            k->Anzahl += 1;  // shows whether the object was fresh
            if (k->Text.isEmpty()) {
                TQLNInfo::ShowMeldung(mkHinweis, {QStringLiteral("Bitte geben Sie einen Text ein!")},
                                      QStringLiteral("STANDARD"), 997);
                return false;
            }
        }
        if (auto* t = dynamic_cast<TTestTerminalKonfig*>(&konfig)) t->Adresse = edtText->text();
        return true;
    }
};

// One check box per switch of the group.
class TTestGruppenFrame : public QWidget, public IZEV_MultKonfigEditFrame {
public:
    static constexpr const char* KlassenName = "TTestGruppenFrame";
    explicit TTestGruppenFrame(QWidget* owner) : QWidget(owner) { new QVBoxLayout(this); }
    QList<QCheckBox*> Boxen;

    void Konfigs_2_Frame(TZEV_ACfgDataListe& konfigs) override {
        for (int i = 0; i < konfigs.Count(); ++i) {
            auto* box = new QCheckBox(QString::number(konfigs.Get(i).ACfgTyp()), this);
            box->setChecked(static_cast<TTestSchalter&>(konfigs.Get(i)).An);
            layout()->addWidget(box);
            Boxen << box;
        }
    }
    bool Frame_2_Konfigs(TZEV_ACfgDataListe& konfigs) override {
        for (int i = 0; i < konfigs.Count(); ++i) static_cast<TTestSchalter&>(konfigs.Get(i)).An = Boxen[i]->isChecked();
        return true;
    }
};

// Catalogue types the tests bind their classes to.
constexpr TZEV_ACfgType_Erw CTypKasse = 66;
constexpr TZEV_ACfgType_Erw CTypTerminal = 38;
constexpr TZEV_ACfgType_Erw CTypSystem = 174;
constexpr TZEV_ACfgType_Erw CTypGruppe = 58;  // members 59 to 63

inline std::unique_ptr<TTestKassenKonfig> Kasse(const QString& text, qint64 anzahl = 3) {
    auto k = std::make_unique<TTestKassenKonfig>(CTypKasse);
    k->Text = text;
    k->Anzahl = anzahl;
    return k;
}

class ACfgTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestDatenbank::Oeffne();
        FAlt = TZEV_ACfg_Registry::Registrierungen();
        TZEV_ACfg_Registry::Registrierungen() = {};
        TTestFrame::Gelesen = 0;
    }
    void TearDown() override {
        TZEV_ACfg_Registry::Registrierungen() = FAlt;
        TZEV_ACfg_Registry::InstallXKDienst(nullptr);
    }

    static void Rechner(int rnr, int rtyp) {
        Trechnerfile f;
        f.OpenNew(-1);
        f.ClearBuffer();
        f.Rnr.SetWert(rnr);
        f.RTyp.SetWert(rtyp);
        f.Name.SetWert(QStringLiteral("Rechner %1").arg(rnr));
        f.Write(wrdonInsert);
        f.Close();
    }
    // Computers 1 (head office), 2 and 3 (tills), 4 (workstation: not in the test sets), 99 (till).
    static void Installation() {
        Rechner(1, 1);
        Rechner(2, 3);
        Rechner(3, 3);
        Rechner(4, 4);
        Rechner(99, 3);
    }
    static void RegistriereKasse() {
        TZEV_ACfg_Registry::RegisterACfgClass(CTypKasse, ACfgFrameClass<TTestFrame>(), ACfgDataClass<TTestKassenKonfig>());
    }

    // The stored text of a row, empty when there is none.
    static QString Gespeichert(TZEV_ACfgType_Erw typ, int rnr) {
        Tacfgfile f;
        f.OpenNew(-1);
        f.ClearBuffer();
        f.Typ.SetKeyWert(typ);
        f.Rnr.SetKeyWert(rnr);
        const QString text = f.Get_eq() ? f.Daten.GetWert() : QString();
        f.Close();
        return text;
    }
    static void SpeichereRoh(TZEV_ACfgType_Erw typ, int rnr, const QString& text) {
        Tacfgfile f;
        f.OpenNew(-1);
        f.ClearBuffer();
        f.Typ.SetWert(typ);
        f.Rnr.SetWert(rnr);
        f.Daten.SetWert(text);
        f.Write(wrdonInsert);
        f.Close();
    }
    template <class T>
    static std::unique_ptr<T> Lade(TZEV_ACfgType_Erw typ, int rnr) {
        std::unique_ptr<TZEV_ACfgData_Base> k;
        if (!TZEV_Glob_ACfg_Controller::GetKonfigForACfgType(typ, rnr, k)) return nullptr;
        return std::unique_ptr<T>(dynamic_cast<T*>(k.release()));
    }

private:
    TZEV_ACfg_Registrierungen FAlt;
};
