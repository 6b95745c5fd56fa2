#pragma once
// The host session: program id and title, the own computer (number, type, name),
// client, company group, country and currencies, the user's rights, and the
// per-window work guard. Values come from the installed session source: the
// database once it is open, the program ini before that and in tests.

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <exception>
#include <memory>

class QObject;

// Computer type, ordinals 0 to 7.
using TRTyp_Erw = int;
// Computer-type set: bit n stands for computer type n.
constexpr int C_RTypen_Alle = 254;  // 1 to 7
// Every computer type but head office (1) and service computer (7).
constexpr int C_RTypen_NonHPcZEVPc = 0b0111100;
using TZEV_WPF_Recht = quint16;

enum class TEnumProzessTypen { ptUnbekannt, ptDienst, ptKasse, ptKonfiguration, ptVerwaltung };
enum class TPVR_InstanceCount { icBeliebig, icEinmalProRechner, icEinmalProBenutzer };

struct TQLNSitzungsDaten {
    int RId = 1;                 // own computer number
    TRTyp_Erw RTyp = 1;          // own computer type
    QString RName;               // own computer's name
    int Mandant = 1;             // client number
    QString MandantName;
    QString Unternehmensgruppe;  // company-group name
    QString Land = QStringLiteral("D");
    QString Waehrung = QStringLiteral("EUR");   // system currency
    QString Waehrung2;                          // second system currency
    QString Benutzer;
    QSet<int> VerweigerteRechte;  // rights the user does not have
};

// Where the session's values come from.
class TQLNSitzungsQuelle {
public:
    virtual ~TQLNSitzungsQuelle() = default;
    virtual TQLNSitzungsDaten Lade() = 0;  // throws Exception when it cannot
};

// Reads the program ini: section "SYSTEM", keys RNR (own computer number),
// RTYP, RNAME, MANDANT, MANDANTNAME, UNTERNEHMENSGRUPPE, LAND, WAEHRUNG,
// WAEHRUNG2, BENUTZER, VERWEIGERTERECHTE (comma list of right numbers).
class TQLNIniSitzungsQuelle : public TQLNSitzungsQuelle {
public:
    explicit TQLNIniSitzungsQuelle(QString iniDatei = {});
    TQLNSitzungsDaten Lade() override;
    static int EigeneRechnernummer(const QString& iniDatei);  // RNR, 1 when absent

private:
    QString FIniDatei;
};

class TQLNProgramm {
public:
    // Opens the session under the program id; loads the session values from the
    // installed source (the program ini when none was installed).
    static void Init(const QString& programmId, TEnumProzessTypen prozessTyp, TPVR_InstanceCount instanzen,
                     int reserve, bool mitOberflaeche);
    static bool Initialisiert();
    static void Beenden();  // closes the session (tests, end of program)

    static void SetTitle(const QString& titel);
    static QString GetTitle();
    static QString GetProgrammId();

    static int GetRId();
    static TRTyp_Erw GetRTyp();
    static QString GetRName();
    static int GetMandant();
    static QString GetMandantName();
    static QString GetUnternehmensgruppeName();
    static QString GetLand();
    static QString GetWaehrung();
    static QString GetWaehrung2();
    static QString GetBenutzer();
    static const TQLNSitzungsDaten& Sitzung();

    static bool RTypInSet(TRTyp_Erw typ, int typenSet);

    // True when the user has every right; otherwise tells the user (when
    // meldung) and returns false.
    static bool UserRechtePruefen(const QList<TZEV_WPF_Recht>& rechte, bool meldung = true);

    static void ShowException(const std::exception& e, bool beenden);

    // Work guard: one action per window at a time.
    static bool WorkStartTry(const QObject* fenster, const QString& kontext, int modus);
    static void WorkDone(const QObject* fenster);
    static bool Working(const QObject* fenster);
    static QString WorkingContext(const QObject* fenster);

    // Seams.
    static void InstallSitzungsQuelle(std::unique_ptr<TQLNSitzungsQuelle> quelle);
    static void SetSitzung(const TQLNSitzungsDaten& daten);  // replaces the values of an open session
};

// Holds the work guard for the lifetime of a handler; Ok() tells whether the
// guard admitted the action.
class TQLNWorkGuard {
public:
    TQLNWorkGuard(const QObject* fenster, const QString& kontext, int modus = 5);
    ~TQLNWorkGuard();
    TQLNWorkGuard(const TQLNWorkGuard&) = delete;
    TQLNWorkGuard& operator=(const TQLNWorkGuard&) = delete;
    bool Ok() const { return FOk; }
    explicit operator bool() const { return FOk; }

private:
    const QObject* FFenster;
    bool FOk;
};
