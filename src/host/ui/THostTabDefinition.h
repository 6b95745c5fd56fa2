#pragma once
// Base of the host's own small table editors (article groups, brands): a table
// definition for the generic overview and single form, with the defaults of
// the table-configurator contract. Lives as a child of its window, so it is
// released after the window is done with it.

#include "TAllgTabDefinition.h"

#include <QObject>

class THostTabDefinition : public QObject, public TAllgTabDefinition {
public:
    THostTabDefinition() = default;

    const QList<TXKFeld>& Felder() const override { return FFelder; }
    int FormLabelWidth() override { return 120; }
    int SetCount() override { return -1; }
    QString TreeLineToReturnValue(const QStringList& line) override { return line.value(0); }
    void FillNewLine(QStringList& line) override;
    const TXKEFModes& AllowedModes() const override { return FModi; }
    bool SwitchControlEnabled_4_Mode_New(int) override { return true; }
    bool SwitchControlEnabled_4_Mode_Edit(int) override { return true; }
    void FillWertevorrat(int, QStringList& liste) override { liste.clear(); }
    TXKComboHandler ComboboxOnChange(int) override { return {}; }
    bool StarteWerteauswahl(int, QString&) override { return false; }
    bool LoescheListboxEintrag(int, const QString&) override { return true; }
    void EditLabels(int, QString&) override {}
    bool SortByColumn(int&, bool&) override { return false; }
    void SetAktivesFenster(TQLNForm* fenster) override { FFenster = fenster; }

protected:
    int Textfeld(const QString& name, const QString& caption, int minLaenge, int maxLaenge, const QString& erlaubt = {},
                 bool grossbuchstaben = false, bool sichtbar = true);
    int Datumsfeld(const QString& name, const QString& caption, bool sichtbar = true);
    int JaNeinFeld(const QString& name, const QString& caption);
    // Refusal text as message 994 "STANDARD"; always false.
    static bool Ablehnen(const QString& text);
    static int AlsZahl(const QString& text, int vorgabe);

    QList<TXKFeld> FFelder;
    TXKEFModes FModi{xkefView, xkefNew, xkefEdit, xkefDelete, xkefPrint};
    TQLNForm* FFenster = nullptr;
};
