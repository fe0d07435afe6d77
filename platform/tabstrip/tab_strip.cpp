#include "platform/tabstrip/tab_strip.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/forms/controls/ole_colour.h"
#include "platform/forms/designer_loader.h"

namespace platform::tabstrip {
namespace {

constexpr int kDefaultTabCount = 3;
constexpr int kMaxTabCount = 64;
constexpr int kFirstTabLeft = 2;
constexpr int kCaptionPadding = 6;
constexpr int kInactiveDrop = 2;
constexpr quint32 kButtonFace = 0x8000000F;

QVariant valueOf(const QVariantMap& bag, const QString& key) {
    for (auto it = bag.begin(); it != bag.end(); ++it)
        if (it.key().compare(key, Qt::CaseInsensitive) == 0) return it.value();
    return {};
}

QColor colourOf(const QVariantMap& bag, const char* key, const QColor& fallback) {
    const QVariant value = valueOf(bag, QLatin1String(key));
    bool ok = false;
    const qlonglong ole = value.toLongLong(&ok);
    return ok ? forms::controls::OleToQColor(static_cast<quint32>(ole)) : fallback;
}

}  // namespace

TabStrip::TabStrip(QWidget* parent) : QWidget(parent) {
    for (int tab = 0; tab < kDefaultTabCount; ++tab)
        captions_.append(QStringLiteral("Tab %1").arg(tab + 1));
    colours_ = {Qt::white,
                Qt::white,
                Qt::white,
                QColor(0xE0, 0xE0, 0xE0),
                QColor(0x80, 0x80, 0x80),
                forms::controls::OleToQColor(kButtonFace),
                forms::controls::OleToQColor(kButtonFace),
                QColor(0xA0, 0xA0, 0xA0)};
    inactiveFont_ = font();
    activeFont_ = font();
    activeFont_.setBold(true);
}

void TabStrip::ReadProperties(const QVariantMap& bag) {
    bool ok = false;
    const int count = valueOf(bag, QStringLiteral("tabcount")).toInt(&ok);
    const int tabs = ok ? std::clamp(count, 0, kMaxTabCount) : TabCount();
    QStringList captions;
    for (int tab = 0; tab < tabs; ++tab) {
        const QVariant caption = valueOf(bag, QStringLiteral("tabcaption(%1)").arg(tab));
        captions.append(caption.isValid() ? caption.toString() : TabCaption(tab));
    }
    captions_ = captions;
    colours_.activeStart = colourOf(bag, "activetabbackstartcolor", colours_.activeStart);
    colours_.activeEnd = colourOf(bag, "activetabbackendcolor", colours_.activeEnd);
    colours_.inactiveStart = colourOf(bag, "inactivetabbackstartcolor", colours_.inactiveStart);
    colours_.inactiveEnd = colourOf(bag, "inactivetabbackendcolor", colours_.inactiveEnd);
    colours_.outerBorder = colourOf(bag, "outerbordercolor", colours_.outerBorder);
    colours_.stripBack = colourOf(bag, "tabstripbackcolor", colours_.stripBack);
    colours_.disabledBack = colourOf(bag, "disabledtabbackcolor", colours_.disabledBack);
    colours_.disabledFore = colourOf(bag, "disabledtabforecolor", colours_.disabledFore);
    activeFont_ = forms::FontFrom(valueOf(bag, QStringLiteral("activetabfont")), activeFont_);
    inactiveFont_ = forms::FontFrom(valueOf(bag, QStringLiteral("inactivetabfont")), inactiveFont_);
    selected_ = std::clamp(selected_, 0, std::max(0, TabCount() - 1));
    update();
}

QString TabStrip::TabCaption(int tab) const {
    if (tab >= 0 && tab < TabCount()) return captions_[tab];
    return QStringLiteral("Tab %1").arg(tab + 1);
}

QRect TabStrip::TabRect(int tab) const {
    if (tab < 0 || tab >= TabCount()) return {};
    // Every tab is as wide as its caption in the bolder of the two fonts, so
    // that selecting a tab moves none of the others.
    const QFontMetrics active(activeFont_);
    const QFontMetrics inactive(inactiveFont_);
    int left = kFirstTabLeft;
    for (int index = 0;; ++index) {
        const QString& caption = captions_[index];
        const int width =
            std::max(active.horizontalAdvance(caption), inactive.horizontalAdvance(caption)) +
            2 * kCaptionPadding;
        if (index == tab) return QRect(left, 0, width, height());
        left += width;
    }
}

void TabStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), isEnabled() ? colours_.stripBack : colours_.disabledBack);
    painter.setPen(colours_.outerBorder);
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    for (int tab = 0; tab < TabCount(); ++tab)
        if (tab != selected_) paintTab(painter, tab);
    if (selected_ < TabCount()) paintTab(painter, selected_);
}

void TabStrip::paintTab(QPainter& painter, int tab) const {
    const bool active = tab == selected_;
    QRect box = TabRect(tab);
    if (!active) box.setTop(kInactiveDrop);
    box.adjust(0, 0, -1, active ? 0 : -1);
    if (isEnabled()) {
        QLinearGradient face(box.topLeft(), box.bottomLeft());
        face.setColorAt(0, active ? colours_.activeStart : colours_.inactiveStart);
        face.setColorAt(1, active ? colours_.activeEnd : colours_.inactiveEnd);
        painter.fillRect(box, face);
    } else {
        painter.fillRect(box, colours_.disabledBack);
    }
    painter.setPen(colours_.outerBorder);
    painter.drawLine(box.bottomLeft(), box.topLeft());
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.topRight(), box.bottomRight());
    painter.setFont(active ? activeFont_ : inactiveFont_);
    painter.setPen(isEnabled() ? palette().color(QPalette::WindowText) : colours_.disabledFore);
    painter.drawText(box, Qt::AlignCenter, captions_[tab]);
}

void TabStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    for (int tab = 0; tab < TabCount(); ++tab) {
        if (!TabRect(tab).contains(event->position().toPoint())) continue;
        selected_ = tab;
        update();
        emit Click(tab);
        return;
    }
}

}  // namespace platform::tabstrip
