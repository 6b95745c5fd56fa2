#include "TXKSprachConfigurator.h"

#include "TXKMWSTConfigurator.h"
#include "host/TQLNInfo.h"
#include "host/records/TLgfile.h"
#include "registry/Triveltaclass.h"

void TXKSprachConfigurator::Resources_Create() {
    TXKAllgTabConfigurator::Resources_Create();
    FLgFile = std::make_unique<TLgfile>();
}

void TXKSprachConfigurator::Resources_InitF() {
    FFieldIndKurzBez = -1;
    FFieldIndLangBez = -1;
    FFieldIndLand = -1;
    FFieldIndCode = -1;
    TXKAllgTabConfigurator::Resources_InitF();
    FLgFile->OpenNew(-1);
}

void TXKSprachConfigurator::Resources_DoneF() {
    try {
        if (FLgFile) FLgFile->Close();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKSprachConfigurator.Resources_DoneF"), e, false);
    }
    TXKAllgTabConfigurator::Resources_DoneF();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKSprachConfigurator.Resources_DoneF"));
}

void TXKSprachConfigurator::Resources_Destroy() {
    try {
        FLgFile.reset();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKSprachConfigurator.Resources_Destroy"), e, false);
    }
    TXKAllgTabConfigurator::Resources_Destroy();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKSprachConfigurator.Resources_Destroy"));
}

void TXKSprachConfigurator::DefineFields() {
    FFieldIndKurzBez = AddStringField(QStringLiteral("KURZBEZ"), QStringLiteral("Kurzbezeichnung"), true, false, false,
                                      false, 1, 3, QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndLangBez = AddStringField(QStringLiteral("LANGBEZ"), QStringLiteral("Langbezeichnung"), true, false, false,
                                      false, 1, 20, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndLand = AddStringField(QStringLiteral("LAND"), QStringLiteral("Land"), true, true, false, false, 1, 3,
                                   QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndCode = AddIntegerField(QStringLiteral("CODE"), QStringLiteral("Codepage"), true, false, 0, 0);
}

int TXKSprachConfigurator::SetCount() {
    try {
        return int(FLgFile->GetCount());
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKSprachConfigurator.SetCount"), e, true);
        return -1;
    }
}

void TXKSprachConfigurator::FillFields(QStringList& line) const {
    line << FLgFile->KurzBez.GetWert() << FLgFile->LangBez.GetWert() << FLgFile->Land.GetWert()
         << QString::number(FLgFile->Code.GetWert());
}

bool TXKSprachConfigurator::GetFirst(QStringList& line) {
    try {
        line.clear();
        FLgFile->ClearBuffer();
        FLgFile->SetIndex(FLgFile->IndexPrimaer);
        if (!FLgFile->Get_first_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKSprachConfigurator.GetFirst"), e, true);
        return false;
    }
}

bool TXKSprachConfigurator::GetNext(QStringList& line) {
    try {
        line.clear();
        if (!FLgFile->Get_next_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKSprachConfigurator.GetNext"), e, true);
        return false;
    }
}

void TXKSprachConfigurator::FillWertevorrat(int index, QStringList& liste) {
    liste.clear();
    try {
        if (index == FFieldIndLand) liste = XKLaenderKuerzel();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKSprachConfigurator.FillWertevorrat"), e, true);
    }
}

bool TXKSprachConfigurator::Lese(const QString& kurzBez) {
    FLgFile->ClearBuffer();
    FLgFile->SetIndex(FLgFile->IndexPrimaer);
    FLgFile->KurzBez.SetKeyWert(kurzBez.trimmed());
    return FLgFile->Get_eq();
}

bool TXKSprachConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    bool result = false;
    try {
        if (code == wrdonInsert || code == wrdonUpdate) {
            if (neu.value(FFieldIndLand).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte geben Sie ein Land ein."));
            if (neu.value(FFieldIndLangBez).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte geben Sie eine Langbezeichnung ein."));
            if (neu.value(FFieldIndKurzBez).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte geben Sie eine Kurzbezeichnung ein."));
            if (code == wrdonInsert && Lese(neu.value(FFieldIndKurzBez)))
                return Ablehnen(QStringLiteral("Die Sprache, die Sie anlegen möchten, existiert bereits."));
        }
        result = true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKSprachConfigurator.BuchenTesten"), e, true);
    }
    return result;
}

void TXKSprachConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    // Failures pass to the caller, whose posting then rolls back.
    TLgfile& f = *FLgFile;
    BuchenErsetzend(f, code, alt, neu, [this](const QStringList& l) { return Lese(l.value(FFieldIndKurzBez)); }, [&] {
        f.KurzBez.SetWert(neu.value(FFieldIndKurzBez).trimmed().toUpper());
        f.LangBez.SetWert(neu.value(FFieldIndLangBez).trimmed());
        f.Land.SetWert(neu.value(FFieldIndLand).trimmed().toUpper());
        f.Code.SetWert(AlsZahl(neu.value(FFieldIndCode), 0));
    });
}

void InitUnit_XKSprach() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKSprachConfigurator>(), QStringLiteral("SPRACHEN"), QStringLiteral("Sprachen"),
                           QStringLiteral("Definieren Sie die Sprachen, in denen Texte hinterlegt werden, mit dem "
                                          "zugehörigen Land und der Codepage."),
                           QStringLiteral("Sprache, Land, Codepage, Text"));
}
