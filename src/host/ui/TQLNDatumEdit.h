#pragma once
// Date input of the host's forms: typed as TT.MM.JJJJ (or picked from a
// calendar that opens at the date shown, or today), and empty when no date is set.

#include <QDate>
#include <QWidget>

class QLineEdit;
class QToolButton;

class TQLNDatumEdit : public QWidget {
    Q_OBJECT
public:
    explicit TQLNDatumEdit(QWidget* parent = nullptr);

    // "dd.MM.yyyy", or empty.
    QString Text() const;
    void SetText(const QString& text);
    QDate Datum() const;  // invalid when empty or not a date
    QLineEdit* Eingabe() const { return FEdit; }

    // The date the text stands for: TT.MM.JJJJ, also with one-digit day or month
    // and a two-digit year (20xx); invalid for anything else.
    static QDate Lies(const QString& text);

private:
    void ZeigeKalender();
    QLineEdit* FEdit;
    QToolButton* FKnopf;
};
