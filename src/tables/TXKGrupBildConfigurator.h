#pragma once
// The group-formation family: small numbered lists of the accounting and
// payroll side in the group-formation file, each list one or more kinds of
// record. The base does the work; the members choose kinds, visible fields
// and the usage test before a delete.

#include "host/CQLN_GB_Kennung.h"
#include "registry/TXKAllgTabConfigurator.h"

#include <memory>

class Tgbfile;

class TXKGrupBildConfigurator : public TXKAllgTabConfigurator {
public:
    static constexpr const char* KlassenName = "TXKGrupBildConfigurator";
    TXKGrupBildConfigurator();
    ~TXKGrupBildConfigurator() override;
    static int ActiveOnTypes() { return 134; }

    void DefineFields() override;
    int SetCount() override;
    int FormLabelWidth() override { return 190; }
    bool GetFirst(QStringList& line) override;
    bool GetNext(QStringList& line) override;
    void FillNewLine(QStringList& line) override;
    void FillWertevorrat(int index, QStringList& liste) override;
    bool SwitchControlEnabled_4_Mode_Edit(int index) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    // The next free number of the kind over the legal capacities "J", "N" and blank.
    int FindeFreienGrupBildTyp(QChar kennung);
    const TQLN_GB_Kennungen& Kennungen() const { return FGBKennungen; }

    int FFieldIndKennung = -1;
    int FFieldIndRechtsfaehig = -1;
    int FFieldIndGrupBildTyp = -1;
    int FFieldIndBezeichnung = -1;
    int FFieldIndAenderbar = -1;
    int FFieldIndStatus = -1;
    int FFieldIndLohnarttyp = -1;
    int FFieldIndWirtsjahr = -1;
    int FFieldIndProdStd = -1;
    int FFieldIndKennzeichen = -1;
    int FFieldIndSollzeit = -1;
    int FFieldIndVorstandsamt = -1;
    int FFieldIndFiller = -1;

protected:
    void Resources_Create() override;
    // Members set the kinds, visibility flags and captions, then call this.
    void Resources_InitF() override;
    void Resources_DoneF() override;
    void Resources_Destroy() override;
    // True when the entry of the old line is in use; 1026 has been shown then.
    virtual bool NichtLoeschen(const QStringList& alt);
    // The members' delete test: the base's test, then the usage test.
    // fehlerIstVerwendung: a failure of the usage test counts as a use.
    bool BuchenTestenMitVerwendung(const QString& code, const QStringList& alt, const QStringList& neu,
                                   bool fehlerIstVerwendung);
    static bool ZeigeVerwendet();  // shows 1026; true

    TQLN_GB_Kennungen FGBKennungen;
    bool FFieldKennungVisible = false;
    bool FFieldRechtsf_higVisible = false;
    bool FFieldGrupBildTypVisible = false;
    bool FFieldBezeichnungVisible = false;
    bool FFieldAenderbarVisible = false;
    bool FFieldStatusVisible = false;
    bool FFieldLohnarttypVisible = false;
    bool FFieldWirtsjahrVisible = false;
    bool FFieldProdStdVisible = false;
    bool FFieldKennzeichenVisible = false;
    bool FFieldSollzeitVisible = false;
    bool FFieldVorstandsamtVisible = false;
    bool FFieldFillerVisible = false;
    QString FFieldGrupBildTypName = QStringLiteral("Nummer");
    QString FFieldStatusName = QStringLiteral("Status");
    QString FFieldFillerName = QStringLiteral("Zusatz");

private:
    bool Passt() const;  // the record in the buffer is of one of the kinds
    void FillFields(QStringList& line) const;
    bool SatzSuchen(const QStringList& line);
    void Fuellen(const QStringList& neu);
    static void Meldung(int nummer);
    std::unique_ptr<Tgbfile> FGbFile;
};

class TXKKostenstellenConfigurator : public TXKGrupBildConfigurator {
public:
    static constexpr const char* KlassenName = "TXKKostenstellenConfigurator";
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("FIBU"); }
    QString FormNameUebersicht() override { return QStringLiteral("frmXKKostenstellenUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKKostenstellenEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Kostenstellen"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Kostenstellen"); }
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;

protected:
    void Resources_InitF() override;
    bool NichtLoeschen(const QStringList& alt) override;
};

// Payroll lists: shown only where the installation keeps its payroll in the system.
class TXKGehaltBasisConfigurator : public TXKGrupBildConfigurator {
public:
    static bool Active(const QString& id, const TXKConfiguratorClass& cls);
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("FIBU"); }
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
};

class TXKGehaltConfigurator : public TXKGehaltBasisConfigurator {
public:
    static constexpr const char* KlassenName = "TXKGehaltConfigurator";
    QString FormNameUebersicht() override { return QStringLiteral("frmXKDivGehaltUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKDivGehaltEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Diverse Gehaltsdaten"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Diverse Gehaltsdaten"); }
    // The payroll master's column that stores numbers of the kind; empty when none does.
    static QString GepzSpalte(QChar kennung);

protected:
    void Resources_InitF() override;
    bool NichtLoeschen(const QStringList& alt) override;
};

class TXKBruttolohnConfigurator : public TXKGehaltBasisConfigurator {
public:
    static constexpr const char* KlassenName = "TXKBruttolohnConfigurator";
    QString FormNameUebersicht() override { return QStringLiteral("frmXKBruttolohnUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKBruttolohnEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Brutto-Lohnarten"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Brutto-Lohnarten"); }

protected:
    void Resources_InitF() override;
    bool NichtLoeschen(const QStringList& alt) override;
};

class TXKNettolohnConfigurator : public TXKGehaltBasisConfigurator {
public:
    static constexpr const char* KlassenName = "TXKNettolohnConfigurator";
    QString FormNameUebersicht() override { return QStringLiteral("frmXKNettolohnUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKNettolohnEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Netto-Lohnarten"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Netto-Lohnarten"); }

protected:
    void Resources_InitF() override;
    bool NichtLoeschen(const QStringList& alt) override;
};

class TXKOrgeTypConfigurator : public TXKGrupBildConfigurator {
public:
    static constexpr const char* KlassenName = "TXKOrgeTypConfigurator";
    QString FormNameUebersicht() override { return QStringLiteral("frmXKOrgeTypUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKOrgeTypEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Organisationseinheiten"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Organisationseinheiten"); }

protected:
    void Resources_InitF() override;
};

void InitUnit_XKGrupBild();
