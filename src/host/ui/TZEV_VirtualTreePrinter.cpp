#include "TZEV_VirtualTreePrinter.h"

#include "TVTQLNVRList.h"
#include "host/Exception.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextOption>
#include <QRegularExpression>

namespace {
// A word may claim at most this share of the page's width.
constexpr double CMaxWortAnteil = 0.3;

TZEV_VirtualTreePrinter::DruckerWahl& Wahl() {
    static TZEV_VirtualTreePrinter::DruckerWahl w;
    return w;
}

int Tiefe(const TVRRow* row) {
    int t = 0;
    for (const TVRList* l = row->Owner; l && l->ParentRow(); l = l->ParentRow()->Owner) ++t;
    return t;
}
}  // namespace

TZEV_VirtualTreePrinter::TZEV_VirtualTreePrinter(TVTQLNVRList& grid) : FGrid(grid) {}

void TZEV_VirtualTreePrinter::SetDruckerWahl(DruckerWahl wahl) { Wahl() = std::move(wahl); }

bool TZEV_VirtualTreePrinter::Drucken(QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    const bool quer = (FOptionen & CVTPrintQuerformat) || BrauchtQuerformat(printer);
    printer.setPageOrientation(quer ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(FTitel);
    if (Wahl()) {
        if (!Wahl()(printer, parent)) return false;
    } else {
        QPrintDialog dlg(&printer, parent);
        dlg.setWindowTitle(QStringLiteral("%1 drucken").arg(FTitel));
        if (dlg.exec() != QDialog::Accepted) return false;
    }
    Drucke(printer);
    return true;
}

QList<TZEV_VirtualTreePrinter::Spalte> TZEV_VirtualTreePrinter::Spalten() const {
    QList<Spalte> out;
    const QList<TVRColumn>& cols = FGrid.Columns();
    for (int i = 0; i < cols.size(); ++i) {
        if (!cols[i].Visible) continue;
        const int shown = FGrid.header()->sectionSize(i);
        out.append({i, cols[i].Header, double(shown > 0 ? shown : cols[i].Width), cols[i].Alignment});
    }
    return out;
}

void TZEV_VirtualTreePrinter::Verteile(QList<Spalte>& spalten, const QList<double>& minimumWort,
                                        const QList<double>& natuerlich, double seitenBreite) const {
    // The screen's proportions, spread over the page when asked to; a column
    // never narrower than its longest word (up to a third of the page: a longer
    // word breaks) and never wider than its longest text.
    QList<double> minimum;
    for (const double m : minimumWort) minimum << qMin(m, seitenBreite * CMaxWortAnteil);
    double summe = 0;
    for (const Spalte& s : spalten) summe += s.Breite;
    if (summe <= 0) return;
    const double faktor = (FOptionen & CVTPrintSeitenbreite) || summe > seitenBreite ? seitenBreite / summe : 1.0;
    const int n = int(spalten.size());
    QList<double> w(n);
    for (int i = 0; i < n; ++i) w[i] = qMax(minimum[i], qMin(spalten[i].Breite * faktor, natuerlich[i]));
    const auto gesamt = [&] {
        double t = 0;
        for (const double x : w) t += x;
        return t;
    };
    // Room left over goes to the columns that would wrap, in their screen proportions.
    for (int runde = 0; runde < 8 && (FOptionen & CVTPrintSeitenbreite); ++runde) {
        const double frei = seitenBreite - gesamt();
        double anteile = 0;
        for (int i = 0; i < n; ++i)
            if (w[i] < natuerlich[i]) anteile += spalten[i].Breite;
        if (frei < 1 || anteile <= 0) break;
        for (int i = 0; i < n; ++i)
            if (w[i] < natuerlich[i]) w[i] = qMin(natuerlich[i], w[i] + frei * spalten[i].Breite / anteile);
    }
    // Too wide: the columns above their minimum give way first, then all alike.
    double zuviel = gesamt() - seitenBreite;
    if (zuviel > 0) {
        double ueber = 0;
        for (int i = 0; i < n; ++i) ueber += w[i] - minimum[i];
        if (ueber > 0)
            for (int i = 0; i < n; ++i) w[i] -= (w[i] - minimum[i]) * qMin(1.0, zuviel / ueber);
        zuviel = gesamt() - seitenBreite;
        if (zuviel > 0)
            for (int i = 0; i < n; ++i) w[i] *= seitenBreite / (seitenBreite + zuviel);
    }
    for (int i = 0; i < n; ++i) spalten[i].Breite = w[i];
}

QList<TZEV_VirtualTreePrinter::Zeile> TZEV_VirtualTreePrinter::Zeilen() const {
    QList<Zeile> out;
    const QList<TVRColumn>& cols = FGrid.Columns();
    for (const TVRRow* r : FGrid.VisibleRows()) {
        Zeile z{{}, Tiefe(r)};
        for (int i = 0; i < cols.size(); ++i)
            if (cols[i].Visible) z.Texte << r->Text(i);
        out.append(z);
    }
    return out;
}

namespace {
struct Schriften {
    QFont Titel{QStringLiteral("Sans Serif"), 14, QFont::Bold};
    QFont Kopf{QStringLiteral("Sans Serif"), 9, QFont::Bold};
    QFont Text{QStringLiteral("Sans Serif"), 9};
    QFont Fuss{QStringLiteral("Sans Serif"), 8};
};

QTextOption Umbruch(Qt::Alignment a) {
    QTextOption o(a);
    // A word longer than its column breaks rather than being cut off.
    o.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return o;
}
}  // namespace

void TZEV_VirtualTreePrinter::Breiten(const QList<Spalte>& spalten, const QList<Zeile>& zeilen,
                                       const QFontMetricsF& text, const QFontMetricsF& kopf, double einzug,
                                       double rand, QList<double>& minimum, QList<double>& natuerlich) const {
    minimum.clear();
    natuerlich.clear();
    static const QRegularExpression leer(QStringLiteral("\\s+"));
    for (int i = 0; i < spalten.size(); ++i) {
        double wort = 0;
        for (const QString& w : spalten[i].Header.split(leer, Qt::SkipEmptyParts)) wort = qMax(wort, kopf.horizontalAdvance(w));
        double ganz = kopf.horizontalAdvance(spalten[i].Header);
        for (const Zeile& z : zeilen) {
            const QString& t = z.Texte.value(i);
            const double ein = i == 0 ? z.Tiefe * einzug : 0;
            ganz = qMax(ganz, text.horizontalAdvance(t) + ein);
            for (const QString& w : t.split(leer, Qt::SkipEmptyParts)) wort = qMax(wort, text.horizontalAdvance(w) + ein);
        }
        minimum << wort + 2 * rand + 2;
        natuerlich << qMax(minimum.last(), ganz + 2 * rand + 2);
    }
}

bool TZEV_VirtualTreePrinter::BrauchtQuerformat(const QPrinter& printer) const {
    // On the screen's scale: do the columns' longest words fit across a portrait page?
    const Schriften f;
    const QFontMetricsF text(f.Text), kopf(f.Kopf);
    QList<double> minimum, natuerlich;
    Breiten(Spalten(), Zeilen(), text, kopf, text.averageCharWidth() * 2, text.height() * 0.25, minimum, natuerlich);
    QPageLayout hoch = printer.pageLayout();
    hoch.setOrientation(QPageLayout::Portrait);
    const double breite = hoch.paintRect(QPageLayout::Point).width() * text.fontDpi() / 72.0;
    double summe = 0;
    for (const double m : minimum) summe += qMin(m, breite * CMaxWortAnteil);
    return summe > breite;
}

int TZEV_VirtualTreePrinter::Drucke(QPrinter& printer) {
    QPainter p;
    if (!p.begin(&printer)) throw Exception(QStringLiteral("Der Drucker kann nicht angesprochen werden."));
    const QRectF druck = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF seite(0, 0, druck.width(), druck.height());
    const double dpiFaktor = printer.resolution() / 96.0;
    QList<Spalte> spalten = Spalten();
    const QList<Zeile> zeilen = Zeilen();

    // Measured with the painter's own metrics, so that what fits here fits on paper.
    const Schriften f;
    p.setFont(f.Text);
    const QFontMetricsF mText = p.fontMetrics();
    p.setFont(f.Kopf);
    const QFontMetricsF mKopf = p.fontMetrics();
    p.setFont(f.Titel);
    const QFontMetricsF mTitel = p.fontMetrics();
    p.setFont(f.Fuss);
    const QFontMetricsF mFuss = p.fontMetrics();
    const double rand = mText.height() * 0.25;
    const double einzug = mText.averageCharWidth() * 2;
    {
        QList<double> minimum, natuerlich;
        Breiten(spalten, zeilen, mText, mKopf, einzug, rand, minimum, natuerlich);
        // The grid's widths are screen pixels.
        for (Spalte& s : spalten) s.Breite *= dpiFaktor;
        Verteile(spalten, minimum, natuerlich, seite.width());
    }

    const auto hoehe = [&](const QStringList& texte, const QFont& font, int tiefe) {
        p.setFont(font);
        double h = p.fontMetrics().height();
        for (int i = 0; i < spalten.size(); ++i) {
            const double w = spalten[i].Breite - 2 * rand - (i == 0 ? tiefe * einzug : 0);
            const QRectF r = p.boundingRect(QRectF(0, 0, qMax(w, 1.0), 1e6), texte.value(i), Umbruch(Qt::AlignLeft));
            h = qMax(h, r.height());
        }
        return h + 2 * rand;
    };

    QStringList kopfTexte;
    for (const Spalte& s : spalten) kopfTexte << s.Header;
    const double kopfHoehe = hoehe(kopfTexte, f.Kopf, 0);
    const double fussHoehe = mFuss.height() * 2;
    const QString gedruckt = QStringLiteral("Gedruckt am %1").arg(QLocale(QLocale::German).toString(
        QDateTime::currentDateTime(), QStringLiteral("dd.MM.yyyy HH:mm")));

    // Page breaks first, so that every page can say how many there are.
    const double titelHoehe = mTitel.height() * 1.4 + mText.height() * (1.2 + FParameter.size()) + rand;
    QList<double> zeilenHoehe;
    for (const Zeile& z : zeilen) zeilenHoehe << hoehe(z.Texte, f.Text, z.Tiefe);
    QList<int> seitenStart{0};
    {
        double y = titelHoehe + kopfHoehe;
        for (int i = 0; i < zeilen.size(); ++i) {
            if (y + zeilenHoehe[i] > seite.height() - fussHoehe && i > seitenStart.last()) {
                seitenStart.append(i);
                y = titelHoehe + kopfHoehe;
            }
            y += zeilenHoehe[i];
        }
    }
    const int seiten = int(seitenStart.size());

    const auto zeile = [&](double y, double h, const QStringList& texte, int tiefe, const QFont& font, bool kopf) {
        double x = 0;
        p.setFont(font);
        if (kopf) p.fillRect(QRectF(0, y, seite.width(), h), QColor(0xE4, 0xE9, 0xF0));
        for (int i = 0; i < spalten.size(); ++i) {
            const double w = spalten[i].Breite;
            const double ein = i == 0 ? tiefe * einzug : 0;
            const QRectF zelle(x + rand + ein, y + rand, qMax(w - 2 * rand - ein, 1.0), h - 2 * rand);
            p.drawText(zelle, texte.value(i),
                       Umbruch(kopf ? Qt::AlignLeft | Qt::AlignVCenter : spalten[i].Ausrichtung));
            p.drawLine(QPointF(x, y), QPointF(x, y + h));
            x += w;
        }
        p.drawLine(QPointF(x, y), QPointF(x, y + h));
        p.drawLine(QPointF(0, y), QPointF(x, y));
        p.drawLine(QPointF(0, y + h), QPointF(x, y + h));
    };

    for (int s = 0; s < seiten; ++s) {
        if (s > 0) printer.newPage();
        double y = 0;
        p.setFont(f.Titel);
        p.drawText(QRectF(0, y, seite.width(), mTitel.height()), Qt::AlignLeft | Qt::AlignVCenter, FTitel);
        y += mTitel.height() * 1.4;
        p.setFont(f.Text);
        p.drawText(QRectF(0, y, seite.width(), mText.height()), Qt::AlignLeft | Qt::AlignVCenter, gedruckt);
        y += mText.height() * 1.2;
        for (const auto& [caption, text] : FParameter) {
            p.drawText(QRectF(0, y, seite.width(), mText.height()), Qt::AlignLeft | Qt::AlignVCenter,
                       caption + QStringLiteral(": ") + text);
            y += mText.height();
        }
        y = titelHoehe;
        zeile(y, kopfHoehe, kopfTexte, 0, f.Kopf, true);
        y += kopfHoehe;
        const int bis = s + 1 < seiten ? seitenStart[s + 1] : int(zeilen.size());
        for (int i = seitenStart[s]; i < bis; ++i) {
            zeile(y, zeilenHoehe[i], zeilen[i].Texte, zeilen[i].Tiefe, f.Text, false);
            y += zeilenHoehe[i];
        }
        p.setFont(f.Fuss);
        p.drawText(QRectF(0, seite.height() - mFuss.height(), seite.width(), mFuss.height()), Qt::AlignHCenter,
                   QStringLiteral("Seite %1 von %2").arg(s + 1).arg(seiten));
    }
    p.end();
    return seiten;
}
