#include "runtime/com/font_object.h"
#include "runtime/com/picture_object.h"
#include "runtime/com/property_bag.h"
#include "tree_fixture.h"

#include <QSignalSpy>

namespace {

using namespace ctlTreeId;
using rt::CallKind;
using rt::DispId;
using rt::Value;

class TreeMembers : public TreeFixture {
protected:
    void SetUp() override { buildLessons(); }
    QSignalSpy changes{tree, &rt::Control::propertyChanged};
};

// Every property a host assigns: the value it reads back and the change the container hears of.
TEST_F(TreeMembers, AssignmentsReadBackAndReportTheirChange) {
    rt::FontObject font;
    font.setFont(QFont("Serif", 14));
    rt::PictureObject icon(QImage(8, 8, QImage::Format_ARGB32));
    struct Case {
        DispId id;
        Value value;
        bool reported;
    };
    const Case cases[] = {
        {DragMode, Value::integer(1), true},
        {TLeafSelected, Value::boolean(true), true},
        {TSelectedItem, Value::object(node("K11")), true},
        {TDirty, Value::boolean(true), true},
        {BackColor, Value::longInt(0xFF8000), true},
        {ForeColor, Value::longInt(0x123456), true},
        {Enabled, Value::boolean(false), true},
        {DropHighlight, Value::object(node("K2")), false},
        {BackStyle, Value::integer(1), true},
        {BorderStyle, Value::integer(1), true},
        {ScaleHeight, Value::real(1.5), true},
        {ScaleMode, Value::integer(3), true},
        {ScaleTop, Value::real(-2.25), true},
        {ScaleWidth, Value::real(640), true},
        {AutoRedraw, Value::boolean(false), true},
        {MousePointer, Value::integer(11), true},
        {DrawMode, Value::integer(7), true},
        {DrawStyle, Value::integer(2), true},
        {DrawWidth, Value::integer(3), true},
        {TLineStyle, Value::integer(1), true},
        {TSorted, Value::boolean(true), true},
        {TStyle, Value::integer(3), true},
        {TIndentation, Value::real(300.5), true},
        {TImage, Value("picture.bmp"), true},
        {LabelEdit, Value::integer(1), true},
    };
    for (const Case& c : cases) {
        changes.clear();
        const bool isObject = c.value.type() == rt::VarType::Object;
        isObject ? rt::set(*tree, c.id, c.value) : rt::let(*tree, c.id, c.value);
        const QString name =
            QLatin1String(std::find_if(tree->members().begin(), tree->members().end(), [&](auto& m) {
                              return m.id == c.id;
                          })->name);
        EXPECT_EQ(get(c.id), c.value) << name.toStdString();
        EXPECT_EQ(changes.size(), c.reported ? 1 : 0) << name.toStdString();
        if (c.reported && !changes.isEmpty()) {
            EXPECT_EQ(changes[0][0].toString(), name);
        }
    }
    EXPECT_TRUE(events.empty()); // not even for TLeafSelected
    // Objects are handed over as copies: the control keeps its own font and picture.
    rt::set(*tree, Font, Value::object(&font));
    EXPECT_EQ(rt::fontObjectOf(get(Font)).font(), font.font());
    EXPECT_EQ(view()->font(), font.font());
    // A change through the control's own font object shows at once.
    rt::Dispatch& own = *get(Font).toObject();
    rt::let(own, own.idOfName(u"Bold"), Value::boolean(true));
    EXPECT_TRUE(view()->font().bold());
    rt::set(*tree, MouseIcon, Value::object(&icon));
    EXPECT_NE(get(MouseIcon).toObject(), nullptr);
    rt::set(*tree, MouseIcon, Value::object(nullptr));
    EXPECT_EQ(get(MouseIcon).toObject(), nullptr);
}

TEST_F(TreeMembers, AssignmentsReachTheSurfaceAndTheTree) {
    rt::let(*tree, Enabled, Value::boolean(false));
    EXPECT_FALSE(view()->isEnabled());
    rt::let(*tree, BorderStyle, Value::integer(1));
    EXPECT_NE(view()->frameShape(), QFrame::NoFrame);
    rt::let(*tree, TIndentation, Value::real(300));
    EXPECT_EQ(view()->indentation(), 20);
    rt::let(*tree, DragMode, Value::integer(1));
    EXPECT_TRUE(view()->dragEnabled());
    rt::let(*tree, LabelEdit, Value::integer(1));
    EXPECT_EQ(view()->editTriggers(), QAbstractItemView::NoEditTriggers);
    rt::let(*tree, MousePointer, Value::integer(11));
    EXPECT_EQ(tree->cursor().shape(), Qt::WaitCursor);
}

TEST_F(TreeMembers, OutOfRangeValuesRaise380AndChangeNothing) {
    struct Case {
        DispId id;
        Value value;
    };
    const Case cases[] = {
        {DragMode, Value::integer(2)},   {BorderStyle, Value::integer(2)},   {TStyle, Value::integer(8)},
        {TLineStyle, Value::integer(2)}, {LabelEdit, Value::integer(2)},     {TIndentation, Value::real(-1)},
        {ScaleMode, Value::integer(8)},  {ScaleWidth, Value::real(0)},       {DrawMode, Value::integer(0)},
        {DrawWidth, Value::integer(0)},  {MousePointer, Value::integer(16)}, {DrawStyle, Value::integer(7)},
    };
    for (const Case& c : cases) {
        changes.clear();
        const Value before = get(c.id);
        EXPECT_EQ(rt::errorOf([&] { rt::let(*tree, c.id, c.value); }), 380) << c.id;
        EXPECT_EQ(get(c.id), before) << c.id;
        EXPECT_TRUE(changes.isEmpty()) << c.id;
    }
    try {
        rt::let(*tree, DragMode, Value::integer(2));
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.source, "LKTree");
        EXPECT_EQ(e.description, "Invalid property value");
    }
}

// BackStyle is applied to nothing: the control keeps whatever number the host or the bag gives it.
TEST_F(TreeMembers, BackStyleKeepsAnyNumber) {
    for (qint16 style : {2, -1, 300}) {
        changes.clear();
        rt::let(*tree, BackStyle, Value::integer(style));
        EXPECT_EQ(get(BackStyle), Value::integer(style));
        EXPECT_EQ(changes.size(), 1);
    }
    rt::MapPropertyBag bag;
    tree->writeProperties(bag);
    ctlTree loaded;
    loaded.readProperties(bag);
    EXPECT_EQ(rt::get(loaded, BackStyle), Value::integer(300));
}

TEST_F(TreeMembers, WrongObjectsAndKinds) {
    ctlTree other;
    const Value foreign = rt::call(other, AddPrimaryNode, {"K1", "elsewhere"});
    TreeNode* gone = node("K2");
    call(RemoveNode, {"K2"});
    EXPECT_EQ(rt::errorOf([&] { rt::set(*tree, TSelectedItem, foreign); }), 380);
    EXPECT_EQ(rt::errorOf([&] { rt::set(*tree, TSelectedItem, Value::object(gone)); }), 35605);
    EXPECT_EQ(rt::errorOf([&] { rt::set(*tree, Font, foreign); }), 13);
    EXPECT_EQ(rt::errorOf([&] { rt::set(*tree, TNodes, foreign); }), 13);
    EXPECT_EQ(rt::errorOf([&] { rt::let(*tree, TDirty, Value("maybe")); }), 13);
    EXPECT_EQ(rt::errorOf([&] { rt::set(*tree, TSelectedItem, Value("K1")); }), 13);
    // Each member takes only its own kinds of call.
    EXPECT_EQ(rt::errorOf([&] { rt::let(*tree, ClipControls, Value::boolean(false)); }), 438);
    EXPECT_EQ(rt::errorOf([&] { rt::let(*tree, TSelectedItem, Value::object(nullptr)); }), 438);
    EXPECT_EQ(rt::errorOf([&] { rt::set(*tree, TDirty, Value::boolean(true)); }), 438);
    EXPECT_EQ(rt::errorOf([&] { rt::get(*tree, AddNode); }), 438);
    EXPECT_EQ(rt::errorOf([&] { call(DragMode); }), 438);
    EXPECT_EQ(rt::errorOf([&] { call(0x60030030); }), 438);
    EXPECT_EQ(rt::errorOf([&] { call(AddNode, {"K1", "K13"}); }), 449);
}

} // namespace
