#pragma once
// The host's parameter store: the values of the program parameters, per
// computer or, for parameters the catalogue marks system-wide, one value for
// the installation (kept under computer number 0).
//
// Reading a per-computer parameter takes the computer's own value; a computer
// without one has the value of computer 1 (the head office), and without that
// the catalogue's default. So a value written for computer 1 reaches every
// computer that has no value of its own.
//
// The parameter must be in the catalogue; an unknown id is an Exception. Every
// write runs in a posting of its own (a savepoint inside an open posting).

#include <QChar>
#include <QString>

class TParameter {
public:
    // The current computer's value.
    static QString GetStringValueByName(const QString& kennung);
    static void SetStringValueByName(const QString& kennung, const QString& wert);

    // The value of a given computer.
    static QString StringParamRead(const QString& kennung, int rnr);
    static void StringParamWrite(const QString& kennung, const QString& wert, int rnr);

    // Typed helpers of the current computer. Integers: the trimmed text, 0 for
    // anything that is no number. Booleans: "J" is true (case ignored),
    // written as "J"/"N". Characters: the first character, a blank when empty.
    static int GetIntegerValueByName(const QString& kennung);
    static void SetIntegerValueByName(const QString& kennung, int wert);
    static bool GetBooleanValueByName(const QString& kennung);
    static void SetBooleanValueByName(const QString& kennung, bool wert);
    static QChar GetCharValueByName(const QString& kennung);
    static void SetCharValueByName(const QString& kennung, QChar wert);
    static bool BooleanParamRead(const QString& kennung, int rnr);

    // True only when a value was stored for the current computer (its own or
    // that of computer 1; the installation's for a system-wide parameter) and
    // it reads "J". A parameter never set is false whatever its default, and
    // the check writes nothing.
    static bool CheckParm_RO_NewIsFalse(const QString& kennung);

    // Whether the computer has a value of its own (system-wide: whether the installation has one).
    static bool HatEigenenWert(const QString& kennung, int rnr);
};
