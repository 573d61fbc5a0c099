#include "window_helpers.h"

#include "runtime/com/twips.h"
#include "runtime/error.h"
#include "runtime/outside/calendar/calendar_ids.h"
#include "runtime/outside/tree/tree_ids.h"
#include "runtime/value/date.h"

#include <QWidget>

rt::Dispatch& objectOf(const rt::Value& value) {
    rt::Dispatch* object = value.toObject();
    if (!object) throw rt::RuntimeError(91);
    return *object;
}

namespace {

// "mm/dd/yy"
QString dayKey(const rt::Value& dateValue) {
    const QDate d = rt::dateFromDays(dateValue.toDate());
    return QStringLiteral("%1/%2/%3")
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(d.year() % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

void DisableCalendarWeekends(rt::Dispatch& cal) {
    for (qint16 weekday : {1, 7})
        rt::let(objectOf(rt::call(cal, rt::ssMonthId::DayOfWeek, {rt::Value::integer(weekday)})),
                rt::ssDayOfWeekId::Enabled, rt::Value::boolean(false));
}

// The calendar gives its cells in pixels of its window, the form; the box lies on the form or on a
// container inside it.
qint16 PositionMonthDayBox(rt::MessageBox& msg, QWidget* form, QWidget* box, qint16 allowance,
                           const rt::Value& dateValue, rt::Dispatch& cal) {
    if (allowance == -1) allowance = 23;
    QString key;
    try {
        key = dayKey(dateValue);
    } catch (const rt::RuntimeError&) {
        msg.show({QStringLiteral("An error has occured"), QStringLiteral("Error"), rt::MbButtons::Ok,
                  rt::MbIcon::Critical});
        return -1;
    }
    try {
        const auto cell = [&](rt::DispId id) { return rt::get(cal, id, {rt::Value(key)}).toInt32(); };
        const int width = cell(rt::ssMonthId::DayWidth);
        const int height = rt::twips::toPx(rt::twips::fromPx(cell(rt::ssMonthId::DayHeight)) - 20);
        QPoint corner(cell(rt::ssMonthId::DayLeft), cell(rt::ssMonthId::DayTop) - allowance);
        QWidget* container = box->parentWidget();
        if (container && container != form && form->isAncestorOf(container))
            corner = container->mapFrom(form, corner);
        box->setGeometry(corner.x(), corner.y(), width, height);
    } catch (const rt::RuntimeError&) {
        // A failing member of the calendar leaves the box where it was.
    }
    return 0;
}

bool IsTreeLeafSelected(rt::Dispatch& tree) {
    rt::Dispatch& root = objectOf(rt::get(tree, rt::pvTreeId::Root));
    rt::Dispatch& node = objectOf(rt::get(root, rt::pvNodeId::Selected));
    rt::Dispatch& info = objectOf(rt::call(node, rt::pvNodeId::ChildInfo, {rt::Value::longInt(0)}));
    return !rt::get(info, rt::pvNodeId::HasChildren).toBool();
}

qint32 SelectedTreeData(rt::Dispatch& tree) {
    rt::Dispatch& root = objectOf(rt::get(tree, rt::pvTreeId::Root));
    return rt::get(objectOf(rt::get(root, rt::pvNodeId::Selected)), rt::pvNodeId::Data).toInt32();
}
