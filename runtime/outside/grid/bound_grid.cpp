#include "bound_grid.h"

#include "grid_delegate.h"
#include "grid_model.h"
#include "runtime/com/twips.h"
#include "runtime/text_file.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <cmath>

namespace rt {

namespace {

// The code a key types: Ctrl+letter as its control code, any other character in the ANSI code page
// (63 for one it lacks). None for Tab, which moves the focus, and for keys that type nothing.
std::optional<qint16> typedCode(const QKeyEvent& e) {
    if (e.key() == Qt::Key_Tab || e.key() == Qt::Key_Backtab) return std::nullopt;
    const auto held = e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (held == Qt::ControlModifier && e.key() >= Qt::Key_A && e.key() <= Qt::Key_Z)
        return qint16(e.key() - Qt::Key_A + 1);
    if (e.text().size() != 1) return std::nullopt;
    const int code = ansiCode(e.text()[0]);
    return qint16(code >= 0 ? code : 63);
}

QString charOf(qint16 code) {
    return code > 0 && code < 256 ? QString(ansiChar(uchar(code))) : QString(QChar(char16_t(code)));
}

// The typed text as a value of the stored value's type: empty is Null; a number field takes a number
// (13 for a text that is none, 6 beyond the field's range).
Value typedValue(const QString& text, const Value& stored) {
    if (text.isEmpty()) return Value::null();
    switch (stored.type()) {
    case VarType::Integer: return Value::integer(roundToInt16(parseNumber(text)));
    case VarType::Long: return Value::longInt(roundToInt32(parseNumber(text)));
    case VarType::Double: return Value::real(parseNumber(text));
    default: return Value(text);
    }
}

bool holds(const BoundGrid* grid, const QWidget* w) {
    return w && (w == grid || grid->isAncestorOf(w));
}

// One listener for the focus of every grid: the grid that loses the focus hears it before the grid that
// takes it, as the window system orders the two events. (Each grid listening for itself would hear them
// in the order the grids were made.)
class FocusRelay : public QObject {
public:
    static QPointer<FocusRelay>& instance() {
        static QPointer<FocusRelay> relay;
        return relay;
    }
    static void add(BoundGrid* grid) {
        if (!instance()) instance() = new FocusRelay;
        instance()->grids_ << grid;
    }
    static void remove(BoundGrid* grid) {
        if (instance()) instance()->grids_.removeOne(grid);
    }

private:
    FocusRelay() : QObject(qApp) {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
            // A handler may make or destroy grids: only those still there hear the events.
            const QList<BoundGrid*> grids = grids_;
            for (BoundGrid* grid : grids)
                if (grids_.contains(grid) && holds(grid, old) && !holds(grid, now)) emit grid->lostFocus();
            for (BoundGrid* grid : grids)
                if (grids_.contains(grid) && !holds(grid, old) && holds(grid, now)) emit grid->gotFocus();
        });
    }

    QList<BoundGrid*> grids_;
};

} // namespace

BoundGrid::BoundGrid(QWidget* parent) : QTableView(parent), DragExtender(this), model_(new GridModel(this)) {
    setModel(model_);
    setItemDelegate(new GridDelegate(*this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // Widths and heights are the windows' own, however small.
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(automaticRowHeight());
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    // Edits begin only on a typed key that KeyPress and BeforeColEdit let through.
    setEditTriggers(AnyKeyPressed);
    setTabKeyNavigation(false);

    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { loading_ = true; });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        applyLayout();
        followData();
        loading_ = false;
    });
    FocusRelay::add(this);
    ManualDrag::makeTarget(viewport(), [this](const QString& source, QPoint) { emit dragDrop(source); });
}

BoundGrid::~BoundGrid() {
    // The focus signals must not reach a grid half destroyed.
    FocusRelay::remove(this);
}

void BoundGrid::setDataSource(DataControl& data) {
    if (data_) disconnect(data_, nullptr, this, nullptr);
    data_ = &data;
    connect(data_, &DataControl::currentMoved, this, &BoundGrid::followData);
    model_->setDataSource(data_);
}

void BoundGrid::setColumns(const QList<GridColumn>& columns) {
    model_->setColumns(columns);
    model_->checkFields();
}

const QList<GridColumn>& BoundGrid::columns() const {
    return model_->columns();
}

void BoundGrid::setHeaderRowField(const QString& field) {
    model_->setHeaderRowField(field);
}

void BoundGrid::applyLayout() {
    const QList<GridColumn>& cs = columns();
    for (int c = 0; c < cs.size(); ++c) {
        setColumnHidden(c, !cs[c].visible);
        if (cs[c].widthTwips > 0) setColumnWidth(c, twips::toPx(cs[c].widthTwips));
    }
}

// The current cell to the data control's current row, in the same column (the first shown one at
// first).
void BoundGrid::followData() {
    const int row = data_ ? model_->rowOf(data_->bookmark()) : -1;
    const QModelIndex current = currentIndex();
    if (row == current.row() && (row < 0 || !isColumnHidden(current.column()))) return;
    int column = current.isValid() && !isColumnHidden(current.column()) ? current.column() : -1;
    for (int c = 0; column < 0 && c < model_->columnCount(); ++c)
        if (!isColumnHidden(c)) column = c;
    following_ = true;
    selectionModel()->setCurrentIndex(row >= 0 && column >= 0 ? model_->index(row, column) : QModelIndex(),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    following_ = false;
}

int BoundGrid::automaticRowHeight() const {
    return fontMetrics().height() + 4;
}

int BoundGrid::rowHeightTwips() const {
    return int(std::lround(twips::fromPx(verticalHeader()->defaultSectionSize())));
}

void BoundGrid::setRowHeightTwips(int twips) {
    verticalHeader()->setDefaultSectionSize(twips > 0 ? twips::toPx(twips) : automaticRowHeight());
}

void BoundGrid::setMarqueeStyle(MarqueeStyle style) {
    marquee_ = style;
    applyMarquee();
}

// The marquee is the selection: the current row, the current cell, or nothing.
void BoundGrid::applyMarquee() {
    const QModelIndex current = currentIndex();
    if (marquee_ == MarqueeStyle::NoMarquee || !current.isValid()) {
        selectionModel()->clearSelection();
        return;
    }
    QItemSelectionModel::SelectionFlags command = QItemSelectionModel::ClearAndSelect;
    if (marquee_ == MarqueeStyle::HighlightRow) command |= QItemSelectionModel::Rows;
    selectionModel()->select(current, command);
}

QString BoundGrid::currentCellText() const {
    if (editText_) return *editText_;
    return currentIndex().data(Qt::DisplayRole).toString();
}

void BoundGrid::setCurrentCellText(const QString& text) {
    if (editText_) {
        editText_ = text;
        return;
    }
    const QModelIndex index = currentIndex();
    if (index.isValid() && columns()[index.column()].editable) write(index, text);
}

std::optional<qint16> BoundGrid::keyPressed(const QKeyEvent& event) {
    const std::optional<qint16> code = typedCode(event);
    if (!code) return std::nullopt;
    Args keyAscii{Value::integer(*code)};
    emit keyPress(keyAscii);
    try {
        if (!keyAscii.isEmpty()) return keyAscii[0].toInt16();
    } catch (const RuntimeError&) {
        // A code that is no number leaves the character as typed.
    }
    return code;
}

void BoundGrid::keyPressEvent(QKeyEvent* event) {
    const std::optional<qint16> key = keyPressed(*event);
    if (!key) {
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
    const QModelIndex index = currentIndex();
    if (*key == 0 || !index.isValid() || !columns()[index.column()].editable) return;
    bool cancel = false;
    emit beforeColEdit(index.column(), *key, cancel);
    if (cancel) return;
    // The key opens the editor and is typed into it, replacing the cell's text.
    const bool asTyped = *key == typedCode(*event);
    QKeyEvent typed(QEvent::KeyPress, asTyped ? event->key() : int(Qt::Key_unknown),
                    asTyped ? event->modifiers() : Qt::NoModifier, asTyped ? event->text() : charOf(*key));
    editIndex_ = index;
    forwarding_ = true;
    edit(index, AnyKeyPressed, &typed);
    forwarding_ = false;
}

// A key typed into the open editor: true when KeyPress dropped or replaced it.
bool BoundGrid::typedIntoEditor(QWidget* editor, QKeyEvent* event) {
    if (forwarding_) return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: return false;
    default: break;
    }
    const std::optional<qint16> code = typedCode(*event);
    const std::optional<qint16> key = keyPressed(*event);
    if (!key || *key == *code) return false;
    if (*key != 0) {
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, charOf(*key));
        forwarding_ = true;
        QCoreApplication::sendEvent(editor, &typed);
        forwarding_ = false;
    }
    return true;
}

void BoundGrid::commitData(QWidget* editor) {
    const auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line || !editIndex_.isValid()) return;
    const QPersistentModelIndex index = editIndex_;
    editText_ = line->text();
    emit afterColEdit(index.column());
    const QString text = *editText_;
    editText_.reset();
    // A handler that loaded other rows has ended the edit.
    if (index.isValid()) write(index, text);
}

void BoundGrid::write(const QModelIndex& index, const QString& text) {
    try {
        const Value value = typedValue(text, model_->value(index.row(), index.column()));
        data_->writeField(model_->bookmarkOf(index.row()), columns()[index.column()].field, value);
    } catch (const RuntimeError& e) {
        emit error(e);
        return;
    }
    emit afterUpdate();
}

void BoundGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    applyMarquee();
    if (loading_) return;
    if (!following_ && data_ && current.isValid() && current.row() != previous.row())
        data_->setBookmark(model_->bookmarkOf(current.row()));
    emit rowColChange();
}

void BoundGrid::mousePressEvent(QMouseEvent* event) {
    dragging_ = false;
    pressPos_ = event->position().toPoint();
    pressRow_ = event->button() == Qt::LeftButton ? indexAt(pressPos_).row() : -1;
    QTableView::mousePressEvent(event);
}

void BoundGrid::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) return;
    if (pressRow_ >= 0 && (event->buttons() & Qt::LeftButton) && state() != EditingState &&
        (event->position().toPoint() - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
        dragging_ = true;
        const int bookmark = model_->bookmarkOf(pressRow_);
        pressRow_ = -1;
        emit dragCell(bookmark);
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void BoundGrid::mouseReleaseEvent(QMouseEvent* event) {
    pressRow_ = -1;
    dragging_ = false;
    QTableView::mouseReleaseEvent(event);
}

void BoundGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    emit dblClick();
}

} // namespace rt
