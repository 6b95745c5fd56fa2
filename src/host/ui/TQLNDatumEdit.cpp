#include "TQLNDatumEdit.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QToolButton>
#include <QWidgetAction>

namespace {
const QString CFormat = QStringLiteral("dd.MM.yyyy");
}

QDate TQLNDatumEdit::Lies(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{2}|\\d{4})$"));
    const auto m = re.match(text.trimmed());
    if (!m.hasMatch()) return {};
    int jahr = m.captured(3).toInt();
    if (m.captured(3).size() == 2) jahr += 2000;
    return QDate(jahr, m.captured(2).toInt(), m.captured(1).toInt());
}

TQLNDatumEdit::TQLNDatumEdit(QWidget* parent) : QWidget(parent) {
    auto* lay = new QHBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(2);
    FEdit = new QLineEdit(this);
    FEdit->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
    FEdit->setMaxLength(10);
    FEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]{0,10}")), FEdit));
    FKnopf = new QToolButton(this);
    FKnopf->setText(QStringLiteral("..."));
    FKnopf->setToolTip(QStringLiteral("Kalender (F4)"));
    lay->addWidget(FEdit, 1);
    lay->addWidget(FKnopf);
    setFocusProxy(FEdit);
    connect(FKnopf, &QToolButton::clicked, this, &TQLNDatumEdit::ZeigeKalender);
    connect(new QShortcut(QKeySequence(Qt::Key_F4), FEdit, nullptr, nullptr, Qt::WidgetShortcut),
            &QShortcut::activated, this, &TQLNDatumEdit::ZeigeKalender);
    // a short form typed by the user is written out when the field is left
    connect(FEdit, &QLineEdit::editingFinished, this, [this] {
        const QDate d = Lies(FEdit->text());
        if (d.isValid()) FEdit->setText(d.toString(CFormat));
    });
}

QString TQLNDatumEdit::Text() const {
    const QDate d = Lies(FEdit->text());
    return d.isValid() ? d.toString(CFormat) : FEdit->text().trimmed();
}

void TQLNDatumEdit::SetText(const QString& text) { FEdit->setText(text.trimmed()); }

QDate TQLNDatumEdit::Datum() const { return Lies(FEdit->text()); }

void TQLNDatumEdit::ZeigeKalender() {
    QMenu menu(this);
    auto* kalender = new QCalendarWidget(&menu);
    kalender->setFirstDayOfWeek(Qt::Monday);
    kalender->setGridVisible(true);
    const QDate d = Datum();
    kalender->setSelectedDate(d.isValid() ? d : QDate::currentDate());
    auto* aktion = new QWidgetAction(&menu);
    aktion->setDefaultWidget(kalender);
    menu.addAction(aktion);
    connect(kalender, &QCalendarWidget::activated, &menu, [&](const QDate& gewaehlt) {
        FEdit->setText(gewaehlt.toString(CFormat));
        menu.close();
    });
    connect(kalender, &QCalendarWidget::clicked, &menu, [&](const QDate& gewaehlt) {
        FEdit->setText(gewaehlt.toString(CFormat));
        menu.close();
    });
    menu.exec(FEdit->mapToGlobal(QPoint(0, FEdit->height())));
    FEdit->setFocus();
}
