#pragma once
// Typed fields of a record buffer. A field knows its SQL column(s), its value
// in the buffer, its filters, and its share of the read batch.

#include "common/QLNDatum.h"
#include "common/TIntPair.h"
#include "host/db/Statement.h"
#include "host/db/TTabellenDeklaration.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

class TZEV_DBFile;

enum class TFeldArt { String, Integer, Bool, Float, DateTime, IntPair, IntTrio, Blob };

class TDatenfeld {
public:
    TDatenfeld(TZEV_DBFile& datei, QString name, TFeldArt art, int laenge);
    virtual ~TDatenfeld() = default;
    TDatenfeld(const TDatenfeld&) = delete;
    TDatenfeld& operator=(const TDatenfeld&) = delete;

    const QString& Name() const { return FName; }
    TFeldArt Art() const { return FArt; }
    int Laenge() const { return FLaenge; }  // strings: maximum length; 0 = any
    const QStringList& Spalten() const { return FSpalten; }
    TZEV_DBFile& Datei() const { return FDatei; }

    // The buffer value as a variant (pairs and trios as "a/b(/c)").
    virtual QVariant AlsVariant() const = 0;
    virtual void SetzeVariant(const QVariant& v) = 0;
    virtual void Leeren() = 0;

    // Filters for the reads in ext mode: equality, lower and upper bound (inclusive).
    void SetFilterVariant(const QVariant& v);
    void SetFilterMinVariant(const QVariant& v);
    void SetFilterMaxVariant(const QVariant& v);
    void ClearFilter();
    bool HatFilter() const { return FFilterGleich || FFilterMin || FFilterMax; }
    // Marks the field as one whose value the reads must deliver; without any
    // marked field every field is read.
    void SetUsedField(bool benutzt = true);
    bool Benutzt() const { return FBenutzt; }

    // --- used by TZEV_DBFile -------------------------------------------------
    // Binds the buffer value (or a filter value) from position pos on.
    virtual void BindeWert(Statement& s, int& pos) const = 0;
    virtual void BindeVariant(Statement& s, int& pos, const QVariant& v) const = 0;
    virtual void BatchGroesse(int n) = 0;
    virtual void LeseBatch(const Statement& s, int& spalte, int zeile) = 0;
    virtual void AusBatch(int zeile) = 0;
    virtual QVariant BatchVariant(int zeile) const = 0;
    // Throws when the buffer value cannot be stored (text too long).
    virtual void PruefeWert() const {}
    const std::optional<QVariant>& FilterGleich() const { return FFilterGleich; }
    const std::optional<QVariant>& FilterMin() const { return FFilterMin; }
    const std::optional<QVariant>& FilterMax() const { return FFilterMax; }
    static TSpaltenArt SpaltenArtVon(TFeldArt a);

protected:
    TZEV_DBFile& FDatei;
    QString FName;
    TFeldArt FArt;
    int FLaenge;
    QStringList FSpalten;
    std::optional<QVariant> FFilterGleich, FFilterMin, FFilterMax;
    bool FBenutzt = false;
};

// How a value type is bound and read. Specialised per value type below.
template <class T>
struct TFeldTraits;

template <>
struct TFeldTraits<QString> {
    static QString Leer() { return {}; }
    static void Binde(Statement& s, int& p, const QString& v) { s.BindText(p++, v); }
    static QString Lese(const Statement& s, int& c) { return s.ColumnText(c++); }
    static QVariant Variant(const QString& v) { return v; }
    static QString Aus(const QVariant& v) { return v.toString(); }
};
template <>
struct TFeldTraits<qint32> {
    static qint32 Leer() { return 0; }
    static void Binde(Statement& s, int& p, qint32 v) { s.BindInt(p++, v); }
    static qint32 Lese(const Statement& s, int& c) { return qint32(s.ColumnInt(c++)); }
    static QVariant Variant(qint32 v) { return v; }
    static qint32 Aus(const QVariant& v) { return v.toInt(); }
};
template <>
struct TFeldTraits<bool> {
    static bool Leer() { return false; }
    static void Binde(Statement& s, int& p, bool v) { s.BindInt(p++, v ? 1 : 0); }
    static bool Lese(const Statement& s, int& c) { return s.ColumnInt(c++) != 0; }
    static QVariant Variant(bool v) { return v; }
    static bool Aus(const QVariant& v) { return v.toBool(); }
};
template <>
struct TFeldTraits<double> {
    static double Leer() { return 0.0; }
    static void Binde(Statement& s, int& p, double v) { s.BindDouble(p++, v); }
    static double Lese(const Statement& s, int& c) { return s.ColumnDouble(c++); }
    static QVariant Variant(double v) { return v; }
    static double Aus(const QVariant& v) { return v.toDouble(); }
};
template <>
struct TFeldTraits<TIntPair> {
    static TIntPair Leer() { return {}; }
    static void Binde(Statement& s, int& p, const TIntPair& v) {
        s.BindInt(p++, v.A);
        s.BindInt(p++, v.B);
    }
    static TIntPair Lese(const Statement& s, int& c) {
        TIntPair v{qint32(s.ColumnInt(c)), qint32(s.ColumnInt(c + 1))};
        c += 2;
        return v;
    }
    static QVariant Variant(const TIntPair& v) { return QStringLiteral("%1/%2").arg(v.A).arg(v.B); }
    static TIntPair Aus(const QVariant& v) {
        const QStringList t = v.toString().split(QLatin1Char('/'));
        return {t.value(0).toInt(), t.value(1).toInt()};
    }
};
template <>
struct TFeldTraits<TIntTrio> {
    static TIntTrio Leer() { return {}; }
    static void Binde(Statement& s, int& p, const TIntTrio& v) {
        s.BindInt(p++, v.A);
        s.BindInt(p++, v.B);
        s.BindInt(p++, v.C);
    }
    static TIntTrio Lese(const Statement& s, int& c) {
        TIntTrio v{qint32(s.ColumnInt(c)), qint32(s.ColumnInt(c + 1)), qint32(s.ColumnInt(c + 2))};
        c += 3;
        return v;
    }
    static QVariant Variant(const TIntTrio& v) { return QStringLiteral("%1/%2/%3").arg(v.A).arg(v.B).arg(v.C); }
    static TIntTrio Aus(const QVariant& v) {
        const QStringList t = v.toString().split(QLatin1Char('/'));
        return {t.value(0).toInt(), t.value(1).toInt(), t.value(2).toInt()};
    }
};
template <>
struct TFeldTraits<QByteArray> {
    static QByteArray Leer() { return {}; }
    static void Binde(Statement& s, int& p, const QByteArray& v) { s.BindBlob(p++, v); }
    static QByteArray Lese(const Statement& s, int& c) { return s.ColumnBlob(c++); }
    static QVariant Variant(const QByteArray& v) { return v; }
    static QByteArray Aus(const QVariant& v) { return v.toByteArray(); }
};

template <class T>
class TDatenfeld_Gen : public TDatenfeld {
public:
    using TDatenfeld::TDatenfeld;
    using Traits = TFeldTraits<T>;

    const T& GetWert() const { return FWert; }
    void SetWert(const T& v) { FWert = v; }
    // Key values are the buffer values of the key fields.
    void SetKeyWert(const T& v) { FWert = v; }
    void SetKeyWertAndFilter(const T& v) {
        FWert = v;
        SetFilter(v);
    }
    void SetFilter(const T& v) { SetFilterVariant(Traits::Variant(v)); }
    void SetFilterMin(const T& v) { SetFilterMinVariant(Traits::Variant(v)); }
    void SetFilterMax(const T& v) { SetFilterMaxVariant(Traits::Variant(v)); }
    void SetFilterMinMax(const T& min, const T& max) {
        SetFilterMin(min);
        SetFilterMax(max);
    }

    QVariant AlsVariant() const override { return Traits::Variant(FWert); }
    void SetzeVariant(const QVariant& v) override { FWert = Traits::Aus(v); }
    void Leeren() override { FWert = Traits::Leer(); }
    void BindeWert(Statement& s, int& pos) const override { Traits::Binde(s, pos, FWert); }
    void BindeVariant(Statement& s, int& pos, const QVariant& v) const override { Traits::Binde(s, pos, Traits::Aus(v)); }
    void BatchGroesse(int n) override {
        FBatch.clear();
        FBatch.resize(size_t(n));
    }
    void LeseBatch(const Statement& s, int& spalte, int zeile) override { FBatch[size_t(zeile)] = Traits::Lese(s, spalte); }
    void AusBatch(int zeile) override { FWert = FBatch[size_t(zeile)]; }
    QVariant BatchVariant(int zeile) const override { return Traits::Variant(FBatch[size_t(zeile)]); }

protected:
    T FWert = Traits::Leer();
    std::vector<T> FBatch;
};

class TDatenfeld_String : public TDatenfeld_Gen<QString> {
public:
    TDatenfeld_String(TZEV_DBFile& datei, const QString& name, int laenge)
        : TDatenfeld_Gen(datei, name, TFeldArt::String, laenge) {}
    void SetKeyWert(QChar c) { FWert = QString(c); }
    using TDatenfeld_Gen::SetKeyWert;
    void PruefeWert() const override;
};
class TDatenfeld_Integer : public TDatenfeld_Gen<qint32> {
public:
    TDatenfeld_Integer(TZEV_DBFile& datei, const QString& name) : TDatenfeld_Gen(datei, name, TFeldArt::Integer, 0) {}
    static constexpr qint32 CMaxWert = 2147483647;
};
class TDatenfeld_Bool : public TDatenfeld_Gen<bool> {
public:
    TDatenfeld_Bool(TZEV_DBFile& datei, const QString& name) : TDatenfeld_Gen(datei, name, TFeldArt::Bool, 0) {}
};
class TDatenfeld_Float : public TDatenfeld_Gen<double> {
public:
    TDatenfeld_Float(TZEV_DBFile& datei, const QString& name) : TDatenfeld_Gen(datei, name, TFeldArt::Float, 0) {}
};
// Date-time in host days (TDateTime); date-only fields carry whole days.
class TDatenfeld_DateTime : public TDatenfeld_Gen<double> {
public:
    TDatenfeld_DateTime(TZEV_DBFile& datei, const QString& name) : TDatenfeld_Gen(datei, name, TFeldArt::DateTime, 0) {}
    QDate GetDatum() const { return QLNDatum::ZuDatum(FWert); }
    void SetDatum(const QDate& d) { FWert = QLNDatum::AusDatum(d); }
};
class TDatenfeld_IntPair : public TDatenfeld_Gen<TIntPair> {
public:
    TDatenfeld_IntPair(TZEV_DBFile& datei, const QString& name) : TDatenfeld_Gen(datei, name, TFeldArt::IntPair, 0) {}
};
class TDatenfeld_IntTrio : public TDatenfeld_Gen<TIntTrio> {
public:
    TDatenfeld_IntTrio(TZEV_DBFile& datei, const QString& name) : TDatenfeld_Gen(datei, name, TFeldArt::IntTrio, 0) {}
};
class TDatenfeld_Blob : public TDatenfeld_Gen<QByteArray> {
public:
    TDatenfeld_Blob(TZEV_DBFile& datei, const QString& name) : TDatenfeld_Gen(datei, name, TFeldArt::Blob, 0) {}
};
