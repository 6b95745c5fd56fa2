#include "app/TriveltaStart.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("trivelta"));
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's own dialogs (files, printing) in German, like everything else.
    QTranslator qtDeutsch;
    if (qtDeutsch.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtDeutsch);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    return TriveltaMain(app, QApplication::arguments().mid(1));
}
