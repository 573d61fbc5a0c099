#pragma once

#include <QStyledItemDelegate>

namespace rt {

class BoundGrid;

// Draws a bound grid's heading rows in bold, and no focus frame without a marquee; hands the characters typed
// into its cell editor to the grid's KeyPress.
class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(BoundGrid& grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    bool eventFilter(QObject* editor, QEvent* event) override;

private:
    BoundGrid& grid_;
};

} // namespace rt
