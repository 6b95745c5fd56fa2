#include "app/TriveltaStart.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("trivelta"));
    QApplication::setQuitOnLastWindowClosed(false);
    return TriveltaMain(app, QApplication::arguments().mid(1));
}
