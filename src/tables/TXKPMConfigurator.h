#pragma once
// "PREISMIND": reasons for selling below the regular price, records of type
// "P" in the general file. When any till posts price reductions to customer
// accounts ("VERKNACH"), each reason names its revenue-reduction account,
// which must exist for every client.

#include "registry/TXKAllgTabConfigurator.h"

#include <QObject>
#include <memory>

class IQLN_KontenServer;
class IQLN_MandantenServer;
class TAppExec;
class Tgmerfile;
struct TIntPair;

class TXKPMConfigurator : public TXKAllgTabConfigurator {
public:
    static constexpr const char* KlassenName = "TXKPMConfigurator";
    TXKPMConfigurator();
    ~TXKPMConfigurator() override;
    static int ActiveOnTypes() { return 134; }
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("VERK"); }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKPMUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKPMEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Preisminderungsgründe"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Preisminderungsgründe"); }
    int FormLabelWidth() override { return 150; }
    bool GetFirst(QStringList& line) override;
    bool GetNext(QStringList& line) override;
    void FillWertevorrat(int index, QStringList& liste) override;
    void EditLabels(int index, QString& caption) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    bool NachlassAufKonto() const { return FNachlassAufKonto; }
    // Stored type letter <-> shown text ("P" Personalrabatt, "K" Kundenrabatt, blank none).
    static QString Datei2Anzeige(const QString& wert, bool zurAnzeige);
    // The account of the line (account mode), upper case; empty without account mode.
    QString Konto(const QStringList& neu) const;
    // Account (or "LEER") padded to 15, then the type letter.
    QString FillFormat(const QStringList& neu) const;
    // Whether the account exists for every client; with anlegen, the missing
    // ones are created and the result is true.
    bool KontoVorhanden(const QString& konto, bool anlegen);
    // Starts the account maintenance for the client's account; false when it did not start.
    bool KontoBearbeitung(const TIntPair& mandant, const QString& konto);
    // After a posting that created accounts: asks whether to edit them now.
    // Runs once the posting is committed (the maintenance program must find
    // the accounts); nothing when they are not there (the posting rolled back).
    void NeueKontenBearbeiten();

    int FFieldIndRnr = -1;
    int FFieldIndLnr = -1;
    int FFieldIndBezeichnung = -1;
    int FFieldIndArt = -1;
    int FFieldIndKonto = -1;  // account mode only

    static constexpr int CBuchungsArt = 91;

protected:
    void Resources_Create() override;
    void Resources_InitF() override;
    void Resources_DoneF() override;
    void Resources_Destroy() override;

private:
    void FillFields(QStringList& line) const;
    bool Lese(int rnr, int lnr);
    int NaechsteLnr();
    bool LeseComputerMitNachlass();
    std::unique_ptr<Tgmerfile> FGmerFile;
    std::unique_ptr<TAppExec> FAppExec;
    IQLN_MandantenServer* FMandantenServer = nullptr;
    IQLN_KontenServer* FKontenServer = nullptr;
    bool FNachlassAufKonto = false;
    QString FNeuesKonto;  // account created by the last posting, waiting for the question
    std::unique_ptr<QObject> FNachBuchung;  // context of the question after the posting
};

void InitUnit_XKPM();
