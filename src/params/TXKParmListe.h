#pragma once
// The rows of a parameter list: every parameter of a catalogue menu once, with
// its group and current value.

#include <QList>
#include <QString>
#include <functional>

class TQLN_Parm_Menu;

struct TXKParmListItem {
    QString Kennung;
    QString Name;
    QString GruppenKennung;
    QString GruppenName;
    QString Inhalt;     // the current computer's value
    QString Kurzhilfe;  // help text
};

namespace TXKParmListe {
// A menu whose first element is a group is read group by group (without the
// group "DUMMY"); any other menu is itself the group of its parameters. A
// parameter that several groups hold is taken from the first. nachZeile runs
// after each row (progress, messages).
QList<TXKParmListItem> Lies(const TQLN_Parm_Menu& menu, const std::function<void()>& nachZeile = {});
}  // namespace TXKParmListe
