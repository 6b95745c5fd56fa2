#pragma once
// "KONZERNE": the company groups, their member companies (business partners)
// and the installation's own group.

#include "host/managers/TGeschaeftspartnerListe.h"
#include "registry/TXKAllgTabConfigurator.h"

class TKONZFile;
class TKOZZFile;

class TXKKonzernConfigurator : public TXKAllgTabConfigurator {
public:
    static constexpr const char* KlassenName = "TXKKonzernConfigurator";
    static int ActiveOnTypes() { return 134; }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKKonzernUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKKonzernEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Unternehmensgruppen"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Unternehmensgruppen"); }
    int SetCount() override;
    bool GetFirst(QStringList& line) override;
    bool GetNext(QStringList& line) override;
    void FillNewLine(QStringList& line) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;
    bool StarteWerteauswahl(int index, QString& wert) override;
    bool LoescheListboxEintrag(int index, const QString& eintrag) override;

    static QString IdText(const TIntPair& id);
    static TIntPair IdAusText(const QString& text);
    // The entries of the members' list box: one per line, or joined by " // " as the overview shows them.
    static QStringList MitgliedNamen(const QString& wert);

    int FFieldIndId = -1;
    int FFieldIndName = -1;
    int FFieldIndMitglieder = -1;
    int FFieldIndSystemgruppe = -1;

    // The members the edited line stands for, worked out from its list box.
    QList<TGpEintrag> FChosenGEPS;

protected:
    void Resources_Create() override;
    void Resources_InitF() override;
    void Resources_DoneF() override;
    void Resources_Destroy() override;

private:
    void FillFields(QStringList& line);
    QList<TIntPair> GespeicherteMitglieder(const TIntPair& konzern);
    // Every entry of the list box as a partner: a stored member of the group, a
    // partner handed out by the picker, or else the first partner of that name.
    // False with the name of an entry no partner has.
    bool MitgliederAufloesen(const QStringList& alt, const QStringList& neu, QString& unbekannt);
    std::unique_ptr<TKONZFile> FKonzFile;
    std::unique_ptr<TKOZZFile> FKozzFile;
    TGeschaeftspartnerListe FPartner;
    QList<TGpEintrag> FPickerAuswahl;  // partners the picker handed out since the line was opened
};

void InitUnit_XKKonzern();
