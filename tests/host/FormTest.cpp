#include "host/ui/TQLNForm.h"
#include "testkit/TestModal.h"

#include <QTimer>
#include <gtest/gtest.h>

TEST(TQLNForm, TheOwnModalLoopSurvivesHidingAndDeletion) {
    TQLNForm::SetModalRunner({});  // the production loop
    auto* form = new TQLNForm;
    // Hiding does not end the loop (the centre hides itself while a configurator runs)...
    QTimer::singleShot(20, form, [form] {
        form->hide();
        form->show();
        form->done(QDialog::Accepted);
    });
    EXPECT_EQ(form->ShowModal(), QDialog::Accepted);
    // ...and a window deleted while it runs ends it instead of leaving it waiting.
    QTimer::singleShot(20, [form] { delete form; });
    EXPECT_EQ(form->ShowModal(), QDialog::Rejected);
    TestModal::Installiere();
}
