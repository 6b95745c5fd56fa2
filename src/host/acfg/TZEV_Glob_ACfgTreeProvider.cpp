#include "TZEV_Glob_ACfgTreeProvider.h"

#include "host/TQLNInfo.h"

namespace {
void FuegeKinderAn(TZEV_ACfgTreeNode& knoten, const TZEV_ACfg_TypKatalog& katalog) {
    for (const TZEV_ACfgType_Erw kind : katalog.Kinder(knoten.Data())) {
        TZEV_ACfgTreeNode* neu = knoten.AppendChild(kind);
        if (!neu) throw Exception(QStringLiteral("Der Typbaum konnte nicht aufgebaut werden (Typ %1).").arg(kind));
        FuegeKinderAn(*neu, katalog);
    }
}
}  // namespace

std::unique_ptr<TZEV_ACfgTree> TZEV_Glob_ACfgTreeProvider::GetACfgTree(TZEV_ACfgType_Erw root,
                                                                      const TZEV_ACfg_TypKatalog& katalog) {
    try {
        if (!katalog.Enthaelt(root))
            TQLNInfo::FehlerRaise(QStringLiteral("TZEV_Glob_ACfgTreeProvider.GetACfgTree"), QStringLiteral("ACFG"), 1030,
                                  {QString::number(root)});
        auto baum = std::make_unique<TZEV_ACfgTree>(root);
        FuegeKinderAn(*baum->Root(), katalog);
        return baum;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TZEV_Glob_ACfgTreeProvider.GetACfgTree"), e, true);
        return nullptr;
    }
}

std::unique_ptr<TZEV_ACfgTree> TZEV_Glob_ACfgTreeProvider::GetACfgTree(TZEV_ACfgType_Erw root) {
    try {
        return GetACfgTree(root, TZEV_ACfg_TypKatalog::Standard());
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TZEV_Glob_ACfgTreeProvider.GetACfgTree"), e, true);
        return nullptr;
    }
}
