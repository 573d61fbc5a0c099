#pragma once

#include <QString>
#include <optional>

namespace rt {

enum class MbButtons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MbAnswer { Ok = 1, Cancel, Abort, Retry, Ignore, Yes, No };
enum class MbIcon { None = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };

struct MbRequest {
    QString text;
    std::optional<QString> title; // none: the application's name
    MbButtons buttons = MbButtons::Ok;
    MbIcon icon = MbIcon::None;
    int defaultButton = 0;

    bool operator==(const MbRequest&) const = default;
};

// Message boxes and the beep. Texts are shown as given; CR LF is a line break.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual MbAnswer show(const MbRequest& request) = 0;
    virtual void beep() = 0;
};

// A request from the programs' numeric box type: buttons in the low bits, the icon in 16..64, the
// default button in 256 and 512.
MbRequest fromType(const QString& text, std::optional<QString> title, int type);

} // namespace rt
