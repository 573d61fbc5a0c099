#pragma once

#include "../message_box.h"

#include <QList>
#include <deque>

namespace rt {

// Keeps every box in order and answers from a script; an empty script answers the first button.
class RecordingMessageBox : public MessageBox {
public:
    MbAnswer show(const MbRequest& request) override {
        shown.append(request);
        if (!answers.empty()) {
            const MbAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        switch (request.buttons) {
        case MbButtons::AbortRetryIgnore: return MbAnswer::Abort;
        case MbButtons::YesNoCancel:
        case MbButtons::YesNo: return MbAnswer::Yes;
        case MbButtons::RetryCancel: return MbAnswer::Retry;
        default: return MbAnswer::Ok;
        }
    }
    void beep() override { ++beeps; }

    QList<MbRequest> shown;
    std::deque<MbAnswer> answers;
    int beeps = 0;
};

} // namespace rt
