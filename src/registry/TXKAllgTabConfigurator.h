#pragma once
// Base of the table configurators: declares fields, delivers lines from a
// record file, validates (BuchenTesten) and writes (Buchen) every change the
// user confirms in the host's generic table windows.

#include "TXKConfigurator.h"
#include "host/ui/TAllgTabDefinition.h"

#include <QStringList>
#include <functional>

class TDatenfeld_String;
class TQLNForm;
class TZEV_DBFile;
class Tgmerfile;

class TXKAllgTabConfigurator : public TXKConfigurator, public TAllgTabDefinition {
public:
    static constexpr const char* KlassenName = "TXKAllgTabConfigurator";
    TXKAllgTabConfigurator();

    // Opens the overview and runs it to its end.
    bool Execute(const QString& id) override;
    // The table as a picker: true and the chosen row's return value when the user picked one.
    bool Auswaehlen(QString& wert);

    // --- declarations (DefineFields) ----------------------------------------
    int AddStringField(const QString& name, const QString& caption, bool visible, bool wertevorrat, bool changeHandler,
                       bool picker, int minLaenge, int maxLaenge, const QString& text1, const QString& erlaubt,
                       TEditCharCase charCase);
    int AddIntegerField(const QString& name, const QString& caption, bool visible, bool wertevorrat, int minimum,
                        int maximum);
    int AddFloatField(const QString& name, const QString& caption, bool visible, int vorkomma, int nachkomma);
    int AddDateField(const QString& name, const QString& caption, bool visible);
    int AddBooleanField(const QString& name, const QString& caption, bool visible);
    int AddListboxField(const QString& name, const QString& caption, bool visible, bool picker);
    const QList<TXKFeld>& Felder() const override { return FFelder; }

    // --- the contract the members override ----------------------------------
    virtual void DefineFields() = 0;
    QString FormNameUebersicht() override = 0;
    QString FormNameEinzelansicht() override = 0;
    QString FormCaptionUebersicht() override = 0;
    QString FormCaptionEinzelansicht() override { return FormCaptionUebersicht(); }
    int FormLabelWidth() override { return 120; }
    int SetCount() override { return -1; }
    bool GetFirst(QStringList& line) override = 0;
    bool GetNext(QStringList& line) override = 0;
    QString TreeLineToReturnValue(const QStringList& line) override { return line.value(0); }
    void FillNewLine(QStringList& line) override;  // every field empty
    virtual void SetAllowedModes();                // the default set: view, new, change, delete, print
    const TXKEFModes& AllowedModes() const override { return FAllowedModes; }
    bool SwitchControlEnabled_4_Mode_New(int) override { return true; }
    bool SwitchControlEnabled_4_Mode_Edit(int) override { return true; }
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override = 0;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override = 0;
    void FillWertevorrat(int, QStringList& liste) override { liste.clear(); }
    TXKComboHandler ComboboxOnChange(int) override { return {}; }
    bool StarteWerteauswahl(int, QString&) override { return false; }
    bool LoescheListboxEintrag(int, const QString&) override { return true; }
    void EditLabels(int, QString&) override {}
    bool SortByColumn(int&, bool&) override { return false; }
    void SetAktivesFenster(TQLNForm* fenster) override { FAktivesFenster = fenster; }
    TQLNForm* AktivesFenster() const { return FAktivesFenster; }

    // --- shared patterns of the members -------------------------------------
    // Refusal text as message 994 "STANDARD"; always returns false.
    static bool Ablehnen(const QString& text);
    // Yes/No question (981 "STANDARD", or 994 where a member asks so); true for Yes.
    static bool Frage(const QString& text, int nummer = 981);
    // Trimmed text as integer; `vorgabe` for anything that is no number.
    static int AlsZahl(const QString& text, int vorgabe = -1);

    // Scans the referencing file from its first record and compares the fields
    // with the code (case ignored); stops at the first match. Shows the progress
    // dialog with the counter "SetsRead". True when the code is in use, and also
    // when the user cancelled the scan (the code is then not known to be unused).
    static bool ScanneVerwendung(TZEV_DBFile& datei, const QList<TDatenfeld_String*>& felder, const QString& code,
                                 const QString& caption, const QString& zaehlerCaption);

    // Next running number in the general file for this computer.
    // Label formats: the "E" rule through a less-or-equal read.
    static int NaechsteLnrEtikettFormat(Tgmerfile& gmer);
    // All others: the highest running number under a filter on this computer and the type letters.
    static int NaechsteLnrGmer(Tgmerfile& gmer, const QStringList& typen);

    // The replace form of a change: a delete finds the line's record (finde) and
    // deletes it; a change deletes the record of the old line and inserts the
    // new one; an insert only inserts. fuelle sets the cleared buffer from the
    // new line. Nothing is written when the old record is not found.
    static void BuchenErsetzend(TZEV_DBFile& datei, const QString& code, const QStringList& alt,
                                const QStringList& neu, const std::function<bool(const QStringList&)>& finde,
                                const std::function<void()>& fuelle);

    // Conversions between stored codes and shown words.
    static QString Konvertiere(const QString& wert, const QStringList& gespeichert, const QStringList& angezeigt,
                               bool zurAnzeige);
    static QString BoolToJN(bool b) { return b ? QStringLiteral("J") : QStringLiteral("N"); }
    static bool JNToBool(const QString& s) { return s.trimmed().compare(QStringLiteral("J"), Qt::CaseInsensitive) == 0; }

protected:
    void Resources_InitF() override;  // declares the fields and the modes
    // Tells the single form to enable or disable a field (change handlers).
    void FeldEnabled(int index, bool enabled);
    TXKEFModes FAllowedModes;

private:
    TXKFeld& NeuesFeld(const QString& name, const QString& caption, TXKFeldArt art, bool visible);
    QList<TXKFeld> FFelder;
    TQLNForm* FAktivesFenster = nullptr;
};
