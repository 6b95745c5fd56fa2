#pragma once
// Helpers for the tests of table configurators: a configurator created and
// opened as the centre does it, the posting protocol as the windows run it
// (results name the messages shown meanwhile, so a failing case says why), the
// rows it shows.

#include "host/records/TZEV_DBFile.h"
#include "host/ui/TAllgTabProtokoll.h"
#include "registry/TXKConfigurator.h"
#include "testkit/TestMeldungen.h"

#include <QStringList>
#include <gtest/gtest.h>

// Messages shown since the mark (index into TestMeldungen::Gezeigt()).
inline qsizetype MeldungsMarke() { return TestMeldungen::Gezeigt().size(); }
inline QStringList MeldungenSeit(qsizetype marke) {
    QStringList t;
    for (qsizetype i = marke; i < TestMeldungen::Gezeigt().size(); ++i) t << TestMeldungen::Gezeigt()[i].Text;
    return t;
}

template <class T>
class Offen {
public:
    // id: for members serving several ids (SetKurzName), as Execute would store it.
    explicit Offen(const QString& id = {}) : FPtr(XKClass<T>().Create()) {
        FPtr->Init();
        FConf = static_cast<T*>(FPtr.get());
        if constexpr (requires(T& t) { t.SetKurzName(id); })
            if (!id.isEmpty()) FConf->SetKurzName(id);
    }
    ~Offen() {
        if (FPtr) FPtr->Done();
    }
    Offen(const Offen&) = delete;
    Offen& operator=(const Offen&) = delete;
    // Done and released, as when the centre ends the run.
    void Schliessen() {
        FPtr->Done();
        FPtr.reset();
        FConf = nullptr;
    }

    T* operator->() { return FConf; }
    T& operator*() { return *FConf; }

    ::testing::AssertionResult Neu(const QStringList& neu) { return Lauf(wrdonInsert, {}, neu); }
    ::testing::AssertionResult Aendern(const QStringList& alt, const QStringList& neu) {
        return Lauf(wrdonUpdate, alt, neu);
    }
    // On delete the line stands in both lists, as the overview hands it over.
    ::testing::AssertionResult Loeschen(const QStringList& line) { return Lauf(wrdonDelete, line, line); }
    QList<QStringList> Zeilen() {
        QList<QStringList> out;
        QStringList l;
        for (bool ok = FConf->GetFirst(l); ok; ok = FConf->GetNext(l)) out << l;
        return out;
    }
    QStringList NeueZeile() {
        QStringList l;
        FConf->FillNewLine(l);
        return l;
    }
    // The first shown row whose field holds the value; empty when none does.
    QStringList Zeile(int feld, const QString& wert) {
        for (const QStringList& z : Zeilen())
            if (z.value(feld) == wert) return z;
        return {};
    }

private:
    ::testing::AssertionResult Lauf(const QString& code, const QStringList& alt, const QStringList& neu) {
        const qsizetype marke = MeldungsMarke();
        const bool ok = TAllgTabProtokoll::Ausfuehren(*FConf, code, alt, neu);
        auto r = ok ? ::testing::AssertionSuccess() : ::testing::AssertionFailure();
        return r << code.toStdString() << " [" << neu.join('|').toStdString()
                 << "] messages: " << MeldungenSeit(marke).join(" / ").toStdString();
    }
    TXKConfiguratorPtr FPtr;
    T* FConf = nullptr;
};
