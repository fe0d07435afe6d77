#pragma once

#include <QHash>
#include <QSize>
#include <QStringList>
#include <QWidget>
#include <cstdint>

#include "platform/controlhost/event_args.h"
#include "platform/controlhost/pointer_capture.h"
#include "platform/controlhost/property_bag.h"
#include "platform/controlhost/std_font.h"
#include "platform/controlhost/surface.h"
#include "platform/raster/picture.h"

class QShortcut;

namespace platform::controlhost {

// What the holder tells a control about itself.
struct AmbientProperties {
    QString DisplayName;
    StdFontRef Font;
    bool UserMode = true;  // False only while a designer shows the control
};

// The container of a control and the control's place in it, in the scale
// units of the control's parent window.
struct ContainerInfo {
    HWND hwnd = 0;
    double Left = 0;
    double Top = 0;
};
struct ExtenderInfo {
    double Left = 0;
    double Top = 0;
    ContainerInfo Container;
};

// The window that holds the control. Its ScaleMode and Picture are looked up
// by name on the window: the Qt properties "ScaleMode" (a number, twips when
// absent) and "Picture" (a raster::PicturePtr; when absent, the background
// picture of the window's designer data, made into a picture once).
struct ParentInfo {
    HWND hwnd = 0;
    std::int16_t ScaleMode = vbTwips;
    raster::PicturePtr Picture;
};

// Mouse pointers (MousePointer values).
constexpr std::int16_t vbDefault = 0;
constexpr std::int16_t vbCustom = 99;

// The host of one user control: a widget whose drawing surface the control
// paints, which hands it the holder's ambient properties, stores its
// properties in a bag, delivers mouse, key and focus input to its handlers
// (none while it is disabled; coordinates in the surface's scale units) and
// raises its events to the holder's handlers by number.
class UserControl : public QWidget, public Surface {
    Q_OBJECT
public:
    explicit UserControl(QWidget* parent = nullptr);
    ~UserControl() override;

    // --- The holder's side.
    // Starts a newly placed instance (UserControl_InitProperties), then tells
    // it the size it has (UserControl_Resize).
    void InitNew();
    // Loads a stored instance (UserControl_ReadProperties). The size the
    // control has now is taken as its stored extent, without a resize
    // notification.
    void Load(const PropertyBag& bag);
    // Saves the instance (UserControl_WriteProperties) and clears the change
    // mark.
    PropertyBag Save();
    bool IsChanged() const { return !changed_.isEmpty(); }
    QStringList ChangedProperties() const { return changed_; }

    // The holder's handler of event `number` (replacing an earlier one).
    void SetEventHandler(int number, EventHandler handler);
    // The instance's name, given before it is started or loaded.
    void SetDisplayName(const QString& name);
    // Ambient changes reach the control through UserControl_AmbientChanged.
    void SetAmbientFont(StdFontRef font);
    void SetUserMode(bool userMode);
    // Enter (Default) or Esc (Cancel) pressed anywhere in the window reaches
    // the control as an access key (13 or 27).
    void SetDefault(bool on);
    void SetCancel(bool on);

    // --- The control's side.
    const AmbientProperties& Ambient() const { return ambient_; }
    ExtenderInfo Extender() const;
    ParentInfo Parent() const;

    HWND hWnd() { return HandleOf(this); }
    // Size in twips, whatever the scale mode. Setting a new size resizes the
    // window to whole pixels (rounded half to even) and runs
    // UserControl_Resize before it returns; the same size raises nothing.
    double Width() const;
    double Height() const;
    void SetWidth(double twips);
    void SetHeight(double twips);

    bool Enabled() const;
    void SetEnabled(bool enabled);

    std::int16_t MousePointer() const { return mousePointer_; }
    void SetMousePointer(std::int16_t pointer);
    raster::PicturePtr MouseIcon() const { return mouseIcon_; }
    void SetMouseIcon(raster::PicturePtr icon);

    // Marks a property changed, so that the holder saves the instance.
    void PropertyChanged(const QString& name);
    // Calls the holder's handler of the event at once. Returns false when the
    // control was destroyed by the handler; the caller must then stop.
    [[nodiscard]] bool RaiseEvent(int number, const EventArgs& args = {});
    // Handles every pending event, then returns.
    static void DoEvents();

    // --- Calls into the control.
    virtual void UserControl_InitProperties() {}
    virtual void UserControl_ReadProperties(PropertyBag& /*PropBag*/) {}
    virtual void UserControl_WriteProperties(PropertyBag& /*PropBag*/) {}
    virtual void UserControl_Resize() {}
    virtual void UserControl_EnterFocus() {}
    virtual void UserControl_ExitFocus() {}
    virtual void UserControl_AccessKeyPress(std::int16_t& /*KeyAscii*/) {}
    virtual void UserControl_AmbientChanged(const QString& /*PropertyName*/) {}
    virtual void UserControl_MouseDown(std::int16_t& /*Button*/, std::int16_t& /*Shift*/,
                                       float& /*x*/, float& /*y*/) {}
    virtual void UserControl_MouseMove(std::int16_t& /*Button*/, std::int16_t& /*Shift*/,
                                       float& /*x*/, float& /*y*/) {}
    virtual void UserControl_MouseUp(std::int16_t& /*Button*/, std::int16_t& /*Shift*/,
                                     float& /*x*/, float& /*y*/) {}
    virtual void UserControl_DblClick() {}
    virtual void UserControl_KeyDown(std::int16_t& /*KeyCode*/, std::int16_t& /*Shift*/) {}
    virtual void UserControl_KeyPress(std::int16_t& /*KeyAscii*/) {}
    virtual void UserControl_KeyUp(std::int16_t& /*KeyCode*/, std::int16_t& /*Shift*/) {}

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void SizeChanged();
    void FocusChanged(QWidget* now);
    void ApplyCursor();
    QShortcut* AccessShortcut(QShortcut* existing, bool on, int key, std::int16_t keyAscii);
    // A mouse coordinate in the surface's scale units.
    float Scaled(double pixels) const;

    AmbientProperties ambient_;
    QHash<int, EventHandler> handlers_;
    QStringList changed_;
    QSize notifiedSize_;
    std::int16_t mousePointer_ = vbDefault;
    raster::PicturePtr mouseIcon_;
    QShortcut* defaultKey_ = nullptr;
    QShortcut* cancelKey_ = nullptr;
    // The focus was here when another program became active.
    bool focusKeptWhileInactive_ = false;
    QMetaObject::Connection focusWatch_;
};

}  // namespace platform::controlhost
