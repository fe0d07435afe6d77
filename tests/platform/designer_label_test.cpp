#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QWidget>
#include <memory>

#include "platform/forms/designer_intrinsic.h"
#include "support/row_print.h"

namespace {

struct LabelCase {
    const char* name;
    const char* caption;
    bool autoSize;
    bool keepsDesignWidth;
};

using support::PrintTo;

class DesignerLabel : public ::testing::TestWithParam<LabelCase> {};

TEST_P(DesignerLabel, AutoSizeShowsTheWholeCaptionInPlace) {
    const LabelCase& c = GetParam();
    platform::forms::DesignEntry design;
    design.name = QStringLiteral("Label1");
    design.kind = QStringLiteral("Label");
    design.twips = QRect(480, 135, 1350, 180);
    design.props = {{"caption", QString::fromUtf8(c.caption)}, {"autoSize", c.autoSize}};
    QWidget form;
    std::unique_ptr<QWidget> label(platform::forms::CreateIntrinsic(&form, design));
    ASSERT_NE(label, nullptr);

    EXPECT_EQ(label->pos(), QPoint(32, 9));
    if (c.keepsDesignWidth) {
        EXPECT_EQ(label->size(), QSize(90, 12));
        return;
    }
    const int textWidth = label->fontMetrics().horizontalAdvance(QString::fromUtf8(c.caption));
    EXPECT_GE(label->width(), textWidth);
    EXPECT_LE(label->width(), textWidth + 4);
    EXPECT_GE(label->height(), label->fontMetrics().height());
}

const LabelCase kLabels[] = {
    {"LongerThanDesigned", "Marlquin-会员登录", true, false},
    {"ShorterThanDesigned", "登录", true, false},
    {"FixedSize", "Marlquin-会员登录", false, true},
};

INSTANTIATE_TEST_SUITE_P(Caption, DesignerLabel, ::testing::ValuesIn(kLabels),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
