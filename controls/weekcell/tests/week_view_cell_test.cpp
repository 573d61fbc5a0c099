#include "controls/weekcell/WeekViewCellIds.h"
#include "controls/weekcell/week_view_cell.h"
#include "runtime/com/font_object.h"
#include "runtime/com/picture_object.h"
#include "runtime/error.h"
#include "runtime/testing/error_of.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace id = WeekViewCellId;
using rt::Value;

namespace {

using rt::errorOf;

Value colour(quint32 c) {
    return Value::longInt(qint32(c));
}

// A host form with its own font, holding one cell.
struct Cell : testing::Test {
    QWidget form;
    WeekViewCell* cell;
    Cell() {
        form.setFont(QFont("Arial", 10));
        cell = new WeekViewCell(&form);
        cell->initProperties();
    }
    QLabel* label(const char* name) { return cell->findChild<QLabel*>(name); }
};

TEST_F(Cell, EveryIdReachesItsMemberAndKind) {
    struct Row {
        rt::DispId id;
        const char* name;
        Value value;
    };
    const Row rows[] = {
        {id::Enabled, "Enabled", Value::boolean(false)},
        {id::CellDate, "CellDate", Value::date(45300)},
        {id::BackColor, "BackColor", colour(0x00FF00)},
        {id::BackStyle, "BackStyle", Value::integer(0)},
        {id::BorderStyle, "BorderStyle", Value::integer(1)},
        {id::DateText, "DateText", Value("Monday, January 8")},
        {id::TitleText, "TitleText", Value("Lesson 4")},
        {id::DrawMode, "DrawMode", Value::integer(7)},
        {id::DrawStyle, "DrawStyle", Value::integer(2)},
        {id::DrawWidth, "DrawWidth", Value::integer(3)},
        {id::FillStyle, "FillStyle", Value::integer(0)},
        {id::DateBorderStyle, "DateBorderStyle", Value::integer(0)},
        {id::TitleBorderStyle, "TitleBorderStyle", Value::integer(0)},
        {id::SelectedColor, "SelectedColor", colour(0x80000005)},
        {id::Selected, "Selected", Value::boolean(true)},
    };
    QSignalSpy changed(cell, &rt::Control::propertyChanged);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(cell->idOfName(QString::fromLatin1(row.name)), row.id);
        rt::let(*cell, row.id, row.value);
        ASSERT_EQ(changed.size(), 1);
        EXPECT_EQ(changed.takeFirst().at(0).toString(), row.name);
        if (row.id != id::Selected) {
            EXPECT_EQ(rt::get(*cell, row.id), row.value);
        }
        EXPECT_EQ(errorOf([&] { rt::set(*cell, row.id, row.value); }), 438);
        EXPECT_EQ(errorOf([&] { rt::call(*cell, row.id); }), 438);
    }
    EXPECT_EQ(label("lblDate")->text(), "Monday, January 8");
    EXPECT_EQ(label("lblTitle")->frameShape(), QFrame::NoFrame);
    EXPECT_FALSE(cell->isEnabled());

    // The object members take set, not let.
    QFont bold("Courier New", 12);
    bold.setBold(true);
    rt::FontObject font;
    font.setFont(bold);
    rt::PictureObject picture(QImage(4, 4, QImage::Format_RGB32));
    for (auto [member, name, value] : {std::tuple{id::DateFont, "DateFont", Value::object(&font)},
                                       {id::TitleFont, "TitleFont", Value::object(&font)},
                                       {id::Picture, "Picture", Value::object(&picture)}}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(cell->idOfName(QString::fromLatin1(name)), member);
        EXPECT_EQ(errorOf([&] { rt::let(*cell, member, value); }), 438);
        rt::set(*cell, member, value);
        EXPECT_EQ(changed.takeFirst().at(0).toString(), name);
    }
    EXPECT_EQ(rt::fontObjectOf(rt::get(*cell, id::DateFont)).font(), bold);
    EXPECT_EQ(label("lblTitle")->font(), bold);
    EXPECT_EQ(rt::pictureOf(rt::get(*cell, id::Picture)).size(), QSize(4, 4));
    rt::set(*cell, id::Picture, Value::object(nullptr));
    EXPECT_EQ(rt::get(*cell, id::Picture), Value::object(nullptr));
    changed.clear();

    // A change through the font object a get handed out reaches the label.
    rt::let(*rt::get(*cell, id::TitleFont).toObject(), 4, Value::boolean(true)); // Italic
    EXPECT_TRUE(label("lblTitle")->font().italic());

    EXPECT_EQ(cell->idOfName(u"Refresh"), id::Refresh);
    rt::call(*cell, id::Refresh);
    EXPECT_EQ(errorOf([&] { rt::get(*cell, id::Refresh); }), 438);
    EXPECT_EQ(rt::get(*cell, id::Appearance), Value::integer(1));
    EXPECT_EQ(errorOf([&] { rt::let(*cell, id::Appearance, Value::integer(0)); }), 438);
    EXPECT_EQ(errorOf([&] { rt::get(*cell, 0x68030013); }), 438);
    EXPECT_EQ(changed.size(), 0);
    EXPECT_EQ(cell->members().size(), 20u);
}

TEST_F(Cell, BadValuesAreTheSurfacesErrorsAndChangeNothing) {
    QSignalSpy changed(cell, &rt::Control::propertyChanged);
    const std::tuple<rt::DispId, Value, int> cases[] = {
        {id::BackStyle, Value::integer(2), 380},
        {id::BorderStyle, Value::integer(-1), 380},
        {id::DrawMode, Value::integer(0), 380},
        {id::DrawStyle, Value::integer(7), 380},
        {id::DrawWidth, Value::integer(0), 380},
        {id::FillStyle, Value::integer(8), 380},
        {id::DateBorderStyle, Value::integer(2), 380},
        {id::BackColor, colour(0x01000000), 380},
        {id::SelectedColor, colour(0x80000030), 380},
        {id::BackStyle, Value::longInt(70000), 6},
        {id::DateText, Value::null(), 94},
        {id::CellDate, Value("no date"), 13},
        {id::DateFont, Value("Arial"), 13},
        {id::Picture, Value::object(nullptr), 0},
    };
    for (const auto& [member, value, error] : cases) {
        const Value before = rt::get(*cell, member);
        const auto kind =
            member == id::DateFont || member == id::Picture ? rt::CallKind::Set : rt::CallKind::Let;
        rt::Args args{value};
        EXPECT_EQ(errorOf([&] { cell->invoke(member, kind, args); }), error) << std::hex << member;
        if (error) {
            EXPECT_EQ(rt::get(*cell, member), before);
        }
    }
    EXPECT_EQ(changed.size(), 1); // the one valid assignment
    rt::Args none;
    EXPECT_EQ(errorOf([&] { cell->invoke(id::TitleText, rt::CallKind::Let, none); }), 449);
}

TEST(ArrangeLabels, SizesInTwips) {
    struct Case {
        double width, height;
        QRectF date, title;
    };
    const Case cases[] = {
        {1800, 400, {0, 0, 1710, 100}, {0, 85, 1710, 285}},
        {1800, 42, {0, 0, 1710, 10}, {0, -5, 1710, 15}},      // 10.5 rounds to the even 10
        {1800, 50, {0, 0, 1710, 12}, {0, -3, 1710, 21}},      // 12.5 rounds to 12
        {1800, 54, {0, 0, 1710, 14}, {0, -1, 1710, 27}},      // 13.5 rounds to 14
        {4665, 1110, {0, 0, 4575, 278}, {0, 263, 4575, 819}}, // the planner's cells
        {60, 400, {0, 0, 0, 100}, {0, 85, 0, 285}},           // narrower than the right strip
        {1800, 20, {0, 0, 1710, 5}, {0, -10, 1710, 0}},       // too low for a title
        {1800, 43690, {0, 0, 1710, 10922}, {0, 10907, 1710, 32751}},
        {1800, 90000, {0, 0, 1710, 10922}, {0, 10907, 1710, 32751}}, // taller: the tallest layout
    };
    for (const Case& c : cases) {
        const auto layout = WeekViewCell::ArrangeLabels(c.width, c.height);
        EXPECT_EQ(layout.date, c.date) << c.width << " x " << c.height;
        EXPECT_EQ(layout.title, c.title) << c.width << " x " << c.height;
    }
}

TEST_F(Cell, ResizingLaysTheLabelsOut) {
    form.show();
    cell->setGeometry(3, 4, 120, 27); // 1800 x 405 twips: q = 101
    EXPECT_EQ(label("lblDate")->geometry(), QRect(0, 0, 114, 7));
    EXPECT_EQ(label("lblTitle")->geometry(), QRect(0, 6, 114, 19));
}

TEST_F(Cell, Selection) {
    rt::let(*cell, id::BackColor, colour(0x123456));
    rt::let(*cell, id::SelectedColor, colour(0x0000FF));
    rt::let(*cell, id::Selected, Value::boolean(true));
    EXPECT_EQ(rt::get(*cell, id::BackColor), colour(0x0000FF));
    EXPECT_EQ(rt::get(*cell, id::BackStyle), Value::integer(1));

    // A new selected colour shows only once Selected is assigned again.
    rt::let(*cell, id::SelectedColor, colour(0x00FF00));
    EXPECT_EQ(rt::get(*cell, id::BackColor), colour(0x0000FF));
    rt::let(*cell, id::Selected, Value::boolean(true));
    EXPECT_EQ(rt::get(*cell, id::BackColor), colour(0x00FF00));

    // Selected twice, then not: the saved colour comes back under a transparent back style.
    rt::let(*cell, id::Selected, Value::boolean(false));
    EXPECT_EQ(rt::get(*cell, id::BackColor), colour(0x123456));
    EXPECT_EQ(rt::get(*cell, id::BackStyle), Value::integer(0));
    EXPECT_EQ(rt::get(*cell, id::Selected), Value::boolean(false));

    // BackColor while selected replaces the shown colour and becomes the saved one.
    rt::let(*cell, id::Selected, Value::boolean(true));
    rt::let(*cell, id::BackColor, colour(0xABCDEF));
    EXPECT_EQ(rt::get(*cell, id::BackColor), colour(0xABCDEF));
    rt::let(*cell, id::SelectedColor, colour(0));
    rt::let(*cell, id::Selected, Value::boolean(false));
    EXPECT_EQ(rt::get(*cell, id::BackColor), colour(0xABCDEF));
}

TEST_F(Cell, ABagColourIsShownButNotSaved) {
    rt::MapPropertyBag bag;
    bag.writeProperty("BackColor", colour(0x00AA00), colour(0x8000000F));
    WeekViewCell loaded(&form);
    loaded.readProperties(bag);
    EXPECT_EQ(rt::get(loaded, id::BackColor), colour(0x00AA00));
    rt::let(loaded, id::Selected, Value::boolean(true));
    rt::let(loaded, id::Selected, Value::boolean(false));
    EXPECT_EQ(rt::get(loaded, id::BackColor), colour(0));
}

const char* const keys[] = {"Enabled",       "BackColor", "BackStyle", "BorderStyle",     "DateFont",
                            "TitleFont",     "Picture",   "DateText",  "TitleText",       "DrawMode",
                            "DrawStyle",     "DrawWidth", "FillStyle", "DateBorderStyle", "TitleBorderStyle",
                            "SelectedColor", "Selected"};

TEST_F(Cell, ReadsAndWritesSeventeenKeysInOrderWithTheirDefaults) {
    const Value ambient = rt::fontValue(form.font());
    const Value defaults[] = {Value::boolean(true),
                              colour(0x8000000F),
                              Value::integer(1),
                              Value::integer(0),
                              ambient,
                              ambient,
                              Value::object(nullptr),
                              Value("Date"),
                              Value("Label1"),
                              Value::integer(13),
                              Value::integer(5),
                              Value::integer(1),
                              Value::integer(1),
                              Value::integer(1),
                              Value::integer(1),
                              colour(0),
                              Value::boolean(false)};
    rt::MapPropertyBag bag;
    cell->readProperties(bag);
    cell->writeProperties(bag);
    ASSERT_EQ(bag.log.size(), 34);
    for (int i = 0; i < 34; ++i) {
        const auto& access = bag.log[i];
        EXPECT_EQ(access.write, i >= 17);
        EXPECT_EQ(access.key, keys[i % 17]);
        EXPECT_EQ(access.defaultValue, defaults[i % 17]) << keys[i % 17];
    }
    // Loaded from a bag that holds no texts: the design captions; and saving them stores nothing.
    EXPECT_EQ(label("lblDate")->text(), "Date");
    EXPECT_EQ(label("lblTitle")->text(), "Label1");
    EXPECT_TRUE(bag.stored().isEmpty());
}

TEST_F(Cell, SaveAndReloadKeepsEveryKeyButTheCellDate) {
    QFont dateFont("Courier New", 9);
    dateFont.setBold(true);
    rt::FontObject font;
    font.setFont(dateFont);
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    rt::PictureObject picture(image);
    rt::let(*cell, id::Enabled, Value::boolean(false));
    rt::let(*cell, id::BackColor, colour(0x224466));
    rt::let(*cell, id::BackStyle, Value::integer(0));
    rt::let(*cell, id::BorderStyle, Value::integer(1));
    rt::set(*cell, id::DateFont, Value::object(&font));
    font.setFont(QFont("Arial", 14));
    rt::set(*cell, id::TitleFont, Value::object(&font));
    rt::set(*cell, id::Picture, Value::object(&picture));
    rt::let(*cell, id::DateText, Value("Tuesday, May 7"));
    rt::let(*cell, id::TitleText, Value("Fractions"));
    rt::let(*cell, id::DrawMode, Value::integer(6));
    rt::let(*cell, id::DrawStyle, Value::integer(1));
    rt::let(*cell, id::DrawWidth, Value::integer(2));
    rt::let(*cell, id::FillStyle, Value::integer(0));
    rt::let(*cell, id::DateBorderStyle, Value::integer(0));
    rt::let(*cell, id::TitleBorderStyle, Value::integer(0));
    rt::let(*cell, id::SelectedColor, colour(0x0000FF));
    rt::let(*cell, id::Selected, Value::boolean(true));
    rt::let(*cell, id::BackColor, colour(0x224466)); // selected, shown in its own colour
    rt::let(*cell, id::BackStyle, Value::integer(0));
    rt::let(*cell, id::CellDate, Value::date(45419));

    rt::MapPropertyBag bag;
    cell->writeProperties(bag);
    EXPECT_EQ(bag.stored().size(), 17);
    EXPECT_FALSE(bag.stored().contains("CellDate"));

    // The host form loaded again: a new control over the same bag.
    delete cell;
    WeekViewCell reloaded(&form);
    reloaded.readProperties(bag);
    rt::MapPropertyBag again;
    reloaded.writeProperties(again);
    EXPECT_EQ(again.stored(), bag.stored());
    EXPECT_EQ(rt::get(reloaded, id::CellDate), Value::date(0));
    EXPECT_EQ(reloaded.findChild<QLabel*>("lblDate")->font(), dateFont);
    EXPECT_EQ(rt::pictureOf(rt::get(reloaded, id::Picture)).pixelColor(4, 2), QColor(Qt::red));
    EXPECT_EQ(rt::get(reloaded, id::Selected), Value::boolean(true));
}

TEST_F(Cell, AnUnreadableBagValueIsAnError) {
    rt::MapPropertyBag bag;
    bag.writeProperty("BackStyle", Value("opaque"), Value::integer(1));
    EXPECT_EQ(errorOf([&] { cell->readProperties(bag); }), 13);
    rt::MapPropertyBag fonts;
    fonts.writeProperty("TitleFont", Value(QString(20, u',')), Value(""));
    EXPECT_EQ(errorOf([&] { cell->readProperties(fonts); }), 380);
}

// Records the events the cell raises; a handler may write into the arguments.
struct Events : Cell {
    QList<std::pair<int, rt::Args>> raised;
    std::function<void(int, rt::Args&)> handler;
    Events() {
        form.resize(200, 100);
        cell->setGeometry(0, 0, 120, 75);
        form.show();
        QObject::connect(cell, &rt::Control::raised, [this](int event, rt::Args& args) {
            if (handler) handler(event, args);
            raised.append({event, args});
        });
    }
    QList<int> numbers() const {
        QList<int> n;
        for (const auto& e : raised) n << e.first;
        return n;
    }
};

TEST_F(Events, AClickOnALabelIsAClickWithoutMouseEvents) {
    for (const char* name : {"lblDate", "lblTitle"}) {
        raised.clear();
        QTest::mouseMove(label(name), QPoint(5, 3));
        QTest::mouseClick(label(name), Qt::LeftButton);
        EXPECT_EQ(numbers(), QList<int>{id::Click}) << name;
    }
    raised.clear();
    QTest::mouseClick(label("lblTitle"), Qt::LeftButton);
    QTest::mouseDClick(label("lblTitle"), Qt::LeftButton);
    QTest::mouseRelease(label("lblTitle"), Qt::LeftButton);
    EXPECT_EQ(numbers(), (QList<int>{id::Click, id::DblClick}));
}

TEST_F(Events, TheUncoveredSurfaceRaisesMouseEventsInTwips) {
    const QPoint strip(117, 40); // right of the labels
    QTest::mouseClick(cell, Qt::LeftButton, Qt::ShiftModifier, strip);
    ASSERT_EQ(numbers(), (QList<int>{id::MouseDown, id::MouseUp, id::Click}));
    EXPECT_EQ(raised[0].second,
              (rt::Args{Value::integer(1), Value::integer(1), Value::real(1755), Value::real(600)}));
    raised.clear();
    QTest::mouseClick(cell, Qt::RightButton, {}, strip);
    QTest::mouseDClick(cell, Qt::LeftButton, {}, strip);
    QTest::mouseRelease(cell, Qt::LeftButton, {}, strip);
    EXPECT_EQ(numbers(), (QList<int>{id::MouseDown, id::MouseUp, id::DblClick, id::MouseUp}));
    EXPECT_EQ(raised[0].second[0], Value::integer(2));
}

TEST_F(Events, KeysWithArgumentsByReference) {
    cell->setFocus();
    QList<Value> seen;
    handler = [&](int event, rt::Args& args) {
        seen << args[0];
        if (event == id::KeyPress) args[0] = Value::integer(0); // the host swallows the character
    };
    QKeyEvent press(QEvent::KeyPress, Qt::Key_B, Qt::ShiftModifier, "B");
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_B, Qt::ShiftModifier, "B");
    QApplication::sendEvent(cell, &press);
    QApplication::sendEvent(cell, &release);
    ASSERT_EQ(numbers(), (QList<int>{id::KeyDown, id::KeyPress, id::KeyUp}));
    EXPECT_EQ(raised[0].second, (rt::Args{Value::integer(66), Value::integer(1)}));
    EXPECT_EQ(seen[1], Value::integer('B'));
    EXPECT_EQ(raised[1].second[0], Value::integer(0)); // what the handler wrote is what the cell holds
}

TEST_F(Events, ADisabledCellRaisesNothing) {
    rt::let(*cell, id::Enabled, Value::boolean(false));
    QTest::mouseClick(label("lblDate"), Qt::LeftButton);
    QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(117, 40));
    EXPECT_TRUE(raised.isEmpty());
}

} // namespace
