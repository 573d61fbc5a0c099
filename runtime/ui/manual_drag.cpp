#include "manual_drag.h"

#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace rt {

namespace {

const QString mimeType = QStringLiteral("application/x-larkspan-manual-drag");

class DropFilter : public QObject {
public:
    DropFilter(QWidget* target, std::function<void(const QString&, QPoint)> onDrop)
        : QObject(target), onDrop_(std::move(onDrop)) {}

    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* e = static_cast<QDragMoveEvent*>(event);
            if (!e->mimeData()->hasFormat(mimeType)) return false;
            e->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* e = static_cast<QDropEvent*>(event);
            const QString name = ManualDrag::sourceName(e->mimeData());
            if (name.isEmpty()) return false;
            e->acceptProposedAction();
            onDrop_(name, e->position().toPoint());
            return true;
        }
        default: return false;
        }
    }

private:
    std::function<void(const QString&, QPoint)> onDrop_;
};

} // namespace

void ManualDrag::begin(QWidget* source, const QPixmap& icon) {
    auto* drag = new QDrag(source);
    drag->setMimeData(dataOf(source));
    if (!icon.isNull()) {
        drag->setPixmap(icon);
        drag->setHotSpot(QPoint(icon.width() / 2, icon.height() / 2));
    }
    drag->exec(Qt::MoveAction);
}

QMimeData* ManualDrag::dataOf(const QWidget* source) {
    auto* data = new QMimeData;
    data->setData(mimeType, source->objectName().toUtf8());
    return data;
}

QString ManualDrag::sourceName(const QMimeData* data) {
    return data && data->hasFormat(mimeType) ? QString::fromUtf8(data->data(mimeType)) : QString();
}

void ManualDrag::makeTarget(QWidget* target, std::function<void(const QString&, QPoint)> onDrop) {
    target->setAcceptDrops(true);
    target->installEventFilter(new DropFilter(target, std::move(onDrop)));
}

void DragExtender::drag(qint16 action) {
    if (action == 1) ManualDrag::begin(self_, icon_);
}

} // namespace rt
