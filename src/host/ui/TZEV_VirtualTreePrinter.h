#pragma once
// The host's tree printer: prints the visible columns and rows of a tree grid
// as a table with a title, optional parameter lines, the column headers on
// every page and "Seite n von m" below. Long texts wrap inside their column;
// child rows are indented under their parent.

#include <QList>
#include <QPair>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;
class TVTQLNVRList;

// Print options (bits).
constexpr int CVTPrintGitter = 1;        // lines between rows and columns
constexpr int CVTPrintSeitenbreite = 2;  // columns spread over the width of the page
constexpr int CVTPrintQuerformat = 4;    // landscape, unless the user chooses otherwise

class TZEV_VirtualTreePrinter {
public:
    explicit TZEV_VirtualTreePrinter(TVTQLNVRList& grid);

    void SetTitel(const QString& titel) { FTitel = titel; }
    void SetOptionen(int optionen) { FOptionen = optionen; }
    // A line "caption: text" below the title (selection, period, ...).
    void AddParameterZeile(const QString& caption, const QString& text) { FParameter.append({caption, text}); }

    // Lets the user choose a printer (or a PDF file) and prints; false when cancelled.
    bool Drucken(QWidget* parent);
    // Prints on the given printer; returns the number of pages.
    int Drucke(QPrinter& printer);

    // Seam: chooses the printer instead of the print dialog (true: print).
    using DruckerWahl = std::function<bool(QPrinter& printer, QWidget* parent)>;
    static void SetDruckerWahl(DruckerWahl wahl);  // empty restores the print dialog

private:
    struct Spalte {
        int Index;
        QString Header;
        double Breite;
        Qt::Alignment Ausrichtung;
    };
    struct Zeile {
        QStringList Texte;
        int Tiefe;
    };
    QList<Spalte> Spalten(double seitenBreite) const;
    QList<Zeile> Zeilen() const;
    TVTQLNVRList& FGrid;
    QString FTitel;
    int FOptionen = CVTPrintGitter;
    QList<QPair<QString, QString>> FParameter;
};
