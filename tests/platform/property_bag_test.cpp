#include <gtest/gtest.h>

#include <QVariantMap>
#include <ostream>

#include "platform/basic/runtime_error.h"
#include "platform/controlhost/picture_values.h"
#include "platform/controlhost/property_bag.h"
#include "platform/controlhost/std_font.h"
#include "platform/controlhost/variant_values.h"

namespace {

using namespace platform::controlhost;

TEST(PropertyBag, ReadsKeysWithoutRegardToCase) {
    const PropertyBag bag(QVariantMap{{"caption", "A"}, {"PictureBG", 1}});
    EXPECT_EQ(bag.ReadProperty("Caption", "x").toString(), "A");
    EXPECT_EQ(bag.ReadProperty("CAPTION").toString(), "A");
    EXPECT_EQ(bag.ReadProperty("picturebg").toInt(), 1);
    EXPECT_EQ(bag.ReadProperty("Missing", 42).toInt(), 42);
    EXPECT_FALSE(bag.ReadProperty("Missing").isValid());
}

// A write stores nothing when the value equals its default.
struct WriteCase {
    const char* name;
    QVariant value;
    QVariant defaultValue;
    bool stored;
};

void PrintTo(const WriteCase& c, std::ostream* out) {
    *out << c.name;
}

const WriteCase kWrites[] = {
    {"SameNumber", 16, 16, false},
    {"OtherNumber", 0, 16, true},
    {"IntegerAndDouble", 16, 16.0, false},
    {"FalseEqualsZero", false, 0, false},
    {"TrueIsMinusOneNotOne", true, 1, true},
    {"TrueEqualsTrue", true, true, false},
    {"BooleanNeverEqualsEmptyText", false, QString(), true},
    {"EmptyTextEqualsEmptyText", QString(), QString(), false},
    {"TextsCompareExactly", "a", "A", true},
    {"NumberIsNoText", 5, "5", true},
    {"EmptyEqualsEmpty", QVariant(), QVariant(), false},
    {"NoPictureEqualsNone", FromPicture(nullptr), QVariant(), false},
    {"ZeroIsNotEmpty", 0, QVariant(), true},
    {"UnsignedColourEqualsItsPattern", 2147483666.0, 2147483666LL, false},
};

class PropertyBagWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(PropertyBagWrite, StoresOnlyWhatDiffersFromTheDefault) {
    const WriteCase& c = GetParam();
    PropertyBag bag;
    bag.WriteProperty("Key", c.value, c.defaultValue);
    EXPECT_EQ(bag.Contains("key"), c.stored);
    EXPECT_EQ(SameValue(bag.ReadProperty("Key", c.defaultValue), c.value), true);
}

INSTANTIATE_TEST_SUITE_P(Values, PropertyBagWrite, ::testing::ValuesIn(kWrites),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PropertyBag, WritingTheDefaultDropsAnEarlierValue) {
    PropertyBag bag;
    bag.WriteProperty("Status", true, false);
    bag.WriteProperty("STATUS", false, false);
    EXPECT_EQ(bag.Count(), 0);
}

TEST(PropertyBag, PicturesCompareByIdentity) {
    const auto a = platform::raster::Picture::CreateEmpty();
    const auto b = platform::raster::Picture::CreateEmpty();
    PropertyBag bag;
    bag.WriteProperty("Same", FromPicture(a), FromPicture(a));
    bag.WriteProperty("Other", FromPicture(a), FromPicture(b));
    EXPECT_FALSE(bag.Contains("Same"));
    EXPECT_EQ(ToPicture(bag.ReadProperty("Other")), a);
}

// Conversions of stored values, with their errors.
struct ConversionCase {
    const char* name;
    QVariant value;
    bool boolean;
    long long whole;  // ToLong
    int error;        // run-time error of ToBoolean and ToLong, 0 for none
};

void PrintTo(const ConversionCase& c, std::ostream* out) {
    *out << c.name;
}

const ConversionCase kConversions[] = {
    {"Empty", QVariant(), false, 0, 0},
    {"EmptyText", QString(), false, 0, 0},
    {"Zero", 0, false, 0, 0},
    {"MinusOne", -1, true, -1, 0},
    {"Two", 2, true, 2, 0},
    {"True", true, true, -1, 0},
    {"TextTrue", "true", true, -1, 0},
    {"TextFalse", " False ", false, 0, 0},
    {"TextNumber", "12", true, 12, 0},
    {"HalfRoundsToEven", 2.5, true, 2, 0},
    {"HexColour", "&H80000012", true, static_cast<std::int32_t>(0x80000012u), 0},
    {"UnsignedColour", 2147483666.0, true, static_cast<std::int32_t>(0x80000012u), 0},
    {"Word", "maybe", false, 0, 13},
    {"Record", QVariantMap{{"a", 1}}, false, 0, 13},
    {"TooLarge", 1e12, true, 0, 6},
};

class ValueConversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(ValueConversion, FollowsTheRuntimeRules) {
    const ConversionCase& c = GetParam();
    if (c.error == 13) {
        EXPECT_THROW(ToBoolean(c.value), platform::basic::RuntimeError);
    } else {
        EXPECT_EQ(ToBoolean(c.value), c.boolean);
    }
    try {
        EXPECT_EQ(ToLong(c.value), c.whole);
        EXPECT_EQ(c.error, 0);
    } catch (const platform::basic::RuntimeError& error) {
        EXPECT_EQ(error.number(), c.error);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, ValueConversion, ::testing::ValuesIn(kConversions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ValueConversion, IntegerOverflowsOutsideSixteenBits) {
    EXPECT_EQ(ToInteger(-32768), -32768);
    EXPECT_THROW(ToInteger(40000), platform::basic::RuntimeError);
}

TEST(FontValue, ComesFromADesignerRecord) {
    const StdFontRef font = ToFont(QVariantMap{
        {"Name", "宋体"}, {"size", 10.5}, {"bold", true}, {"charset", 134}, {"underline", 1}});
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->Name(), QStringLiteral("宋体"));
    EXPECT_DOUBLE_EQ(font->Size(), 10.5);
    EXPECT_TRUE(font->Bold());
    EXPECT_EQ(font->Weight(), 700);
    EXPECT_TRUE(font->Underline());
    EXPECT_FALSE(font->Italic());
    EXPECT_EQ(ToFont(QVariant()), nullptr);
    EXPECT_THROW(ToFont(5), platform::basic::RuntimeError);
}

TEST(FontValue, EverySetNotifies) {
    StdFont font;
    QStringList changes;
    QObject::connect(&font, &StdFont::FontChanged,
                     [&changes](const QString& name) { changes.append(name); });
    font.SetSize(9);
    font.SetBold(false);
    font.SetName(font.Name());
    EXPECT_EQ(changes, (QStringList{"Size", "Bold", "Name"}));
}

}  // namespace
