// The lesson panel's grids as the user works in them: the button rules that follow the focus and the
// selected row, and the editing of minutes in the lesson grid.
#include "plan_x.h"

#include "planner/core/planner.h"
#include "planner/data/lesson_resources.h"
#include "planner/data/resource_lookups.h"
#include "runtime/error.h"
#include "runtime/text.h"
#include "shared/course_settings.h"

#include <QLabel>
#include <QPushButton>

namespace {

// A resource's details read into a fresh record: an unknown id (a teacher's own resource) finds
// nothing, and nothing of an earlier look-up remains.
ResourceRecord resourceDetails(qint32 resourceID) {
    ResourceRecord res;
    GetResourceDetails(resourceID, res);
    return res;
}

bool hasText(const QString& s) {
    return !rt::trimSpaces(s).isEmpty();
}

// The minutes a field of 16 bits holds.
constexpr double kMostMinutes = 32767;

} // namespace

void PlanX::EvalRResourceButtons(qint32& resourceID) {
    const ResourceRecord res = resourceDetails(resourceID);
    cmdView[0]->setEnabled(hasText(res.PDFFile));
    cmdDescription->setEnabled(hasText(res.Descript));
}

void PlanX::evalMoveButtons() {
    const bool rows = LessonGridClone.recordCount() != 0;
    const int bookmark = datResources.bookmark();
    cmdUp->setEnabled(rows && bookmark != LessonFirstBookmark);
    cmdDown->setEnabled(rows && bookmark != LessonLastBookmark);
}

void PlanX::dbgResources_GotFocus() {
    dbgAdditional->setMarqueeStyle(rt::MarqueeStyle::NoMarquee);
    dbgResources->setMarqueeStyle(rt::MarqueeStyle::HighlightRow);
    const bool atRow = !datResources.bof() && !datResources.eof();
    cmdLeft->setEnabled(false);
    cmdRight->setEnabled(atRow);
    evalMoveButtons();
    cmdView[0]->setEnabled(false);
    cmdView[1]->setEnabled(atRow &&
                           hasText(resourceDetails(datResources.field("ResourceID").toInt32()).PDFFile));
    cmdDescription->setEnabled(false);
    mnuEditPasteText->setEnabled(false);
}

void PlanX::dbgResources_RowColChange() {
    if (datResources.bof() || datResources.eof()) return;
    try {
        evalMoveButtons();
        cmdView[0]->setEnabled(false);
        const ResourceRecord res = resourceDetails(datResources.field("ResourceID").toInt32());
        cmdView[1]->setEnabled(hasText(res.PDFFile));
        cmdDescription->setEnabled(hasText(res.Descript));
    } catch (const rt::RuntimeError&) {
        // The buttons keep the states set so far.
    }
}

void PlanX::dbgAdditional_GotFocus() {
    try {
        dbgResources->setMarqueeStyle(rt::MarqueeStyle::NoMarquee);
        dbgAdditional->setMarqueeStyle(rt::MarqueeStyle::HighlightRow);
        cmdLeft->setEnabled(!datAdditional.bof() && !datAdditional.eof());
        for (QPushButton* b : {cmdRight, cmdUp, cmdDown, cmdView[0], cmdView[1], cmdDescription})
            b->setEnabled(false);
        mnuEditPasteText->setEnabled(false);
    } catch (const rt::RuntimeError&) {
    }
}

void PlanX::dbgAdditional_RowColChange() {
    if (datAdditional.bof() || datAdditional.eof()) return;
    try {
        qint32 id = datAdditional.field("ResourceID").toInt32();
        EvalRResourceButtons(id);
    } catch (const rt::RuntimeError&) {
    }
}

void PlanX::grid_LostFocus(rt::BoundGrid* grid) {
    LastResourceControl = grid;
    mnuEditPasteText->setEnabled(true);
}

// Only 0 to 9, Backspace and Escape reach the minutes; a minus sign, or a digit of another script,
// cannot be typed.
void PlanX::dbgResources_KeyPress(rt::Args& keyAscii) {
    const qint16 key = QChar(keyAscii[0].toInt16()).toUpper().unicode();
    keyAscii[0] = rt::Value::integer(key == 8 || key == 27 || (key >= '0' && key <= '9') ? key : qint16(0));
}

void PlanX::dbgResources_BeforeColEdit(int column, qint16 keyAscii, bool& cancel) {
    const bool minutes = dbgResources->columns().value(column).field == QStringLiteral("Duration");
    if (minutes && (keyAscii == 8 || keyAscii == 13 || (keyAscii >= '0' && keyAscii <= '9'))) {
        dbgResources->setMarqueeStyle(rt::MarqueeStyle::FloatingEditor);
        cancel = false;
    } else {
        cancel = true;
    }
}

// An emptied cell or one of 0 becomes 0; more minutes than the field holds are refused and the old
// value kept.
void PlanX::dbgResources_AfterColEdit(int column) {
    if (column != 2) return;
    const double minutes = rt::Val(dbgResources->currentCellText());
    if (minutes <= 0) {
        dbgResources->setCurrentCellText(QStringLiteral("0"));
    } else if (minutes > kMostMinutes) {
        const rt::Value old = datResources.field("Duration");
        dbgResources->setCurrentCellText(old.isNull() ? QString() : old.toString());
        planner_.platform.msg.show({QStringLiteral("Enter the minutes as a number from 0 to 32767."),
                                    CourseSettings.AppTitle, rt::MbButtons::Ok, rt::MbIcon::Exclamation});
    }
}

void PlanX::dbgResources_AfterUpdate() {
    dbgResources->setMarqueeStyle(rt::MarqueeStyle::HighlightRow);
    showLessonTime();
}
