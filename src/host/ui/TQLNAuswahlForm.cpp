#include "TQLNAuswahlForm.h"

#include "TVTQLNVRList.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TQLNAuswahlForm::TQLNAuswahlForm(const QString& caption, const QString& name, bool mehrfach, QWidget* parent)
    : TQLNForm(parent) {
    SetQLNFormPosStoreMode(2);
    setWindowTitle(CaptionMitUnternehmensgruppe(caption));
    auto* lay = new QVBoxLayout(this);
    auto* kopf = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("&Suchen:"), this);
    edtSuche = new QLineEdit(this);
    edtSuche->setObjectName(QStringLiteral("edtSuche"));
    edtSuche->setClearButtonEnabled(true);
    edtSuche->setPlaceholderText(QStringLiteral("Text in den angezeigten Spalten"));
    label->setBuddy(edtSuche);
    kopf->addWidget(label);
    kopf->addWidget(edtSuche, 1);
    lay->addLayout(kopf);
    vriListe = new TVTQLNVRList(this);
    vriListe->setObjectName(QStringLiteral("vriListe"));
    if (mehrfach) vriListe->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lay->addWidget(vriListe, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    btnUebernehmen = new QPushButton(QStringLiteral("Übernehmen (Enter)"), this);
    btnUebernehmen->setObjectName(QStringLiteral("btnUebernehmen"));
    btnUebernehmen->setAutoDefault(false);
    btnAbbrechen = new QPushButton(QStringLiteral("Abbrechen (Esc)"), this);
    btnAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    btnAbbrechen->setAutoDefault(false);
    knoepfe->addWidget(btnUebernehmen);
    knoepfe->addWidget(btnAbbrechen);
    lay->addLayout(knoepfe);
    connect(btnUebernehmen, &QPushButton::clicked, this, &TQLNAuswahlForm::Uebernehmen);
    connect(btnAbbrechen, &QPushButton::clicked, this, &TQLNAuswahlForm::reject);
    connect(edtSuche, &QLineEdit::textChanged, this, &TQLNAuswahlForm::Filtere);
    connect(vriListe, &TVTQLNVRList::RowActivated, this, [this](TVRRow*) { Uebernehmen(); });
    edtSuche->installEventFilter(this);
    vriListe->installEventFilter(this);
    resize(560, 420);
    QLNFormInit(name, true);
}

void TQLNAuswahlForm::ZeilenFertig() {
    vriListe->SelectFirstVisibleRow();
    edtSuche->setFocus();
}

void TQLNAuswahlForm::Filtere(const QString& text) {
    const QString t = text.trimmed();
    TVRList& rows = vriListe->Rows();
    TVRRow* erste = nullptr;
    for (int i = 0; i < rows.Count(); ++i) {
        bool sichtbar = t.isEmpty();
        for (int c = 0; !sichtbar && c < vriListe->Columns().size(); ++c)
            sichtbar = rows.Row(i).Text(c).contains(t, Qt::CaseInsensitive);
        vriListe->setRowHidden(i, {}, !sichtbar);
        if (sichtbar && !erste) erste = &rows.Row(i);
    }
    TVRRow* r = vriListe->FocusedRow();
    if ((!r || vriListe->isRowHidden(r->Index(), {})) && erste) vriListe->SelectRow(erste);
}

QList<int> TQLNAuswahlForm::AusgewaehlteTags() const {
    QList<int> tags;
    for (const TVRRow* r : vriListe->SelectedRows())
        if (!vriListe->isRowHidden(r->Index(), {})) tags << int(r->Tag);
    return tags;
}

void TQLNAuswahlForm::Uebernehmen() {
    if (!AusgewaehlteTags().isEmpty()) accept();
}

bool TQLNAuswahlForm::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            Uebernehmen();
            return true;
        }
        if (o == edtSuche && (k->key() == Qt::Key_Down || k->key() == Qt::Key_Up || k->key() == Qt::Key_PageDown ||
                              k->key() == Qt::Key_PageUp)) {
            // moves through the list while the search text keeps the focus
            QKeyEvent kopie(QEvent::KeyPress, k->key(), Qt::NoModifier);
            QCoreApplication::sendEvent(vriListe, &kopie);
            return true;
        }
    }
    return TQLNForm::eventFilter(o, e);
}
