#pragma once
// "MANDLANDZUSATZ": the VAT numbers of a client in other EU countries, and the
// participation in the EU one-stop-shop procedure (country "OSS"), which sets
// up the EU countries and their VAT rates.

#include "host/TQLNProgramm.h"
#include "host/TQLN_LaenderCodes.h"
#include "host/managers/TMandantenListe.h"
#include "registry/TXKAllgTabConfigurator.h"

class TLdfile;
class Tmalzfile;
class Tmwfile;

// Standard and reduced VAT rate of an EU country, in percent.
struct T_MwSt_4_Land {
    QString Land;
    double MwstReduz;
    double MwStNormal;
};

class TXKMandLaenderZusatzConfigurator : public TXKAllgTabConfigurator {
public:
    static constexpr const char* KlassenName = "TXKMandLaenderZusatzConfigurator";
    static int ActiveOnTypes() { return 130; }  // types 1 and 7
    // Only where the installation's own country belongs to the EU.
    static bool Active(const QString& id, const TXKConfiguratorClass& cls) {
        return TXKConfigurator::Active(id, cls) && QLN_LaenderCode_Kuerzel_2_EU_Mitglied(TQLNProgramm::GetLand());
    }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKMandLandZusatzUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKMandLandZusatzEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Mandantenzusatz pro Land"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Mandantenzusatz pro Land"); }
    int SetCount() override;
    bool GetFirst(QStringList& line) override;
    bool GetNext(QStringList& line) override;
    bool SwitchControlEnabled_4_Mode_Edit(int index) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void FillWertevorrat(int index, QStringList& liste) override;

    // The EU VAT table of the set-up, 27 countries in their order.
    static const QList<T_MwSt_4_Land>& MwStTabelleEU();
    // The EU set-up: every EU country of the table that is missing, and for
    // each home VAT designation of standard, reduced or zero rate the matching
    // VAT record of every table country that lacks it (valid from 1 January of
    // this year). Existing records stay as they are. Writes inside the caller's posting.
    static void MwSTSaetzeEU_Einfuegen();
    // The home country's VAT designations by their rate: standard, reduced, none (0 %).
    static void MwStKuerzel_Get(Tmwfile& mw, const QString& land, double normal, double reduziert, QStringList& kzNormal,
                                QStringList& kzReduziert, QStringList& kzOhne);

    int FFieldIndMandant = -1;
    int FFieldIndLand = -1;
    int FFieldIndAbDatum = -1;
    int FFieldIndUStIDNr = -1;
    int FFieldIndAktiv = -1;

protected:
    void Resources_Create() override;
    void Resources_InitF() override;
    void Resources_DoneF() override;
    void Resources_Destroy() override;

private:
    void FillFields(QStringList& line) const;
    bool Lese(const QStringList& line);
    void DatenFuellenUndBuchen(const QString& code, const QStringList& alt, const QStringList& neu);
    static void InsertLDSatz_WN(TLdfile& ld, const QString& land);
    static void InsertMWSatz_WN(Tmwfile& mw, const QString& land, const QStringList& kuerzel, const QString& langBez,
                                double prozent, double abDatum);
    std::unique_ptr<Tmalzfile> FMalzFile;
    TMandantenListe FMandanten;
};

void InitUnit_XKMandLaenderZusatz();
