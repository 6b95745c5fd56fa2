#pragma once
// "GTINBER": the GTIN company prefixes of the installation (number ranges of
// kind 1, code "GTI"), each for internal or external use.

#include "TXKCodeTabConfigurator.h"
#include "host/records/Tnkfile.h"

class TXKGTINConfigurator : public TXKCodeTabConfigurator<Tnkfile> {
public:
    static constexpr const char* KlassenName = "TXKGTINConfigurator";
    TXKGTINConfigurator() : TXKCodeTabConfigurator(KlassenName) {}
    static int ActiveOnTypes() { return 130; }

    // Whether a start number has an accepted count of digits (3, 7, 8 or 9),
    // counted on its value: leading zeros do not count.
    static bool StartnummerGueltig(const QString& start);

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKGTINUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKGTINEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("GTIN-Bereiche"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("GTIN-Bereiche"); }
    int FormLabelWidth() override { return 150; }
    void FillNewLine(QStringList& line) override;
    void FillWertevorrat(int index, QStringList& liste) override;
    bool SortByColumn(int& spalte, bool& aufsteigend) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    int FFieldIndBlockStart = -1;
    int FFieldIndExtInt = -1;
    int FFieldIndBlockEnde = -1;

protected:
    bool GeteilteDatei() const override { return true; }
    void SetzeLeseFilter() override;
    void Resources_InitF() override;
    void FillFields(QStringList& line) override;

private:
    static QString Verwendung(const QString& wert, bool zurAnzeige);
};

void InitUnit_XKGTIN();
