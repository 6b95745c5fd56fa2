#pragma once
// Scripted modal runner: each modal window is handed to the next scripted
// handler, which drives it and returns its result. An unexpected modal window
// fails the test and is rejected.

#include "host/ui/TQLNForm.h"

#include <functional>

class TestModal {
public:
    using Handler = std::function<int(TQLNForm&)>;
    // The next modal window (of the given class name, or any when empty) goes to handler.
    static void Dann(Handler handler, const char* klasse = nullptr);
    static int Anzahl();  // modal windows run in this test
    static void Zuruecksetzen();
    static void Installiere();
};
