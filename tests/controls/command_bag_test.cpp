#include <gtest/gtest.h>

#include <QVariantMap>
#include <functional>
#include <ostream>

#include "controls/Command/Command.h"
#include "controls/register_kinds.h"
#include "platform/basic/runtime_error.h"
#include "platform/controlhost/property_bag.h"
#include "platform/forms/designer_intrinsic.h"
#include "platform/raster/picture.h"

namespace {

using controls::Command;
using platform::controlhost::PropertyBag;

constexpr platform::raster::OLE_COLOR kButtonText =
    static_cast<platform::raster::OLE_COLOR>(0x80000012u);

// What a stored instance loads as.
struct LoadCase {
    const char* name;
    QVariantMap stored;
    bool enabled;
    const char* caption;
    platform::raster::OLE_COLOR foreColor;
    bool status;
    bool check;
    QSize size;
};

void PrintTo(const LoadCase& c, std::ostream* out) {
    *out << c.name;
}

const QString kStrip = QStringLiteral(":/images/Command/minimise.bmp");

const LoadCase kLoads[] = {
    {"NothingStoredIsDisabled", {}, false, "", kButtonText, false, false, QSize(18, 13)},
    {"TitleBarInstance",
     {{"Picture", kStrip}, {"Enabled", true}},
     true,
     "",
     kButtonText,
     false,
     false,
     QSize(26, 17)},
    {"KeysInAnyCase",
     {{"picture", kStrip}, {"ENABLED", -1}, {"caption", "x"}},
     true,
     "x",
     kButtonText,
     false,
     false,
     QSize(26, 17)},
    {"ZeroIsFalseAnyOtherNumberTrue",
     {{"Enabled", 0}, {"Status", 2}, {"Check", 1}},
     false,
     "",
     kButtonText,
     true,
     true,
     QSize(12, 13)},
    {"TextsOfBooleansAndColours",
     {{"Enabled", "True"}, {"Check", "False"}, {"ForeColor", "&H000000FF"}},
     true,
     "",
     0xFF,
     false,
     false,
     QSize(18, 13)},
    {"UnsignedSystemColour",
     {{"Enabled", true}, {"ForeColor", 2147483663.0}},
     true,
     "",
     static_cast<platform::raster::OLE_COLOR>(0x8000000Fu),
     false,
     false,
     QSize(18, 13)},
    {"StyleIsReadAndDropped",
     {{"Enabled", true}, {"Style", 3}},
     true,
     "",
     kButtonText,
     false,
     false,
     QSize(18, 13)},
};

class CommandLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(CommandLoad, TakesItsStoredProperties) {
    const LoadCase& c = GetParam();
    Command command;
    command.Load(PropertyBag(c.stored));
    EXPECT_EQ(command.Enabled(), c.enabled);
    EXPECT_EQ(command.isEnabled(), c.enabled);
    EXPECT_EQ(command.Caption().toStdString(), c.caption);
    EXPECT_EQ(command.ForeColor(), c.foreColor);
    EXPECT_EQ(command.Status(), c.status);
    EXPECT_EQ(command.Check(), c.check);
    EXPECT_EQ(command.size(), c.size);
}

INSTANTIATE_TEST_SUITE_P(Stored, CommandLoad, ::testing::ValuesIn(kLoads),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLoad, MarksPictureChangedAlreadyWhileLoading) {
    Command command;
    command.Load(PropertyBag(QVariantMap{{"Enabled", true}}));
    EXPECT_EQ(command.ChangedProperties(), QStringList{QStringLiteral("Picture")});
}

TEST(CommandLoad, UnreadablePictureIsAnInvalidPictureError) {
    Command command;
    try {
        command.Load(PropertyBag(QVariantMap{{"Picture", ":/images/Command/none.bmp"}}));
        FAIL() << "no error";
    } catch (const platform::basic::RuntimeError& error) {
        EXPECT_EQ(error.number(), 481);
    }
}

// What an instance stores when it is saved.
struct SaveCase {
    const char* name;
    std::function<void(Command&)> change;
    QStringList keys;
};

void PrintTo(const SaveCase& c, std::ostream* out) {
    *out << c.name;
}

const SaveCase kSaves[] = {
    {"NewInstanceStoresOnlyEnabled", [](Command&) {}, {"Enabled"}},
    {"DisabledStillStoresEnabled", [](Command& c) { c.SetEnabled(false); }, {"Enabled"}},
    {"EverythingChanged",
     [](Command& c) {
         c.SetPicture(platform::raster::LoadPicture(kStrip));
         c.SetCaption(QStringLiteral("x"));
         c.SetForeColor(0xFF);
         c.SetStatus(true);
         c.SetCheck(true);
     },
     {"Caption", "Check", "Enabled", "ForeColor", "Picture", "Status"}},
    {"DefaultsWrittenBackStoreNothing",
     [](Command& c) {
         c.SetCaption(QStringLiteral("x"));
         c.SetCaption(QString());
         c.SetForeColor(kButtonText);
     },
     {"Enabled"}},
};

class CommandSave : public ::testing::TestWithParam<SaveCase> {};

TEST_P(CommandSave, StoresWhatDiffersFromTheDefaults) {
    const SaveCase& c = GetParam();
    Command command;
    command.InitNew();
    c.change(command);
    const PropertyBag bag = command.Save();
    QStringList keys = bag.ToMap().keys();
    keys.sort();
    EXPECT_EQ(keys, c.keys);
    EXPECT_FALSE(command.IsChanged());
}

INSTANTIATE_TEST_SUITE_P(Saved, CommandSave, ::testing::ValuesIn(kSaves),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandSave, RoundTripsThroughTheBag) {
    Command first;
    first.InitNew();
    first.SetPicture(platform::raster::LoadPicture(kStrip));
    first.SetCaption(QStringLiteral("关闭"));
    first.SetStatus(true);
    Command second;
    second.Load(first.Save());
    EXPECT_EQ(second.Caption(), first.Caption());
    EXPECT_EQ(second.Picture(), first.Picture());
    EXPECT_TRUE(second.Status());
    EXPECT_TRUE(second.Enabled());
    EXPECT_EQ(second.size(), QSize(26, 17));
}

TEST(CommandKind, DesignerDataMakesALoadedCommand) {
    controls::RegisterKinds();
    const auto factory = platform::forms::FactoryOf(QStringLiteral("Command"));
    ASSERT_TRUE(factory);
    QWidget window;
    platform::forms::DesignEntry design;
    design.name = QStringLiteral("Command3");
    design.kind = QStringLiteral("Command");
    design.twips = QRect(5340, 15, 630, 255);
    design.bag = {{"Picture", ":/images/Command/close.bmp"}, {"Enabled", true}};
    auto* command = qobject_cast<Command*>(factory(&window, design));
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->objectName(), QStringLiteral("Command3"));
    EXPECT_EQ(command->Ambient().DisplayName, QStringLiteral("Command3"));
    EXPECT_EQ(command->geometry(), QRect(356, 1, 42, 17));
    EXPECT_TRUE(command->Enabled());
}

TEST(CommandKind, BadStoredValueLeavesTheInstanceOut) {
    controls::RegisterKinds();
    QWidget window;
    platform::forms::DesignEntry design;
    design.name = QStringLiteral("Command1");
    design.kind = QStringLiteral("Command");
    design.bag = {{"Enabled", "maybe"}};
    EXPECT_EQ(platform::forms::FactoryOf(design.kind)(&window, design), nullptr);
}

}  // namespace
