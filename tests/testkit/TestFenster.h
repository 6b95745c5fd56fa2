#pragma once
// Helpers for driving windows in tests: show and activate a window so that its
// shortcuts work, and find its children by name.

#include <QTest>
#include <QWidget>

namespace TestFenster {
// Shows the window and waits until it is active (shortcuts need an active window).
bool Aktiviere(QWidget& w);
template <class T>
T* Kind(QWidget& w, const char* name) {
    return w.findChild<T*>(QString::fromLatin1(name));
}
}  // namespace TestFenster
