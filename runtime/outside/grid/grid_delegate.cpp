#include "grid_delegate.h"

#include "bound_grid.h"
#include "grid_model.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace rt {

GridDelegate::GridDelegate(BoundGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    // What reaches the cell is typed, through KeyPress: no pasting from a menu.
    editor->setContextMenuPolicy(Qt::NoContextMenu);
    return editor;
}

void GridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(GridModel::HeaderRowRole).toBool()) option->font.setBold(true);
    // Without a marquee not even the current cell's focus frame shows.
    if (grid_.marqueeStyle() == MarqueeStyle::NoMarquee) option->state &= ~QStyle::State_HasFocus;
}

bool GridDelegate::eventFilter(QObject* editor, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        grid_.typedIntoEditor(static_cast<QWidget*>(editor), static_cast<QKeyEvent*>(event)))
        return true;
    return QStyledItemDelegate::eventFilter(editor, event);
}

} // namespace rt
