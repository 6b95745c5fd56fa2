#include "TXKEingabeRegel.h"

#include "TQLNDatumEdit.h"

#include <QRegularExpression>

bool TXKEingabeRegel::IstKlassenCode(const QString& erlaubt) {
    static const QRegularExpression re(QStringLiteral("^[cC][09 ]*$"));
    return re.match(erlaubt).hasMatch();
}

bool TXKEingabeRegel::UpperCase() const {
    return FFeld.CharCase == TEditCharCase::ecUpperCase ||
           (IstKlassenCode(FFeld.Erlaubt) && FFeld.Erlaubt.startsWith(QLatin1Char('C')));
}

QChar TXKEingabeRegel::Zeichen(QChar c) const {
    const QChar z = UpperCase() ? c.toUpper() : c;
    const QString& e = FFeld.Erlaubt;
    if (FFeld.Art == TXKFeldArt::Integer) {
        return (z.isDigit() || z == QLatin1Char('-')) ? z : QChar();
    }
    if (FFeld.Art == TXKFeldArt::Float) {
        return (z.isDigit() || z == QLatin1Char('-') || z == QLatin1Char(',') || z == QLatin1Char('.')) ? z : QChar();
    }
    if (e.isEmpty()) return z;
    if (IstKlassenCode(e)) {
        if (z.isLetter()) return z;
        if (z.isDigit() && z.unicode() < 128) return (e.contains(QLatin1Char('9')) || e.contains(QLatin1Char('0'))) ? z : QChar();
        if (z == QLatin1Char(' ')) return e.contains(QLatin1Char(' ')) ? z : QChar();
        return QChar();
    }
    return e.contains(z) ? z : QChar();
}

QString TXKEingabeRegel::Bereinige(const QString& text) const {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const QChar z = Zeichen(c);
        if (!z.isNull()) out += z;
    }
    if (FFeld.MaxLaenge > 0 && out.size() > FFeld.MaxLaenge) out.truncate(FFeld.MaxLaenge);
    return out;
}

QString TXKEingabeRegel::Pruefe(const QString& wert, bool leerErlaubt) const {
    const QString t = wert.trimmed();
    const QString& cap = FFeld.Caption;
    if (FFeld.Art == TXKFeldArt::String || FFeld.Art == TXKFeldArt::Listbox) {
        if (t.isEmpty()) {
            if (FFeld.MinLaenge > 0 && !leerErlaubt) return QStringLiteral("Bitte geben Sie „%1“ ein.").arg(cap);
            return {};
        }
        // A value-list field holds the shown word of a code the configurator
        // offers; length and characters are those of the stored code.
        if (FFeld.Wertevorrat) return {};
        if (FFeld.Art == TXKFeldArt::String && t.size() < FFeld.MinLaenge)
            return QStringLiteral("„%1“ muss mindestens %2 Zeichen lang sein.").arg(cap).arg(FFeld.MinLaenge);
        if (FFeld.MaxLaenge > 0 && wert.size() > FFeld.MaxLaenge)
            return QStringLiteral("„%1“ darf höchstens %2 Zeichen lang sein.").arg(cap).arg(FFeld.MaxLaenge);
        if (FFeld.Art == TXKFeldArt::String && Bereinige(wert) != (UpperCase() ? wert.toUpper() : wert))
            return QStringLiteral("„%1“ enthält Zeichen, die hier nicht erlaubt sind.").arg(cap);
        return {};
    }
    if (FFeld.Art == TXKFeldArt::Integer) {
        if (t.isEmpty()) return {};
        bool ok = false;
        const qlonglong v = t.toLongLong(&ok);
        if (!ok || v < -2147483648LL || v > 2147483647LL) return QStringLiteral("„%1“ muss eine ganze Zahl sein.").arg(cap);
        if ((FFeld.Minimum != 0 || FFeld.Maximum != 0) && (v < FFeld.Minimum || v > FFeld.Maximum))
            return QStringLiteral("„%1“ muss zwischen %2 und %3 liegen.").arg(cap).arg(FFeld.Minimum).arg(FFeld.Maximum);
        return {};
    }
    if (FFeld.Art == TXKFeldArt::Float) {
        if (t.isEmpty()) return {};
        QString n = t;
        n.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        n.toDouble(&ok);
        if (!ok) return QStringLiteral("„%1“ muss eine Zahl sein.").arg(cap);
        const QString ohneVorzeichen = n.startsWith(QLatin1Char('-')) ? n.mid(1) : n;
        const int punkt = ohneVorzeichen.indexOf(QLatin1Char('.'));
        const int vor = punkt < 0 ? ohneVorzeichen.size() : punkt;
        const int nach = punkt < 0 ? 0 : ohneVorzeichen.size() - punkt - 1;
        if (FFeld.Vorkomma > 0 && vor > FFeld.Vorkomma)
            return QStringLiteral("„%1“ darf höchstens %2 Stellen vor dem Komma haben.").arg(cap).arg(FFeld.Vorkomma);
        if (nach > FFeld.Nachkomma)
            return FFeld.Nachkomma == 0
                       ? QStringLiteral("„%1“ darf keine Nachkommastellen haben.").arg(cap)
                       : QStringLiteral("„%1“ darf höchstens %2 Nachkommastellen haben.").arg(cap).arg(FFeld.Nachkomma);
        return {};
    }
    if (FFeld.Art == TXKFeldArt::Date) {
        if (t.isEmpty()) return {};
        if (!TQLNDatumEdit::Lies(t).isValid())
            return QStringLiteral("„%1“ ist kein gültiges Datum. Bitte geben Sie es als TT.MM.JJJJ ein.").arg(cap);
        return {};
    }
    return {};
}

QValidator::State TXKEingabeValidator::validate(QString& input, int& pos) const {
    const QString bereinigt = FRegel.Bereinige(input);
    if (bereinigt != input) {
        // Case is applied as the user types; refused characters are refused.
        if (bereinigt.size() == input.size()) {
            input = bereinigt;
            return Acceptable;
        }
        return Invalid;
    }
    Q_UNUSED(pos);
    Q_UNUSED(FFeld);
    return Acceptable;
}

void TXKEingabeValidator::fixup(QString& input) const { input = FRegel.Bereinige(input); }
