#include "message_dialog.h"

#include "process.h"

#include <cstdint>
#include <vector>

namespace lingo {
namespace {

struct Buttons {
    const char* accept; // the dialog's OK button
    const char* extra;  // a third button, or null
    const char* reject; // the button that closing the dialog means too, or null for a box with one button
    int32_t acceptId;
    int32_t extraId;
    int32_t rejectId;
};

const Buttons kButtons[] = {
    {"OK", nullptr, nullptr, 1, 0, 1},
    {"OK", nullptr, "Cancel", 1, 0, 2},
    {"Abort", "Retry", "Ignore", 3, 4, 5},
    {"Yes", "No", "Cancel", 6, 7, 2},
    {"Yes", nullptr, "No", 6, 0, 7},
    {"Retry", nullptr, "Cancel", 4, 0, 2},
    {"Continue", "Try Again", "Cancel", 11, 10, 2},
};

const char* iconName(int32_t type) {
    switch (type & 0xF0) {
    case 0x10: return "dialog-error";
    case 0x20: return "dialog-question";
    case 0x30: return "dialog-warning";
    case 0x40: return "dialog-information";
    default: return nullptr;
    }
}

} // namespace

int32_t showMessageDialog(void* parent, const std::string& text, const std::string& title, int32_t type) {
    const int32_t layout = type & 0x0F;
    const Buttons& buttons = kButtons[layout < 7 ? layout : 0];
    std::vector<std::string> arguments = {"zenity",         buttons.reject ? "--question" : "--info",
                                          "--no-markup",    "--title=" + title,
                                          "--text=" + text, std::string("--ok-label=") + buttons.accept};
    if (buttons.reject) arguments.push_back(std::string("--cancel-label=") + buttons.reject);
    if (buttons.extra) arguments.push_back(std::string("--extra-button=") + buttons.extra);
    if (const char* icon = iconName(type)) arguments.push_back(std::string("--icon-name=") + icon);
    // A host's window handle here is its X11 window, which the dialog stays on top of.
    if (parent) arguments.push_back("--attach=" + std::to_string(reinterpret_cast<uintptr_t>(parent)));
    const ProgramRun run = runProgram(arguments);
    if (run.startError != 0) return 0;
    if (run.exitStatus == 0) return buttons.acceptId;
    if (run.exitStatus != 1) return 0;
    const std::string pressed = run.output.substr(0, run.output.find('\n'));
    return buttons.extra && pressed == buttons.extra ? buttons.extraId : buttons.rejectId;
}

} // namespace lingo
