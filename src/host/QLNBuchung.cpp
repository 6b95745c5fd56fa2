#include "QLNBuchung.h"

#include "Exception.h"
#include "TQLNInfo.h"
#include "TQLNProgramm.h"
#include "common/QLNDatum.h"
#include "db/TQLNDatenbank.h"

QLNBuchung::QLNBuchung(int art, const QString& operation)
    : FVerbindung(TQLNDatenbank::Verbindung()), FArt(art), FOperation(operation) {
    FVerbindung.Begin();
}

QLNBuchung::~QLNBuchung() {
    if (!FOffen) return;
    try {
        FVerbindung.Rollback();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("QLNBuchung.Destroy"), e, false);
    }
    TQLNInfo::FehlerTerminate(QStringLiteral("QLNBuchung.Destroy"));
}

void QLNBuchung::Ende(const QString& operation) {
    if (!FOffen) throw Exception(QStringLiteral("Die Buchung \"%1\" ist nicht mehr offen.").arg(FOperation));
    if (operation != FOperation)
        throw Exception(QStringLiteral("Die Buchung \"%1\" wurde als \"%2\" beendet.").arg(FOperation, operation));
    FVerbindung.Commit();
    FOffen = false;
}

void QLNBuchung::Abbruch() {
    if (!FOffen) return;
    FOffen = false;
    FVerbindung.Rollback();
}

qint64 QLNBuchung::ProtokollId() {
    if (FProtokollId != 0) return FProtokollId;
    // The protocol row commits or rolls back with the posting.
    Statement& s = FVerbindung.Cached(
        QStringLiteral("INSERT INTO buchungsprotokoll (art, operation, rnr, zeit) VALUES (?, ?, ?, ?) RETURNING id"));
    s.BindInt(1, FArt);
    s.BindText(2, FOperation);
    s.BindInt(3, TQLNProgramm::GetRId());
    s.BindDouble(4, QLNDatum::AusDatumZeit(QLNDatum::Jetzt()));
    try {
        FProtokollId = s.Step() ? s.ColumnInt(0) : 0;
        while (s.Step()) {
        }
    } catch (...) {
        s.Reset();
        throw;
    }
    s.Reset();
    if (FProtokollId <= 0) throw Exception(QStringLiteral("Es konnte keine Protokollnummer vergeben werden."));
    return FProtokollId;
}
