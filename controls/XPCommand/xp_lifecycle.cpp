#include "controls/XPCommand/XPCommand.h"

namespace controls {

using platform::controlhost::StdFontRef;

XPCommand::XPCommand(QWidget* parent)
    : ButtonControl(kXPCommandEvents, parent), placementSurface_(*this) {
    UserControl_Initialize();
}

XPCommand::~XPCommand() {
    UserControl_Terminate();
}

void XPCommand::UserControl_Initialize() {
    SetGFont(std::make_shared<platform::controlhost::StdFont>());
    SetScaleMode(platform::controlhost::vbPixels);
}

void XPCommand::UserControl_Terminate() {
    SetGFont(nullptr);
}

// g_Font is the font whose change notifications the control follows.
void XPCommand::SetGFont(StdFontRef font) {
    QObject::disconnect(fontWatch_);
    g_Font = std::move(font);
    if (g_Font)
        fontWatch_ = connect(g_Font.get(), &platform::controlhost::StdFont::FontChanged, this,
                             &XPCommand::g_Font_FontChanged);
}

// Each fetch of the ambient font gives a font object of its own, so that the
// control never changes the holder's font.
StdFontRef XPCommand::AmbientFont() const {
    const StdFontRef& ambient = Ambient().Font;
    return ambient ? platform::controlhost::CloneFont(*ambient)
                   : platform::controlhost::NewDefaultFont();
}

}  // namespace controls
