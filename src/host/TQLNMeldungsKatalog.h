#pragma once
// The host's message catalogue: texts by category and number, with placeholders
// %1..%9 filled from the message's arguments. Loaded from resources/meldungen.txt.

#include <QHash>
#include <QString>
#include <QStringList>

class TQLNMeldungsKatalog {
public:
    // Reads catalogue lines "CATEGORY|NUMBER|TEXT"; "\n" in a text is a line break.
    // Blank lines and lines starting with '#' are skipped. Throws Exception on a malformed line.
    void Lade(const QString& inhalt, const QString& quelle);
    void LadeDatei(const QString& dateiname);

    bool Enthaelt(const QString& kategorie, int nummer) const;
    QString Text(const QString& kategorie, int nummer) const;  // raw text, empty when unknown
    // The text with its placeholders filled; an unknown message still says what was meant.
    QString Formatiere(const QString& kategorie, int nummer, const QStringList& args) const;

    static QString FuelleAus(const QString& text, const QStringList& args);

    // The catalogue of the running program (the built-in resource, loaded on first use).
    static const TQLNMeldungsKatalog& Standard();

private:
    static QString Schluessel(const QString& kategorie, int nummer);
    QHash<QString, QString> FTexte;
};
