#include "TZEV_ACfgMainTree_TreeNodeViewer_Base.h"

#include "TZEV_ACfg_TreeLogik.h"
#include "host/acfg/TZEV_ACfg_RegInfoProvider.h"
#include "host/acfg/TZEV_ACfg_Registry.h"

TZEV_ACfgMainTree_TreeNodeViewer_Base::TZEV_ACfgMainTree_TreeNodeViewer_Base() {
    FViewer.OnColumns = [](TVTQLNVRList& grid) { Spalten(grid); };
    FViewer.OnRow = [](TZEV_ACfgTreeNode& node, TVRRow& row) { Zeile(node.Data(), row); };
    FViewer.OnFinished = [](TVTQLNVRList& grid) {
        grid.Columns()[TZEV_ACfg_Spalte::Bezeichnung].Width = 340;
        grid.Columns()[TZEV_ACfg_Spalte::Wert].Width = 80;
        grid.setColumnWidth(TZEV_ACfg_Spalte::Bezeichnung, 340);
        grid.setColumnWidth(TZEV_ACfg_Spalte::Wert, 80);
        grid.SortByColumn(TZEV_ACfg_Spalte::Bezeichnung, Qt::AscendingOrder);
        grid.SelectFirstVisibleRow();
    };
}

void TZEV_ACfgMainTree_TreeNodeViewer_Base::Spalten(TVTQLNVRList& grid) {
    grid.AddColumn(QStringLiteral("Bezeichnung"), 340, true);
    grid.AddColumn(QStringLiteral("Wert"), 80, true);
    grid.AddColumn(QStringLiteral("Beschreibung"), 300, true);
    grid.AddColumn(QStringLiteral("Schlagworte"), 100, false);
    grid.AddColumn(QString(), 40, false);
    grid.AddColumn(QString(), 40, false);
    grid.AddColumn(QString(), 40, false);
}

void TZEV_ACfgMainTree_TreeNodeViewer_Base::Zeile(TZEV_ACfgType_Erw typ, TVRRow& row) {
    const TZEV_ACfg_RegInfo info = TZEV_ACfg_RegInfoProvider::GetRegInfo_4_ACfgTYpe(typ);
    QList<QVariant> cells(TZEV_ACfg_Spalte::Anzahl);
    cells[TZEV_ACfg_Spalte::Bezeichnung] = typ == 0 ? QStringLiteral("Konfigurationen") : info.Caption;
    cells[TZEV_ACfg_Spalte::Wert] = QString();
    cells[TZEV_ACfg_Spalte::Beschreibung] = info.Beschreibung;
    cells[TZEV_ACfg_Spalte::Schlagworte] = info.Schlagworte;
    cells[TZEV_ACfg_Spalte::Typ] = int(typ);
    TZEV_ACfGType_RegData reg;
    if (typ != 0 && TZEV_ACfg_Registry::GetRegData(typ, reg)) {
        cells[TZEV_ACfg_Spalte::Art] = int(reg.Art);
        if (reg.Art == acfgArtKonfiguration && reg.DataClass)
            cells[TZEV_ACfg_Spalte::Gueltigkeitsbereich] = int(reg.DataClass->Gueltigkeitsbereich());
    }
    row.Cells = cells;
}
