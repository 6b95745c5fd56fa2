#include "TZEV_VTree_CheckNodesBox.h"

#include "TZEV_ACfg_TreeView.h"

#include <QSignalBlocker>

TZEV_VTree_CheckNodesBox::TZEV_VTree_CheckNodesBox(QWidget* parent) : QCheckBox(parent) {
    setTristate(true);
    setToolTip(QStringLiteral("Alle Konfigurationen auswählen oder abwählen"));
}

void TZEV_VTree_CheckNodesBox::SetTree(TZEV_ACfg_TreeView* tree) {
    FTree = tree;
    if (tree) connect(tree, &TZEV_ACfg_TreeView::ChecksGeaendert, this, [this] { ZustandAnzeigen(); });
    ZustandAnzeigen();
}

void TZEV_VTree_CheckNodesBox::ZustandAnzeigen() {
    const QSignalBlocker b(this);
    setCheckState(FTree ? FTree->GesamtZustand() : Qt::Unchecked);
}

void TZEV_VTree_CheckNodesBox::nextCheckState() {
    const bool an = checkState() == Qt::Unchecked;
    if (FTree) FTree->AlleSetzen(an);
    ZustandAnzeigen();
}
