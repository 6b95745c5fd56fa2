#pragma once
// What the host's generic table windows need from a table configurator: the
// field declarations, the rows, the modes, and the posting protocol. The
// table configurator base (TXKAllgTabConfigurator) implements it.

#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

class TQLNForm;

// Edit modes of the table editor.
enum TXKEFMode : int { xkefNil = 0, xkefView = 1, xkefNew = 2, xkefEdit = 3, xkefDelete = 4, xkefPrint = 5 };
using TXKEFModes = QSet<int>;

enum class TEditCharCase { ecNormal, ecUpperCase };
enum class TXKFeldArt { String, Integer, Float, Date, Boolean, Listbox };

struct TXKFeld {
    QString Name;     // column key
    QString Caption;  // shown to the user
    TXKFeldArt Art = TXKFeldArt::String;
    bool Visible = true;
    bool Wertevorrat = false;    // permitted values from FillWertevorrat
    bool ChangeHandler = false;  // ComboboxOnChange hands back a handler
    bool Picker = false;         // value chosen through StarteWerteauswahl
    int MinLaenge = 0;
    int MaxLaenge = 0;
    QString Text1;
    QString Erlaubt;  // permitted characters, or a class code ("c0", "c9 ", "C9 ")
    TEditCharCase CharCase = TEditCharCase::ecNormal;
    int Minimum = 0, Maximum = 0;  // integer range; both 0: none
    int Vorkomma = 0, Nachkomma = 0;
};

// A change handler of a value-list field: called with the new display value.
using TXKComboHandler = std::function<void(const QString& wert)>;

class TAllgTabDefinition {
public:
    virtual ~TAllgTabDefinition() = default;

    virtual const QList<TXKFeld>& Felder() const = 0;
    virtual QString FormNameUebersicht() = 0;
    virtual QString FormNameEinzelansicht() = 0;
    virtual QString FormCaptionUebersicht() = 0;
    virtual QString FormCaptionEinzelansicht() = 0;
    virtual int FormLabelWidth() = 0;
    virtual int SetCount() = 0;  // -1: not counted
    virtual bool GetFirst(QStringList& line) = 0;
    virtual bool GetNext(QStringList& line) = 0;
    virtual QString TreeLineToReturnValue(const QStringList& line) = 0;
    virtual void FillNewLine(QStringList& line) = 0;
    virtual const TXKEFModes& AllowedModes() const = 0;
    virtual bool SwitchControlEnabled_4_Mode_New(int index) = 0;
    virtual bool SwitchControlEnabled_4_Mode_Edit(int index) = 0;
    virtual bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) = 0;
    virtual void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) = 0;
    virtual void FillWertevorrat(int index, QStringList& liste) = 0;
    virtual TXKComboHandler ComboboxOnChange(int index) = 0;
    virtual bool StarteWerteauswahl(int index, QString& wert) = 0;
    virtual bool LoescheListboxEintrag(int index, const QString& eintrag) = 0;
    virtual void EditLabels(int index, QString& caption) = 0;
    // Initial sort of the overview: column (field index) and ascending; false: read order.
    virtual bool SortByColumn(int& spalte, bool& aufsteigend) = 0;

    // The window the protocol runs under (for progress displays); set by the windows.
    virtual void SetAktivesFenster(TQLNForm* fenster) = 0;
    // Field enabling from a change handler: the single form listens.
    std::function<void(int index, bool enabled)> OnFeldEnabled;
};
