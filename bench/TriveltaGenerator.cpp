// Generates a large product database: trivelta_generator <file> [articles]
// (default 1,000,000 articles).

#include "BenchDatenbank.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "Aufruf: trivelta_generator <datei> [anzahl artikel]\n");
        return 2;
    }
    bool ok = true;
    const int n = args.size() > 2 ? args[2].toInt(&ok) : 1000000;
    if (!ok || n < 1) {
        std::fprintf(stderr, "Die Anzahl der Artikel muss eine positive ganze Zahl sein.\n");
        return 2;
    }
    try {
        BenchDatenbank::OeffneMitArtikeln(args[1], n);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
