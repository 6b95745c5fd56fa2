#pragma once
// The common frame of the simple code tables: one record file, created in
// Resources_Create, opened in Resources_InitF, closed and freed again; the
// record count; the rows read in primary-index order, restricted to the
// member's record type where the file is shared; and failures reported under
// the member's class name.

#include "host/TQLNInfo.h"
#include "host/records/TZEV_DBFile.h"
#include "registry/TXKAllgTabConfigurator.h"

#include <memory>

class TXKCodeTabBasis : public TXKAllgTabConfigurator {
public:
    explicit TXKCodeTabBasis(const char* klasse) : FKlasse(QString::fromLatin1(klasse)) {}

    // The line of the record being edited: the overview's current row while
    // the single form is built, empty when no overview is active.
    QStringList BearbeiteteZeile() const;

protected:
    QString Kontext(const char* operation) const { return FKlasse + QLatin1Char('.') + QLatin1String(operation); }
    // Runs f; a failure is reported under the operation's name and gives `neutral`.
    template <class R, class F>
    R Geschuetzt(const char* operation, R neutral, F&& f) const {
        try {
            return f();
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Kontext(operation), e, true);
            return neutral;
        }
    }
    // Message 52 "STANDARD" for an id the member does not serve.
    static void UnbekannteKennung(const QString& id);

    QString FKlasse;
};

template <class TFile>
class TXKCodeTabConfigurator : public TXKCodeTabBasis {
public:
    using TXKCodeTabBasis::TXKCodeTabBasis;

    int SetCount() override {
        if (GeteilteDatei()) return -1;
        return Geschuetzt("SetCount", -1, [&] { return int(FFile->GetCount()); });
    }
    bool GetFirst(QStringList& line) override {
        return Geschuetzt("GetFirst", false, [&] {
            line.clear();
            FFile->ClearBuffer();
            FFile->ExtendedFilterClear();
            FFile->SetIndex(0);
            SetzeLeseFilter();
            FFile->ExtendedFilterFinalize();
            if (!FFile->Get_first_extMode()) return false;
            FillFields(line);
            return true;
        });
    }
    bool GetNext(QStringList& line) override {
        return Geschuetzt("GetNext", false, [&] {
            line.clear();
            if (!FFile->Get_next_extMode()) return false;
            FillFields(line);
            return true;
        });
    }
    TFile& Datei() { return *FFile; }

protected:
    // The line of the current record, in field order.
    virtual void FillFields(QStringList& line) = 0;
    // Members whose rows are a part of a shared file restrict the reads here
    // (and are not counted).
    virtual bool GeteilteDatei() const { return false; }
    virtual void SetzeLeseFilter() {}

    void Resources_Create() override {
        TXKCodeTabBasis::Resources_Create();
        FFile = ErzeugeDatei();
    }
    virtual std::unique_ptr<TFile> ErzeugeDatei() { return std::make_unique<TFile>(); }
    void Resources_InitF() override {
        TXKCodeTabBasis::Resources_InitF();
        FFile->OpenNew(-1);
    }
    void Resources_DoneF() override {
        try {
            if (FFile) FFile->Close();
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Kontext("Resources_DoneF"), e, false);
        }
        TXKCodeTabBasis::Resources_DoneF();
        TQLNInfo::FehlerTerminate(Kontext("Resources_DoneF"));
    }
    void Resources_Destroy() override {
        try {
            FFile.reset();
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Kontext("Resources_Destroy"), e, false);
        }
        TXKCodeTabBasis::Resources_Destroy();
        TQLNInfo::FehlerTerminate(Kontext("Resources_Destroy"));
    }

    std::unique_ptr<TFile> FFile;
};
