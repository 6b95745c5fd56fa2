#include "TestModal.h"

#include <QDialog>
#include <gtest/gtest.h>

namespace {
struct Schritt {
    TestModal::Handler H;
    QString Klasse;
};
QList<Schritt>& Schritte() {
    static QList<Schritt> s;
    return s;
}
int gAnzahl = 0;
}  // namespace

void TestModal::Dann(Handler handler, const char* klasse) {
    Schritte().append({std::move(handler), klasse ? QString::fromLatin1(klasse) : QString()});
}

int TestModal::Anzahl() { return gAnzahl; }

void TestModal::Zuruecksetzen() {
    if (!Schritte().isEmpty()) ADD_FAILURE() << Schritte().size() << " scripted modal window(s) never opened";
    Schritte().clear();
    gAnzahl = 0;
}

void TestModal::Installiere() {
    TQLNForm::SetModalRunner([](TQLNForm& form) -> int {
        ++gAnzahl;
        if (Schritte().isEmpty()) {
            ADD_FAILURE() << "unexpected modal window " << form.metaObject()->className() << " \""
                          << form.windowTitle().toStdString() << "\"";
            return QDialog::Rejected;
        }
        Schritt s = Schritte().takeFirst();
        if (!s.Klasse.isEmpty()) {
            EXPECT_EQ(s.Klasse.toStdString(), std::string(form.metaObject()->className()));
        }
        form.setResult(0);
        return s.H(form);
    });
}
