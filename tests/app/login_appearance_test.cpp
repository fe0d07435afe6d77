#include <QEvent>

#include "login_fixture.h"
#include "platform/forms/controls/label.h"

namespace {

TEST_F(LoginTest, EveryLabelShowsItsWholeCaption) {
    FrmLogin& form = Open();
    for (const platform::forms::controls::Label* label :
         {form.Label1, form.Label2, form.Label3, form.Label4, form.Label5}) {
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
            << qPrintable(label->text());
    }
}

// Notes the window's flags when it is first shown.
class FirstShow : public QObject {
public:
    bool seen = false;
    Qt::WindowFlags flags;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !seen) {
            seen = true;
            flags = static_cast<QWidget*>(watched)->windowFlags();
        }
        return false;
    }
};

// A window that the window manager is mapping must not have its flags
// changed under it.
TEST_F(LoginTest, HasItsTaskbarStylesBeforeItIsFirstShown) {
    FrmLogin& form = platform::forms::Default<FrmLogin>();
    FirstShow watch;
    form.installEventFilter(&watch);
    form.Show();
    ASSERT_TRUE(watch.seen);
    EXPECT_TRUE(watch.flags & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(form.windowFlags(), watch.flags);
}

}  // namespace
