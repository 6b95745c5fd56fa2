#pragma once
// A combo box of the installation's computers ("3 - Kasse 1 (Kasse)"), sorted
// by computer number; each entry carries its number.

#include <QComboBox>

class TZEV_RechnerCombobox : public QComboBox {
    Q_OBJECT
public:
    explicit TZEV_RechnerCombobox(QWidget* parent = nullptr);
    // Reads the computer register; reports a failure and stays empty.
    void Laden();
    int RNr_Get() const;  // 0 when nothing is selected
    // False when the computer is not listed (the selection stays).
    bool RNr_Set(int rnr);
    static QString RechnerText(int rnr, const QString& name, int rtyp);
};
