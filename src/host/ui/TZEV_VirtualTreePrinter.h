#pragma once
// The host's tree printer: prints the visible columns and rows of a tree grid
// as a table with a title, optional parameter lines, the column headers on
// every page and "Seite n von m" below. Long texts wrap inside their column,
// which is never narrower than its longest word; child rows are indented.

#include <QList>
#include <QPair>
#include <QString>
#include <functional>

class QFontMetricsF;
class QPainter;
class QPrinter;
class QWidget;
class TVTQLNVRList;

// Print options (bits).
constexpr int CVTPrintSeitenbreite = 2;  // columns spread over the width of the page
constexpr int CVTPrintQuerformat = 4;    // landscape (also chosen when the columns need it); the user may change it

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
    QList<Spalte> Spalten() const;  // the visible columns with their screen widths
    // Final widths: at least the minimum, at most the natural width where the page allows.
    void Verteile(QList<Spalte>& spalten, const QList<double>& minimum, const QList<double>& natuerlich,
                  double seitenBreite) const;
    QList<Zeile> Zeilen() const;
    // Per column the width of its longest word and of its longest text, in the metrics' units.
    void Breiten(const QList<Spalte>& spalten, const QList<Zeile>& zeilen, const QFontMetricsF& text,
                 const QFontMetricsF& kopf, double einzug, double rand, QList<double>& minimum,
                 QList<double>& natuerlich) const;
    // Whether the longest words of the columns are too wide for a portrait page.
    bool BrauchtQuerformat(const QPrinter& printer) const;
    TVTQLNVRList& FGrid;
    QString FTitel;
    int FOptionen = 0;
    QList<QPair<QString, QString>> FParameter;
};
