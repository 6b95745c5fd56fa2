#include "TZEV_ACfgData_Base.h"

#include "TZEV_IntList.h"
#include "host/Exception.h"

#include <QRegularExpression>
#include <charconv>
#include <functional>

namespace {
const QString CKopf = QStringLiteral("ACFG");

QString Maskiere(const QString& wert) {
    QString s;
    s.reserve(wert.size());
    for (const QChar c : wert) {
        if (c == QLatin1Char('\\'))
            s += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            s += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            s += QStringLiteral("\\r");
        else
            s += c;
    }
    return s;
}

// False for an unknown escape or a lone "\" at the end.
bool Demaskiere(const QString& text, QString& wert) {
    wert.clear();
    wert.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\')) {
            wert += text[i];
            continue;
        }
        if (++i >= text.size()) return false;
        switch (text[i].unicode()) {
            case '\\': wert += QLatin1Char('\\'); break;
            case 'n': wert += QLatin1Char('\n'); break;
            case 'r': wert += QLatin1Char('\r'); break;
            default: return false;
        }
    }
    return true;
}

bool IstSchluessel(const QString& key) {
    static const QRegularExpression muster(QStringLiteral("^[A-Za-z0-9_.]+$"));
    return muster.match(key).hasMatch();
}

bool LeseInt(const QString& text, qint64& wert) {
    bool ok = false;
    wert = text.toLongLong(&ok);
    // toLongLong accepts a leading "+" and blanks; the stored form has neither.
    return ok && text == QString::number(wert);
}

bool LeseInts(const QString& text, int anzahl, QList<qint32>& werte) {
    const QStringList teile = text.split(QLatin1Char('/'));
    if (teile.size() != anzahl) return false;
    werte.clear();
    for (const QString& t : teile) {
        qint64 w = 0;
        if (!LeseInt(t, w) || w < std::numeric_limits<qint32>::min() || w > std::numeric_limits<qint32>::max())
            return false;
        werte.append(qint32(w));
    }
    return true;
}

int Vorzeichen(int c) { return c < 0 ? -1 : (c > 0 ? 1 : 0); }
}  // namespace

// --- TZEV_ACfgWerte ----------------------------------------------------------

void TZEV_ACfgWerte::Add(const QString& key, const QString& wert) {
    if (!IstSchluessel(key))
        throw Exception(QStringLiteral("Der Schlüssel „%1“ ist für gespeicherte Konfigurationen nicht zulässig.").arg(key));
    if (Hat(key)) throw Exception(QStringLiteral("Der Schlüssel „%1“ wird zweimal geschrieben.").arg(key));
    FEintraege.append({key, wert});
}

void TZEV_ACfgWerte::SetString(const QString& key, const QString& wert) { Add(key, wert); }
void TZEV_ACfgWerte::SetInt(const QString& key, qint64 wert) { Add(key, QString::number(wert)); }
void TZEV_ACfgWerte::SetBool(const QString& key, bool wert) { Add(key, wert ? QStringLiteral("J") : QStringLiteral("N")); }
void TZEV_ACfgWerte::SetDouble(const QString& key, double wert) {
    // The shortest text that reads back to the same bits ("-0" included).
    char puffer[64];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert);
    Add(key, QString::fromLatin1(puffer, fehler == std::errc() ? ende - puffer : 0));
}
void TZEV_ACfgWerte::SetIntPair(const QString& key, const TIntPair& wert) {
    Add(key, QStringLiteral("%1/%2").arg(wert.A).arg(wert.B));
}
void TZEV_ACfgWerte::SetIntTrio(const QString& key, const TIntTrio& wert) {
    Add(key, QStringLiteral("%1/%2/%3").arg(wert.A).arg(wert.B).arg(wert.C));
}
void TZEV_ACfgWerte::SetIntList(const QString& key, const QList<int>& wert) {
    Add(key, TZEV_IntList::IntArray_ToBeschreibenderText(wert));
}
void TZEV_ACfgWerte::SetStringList(const QString& key, const QStringList& wert) {
    SetInt(key + QStringLiteral(".Anzahl"), wert.size());
    for (qsizetype i = 0; i < wert.size(); ++i) SetString(QStringLiteral("%1.%2").arg(key).arg(i), wert[i]);
}

const QString* TZEV_ACfgWerte::Roh(const QString& key) const {
    for (const auto& e : FEintraege)
        if (e.first == key) return &e.second;
    return nullptr;
}

bool TZEV_ACfgWerte::Hat(const QString& key) const { return Roh(key) != nullptr; }

void TZEV_ACfgWerte::Falsch(const QString& key, const QString& wert, const QString& erwartet) const {
    throw Exception(QStringLiteral("Der Wert „%1“ von %2 ist %3.").arg(wert, key, erwartet));
}

QString TZEV_ACfgWerte::GetString(const QString& key, const QString& vorgabe) const {
    const QString* w = Roh(key);
    return w ? *w : vorgabe;
}

qint64 TZEV_ACfgWerte::GetInt(const QString& key, qint64 vorgabe, qint64 min, qint64 max) const {
    const QString* w = Roh(key);
    if (!w) return vorgabe;
    qint64 wert = 0;
    if (!LeseInt(*w, wert)) Falsch(key, *w, QStringLiteral("keine ganze Zahl"));
    if (wert < min || wert > max)
        Falsch(key, *w, QStringLiteral("nicht zwischen %1 und %2").arg(min).arg(max));
    return wert;
}

bool TZEV_ACfgWerte::GetBool(const QString& key, bool vorgabe) const {
    const QString* w = Roh(key);
    if (!w) return vorgabe;
    if (*w == QLatin1String("J")) return true;
    if (*w == QLatin1String("N")) return false;
    Falsch(key, *w, QStringLiteral("weder J noch N"));
}

double TZEV_ACfgWerte::GetDouble(const QString& key, double vorgabe) const {
    const QString* w = Roh(key);
    if (!w) return vorgabe;
    // from_chars: no locale, no blanks, and "-0" keeps its sign.
    const QByteArray text = w->toLatin1();
    double wert = 0.0;
    const auto [ende, fehler] = std::from_chars(text.constData(), text.constData() + text.size(), wert);
    if (w->isEmpty() || fehler != std::errc() || ende != text.constData() + text.size())
        Falsch(key, *w, QStringLiteral("keine Zahl"));
    return wert;
}

TIntPair TZEV_ACfgWerte::GetIntPair(const QString& key, const TIntPair& vorgabe) const {
    const QString* w = Roh(key);
    if (!w) return vorgabe;
    QList<qint32> z;
    if (!LeseInts(*w, 2, z)) Falsch(key, *w, QStringLiteral("kein Zahlenpaar"));
    return {z[0], z[1]};
}

TIntTrio TZEV_ACfgWerte::GetIntTrio(const QString& key, const TIntTrio& vorgabe) const {
    const QString* w = Roh(key);
    if (!w) return vorgabe;
    QList<qint32> z;
    if (!LeseInts(*w, 3, z)) Falsch(key, *w, QStringLiteral("kein Zahlentripel"));
    return {z[0], z[1], z[2]};
}

QList<int> TZEV_ACfgWerte::GetIntList(const QString& key, const QList<int>& vorgabe) const {
    const QString* w = Roh(key);
    if (!w) return vorgabe;
    QList<int> werte;
    QString fehler;
    if (!TZEV_IntList::IntArray_FromBeschreibenderText(*w, werte, &fehler))
        throw Exception(QStringLiteral("%1: %2").arg(key, fehler));
    return werte;
}

QStringList TZEV_ACfgWerte::GetStringList(const QString& key, const QStringList& vorgabe) const {
    const QString anzahlKey = key + QStringLiteral(".Anzahl");
    if (!Hat(anzahlKey)) return vorgabe;
    const int n = GetAnzahl(anzahlKey);
    QStringList liste;
    for (int i = 0; i < n; ++i) {
        const QString k = QStringLiteral("%1.%2").arg(key).arg(i);
        const QString* w = Roh(k);
        if (!w) throw Exception(QStringLiteral("Der Eintrag %1 fehlt.").arg(k));
        liste << *w;
    }
    return liste;
}

int TZEV_ACfgWerte::GetAnzahl(const QString& key, int max) const { return int(GetInt(key, 0, 0, max)); }

QString TZEV_ACfgWerte::Text() const {
    QStringList zeilen;
    zeilen.reserve(FEintraege.size());
    for (const auto& e : FEintraege) zeilen << e.first + QLatin1Char('=') + Maskiere(e.second);
    return zeilen.join(QLatin1Char('\n'));
}

TZEV_ACfgWerte TZEV_ACfgWerte::AusText(const QStringList& zeilen, int ersteZeile) {
    TZEV_ACfgWerte werte;
    for (qsizetype i = ersteZeile; i < zeilen.size(); ++i) {
        const QString& zeile = zeilen[i];
        if (zeile.isEmpty() && i == zeilen.size() - 1) break;  // a final line break
        auto fehler = [&](const QString& grund) {
            throw Exception(QStringLiteral("Zeile %1: %2").arg(i + 1).arg(grund));
        };
        const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
        if (gleich < 0) fehler(QStringLiteral("„%1“ ist kein Eintrag der Form Schlüssel=Wert.").arg(zeile.left(60)));
        const QString key = zeile.left(gleich);
        QString wert;
        if (!IstSchluessel(key)) fehler(QStringLiteral("Der Schlüssel „%1“ ist ungültig.").arg(key.left(60)));
        if (werte.Hat(key)) fehler(QStringLiteral("Der Schlüssel %1 steht zweimal da.").arg(key));
        if (!Demaskiere(zeile.mid(gleich + 1), wert))
            fehler(QStringLiteral("Der Wert von %1 enthält ein ungültiges Zeichen nach „\\“.").arg(key));
        werte.FEintraege.append({key, wert});
    }
    return werte;
}

// --- TZEV_ACfgDataClass --------------------------------------------------------

std::unique_ptr<TZEV_ACfgData_Base> TZEV_ACfgDataClass::AusText(TZEV_ACfgType_Erw typ, const QString& text) const {
    QStringList zeilen = text.split(QLatin1Char('\n'));
    for (QString& z : zeilen)
        if (z.endsWith(QLatin1Char('\r'))) z.chop(1);
    const QStringList kopf = zeilen.value(0).split(QLatin1Char('|'));
    if (text.isEmpty() || kopf.value(0) != CKopf || kopf.size() < 3 || kopf.size() > 4)
        throw Exception(QStringLiteral("Der Text beginnt nicht mit einem gültigen Kopf (%1|Klasse|Version).").arg(CKopf));
    if (kopf[1] != ClassName())
        throw Exception(QStringLiteral("Der Text gehört zur Klasse %1, erwartet wird %2.").arg(kopf[1], ClassName()));
    qint64 version = 0;
    if (!LeseInt(kopf[2], version) || version < 1)
        throw Exception(QStringLiteral("Die Version „%1“ ist ungültig.").arg(kopf[2]));
    if (version > Version())
        throw Exception(QStringLiteral("Der Text wurde von einer neueren Programmversion geschrieben (Version %1, "
                                       "dieses Programm kennt bis Version %2).")
                            .arg(version)
                            .arg(Version()));
    qint64 rnr = 0;
    if (kopf.size() == 4 && (!LeseInt(kopf[3], rnr) || rnr < 0 || rnr > std::numeric_limits<qint32>::max()))
        throw Exception(QStringLiteral("Die Rechnernummer „%1“ im Kopf ist ungültig.").arg(kopf[3]));

    const TZEV_ACfgWerte werte = TZEV_ACfgWerte::AusText(zeilen, 1);
    std::unique_ptr<TZEV_ACfgData_Base> obj = Create(typ);
    obj->WerteLesen(werte, int(version));
    obj->EigeneRNr_Set(int(rnr));
    return obj;
}

// --- TZEV_ACfgData_Base ------------------------------------------------------------

QString TZEV_ACfgData_Base::WerteText() const {
    TZEV_ACfgWerte werte;
    WerteSchreiben(werte);
    return werte.Text();
}

QString TZEV_ACfgData_Base::Serialisieren() const {
    QString kopf = QStringLiteral("%1|%2|%3").arg(CKopf, FKlasse->ClassName()).arg(FKlasse->Version());
    if (FKlasse->HatEigeneRNr()) kopf += QStringLiteral("|%1").arg(FEigeneRNr);
    const QString werte = WerteText();
    return werte.isEmpty() ? kopf : kopf + QLatin1Char('\n') + werte;
}

std::unique_ptr<TZEV_ACfgData_Base> TZEV_ACfgData_Base::Clone() const { return FKlasse->AusText(FTyp, Serialisieren()); }

int TZEV_ACfgData_Base::Compare(const TZEV_ACfgData_Base& other) const {
    if (this == &other) return 0;
    if (FKlasse != &other.Klasse()) {
        const int c = FKlasse->ClassName().compare(other.Klasse().ClassName());
        // Two class objects with one name cannot come from one program; order them by address.
        if (c != 0) return Vorzeichen(c);
        return std::less<const void*>()(FKlasse, &other.Klasse()) ? -1 : 1;
    }
    if (FTyp != other.FTyp) return FTyp < other.FTyp ? -1 : 1;
    if (const int c = WerteVergleichen(other)) return Vorzeichen(c);
    return Vorzeichen(WerteText().compare(other.WerteText()));
}
