#include "TAutoCompleteDlg.h"

#include "TVTQLNVRList.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

int TACRang(const QStringList& texte, const QString& gesucht) {
    const QString g = gesucht.trimmed();
    if (g.isEmpty()) return texte.isEmpty() ? -1 : 3;
    if (texte.isEmpty()) return -1;
    const QString& erster = texte.first();
    if (erster.startsWith(g, Qt::CaseInsensitive)) return 0;
    const int pos = erster.indexOf(g, 0, Qt::CaseInsensitive);
    if (pos > 0) {
        // a word start: the character before the match is no letter or digit
        for (int p = pos; p >= 0; p = erster.indexOf(g, p + 1, Qt::CaseInsensitive))
            if (!erster[p - 1].isLetterOrNumber()) return 1;
        return 2;
    }
    for (int i = 1; i < texte.size(); ++i)
        if (texte[i].contains(g, Qt::CaseInsensitive)) return 3;
    return -1;
}

TACSourceVTCustom::TACSourceVTCustom(TVTQLNVRList& grid, int spalte, bool nurSichtbare, bool mitKindern)
    : FGrid(grid), FSpalte(spalte), FNurSichtbare(nurSichtbare), FMitKindern(mitKindern) {}

QList<TACVorschlag> TACSourceVTCustom::Vorschlaege(const QString& text) const {
    struct Treffer {
        int Rang;
        QString Text;
        TACVorschlag V;
    };
    QList<Treffer> treffer;
    const int spalten = FGrid.Columns().size();
    std::function<void(TVRList&)> walk = [&](TVRList& list) {
        for (int i = 0; i < list.Count(); ++i) {
            TVRRow& r = list.Row(i);
            if (!r.Disabled) {
                QStringList texte;
                texte << r.Text(FSpalte);
                for (int c = 0; c < spalten; ++c)
                    if (c != FSpalte && (!FNurSichtbare || FGrid.IsColumnVisible(c))) texte << r.Text(c);
                const int rang = TACRang(texte, text);
                if (rang >= 0) {
                    QString hinweis;
                    if (rang == 3) {
                        for (int c = 1; c < texte.size(); ++c)
                            if (texte[c].contains(text.trimmed(), Qt::CaseInsensitive)) {
                                hinweis = texte[c];
                                break;
                            }
                    }
                    treffer.append({rang, texte.first(), {texte.first(), hinweis, &r}});
                }
            }
            if (FMitKindern && r.Children) walk(*r.Children);
        }
    };
    walk(FGrid.Rows());
    std::stable_sort(treffer.begin(), treffer.end(), [](const Treffer& a, const Treffer& b) {
        if (a.Rang != b.Rang) return a.Rang < b.Rang;
        return a.Text.compare(b.Text, Qt::CaseInsensitive) < 0;
    });
    QList<TACVorschlag> out;
    out.reserve(treffer.size());
    for (const Treffer& t : treffer) out.append(t.V);
    return out;
}

TAutoCompleteDlg::TAutoCompleteDlg(TACSource& source, const QString& startText, int inhalt, int links, int oben,
                                   int breite, int hoehe, int, QWidget* parent)
    : TQLNForm(parent), FSource(source) {
    setWindowTitle(QStringLiteral("Suche"));
    auto* lay = new QVBoxLayout(this);
    auto* hinweis = new QLabel(QStringLiteral("Stichwort eingeben, mit \u2191/\u2193 wählen, Enter übernimmt:"), this);
    FEingabe = new QLineEdit(this);
    FEingabe->setObjectName(QStringLiteral("edtACSuche"));
    FEingabe->setMaxLength(100);
    FListe = new QListWidget(this);
    FListe->setObjectName(QStringLiteral("lstACVorschlaege"));
    lay->addWidget(hinweis);
    lay->addWidget(FEingabe);
    lay->addWidget(FListe);
    resize(breite > 0 ? breite : 350, hoehe > 0 ? hoehe : 350);
    if (links >= 0 && oben >= 0) move(links, oben);
    if (inhalt & 128) {
        FEingabe->setText(startText);
        FStartTextFortsetzen = !startText.isEmpty();
    }
    FEingabe->installEventFilter(this);
    connect(FEingabe, &QLineEdit::textChanged, this, &TAutoCompleteDlg::Aktualisiere);
    connect(FListe, &QListWidget::itemActivated, this, [this] { Uebernehmen(); });
    Aktualisiere();
    FEingabe->setFocus();
}

void TAutoCompleteDlg::Aktualisiere() {
    FVorschlaege = FSource.Vorschlaege(FEingabe->text());
    FListe->clear();
    for (const TACVorschlag& v : std::as_const(FVorschlaege))
        FListe->addItem(v.Hinweis.isEmpty() ? v.Text : v.Text + QStringLiteral("   (") + v.Hinweis + QLatin1Char(')'));
    if (!FVorschlaege.isEmpty()) FListe->setCurrentRow(0);
}

void TAutoCompleteDlg::Uebernehmen() {
    const int i = FListe->currentRow();
    if (i >= 0 && i < FVorschlaege.size()) {
        if (ACDlg_CompleteSelected) ACDlg_CompleteSelected({FVorschlaege[i].Daten});
        accept();
    }
}

bool TAutoCompleteDlg::eventFilter(QObject* o, QEvent* e) {
    if (o == FEingabe && e->type() == QEvent::FocusIn && FStartTextFortsetzen) {
        // The dialog gives the field its first focus as a tab focus, and the
        // field then selects all: the next key would replace the letter the
        // user typed to open the search instead of continuing it.
        FStartTextFortsetzen = false;
        static_cast<QObject*>(FEingabe)->event(e);
        FEingabe->deselect();
        FEingabe->end(false);
        return true;
    }
    if (o == FEingabe && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        const int n = FListe->count();
        switch (k->key()) {
            case Qt::Key_Down:
                if (n) FListe->setCurrentRow(qMin(FListe->currentRow() + 1, n - 1));
                return true;
            case Qt::Key_Up:
                if (n) FListe->setCurrentRow(qMax(FListe->currentRow() - 1, 0));
                return true;
            case Qt::Key_PageDown:
                if (n) FListe->setCurrentRow(qMin(FListe->currentRow() + 10, n - 1));
                return true;
            case Qt::Key_PageUp:
                if (n) FListe->setCurrentRow(qMax(FListe->currentRow() - 10, 0));
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                Uebernehmen();
                return true;
            default:
                break;
        }
    }
    return TQLNForm::eventFilter(o, e);
}
