#include "course_colour.h"

#include "runtime/com/olecolor.h"
#include "runtime/error.h"
#include "shared/course_settings.h"

#include <QWidget>

void SetColor(QWidget* form, std::initializer_list<QWidget*> labels) {
    if (CourseSettings.ColorText3.isEmpty()) return;
    qint32 colour = 0;
    try {
        colour = ParseColour(CourseSettings.ColorText3);
    } catch (const rt::RuntimeError&) {
        return;
    }
    const QColor back = rt::olecolor::toQColor(quint32(colour), form->palette());
    const auto paint = [&](QWidget* w) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, back);
        w->setPalette(p);
        w->setAutoFillBackground(true);
    };
    paint(form);
    for (QWidget* w : labels) paint(w);
}
