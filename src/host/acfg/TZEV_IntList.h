#pragma once
// Number lists as short describing text, as the ACfg windows show computer
// lists: "1-3,7,9-11". The text keeps the list exactly, order and repeats
// included: a run of three or more numbers that each exceed the one before by
// one becomes "first-last", everything else is listed one by one. Reading the
// text gives back the very list that was written.
//
// Negative numbers keep their sign: "-5--3" is -5, -4, -3. Blanks around
// numbers, separators and "-" are ignored. A range counts upwards only; "5-3",
// "3-3", empty entries, stray characters and numbers outside 32 bits are
// refused, as is a text that would unfold into more than CMaxAnzahl numbers.

#include <QList>
#include <QString>

class TZEV_IntList {
public:
    static constexpr int CMaxAnzahl = 100000;

    // separator: a text without digits or "-" (e.g. "," or ", "); blanks
    // around it only space the text. Otherwise Exception.
    static QString IntArray_ToBeschreibenderText(const QList<int>& werte, const QString& separator = QStringLiteral(","));

    // Throws Exception with a German text naming the faulty entry.
    static QList<int> IntArray_FromBeschreibenderText(const QString& text, const QString& separator = QStringLiteral(","));
    // The same without exception: false and the reason in fehler.
    static bool IntArray_FromBeschreibenderText(const QString& text, QList<int>& werte, QString* fehler,
                                                const QString& separator = QStringLiteral(","));
};
