#include "runtime/com/font_object.h"
#include "runtime/com/picture_object.h"
#include "runtime/com/property_bag.h"
#include "tree_fixture.h"

#include <QSignalSpy>

namespace {

using namespace ctlTreeId;
using rt::DispId;
using rt::Value;

const Value nothing = Value::object(nullptr);

struct Key {
    const char* name;
    Value defaultValue;
};

// The keys a control writes, in order, with their defaults; "Font" defaults to the ambient font.
const std::vector<Key>& writtenKeys() {
    static const std::vector<Key> keys = {
        {"MouseIcon", nothing},
        {"BackColor", Value::longInt(0)},
        {"ForeColor", Value::longInt(0)},
        {"Enabled", Value::boolean(true)},
        {"Font", Value()},
        {"BackStyle", Value::integer(0)},
        {"BorderStyle", Value::integer(0)},
        {"DragMode", Value::integer(0)},
        {"ScaleHeight", Value::real(3600)},
        {"ScaleLeft", Value::real(0)},
        {"ScaleMode", Value::integer(1)},
        {"ScaleTop", Value::real(0)},
        {"ScaleWidth", Value::real(4800)},
        {"AutoRedraw", Value::boolean(true)},
        {"MousePointer", Value::integer(0)},
        {"DrawMode", Value::integer(13)},
        {"DrawStyle", Value::integer(0)},
        {"DrawWidth", Value::integer(1)},
        {"TDirty", Value::boolean(false)},
        {"TLeafSelected", Value::boolean(false)},
        {"TLineStyle", Value::integer(0)},
        {"TSorted", Value::boolean(false)},
        {"TStyle", Value::integer(7)},
        {"TIndentation", Value::real(150.23)},
        {"TImage", Value::integer(0)},
        {"TSelectedItem", nothing},
    };
    return keys;
}

class TreeProperties : public TreeFixture {
protected:
    Value ambientFont() const { return rt::fontValue(host.font()); }
    void expectDefault(const rt::MapPropertyBag::Access& a, const Key& k) {
        EXPECT_EQ(a.key, k.name);
        if (a.key == "Font")
            EXPECT_EQ(a.defaultValue, ambientFont());
        else
            EXPECT_EQ(a.defaultValue, k.defaultValue) << k.name;
        EXPECT_EQ(a.defaultValue.type(), a.key == "Font" ? rt::VarType::String : k.defaultValue.type())
            << k.name;
    }
};

TEST_F(TreeProperties, ANewControlWritesEveryKeyAtItsDefault) {
    tree->initProperties();
    rt::MapPropertyBag bag;
    tree->writeProperties(bag);
    ASSERT_EQ(bag.log.size(), qsizetype(writtenKeys().size()));
    for (size_t i = 0; i < writtenKeys().size(); ++i) {
        EXPECT_TRUE(bag.log[i].write);
        expectDefault(bag.log[i], writtenKeys()[i]);
    }
    EXPECT_TRUE(bag.stored().isEmpty());
}

TEST_F(TreeProperties, AnEmptyBagLoadsTheDefaults) {
    rt::MapPropertyBag bag;
    tree->readProperties(bag);
    const char* readOrder[] = {
        "MouseIcon", "Font",          "BackColor", "ForeColor",    "Enabled",    "BackStyle",  "BorderStyle",
        "DragMode",  "ScaleLeft",     "ScaleMode", "ScaleTop",     "ScaleWidth", "AutoRedraw", "MousePointer",
        "DrawMode",  "DrawStyle",     "DrawWidth", "TLineStyle",   "TSorted",    "TStyle",     "TIndentation",
        "TDirty",    "TLeafSelected", "TImage",    "TSelectedItem"};
    ASSERT_EQ(bag.log.size(), qsizetype(std::size(readOrder)));
    for (size_t i = 0; i < std::size(readOrder); ++i) {
        EXPECT_FALSE(bag.log[i].write);
        expectDefault(bag.log[i],
                      *std::find_if(writtenKeys().begin(), writtenKeys().end(), [&](const Key& k) {
                          return QLatin1String(k.name) == QLatin1String(readOrder[i]);
                      }));
    }
    EXPECT_EQ(get(TIndentation).toDouble(), 150.23);
    EXPECT_EQ(get(TStyle), Value::integer(7));
    EXPECT_EQ(get(ScaleWidth).toDouble(), 4800);
    EXPECT_EQ(get(DrawMode), Value::integer(13));
    EXPECT_EQ(get(TImage), Value::integer(0));
    EXPECT_TRUE(get(Enabled).toBool());
    EXPECT_EQ(view()->indentation(), 10);
}

TEST_F(TreeProperties, ChangedValuesSurviveTheBag) {
    buildLessons();
    rt::FontObject font;
    font.setFont(QFont("Serif", 13));
    rt::PictureObject icon(QImage(4, 4, QImage::Format_ARGB32));
    icon.image.fill(Qt::red);
    const std::vector<std::pair<DispId, Value>> changed = {
        {BackColor, Value::longInt(255)},
        {ForeColor, Value::longInt(65280)},
        {Enabled, Value::boolean(false)},
        {BackStyle, Value::integer(1)},
        {BorderStyle, Value::integer(1)},
        {DragMode, Value::integer(1)},
        {ScaleMode, Value::integer(3)},
        {ScaleTop, Value::real(2.5)},
        {ScaleWidth, Value::real(320)},
        {AutoRedraw, Value::boolean(false)},
        {MousePointer, Value::integer(99)},
        {DrawMode, Value::integer(4)},
        {DrawStyle, Value::integer(1)},
        {DrawWidth, Value::integer(2)},
        {TDirty, Value::boolean(true)},
        {TLeafSelected, Value::boolean(true)},
        {TLineStyle, Value::integer(1)},
        {TSorted, Value::boolean(true)},
        {TStyle, Value::integer(5)},
        {TIndentation, Value::real(283.46)},
        {TImage, Value("logo")},
    };
    for (const auto& [id, v] : changed) rt::let(*tree, id, v);
    rt::set(*tree, Font, Value::object(&font));
    rt::set(*tree, MouseIcon, Value::object(&icon));
    rt::set(*tree, TSelectedItem, Value::object(node("K11")));
    rt::MapPropertyBag bag;
    tree->writeProperties(bag);
    EXPECT_EQ(bag.stored().value("TSelectedItem"), Value("K11"));

    QWidget otherHost;
    ctlTree loaded(&otherHost);
    loaded.readProperties(bag);
    for (const auto& [id, v] : changed) EXPECT_EQ(rt::get(loaded, id), v) << id;
    EXPECT_EQ(rt::fontObjectOf(rt::get(loaded, Font)).font(), font.font());
    EXPECT_EQ(rt::pictureOf(rt::get(loaded, MouseIcon)), icon.image);
    EXPECT_EQ(rt::get(loaded, TSelectedItem).toObject(), nullptr); // it has no nodes yet

    // Loading keeps these, but gives them neither to the surface nor to the tree.
    QTreeWidget* loadedView = loaded.findChild<QTreeWidget*>("tree");
    EXPECT_TRUE(loaded.isEnabled());
    EXPECT_EQ(loadedView->frameShape(), QFrame::NoFrame);
    EXPECT_FALSE(loadedView->dragEnabled());
    EXPECT_NE(loadedView->font(), font.font());
    EXPECT_EQ(loadedView->indentation(), 19);
}

TEST_F(TreeProperties, ANewControlResetsItsStoredValuesOnly) {
    QSignalSpy changes(tree, &rt::Control::propertyChanged);
    rt::let(*tree, TDirty, Value::boolean(true));
    rt::let(*tree, DragMode, Value::integer(1));
    rt::let(*tree, TIndentation, Value::real(90));
    tree->initProperties();
    EXPECT_FALSE(get(TDirty).toBool());
    EXPECT_EQ(get(DragMode), Value::integer(0));
    EXPECT_TRUE(view()->dragEnabled());
    EXPECT_EQ(get(TIndentation).toDouble(), 90);
    EXPECT_EQ(changes.size(), 3);
}

TEST_F(TreeProperties, ABadBagEndsTheLoadWithItsError) {
    struct Case {
        const char* key;
        Value stored;
        int error;
    };
    const Case cases[] = {
        {"DragMode", Value::integer(7), 380},    {"TIndentation", Value("wide"), 13},
        {"TStyle", Value::integer(9), 380},      {"MouseIcon", Value("not a picture"), 380},
        {"ScaleMode", Value::longInt(70000), 6}, {"TSelectedItem", Value::object(tree), 13},
    };
    for (const Case& c : cases) {
        rt::MapPropertyBag bag;
        bag.writeProperty(c.key, c.stored, Value::integer(-12345));
        ctlTree loaded;
        EXPECT_EQ(rt::errorOf([&] { loaded.readProperties(bag); }), c.error) << c.key;
    }
}

} // namespace
