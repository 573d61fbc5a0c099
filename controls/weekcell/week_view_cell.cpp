#include "week_view_cell.h"

#include "WeekViewCellIds.h"
#include "runtime/com/event_args.h"
#include "runtime/com/olecolor.h"
#include "runtime/com/twips.h"
#include "runtime/error.h"

#include <QLabel>
#include <QPainter>
#include <algorithm>

using namespace WeekViewCellId;
using rt::CallKind;
using rt::Value;
using rt::VarType;

namespace {

constexpr int getLet = int(CallKind::Get) | int(CallKind::Let);
constexpr int getSet = int(CallKind::Get) | int(CallKind::Set);

constexpr rt::Member table[] = {
    {Enabled, "Enabled", getLet, VarType::Boolean},
    {CellDate, "CellDate", getLet, VarType::Date},
    {BackColor, "BackColor", getLet, VarType::Long},
    {BackStyle, "BackStyle", getLet, VarType::Integer},
    {BorderStyle, "BorderStyle", getLet, VarType::Integer},
    {DateFont, "DateFont", getSet, VarType::Object},
    {TitleFont, "TitleFont", getSet, VarType::Object},
    {Picture, "Picture", getSet, VarType::Object},
    {DateText, "DateText", getLet, VarType::String},
    {TitleText, "TitleText", getLet, VarType::String},
    {DrawMode, "DrawMode", getLet, VarType::Integer},
    {DrawStyle, "DrawStyle", getLet, VarType::Integer},
    {DrawWidth, "DrawWidth", getLet, VarType::Integer},
    {FillStyle, "FillStyle", getLet, VarType::Integer},
    {Refresh, "Refresh", int(CallKind::Method), VarType::Empty},
    {Appearance, "Appearance", int(CallKind::Get), VarType::Integer},
    {DateBorderStyle, "DateBorderStyle", getLet, VarType::Integer},
    {TitleBorderStyle, "TitleBorderStyle", getLet, VarType::Integer},
    {SelectedColor, "SelectedColor", getLet, VarType::Long},
    {Selected, "Selected", getLet, VarType::Boolean},
};

// The persisted keys, read and written in this order.
struct Key {
    const char* name;
    rt::DispId id;
};
constexpr Key persistedKeys[] = {
    {"Enabled", Enabled},
    {"BackColor", BackColor},
    {"BackStyle", BackStyle},
    {"BorderStyle", BorderStyle},
    {"DateFont", DateFont},
    {"TitleFont", TitleFont},
    {"Picture", Picture},
    {"DateText", DateText},
    {"TitleText", TitleText},
    {"DrawMode", DrawMode},
    {"DrawStyle", DrawStyle},
    {"DrawWidth", DrawWidth},
    {"FillStyle", FillStyle},
    {"DateBorderStyle", DateBorderStyle},
    {"TitleBorderStyle", TitleBorderStyle},
    {"SelectedColor", SelectedColor},
    {"Selected", Selected},
};

// Pixels between a label's text and the cell's left and right edges.
constexpr int cellMargin = 3;
// The surface is always three-dimensional: the property is set at design time only.
constexpr qint16 appearance3D = 1;
// The layout's 16-bit arithmetic holds up to this height; a taller cell keeps this layout.
constexpr double tallestLayout = 43690;

// A style value in the range its setting takes; error 380 outside it.
qint16 ranged(const Value& v, qint16 low, qint16 high) {
    const qint16 n = v.toInt16();
    if (n < low || n > high) throw rt::RuntimeError(380);
    return n;
}

quint32 colour(const Value& v) {
    const auto c = quint32(v.toInt32());
    if (!rt::olecolor::isValid(c)) throw rt::RuntimeError(380);
    return c;
}

Value colourValue(quint32 c) {
    return Value::longInt(qint32(c));
}

void setLabelBorder(QLabel* label, qint16 style) {
    label->setFrameStyle(style ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    label->setLineWidth(1);
}

QRect toPx(const QRectF& twips) {
    return {rt::twips::toPx(twips.left()), rt::twips::toPx(twips.top()), rt::twips::toPx(twips.width()),
            rt::twips::toPx(twips.height())};
}

} // namespace

WeekViewCell::WeekViewCell(QWidget* parent)
    : rt::Control(parent), lblDate(new QLabel(QStringLiteral("Date"), this)),
      lblTitle(new QLabel(QStringLiteral("Label1"), this)), backColor_(rt::olecolor::buttonFace),
      dateFont_([this](const QFont& f) { lblDate->setFont(f); }),
      titleFont_([this](const QFont& f) { lblTitle->setFont(f); }) {
    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    for (QLabel* label : {lblDate, lblTitle}) {
        label->setTextFormat(Qt::PlainText);
        // The texts keep clear of the cell's border.
        label->setContentsMargins(cellMargin, 0, cellMargin, 0);
        setLabelBorder(label, 1);
        // Their own mouse events stop at the labels (see eventFilter).
        label->setMouseTracking(true);
        label->installEventFilter(this);
    }
    lblTitle->setWordWrap(true);
    lblTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    applyLayout();
}

rt::Control* createWeekViewCell(QWidget* parent) {
    return new WeekViewCell(parent);
}

WeekViewCell::Layout WeekViewCell::ArrangeLabels(double width, double height) {
    const qint16 q = rt::roundToInt16(std::min(height, tallestLayout) / 4);
    const double labelWidth = std::max(0.0, width - 90);
    return {QRectF(0, 0, labelWidth, q),
            QRectF(0, qint16(q - 15), labelWidth, std::max<int>(0, qint16(3 * q - 15)))};
}

void WeekViewCell::applyLayout() {
    const Layout layout = ArrangeLabels(rt::twips::fromPx(width()), rt::twips::fromPx(height()));
    lblDate->setGeometry(toPx(layout.date));
    lblTitle->setGeometry(toPx(layout.title));
}

std::span<const rt::Member> WeekViewCell::members() const {
    return table;
}

Value WeekViewCell::invoke(rt::DispId id, CallKind kind, rt::Args& args) {
    const rt::Member& member = checkMember(id, kind);
    switch (kind) {
    case CallKind::Get: return read(id);
    case CallKind::Method: update(); return {}; // Refresh, the one method
    default:
        assign(id, rt::argument(args, 0));
        emit propertyChanged(QLatin1String(member.name));
        return {};
    }
}

Value WeekViewCell::read(rt::DispId id) {
    switch (id) {
    case Enabled: return Value::boolean(!testAttribute(Qt::WA_ForceDisabled));
    case CellDate: return Value::date(cellDate_);
    case BackColor: return colourValue(backColor_);
    case BackStyle: return Value::integer(backStyle_);
    case BorderStyle: return Value::integer(borderStyle_);
    case DateFont: dateFont_.setFont(lblDate->font()); return Value::object(&dateFont_);
    case TitleFont: titleFont_.setFont(lblTitle->font()); return Value::object(&titleFont_);
    case Picture:
        if (picture_.isNull()) return Value::object(nullptr);
        pictureObject_.image = picture_;
        return Value::object(&pictureObject_);
    case DateText: return Value(lblDate->text());
    case TitleText: return Value(lblTitle->text());
    case DrawMode: return Value::integer(drawMode_);
    case DrawStyle: return Value::integer(drawStyle_);
    case DrawWidth: return Value::integer(drawWidth_);
    case FillStyle: return Value::integer(fillStyle_);
    case Appearance: return Value::integer(appearance3D);
    case DateBorderStyle: return Value::integer(dateBorderStyle_);
    case TitleBorderStyle: return Value::integer(titleBorderStyle_);
    case SelectedColor: return colourValue(selectedColor_);
    default: return Value::boolean(selected_);
    }
}

void WeekViewCell::assign(rt::DispId id, const Value& v) {
    switch (id) {
    case Enabled: setEnabled(v.toBool()); break;
    case CellDate: cellDate_ = v.toDate(); break;
    case BackColor:
        backColor_ = savedBackColor_ = colour(v);
        update();
        break;
    case BackStyle:
        backStyle_ = ranged(v, 0, 1);
        update();
        break;
    case BorderStyle:
        borderStyle_ = ranged(v, 0, 1);
        update();
        break;
    case DateFont: lblDate->setFont(rt::fontObjectOf(v).font()); break;
    case TitleFont: lblTitle->setFont(rt::fontObjectOf(v).font()); break;
    case Picture:
        picture_ = rt::pictureOf(v);
        update();
        break;
    case DateText: lblDate->setText(v.toString()); break;
    case TitleText: lblTitle->setText(v.toString()); break;
    case DrawMode: drawMode_ = ranged(v, 1, 16); break;
    case DrawStyle: drawStyle_ = ranged(v, 0, 6); break;
    case DrawWidth: drawWidth_ = ranged(v, 1, 32767); break;
    case FillStyle: fillStyle_ = ranged(v, 0, 7); break;
    case DateBorderStyle: setLabelBorder(lblDate, dateBorderStyle_ = ranged(v, 0, 1)); break;
    case TitleBorderStyle: setLabelBorder(lblTitle, titleBorderStyle_ = ranged(v, 0, 1)); break;
    // The surface keeps its colour until Selected is assigned again.
    case SelectedColor: selectedColor_ = colour(v); break;
    default: setSelected(v.toBool()); break;
    }
}

void WeekViewCell::setSelected(bool selected) {
    selected_ = selected;
    backColor_ = selected ? selectedColor_ : savedBackColor_;
    backStyle_ = selected ? 1 : 0;
    update();
}

void WeekViewCell::initProperties() {
    selectedColor_ = 0;
    selected_ = false;
}

void WeekViewCell::readProperties(rt::PropertyBag& bag) {
    for (const Key& key : persistedKeys)
        restore(key.id, bag.readProperty(QLatin1String(key.name), defaultOf(key.id)));
}

void WeekViewCell::writeProperties(rt::PropertyBag& bag) {
    for (const Key& key : persistedKeys)
        bag.writeProperty(QLatin1String(key.name), persisted(key.id), defaultOf(key.id));
}

Value WeekViewCell::persisted(rt::DispId id) {
    switch (id) {
    case DateFont: return rt::fontValue(lblDate->font());
    case TitleFont: return rt::fontValue(lblTitle->font());
    case Picture: return rt::pictureValue(picture_);
    default: return read(id);
    }
}

Value WeekViewCell::defaultOf(rt::DispId id) const {
    switch (id) {
    case Enabled: return Value::boolean(true);
    case BackColor: return colourValue(rt::olecolor::buttonFace);
    case BackStyle: return Value::integer(1);
    case BorderStyle: return Value::integer(0);
    case DateFont:
    case TitleFont: return rt::fontValue(ambientFont());
    case Picture: return Value::object(nullptr);
    case DateText: return Value("Date");
    case TitleText: return Value("Label1");
    case DrawMode: return Value::integer(13);
    case DrawStyle: return Value::integer(5);
    case DrawWidth: return Value::integer(1);
    case FillStyle: return Value::integer(1);
    case DateBorderStyle:
    case TitleBorderStyle: return Value::integer(1);
    case SelectedColor: return colourValue(0);
    default: return Value::boolean(false); // Selected
    }
}

void WeekViewCell::restore(rt::DispId id, const Value& value) {
    switch (id) {
    // From the bag the colour reaches the surface only: the saved colour stays as it was.
    case BackColor:
        backColor_ = colour(value);
        update();
        break;
    case DateFont: lblDate->setFont(rt::fontFromValue(value)); break;
    case TitleFont: lblTitle->setFont(rt::fontFromValue(value)); break;
    case Picture:
        picture_ = rt::pictureFromValue(value);
        update();
        break;
    // The flag only: the selection colours are not applied at load.
    case Selected: selected_ = value.toBool(); break;
    default: assign(id, value); break;
    }
}

void WeekViewCell::resizeEvent(QResizeEvent*) {
    applyLayout();
}

void WeekViewCell::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (backStyle_ == 1) p.fillRect(rect(), rt::olecolor::toQColor(backColor_, palette()));
    if (!picture_.isNull()) p.drawImage(0, 0, picture_);
    if (borderStyle_ == 1) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void WeekViewCell::endClick(Qt::MouseButton button, bool inside) {
    const bool click = button == Qt::LeftButton && inside && !afterDoubleClick_;
    afterDoubleClick_ = false;
    if (click) raiseEvent(Click);
}

void WeekViewCell::doubleClick(Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    afterDoubleClick_ = true;
    raiseEvent(DblClick);
}

void WeekViewCell::mousePressEvent(QMouseEvent* event) {
    rt::Args args = rt::mouseArgs(*event);
    raiseEvent(MouseDown, args);
}

void WeekViewCell::mouseMoveEvent(QMouseEvent* event) {
    rt::Args args = rt::mouseArgs(*event);
    raiseEvent(MouseMove, args);
}

void WeekViewCell::mouseReleaseEvent(QMouseEvent* event) {
    rt::Args args = rt::mouseArgs(*event);
    raiseEvent(MouseUp, args);
    endClick(event->button(), rect().contains(event->position().toPoint()));
}

// Qt's double click stands for the second press: it raises DblClick, not MouseDown.
void WeekViewCell::mouseDoubleClickEvent(QMouseEvent* event) {
    doubleClick(event->button());
}

void WeekViewCell::keyPressEvent(QKeyEvent* event) {
    rt::Args args = rt::keyArgs(*event);
    raiseEvent(KeyDown, args);
    if (event->text().isEmpty()) return;
    rt::Args ascii{Value::integer(qint16(event->text().at(0).unicode()))};
    raiseEvent(KeyPress, ascii);
}

void WeekViewCell::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    rt::Args args = rt::keyArgs(*event);
    raiseEvent(KeyUp, args);
}

bool WeekViewCell::eventFilter(QObject* watched, QEvent* event) {
    if (watched != lblDate && watched != lblTitle) return rt::Control::eventFilter(watched, event);
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
        return false;
    const auto* e = static_cast<QMouseEvent*>(event);
    if (!isEnabled()) return true;
    if (type == QEvent::MouseButtonRelease)
        endClick(e->button(), static_cast<QWidget*>(watched)->rect().contains(e->position().toPoint()));
    else if (type == QEvent::MouseButtonDblClick)
        doubleClick(e->button());
    return true;
}
