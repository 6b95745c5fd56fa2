#include "TestMeldungen.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {
struct Erwartung {
    QString TextTeil;
    int Antwort;
};
QList<Erwartung>& Erwartungen() {
    static QList<Erwartung> e;
    return e;
}
QList<TestMeldung>& Liste() {
    static QList<TestMeldung> l;
    return l;
}
}  // namespace

void TestMeldungen::Erwarte(const QString& textTeil, int antwort) { Erwartungen().append({textTeil, antwort}); }

const QList<TestMeldung>& TestMeldungen::Gezeigt() { return Liste(); }

QStringList TestMeldungen::Texte() {
    QStringList t;
    for (const TestMeldung& m : Liste()) t << m.Text;
    return t;
}

void TestMeldungen::PruefeErfuellt() {
    for (const Erwartung& e : Erwartungen())
        ADD_FAILURE() << "expected message not shown: " << e.TextTeil.toStdString();
    Erwartungen().clear();
}

void TestMeldungen::Zuruecksetzen() {
    PruefeErfuellt();
    Liste().clear();
}

int TestMeldungen::ZeigeMeldung(int art, const QString& text, const QString& kategorie, int nummer) {
    Liste().append({art, text, kategorie, nummer});
    auto& erw = Erwartungen();
    for (int i = 0; i < erw.size(); ++i) {
        if (text.contains(erw[i].TextTeil)) {
            const int antwort = erw[i].Antwort;
            erw.removeAt(i);
            return antwort;
        }
    }
    if (art == mkJaNein || art == mkJaNeinAbbruch || art == mkFehler) {
        ADD_FAILURE() << "unexpected message (kind " << art << "): " << text.toStdString();
        return art == mkFehler ? mrOk : mrNein;
    }
    return mrOk;
}

void TestMeldungen::ProcessMessages(int ms) { QCoreApplication::processEvents(QEventLoop::AllEvents, ms); }
