#include "TZEV_RechnerAuswahlView.h"

#include "TZEV_RechnerCombobox.h"
#include "host/TQLNInfo.h"
#include "host/TRVRTab.h"

#include <QCheckBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

TZEV_RechnerAuswahlView::TZEV_RechnerAuswahlView(QWidget* parent) : QWidget(parent) {
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    FAlle = new QCheckBox(QStringLiteral("Alle Rechner"), this);
    FAlle->setTristate(false);
    FListe = new QListWidget(this);
    l->addWidget(FAlle);
    l->addWidget(FListe);
    connect(FAlle, &QCheckBox::clicked, this, [this] { AlleGeaendert(); });
    connect(FListe, &QListWidget::itemChanged, this, [this] {
        const QList<int> sel = SelRNr_Get();
        const QSignalBlocker b(FAlle);
        FAlle->setChecked(!sel.isEmpty() && sel.size() == FListe->count());
    });
}

void TZEV_RechnerAuswahlView::Laden() {
    FRechner.clear();
    try {
        const TRVRTab tab;
        for (int i = 0; i < tab.GetUmfangCount(); ++i) {
            const TRVRInfoUmfang& u = tab.GetUmfang(i);
            FRechner.append({u.RNr, TZEV_RechnerCombobox::RechnerText(u.RNr, u.Name, u.RTyp)});
        }
        std::sort(FRechner.begin(), FRechner.end(), [](const TEintrag& a, const TEintrag& b) { return a.RNr < b.RNr; });
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TZEV_RechnerAuswahlView.Laden"), e, true);
    }
    Fuellen();
}

void TZEV_RechnerAuswahlView::Fuellen() {
    const QList<int> vorher = SelRNr_Get();
    const QSignalBlocker b(FListe);
    FListe->clear();
    for (const TEintrag& e : FRechner) {
        if (e.RNr == FIgnoreRnr) continue;
        auto* item = new QListWidgetItem(e.Text, FListe);
        item->setData(Qt::UserRole, e.RNr);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(vorher.contains(e.RNr) ? Qt::Checked : Qt::Unchecked);
    }
}

void TZEV_RechnerAuswahlView::IgnoreRnr_Set(int rnr) {
    FIgnoreRnr = rnr;
    Fuellen();
}

QList<int> TZEV_RechnerAuswahlView::SelRNr_Get() const {
    QList<int> out;
    for (int i = 0; i < FListe->count(); ++i)
        if (FListe->item(i)->checkState() == Qt::Checked) out.append(FListe->item(i)->data(Qt::UserRole).toInt());
    return out;
}

QList<int> TZEV_RechnerAuswahlView::Angeboten() const {
    QList<int> out;
    for (int i = 0; i < FListe->count(); ++i) out.append(FListe->item(i)->data(Qt::UserRole).toInt());
    return out;
}

void TZEV_RechnerAuswahlView::SelRNr_Set(const QList<int>& rnrs) {
    for (int i = 0; i < FListe->count(); ++i)
        FListe->item(i)->setCheckState(rnrs.contains(FListe->item(i)->data(Qt::UserRole).toInt()) ? Qt::Checked
                                                                                                  : Qt::Unchecked);
}

void TZEV_RechnerAuswahlView::AlleGeaendert() {
    const bool an = FAlle->isChecked();
    const QSignalBlocker b(FListe);
    for (int i = 0; i < FListe->count(); ++i) FListe->item(i)->setCheckState(an ? Qt::Checked : Qt::Unchecked);
}
