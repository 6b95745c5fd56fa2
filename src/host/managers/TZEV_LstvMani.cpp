#include "TZEV_LstvMani.h"

#include "host/records/Tlstvfile.h"

bool TZEV_LstvMani::Lade_RueckgabeGrundVorhanden(const QString& nummer) {
    Tlstvfile f;
    f.Open(254, -1);
    f.ClearBuffer();
    f.SetIndex(f.IndexGrund);
    f.ExtendedFilterClear();
    f.RueckgabeGrund.SetFilter(nummer.trimmed());
    f.RueckgabeGrund.SetUsedField();
    f.ExtendedMaxReceive_Set(1);
    const bool vorhanden = f.Get_exists_extMode();
    f.Close();
    return vorhanden;
}
