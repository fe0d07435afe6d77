#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "platform/forms/message_box.h"

// Takes every message box instead of the screen while it lives.
class MsgBoxRecorder {
public:
    struct Box {
        QString prompt;
        int style;
        QString title;
    };

    MsgBoxRecorder();
    ~MsgBoxRecorder();
    MsgBoxRecorder(const MsgBoxRecorder&) = delete;
    MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;

    const std::vector<Box>& boxes() const { return *boxes_; }

private:
    std::shared_ptr<std::vector<Box>> boxes_;
    platform::forms::MsgBoxHandler previous_;
};
