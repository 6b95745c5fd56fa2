#pragma once
// Multi-selection of computers: one check box per computer of the register,
// sorted by number, with a box that checks or clears them all. One computer
// may be left out (the source of a transfer).

#include <QWidget>

class QCheckBox;
class QListWidget;

class TZEV_RechnerAuswahlView : public QWidget {
    Q_OBJECT
public:
    explicit TZEV_RechnerAuswahlView(QWidget* parent = nullptr);
    void Laden();
    // The computer is not offered (and no longer selected).
    void IgnoreRnr_Set(int rnr);
    int IgnoreRnr() const { return FIgnoreRnr; }
    // The checked computers, ascending.
    QList<int> SelRNr_Get() const;
    void SelRNr_Set(const QList<int>& rnrs);
    // The offered computers, ascending.
    QList<int> Angeboten() const;
    QListWidget* Liste() const { return FListe; }
    QCheckBox* AlleBox() const { return FAlle; }

private:
    void Fuellen();
    void AlleGeaendert();
    QListWidget* FListe;
    QCheckBox* FAlle;
    int FIgnoreRnr = 0;
    struct TEintrag {
        int RNr;
        QString Text;
    };
    QList<TEintrag> FRechner;
};
