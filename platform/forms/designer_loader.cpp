#include "platform/forms/designer_loader.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaMethod>
#include <QTimer>
#include <algorithm>

#include "platform/basic/rounding.h"
#include "platform/forms/centred_window.h"
#include "platform/forms/click_relay.h"
#include "platform/forms/controls/ole_colour.h"
#include "platform/forms/designer_intrinsic.h"

namespace platform::forms {
namespace {

constexpr int kTwipsPerPixel = 15;
const char* const kPictureProperty = "designerPicture";

QString keyOf(const QString& name, int index) {
    return index < 0 ? name : name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

DesignEntry entryOf(const QJsonObject& json) {
    DesignEntry design;
    design.name = json.value("name").toString();
    design.kind = json.value("kind").toString();
    design.index = json.value("index").toInt(-1);
    design.container = json.value("container").toString();
    design.twips = QRect(json.value("left").toInt(), json.value("top").toInt(),
                         json.value("width").toInt(), json.value("height").toInt());
    design.tabIndex = json.value("tabIndex").toInt(-1);
    design.props = json.value("props").toObject().toVariantMap();
    design.bag = json.value("bag").toObject().toVariantMap();
    return design;
}

void applyForm(QWidget* form, const QJsonObject& settings) {
    form->setWindowTitle(settings.value("caption").toString());
    const QSize client(PixelsOf(settings.value("clientWidth").toInt()),
                       PixelsOf(settings.value("clientHeight").toInt()));
    if (settings.value("fixedSize").toBool(true))
        form->setFixedSize(client);
    else
        form->resize(client);
    Qt::WindowFlags flags = Qt::Window;
    if (settings.value("borderless").toBool()) flags |= Qt::FramelessWindowHint;
    if (settings.value("titleBar").toString() == QLatin1String("closeOnly"))
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    form->setWindowFlags(flags);
    if (settings.contains("backColor")) {
        QPalette palette = form->palette();
        palette.setColor(
            QPalette::Window,
            controls::OleToQColor(static_cast<quint32>(settings.value("backColor").toInteger())));
        form->setPalette(palette);
        form->setAutoFillBackground(true);
    }
    const QString picture = settings.value("picture").toString();
    if (!picture.isEmpty()) {
        const QImage image(picture);
        form->setProperty(kPictureProperty, image);
        QPalette palette = form->palette();
        palette.setBrush(QPalette::Window, QBrush(image));
        form->setPalette(palette);
        form->setAutoFillBackground(true);
    }
    const QString icon = settings.value("icon").toString();
    if (!icon.isEmpty()) form->setWindowIcon(QIcon(icon));
    forms::CentreOnScreen(form);
}

QWidget* createControl(QWidget* parent, const DesignEntry& design) {
    if (QWidget* widget = CreateIntrinsic(parent, design)) return widget;
    const Factory factory = FactoryOf(design.kind);
    if (!factory) {
        qWarning("designer data: unknown control kind %s for %s", qPrintable(design.kind),
                 qPrintable(design.name));
        return nullptr;
    }
    QWidget* widget = factory(parent, design);
    return widget;
}

void applyTabOrder(const QList<DesignEntry>& entries, const Layout& layout) {
    QList<DesignEntry> ordered;
    for (const DesignEntry& design : entries)
        if (design.tabIndex >= 0) ordered.append(design);
    std::stable_sort(
        ordered.begin(), ordered.end(),
        [](const DesignEntry& a, const DesignEntry& b) { return a.tabIndex < b.tabIndex; });
    QWidget* previous = nullptr;
    for (const DesignEntry& design : ordered) {
        QWidget* widget = layout.widget(design.name, design.index);
        if (widget == nullptr || widget->focusPolicy() == Qt::NoFocus) continue;
        if (previous != nullptr) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace

QWidget* Layout::widget(const QString& name, int index) const {
    return widgets_.value(keyOf(name, index)).data();
}

QTimer* Layout::timer(const QString& name) const {
    return timers_.value(name).data();
}

int PixelsOf(int twips) {
    return static_cast<int>(basic::RoundHalfEven(twips / double(kTwipsPerPixel)));
}

QRect PixelsOf(const QRect& twips) {
    return QRect(PixelsOf(twips.x()), PixelsOf(twips.y()), PixelsOf(twips.width()),
                 PixelsOf(twips.height()));
}

QFont FontFrom(const QVariant& value, const QFont& fallback) {
    const QVariantMap map = value.toMap();
    if (map.isEmpty()) return fallback;
    QFont font(map.value("name", fallback.family()).toString());
    font.setPointSizeF(map.value("size", 9).toDouble());
    font.setBold(map.value("bold", false).toBool());
    font.setItalic(map.value("italic", false).toBool());
    font.setUnderline(map.value("underline", false).toBool());
    font.setStrikeOut(map.value("strikethrough", false).toBool());
    return font;
}

void ApplyCommon(QWidget* widget, const DesignEntry& design) {
    widget->setObjectName(design.name);
    if (design.twips.width() > 0 || design.twips.height() > 0)
        widget->setGeometry(PixelsOf(design.twips));
    if (design.props.contains("font"))
        widget->setFont(FontFrom(design.props.value("font"), widget->font()));
    if (design.props.value("mousePointer").toInt() == 99) {
        const QPixmap icon(design.props.value("mouseIcon").toString());
        widget->setCursor(icon.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(icon, 0, 0));
    }
    widget->setEnabled(design.props.value("enabled", true).toBool());
    widget->setVisible(design.props.value("visible", true).toBool());
}

Layout Load(QWidget* form, const QString& resource) {
    Layout layout;
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("designer data %s is missing", qPrintable(resource));
        return layout;
    }
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    applyForm(form, root.value("form").toObject());
    for (const QJsonValue& value : root.value("controls").toArray()) {
        const DesignEntry design = entryOf(value.toObject());
        if (design.name.isEmpty()) continue;
        layout.entries_.append(design);
        if (design.kind == QLatin1String("Timer")) {
            layout.timers_.insert(design.name, CreateTimer(form, design));
            continue;
        }
        QWidget* parent = design.container.isEmpty() ? form : layout.widget(design.container);
        QWidget* widget = createControl(parent ? parent : form, design);
        if (widget == nullptr) continue;
        if (widget->objectName().isEmpty()) widget->setObjectName(design.name);
        layout.widgets_.insert(keyOf(design.name, design.index), widget);
    }
    applyTabOrder(layout.entries_, layout);
    return layout;
}

bool OnClick(QObject* control, std::function<void()> handler) {
    if (control == nullptr) return false;
    const QMetaObject* meta = control->metaObject();
    const int signal = meta->indexOfSignal("Click()");
    if (signal < 0) return false;
    auto* relay = new ClickRelay(control, std::move(handler));
    const QMetaObject* relayMeta = relay->metaObject();
    return QObject::connect(control, meta->method(signal), relay,
                            relayMeta->method(relayMeta->indexOfSlot("Fire()")));
}

QImage FormPicture(const QWidget* form) {
    return form == nullptr ? QImage() : form->property(kPictureProperty).value<QImage>();
}

}  // namespace platform::forms
