#pragma once
// The masked edit of the parameter editor: a line edit with a field type and
// a maximum length.
//   0 free text, 1 upper case, 2 number text (digits, comma, minus),
//   3 after a mask ("c" any character, "9" a digit, ";0" at the end: the
//     mask's literals are not part of the value), 6 whole number in a range.

#include <QLineEdit>

class TQLNMaskEdit : public QLineEdit {
    Q_OBJECT
public:
    TQLNMaskEdit(int feldTyp, int maxLaenge, QWidget* parent = nullptr);

    int FeldTyp() const { return FFeldTyp; }
    void SetMaske(const QString& maske);
    const QString& Maske() const { return FMaske; }
    // Field type 6: the range a value may be typed in.
    void SetBereich(int minimum, int maximum);
    int Minimum() const { return FMin; }
    int Maximum() const { return FMax; }

private:
    void Grossschreiben(const QString& text);
    int FFeldTyp;
    QString FMaske;
    int FMin = 0;
    int FMax = 0;
};
