#include "login_fixture.h"
#include "platform/forms/controls/label.h"

namespace {

TEST_F(LoginTest, EveryLabelShowsItsWholeCaption) {
    FrmLogin& form = Open();
    for (const platform::Label* label :
         {form.Label1, form.Label2, form.Label3, form.Label4, form.Label5}) {
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
            << qPrintable(label->text());
    }
}

}  // namespace
