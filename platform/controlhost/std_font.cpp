#include "platform/controlhost/std_font.h"

#include <QVariantMap>
#include <algorithm>

#include "platform/basic/rounding.h"
#include "platform/controlhost/host_errors.h"
#include "platform/controlhost/variant_values.h"

namespace platform::controlhost {
namespace {

constexpr std::int16_t kChineseCharset = 134;
constexpr double kDefaultPoints = 9;

QVariant Field(const QVariantMap& record, const char* name) {
    for (auto it = record.begin(); it != record.end(); ++it)
        if (it.key().compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return it.value();
    return {};
}

StdFontRef FontFromRecord(const QVariantMap& record) {
    auto font = NewDefaultFont();
    if (QVariant v = Field(record, "name"); v.isValid()) font->SetName(ToText(v));
    if (QVariant v = Field(record, "size"); v.isValid()) font->SetSize(ToSingle(v));
    if (QVariant v = Field(record, "weight"); v.isValid()) font->SetWeight(ToInteger(v));
    if (QVariant v = Field(record, "bold"); v.isValid()) font->SetBold(ToBoolean(v));
    if (QVariant v = Field(record, "italic"); v.isValid()) font->SetItalic(ToBoolean(v));
    if (QVariant v = Field(record, "underline"); v.isValid()) font->SetUnderline(ToBoolean(v));
    if (QVariant v = Field(record, "strikethrough"); v.isValid())
        font->SetStrikethrough(ToBoolean(v));
    if (QVariant v = Field(record, "charset"); v.isValid()) font->SetCharset(ToInteger(v));
    return font;
}

}  // namespace

StdFont::StdFont()
    : name_(QStringLiteral("宋体")), size_(kDefaultPoints), charset_(kChineseCharset) {}

void StdFont::Changed(const char* propertyName) {
    emit FontChanged(QString::fromLatin1(propertyName));
}

void StdFont::SetName(const QString& name) {
    name_ = name;
    Changed("Name");
}

void StdFont::SetSize(double points) {
    size_ = points;
    Changed("Size");
}

void StdFont::SetBold(bool bold) {
    weight_ = bold ? kBoldWeight : kNormalWeight;
    Changed("Bold");
}

void StdFont::SetWeight(std::int16_t weight) {
    weight_ = weight;
    Changed("Weight");
}

void StdFont::SetItalic(bool italic) {
    italic_ = italic;
    Changed("Italic");
}

void StdFont::SetUnderline(bool underline) {
    underline_ = underline;
    Changed("Underline");
}

void StdFont::SetStrikethrough(bool strikethrough) {
    strikethrough_ = strikethrough;
    Changed("Strikethrough");
}

void StdFont::SetCharset(std::int16_t charset) {
    charset_ = charset;
    Changed("Charset");
}

QFont StdFont::ToQFont() const {
    QFont font(name_);
    font.setPixelSize(
        std::max<int>(1, static_cast<int>(basic::RoundHalfEven(size_ * 96.0 / 72.0))));
    font.setBold(Bold());
    font.setItalic(italic_);
    font.setUnderline(underline_);
    font.setStrikeOut(strikethrough_);
    // Text is drawn without smoothing, pixel for pixel the same everywhere.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

StdFontRef NewDefaultFont() {
    return std::make_shared<StdFont>();
}

StdFontRef CloneFont(const StdFont& font) {
    auto copy = std::make_shared<StdFont>();
    copy->SetName(font.Name());
    copy->SetSize(font.Size());
    copy->SetWeight(font.Weight());
    copy->SetItalic(font.Italic());
    copy->SetUnderline(font.Underline());
    copy->SetStrikethrough(font.Strikethrough());
    copy->SetCharset(font.Charset());
    return copy;
}

StdFontRef ToFont(const QVariant& value) {
    if (!value.isValid()) return nullptr;
    if (value.canConvert<StdFontRef>() && value.metaType() == QMetaType::fromType<StdFontRef>())
        return value.value<StdFontRef>();
    if (value.typeId() == QMetaType::QVariantMap) return FontFromRecord(value.toMap());
    throw TypeMismatch();
}

}  // namespace platform::controlhost
