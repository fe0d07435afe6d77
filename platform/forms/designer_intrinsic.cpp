#include "platform/forms/designer_intrinsic.h"

#include <QProxyStyle>
#include <QTimer>

#include "platform/forms/controls/check_box.h"
#include "platform/forms/controls/command_button.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/line.h"
#include "platform/forms/controls/ole_colour.h"
#include "platform/forms/controls/picture_box.h"
#include "platform/forms/controls/text_box.h"
#include "platform/forms/designer_loader.h"

namespace platform::forms {
namespace {

QColor colourOf(const QVariantMap& props, const char* key, const QColor& fallback) {
    const auto it = props.find(QLatin1String(key));
    if (it == props.end()) return fallback;
    return controls::OleToQColor(static_cast<quint32>(it->toLongLong()));
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

// The back colour fills the whole control. Buttons such as the check box
// fill with the button colour unless told to use the window colour.
void setBackColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
}

QWidget* createLabel(QWidget* parent, const DesignEntry& design) {
    auto* label = new controls::Label(parent);
    label->setText(design.props.value("caption").toString());
    const int alignment = design.props.value("alignment", 0).toInt();
    label->setAlignment(Qt::AlignTop | (alignment == 1   ? Qt::AlignRight
                                        : alignment == 2 ? Qt::AlignHCenter
                                                         : Qt::AlignLeft));
    label->setWordWrap(design.props.value("wordWrap", false).toBool());
    setTextColour(label, colourOf(design.props, "foreColor", Qt::black));
    if (design.props.value("backStyle", 1).toInt() == 1)
        setBackColour(label, colourOf(design.props, "backColor", QColor(236, 233, 216)));
    return label;
}

// Shows a password box's own mask character instead of the style's dot.
class PasswordCharStyle : public QProxyStyle {
public:
    PasswordCharStyle(QChar mask, QObject* owner) : mask_(mask) { setParent(owner); }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return mask_.unicode();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    QChar mask_;
};

QWidget* createTextBox(QWidget* parent, const DesignEntry& design) {
    auto* box = new controls::TextBox(parent);
    const QString mask = design.props.value("passwordChar").toString();
    if (!mask.isEmpty()) {
        box->setEchoMode(QLineEdit::Password);
        box->setStyle(new PasswordCharStyle(mask.at(0), box));
    }
    if (design.props.contains("maxLength"))
        box->setMaxLength(design.props.value("maxLength").toInt());
    box->setText(design.props.value("text").toString());
    return box;
}

QWidget* createCheckBox(QWidget* parent, const DesignEntry& design) {
    auto* box = new controls::CheckBox(parent);
    box->setText(design.props.value("caption").toString());
    box->SetValue(design.props.value("value", 0).toInt());
    if (design.props.contains("backColor"))
        setBackColour(box, colourOf(design.props, "backColor", {}));
    return box;
}

QWidget* createCommandButton(QWidget* parent, const DesignEntry& design) {
    auto* button = new controls::CommandButton(parent);
    button->setText(design.props.value("caption").toString());
    return button;
}

QWidget* createPictureBox(QWidget* parent, const DesignEntry& design) {
    auto* box = new controls::PictureBox(parent);
    box->SetBackColor(colourOf(design.props, "backColor", QColor(236, 233, 216)));
    const QString picture = design.props.value("picture").toString();
    if (!picture.isEmpty()) box->SetPicture(QImage(picture));
    return box;
}

QWidget* createLine(QWidget* parent, const DesignEntry& design) {
    const auto px = [&](const char* key) { return PixelsOf(design.props.value(key).toInt()); };
    return new controls::Line(parent, QPoint(px("x1"), px("y1")), QPoint(px("x2"), px("y2")),
                              colourOf(design.props, "borderColor", Qt::black));
}

}  // namespace

QWidget* CreateIntrinsic(QWidget* parent, const DesignEntry& design) {
    using Maker = QWidget* (*)(QWidget*, const DesignEntry&);
    static const QHash<QString, Maker> makers = {
        {QStringLiteral("Label"), createLabel},
        {QStringLiteral("TextBox"), createTextBox},
        {QStringLiteral("CheckBox"), createCheckBox},
        {QStringLiteral("CommandButton"), createCommandButton},
        {QStringLiteral("PictureBox"), createPictureBox},
        {QStringLiteral("Line"), createLine},
    };
    const Maker make = makers.value(design.kind, nullptr);
    if (make == nullptr) return nullptr;
    QWidget* widget = make(parent, design);
    if (design.kind != QLatin1String("Line")) ApplyCommon(widget, design);
    // A label sized to its text keeps its place and shows its whole caption.
    if (design.props.value("autoSize", false).toBool()) widget->resize(widget->sizeHint());
    return widget;
}

QTimer* CreateTimer(QWidget* form, const DesignEntry& design) {
    auto* timer = new QTimer(form);
    timer->setObjectName(design.name);
    timer->setInterval(design.props.value("interval", 0).toInt());
    if (design.props.value("enabled", false).toBool() && timer->interval() > 0) timer->start();
    return timer;
}

}  // namespace platform::forms
