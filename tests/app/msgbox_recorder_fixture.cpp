#include "msgbox_recorder_fixture.h"

MsgBoxRecorder::MsgBoxRecorder() : boxes_(std::make_shared<std::vector<Box>>()) {
    previous_ = platform::SetMsgBoxHandler(
        [boxes = boxes_](const QString& prompt, int style, const QString& title) {
            boxes->push_back({prompt, style, title});
            return int(platform::vbOK);
        });
}

MsgBoxRecorder::~MsgBoxRecorder() {
    platform::SetMsgBoxHandler(previous_);
}
