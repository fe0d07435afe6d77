#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>

#include "controls/interaction/button_control.h"
#include "platform/controlhost/picture_box.h"
#include "platform/raster/picture.h"

namespace controls {

// A push button whose face is one frame of a picture strip: normal, hover,
// pressed and disabled frames side by side (six with Check: the fifth and
// sixth are the hover and pressed looks of a selected button). The control
// is one frame wide and one strip high, and works in twips.
class Command : public interaction::ButtonControl {
    Q_OBJECT
public:
    explicit Command(QWidget* parent = nullptr);

    platform::raster::PicturePtr Picture() const;
    void SetPicture(platform::raster::PicturePtr New_Picture);
    platform::raster::OLE_COLOR ForeColor() const;
    void SetForeColor(platform::raster::OLE_COLOR New_ForeColor);
    bool Enabled() const;
    void SetEnabled(bool New_Enabled);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& New_Caption);
    bool Status() const { return status_; }
    void SetStatus(bool NewStatus);
    bool Check() const { return check_; }
    void SetCheck(bool NewCheck);
    void UserControl_Resize() override;
    void Refresh() override;
    // Paints the frame of paint index vv (the 4th frame when disabled) and
    // the caption; run-time error 13 for an index that is not a number.
    void PrintB(QVariant& vv);
    // Prints the text centred on the face in the foreground colour.
    void SetText(QVariant& Caption, QVariant& s);

    void UserControl_ReadProperties(platform::controlhost::PropertyBag& PropBag) override;
    void UserControl_WriteProperties(platform::controlhost::PropertyBag& PropBag) override;

private:
    void ShowState();
    void PaintFrame(std::int32_t index);
    int FrameCount() const { return check_ ? 6 : 4; }
    float FrameWidth() const;

    platform::controlhost::PictureBox* Picture1;
    QString caption_;
    bool status_ = false;
    bool check_ = false;
};

}  // namespace controls
