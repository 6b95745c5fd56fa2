#pragma once
// The host's maintenance of internet connections of one kind: FTP servers
// (name, server, port, user, password, directory) or HTTP services (name, URL,
// user, password). A list with new (Ins), change (Enter/F2), delete (Del) and
// close (Esc); the connection is edited in a small form (F5 stores).

#include "TQLNForm.h"

class QLineEdit;
class QPushButton;
class QSpinBox;
class TVTQLNVRList;
struct TVRRow;

struct TINETVerbindung {
    QString Name;
    QString Host;
    int Port = 0;
    QString Benutzer;
    QString Passwort;
    QString Pfad;  // FTP: directory; HTTP: the URL
    bool operator==(const TINETVerbindung&) const = default;
};

// The connections of one kind in the database, and their rules.
class TINETVerbindungen {
public:
    static constexpr int CArtFTP = 284;
    static constexpr int CArtHTTP = 3;

    explicit TINETVerbindungen(int art) : FArt(art) {}
    int Art() const { return FArt; }
    bool IstFTP() const { return FArt == CArtFTP; }
    int StandardPort() const { return IstFTP() ? 21 : 443; }

    QList<TINETVerbindung> Lade() const;
    // Refusal text for the connection (changed from the one named altName,
    // empty for a new one), or empty when it may be stored.
    QString Pruefe(const TINETVerbindung& v, const QString& altName) const;
    // Writes the connection in one posting: a new one, or the one named altName.
    void Speichere(TINETVerbindung v, const QString& altName) const;
    void Loesche(const QString& name) const;

private:
    bool Vorhanden(const QString& name) const;
    const int FArt;
};

class TINETVerbindungDlg : public TQLNForm {
    Q_OBJECT
public:
    TINETVerbindungDlg(const TINETVerbindungen& verbindungen, const TINETVerbindung& v, bool neu,
                       QWidget* parent = nullptr);
    TINETVerbindung Werte() const;
    void Speichern();  // F5: checks, writes, closes

    QLineEdit* edtName;
    QLineEdit* edtHost = nullptr;
    QSpinBox* edtPort = nullptr;
    QLineEdit* edtBenutzer;
    QLineEdit* edtPasswort;
    QLineEdit* edtPfad;
    QPushButton* btnSpeichern;
    QPushButton* btnAbbrechen;

private:
    const TINETVerbindungen& FVerbindungen;
    QString FAltName;
};

class TINETDialog : public TQLNForm {
    Q_OBJECT
public:
    explicit TINETDialog(int art, QWidget* parent = nullptr);
    // Shows the connections modally. With gewaehlt, Enter takes the current
    // connection and its name is handed back; true when one was taken (or,
    // without gewaehlt, when the window ran).
    bool Execute(QString* gewaehlt = nullptr);

    void Lade(const QString& waehlen = {});
    void Neu();
    void Aendern();
    void Loeschen();
    QString AktuellerName() const;
    TVTQLNVRList* Liste() const { return vriListe; }

    QPushButton* btnNeu;
    QPushButton* btnAendern;
    QPushButton* btnLoeschen;
    QPushButton* btnSchliessen;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Bearbeite(const TINETVerbindung& v, bool neu);
    void Aktiviert();
    TINETVerbindungen FVerbindungen;
    QList<TINETVerbindung> FListe;
    TVTQLNVRList* vriListe;
    bool FAuswahl = false;
    QString FGewaehlt;
};
