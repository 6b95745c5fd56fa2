#pragma once
// What the parameter dialog knows of its parameter, read from the catalogue,
// and the rules that do not depend on the window: where the parameter may be
// changed, which editor it gets, how values map to value-list entries, the
// range check of whole numbers.

#include "host/TQLNProgramm.h"

#include <QString>
#include <QStringList>

class TXKParmEdtDaten {
public:
    // Reads the parameter from the catalogue menu of its group (all computer
    // types). Throws Exception for an empty id or group, a missing or empty
    // menu, or a menu without the parameter.
    void ReadParam(const QString& parmKennung, const QString& groupKennung);

    QString FParmKennung;
    QString FParmGroupKennung;
    QString FParmBez;
    QString FParmHilfe;
    QString FParmGroupBez;
    int FParmAvailOnPC = 0;  // computer-type set
    int FParmValid = 0;      // 0 per computer, 2 system-wide
    bool FParmChangeable = false;
    int FParmTyp = 0;
    bool FParmIsCrypted = false;
    bool FParmMitWerteVorrat = false;
    QStringList FParmWerteVorrat;
    QStringList FParmWerteVorrat_Bez;
    int FParmMaxLength = 0;
    int FParmStringSubType = 0;
    int FParmIntegerMin = 0;
    int FParmIntegerMax = 0;

    // Head office and service computer change everything; another computer the
    // parameters of its own type; a branch server also those of the types 0, 2 to 6.
    static bool Changeable(TRTyp_Erw rtyp, int availOnPC);

    bool IstSystemweit() const;
    bool IstIntern() const;  // group "DUMMY"
    bool IstAufRTyp(TRTyp_Erw rtyp) const { return TQLNProgramm::RTypInSet(rtyp, FParmAvailOnPC); }
    QString VerfuegbarText() const;
    QString GueltigkeitText() const;
    QString HinweisText() const;

    struct Editor {
        enum TArt { CheckBox, ComboBox, Edit };
        TArt Art = Edit;
        int FeldTyp = 0;
        int MaxLaenge = 0;
        QString Maske;
        int Minimum = 0;  // field type 6
        int Maximum = 0;
    };
    // Throws Exception "No editor @ <id>!" for a type without an editor.
    Editor EditorFuer() const;

    // Value-list entries as the combo shows them: "value=description" where they differ.
    QStringList ComboEintraege() const;
    // The entry a stored text stands for, -1 when none.
    int ComboIndex(const QString& text) const;
    // The value stored for an entry.
    QString ComboWert(int index) const;
    // Whole numbers without value list: the refusal text, empty when the value is in range.
    QString IntegerPruefung(const QString& text) const;
};
