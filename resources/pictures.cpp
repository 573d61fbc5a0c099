#include "pictures.h"

#include "runtime/error.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace rt {

namespace {

// Pictures are drawings; a bitmap is one drawn at its own size.
QPixmap render(const QString& path, QSize size = {}) {
    QSvgRenderer svg(path);
    QPixmap pixmap(size.isEmpty() ? svg.defaultSize() : size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    svg.render(&painter);
    return pixmap;
}

QString pathOf(const QString& name) {
    return QStringLiteral(":/larkspan/pictures/%1.svg").arg(name);
}

RuntimeError missing(int number) {
    return RuntimeError(326, QStringLiteral("Resource with identifier '%1' not found").arg(number));
}

} // namespace

QPixmap Pictures::bitmap(int number) {
    const QString path = pathOf(QStringLiteral("bitmap%1").arg(number));
    if (!QFile::exists(path)) throw missing(number);
    return render(path);
}

QIcon Pictures::icon(int number) {
    const QString path = pathOf(QStringLiteral("icon%1").arg(number));
    if (!QFile::exists(path)) throw missing(number);
    QIcon icon;
    for (int side : {16, 24, 32, 48}) icon.addPixmap(render(path, QSize(side, side)));
    return icon;
}

QPixmap Pictures::imageListPicture(const QString& key) {
    const QString path = pathOf(key);
    if (key != QLatin1String("DragCopy") && key != QLatin1String("DragMove"))
        throw RuntimeError(35601, QStringLiteral("Element not found"));
    return render(path);
}

} // namespace rt
