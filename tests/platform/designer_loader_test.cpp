#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTimer>

#include "platform/forms/controls/check_box.h"
#include "platform/forms/controls/command_button.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/picture_box.h"
#include "platform/forms/controls/text_box.h"
#include "platform/forms/designer_loader.h"

namespace {

const char* const kDesigner = R"({
  "form": {"caption": "窗口", "clientWidth": 5760, "clientHeight": 3105, "borderless": true},
  "controls": [
    {"name": "Frame", "kind": "PictureBox", "left": 150, "top": 150, "width": 3000, "height": 1500,
     "props": {"backColor": 2147483653}},
    {"name": "Inner", "kind": "Label", "container": "Frame", "left": -30, "top": 30, "width": 900, "height": 180,
     "props": {"caption": "内", "foreColor": 16711680}},
    {"name": "Text1", "kind": "TextBox", "left": 3120, "top": 720, "width": 2415, "height": 270, "tabIndex": 2,
     "props": {"text": "000001"}},
    {"name": "Check1", "kind": "CheckBox", "left": 3120, "top": 1680, "width": 1215, "height": 255, "tabIndex": 1,
     "props": {"caption": "记住密码", "value": 1}},
    {"name": "Cat", "kind": "CommandButton", "index": 0, "left": 240, "top": 480, "width": 900, "height": 390},
    {"name": "Cat", "kind": "CommandButton", "index": 1, "left": 1155, "top": 480, "width": 900, "height": 390,
     "props": {"visible": false}},
    {"name": "Ghost", "kind": "NoSuchKind", "left": 0, "top": 0, "width": 15, "height": 15},
    {"name": "Timer1", "kind": "Timer", "props": {"interval": 1000, "enabled": false}},
    {"kind": "Label"}
  ]
})";

class DesignerLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        path_ = dir_.filePath("form.json");
        QFile file(path_);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kDesigner);
    }
    QTemporaryDir dir_;
    QString path_;
    QWidget form_;
};

TEST_F(DesignerLoaderTest, BuildsControlsInTheirContainersInPixels) {
    const auto layout = platform::forms::Load(&form_, path_);
    EXPECT_EQ(form_.windowTitle(), QStringLiteral("窗口"));
    EXPECT_EQ(form_.size(), QSize(384, 207));
    EXPECT_TRUE(form_.windowFlags() & Qt::FramelessWindowHint);

    auto* inner = layout.get<platform::forms::controls::Label>("Inner");
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->parentWidget(), layout.widget("Frame"));
    EXPECT_EQ(inner->geometry(), QRect(-2, 2, 60, 12));
    EXPECT_EQ(inner->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    EXPECT_EQ(layout.get<platform::forms::controls::TextBox>("Text1")->text(),
              QStringLiteral("000001"));
    EXPECT_EQ(layout.get<platform::forms::controls::CheckBox>("Check1")->Value(), 1);
    EXPECT_NE(layout.widget("Cat", 0), layout.widget("Cat", 1));
    EXPECT_FALSE(layout.widget("Cat", 1)->isVisibleTo(&form_));
    EXPECT_EQ(layout.widget("Ghost"), nullptr);
    ASSERT_NE(layout.timer("Timer1"), nullptr);
    EXPECT_EQ(layout.timer("Timer1")->interval(), 1000);
    EXPECT_FALSE(layout.timer("Timer1")->isActive());
}

TEST_F(DesignerLoaderTest, TabOrderFollowsTabIndex) {
    const auto layout = platform::forms::Load(&form_, path_);
    EXPECT_EQ(layout.widget("Check1")->nextInFocusChain(), layout.widget("Text1"));
}

TEST_F(DesignerLoaderTest, ClickReachesTheHandlerWhateverTheKind) {
    const auto layout = platform::forms::Load(&form_, path_);
    int clicks = 0;
    ASSERT_TRUE(platform::forms::OnClick(layout.widget("Cat", 0), [&] { ++clicks; }));
    layout.get<platform::forms::controls::CommandButton>("Cat", 0)->click();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(platform::forms::OnClick(layout.widget("Text1"), [] {}));
}

TEST(DesignerLoader, TwipsBecomeTheNearestWholePixels) {
    const struct {
        int twips;
        int pixels;
    } cases[] = {{0, 0},   {7, 0},    {8, 1},    {22, 1},     {23, 2},     {-7, 0},
                 {-8, -1}, {-30, -2}, {535, 36}, {2470, 165}, {5270, 351}, {-1680, -112}};
    for (const auto& c : cases) EXPECT_EQ(platform::forms::PixelsOf(c.twips), c.pixels) << c.twips;
}

TEST(DesignerLoader, MissingOrDamagedDataLeavesAnEmptyWindow) {
    QWidget form;
    const auto layout = platform::forms::Load(&form, QStringLiteral(":/designer/none.json"));
    EXPECT_TRUE(layout.entries().isEmpty());
    EXPECT_EQ(layout.widget("Text1"), nullptr);
}

}  // namespace
