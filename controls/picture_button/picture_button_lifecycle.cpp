#include "controls/picture_button/picture_button.h"

namespace controls {

using platform::controlhost::StdFontRef;

PictureButton::PictureButton(const interaction::ButtonEventNumbers& events,
                             const PictureButtonDefaults& defaults, QWidget* parent)
    : interaction::ButtonControl(events, parent), defaults_(defaults), placementSurface_(*this) {
    UserControl_Initialize();
}

PictureButton::~PictureButton() {
    UserControl_Terminate();
}

void PictureButton::UserControl_Initialize() {
    SetGFont(std::make_shared<platform::controlhost::StdFont>());
    SetScaleMode(platform::controlhost::vbPixels);
}

void PictureButton::UserControl_Terminate() {
    SetGFont(nullptr);
}

// g_Font is the font whose change notifications the control follows.
void PictureButton::SetGFont(StdFontRef font) {
    QObject::disconnect(fontWatch_);
    g_Font = std::move(font);
    if (g_Font)
        fontWatch_ = connect(g_Font.get(), &platform::controlhost::StdFont::FontChanged, this,
                             &PictureButton::g_Font_FontChanged);
}

// Each fetch of the ambient font gives a font object of its own, so that the
// control never changes the holder's font.
StdFontRef PictureButton::AmbientFont() const {
    const StdFontRef& ambient = Ambient().Font;
    return ambient ? platform::controlhost::CloneFont(*ambient)
                   : platform::controlhost::NewDefaultFont();
}

}  // namespace controls
