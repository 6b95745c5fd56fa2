#include "TQLNMaskEdit.h"

#include <QIntValidator>
#include <QRegularExpressionValidator>

TQLNMaskEdit::TQLNMaskEdit(int feldTyp, int maxLaenge, QWidget* parent) : QLineEdit(parent), FFeldTyp(feldTyp) {
    setMaxLength(qMax(1, maxLaenge));
    switch (feldTyp) {
        case 1:
            connect(this, &QLineEdit::textEdited, this, &TQLNMaskEdit::Grossschreiben);
            break;
        case 2:
            setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*(,[0-9]*)?")), this));
            setAlignment(Qt::AlignRight);
            break;
        case 6:
            setAlignment(Qt::AlignRight);
            break;
        default:
            break;
    }
}

void TQLNMaskEdit::Grossschreiben(const QString& text) {
    const QString gross = text.toUpper();
    if (gross == text) return;
    const int pos = cursorPosition();
    setText(gross);
    setCursorPosition(pos);
}

void TQLNMaskEdit::SetMaske(const QString& maske) {
    FMaske = maske;
    // "c" any character, "9" a digit, anything else a literal; ";0" ends the mask.
    const QString m = maske.section(QLatin1Char(';'), 0, 0);
    QString re;
    for (const QChar c : m) {
        if (c == QLatin1Char('c'))
            re += QStringLiteral(".?");
        else if (c == QLatin1Char('9'))
            re += QStringLiteral("[0-9]?");
        else
            re += QRegularExpression::escape(QString(c)) + QLatin1Char('?');
    }
    setMaxLength(qMax(1, int(m.size())));
    setValidator(new QRegularExpressionValidator(QRegularExpression(re), this));
}

void TQLNMaskEdit::SetBereich(int minimum, int maximum) {
    FMin = minimum;
    FMax = maximum;
    setValidator(new QIntValidator(minimum, maximum, this));
}
