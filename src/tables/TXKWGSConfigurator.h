#pragma once
// "WGS": the goods-group systems, the hierarchies in which goods groups are
// numbered. The widths of the six levels make up the system's hierarchy text.

#include "registry/TXKAllgTabConfigurator.h"

#include <memory>

class Twgsfile;

class TXKWGSConfigurator : public TXKAllgTabConfigurator {
public:
    static constexpr const char* KlassenName = "TXKWGSConfigurator";
    TXKWGSConfigurator();
    ~TXKWGSConfigurator() override;
    static int ActiveOnTypes() { return 134; }
    static QString Groups(const QString&, const TXKConfiguratorClass&) {
        return QStringLiteral("ARTV,OLSHOP,PRODUKTE");
    }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKWGSUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKWGSEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Warengruppensysteme"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Warengruppensysteme"); }
    int FormLabelWidth() override { return 330; }
    int SetCount() override;
    bool GetFirst(QStringList& line) override;
    bool GetNext(QStringList& line) override;
    void FillNewLine(QStringList& line) override;
    void FillWertevorrat(int index, QStringList& liste) override;
    TXKComboHandler ComboboxOnChange(int index) override;
    bool SwitchControlEnabled_4_Mode_New(int index) override;
    bool SwitchControlEnabled_4_Mode_Edit(int index) override;
    void EditLabels(int index, QString& caption) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    // Whether the field of the given line may be changed.
    bool FeldAenderbar(int index, const QStringList& line) const;
    // Handler of "P/A": the "optional" field only for alternative systems.
    void SystemComboboxOnChange(const QString& wert);
    // The hierarchy text of the six level widths of a line.
    QString BuildHierarchieStr(const QStringList& line) const;
    // "P" <-> "primär", "A" <-> "alternativ".
    static QString Datei2Anzeige_PA(const QString& wert, bool zurAnzeige);

    int FFieldIndPrimAlt = -1;
    int FFieldIndKennung = -1;
    int FFieldIndText = -1;
    int FFieldIndAktPas = -1;
    int FFieldIndAenderbar = -1;
    int FFieldIndZuordOpt = -1;
    int FFieldIndMehrfach = -1;
    int FFieldIndUntEbene = -1;
    int FFieldIndBezDyn = -1;
    int FFieldIndEbene[6] = {-1, -1, -1, -1, -1, -1};

protected:
    void Resources_Create() override;
    void Resources_InitF() override;
    void Resources_DoneF() override;
    void Resources_Destroy() override;

private:
    void FillFields(QStringList& line) const;
    bool Lese(const QString& kennung);
    void Einfuegen(const QStringList& neu);
    std::unique_ptr<Twgsfile> FWgsFile;
    // The line of the single form is locked as a whole (change of a system
    // that is not changeable); the change handler must not unlock a field.
    bool FZeileGesperrt = false;
};

void InitUnit_XKWGS();
