#include "TZEV_ACfgEditFrm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

TZEV_ACfgEditFrm::TZEV_ACfgEditFrm(bool nurAnzeige, QWidget* parent) : TQLNForm(parent), FNurAnzeige(nurAnzeige) {
    setObjectName(QStringLiteral("TZEV_ACfgEditFrm"));
    SetQLNFormPosStoreMode(2);
    auto* layout = new QVBoxLayout(this);
    lblUeberschrift = new QLabel(this);
    lblUeberschrift->setObjectName(QStringLiteral("lblUeberschrift"));
    QFont f = lblUeberschrift->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    lblUeberschrift->setFont(f);
    layout->addWidget(lblUeberschrift);
    lblBeschreibung = new QLabel(this);
    lblBeschreibung->setObjectName(QStringLiteral("lblBeschreibung"));
    lblBeschreibung->setWordWrap(true);
    layout->addWidget(lblBeschreibung);
    lblRechner = new QLabel(this);
    lblRechner->setObjectName(QStringLiteral("lblRechner"));
    lblRechner->setWordWrap(true);
    layout->addWidget(lblRechner);
    pnlFrame = new QWidget(this);
    pnlFrame->setObjectName(QStringLiteral("pnlFrame"));
    FFrameLayout = new QVBoxLayout(pnlFrame);
    FFrameLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pnlFrame, 1);

    auto* knoepfe = new QHBoxLayout();
    knoepfe->addStretch();
    btnSpeichern = new QPushButton(QStringLiteral("&Speichern (F5)"), this);
    btnSpeichern->setObjectName(QStringLiteral("btnSpeichern"));
    knoepfe->addWidget(btnSpeichern);
    connect(btnSpeichern, &QPushButton::clicked, this, &TZEV_ACfgEditFrm::Speichern);
    auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(f5, &QShortcut::activated, this, [this] {
        if (!FNurAnzeige) Speichern();
    });
    btnAbbrechen = new QPushButton(this);
    btnAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    connect(btnAbbrechen, &QPushButton::clicked, this, &TZEV_ACfgEditFrm::reject);
    knoepfe->addWidget(btnAbbrechen);
    layout->addLayout(knoepfe);

    SetNurAnzeige(nurAnzeige);
    resize(640, 480);
    QLNFormInit(QStringLiteral("frmACfgEdit"));
}

TZEV_ACfgEditFrm::~TZEV_ACfgEditFrm() {
    // The frame goes before the objects it may still look at.
    delete FFrame;
    FFrame = nullptr;
    FDaten.reset();
}

void TZEV_ACfgEditFrm::SetNurAnzeige(bool an) {
    FNurAnzeige = an;
    btnSpeichern->setVisible(!an);
    btnAbbrechen->setText(an ? QStringLiteral("S&chließen (Esc)") : QStringLiteral("&Abbrechen (Esc)"));
    pnlFrame->setEnabled(!an);
}

void TZEV_ACfgEditFrm::Fuellen(const QString& caption, const QString& beschreibung, const QString& rechnerText,
                               QWidget* frame, std::unique_ptr<TZEV_ACfgDataListe> daten) {
    delete FFrame;
    FFrame = frame;
    FDaten = std::move(daten);
    if (FFrame) {
        FFrame->setParent(pnlFrame);
        FFrameLayout->addWidget(FFrame);
        FFrame->show();
    }
    const QString titel = QStringLiteral("Konfiguration ") + caption;
    setWindowTitle(CaptionMitUnternehmensgruppe(titel));
    lblUeberschrift->setText(titel);
    lblBeschreibung->setText(beschreibung);
    lblBeschreibung->setVisible(!beschreibung.isEmpty());
    lblRechner->setText(rechnerText);
    lblRechner->setVisible(!rechnerText.isEmpty());
}

QString TZEV_ACfgEditFrm::RechnerText() const { return lblRechner->text(); }

void TZEV_ACfgEditFrm::Speichern() {
    if (FNurAnzeige) return;
    Aktion(QStringLiteral("TZEV_ACfgEditFrm.Speichern"), [this] {
        if (Bestaetigen && Bestaetigen()) accept();
    });
}
