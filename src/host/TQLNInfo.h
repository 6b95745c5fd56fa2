#pragma once
// Message and exception service of the host. Static calls forward to the
// installed TQLNInfoDienst: production shows Qt message boxes, tests install a
// scripted double.

#include <QString>
#include <QStringList>
#include <exception>
#include <memory>

// Message kinds (the buttons of the box).
enum TQLNMeldungsArt : int {
    mkHinweis = 0,       // notice, OK
    mkWarnung = 1,       // warning, OK
    mkFehler = 2,        // error, OK
    mkJaNeinAbbruch = 3, // Yes/No/Cancel: 6, 7, 2
    mkJaNein = 4,        // Yes/No: 6, 7
};

// Results of a message box.
enum TQLNMeldungsErgebnis : int { mrOk = 1, mrAbbruch = 2, mrJa = 6, mrNein = 7 };

class TQLNInfoDienst {
public:
    virtual ~TQLNInfoDienst() = default;
    // Shows a box of the given kind and returns its result. category/number are
    // empty/0 for the direct boxes (QLNHinweisBox and friends).
    virtual int ZeigeMeldung(int art, const QString& text, const QString& kategorie, int nummer) = 0;
    // Lets the user-interface thread handle pending window messages for at most ms.
    virtual void ProcessMessages(int ms);
};

class TQLNInfo {
public:
    static int ShowMeldung(int art, const QStringList& args, const QString& kategorie, int nummer);

    static void QLNHinweisBox(const QString& text);
    static bool QLNJaNeinBox(const QString& text);
    static void QLNFehlerBox(const QString& text);

    // Logs the exception under the context text ("Class.Operation") and, with
    // show, tells the user. Never throws.
    static void RegisterException(const QString& context, const std::exception& e, bool show);
    // Raises an Exception carrying the catalogue message.
    [[noreturn]] static void FehlerRaise(const QString& context, const QString& kategorie, int nummer,
                                         const QStringList& args = {});
    [[noreturn]] static void FehlerRaise(const QString& context, const QString& text);
    // Ends a destructor or clean-up step: notes in the log when a failure was
    // registered silently during it.
    static void FehlerTerminate(const QString& context);

    static void QLNInfoProcessMessages(int ms);

    // Seams.
    static void Install(std::unique_ptr<TQLNInfoDienst> dienst);  // nullptr restores the standard
    static TQLNInfoDienst& Dienst();
    static void SetLogFile(const QString& dateiname);  // empty: the standard log file
    static QString LogFile();
};

// Free host function of the same name, used by scans that pump messages.
inline void QLNInfoProcessMessages(int ms) { TQLNInfo::QLNInfoProcessMessages(ms); }

// The production service: QMessageBox on the user-interface thread.
class TQLNInfoDialogDienst : public TQLNInfoDienst {
public:
    int ZeigeMeldung(int art, const QString& text, const QString& kategorie, int nummer) override;
};
