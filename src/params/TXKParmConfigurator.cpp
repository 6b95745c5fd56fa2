#include "TXKParmConfigurator.h"

#include "TfrmXkParm.h"
#include "host/Exception.h"
#include "host/TQLNInfo.h"
#include "host/TQLNProgramm.h"
#include "host/TQLN_Parm_Katalog.h"
#include "host/ui/TQLNForm.h"
#include "registry/Triveltaclass.h"

#include <QCoreApplication>

namespace {
std::optional<QStringList>& Argumente() {
    static std::optional<QStringList> a;
    return a;
}

bool AufZentraleFilialeOderService() {
    const TRTyp_Erw t = TQLNProgramm::GetRTyp();
    return t == 1 || t == 2 || t == 7;
}
}  // namespace

QString TXKParmConfigurator::Kurzname(const QString& id) {
    return id.startsWith(CParmPrefix, Qt::CaseInsensitive) ? id.mid(CParmPrefix.size()) : id;
}

QString TXKParmConfigurator::MenuName(const QString& kurzname) {
    if (kurzname.compare(CParmListeAlle, Qt::CaseInsensitive) == 0) return {};
    if (kurzname.compare(CParmListeIntern, Qt::CaseInsensitive) == 0) return CParmGruppeIntern;
    return kurzname;
}

int TXKParmConfigurator::ListenRTypen() {
    return AufZentraleFilialeOderService() ? C_RTypen_Alle : 1 << TQLNProgramm::GetRTyp();
}

bool TXKParmConfigurator::Active(const QString& id, const TXKConfiguratorClass&) {
    try {
        if (AufZentraleFilialeOderService()) return true;
        if (id.compare(CParmListeAlle, Qt::CaseInsensitive) == 0 || id.compare(CParmListeIntern, Qt::CaseInsensitive) == 0)
            return true;
        const std::unique_ptr<TQLN_Parm_Menu> menu =
            TQLN_Parm_Katalog::Menu_Create(Kurzname(id), 1 << TQLNProgramm::GetRTyp());
        return menu && menu->Count() > 0;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKParmConfigurator.Active"), e, true);
        return false;
    }
}

QString TXKParmConfigurator::Groups(const QString& id, const TXKConfiguratorClass&) {
    QString gruppen = QStringLiteral("BENUPARAMS");
    const QString gruppe = Kurzname(id);
    for (const TParmGroup_2_TriveltaGroup& p : C_ParmGroup_2_TriveltaGroup)
        if (gruppe.compare(QLatin1String(p.ParmGroup), Qt::CaseInsensitive) == 0)
            gruppen += QLatin1Char(',') + QLatin1String(p.TriveltaGroup);
    return gruppen;
}

QString TXKParmConfigurator::ListenCaption(const QString& id) {
    if (id.compare(CParmListeAlle, Qt::CaseInsensitive) == 0) return QStringLiteral("Liste aller Benutzerparameter");
    if (id.compare(CParmListeIntern, Qt::CaseInsensitive) == 0) return QStringLiteral("Interne Systemparameter");
    const std::unique_ptr<TQLN_Parm_Menu> menu = TQLN_Parm_Katalog::Menu_Create(Kurzname(id), C_RTypen_Alle);
    if (!menu)
        throw Exception(QStringLiteral("Die Parametergruppe \"%1\" gibt es im Parameterkatalog nicht.").arg(Kurzname(id)));
    return menu->Caption;
}

bool TXKParmConfigurator::SchalterF() {
    const QStringList args = Argumente() ? *Argumente() : QCoreApplication::arguments().mid(1);
    for (const QString& a : args)
        if (a.size() == 2 && (a[0] == QLatin1Char('-') || a[0] == QLatin1Char('/')) && a[1].toUpper() == QLatin1Char('F'))
            return true;
    return false;
}

void TXKParmConfigurator::SetArgumente(std::optional<QStringList> args) { Argumente() = std::move(args); }

QString TXKParmConfigurator::FensterCaption(const QString& caption) {
    return SchalterF() ? caption : TQLNForm::CaptionMitUnternehmensgruppe(caption);
}

bool TXKParmConfigurator::Execute(const QString& id) {
    try {
        FKurznamePrefix = id;
        FKurzname = Kurzname(id);
        TfrmXkParm frm(this, QStringLiteral("frmUeb") + id, ListenCaption(id));
        frm.ShowModal();
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKParmConfigurator.Execute"), e, true);
        return false;
    }
}

void RegistriereParmEintraege(const TQLN_Parm_Menu& alleGruppen) {
    const TXKConfiguratorClass& k = XKClass<TXKParmConfigurator>();
    RegisterXKConfigurator(k, CParmListeAlle, QStringLiteral("Liste aller Benutzerparameter"),
                           QStringLiteral("Die Benutzerparameter sind normalerweise nach Programmen oder Rubriken "
                                          "aufgeteilt. Hier finden Sie alle Parameter in einer Liste zusammengefasst. "
                                          "Über die Suche finden Sie einen einzelnen Parameter leichter."),
                           QStringLiteral("Parameter, Suche, Alle"));
    RegisterXKConfigurator(k, CParmListeIntern, QStringLiteral("Interne Systemparameter"),
                           QStringLiteral("Diese Parameter dürfen nur in Absprache mit dem Softwarehersteller "
                                          "geändert werden!"),
                           QStringLiteral("Intern, System"));
    // Groups edited by their own configurators get no entry of their own.
    static const QStringList ohneEintrag = {CParmGruppeIntern, QStringLiteral("FIBUVERW"), QStringLiteral("CRM")};
    for (const TQLN_Parm_MenuItem& item : alleGruppen.Items) {
        if (item.Art != pmaGruppe || ohneEintrag.contains(item.Name)) continue;
        const QString beschreibung = item.Beschreibung.trimmed();
        RegisterXKConfigurator(k, CParmPrefix + item.Name, item.Caption,
                               beschreibung.isEmpty()
                                   ? QStringLiteral("Parameter für das Programm/die Rubrik ") + item.Caption
                                   : beschreibung,
                               QStringLiteral("Parameter"));
    }
}

void InitUnit_XKParm() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    std::unique_ptr<TQLN_Parm_Menu> menu;
    try {
        menu = TQLN_Parm_Katalog::Menu_Create(QString(), C_RTypen_Alle);
    } catch (const std::exception& e) {
        // A broken catalogue must be seen; the two fixed lists report it again when opened.
        TQLNInfo::RegisterException(QStringLiteral("InitUnit_XKParm"), e, true);
    }
    RegistriereParmEintraege(menu ? *menu : TQLN_Parm_Menu());
}
