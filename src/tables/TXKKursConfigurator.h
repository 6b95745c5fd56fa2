#pragma once
// "KURSE": exchange rates from a source to a foreign currency. A current rate
// gets its inverse rate automatically; a replaced current rate goes to the
// pair's history. A write with its inverse and history records is one posting.

#include "host/managers/TKursMani.h"
#include "host/managers/TWaehrungsListe.h"
#include "registry/TXKAllgTabConfigurator.h"

class Tksfile;
class TSaisonListe;

class TXKKursConfigurator : public TXKAllgTabConfigurator {
public:
    static constexpr const char* KlassenName = "TXKKursConfigurator";
    static int ActiveOnTypes() { return 134; }

    // The overview with the columns at widths at which a rate shows whole.
    bool Execute(const QString& id) override;
    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKKursUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKKursEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Wechselkurse"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Wechselkurse"); }
    int SetCount() override;
    bool GetFirst(QStringList& line) override;
    bool GetNext(QStringList& line) override;
    // A current rate from the system currency, per unit 1, valid from today.
    void FillNewLine(QStringList& line) override;
    bool SwitchControlEnabled_4_Mode_Edit(int index) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void FillWertevorrat(int index, QStringList& liste) override;
    bool StarteWerteauswahl(int index, QString& wert) override;

    static TKursSatz InvertiereKurs(const TKursSatz& satz) { return TKursMani::InvertiereKurs(satz); }
    // "EUR - Euro": how the lists show a currency (at most the field's 30 characters).
    static QString WaehrungsText(const QString& kuerzel, const TWaehrungsListe& liste);
    // The code of a shown currency: the text before " - "; empty when the text has none.
    static QString WaehrungsKuerzel(const QString& text);
    // Old rate per unit in percent of the new rate per unit.
    static double Plausibilitaet(const TKursSatz& alt, const TKursSatz& neu);

    int FFieldIndWaehrung = -1;
    int FFieldIndKursart = -1;
    int FFieldIndLaufendeNummer = -1;
    int FFieldIndJahr = -1;
    int FFieldIndSaison = -1;
    int FFieldIndFremdwaehrung = -1;
    int FFieldIndEinheit = -1;
    int FFieldIndKurs = -1;
    int FFieldIndAbDatum = -1;

    // Whether BuchenTesten of the insert found a current rate of the pair.
    bool FVorhandAktKurs_NeuSchreiben = false;

protected:
    void Resources_Create() override;
    void Resources_InitF() override;
    void Resources_DoneF() override;
    void Resources_Destroy() override;

private:
    void FillFields(QStringList& line) const;
    // The new line as the checks leave it: the year only for settlement and
    // dispo rates (the season's year), the season only for dispo rates.
    QStringList Bereinigt(const QString& code, const QStringList& neu, const TSaisonListe& saisons) const;
    TKursSatz Fuellen(const QString& code, const QStringList& line, const TSaisonListe& saisons) const;
    // The latest rate of the pair valid on the date (any rate type); false when there is none.
    bool VorgaengerKurs(const TKursSatz& neu, TKursSatz& vorgaenger);
    static bool Hinweis(const QString& kategorie, int nummer, const QStringList& args = {});
    static bool FrageKatalog(const QString& kategorie, int nummer, const QStringList& args = {});
    std::unique_ptr<Tksfile> FKsFile;
    TWaehrungsListe FWaehrungen;
};

void InitUnit_XKKurs();
