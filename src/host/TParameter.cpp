#include "TParameter.h"

#include "Exception.h"
#include "QLNBuchung.h"
#include "TQLNProgramm.h"
#include "TQLN_Parm_Katalog.h"
#include "records/Tparmfile.h"

#include <optional>

namespace {
constexpr int CBuchungsArtParameter = 12;
constexpr int CRnrSystemweit = 0;
constexpr int CRnrZentrale = 1;

const TQLN_Parm_Def& Definition(const QString& kennung) {
    const TQLN_Parm_Def* d = TQLN_Parm_Katalog::ParmWert_Def_ByKennung(kennung);
    if (!d)
        throw Exception(QStringLiteral("Der Parameter \"%1\" ist im Parameterkatalog nicht enthalten.").arg(kennung));
    return *d;
}

int Speicherplatz(const TQLN_Parm_Def& d, int rnr) {
    return d.Gueltigkeit == CParmGueltigSystemweit ? CRnrSystemweit : rnr;
}

std::optional<QString> Gespeichert(Tparmfile& f, const QString& kennung, int rnr) {
    f.ClearBuffer();
    f.SetIndex(f.IndexPrimaer);
    f.Kennung.SetKeyWert(kennung);
    f.Rnr.SetKeyWert(rnr);
    if (!f.Get_eq()) return std::nullopt;
    return f.Wert.GetWert();
}

// The stored value the computer sees: its own, else that of computer 1.
std::optional<QString> Wirksam(const TQLN_Parm_Def& d, int rnr) {
    Tparmfile f;
    f.OpenNew(-1);
    const int platz = Speicherplatz(d, rnr);
    std::optional<QString> w = Gespeichert(f, d.Kennung, platz);
    if (!w && platz != CRnrSystemweit && platz != CRnrZentrale) w = Gespeichert(f, d.Kennung, CRnrZentrale);
    f.Close();
    return w;
}

bool AlsBool(const QString& s) { return s.trimmed().compare(QStringLiteral("J"), Qt::CaseInsensitive) == 0; }
}  // namespace

QString TParameter::StringParamRead(const QString& kennung, int rnr) {
    const TQLN_Parm_Def& d = Definition(kennung);
    return Wirksam(d, rnr).value_or(d.Vorgabe);
}

void TParameter::StringParamWrite(const QString& kennung, const QString& wert, int rnr) {
    const TQLN_Parm_Def& d = Definition(kennung);
    const QString kontext = QStringLiteral("TParameter.StringParamWrite");
    QLNBuchung buchung(CBuchungsArtParameter, kontext);
    Tparmfile f;
    f.OpenNew(-1);
    const int platz = Speicherplatz(d, rnr);
    if (Gespeichert(f, d.Kennung, platz)) {
        f.Wert.SetWert(wert);
        f.Write(wrdonUpdate);
    } else {
        f.ClearBuffer();
        f.Kennung.SetWert(d.Kennung);
        f.Rnr.SetWert(platz);
        f.Wert.SetWert(wert);
        f.Write(wrdonInsert);
    }
    f.Close();
    buchung.Ende(kontext);
}

bool TParameter::HatEigenenWert(const QString& kennung, int rnr) {
    const TQLN_Parm_Def& d = Definition(kennung);
    Tparmfile f;
    f.OpenNew(-1);
    const bool da = Gespeichert(f, d.Kennung, Speicherplatz(d, rnr)).has_value();
    f.Close();
    return da;
}

QString TParameter::GetStringValueByName(const QString& kennung) {
    return StringParamRead(kennung, TQLNProgramm::GetRId());
}

void TParameter::SetStringValueByName(const QString& kennung, const QString& wert) {
    StringParamWrite(kennung, wert, TQLNProgramm::GetRId());
}

int TParameter::GetIntegerValueByName(const QString& kennung) {
    bool ok = false;
    const int v = GetStringValueByName(kennung).trimmed().toInt(&ok);
    return ok ? v : 0;
}

void TParameter::SetIntegerValueByName(const QString& kennung, int wert) {
    SetStringValueByName(kennung, QString::number(wert));
}

bool TParameter::GetBooleanValueByName(const QString& kennung) { return AlsBool(GetStringValueByName(kennung)); }

void TParameter::SetBooleanValueByName(const QString& kennung, bool wert) {
    SetStringValueByName(kennung, wert ? QStringLiteral("J") : QStringLiteral("N"));
}

QChar TParameter::GetCharValueByName(const QString& kennung) {
    const QString s = GetStringValueByName(kennung);
    return s.isEmpty() ? QChar(u' ') : s[0];
}

void TParameter::SetCharValueByName(const QString& kennung, QChar wert) { SetStringValueByName(kennung, QString(wert)); }

bool TParameter::BooleanParamRead(const QString& kennung, int rnr) { return AlsBool(StringParamRead(kennung, rnr)); }

bool TParameter::CheckParm_RO_NewIsFalse(const QString& kennung) {
    const std::optional<QString> w = Wirksam(Definition(kennung), TQLNProgramm::GetRId());
    return w && AlsBool(*w);
}
