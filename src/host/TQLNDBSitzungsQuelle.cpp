#include "TQLNDBSitzungsQuelle.h"

#include "Exception.h"
#include "records/TKONZFile.h"
#include "records/Tmandfile.h"
#include "records/Trechnerfile.h"

TQLNDBSitzungsQuelle::TQLNDBSitzungsQuelle(QString programmIni) : FProgrammIni(std::move(programmIni)) {}

TQLNSitzungsDaten TQLNDBSitzungsQuelle::Lade() {
    // Values the database does not hold (user, refused rights) come from the ini.
    TQLNSitzungsDaten d = TQLNIniSitzungsQuelle(FProgrammIni).Lade();
    Trechnerfile rechner;
    rechner.OpenNew(-1);
    rechner.ClearBuffer();
    rechner.Rnr.SetKeyWert(d.RId);
    if (!rechner.Get_eq())
        throw Exception(QStringLiteral("Der Rechner mit der Nummer %1 ist in der Datenbank nicht eingetragen. Bitte "
                                       "tragen Sie die eigene Rechnernummer (RNR) im Abschnitt SYSTEM der Programm-Ini ein.")
                            .arg(d.RId));
    d.RName = rechner.Name.GetWert();
    // a type outside 0..7 is no known type: nothing is active for it
    const int typ = rechner.RTyp.GetWert();
    d.RTyp = typ >= 0 && typ <= 7 ? typ : 0;
    d.Mandant = rechner.Mandant.GetWert();
    rechner.Close();

    Tmandfile mand;
    mand.OpenNew(-1);
    mand.ClearBuffer();
    mand.Mandant.SetKeyWert(d.Mandant);
    if (mand.Get_eq()) {
        d.MandantName = mand.Name.GetWert();
        if (!mand.Land.GetWert().isEmpty()) d.Land = mand.Land.GetWert();
        if (!mand.Waehrung.GetWert().isEmpty()) d.Waehrung = mand.Waehrung.GetWert();
        if (!mand.Waehrung2.GetWert().isEmpty()) d.Waehrung2 = mand.Waehrung2.GetWert();
    }
    mand.Close();

    TKONZFile konz;
    konz.OpenNew(-1);
    konz.ClearBuffer();
    konz.Systemgruppe.SetFilter(true);
    if (konz.Get_first_extMode()) d.Unternehmensgruppe = konz.Name.GetWert();
    konz.Close();
    return d;
}
