#pragma once
// Helpers for the tests of the simple code tables: a configurator created and
// opened like the centre does, the posting protocol as the windows run it, and
// the rows it shows.

#include "host/records/TZEV_DBFile.h"
#include "host/ui/TAllgTabProtokoll.h"
#include "registry/TXKConfigurator.h"
#include "testkit/TestMeldungen.h"

#include <QStringList>
#include <gtest/gtest.h>

template <class T>
class Offen {
public:
    explicit Offen(const QString& id = {}) : FPtr(XKClass<T>().Create()) {
        FPtr->Init();
        FConf = static_cast<T*>(FPtr.get());
        if constexpr (requires(T& t) { t.SetKurzName(id); })
            if (!id.isEmpty()) FConf->SetKurzName(id);
    }
    ~Offen() { FPtr->Done(); }
    Offen(const Offen&) = delete;
    Offen& operator=(const Offen&) = delete;

    T* operator->() { return FConf; }
    T& operator*() { return *FConf; }

    // The results name the messages shown meanwhile, so a failing case says why.
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
    // The shown row whose field `spalte` holds `wert`; empty when none does.
    QStringList Zeile(int spalte, const QString& wert) {
        for (const QStringList& z : Zeilen())
            if (z.value(spalte) == wert) return z;
        return {};
    }

private:
    ::testing::AssertionResult Lauf(const QString& code, const QStringList& alt, const QStringList& neu) {
        const qsizetype vorher = TestMeldungen::Gezeigt().size();
        const bool ok = TAllgTabProtokoll::Ausfuehren(*FConf, code, alt, neu);
        QStringList texte;
        for (qsizetype i = vorher; i < TestMeldungen::Gezeigt().size(); ++i) texte << TestMeldungen::Gezeigt()[i].Text;
        auto r = ok ? ::testing::AssertionSuccess() : ::testing::AssertionFailure();
        return r << code.toStdString() << " [" << neu.join('|').toStdString() << "] messages: "
                 << texte.join(" / ").toStdString();
    }
    TXKConfiguratorPtr FPtr;
    T* FConf = nullptr;
};
