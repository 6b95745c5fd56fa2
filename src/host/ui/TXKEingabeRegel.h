#pragma once
// Input rules of one field of the single form: which characters may be typed,
// case, length, integer range, float digits; and the check at confirmation.
//
// Allowed characters are either a plain list ("0123456789") or a class code:
// 'c' or 'C' followed by classes. 'c' admits letters, 'C' admits letters and
// turns them to upper case, '9' and '0' admit digits, ' ' admits the blank.
// So "c0" is letters and digits, "C9 " upper-case letters, digits and blanks.

#include "TAllgTabDefinition.h"

#include <QValidator>

class TXKEingabeRegel {
public:
    explicit TXKEingabeRegel(const TXKFeld& feld) : FFeld(feld) {}

    static bool IstKlassenCode(const QString& erlaubt);
    // The character as it is to stand in the field (upper case applied), or a null QChar when refused.
    QChar Zeichen(QChar c) const;
    // The text with refused characters removed and the case applied (pasted input).
    QString Bereinige(const QString& text) const;
    bool UpperCase() const;
    // German refusal text for a confirmed value, empty when it is acceptable.
    // Empty values of required fields are left to the configurator (leerErlaubt).
    QString Pruefe(const QString& wert, bool leerErlaubt) const;

private:
    const TXKFeld& FFeld;
};

// Qt validator over the rule, for line editors.
class TXKEingabeValidator : public QValidator {
public:
    TXKEingabeValidator(const TXKFeld& feld, QObject* parent) : QValidator(parent), FRegel(feld), FFeld(feld) {}
    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    TXKEingabeRegel FRegel;
    const TXKFeld& FFeld;
};
