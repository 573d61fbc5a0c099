#pragma once

#include <QPixmap>
#include <QPoint>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

namespace rt {

// The window system's manual drag: a control drags itself with its drag icon, and the target it is
// dropped on learns the source by its object name.
class ManualDrag {
public:
    // Runs until the mouse button is released (or Escape is pressed).
    static void begin(QWidget* source, const QPixmap& icon);
    // The data a manual drag of `source` carries, and the source name back from it (empty when the
    // data is no manual drag).
    static QMimeData* dataOf(const QWidget* source);
    static QString sourceName(const QMimeData* data);
    // Makes `target` accept manual drags; `onDrop` gets the source's name and the drop point.
    static void makeTarget(QWidget* target,
                           std::function<void(const QString& sourceName, QPoint pos)> onDrop);
};

// Drag and DragIcon, the members a window gives every control it holds.
class DragExtender {
public:
    explicit DragExtender(QWidget* self) : self_(self) {}

    const QPixmap& dragIcon() const { return icon_; }
    void setDragIcon(const QPixmap& icon) { icon_ = icon; }
    // 1 begins the drag. 0 (cancel) and 2 (end) have nothing left to do: the drag ends on release.
    void drag(qint16 action);

private:
    QWidget* self_;
    QPixmap icon_;
};

} // namespace rt
