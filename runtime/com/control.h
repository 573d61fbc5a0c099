#pragma once

#include "dispatch.h"
#include "property_bag.h"

#include <QColor>
#include <QFont>
#include <QWidget>

namespace rt {

// A control of the system's own: a widget that hosts call by dispatch id, that raises events with
// arguments by reference and keeps its persisted properties in the host's property bag.
class Control : public QWidget, public Dispatch {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // A new control placed on a form, an existing one loaded from the bag, one being saved.
    virtual void initProperties() = 0;
    virtual void readProperties(PropertyBag& bag) = 0;
    virtual void writeProperties(PropertyBag& bag) = 0;

    // The container's ambient properties.
    QFont ambientFont() const;
    QColor ambientBackColor() const;

protected:
    // Raises event `eventId`; the host's handlers may write into `args`, which the control then reads.
    void raiseEvent(int eventId, Args& args) { emit raised(eventId, args); }
    void raiseEvent(int eventId) {
        Args none;
        emit raised(eventId, none);
    }

signals:
    // Connect directly only: the control reads `args` back after the emit.
    void raised(int eventId, rt::Args& args);
    void propertyChanged(const QString& name);
};

} // namespace rt
