#include <gtest/gtest.h>

#include <QWidget>
#include <ostream>

#include "platform/forms/designer_loader.h"

namespace {

// Where the windows' designer data put their frames and controls, in pixels
// of their containers, as the windows are drawn.
struct PlaceRow {
    const char* window;
    const char* control;  // nullptr: the window's client area
    QRect pixels;
};

void PrintTo(const PlaceRow& row, std::ostream* out) {
    *out << row.window << "." << (row.control ? row.control : "client");
}

const PlaceRow kPlaces[] = {
    {"Frmmain", nullptr, QRect(0, 0, 799, 462)},
    {"Frmmain", "Text1", QRect(472, 36, 57, 18)},
    {"Frmmain", "XPCommand1", QRect(536, 35, 41, 20)},
    {"Frmmain", "Picture2", QRect(17, 88, 591, 351)},
    {"Frmmain", "Web2", QRect(-2, -2, 613, 533)},
    {"Frmmain", "PicLoad", QRect(-112, 0, 651, 353)},
    {"Frmmain", "Picture5", QRect(616, 88, 169, 353)},
    {"Frmmain", "Web3", QRect(-2, -2, 200, 373)},
    {"Frmmain", "Picture1", QRect(16, 608, 769, 39)},
    {"FrmLogin", nullptr, QRect(0, 0, 384, 207)},
    {"FrmLogin", "Label4", QRect(24, 165, 60, 12)},
    {"FrmLogin", "Label5", QRect(24, 184, 84, 12)},
    {"FrmTi", nullptr, QRect(0, 0, 277, 96)},
};

class WindowLayoutTest : public ::testing::TestWithParam<PlaceRow> {};

TEST_P(WindowLayoutTest, ControlsSitOnTheNearestPixel) {
    const PlaceRow& row = GetParam();
    QWidget form;
    const auto layout = platform::forms::Load(
        &form, QStringLiteral(":/designer/%1.json").arg(QLatin1String(row.window)));
    if (row.control == nullptr) {
        EXPECT_EQ(form.size(), row.pixels.size());
        return;
    }
    QWidget* control = layout.widget(QLatin1String(row.control));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), row.pixels);
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowLayoutTest, ::testing::ValuesIn(kPlaces),
                         [](const auto& info) {
                             return std::string(info.param.window) +
                                    (info.param.control ? info.param.control : "Client");
                         });

}  // namespace
