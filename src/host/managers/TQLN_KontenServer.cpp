#include "TQLN_KontenServer.h"

#include "host/Exception.h"
#include "host/records/Tskfile.h"

namespace {
bool Lese(Tskfile& sk, const TIntPair& mandant, const QString& kurzname) {
    sk.ClearBuffer();
    sk.SetIndex(sk.IndexPrimaer);
    sk.Mandant.SetKeyWert(mandant);
    sk.Kurzname.SetKeyWert(kurzname.trimmed());
    return sk.Get_eq();
}
}  // namespace

bool TQLN_KontenServer::KontoVorhanden(const TIntPair& mandant, const QString& kurzname) {
    Tskfile sk;
    sk.Open(254, -1);
    const bool da = Lese(sk, mandant, kurzname);
    sk.Close();
    return da;
}

void TQLN_KontenServer::Konto_Anlegen(const TskSatz& satz) {
    const QString kurzname = satz.Text1.trimmed();
    if (kurzname.isEmpty()) throw Exception(QStringLiteral("Ein Konto braucht einen Kurznamen."));
    Tskfile sk;
    sk.OpenNew(-1);
    if (Lese(sk, satz.Mandant, kurzname))
        throw Exception(QStringLiteral("Das Konto \"%1\" existiert für den Mandanten bereits.").arg(kurzname));
    sk.ClearBuffer();
    sk.Mandant.SetWert(satz.Mandant);
    sk.Kurzname.SetWert(kurzname);
    sk.Bezeichnung.SetWert(satz.Text2);
    sk.Suchname.SetWert(satz.Text3.trimmed());
    TDatenfeld_String* kz[] = {&sk.KontoArt, &sk.KontoTyp, &sk.SteuerKz, &sk.Status, &sk.Herkunft, &sk.Sperre};
    for (size_t i = 0; i < satz.Kennzeichen.size(); ++i) kz[i]->SetWert(QString(satz.Kennzeichen[i]));
    sk.Write(wrdonInsert);
    sk.Close();
}
