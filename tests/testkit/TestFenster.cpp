#include "TestFenster.h"

#include <QApplication>

namespace TestFenster {
bool Aktiviere(QWidget& w) {
    w.show();
    // The offscreen platform does not always hand activation to a second
    // window by itself.
    QApplication::setActiveWindow(&w);
    w.activateWindow();
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == &w; }, 2000);
}
}  // namespace TestFenster
