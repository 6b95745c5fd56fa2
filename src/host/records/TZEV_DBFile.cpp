#include "TZEV_DBFile.h"

#include "host/Exception.h"
#include "host/db/Connection.h"
#include "host/db/TQLNDatenbank.h"

namespace {
QString OpText(TExtFilterOp op) {
    switch (op) {
        case TExtFilterOp::Gleich: return QStringLiteral("=");
        case TExtFilterOp::Ungleich: return QStringLiteral("<>");
        case TExtFilterOp::Kleiner: return QStringLiteral("<");
        case TExtFilterOp::KleinerGleich: return QStringLiteral("<=");
        case TExtFilterOp::Groesser: return QStringLiteral(">");
        case TExtFilterOp::GroesserGleich: return QStringLiteral(">=");
    }
    return QStringLiteral("=");
}

// "(a, b)" and "(?, ?)" for a row-value comparison.
QString Tupel(const QStringList& spalten) { return QLatin1Char('(') + spalten.join(QStringLiteral(", ")) + QLatin1Char(')'); }
QString Platzhalter(int n) {
    QStringList p;
    for (int i = 0; i < n; ++i) p << QStringLiteral("?");
    return Tupel(p);
}
QStringList SpaltenVon(const QList<TDatenfeld*>& felder) {
    QStringList s;
    for (const TDatenfeld* f : felder) s << f->Spalten();
    return s;
}
bool IstLeer(const QVariant& v) {
    if (v.typeId() == QMetaType::QString) return v.toString().isEmpty() || v.toString() == QStringLiteral("0/0") ||
                                                  v.toString() == QStringLiteral("0/0/0");
    if (v.typeId() == QMetaType::QByteArray) return v.toByteArray().isEmpty();
    return v.toDouble() == 0.0;
}
}  // namespace

TZEV_DBFile::TZEV_DBFile(QString tabelle) : FTabelle(std::move(tabelle)) {}

TZEV_DBFile::~TZEV_DBFile() = default;

template <class F>
F& TZEV_DBFile::Add(std::unique_ptr<F> f) {
    F& ref = *f;
    FFelder.append(f.get());
    FBesitz.push_back(std::move(f));
    return ref;
}

TDatenfeld_String& TZEV_DBFile::AddString(const QString& n, int l) { return Add(std::make_unique<TDatenfeld_String>(*this, n, l)); }
TDatenfeld_Integer& TZEV_DBFile::AddInteger(const QString& n) { return Add(std::make_unique<TDatenfeld_Integer>(*this, n)); }
TDatenfeld_Bool& TZEV_DBFile::AddBool(const QString& n) { return Add(std::make_unique<TDatenfeld_Bool>(*this, n)); }
TDatenfeld_Float& TZEV_DBFile::AddFloat(const QString& n) { return Add(std::make_unique<TDatenfeld_Float>(*this, n)); }
TDatenfeld_DateTime& TZEV_DBFile::AddDateTime(const QString& n) { return Add(std::make_unique<TDatenfeld_DateTime>(*this, n)); }
TDatenfeld_IntPair& TZEV_DBFile::AddIntPair(const QString& n) { return Add(std::make_unique<TDatenfeld_IntPair>(*this, n)); }
TDatenfeld_IntTrio& TZEV_DBFile::AddIntTrio(const QString& n) { return Add(std::make_unique<TDatenfeld_IntTrio>(*this, n)); }
TDatenfeld_Blob& TZEV_DBFile::AddBlob(const QString& n) { return Add(std::make_unique<TDatenfeld_Blob>(*this, n)); }

int TZEV_DBFile::AddIndex(const QString& name, const QList<TDatenfeld*>& felder, bool eindeutig) {
    TIndex i{name, felder, felder, FIndices.isEmpty() ? true : eindeutig};
    if (!FIndices.isEmpty()) {
        for (TDatenfeld* f : FIndices.first().Felder)
            if (!i.Ordnung.contains(f)) i.Ordnung.append(f);
    }
    FIndices.append(i);
    return FIndices.size() - 1;
}

TDatenfeld* TZEV_DBFile::FeldByName(const QString& name) const {
    for (TDatenfeld* f : FFelder)
        if (f->Name().compare(name, Qt::CaseInsensitive) == 0) return f;
    return nullptr;
}

TTabellenDeklaration TZEV_DBFile::Deklaration() const {
    TTabellenDeklaration d;
    d.Name = FTabelle;
    for (const TDatenfeld* f : FFelder)
        for (const QString& s : f->Spalten()) d.Spalten.append({s, TDatenfeld::SpaltenArtVon(f->Art())});
    if (!FIndices.isEmpty()) d.Primaerschluessel = SpaltenVon(FIndices.first().Felder);
    for (int i = 1; i < FIndices.size(); ++i)
        d.Indices.append({FTabelle + QLatin1Char('_') + FIndices[i].Name.toLower(), SpaltenVon(FIndices[i].Ordnung),
                          FIndices[i].Eindeutig});
    return d;
}

void TZEV_DBFile::OpenNew(int nummer) { Open(-1, nummer); }

void TZEV_DBFile::Open(int modus, int) {
    if (FIndices.isEmpty()) throw Exception(QStringLiteral("Die Tabelle %1 hat keinen Primärschlüssel.").arg(FTabelle));
    Verbindung();  // fails here, not at the first read, when there is no database
    FOffen = true;
    FModus = modus;
    FHatAktuell = false;
    FBatchZeilen = 0;
}

void TZEV_DBFile::Close() {
    FOffen = false;
    FHatAktuell = false;
    FBatchZeilen = 0;
    for (TDatenfeld* f : FFelder) f->BatchGroesse(0);
}

void TZEV_DBFile::PruefeOffen() const {
    if (!FOffen) throw Exception(QStringLiteral("Die Tabelle %1 ist nicht geöffnet.").arg(FTabelle));
}

Connection& TZEV_DBFile::Verbindung() const { return TQLNDatenbank::Verbindung(); }

const TZEV_DBFile::TIndex& TZEV_DBFile::AktIndex() const { return FIndices.at(FIndex); }

qint64 TZEV_DBFile::GetCount() {
    PruefeOffen();
    Statement& s = Verbindung().Cached(QStringLiteral("SELECT COUNT(*) FROM ") + FTabelle);
    const qint64 n = s.Step() ? s.ColumnInt(0) : 0;
    s.Reset();
    return n;
}

void TZEV_DBFile::ClearBuffer() {
    for (TDatenfeld* f : FFelder) f->Leeren();
}

void TZEV_DBFile::SetIndex(int index) {
    if (index < 0 || index >= FIndices.size())
        throw Exception(QStringLiteral("Die Tabelle %1 hat keinen Index %2.").arg(FTabelle).arg(index));
    FIndex = index;
}

void TZEV_DBFile::ExtendedFilterAdd(TDatenfeld& feld, TExtFilterOp op, const QVariant& wert) {
    FExtFilter.append({&feld, op, wert});
}

void TZEV_DBFile::ExtendedFilterClear() {
    FExtFilter.clear();
    FMaxReceive = 0;
    FKeyFilter = false;
    FKeyFilterWerte.clear();
    for (TDatenfeld* f : FFelder) {
        f->ClearFilter();
        f->SetUsedField(false);
    }
}

void TZEV_DBFile::ExtendedMaxReceive_Set(int n) { FMaxReceive = qMax(0, n); }

void TZEV_DBFile::KeyWerteToExtendedFiltern(bool an) {
    FKeyFilter = an;
    FKeyFilterWerte.clear();
    if (!an) return;
    // Key fields that carry a value restrict the reads; empty ones do not.
    for (TDatenfeld* f : AktIndex().Felder) FKeyFilterWerte.append(f->AlsVariant());
}

QString TZEV_DBFile::SpaltenListe() const {
    QStringList s;
    for (const TDatenfeld* f : FFelder) s << f->Spalten();
    return s.join(QStringLiteral(", "));
}


bool TZEV_DBFile::LeseBatch(bool ext, const char* vergleich, bool vonAnfang, Richtung richtung, int limit) {
    PruefeOffen();
    const TIndex& idx = AktIndex();
    // Fields whose values the read delivers: the used ones (when any is marked)
    // and always the order fields, which the next batch and writes need.
    QList<TDatenfeld*> lesen;
    bool auswahl = false;
    for (TDatenfeld* f : FFelder) auswahl = auswahl || f->Benutzt();
    for (TDatenfeld* f : FFelder)
        if (!auswahl || f->Benutzt() || idx.Ordnung.contains(f) || FIndices.first().Felder.contains(f)) lesen.append(f);

    QStringList bedingungen;
    QVariantList werte;
    QList<TDatenfeld*> wertFelder;  // the field that binds each entry of werte
    const auto bedingung = [&](TDatenfeld* f, const QString& op, const QVariant& v) {
        bedingungen << (f->Spalten().size() == 1 ? f->Spalten().first() : Tupel(f->Spalten())) + QLatin1Char(' ') + op +
                           QLatin1Char(' ') + Platzhalter(f->Spalten().size());
        werte << v;
        wertFelder << f;
    };
    if (ext) {
        for (TDatenfeld* f : FFelder) {
            if (f->FilterGleich()) bedingung(f, QStringLiteral("="), *f->FilterGleich());
            if (f->FilterMin()) bedingung(f, QStringLiteral(">="), *f->FilterMin());
            if (f->FilterMax()) bedingung(f, QStringLiteral("<="), *f->FilterMax());
        }
        for (const ExtFilter& e : std::as_const(FExtFilter)) bedingung(e.Feld, OpText(e.Op), e.Wert);
        if (FKeyFilter)
            for (int i = 0; i < FKeyFilterWerte.size() && i < idx.Felder.size(); ++i)
                if (!IstLeer(FKeyFilterWerte[i])) bedingung(idx.Felder[i], QStringLiteral("="), FKeyFilterWerte[i]);
    }
    // Position: the buffer's key on the index fields (ge/le) or the key of the
    // record last read on the order fields (continuing a walk).
    QList<TDatenfeld*> schluesselFelder;
    QVariantList schluesselWerte;
    if (!vonAnfang) {
        if (QLatin1String(vergleich) == QLatin1String(">")) {
            if (FAktSchluessel.isEmpty()) return false;
            schluesselFelder = idx.Ordnung;
            schluesselWerte = FAktSchluessel;
        } else {
            schluesselFelder = idx.Felder;
            for (TDatenfeld* f : schluesselFelder) schluesselWerte << f->AlsVariant();
        }
        bedingungen << Tupel(SpaltenVon(schluesselFelder)) + QLatin1Char(' ') + QLatin1String(vergleich) +
                           QLatin1Char(' ') + Platzhalter(SpaltenVon(schluesselFelder).size());
    }
    const QString richtungText = richtung == Richtung::Vor ? QString() : QStringLiteral(" DESC");
    QStringList ordnung;
    for (const QString& s : SpaltenVon(idx.Ordnung)) ordnung << s + richtungText;
    QStringList lesenSpalten;
    for (const TDatenfeld* f : lesen) lesenSpalten << f->Spalten();

    QString sql = QStringLiteral("SELECT ") + lesenSpalten.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") + FTabelle;
    if (!bedingungen.isEmpty()) sql += QStringLiteral(" WHERE ") + bedingungen.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY ") + ordnung.join(QStringLiteral(", ")) + QStringLiteral(" LIMIT ") +
           QString::number(limit);

    Statement& s = Verbindung().Cached(sql);
    int pos = 1;
    for (int i = 0; i < werte.size(); ++i) wertFelder[i]->BindeVariant(s, pos, werte[i]);
    for (int i = 0; i < schluesselFelder.size(); ++i) schluesselFelder[i]->BindeVariant(s, pos, schluesselWerte[i]);

    for (TDatenfeld* f : lesen) f->BatchGroesse(limit);
    int n = 0;
    try {
        while (n < limit && s.Step()) {
            int spalte = 0;
            for (TDatenfeld* f : lesen) f->LeseBatch(s, spalte, n);
            ++n;
        }
    } catch (...) {
        s.Reset();
        throw;
    }
    s.Reset();
    FLesen = lesen;
    FNichtGelesen.clear();
    for (TDatenfeld* f : FFelder)
        if (!lesen.contains(f)) FNichtGelesen.append(f);
    FBatchZeilen = n;
    FBatchPos = 0;
    FBatchVoll = n == limit;
    if (n == 0) return false;
    LadeZeile(0);
    FHatAktuell = true;
    return true;
}

void TZEV_DBFile::SichereAktuellenSatz() {
    if (!FHatAktuell || FBatchZeilen == 0) return;
    FAktFelder = FLesen;
    FAktWerte.clear();
    for (const TDatenfeld* f : std::as_const(FLesen)) FAktWerte << f->BatchVariant(FBatchPos);
}

void TZEV_DBFile::AktuellerSatz(QList<TDatenfeld*>& felder, QVariantList& werte) const {
    if (FBatchZeilen > 0) {
        felder = FLesen;
        werte.clear();
        for (const TDatenfeld* f : FLesen) werte << f->BatchVariant(FBatchPos);
    } else {
        felder = FAktFelder;
        werte = FAktWerte;
    }
}

void TZEV_DBFile::LadeZeile(int zeile) {
    FBatchPos = zeile;
    for (TDatenfeld* f : std::as_const(FLesen)) f->AusBatch(zeile);
    for (TDatenfeld* f : std::as_const(FNichtGelesen)) f->Leeren();
    MerkeSchluessel();
}

void TZEV_DBFile::MerkeSchluessel() {
    FAktSchluessel.clear();
    for (const TDatenfeld* f : AktIndex().Ordnung) FAktSchluessel << f->BatchVariant(FBatchPos);
}

bool TZEV_DBFile::Weiter(bool ext) {
    PruefeOffen();
    if (!FHatAktuell) return false;
    if (ext && FMaxReceive > 0 && FGeliefert >= FMaxReceive) return false;
    if (FBatchPos + 1 < FBatchZeilen) {
        LadeZeile(FBatchPos + 1);
        ++FGeliefert;
        return true;
    }
    if (!FBatchVoll) return false;
    const int limit = ext && FMaxReceive > 0 ? qMin(CBatch, FMaxReceive - FGeliefert) : CBatch;
    if (limit <= 0) return false;
    const QVariantList puffer = PufferWerte();
    SichereAktuellenSatz();
    if (!LeseBatch(ext, ">", false, Richtung::Vor, limit)) {
        // the end: the buffer and the current record stay as they were
        SetzePuffer(puffer);
        FBatchZeilen = 0;
        FBatchVoll = false;
        return false;
    }
    ++FGeliefert;
    return true;
}

QVariantList TZEV_DBFile::PufferWerte() const {
    QVariantList werte;
    werte.reserve(FFelder.size());
    for (const TDatenfeld* f : FFelder) werte << f->AlsVariant();
    return werte;
}

void TZEV_DBFile::SetzePuffer(const QVariantList& werte) {
    for (int i = 0; i < FFelder.size() && i < werte.size(); ++i) FFelder[i]->SetzeVariant(werte[i]);
}

void TZEV_DBFile::NeuerWalk(bool ext) {
    PruefeOffen();
    FWalkExt = ext;
    FGeliefert = 0;
    FAktSchluessel.clear();
    FBatchZeilen = 0;
    FHatAktuell = false;
}

bool TZEV_DBFile::Get_first() {
    NeuerWalk(false);
    if (!LeseBatch(false, nullptr, true, Richtung::Vor, CBatch)) return false;
    FGeliefert = 1;
    return true;
}

bool TZEV_DBFile::Get_first_extMode() {
    NeuerWalk(true);
    const int limit = FMaxReceive > 0 ? qMin(CBatch, FMaxReceive) : CBatch;
    if (!LeseBatch(true, nullptr, true, Richtung::Vor, limit)) return false;
    FGeliefert = 1;
    return true;
}

bool TZEV_DBFile::Get_next() { return Weiter(false); }
bool TZEV_DBFile::Get_next_extMode() { return Weiter(FWalkExt); }

bool TZEV_DBFile::Get_ge() {
    NeuerWalk(false);
    if (!LeseBatch(false, ">=", false, Richtung::Vor, CBatch)) return false;
    FGeliefert = 1;
    return true;
}

bool TZEV_DBFile::Get_ge_extMode() {
    NeuerWalk(true);
    const int limit = FMaxReceive > 0 ? qMin(CBatch, FMaxReceive) : CBatch;
    if (!LeseBatch(true, ">=", false, Richtung::Vor, limit)) return false;
    FGeliefert = 1;
    return true;
}

bool TZEV_DBFile::Get_le() {
    NeuerWalk(false);
    if (!LeseBatch(false, "<=", false, Richtung::Zurueck, 1)) return false;
    FBatchVoll = true;  // a walk forward goes on from here
    FGeliefert = 1;
    return true;
}

bool TZEV_DBFile::Get_last() {
    NeuerWalk(false);
    if (!LeseBatch(false, nullptr, true, Richtung::Zurueck, 1)) return false;
    FBatchVoll = true;
    FGeliefert = 1;
    return true;
}

bool TZEV_DBFile::Get_last_extMode() {
    NeuerWalk(true);
    if (!LeseBatch(true, nullptr, true, Richtung::Zurueck, 1)) return false;
    FBatchVoll = true;
    FGeliefert = 1;
    return true;
}

bool TZEV_DBFile::Get_eq() {
    NeuerWalk(false);
    // A ">=" read of one record on the index fields, then a check that the key
    // matches exactly. When it does not, the buffer keeps what the caller set.
    const QVariantList puffer = PufferWerte();
    QVariantList gesucht;
    for (const TDatenfeld* f : AktIndex().Felder) gesucht << f->AlsVariant();
    bool gleich = LeseBatch(false, ">=", false, Richtung::Vor, 1);
    for (int i = 0; gleich && i < gesucht.size(); ++i) gleich = AktIndex().Felder[i]->AlsVariant() == gesucht[i];
    if (!gleich) {
        SetzePuffer(puffer);
        FHatAktuell = false;
        FAktSchluessel.clear();
        FBatchZeilen = 0;
        return false;
    }
    FBatchVoll = true;
    FGeliefert = 1;
    return true;
}

bool TZEV_DBFile::Get_exists_extMode() {
    PruefeOffen();
    // A read of its own: buffer, current record and walk position are kept.
    const QVariantList puffer = PufferWerte();
    const QVariantList schluessel = FAktSchluessel;
    const bool hatte = FHatAktuell;
    SichereAktuellenSatz();
    const QList<TDatenfeld*> felder = FAktFelder;
    const QVariantList werte = FAktWerte;
    const bool gefunden = LeseBatch(true, nullptr, true, Richtung::Vor, 1);
    FAktFelder = felder;
    FAktWerte = werte;
    SetzePuffer(puffer);
    FAktSchluessel = schluessel;
    FHatAktuell = hatte;
    FBatchZeilen = 0;
    FBatchVoll = hatte;  // the batch was overwritten: a walk goes on from the key
    return gefunden;
}

void TZEV_DBFile::Write(const AWRDONKz& code, int) {
    PruefeOffen();
    Connection& c = Verbindung();
    const QList<TDatenfeld*>& pk = FIndices.first().Felder;
    QStringList pkBedingung;
    for (const QString& sp : SpaltenVon(pk)) pkBedingung << sp + QStringLiteral(" = ?");
    // The primary key of the record last read: the record that update and delete mean.
    const auto bindeAltenSchluessel = [&](Statement& s, int& pos) {
        const QList<TDatenfeld*>& ord = AktIndex().Ordnung;
        for (TDatenfeld* f : pk) f->BindeVariant(s, pos, FAktSchluessel.at(ord.indexOf(f)));
    };
    if (code == wrdonInsert) {
        for (const TDatenfeld* f : FFelder) f->PruefeWert();
        QStringList spalten;
        for (const TDatenfeld* f : FFelder) spalten << f->Spalten();
        Statement& s = c.Cached(QStringLiteral("INSERT INTO ") + FTabelle + QStringLiteral(" (") + SpaltenListe() +
                                QStringLiteral(") VALUES ") + Platzhalter(spalten.size()));
        int pos = 1;
        for (const TDatenfeld* f : FFelder) f->BindeWert(s, pos);
        try {
            s.Step();
        } catch (const Exception& e) {
            s.Reset();
            throw Exception(QStringLiteral("Der Datensatz kann in der Tabelle %1 nicht angelegt werden: %2")
                                .arg(FTabelle, e.Message()));
        }
        s.Reset();
        return;
    }
    if (code != wrdonUpdate && code != wrdonDelete)
        throw Exception(QStringLiteral("Unbekannte Schreibaktion \"%1\" für die Tabelle %2.").arg(code, FTabelle));
    if (!FHatAktuell || FAktSchluessel.isEmpty())
        throw Exception(QStringLiteral("In der Tabelle %1 ist kein Datensatz gelesen, der geändert oder gelöscht werden "
                                       "könnte.")
                            .arg(FTabelle));
    // The record must still be as it was read: another workstation may have
    // changed or deleted it since. Large objects are not compared.
    QList<TDatenfeld*> altFelder;
    QVariantList altWerte;
    AktuellerSatz(altFelder, altWerte);
    QStringList bedingung = pkBedingung;
    QList<int> vergleich;
    for (int i = 0; i < altFelder.size(); ++i) {
        if (pk.contains(altFelder[i]) || altFelder[i]->Art() == TFeldArt::Blob) continue;
        for (const QString& sp : altFelder[i]->Spalten()) bedingung << sp + QStringLiteral(" = ?");
        vergleich << i;
    }
    const auto bindeAltenSatz = [&](Statement& s, int& pos) {
        bindeAltenSchluessel(s, pos);
        for (const int i : std::as_const(vergleich)) altFelder[i]->BindeVariant(s, pos, altWerte[i]);
    };
    const auto weg = [&] {
        return Exception(QStringLiteral("Der Datensatz der Tabelle %1 wurde inzwischen von einem anderen Arbeitsplatz "
                                        "geändert oder gelöscht. Bitte lesen Sie die Daten neu ein.")
                             .arg(FTabelle));
    };
    if (code == wrdonDelete) {
        Statement& s = c.Cached(QStringLiteral("DELETE FROM ") + FTabelle + QStringLiteral(" WHERE ") +
                                bedingung.join(QStringLiteral(" AND ")));
        int pos = 1;
        bindeAltenSatz(s, pos);
        qint64 n = 0;
        try {
            s.Step();
            n = s.Changes();
        } catch (...) {
            s.Reset();
            throw;
        }
        s.Reset();
        if (n == 0) throw weg();
        // a walk goes on behind the deleted record
        SichereAktuellenSatz();
        FBatchZeilen = 0;
        FBatchVoll = true;
        return;
    }
    for (const TDatenfeld* f : FFelder) f->PruefeWert();
    // Fields the read did not deliver keep their stored value unless the caller set one.
    QList<TDatenfeld*> setzFelder;
    for (TDatenfeld* f : FFelder)
        if (altFelder.contains(f) || !IstLeer(f->AlsVariant())) setzFelder << f;
    QStringList setzen;
    for (const TDatenfeld* f : setzFelder)
        for (const QString& sp : f->Spalten()) setzen << sp + QStringLiteral(" = ?");
    Statement& s = c.Cached(QStringLiteral("UPDATE ") + FTabelle + QStringLiteral(" SET ") +
                            setzen.join(QStringLiteral(", ")) + QStringLiteral(" WHERE ") +
                            bedingung.join(QStringLiteral(" AND ")));
    int pos = 1;
    for (const TDatenfeld* f : setzFelder) f->BindeWert(s, pos);
    bindeAltenSatz(s, pos);
    qint64 n = 0;
    try {
        s.Step();
        n = s.Changes();
    } catch (const Exception& e) {
        s.Reset();
        throw Exception(QStringLiteral("Der Datensatz der Tabelle %1 kann nicht geändert werden: %2")
                            .arg(FTabelle, e.Message()));
    }
    s.Reset();
    if (n == 0) throw weg();
    // The record now stands under its new key and with its new values; a walk goes on from there.
    FAktSchluessel.clear();
    for (const TDatenfeld* f : AktIndex().Ordnung) FAktSchluessel << f->AlsVariant();
    FAktFelder = altFelder;
    FAktWerte.clear();
    for (const TDatenfeld* f : std::as_const(FAktFelder)) FAktWerte << f->AlsVariant();
    FBatchZeilen = 0;
    FBatchVoll = true;
}

void TZEV_DBFile::StartStreamBuchung(const AWRDONKz& code) {
    PruefeOffen();
    FStreamCode = code;
    FStream.reset();
    FStreamFeld = nullptr;
}

QIODevice& TZEV_DBFile::CreateBlobStream(TDatenfeld_Blob& feld) {
    if (FStreamCode.isEmpty())
        throw Exception(QStringLiteral("Für die Tabelle %1 ist keine Stream-Buchung begonnen.").arg(FTabelle));
    FStreamFeld = &feld;
    FStream = std::make_unique<QBuffer>();
    FStream->open(QIODevice::WriteOnly);
    return *FStream;
}

void TZEV_DBFile::EndStreamBuchung() {
    if (FStreamCode.isEmpty())
        throw Exception(QStringLiteral("Für die Tabelle %1 ist keine Stream-Buchung begonnen.").arg(FTabelle));
    const AWRDONKz code = FStreamCode;
    FStreamCode.clear();
    if (FStreamFeld && FStream) FStreamFeld->SetWert(FStream->data());
    FStream.reset();
    FStreamFeld = nullptr;
    Write(code, 0);
}
