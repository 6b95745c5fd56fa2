#include "TfrmAllgTabEinzel.h"

#include "TQLNDatumEdit.h"
#include "TXKEingabeRegel.h"
#include "host/TQLNInfo.h"
#include "host/TQLNProgramm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
}  // namespace

TfrmAllgTabEinzel::TfrmAllgTabEinzel(TAllgTabDefinition& def, TXKEFMode modus, const QStringList& line, QWidget* parent)
    : TQLNForm(parent), FDef(def), FModus(modus), FLine(line) {
    SetQLNFormPosStoreMode(2);
    const QString zusatz = modus == xkefNew    ? QStringLiteral("Neuanlage")
                           : modus == xkefEdit ? QStringLiteral("Ändern")
                                               : QStringLiteral("Ansehen");
    setWindowTitle(def.FormCaptionEinzelansicht() + QStringLiteral(" - ") + zusatz);
    auto* lay = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const QList<TXKFeld>& felder = def.Felder();
    FEditoren.resize(felder.size());
    while (FLine.size() < felder.size()) FLine << QString();
    const int labelBreite = def.FormLabelWidth();
    for (int i = 0; i < felder.size(); ++i) {
        if (!felder[i].Visible) continue;
        QString caption = felder[i].Caption;
        def.EditLabels(i, caption);
        auto* label = new QLabel(caption + QLatin1Char(':'), this);
        if (labelBreite > 0) label->setMinimumWidth(labelBreite);
        QWidget* w = BaueEditor(i, FEditoren[i]);
        label->setBuddy(w);
        form->addRow(label, w);
        bool enabled = modus == xkefNew    ? def.SwitchControlEnabled_4_Mode_New(i)
                       : modus == xkefEdit ? def.SwitchControlEnabled_4_Mode_Edit(i)
                                           : false;
        FEditoren[i].Widget->setEnabled(enabled);
    }
    lay->addLayout(form);
    lay->addStretch();
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    if (modus == xkefNew || modus == xkefEdit) {
        btnSpeichern = new QPushButton(QStringLiteral("Speichern (F5)"), this);
        btnSpeichern->setObjectName(QStringLiteral("btnSpeichern"));
        btnSpeichern->setAutoDefault(false);
        knoepfe->addWidget(btnSpeichern);
        connect(btnSpeichern, &QPushButton::clicked, this, &TfrmAllgTabEinzel::Speichern);
        auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
        connect(f5, &QShortcut::activated, this, &TfrmAllgTabEinzel::Speichern);
    }
    btnAbbrechen = new QPushButton(modus == xkefView ? QStringLiteral("Schließen (Esc)") : QStringLiteral("Abbrechen (Esc)"), this);
    btnAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    btnAbbrechen->setAutoDefault(false);
    connect(btnAbbrechen, &QPushButton::clicked, this, &TfrmAllgTabEinzel::reject);
    knoepfe->addWidget(btnAbbrechen);
    lay->addLayout(knoepfe);

    def.OnFeldEnabled = [this](int index, bool enabled) { FeldEnabled(index, enabled); };
    // Change handlers see the starting value too, so dependent fields start right.
    for (int i = 0; i < felder.size(); ++i) {
        if (felder[i].Visible && felder[i].ChangeHandler && FEditoren[i].Combo) {
            if (TXKComboHandler h = def.ComboboxOnChange(i)) {
                connect(FEditoren[i].Combo, &QComboBox::currentTextChanged, this, [h](const QString& t) { h(t); });
                h(FEditoren[i].Combo->currentText());
            }
        }
    }
    resize(qMax(420, labelBreite + 320), sizeHint().height());
    QLNFormInit(def.FormNameEinzelansicht(), true);
    // focus on the first enabled editor
    for (const Editorfeld& e : std::as_const(FEditoren)) {
        if (e.Widget && e.Widget->isEnabled()) {
            e.Widget->setFocus();
            break;
        }
    }
}

QWidget* TfrmAllgTabEinzel::BaueEditor(int index, Editorfeld& e) {
    const TXKFeld& f = FDef.Felder()[index];
    const QString wert = FLine.value(index);
    const QString name = QStringLiteral("edt") + f.Name;
    if (f.Art == TXKFeldArt::Boolean) {
        e.Check = new QCheckBox(this);
        e.Check->setChecked(wert.compare(QStringLiteral("J"), Qt::CaseInsensitive) == 0 || wert == QStringLiteral("1"));
        e.Widget = e.Check;
    } else if (f.Art == TXKFeldArt::Date) {
        e.Datum = new TQLNDatumEdit(this);
        e.Datum->SetText(wert);
        e.Widget = e.Datum;
    } else if (f.Art == TXKFeldArt::Listbox) {
        auto* box = new QWidget(this);
        auto* h = new QHBoxLayout(box);
        h->setContentsMargins(0, 0, 0, 0);
        e.Liste = new QListWidget(box);
        e.Liste->setMaximumHeight(120);
        e.Liste->setMinimumWidth(260);  // names of partners are long
        for (const QString& s : wert.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) e.Liste->addItem(s);
        auto* v = new QVBoxLayout;
        auto* plus = new QPushButton(QStringLiteral("Hinzufügen..."), box);
        auto* minus = new QPushButton(QStringLiteral("Entfernen"), box);
        v->addWidget(plus);
        v->addWidget(minus);
        v->addStretch();
        h->addWidget(e.Liste);
        h->addLayout(v);
        QListWidget* liste = e.Liste;
        connect(plus, &QPushButton::clicked, this, [this, index, liste] {
            try {
                QString neu;
                if (FDef.StarteWerteauswahl(index, neu) && !neu.isEmpty()) liste->addItem(neu);
            } catch (const std::exception& ex) {
                TQLNInfo::RegisterException(QStringLiteral("TfrmAllgTabEinzel.Werteauswahl"), ex, true);
            }
        });
        connect(minus, &QPushButton::clicked, this, [this, index, liste] {
            QListWidgetItem* item = liste->currentItem();
            if (!item) return;
            try {
                if (FDef.LoescheListboxEintrag(index, item->text())) delete item;
            } catch (const std::exception& ex) {
                TQLNInfo::RegisterException(QStringLiteral("TfrmAllgTabEinzel.LoescheListboxEintrag"), ex, true);
            }
        });
        e.Widget = box;
    } else if (f.Wertevorrat) {
        e.Combo = new QComboBox(this);
        QStringList werte;
        FDef.FillWertevorrat(index, werte);
        e.Combo->addItems(werte);
        const int i = e.Combo->findText(wert);
        if (i >= 0) {
            e.Combo->setCurrentIndex(i);
        } else if (!wert.isEmpty()) {
            // a stored value outside the list stays visible and unchanged
            e.Combo->insertItem(0, wert);
            e.Combo->setCurrentIndex(0);
        } else {
            e.Combo->setCurrentIndex(-1);
        }
        e.Widget = e.Combo;
    } else {
        e.Edit = new QLineEdit(this);
        if (f.MaxLaenge > 0) e.Edit->setMaxLength(f.MaxLaenge);
        e.Edit->setValidator(new TXKEingabeValidator(f, e.Edit));
        e.Edit->setText(wert);
        if (f.Art == TXKFeldArt::Integer || f.Art == TXKFeldArt::Float) e.Edit->setAlignment(Qt::AlignRight);
        if (f.Picker) {
            e.Edit->setReadOnly(true);
            auto* box = new QWidget(this);
            auto* h = new QHBoxLayout(box);
            h->setContentsMargins(0, 0, 0, 0);
            auto* knopf = new QPushButton(QStringLiteral("..."), box);
            knopf->setFixedWidth(32);
            knopf->setToolTip(QStringLiteral("Auswählen (F4)"));
            h->addWidget(e.Edit);
            h->addWidget(knopf);
            QLineEdit* edit = e.Edit;
            const auto waehlen = [this, index, edit] {
                try {
                    QString v = edit->text();
                    if (FDef.StarteWerteauswahl(index, v)) edit->setText(v);
                } catch (const std::exception& ex) {
                    TQLNInfo::RegisterException(QStringLiteral("TfrmAllgTabEinzel.StarteWerteauswahl"), ex, true);
                }
            };
            connect(knopf, &QPushButton::clicked, this, waehlen);
            auto* f4 = new QShortcut(QKeySequence(Qt::Key_F4), edit, nullptr, nullptr, Qt::WidgetShortcut);
            connect(f4, &QShortcut::activated, this, waehlen);
            box->setObjectName(name);
            e.Widget = box;
            return box;
        }
        e.Widget = e.Edit;
    }
    e.Widget->setObjectName(name);
    return e.Widget;
}

QWidget* TfrmAllgTabEinzel::Editor(int index) const {
    return index >= 0 && index < FEditoren.size() ? FEditoren[index].Widget : nullptr;
}

void TfrmAllgTabEinzel::FeldEnabled(int index, bool enabled) {
    if (index >= 0 && index < FEditoren.size() && FEditoren[index].Widget)
        FEditoren[index].Widget->setEnabled(enabled && FModus != xkefView);
}

void TfrmAllgTabEinzel::SetWert(int index, const QString& wert) {
    if (index < 0 || index >= FEditoren.size()) return;
    Editorfeld& e = FEditoren[index];
    if (e.Edit) e.Edit->setText(wert);
    if (e.Combo) {
        const int i = e.Combo->findText(wert);
        e.Combo->setCurrentIndex(i);
    }
    if (e.Check) e.Check->setChecked(wert == QStringLiteral("J"));
    if (e.Datum) e.Datum->SetText(wert);
    if (e.Liste) {
        e.Liste->clear();
        for (const QString& s : wert.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) e.Liste->addItem(s);
    }
    if (!e.Widget) FLine[index] = wert;
}

QStringList TfrmAllgTabEinzel::Werte() const {
    QStringList out = FLine;
    for (int i = 0; i < FEditoren.size(); ++i) {
        const Editorfeld& e = FEditoren[i];
        if (!e.Widget) continue;
        if (e.Edit) out[i] = e.Edit->text();
        if (e.Combo) out[i] = e.Combo->currentText();
        if (e.Check) out[i] = e.Check->isChecked() ? QStringLiteral("J") : QStringLiteral("N");
        if (e.Datum) out[i] = e.Datum->Text();
        if (e.Liste) {
            QStringList items;
            for (int r = 0; r < e.Liste->count(); ++r) items << e.Liste->item(r)->text();
            out[i] = items.join(QLatin1Char('\n'));
        }
    }
    return out;
}

void TfrmAllgTabEinzel::Speichern() {
    if (FModus != xkefNew && FModus != xkefEdit) return;
    bool gebucht = false;
    {
        const TQLNWorkGuard guard(this, QStringLiteral("TfrmAllgTabEinzel.Speichern"), 5);
        if (!guard) return;
        try {
            gebucht = !Bestaetigen || Bestaetigen(Werte());
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(QStringLiteral("TfrmAllgTabEinzel.Speichern"), e, true);
        }
    }
    if (gebucht) accept();  // after the guard: a working window does not close
}
