#include "TfrmAllgTab.h"

#include "TAllgTabProtokoll.h"
#include "TVTQLNVRList.h"
#include "TfrmAllgTabEinzel.h"
#include "host/TQLNInfo.h"
#include "host/TQLNProgramm.h"
#include "host/records/TZEV_DBFile.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QTextDocument>
#include <QVBoxLayout>

TfrmAllgTab::TfrmAllgTab(TAllgTabDefinition& def, bool auswahl, QWidget* parent)
    : TQLNForm(parent), FDef(def), FAuswahlModus(auswahl) {
    SetQLNFormPosStoreMode(2);
    setWindowTitle(CaptionMitUnternehmensgruppe(def.FormCaptionUebersicht()));
    auto* lay = new QVBoxLayout(this);
    auto* kopf = new QHBoxLayout;
    auto* suchLabel = new QLabel(QStringLiteral("&Suchen:"), this);
    edtSuche = new QLineEdit(this);
    edtSuche->setObjectName(QStringLiteral("edtSuche"));
    edtSuche->setPlaceholderText(QStringLiteral("Text in den angezeigten Spalten"));
    edtSuche->setClearButtonEnabled(true);
    suchLabel->setBuddy(edtSuche);
    lblAnzahl = new QLabel(this);
    lblAnzahl->setObjectName(QStringLiteral("lblAnzahl"));
    kopf->addWidget(suchLabel);
    kopf->addWidget(edtSuche, 1);
    kopf->addWidget(lblAnzahl);
    lay->addLayout(kopf);

    vriListe = new TVTQLNVRList(this);
    vriListe->setObjectName(QStringLiteral("vriListe"));
    lay->addWidget(vriListe, 1);
    lblLeer = new QLabel(this);
    lblLeer->setObjectName(QStringLiteral("lblLeer"));
    lblLeer->setAlignment(Qt::AlignCenter);
    lblLeer->setWordWrap(true);
    lay->addWidget(lblLeer);

    auto* knoepfe = new QHBoxLayout;
    const auto knopf = [&](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        knoepfe->addWidget(b);
        return b;
    };
    btnNeu = knopf(QStringLiteral("Neu (Einfg)"), "btnNeu");
    btnAendern = knopf(QStringLiteral("Ändern (F2)"), "btnAendern");
    btnLoeschen = knopf(QStringLiteral("Löschen (Entf)"), "btnLoeschen");
    btnAnsehen = knopf(QStringLiteral("Ansehen"), "btnAnsehen");
    btnDrucken = knopf(QStringLiteral("Drucken"), "btnDrucken");
    knoepfe->addStretch();
    btnUebernehmen = knopf(QStringLiteral("Übernehmen"), "btnUebernehmen");
    btnSchliessen = knopf(FAuswahlModus ? QStringLiteral("Abbrechen (Esc)") : QStringLiteral("Schließen (Esc)"),
                          "btnSchliessen");
    lay->addLayout(knoepfe);

    btnNeu->setVisible(Erlaubt(xkefNew) && !FAuswahlModus);
    btnAendern->setVisible(Erlaubt(xkefEdit) && !FAuswahlModus);
    btnLoeschen->setVisible(Erlaubt(xkefDelete) && !FAuswahlModus);
    btnAnsehen->setVisible(Erlaubt(xkefView));
    btnDrucken->setVisible(Erlaubt(xkefPrint) && !FAuswahlModus);
    btnUebernehmen->setVisible(FAuswahlModus);

    connect(btnNeu, &QPushButton::clicked, this, &TfrmAllgTab::Neu);
    connect(btnAendern, &QPushButton::clicked, this, &TfrmAllgTab::Aendern);
    connect(btnLoeschen, &QPushButton::clicked, this, &TfrmAllgTab::Loeschen);
    connect(btnAnsehen, &QPushButton::clicked, this, &TfrmAllgTab::Ansehen);
    connect(btnDrucken, &QPushButton::clicked, this, &TfrmAllgTab::Drucken);
    connect(btnUebernehmen, &QPushButton::clicked, this, &TfrmAllgTab::Uebernehmen);
    connect(btnSchliessen, &QPushButton::clicked, this, &TfrmAllgTab::reject);
    connect(edtSuche, &QLineEdit::textChanged, this, &TfrmAllgTab::Filtere);
    connect(vriListe, &TVTQLNVRList::RowActivated, this, [this](TVRRow*) {
        if (FAuswahlModus)
            Uebernehmen();
        else if (Erlaubt(xkefEdit))
            Aendern();
        else
            Ansehen();
    });
    connect(new QShortcut(QKeySequence(Qt::Key_Insert), this), &QShortcut::activated, this, &TfrmAllgTab::Neu);
    connect(new QShortcut(QKeySequence(Qt::Key_F2), this), &QShortcut::activated, this, &TfrmAllgTab::Aendern);
    connect(new QShortcut(QKeySequence(Qt::Key_Delete), vriListe, nullptr, nullptr, Qt::WidgetShortcut),
            &QShortcut::activated, this, &TfrmAllgTab::Loeschen);

    // Columns: one per field; fields the configurator keeps to itself stay hidden.
    vriListe->BeginUpdate();
    for (const TXKFeld& f : def.Felder()) {
        const int breite = qBound(60, (f.MaxLaenge > 0 ? f.MaxLaenge : 12) * 8 + 16, 320);
        const int c = vriListe->AddColumn(f.Caption, qMax(breite, f.Caption.size() * 8 + 24), f.Visible);
        if (f.Art == TXKFeldArt::Integer || f.Art == TXKFeldArt::Float)
            vriListe->Columns()[c].Alignment = Qt::AlignRight | Qt::AlignVCenter;
    }
    vriListe->EndUpdate();
    // wide enough for the shown columns, within the screen's reason
    int breite = 40;
    for (const TVRColumn& c : vriListe->Columns())
        if (c.Visible) breite += c.Width;
    resize(qBound(720, breite, 1200), 480);
    QLNFormInit(def.FormNameUebersicht(), true);
    def.SetAktivesFenster(this);
    Lade();
    int spalte = 0;
    bool auf = true;
    if (def.SortByColumn(spalte, auf)) vriListe->SortByColumn(spalte, auf ? Qt::AscendingOrder : Qt::DescendingOrder);
    vriListe->SelectFirstVisibleRow();
    vriListe->setFocus();
}

TfrmAllgTab::~TfrmAllgTab() {
    try {
        FDef.SetAktivesFenster(nullptr);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TfrmAllgTab.Destroy"), e, false);
    }
    TQLNInfo::FehlerTerminate(QStringLiteral("TfrmAllgTab.Destroy"));
}

QStringList TfrmAllgTab::ZeileVon(const TVRRow* row) const {
    QStringList l;
    if (!row) return l;
    l.reserve(row->Cells.size());
    for (const QVariant& v : row->Cells) l << v.toString();
    return l;
}

QStringList TfrmAllgTab::AktuelleZeile() const {
    const QList<TVRRow*> sel = vriListe->SelectedRows();
    return ZeileVon(sel.isEmpty() ? vriListe->FocusedRow() : sel.first());
}

void TfrmAllgTab::Lade(const QStringList& waehlen) {
    int altePos = -1;
    if (TVRRow* r = vriListe->FocusedRow()) altePos = r->Index();
    const int spalten = FDef.Felder().size();
    vriListe->BeginUpdate();
    try {
        TVRList& rows = vriListe->Rows();
        rows.Clear();
        const int anzahl = FDef.SetCount();
        if (anzahl > 0) rows.Reserve(anzahl);
        QStringList line;
        for (bool ok = FDef.GetFirst(line); ok; ok = FDef.GetNext(line)) {
            QList<QVariant> cells;
            cells.reserve(spalten);
            for (int i = 0; i < spalten; ++i) cells << line.value(i);
            rows.AddRow(std::move(cells));
        }
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TfrmAllgTab.Lade"), e, true);
    }
    vriListe->EndUpdate();
    if (vriListe->SortColumn() >= 0) vriListe->SortByColumn(vriListe->SortColumn(), vriListe->SortOrder());
    TVRRow* ziel = nullptr;
    TVRList& rows = vriListe->Rows();
    if (!waehlen.isEmpty()) {
        // The row shows the line as stored, which may differ from the line as
        // typed ("1,6" and "1,600000"): the row with the most equal fields wins.
        int besteTreffer = 0;
        for (int i = 0; i < rows.Count(); ++i) {
            const TVRRow& r = rows.Row(i);
            int treffer = 0;
            for (int c = 0; c < waehlen.size() && c < r.Cells.size(); ++c)
                if (r.Cells[c].toString() == waehlen[c]) ++treffer;
            if (treffer > besteTreffer) {
                besteTreffer = treffer;
                ziel = &rows.Row(i);
                if (treffer == waehlen.size()) break;
            }
        }
    }
    if (!ziel && rows.Count() > 0) ziel = &rows.Row(qBound(0, altePos, rows.Count() - 1));
    if (ziel) vriListe->SelectRow(ziel);
    Filtere(edtSuche->text());
    AktualisiereAnzeige();
}

void TfrmAllgTab::AktualisiereAnzeige() {
    const int n = vriListe->Rows().Count();
    lblAnzahl->setText(n == 1 ? QStringLiteral("1 Eintrag")
                              : QStringLiteral("%1 Einträge").arg(QLocale(QLocale::German).toString(n)));
    const bool leer = n == 0;
    lblLeer->setVisible(leer);
    if (leer)
        lblLeer->setText(Erlaubt(xkefNew) && !FAuswahlModus
                             ? QStringLiteral("Es sind noch keine Einträge vorhanden. Mit „Neu“ (Einfg) legen Sie den ersten an.")
                             : QStringLiteral("Es sind keine Einträge vorhanden."));
    const bool zeile = !AktuelleZeile().isEmpty();
    btnAendern->setEnabled(zeile);
    btnLoeschen->setEnabled(zeile);
    btnAnsehen->setEnabled(zeile);
    btnUebernehmen->setEnabled(zeile);
}

void TfrmAllgTab::Filtere(const QString& text) {
    const QString t = text.trimmed();
    TVRList& rows = vriListe->Rows();
    const QList<TXKFeld>& felder = FDef.Felder();
    for (int i = 0; i < rows.Count(); ++i) {
        bool sichtbar = t.isEmpty();
        for (int c = 0; !sichtbar && c < felder.size(); ++c)
            sichtbar = felder[c].Visible && rows.Row(i).Text(c).contains(t, Qt::CaseInsensitive);
        if (vriListe->isRowHidden(i, {}) == sichtbar) vriListe->setRowHidden(i, {}, !sichtbar);
    }
    if (TVRRow* r = vriListe->FocusedRow(); !r || vriListe->isRowHidden(r->Index(), {})) {
        for (int i = 0; i < rows.Count(); ++i)
            if (!vriListe->isRowHidden(i, {})) {
                vriListe->SelectRow(&rows.Row(i));
                break;
            }
    }
}

void TfrmAllgTab::Einzel(TXKEFMode modus, const QStringList& line) {
    const QStringList alt = line;
    const QString code = modus == xkefNew ? wrdonInsert : wrdonUpdate;
    QStringList gebucht;
    TfrmAllgTabEinzel dlg(FDef, modus, line, this);
    dlg.Bestaetigen = [&](const QStringList& neu) {
        FDef.SetAktivesFenster(&dlg);
        const bool ok = TAllgTabProtokoll::Ausfuehren(FDef, code, modus == xkefNew ? QStringList() : alt, neu);
        FDef.SetAktivesFenster(this);
        if (ok) gebucht = neu;
        return ok;
    };
    dlg.ShowModal();
    FDef.OnFeldEnabled = nullptr;
    if (!gebucht.isEmpty()) Lade(gebucht);
}

void TfrmAllgTab::Neu() {
    if (!Erlaubt(xkefNew) || FAuswahlModus) return;
    Aktion(QStringLiteral("TfrmAllgTab.Neu"), [this] {
        QStringList line;
        FDef.FillNewLine(line);
        Einzel(xkefNew, line);
    });
}

void TfrmAllgTab::Aendern() {
    if (!Erlaubt(xkefEdit) || FAuswahlModus) return;
    Aktion(QStringLiteral("TfrmAllgTab.Aendern"), [this] {
        const QStringList line = AktuelleZeile();
        if (!line.isEmpty()) Einzel(xkefEdit, line);
    });
}

void TfrmAllgTab::Ansehen() {
    if (!Erlaubt(xkefView)) return;
    Aktion(QStringLiteral("TfrmAllgTab.Ansehen"), [this] {
        const QStringList line = AktuelleZeile();
        if (line.isEmpty()) return;
        TfrmAllgTabEinzel dlg(FDef, xkefView, line, this);
        dlg.ShowModal();
        FDef.OnFeldEnabled = nullptr;
    });
}

void TfrmAllgTab::Loeschen() {
    if (!Erlaubt(xkefDelete) || FAuswahlModus) return;
    Aktion(QStringLiteral("TfrmAllgTab.Loeschen"), [this] {
        const QStringList line = AktuelleZeile();
        if (line.isEmpty()) return;
        QString bezeichnung;
        for (int i = 0; i < FDef.Felder().size() && bezeichnung.size() < 60; ++i)
            if (FDef.Felder()[i].Visible && !line.value(i).trimmed().isEmpty())
                bezeichnung += (bezeichnung.isEmpty() ? QString() : QStringLiteral(" ")) + line.value(i).trimmed();
        if (TQLNInfo::ShowMeldung(mkJaNein, {QStringLiteral("Möchten Sie den Eintrag „%1“ wirklich löschen?").arg(bezeichnung)},
                                  QStringLiteral("STANDARD"), 981) != mrJa)
            return;
        // On delete the line stands in both lists: several members read it from the new one.
        if (TAllgTabProtokoll::Ausfuehren(FDef, wrdonDelete, line, line)) Lade();
    });
}

void TfrmAllgTab::Drucken() {
    if (!Erlaubt(xkefPrint)) return;
    Aktion(QStringLiteral("TfrmAllgTab.Drucken"), [this] {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dlg(&printer, this);
        dlg.setWindowTitle(QStringLiteral("%1 drucken").arg(FDef.FormCaptionUebersicht()));
        if (dlg.exec() != QDialog::Accepted) return;
        QString html = QStringLiteral("<h2>%1</h2><table border=1 cellspacing=0 cellpadding=3><tr>")
                           .arg(FDef.FormCaptionUebersicht().toHtmlEscaped());
        const QList<TXKFeld>& felder = FDef.Felder();
        for (const TXKFeld& f : felder)
            if (f.Visible) html += QStringLiteral("<th>") + f.Caption.toHtmlEscaped() + QStringLiteral("</th>");
        html += QStringLiteral("</tr>");
        for (const TVRRow* r : vriListe->VisibleRows()) {
            if (vriListe->isRowHidden(r->Index(), {})) continue;
            html += QStringLiteral("<tr>");
            for (int c = 0; c < felder.size(); ++c)
                if (felder[c].Visible) html += QStringLiteral("<td>") + r->Text(c).toHtmlEscaped() + QStringLiteral("</td>");
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
        QTextDocument doc;
        doc.setHtml(html);
        doc.print(&printer);
    });
}

void TfrmAllgTab::Uebernehmen() {
    if (!FAuswahlModus) return;
    const QStringList line = AktuelleZeile();
    if (line.isEmpty()) return;
    try {
        FAuswahl = FDef.TreeLineToReturnValue(line);
        accept();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TfrmAllgTab.Uebernehmen"), e, true);
    }
}

void TfrmAllgTab::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && vriListe->hasFocus()) {
        if (FAuswahlModus)
            Uebernehmen();
        else if (Erlaubt(xkefEdit))
            Aendern();
        else
            Ansehen();
        return;
    }
    TQLNForm::keyPressEvent(e);
}
