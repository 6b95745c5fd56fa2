#pragma once
// The parameter catalogue's entries in the centre: "ALLPARMLIST" (every user
// parameter in one list), "INTPARMLIST" (the internal parameters of the group
// "DUMMY") and one "PARM_" entry per parameter group of the host catalogue.
// Each opens the parameter list; a parameter is edited in its own dialog.

#include "registry/TXKConfigurator.h"

#include <QStringList>
#include <optional>

class TQLN_Parm_Menu;

inline const QString CParmListeAlle = QStringLiteral("ALLPARMLIST");
inline const QString CParmListeIntern = QStringLiteral("INTPARMLIST");
inline const QString CParmPrefix = QStringLiteral("PARM_");
inline const QString CParmGruppeIntern = QStringLiteral("DUMMY");

class TXKParmConfigurator : public TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TXKParmConfigurator";
    static bool Active(const QString& id, const TXKConfiguratorClass& cls);
    static QString Groups(const QString& id, const TXKConfiguratorClass& cls);

    bool Execute(const QString& id) override;

    // The id without a leading "PARM_" (case ignored).
    static QString Kurzname(const QString& id);
    // The catalogue menu a list opens: all groups, "DUMMY", or the group.
    static QString MenuName(const QString& kurzname);
    // Computer types a list shows: all of them on computers of type 1, 2 and 7,
    // else only the current computer's type.
    static int ListenRTypen();
    // The list's caption; throws Exception when the catalogue has no such group.
    static QString ListenCaption(const QString& id);

    // Switch F on the command line: captions without the company group.
    static bool SchalterF();
    // Seam: the arguments to look at instead of the program's command line.
    static void SetArgumente(std::optional<QStringList> args);
    // caption, followed by " - " and the company group unless switch F is given
    static QString FensterCaption(const QString& caption);

    QString FKurznamePrefix;  // the id as started
    QString FKurzname;        // the id without "PARM_"
    // Column indices of the list, set by the list window.
    int FParmBezInd = -1;
    int FParmInhInd = -1;
    int FParmHilfeInd = -1;
    int FParmKennInd = -1;
    int FParmGruInd = -1;
    int FParmGruKInd = -1;
};

// Registers "ALLPARMLIST", "INTPARMLIST" and one "PARM_" entry for every
// group of the menu of all groups, in the menu's order, leaving out "DUMMY",
// "FIBUVERW" and "CRM" and every item that is no group.
void RegistriereParmEintraege(const TQLN_Parm_Menu& alleGruppen);

void InitUnit_XKParm();
