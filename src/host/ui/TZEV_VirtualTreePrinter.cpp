#include "TZEV_VirtualTreePrinter.h"

#include "TVTQLNVRList.h"
#include "host/Exception.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace {
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
    printer.setPageOrientation((FOptionen & CVTPrintQuerformat) ? QPageLayout::Landscape : QPageLayout::Portrait);
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

QList<TZEV_VirtualTreePrinter::Spalte> TZEV_VirtualTreePrinter::Spalten(double seitenBreite) const {
    QList<Spalte> out;
    double summe = 0;
    const QList<TVRColumn>& cols = FGrid.Columns();
    for (int i = 0; i < cols.size(); ++i) {
        if (!cols[i].Visible) continue;
        const int shown = FGrid.header()->sectionSize(i);
        const double b = shown > 0 ? shown : cols[i].Width;
        out.append({i, cols[i].Header, b, cols[i].Alignment});
        summe += b;
    }
    if (summe <= 0) return out;
    // Screen widths at 96 dpi become a share of the page; too wide always shrinks.
    const double faktor = (FOptionen & CVTPrintSeitenbreite) || summe > seitenBreite ? seitenBreite / summe : 1.0;
    for (Spalte& s : out) s.Breite *= faktor;
    return out;
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

int TZEV_VirtualTreePrinter::Drucke(QPrinter& printer) {
    QPainter p;
    if (!p.begin(&printer)) throw Exception(QStringLiteral("Der Drucker kann nicht angesprochen werden."));
    const QRectF seite = printer.pageLayout().paintRectPixels(printer.resolution()).translated(
        -printer.pageLayout().paintRectPixels(printer.resolution()).topLeft());
    const double dpiFaktor = printer.resolution() / 96.0;
    const QList<Spalte> spalten = Spalten(seite.width() / dpiFaktor);
    const QList<Zeile> zeilen = Zeilen();

    QFont titelFont(QStringLiteral("Sans Serif"), 14, QFont::Bold);
    QFont kopfFont(QStringLiteral("Sans Serif"), 9, QFont::Bold);
    QFont textFont(QStringLiteral("Sans Serif"), 9);
    QFont fussFont(QStringLiteral("Sans Serif"), 8);
    const QFontMetricsF mText(textFont, &printer);
    const QFontMetricsF mKopf(kopfFont, &printer);
    const QFontMetricsF mTitel(titelFont, &printer);
    const QFontMetricsF mFuss(fussFont, &printer);
    const double rand = mText.height() * 0.25;
    const double einzug = mText.averageCharWidth() * 2;

    const auto breite = [&](int i) { return spalten[i].Breite * dpiFaktor; };
    const auto hoehe = [&](const QStringList& texte, const QFontMetricsF& m, int tiefe) {
        double h = m.height();
        for (int i = 0; i < spalten.size(); ++i) {
            const double w = breite(i) - 2 * rand - (i == 0 ? tiefe * einzug : 0);
            const QRectF r = m.boundingRect(QRectF(0, 0, qMax(w, 1.0), 1e6), Qt::TextWordWrap, texte.value(i));
            h = qMax(h, r.height());
        }
        return h + 2 * rand;
    };

    QStringList kopfTexte;
    for (const Spalte& s : spalten) kopfTexte << s.Header;
    const double kopfHoehe = hoehe(kopfTexte, mKopf, 0);
    const double fussHoehe = mFuss.height() * 2;
    const QString gedruckt = QStringLiteral("Gedruckt am %1").arg(QLocale(QLocale::German).toString(
        QDateTime::currentDateTime(), QStringLiteral("dd.MM.yyyy HH:mm")));

    // Page breaks first, so that every page can say how many there are.
    const double titelHoehe = mTitel.height() * 1.4 + mText.height() * (1.2 + FParameter.size()) + rand;
    QList<int> seitenStart{0};
    {
        double y = titelHoehe + kopfHoehe;
        for (int i = 0; i < zeilen.size(); ++i) {
            const double h = hoehe(zeilen[i].Texte, mText, zeilen[i].Tiefe);
            if (y + h > seite.height() - fussHoehe && i > seitenStart.last()) {
                seitenStart.append(i);
                y = titelHoehe + kopfHoehe;
            }
            y += h;
        }
    }
    const int seiten = int(seitenStart.size());

    const auto zeile = [&](double y, const QStringList& texte, int tiefe, const QFont& font, const QFontMetricsF& m,
                           bool kopf) {
        const double h = hoehe(texte, m, tiefe);
        double x = 0;
        p.setFont(font);
        if (kopf) p.fillRect(QRectF(0, y, seite.width(), h), QColor(0xE4, 0xE9, 0xF0));
        for (int i = 0; i < spalten.size(); ++i) {
            const double w = breite(i);
            const double ein = i == 0 ? tiefe * einzug : 0;
            const QRectF zelle(x + rand + ein, y + rand, qMax(w - 2 * rand - ein, 1.0), h - 2 * rand);
            p.drawText(zelle, int(Qt::TextWordWrap | (kopf ? Qt::AlignLeft | Qt::AlignVCenter : spalten[i].Ausrichtung)),
                       texte.value(i));
            if (FOptionen & CVTPrintGitter) p.drawLine(QPointF(x, y), QPointF(x, y + h));
            x += w;
        }
        if (FOptionen & CVTPrintGitter) {
            p.drawLine(QPointF(x, y), QPointF(x, y + h));
            p.drawLine(QPointF(0, y), QPointF(x, y));
            p.drawLine(QPointF(0, y + h), QPointF(x, y + h));
        }
        return h;
    };

    for (int s = 0; s < seiten; ++s) {
        if (s > 0) printer.newPage();
        double y = 0;
        p.setFont(titelFont);
        p.drawText(QRectF(0, y, seite.width(), mTitel.height()), Qt::AlignLeft | Qt::AlignVCenter, FTitel);
        y += mTitel.height() * 1.4;
        p.setFont(textFont);
        p.drawText(QRectF(0, y, seite.width(), mText.height()), Qt::AlignLeft | Qt::AlignVCenter, gedruckt);
        y += mText.height() * 1.2;
        for (const auto& [caption, text] : FParameter) {
            p.drawText(QRectF(0, y, seite.width(), mText.height()), Qt::AlignLeft | Qt::AlignVCenter,
                       caption + QStringLiteral(": ") + text);
            y += mText.height();
        }
        y = titelHoehe;
        y += zeile(y, kopfTexte, 0, kopfFont, mKopf, true);
        const int bis = s + 1 < seiten ? seitenStart[s + 1] : int(zeilen.size());
        for (int i = seitenStart[s]; i < bis; ++i) y += zeile(y, zeilen[i].Texte, zeilen[i].Tiefe, textFont, mText, false);
        p.setFont(fussFont);
        p.drawText(QRectF(0, seite.height() - mFuss.height(), seite.width(), mFuss.height()), Qt::AlignHCenter,
                   QStringLiteral("Seite %1 von %2").arg(s + 1).arg(seiten));
    }
    p.end();
    return seiten;
}
