#include "platform/controlhost/user_control.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcut>
#include <utility>

#include "platform/basic/rounding.h"
#include "platform/controlhost/input_codes.h"
#include "platform/controlhost/mouse_pointer.h"
#include "platform/forms/designer_loader.h"

namespace platform::controlhost {
namespace {

const char* const kWindowPicture = "Picture";

// The window's background picture as a picture object: the one set under
// "Picture", else the designer data's, made once and kept with the window.
raster::PicturePtr WindowPicture(QWidget* window) {
    const QVariant kept = window->property(kWindowPicture);
    if (kept.isValid()) return kept.value<raster::PicturePtr>();
    const QImage image = forms::FormPicture(window);
    if (image.isNull()) return nullptr;
    raster::PicturePtr picture = raster::PictureFromImage(image);
    window->setProperty(kWindowPicture, QVariant::fromValue(picture));
    return picture;
}

}  // namespace

UserControl::UserControl(QWidget* parent) : QWidget(parent), Surface(this) {
    ambient_.Font = NewDefaultFont();
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

// The widget gives up the focus as it goes, after this part of it is gone.
UserControl::~UserControl() {
    disconnect(focusWatch_);
}

void UserControl::InitNew() {
    notifiedSize_ = size();
    ResizeSurface(size());
    UserControl_InitProperties();
    // A placed control is told its size once, as every later size is told:
    // that first resize is where it paints its face and shapes its window.
    UserControl_Resize();
}

void UserControl::Load(const PropertyBag& bag) {
    notifiedSize_ = size();
    ResizeSurface(size());
    PropertyBag copy = bag;
    UserControl_ReadProperties(copy);
}

PropertyBag UserControl::Save() {
    PropertyBag bag;
    UserControl_WriteProperties(bag);
    changed_.clear();
    return bag;
}

void UserControl::SetEventHandler(int number, EventHandler handler) {
    handlers_.insert(number, std::move(handler));
}

void UserControl::SetDisplayName(const QString& name) {
    ambient_.DisplayName = name;
}

void UserControl::SetAmbientFont(StdFontRef font) {
    ambient_.Font = std::move(font);
    UserControl_AmbientChanged(QStringLiteral("Font"));
}

void UserControl::SetUserMode(bool userMode) {
    ambient_.UserMode = userMode;
    UserControl_AmbientChanged(QStringLiteral("UserMode"));
}

void UserControl::SetDefault(bool on) {
    defaultKey_ = AccessShortcut(defaultKey_, on, Qt::Key_Return, 13);
}

void UserControl::SetCancel(bool on) {
    cancelKey_ = AccessShortcut(cancelKey_, on, Qt::Key_Escape, 27);
}

QShortcut* UserControl::AccessShortcut(QShortcut* existing, bool on, int key,
                                       std::int16_t keyAscii) {
    delete existing;
    if (!on || window() == this) return nullptr;
    auto* shortcut = new QShortcut(window());
    QList<QKeySequence> keys{QKeySequence(key)};
    if (key == Qt::Key_Return) keys.append(QKeySequence(Qt::Key_Enter));
    shortcut->setKeys(keys);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, keyAscii] {
        std::int16_t code = keyAscii;
        UserControl_AccessKeyPress(code);
    });
    connect(this, &QObject::destroyed, shortcut, &QObject::deleteLater);
    return shortcut;
}

ExtenderInfo UserControl::Extender() const {
    const std::int16_t scale = Parent().ScaleMode;
    const auto inParentScale = [scale](int pixels) {
        return ConvertScale(pixels, vbPixels, scale);
    };
    ExtenderInfo info;
    info.Left = inParentScale(x());
    info.Top = inParentScale(y());
    QWidget* container = parentWidget();
    if (container != nullptr) {
        info.Container.hwnd = HandleOf(container);
        if (container != window()) {
            info.Container.Left = inParentScale(container->x());
            info.Container.Top = inParentScale(container->y());
        }
    }
    return info;
}

ParentInfo UserControl::Parent() const {
    QWidget* holder = window();
    ParentInfo info;
    if (holder == this) return info;
    info.hwnd = HandleOf(holder);
    const QVariant scale = holder->property("ScaleMode");
    if (scale.isValid()) info.ScaleMode = static_cast<std::int16_t>(scale.toInt());
    info.Picture = WindowPicture(holder);
    return info;
}

double UserControl::Width() const {
    return ConvertScale(width(), vbPixels, vbTwips);
}

double UserControl::Height() const {
    return ConvertScale(height(), vbPixels, vbTwips);
}

void UserControl::SetWidth(double twips) {
    const int pixels = std::max(0, ToPixels(twips, vbTwips));
    if (pixels == width()) return;
    resize(pixels, height());
    SizeChanged();
}

void UserControl::SetHeight(double twips) {
    const int pixels = std::max(0, ToPixels(twips, vbTwips));
    if (pixels == height()) return;
    resize(width(), pixels);
    SizeChanged();
}

bool UserControl::Enabled() const {
    return !testAttribute(Qt::WA_ForceDisabled);
}

void UserControl::SetEnabled(bool enabled) {
    setEnabled(enabled);
}

void UserControl::SetMousePointer(std::int16_t pointer) {
    mousePointer_ = pointer;
    ApplyCursor();
}

void UserControl::SetMouseIcon(raster::PicturePtr icon) {
    mouseIcon_ = std::move(icon);
    ApplyCursor();
}

void UserControl::ApplyCursor() {
    const std::optional<QCursor> cursor = CursorFor(mousePointer_, mouseIcon_);
    if (cursor)
        setCursor(*cursor);
    else
        unsetCursor();
}

void UserControl::PropertyChanged(const QString& name) {
    if (!changed_.contains(name, Qt::CaseInsensitive)) changed_.append(name);
}

bool UserControl::RaiseEvent(int number, const EventArgs& args) {
    const auto it = handlers_.constFind(number);
    if (it == handlers_.constEnd() || !*it) return true;
    const EventHandler handler = *it;  // the handler may replace itself
    QPointer<UserControl> alive(this);
    handler(args);
    return !alive.isNull();
}

void UserControl::DoEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool UserControl::event(QEvent* event) {
    // Enter, Esc and Space belong to the focused control, not to a window
    // shortcut of another control.
    if (event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ||
            key == Qt::Key_Space) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void UserControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintSurface(painter);
}

void UserControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    SizeChanged();
}

void UserControl::SizeChanged() {
    if (size() == notifiedSize_) return;
    notifiedSize_ = size();
    ResizeSurface(size());
    UserControl_Resize();
}

float UserControl::Scaled(double pixels) const {
    return static_cast<float>(ConvertScale(pixels, vbPixels, ScaleMode()));
}

void UserControl::mousePressEvent(QMouseEvent* event) {
    std::int16_t button = ButtonOf(event->button());
    if (button == 0) return;
    std::int16_t shift = ShiftOf(event->modifiers());
    float x = Scaled(event->position().x());
    float y = Scaled(event->position().y());
    UserControl_MouseDown(button, shift, x, y);
}

void UserControl::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a left double click is reported as a double click
    // instead of a press; other buttons press again.
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    UserControl_DblClick();
}

void UserControl::mouseMoveEvent(QMouseEvent* event) {
    std::int16_t button = ButtonsOf(event->buttons());
    std::int16_t shift = ShiftOf(event->modifiers());
    float x = Scaled(event->position().x());
    float y = Scaled(event->position().y());
    UserControl_MouseMove(button, shift, x, y);
}

void UserControl::mouseReleaseEvent(QMouseEvent* event) {
    std::int16_t button = ButtonOf(event->button());
    if (button == 0) return;
    std::int16_t shift = ShiftOf(event->modifiers());
    float x = Scaled(event->position().x());
    float y = Scaled(event->position().y());
    const HWND own = hWnd();
    QPointer<UserControl> alive(this);
    UserControl_MouseUp(button, shift, x, y);
    if (GetCapture() == own && (alive.isNull() || event->buttons() == Qt::NoButton))
        ReleaseCapture();
}

void UserControl::keyPressEvent(QKeyEvent* event) {
    std::int16_t keyCode = KeyCodeOf(event->key());
    std::int16_t shift = ShiftOf(event->modifiers());
    QPointer<UserControl> alive(this);
    UserControl_KeyDown(keyCode, shift);
    if (alive.isNull() || !isEnabled()) return;
    std::int16_t keyAscii = KeyAsciiOf(event->text());
    if (keyAscii != 0) UserControl_KeyPress(keyAscii);
}

void UserControl::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats its key-down only, as on the platform.
    if (event->isAutoRepeat()) return;
    std::int16_t keyCode = KeyCodeOf(event->key());
    std::int16_t shift = ShiftOf(event->modifiers());
    UserControl_KeyUp(keyCode, shift);
}

// Focus moves within the program reach the control; another program taking
// the activation does not take the focus from it. It keeps the focus while the
// program is inactive and loses it only when the focus comes back elsewhere.
void UserControl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (std::exchange(focusKeptWhileInactive_, false)) return;
    UserControl_EnterFocus();
}

void UserControl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason && QApplication::activeWindow() == nullptr) {
        focusKeptWhileInactive_ = true;
        return;
    }
    UserControl_ExitFocus();
}

void UserControl::FocusChanged(QWidget* now) {
    if (!focusKeptWhileInactive_ || now == nullptr || now == this) return;
    focusKeptWhileInactive_ = false;
    UserControl_ExitFocus();
}

}  // namespace platform::controlhost
