#include "msgbox_recorder_fixture.h"

MsgBoxRecorder::MsgBoxRecorder() : boxes_(std::make_shared<std::vector<Box>>()) {
    previous_ = platform::forms::SetMsgBoxHandler(
        [boxes = boxes_](const QString& prompt, int style, const QString& title) {
            boxes->push_back({prompt, style, title});
            return int(platform::forms::vbOK);
        });
}

MsgBoxRecorder::~MsgBoxRecorder() {
    platform::forms::SetMsgBoxHandler(previous_);
}
