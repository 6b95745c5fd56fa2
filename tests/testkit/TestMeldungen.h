#pragma once
// Scripted message answers. Questions and error boxes must be expected;
// notices are recorded. An unexpected question or error fails the test.

#include "host/TQLNInfo.h"

#include <QList>
#include <QString>

struct TestMeldung {
    int Art;
    QString Text;
    QString Kategorie;
    int Nummer;
};

class TestMeldungen : public TQLNInfoDienst {
public:
    // The next box whose text contains textTeil is answered with antwort.
    static void Erwarte(const QString& textTeil, int antwort = mrOk);
    // Every box shown so far in this test.
    static const QList<TestMeldung>& Gezeigt();
    static QStringList Texte();
    static void Zuruecksetzen();  // forgets everything; unmet expectations fail the test
    static void PruefeErfuellt();

    int ZeigeMeldung(int art, const QString& text, const QString& kategorie, int nummer) override;
    void ProcessMessages(int ms) override;
};
