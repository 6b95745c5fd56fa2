#pragma once
// Program entry: unit initialisation, switch E, the host session, the hidden
// main form and the message loop.

#include <QStringList>

class QApplication;

// Registers every unit's catalogue entries, in unit order; a unit registers once.
void InitialisiereUnits();

// Opens the database the database ini names, or the demo database when there
// is none, and makes it the session's source. Throws Exception when it cannot.
void OeffneProduktdatenbank();

// Runs the program on the given arguments (without the program name); returns
// the exit code. The application object exists already.
int TriveltaMain(QApplication& app, const QStringList& args);
