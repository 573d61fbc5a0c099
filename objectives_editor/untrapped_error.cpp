#include "untrapped_error.h"

#include "editor_state.h"
#include "runtime/message_box.h"

void ReportUntrappedError(Editor& editor, const rt::RuntimeError& error) {
    editor.msg.show(
        {QStringLiteral("Run-time error '%1':\r\n\r\n%2").arg(error.number).arg(error.description),
         std::nullopt, rt::MbButtons::Ok, rt::MbIcon::Critical});
}
