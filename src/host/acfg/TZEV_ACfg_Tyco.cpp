#include "TZEV_ACfg_Tyco.h"

#include "host/Exception.h"

#include <QFile>
#include <QRegularExpression>

// Outside any namespace: the macro declares the resource's init function.
static void InitResource() { Q_INIT_RESOURCE(host); }

namespace {
QString LiesResource() {
    InitResource();
    QFile f(QStringLiteral(":/host/acfgtypen.txt"));
    if (!f.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Der Katalog der Konfigurationstypen (acfgtypen.txt) fehlt im Programm."));
    return QString::fromUtf8(f.readAll());
}

QString Text(const QString& feld) { return feld.trimmed().replace(QStringLiteral("\\n"), QStringLiteral("\n")); }
}  // namespace

TZEV_ACfg_TypKatalog::TZEV_ACfg_TypKatalog(const QString& text, const QString& quelle) {
    FWurzel.Name = QStringLiteral("acfgAlle");
    FWurzel.Caption = QStringLiteral("Konfigurationen");
    FWurzel.Beschreibung = QStringLiteral("Alle Konfigurationen");

    static const QRegularExpression nameMuster(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    QHash<QString, int> namen;
    const QStringList zeilen = text.split(QLatin1Char('\n'));
    for (qsizetype nr = 0; nr < zeilen.size(); ++nr) {
        const QString zeile = zeilen[nr].trimmed();
        if (zeile.isEmpty() || zeile.startsWith(QLatin1Char('#'))) continue;
        auto fehler = [&](const QString& grund) {
            throw Exception(QStringLiteral("%1, Zeile %2: %3").arg(quelle).arg(nr + 1).arg(grund));
        };
        const QStringList f = zeile.split(QLatin1Char('|'));
        if (f.size() != 6) fehler(QStringLiteral("Erwartet werden 6 Felder, die Zeile hat %1.").arg(f.size()));
        bool ok = false;
        const int typ = f[0].trimmed().toInt(&ok);
        if (!ok || typ < 1 || typ > 255) fehler(QStringLiteral("Der Typ „%1“ ist keine Zahl von 1 bis 255.").arg(f[0].trimmed()));
        const int obertyp = f[1].trimmed().toInt(&ok);
        if (!ok || obertyp < 0 || obertyp > 255)
            fehler(QStringLiteral("Der Obertyp „%1“ ist keine Zahl von 0 bis 255.").arg(f[1].trimmed()));
        if (FEintraege.contains(TZEV_ACfgType_Erw(typ))) fehler(QStringLiteral("Den Typ %1 gibt es schon.").arg(typ));
        // A parent defined further up keeps the tree free of cycles.
        if (obertyp != 0 && !FEintraege.contains(TZEV_ACfgType_Erw(obertyp)))
            fehler(QStringLiteral("Der Obertyp %1 muss weiter oben stehen.").arg(obertyp));
        TZEV_ACfg_TypEintrag e;
        e.Typ = TZEV_ACfgType_Erw(typ);
        e.Obertyp = TZEV_ACfgType_Erw(obertyp);
        e.Name = f[2].trimmed();
        e.Caption = Text(f[3]);
        e.Beschreibung = Text(f[4]);
        e.Schlagworte = Text(f[5]);
        if (!nameMuster.match(e.Name).hasMatch())
            fehler(QStringLiteral("Der Name „%1“ ist kein Bezeichner.").arg(e.Name));
        if (namen.contains(e.Name) || e.Name == FWurzel.Name)
            fehler(QStringLiteral("Den Namen %1 gibt es schon.").arg(e.Name));
        if (e.Caption.isEmpty()) fehler(QStringLiteral("Die Bezeichnung fehlt."));
        namen.insert(e.Name, typ);
        FEintraege.insert(e.Typ, e);
        FKinder[e.Obertyp].append(e.Typ);
        FReihenfolge.append(e.Typ);
    }
}

const TZEV_ACfg_TypKatalog& TZEV_ACfg_TypKatalog::Standard() {
    static const TZEV_ACfg_TypKatalog katalog(LiesResource(), QStringLiteral("acfgtypen.txt"));
    return katalog;
}

const TZEV_ACfg_TypEintrag* TZEV_ACfg_TypKatalog::Eintrag(TZEV_ACfgType_Erw typ) const {
    if (typ == 0) return &FWurzel;
    const auto it = FEintraege.constFind(typ);
    return it == FEintraege.cend() ? nullptr : &it.value();
}

QString TZEV_ACfg_TypKatalog::Name(TZEV_ACfgType_Erw typ) const {
    const TZEV_ACfg_TypEintrag* e = Eintrag(typ);
    return e ? e->Name : QString::number(typ);
}

bool TZEV_ACfg_TypKatalog::Unterhalb(TZEV_ACfgType_Erw typ, TZEV_ACfgType_Erw vorfahr) const {
    const TZEV_ACfg_TypEintrag* e = Eintrag(typ);
    if (!e || typ == 0) return false;
    while (e && e->Typ != 0) {
        if (e->Obertyp == vorfahr) return true;
        e = Eintrag(e->Obertyp);
    }
    return false;
}
