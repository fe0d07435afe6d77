#pragma once

#include <QFont>
#include <QObject>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>

namespace platform::controlhost {

// The standard font object: name, size in points, weight, bold, italic,
// underline, strikethrough and character set. Every attribute set raises
// FontChanged with the attribute's name, whether or not the value differs.
class StdFont : public QObject {
    Q_OBJECT
public:
    StdFont();

    QString Name() const { return name_; }
    double Size() const { return size_; }
    bool Bold() const { return weight_ >= kBoldWeight; }
    std::int16_t Weight() const { return weight_; }
    bool Italic() const { return italic_; }
    bool Underline() const { return underline_; }
    bool Strikethrough() const { return strikethrough_; }
    std::int16_t Charset() const { return charset_; }

    void SetName(const QString& name);
    void SetSize(double points);
    void SetBold(bool bold);
    void SetWeight(std::int16_t weight);
    void SetItalic(bool italic);
    void SetUnderline(bool underline);
    void SetStrikethrough(bool strikethrough);
    void SetCharset(std::int16_t charset);

    // The font for drawing, sized in pixels at 96 dots per inch so that
    // measuring and drawing agree on any paint device.
    QFont ToQFont() const;

    static constexpr std::int16_t kBoldWeight = 700;
    static constexpr std::int16_t kNormalWeight = 400;

signals:
    void FontChanged(const QString& propertyName);

private:
    void Changed(const char* propertyName);

    QString name_;
    double size_;
    std::int16_t weight_ = kNormalWeight;
    bool italic_ = false;
    bool underline_ = false;
    bool strikethrough_ = false;
    std::int16_t charset_;
};

using StdFontRef = std::shared_ptr<StdFont>;

// A new font with the program's default face: "宋体", 9 points, character
// set 134 (GB2312).
StdFontRef NewDefaultFont();

// A new font with the same attributes.
StdFontRef CloneFont(const StdFont& font);

// A font from a stored value: a font object, or a designer-data record
// {"name", "size", "bold", "italic", "underline", "strikethrough", "weight",
// "charset"} (keys without regard to case; absent ones keep the defaults).
// An empty value gives no font; anything else raises run-time error 13.
StdFontRef ToFont(const QVariant& value);

}  // namespace platform::controlhost
