#pragma once

#include "data_control.h"
#include "grid_column.h"
#include "runtime/com/dispatch.h"
#include "runtime/error.h"
#include "runtime/ui/manual_drag.h"

#include <QPersistentModelIndex>
#include <QTableView>
#include <optional>

namespace rt {

class GridModel;

// How the current row shows (MarqueeStyle): the whole row, nothing, or only the cell being edited.
enum class MarqueeStyle { HighlightRow = 3, NoMarquee = 5, FloatingEditor = 6 };

// The bound grid: the rows of its data control, one grid column for each field shown, the current row
// kept with the data control's. Editable columns open an editor on a typed key the handlers let
// through, and a finished edit is written through the data control at once; every other edit is
// refused. Column indexes in the events are those of `setColumns`, hidden columns included. The grid
// drags itself through the manual drag, and any manual drag may be dropped on it.
class BoundGrid : public QTableView, public DragExtender {
    Q_OBJECT
public:
    explicit BoundGrid(QWidget* parent = nullptr);
    ~BoundGrid() override;

    // DataSource.
    void setDataSource(DataControl& data);

    // Columns by data field; error 3265 names a field the bound rows lack.
    void setColumns(const QList<GridColumn>& columns);
    const QList<GridColumn>& columns() const;
    // Rows whose field reads True are headings: their first visible column in bold, the others empty.
    void setHeaderRowField(const QString& field);

    // RowHeight in twips; 0 sets the automatic height, which then reads back.
    int rowHeightTwips() const;
    void setRowHeightTwips(int twips);

    MarqueeStyle marqueeStyle() const { return marquee_; }
    void setMarqueeStyle(MarqueeStyle style);

    // Text: the current cell as shown; while an edit ends (AfterColEdit) the text typed, which a
    // handler may change before it is written. Set outside an edit, an editable cell is written.
    QString currentCellText() const;
    void setCurrentCellText(const QString& text);

signals:
    void rowColChange(); // the current cell moved, by the user or by the data control; not at a load
    void gotFocus();     // the grid or its cell editor took the focus from elsewhere
    void lostFocus();
    void dblClick();
    // Each typed character's ANSI code by reference (Ctrl+letter as 1 to 26): 0 drops it, another
    // code types that instead. Tab is none; nor are Enter and Escape in the cell editor, which they
    // close.
    void keyPress(rt::Args& keyAscii);
    // An edit of an editable column is about to begin with this key; Cancel keeps the cell closed.
    void beforeColEdit(int column, qint16 keyAscii, bool& cancel);
    void afterColEdit(int column);
    void afterUpdate(); // the edited value is in the file
    // An edit refused by the file or by the field's type; the old value stays.
    void error(const rt::RuntimeError& error);
    void dragCell(int bookmark); // the mouse dragged a row
    void dragDrop(const QString& sourceName);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void commitData(QWidget* editor) override;

private:
    friend class GridDelegate;
    bool typedIntoEditor(QWidget* editor, QKeyEvent* event);
    std::optional<qint16> keyPressed(const QKeyEvent& event);
    void write(const QModelIndex& index, const QString& text);
    void followData();
    void applyLayout();
    void applyMarquee();
    int automaticRowHeight() const;

    GridModel* model_;
    DataControl* data_ = nullptr;
    MarqueeStyle marquee_ = MarqueeStyle::HighlightRow;
    bool loading_ = false;   // a load moves the current cell without RowColChange
    bool following_ = false; // the current cell follows the data control
    bool forwarding_ = false;
    std::optional<QString> editText_;
    QPersistentModelIndex editIndex_;
    QPoint pressPos_;
    int pressRow_ = -1;
    bool dragging_ = false;
};

} // namespace rt
