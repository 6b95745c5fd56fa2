#pragma once
// Per test: fresh temporary XDG directories (so a fresh database and fresh
// window settings), the scripted message and modal doubles, a fixed session,
// and the registry as it was before the test.

#include "host/TQLNProgramm.h"

#include <QString>

class TestUmgebung {
public:
    static QString Verzeichnis();  // this test's temporary directory
    // The session every test starts with: computer 1 of type 1, client 1,
    // company group "Testgruppe".
    static TQLNSitzungsDaten StandardSitzung();
    static void SetzeSitzung(const TQLNSitzungsDaten& d);
};
