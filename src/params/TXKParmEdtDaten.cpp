#include "TXKParmEdtDaten.h"

#include "TXKParmConfigurator.h"
#include "host/Exception.h"
#include "host/TQLN_Parm_Katalog.h"
#include "host/TRVRTab.h"

#include <climits>
#include <cstdlib>

void TXKParmEdtDaten::ReadParam(const QString& parmKennung, const QString& groupKennung) {
    FParmKennung = parmKennung.trimmed();
    FParmGroupKennung = groupKennung.trimmed();
    if (FParmKennung.isEmpty()) throw Exception(QStringLiteral("Es ist kein Parameter angegeben."));
    if (FParmGroupKennung.isEmpty())
        throw Exception(QStringLiteral("Für den Parameter %1 ist keine Gruppe angegeben.").arg(FParmKennung));
    const std::unique_ptr<TQLN_Parm_Menu> menu = TQLN_Parm_Katalog::Menu_Create(FParmGroupKennung, C_RTypen_Alle);
    if (!menu)
        throw Exception(QStringLiteral("Die Parametergruppe %1 gibt es im Parameterkatalog nicht.").arg(FParmGroupKennung));
    if (menu->Count() == 0)
        throw Exception(QStringLiteral("Die Parametergruppe %1 enthält keine Parameter.").arg(FParmGroupKennung));
    const TQLN_Parm_MenuItem* gefunden = nullptr;
    for (const TQLN_Parm_MenuItem* p = menu->GetFirst(); p && !gefunden; p = menu->GetNext())
        if (p->Art == pmaParameter && p->Parm && p->Name.compare(FParmKennung, Qt::CaseInsensitive) == 0) gefunden = p;
    if (!gefunden)
        throw Exception(QStringLiteral("Der Parameter %1 steht nicht in der Parametergruppe %2.")
                            .arg(FParmKennung, FParmGroupKennung));
    const TQLN_Parm_Def& d = *gefunden->Parm;
    FParmKennung = d.Kennung;
    FParmBez = d.Bezeichnung;
    FParmHilfe = d.Hilfe;
    FParmGroupBez = menu->Caption;
    FParmAvailOnPC = d.RTypen;
    FParmValid = d.Gueltigkeit;
    FParmTyp = d.Typ;
    FParmIsCrypted = d.Geschuetzt;
    FParmMitWerteVorrat = TQLN_Parm_Katalog::ParmWert_Vorrat_Existiert(d.Kennung);
    FParmWerteVorrat.clear();
    FParmWerteVorrat_Bez.clear();
    if (FParmMitWerteVorrat)
        TQLN_Parm_Katalog::ParmWert_Vorrat_Fuer(d.Kennung, FParmWerteVorrat_Bez, true, FParmWerteVorrat);
    FParmMaxLength = 0;
    FParmStringSubType = 0;
    FParmIntegerMin = FParmIntegerMax = 0;
    if (FParmTyp == ptString) {
        FParmMaxLength = d.MaxLaenge;
        FParmStringSubType = d.StringSubTyp;
    } else if (FParmTyp == ptInteger) {
        FParmIntegerMin = d.IntegerMin;
        FParmIntegerMax = d.IntegerMax;
    }
    FParmChangeable = Changeable(TQLNProgramm::GetRTyp(), FParmAvailOnPC);
}

bool TXKParmEdtDaten::Changeable(TRTyp_Erw rtyp, int availOnPC) {
    if (rtyp == 1 || rtyp == 7) return true;
    if (TQLNProgramm::RTypInSet(rtyp, availOnPC)) return true;
    constexpr int filialTypen = (1 << 0) | (1 << 2) | (1 << 3) | (1 << 4) | (1 << 5) | (1 << 6);
    return rtyp == 2 && (availOnPC & filialTypen) != 0;
}

bool TXKParmEdtDaten::IstSystemweit() const { return FParmValid == CParmGueltigSystemweit; }

bool TXKParmEdtDaten::IstIntern() const {
    return FParmGroupKennung.compare(CParmGruppeIntern, Qt::CaseInsensitive) == 0;
}

QString TXKParmEdtDaten::VerfuegbarText() const {
    if ((FParmAvailOnPC & C_RTypen_Alle) == C_RTypen_Alle) return QStringLiteral("allen Rechnertypen");
    QStringList namen;
    for (int t = 1; t <= 7; ++t)
        if (TQLNProgramm::RTypInSet(t, FParmAvailOnPC)) namen << TRVRTab::RTypBezeichnung(t);
    return namen.isEmpty() ? QStringLiteral("keinem Rechnertyp") : namen.join(QStringLiteral(", "));
}

QString TXKParmEdtDaten::GueltigkeitText() const {
    return IstSystemweit() ? QStringLiteral("Einstellung gilt systemweit")
                           : QStringLiteral("für jeden Rechner individuell einstellbar");
}

QString TXKParmEdtDaten::HinweisText() const {
    return FParmChangeable ? QStringLiteral("Parameter ist auf diesem Rechner änderbar")
                           : QStringLiteral("Parameter ist auf diesem Rechner NICHT änderbar");
}

TXKParmEdtDaten::Editor TXKParmEdtDaten::EditorFuer() const {
    Editor e;
    if (FParmTyp == ptBoolean) {
        e.Art = Editor::CheckBox;
        return e;
    }
    if (FParmMitWerteVorrat) {
        e.Art = Editor::ComboBox;
        return e;
    }
    e.Art = Editor::Edit;
    switch (FParmTyp) {
        case ptZeichen:
            e.FeldTyp = 1;
            e.MaxLaenge = 1;
            break;
        case ptText10:
            e.FeldTyp = 3;
            e.MaxLaenge = 10;
            e.Maske = QStringLiteral("cccccccccc;0");
            break;
        case ptInteger: {
            // As many digits as the larger bound has; the edit starts at 0 at the latest.
            const qint64 groesster = qMax(std::llabs(qint64(FParmIntegerMin)), std::llabs(qint64(FParmIntegerMax)));
            const int stellen = qMax(1, int(QString::number(groesster).size()));
            qint64 neunen = 1;
            for (int i = 0; i < stellen; ++i) neunen *= 10;
            e.FeldTyp = 6;
            e.Minimum = qMin(FParmIntegerMin, 0);
            e.Maximum = int(qMin<qint64>(neunen - 1, INT_MAX));
            // A negative minimum needs room for its sign.
            e.MaxLaenge = stellen + (e.Minimum < 0 ? 1 : 0);
            break;
        }
        case ptZahl13:
            e.FeldTyp = 2;
            e.MaxLaenge = 13;
            break;
        case ptZahl17:
            e.FeldTyp = 2;
            e.MaxLaenge = 17;
            break;
        case ptString:
            e.MaxLaenge = FParmMaxLength;
            e.FeldTyp = FParmStringSubType == CParmStringFrei ? 0 : FParmStringSubType == CParmStringZiffern ? 2 : 1;
            break;
        default:
            throw Exception(QStringLiteral("No editor @ ") + FParmKennung + QStringLiteral("!"));
    }
    return e;
}

QStringList TXKParmEdtDaten::ComboEintraege() const {
    QStringList out;
    for (int i = 0; i < FParmWerteVorrat.size(); ++i) {
        const QString& w = FParmWerteVorrat[i];
        const QString& b = FParmWerteVorrat_Bez.value(i);
        out << (b != w ? w + QLatin1Char('=') + b : w);
    }
    return out;
}

int TXKParmEdtDaten::ComboIndex(const QString& text) const {
    for (int i = 0; i < FParmWerteVorrat.size(); ++i) {
        const QString& w = FParmWerteVorrat[i];
        bool gleich = false;
        switch (FParmTyp) {
            case ptZeichen:
                gleich = !text.isEmpty() && !w.isEmpty() && text[0] == w[0];
                break;
            case ptString: {
                // Value-list strings are compared on their 16 characters.
                QString t = text.left(CParmWertVorratLaenge);
                while (t.endsWith(QLatin1Char(' '))) t.chop(1);
                gleich = t == w;
                break;
            }
            case ptInteger: {
                bool ok1 = false, ok2 = false;
                const int a = text.trimmed().toInt(&ok1);
                const int b = w.toInt(&ok2);
                gleich = ok1 && ok2 && a == b;
                break;
            }
            default:
                gleich = text == w;
        }
        if (gleich) return i;
    }
    return -1;
}

QString TXKParmEdtDaten::ComboWert(int index) const {
    if (index < 0 || index >= FParmWerteVorrat.size()) return {};
    const QString& w = FParmWerteVorrat[index];
    switch (FParmTyp) {
        case ptZeichen: return w.left(1);
        case ptInteger: return QString::number(w.toInt());
        case ptString: return w.left(CParmWertVorratLaenge);
        default: return w;
    }
}

QString TXKParmEdtDaten::IntegerPruefung(const QString& text) const {
    bool ok = false;
    int v = text.trimmed().toInt(&ok);
    if (!ok) v = 0;
    if (v < FParmIntegerMin) return QStringLiteral("Der von Ihnen eingegebene Wert ist zu klein!");
    if (v > FParmIntegerMax) return QStringLiteral("Der von Ihnen eingegebene Wert ist zu groß!");
    return {};
}
