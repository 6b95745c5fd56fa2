#pragma once
// A posting: writes that belong together commit together or not at all. It is
// a transaction of the thread's connection (a savepoint when nested). The
// protocol id is unique across the database and may serve as a record id.
//
//   QLNBuchung b(3, "TXKKursConfigurator.Buchen");
//   ... writes ...
//   b.Ende("TXKKursConfigurator.Buchen");
//
// A posting that is not ended (an exception passed) rolls back.

#include <QString>

class Connection;

class QLNBuchung {
public:
    QLNBuchung(int art, const QString& operation);
    ~QLNBuchung();
    QLNBuchung(const QLNBuchung&) = delete;
    QLNBuchung& operator=(const QLNBuchung&) = delete;

    // Commits; the name must be the one the posting was opened with.
    void Ende(const QString& operation);
    void Abbruch();  // rolls back now
    bool Offen() const { return FOffen; }
    // Drawn from the protocol table on first use.
    qint64 ProtokollId();
    int Art() const { return FArt; }

private:
    Connection& FVerbindung;
    int FArt;
    QString FOperation;
    bool FOffen = true;
    qint64 FProtokollId = 0;
};
