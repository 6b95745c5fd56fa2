#pragma once
// Base of the members that keep their records in the general file (Tgmerfile):
// their rows are the records of their type letter; a record is found by type,
// computer number and running number.

#include "TXKCodeTabConfigurator.h"
#include "host/records/Tgmerfile.h"

class TXKGmerConfigurator : public TXKCodeTabConfigurator<Tgmerfile> {
public:
    using TXKCodeTabConfigurator::TXKCodeTabConfigurator;

protected:
    // The type letter of the rows shown.
    virtual QString Typ() const = 0;
    bool GeteilteDatei() const override { return true; }
    void SetzeLeseFilter() override { FFile->ExtendedFilterAdd(FFile->Typ, TExtFilterOp::Gleich, Typ()); }
    // Reads the record with this key into the buffer; true when it exists.
    bool LeseSatz(const QString& typ, int rnr, int lnr) {
        FFile->ClearBuffer();
        FFile->SetIndex(FFile->IndexPrimaer);
        FFile->Typ.SetKeyWert(typ);
        FFile->Rnr.SetKeyWert(rnr);
        FFile->Lnr.SetKeyWert(lnr);
        return FFile->Get_eq();
    }
};
