// Closing a window against the work guard.

#include "host/TQLNProgramm.h"
#include "host/ui/TQLNForm.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {
// A window whose buttons run under the guard, as every window's buttons do.
class TfrmGeschuetzt : public TQLNForm {
public:
    void btnBeendenClick() {
        const TQLNWorkGuard guard(this, QStringLiteral("TfrmGeschuetzt.btnBeendenClick"), 5);
        if (guard) close();
    }
    void btnSpeichernClick() {
        const TQLNWorkGuard guard(this, QStringLiteral("TfrmGeschuetzt.btnSpeichernClick"), 5);
        if (guard) accept();
    }
};
}  // namespace

TEST(Fenster, AGuardedHandlerMayCloseItsOwnWindow) {
    TfrmGeschuetzt frm;
    frm.show();
    frm.btnBeendenClick();
    QCoreApplication::processEvents();
    EXPECT_FALSE(frm.isVisible());

    frm.show();
    frm.btnSpeichernClick();
    QCoreApplication::processEvents();
    EXPECT_FALSE(frm.isVisible());
    EXPECT_EQ(frm.result(), int(QDialog::Accepted));
}

TEST(Fenster, ACloseAskedForDuringWorkStaysRefused) {
    TfrmGeschuetzt frm;
    frm.show();
    ASSERT_TRUE(TQLNProgramm::WorkStartTry(&frm, "Lange.Arbeit", 5));
    EXPECT_FALSE(frm.close());
    frm.reject();
    QCoreApplication::processEvents();  // the work lets the window handle its messages
    EXPECT_TRUE(frm.isVisible());
    TQLNProgramm::WorkDone(&frm);
    QCoreApplication::processEvents();
    EXPECT_TRUE(frm.isVisible());  // the refused requests are not carried out later
    EXPECT_TRUE(frm.close());
}
