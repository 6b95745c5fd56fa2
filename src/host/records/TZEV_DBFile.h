#pragma once
// Record file: one table of the product database with one record buffer of
// typed fields. Reads walk an index in key order under optional filters;
// they fetch batches through keyset SQL, not one query per record. Writes
// insert the buffer or update/delete the record last read.

#include "TDatenfeld.h"
#include "host/db/TTabellenDeklaration.h"

#include <QBuffer>
#include <memory>

class Connection;

// Action codes of a write.
using AWRDONKz = QString;
inline const AWRDONKz wrdonInsert = QStringLiteral("IN");
inline const AWRDONKz wrdonUpdate = QStringLiteral("UP");
inline const AWRDONKz wrdonDelete = QStringLiteral("DL");

enum class TExtFilterOp { Gleich, Ungleich, Kleiner, KleinerGleich, Groesser, GroesserGleich };

class TZEV_DBFile {
public:
    // tabelle: the SQL table name (the class's abbreviation in lower case).
    explicit TZEV_DBFile(QString tabelle);
    virtual ~TZEV_DBFile();
    TZEV_DBFile(const TZEV_DBFile&) = delete;
    TZEV_DBFile& operator=(const TZEV_DBFile&) = delete;

    const QString& Tabelle() const { return FTabelle; }

    // Open and close. Every mode opens the same table; the object keeps its own position.
    void OpenNew(int nummer = -1);
    void Open(int modus, int nummer = -1);
    void Close();
    bool IsOpen() const { return FOffen; }
    int OpenMode() const { return FModus; }

    // Number of records of the table.
    qint64 GetCount();

    void ClearBuffer();
    void SetIndex(int index);  // 0 is the primary index
    int Index() const { return FIndex; }
    // Key values are the key fields' buffer values; kept for callers that copy them.
    void KeyFromFields() {}

    // Reads in key order of the current index. *_extMode reads honour field
    // filters, extended filters and the maximum count; the others ignore them.
    bool Get_first();
    bool Get_next();
    bool Get_first_extMode();
    bool Get_next_extMode();
    bool Get_ge();         // first record whose key is >= the buffer's key
    bool Get_ge_extMode();
    bool Get_le();         // last record whose key is <= the buffer's key
    bool Get_last();
    bool Get_last_extMode();
    bool Get_eq();         // the record with exactly the buffer's key (all key fields of the index)
    // True when at least one record passes the filters.
    bool Get_exists_extMode();

    void ExtendedFilterAdd(TDatenfeld& feld, TExtFilterOp op, const QVariant& wert);
    void ExtendedFilterClear();  // also clears field filters, used fields and the maximum
    void ExtendedFilterFinalize() {}
    void ExtendedMaxReceive_Set(int n);  // at most n records per walk; 0 = no limit
    // With true, the key values in the buffer become equality filters of the next ext reads.
    void KeyWerteToExtendedFiltern(bool an);

    // Writes the buffer: insert as new record; update or delete the record last read.
    void Write(const AWRDONKz& code, int option = 0);

    // One record with a large-object part: start, fill the stream, end writes.
    void StartStreamBuchung(const AWRDONKz& code);
    QIODevice& CreateBlobStream(TDatenfeld_Blob& feld);
    void EndStreamBuchung();

    const QList<TDatenfeld*>& Felder() const { return FFelder; }
    TDatenfeld* FeldByName(const QString& name) const;
    TTabellenDeklaration Deklaration() const;
    // Whether the buffer holds a record read from the table.
    bool HatAktuellenSatz() const { return FHatAktuell; }

    static constexpr int CBatch = 1000;

protected:
    // Declarations made by the table class's constructor, in column order.
    TDatenfeld_String& AddString(const QString& name, int laenge);
    TDatenfeld_Integer& AddInteger(const QString& name);
    TDatenfeld_Bool& AddBool(const QString& name);
    TDatenfeld_Float& AddFloat(const QString& name);
    TDatenfeld_DateTime& AddDateTime(const QString& name);
    TDatenfeld_IntPair& AddIntPair(const QString& name);
    TDatenfeld_IntTrio& AddIntTrio(const QString& name);
    TDatenfeld_Blob& AddBlob(const QString& name);
    // Index 0 (the first call) is the primary key and must be unique.
    int AddIndex(const QString& name, const QList<TDatenfeld*>& felder, bool eindeutig = true);

private:
    friend class TDatenfeld;
    struct TIndex {
        QString Name;
        QList<TDatenfeld*> Felder;     // the declared key fields
        QList<TDatenfeld*> Ordnung;    // key fields plus primary key fields: a total order
        bool Eindeutig;
    };
    struct ExtFilter {
        TDatenfeld* Feld;
        TExtFilterOp Op;
        QVariant Wert;
    };
    enum class Richtung { Vor, Zurueck };
    template <class F>
    F& Add(std::unique_ptr<F> f);
    void PruefeOffen() const;
    Connection& Verbindung() const;
    const TIndex& AktIndex() const;
    QString SpaltenListe() const;
    // One batch: filters when ext, the keyset bound ">"/">="/"<="/"<" on the
    // order columns unless vonAnfang; fills the batch and the buffer's first row.
    bool LeseBatch(bool ext, const char* vergleich, bool vonAnfang, Richtung richtung, int limit);
    bool Weiter(bool ext);
    void MerkeSchluessel();
    void LadeZeile(int zeile);
    void SichereAktuellenSatz();
    void AktuellerSatz(QList<TDatenfeld*>& felder, QVariantList& werte) const;
    void NeuerWalk(bool ext);
    QVariantList PufferWerte() const;
    void SetzePuffer(const QVariantList& werte);
    void BindeSchluessel(Statement& s, int& pos, const QList<TDatenfeld*>& felder) const;

    QString FTabelle;
    QList<TDatenfeld*> FFelder;
    std::vector<std::unique_ptr<TDatenfeld>> FBesitz;
    QList<TIndex> FIndices;
    int FIndex = 0;
    bool FOffen = false;
    int FModus = 0;
    // the current walk
    int FBatchZeilen = 0;
    int FBatchPos = 0;
    bool FBatchVoll = false;  // the last batch was full: more records may follow
    bool FWalkExt = false;
    int FGeliefert = 0;        // records delivered in this walk (for the maximum)
    bool FHatAktuell = false;
    QList<TDatenfeld*> FLesen;        // fields the current batch delivers
    QList<TDatenfeld*> FNichtGelesen; // fields left empty in this walk
    QList<QVariant> FAktSchluessel;  // order key of the record last read
    // The record last read as it was read: the fields delivered and their values.
    // Taken from the batch; kept here once the batch is gone.
    QList<TDatenfeld*> FAktFelder;
    QVariantList FAktWerte;
    // filters
    QList<ExtFilter> FExtFilter;
    int FMaxReceive = 0;
    bool FKeyFilter = false;
    QList<QVariant> FKeyFilterWerte;
    // stream posting
    AWRDONKz FStreamCode;
    std::unique_ptr<QBuffer> FStream;
    TDatenfeld_Blob* FStreamFeld = nullptr;
};
