#include "runtime/dao/tests/fixture.h"
#include "runtime/outside/grid/bound_grid.h"
#include "runtime/outside/grid/grid_model.h"
#include "runtime/testing/typed_keys.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

using namespace rt;

namespace {

const QString lessonSql = QStringLiteral(
    "SELECT ResourceID, Title, Duration, Header, SortOrder, Descript, LessonItemID FROM LessonResources "
    "WHERE LessonPlanID=%1 ORDER BY SortOrder");
const QString browserSql = QStringLiteral(
    "SELECT ResourceID, Title, Duration, Header FROM Resources WHERE (TreeID=12) AND (ResourceID NOT IN "
    "(SELECT ResourceID FROM LessonResources WHERE LessonPlanID=%1)) ORDER BY SortOrder");

QString twoDigits(const Value& v, const QString& belowZero) {
    if (v.isNull()) return {};
    const double d = v.toDouble();
    return d < 0 ? belowZero : QStringLiteral("%1").arg(qint64(d), 2, 10, QChar(u'0'));
}

// The lesson grid's and the browser's columns, as the main window lays them out.
QList<GridColumn> lessonColumns() {
    return {{"ResourceID", 0, false, false, {}},
            {"Title", 3850, true, false, {}},
            {"Duration", 365, true, true, [](const Value& v) { return twoDigits(v, "0"); }},
            {"LessonItemID", 0, false, false, {}}};
}

QList<GridColumn> browserColumns() {
    return {{"ResourceID", 0, false, false, {}},
            {"Title", 3650, true, false, {}},
            {"Duration", 350, true, false, [](const Value& v) { return twoDigits(v, ""); }}};
}

// Plan 1 holds four rows (the class file's "Balloon" first), plan 2 none; course lesson 12 offers
// resources 8 (a heading), 7 and 9.
class GridTest : public daotest::DaoTest {
protected:
    void SetUp() override {
        db = openLinked(&classPath);
        db.execute(
            R"(INSERT INTO LessonResources (LessonPlanID, ResourceID, Title, Duration, SortOrder, Descript, Header)
            VALUES (1, 8, 'Air', 10, 2, 'Moving air', 1), (1, 9, 'Kite', -5, 3, NULL, 0),
                   (1, 10, 'Rain gauge', NULL, 4, NULL, 0))");
        window.resize(340, 240);
        grid.setGeometry(0, 0, 320, 200);
        other.setGeometry(0, 210, 100, 24);
        grid.setObjectName("dbgResources");
        grid.setDataSource(data);
        QObject::connect(&grid, &BoundGrid::rowColChange, [this] { events << "RowColChange"; });
        QObject::connect(&grid, &BoundGrid::afterColEdit,
                         [this](int c) { events << QString("AfterColEdit %1").arg(c); });
        QObject::connect(&grid, &BoundGrid::afterUpdate, [this] { events << "AfterUpdate"; });
        QObject::connect(&grid, &BoundGrid::error,
                         [this](const RuntimeError& e) { events << QString("Error %1").arg(e.number); });
    }

    void bindLesson(int plan = 1) {
        data.bind(db, lessonSql.arg(plan));
        grid.setColumns(lessonColumns());
        grid.setHeaderRowField("Header");
    }

    // The main window's minutes rules: digits, Backspace and Escape only; an edit only of Duration;
    // an emptied cell or one of 0 or less becomes 0.
    void playWindow() {
        QObject::connect(&grid, &BoundGrid::keyPress, [](Args& k) {
            const qint16 c = k[0].toInt16();
            if (c != 8 && c != 27 && (c < '0' || c > '9')) k[0] = Value::integer(0);
        });
        QObject::connect(&grid, &BoundGrid::beforeColEdit, [this](int col, qint16 key, bool& cancel) {
            cancel = !(grid.columns()[col].field == "Duration" &&
                       (key == 8 || key == 13 || (key >= '0' && key <= '9')));
        });
        QObject::connect(&grid, &BoundGrid::afterColEdit, [this](int col) {
            if (col == 2 && Val(grid.currentCellText()) <= 0) grid.setCurrentCellText("0");
        });
    }

    void showActive() {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        grid.setFocus();
    }

    QStringList shown() const {
        QStringList rows;
        const QAbstractItemModel& m = *grid.model();
        for (int r = 0; r < m.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < m.columnCount(); ++c)
                if (!grid.isColumnHidden(c)) cells << m.index(r, c).data().toString();
            rows << (m.index(r, 1).data(GridModel::HeaderRowRole).toBool() ? "*" : "") + cells.join('|');
        }
        return rows;
    }

    QString stored(const QString& title) {
        Recordset rs = db.openSql("SELECT Duration FROM LessonResources WHERE Title='" + title + "'");
        const Value v = rs.field(0);
        return v.isNull() ? "<null>" : v.toString();
    }

    Database db;
    QString classPath;
    DataControl data;
    QWidget window;
    BoundGrid& grid = *new BoundGrid(&window);
    QLineEdit& other = *new QLineEdit(&window);
    QStringList events;
};

TEST_F(GridTest, ShowsTheRowsThroughTheColumns) {
    struct Case {
        const char* name;
        QString sql;
        QList<GridColumn> columns;
        QStringList rows; // visible cells; "*" marks a heading (bold)
    } cases[] = {
        {"lesson", lessonSql.arg(1), lessonColumns(), {"Balloon|15", "*Air|", "Kite|0", "Rain gauge|"}},
        {"browser", browserSql.arg(2), browserColumns(), {"*|", "Balloon|15", "Kite|20"}},
        {"empty plan", lessonSql.arg(2), lessonColumns(), {}},
    };
    grid.setHeaderRowField("Header");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        data.bind(db, c.sql);
        grid.setColumns(c.columns);
        EXPECT_EQ(shown(), c.rows);
        EXPECT_EQ(data.recordCount(), c.rows.size());
        EXPECT_EQ(grid.columnWidth(1), qRound(c.columns[1].widthTwips / 15.0));
        EXPECT_EQ(grid.columnWidth(2), qRound(c.columns[2].widthTwips / 15.0));
        EXPECT_TRUE(grid.isColumnHidden(0));
    }
}

TEST_F(GridTest, RowHeightReadsBackAndDoubles) {
    bindLesson();
    grid.setRowHeightTwips(0);
    const int automatic = grid.rowHeightTwips();
    EXPECT_GT(automatic, 0);
    grid.setRowHeightTwips(2 * automatic);
    EXPECT_EQ(grid.rowHeightTwips(), 2 * automatic);
    EXPECT_EQ(grid.rowHeight(0), 2 * automatic / 15);
}

TEST_F(GridTest, AnUnknownFieldIsRefused) {
    data.bind(db, lessonSql.arg(1));
    EXPECT_EQ(errorOf([&] { grid.setColumns({{"Minutes", 365, true, false, {}}}); }), 3265);
}

TEST_F(GridTest, TheDataControlHoldsTheCurrentRowAndItsEnds) {
    EXPECT_TRUE(data.bof() && data.eof());
    bindLesson(2);
    EXPECT_TRUE(data.bof() && data.eof());
    EXPECT_EQ(data.bookmark(), -1);
    EXPECT_FALSE(grid.currentIndex().isValid());

    bindLesson(1);
    EXPECT_FALSE(data.bof() || data.eof());
    EXPECT_EQ(data.field("Title").toString(), "Balloon");
    EXPECT_EQ(grid.currentIndex().row(), 0);
    EXPECT_EQ(grid.currentIndex().column(), 1); // the first shown column
    EXPECT_TRUE(events.isEmpty()) << "a load is no move";

    Recordset clone = data.clone();
    clone.moveLast();
    EXPECT_EQ(clone.field("Title").toString(), "Rain gauge");
    EXPECT_EQ(data.field("Title").toString(), "Balloon") << "a clone moves alone";
}

TEST_F(GridTest, MovesOfEitherSideReachTheOther) {
    bindLesson();
    // FindFirst, as after a move of a plan row: the grid follows and raises RowColChange.
    Recordset probe = data.clone();
    probe.findFirst("Title", "Kite");
    ASSERT_TRUE(data.findFirst("LessonItemID", probe.field("LessonItemID")));
    EXPECT_EQ(grid.currentIndex().row(), 2);
    EXPECT_EQ(events, QStringList{"RowColChange"});

    EXPECT_FALSE(data.findFirst("Title", "Snow"));
    EXPECT_EQ(data.field("Title").toString(), "Kite");
    EXPECT_EQ(events.size(), 1);

    // The user's move: the data control's row follows.
    grid.setCurrentIndex(grid.model()->index(1, 2));
    EXPECT_EQ(data.field("Title").toString(), "Air");
    EXPECT_EQ(data.bookmark(), 1);
    data.setBookmark(3);
    EXPECT_EQ(grid.currentIndex(), grid.model()->index(3, 2)) << "the column stays";
    EXPECT_EQ(events.size(), 3);
}

TEST_F(GridTest, DeleteRemovesTheRowFromTheFileAndTheGrid) {
    struct Case {
        const char* name;
        int plan;
        int row;
        QStringList titlesAfter;
        QString currentAfter; // empty: no current row
    } cases[] = {
        {"first", 1, 0, {"Air", "Kite", "Rain gauge"}, "Air"},
        {"middle", 1, 2, {"Balloon", "Air", "Rain gauge"}, "Rain gauge"},
        {"last", 1, 3, {"Balloon", "Air", "Kite"}, "Kite"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db.execute("DELETE FROM LessonResources");
        db.execute(
            R"(INSERT INTO LessonResources (LessonPlanID, ResourceID, Title, Duration, SortOrder, Header)
            VALUES (1, 7, 'Balloon', 15, 1, 0), (1, 8, 'Air', 10, 2, 1), (1, 9, 'Kite', -5, 3, 0),
                   (1, 10, 'Rain gauge', NULL, 4, 0))");
        bindLesson();
        data.setBookmark(c.row);
        data.remove();
        QStringList titles;
        Recordset rs = db.openSql("SELECT Title FROM LessonResources ORDER BY SortOrder");
        for (; !rs.eof(); rs.moveNext()) titles << rs.field(0).toString();
        EXPECT_EQ(titles, c.titlesAfter);
        EXPECT_EQ(data.recordCount(), 3);
        EXPECT_EQ(grid.model()->rowCount(), 3);
        EXPECT_EQ(data.field("Title").toString(), c.currentAfter);
        EXPECT_EQ(grid.currentIndex().data().toString(), c.currentAfter);
    }
    // The only row.
    db.execute("DELETE FROM LessonResources WHERE Title <> 'Air'");
    bindLesson();
    data.remove();
    EXPECT_TRUE(data.bof() && data.eof());
    EXPECT_FALSE(grid.currentIndex().isValid());
}

TEST_F(GridTest, MinutesTypedIntoTheLessonGrid) {
    const QStringList written{"AfterColEdit 2", "AfterUpdate"};
    struct Case {
        const char* name;
        int column;
        QList<int> keys;
        QString stored; // Kite's Duration afterwards, -5 before
        QString shown;
        QStringList events;
    } cases[] = {
        {"digits", 2, {'3', '5', Qt::Key_Return}, "35", "35", written},
        {"a letter first opens nothing", 2, {'a', '4', Qt::Key_Return}, "4", "04", written},
        {"a minus sign is dropped", 2, {'1', '-', '2', Qt::Key_Return}, "12", "12", written},
        {"emptied", 2, {Qt::Key_Backspace, Qt::Key_Return}, "0", "00", written},
        {"zero", 2, {'0', '0', Qt::Key_Return}, "0", "00", written},
        {"escape keeps the old value", 2, {'7', Qt::Key_Escape}, "-5", "0", {}},
        {"the title is no edit", 1, {'7', Qt::Key_Return}, "-5", "0", {}},
        {"too many minutes",
         2,
         {'4', '0', '0', '0', '0', Qt::Key_Return},
         "-5",
         "0",
         {"AfterColEdit 2", "Error 6"}},
    };
    playWindow();
    showActive();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db.execute("UPDATE LessonResources SET Duration = -5 WHERE Title = 'Kite'");
        bindLesson();
        grid.setCurrentIndex(grid.model()->index(2, c.column));
        events.clear();
        typeKeys(c.keys);
        EXPECT_EQ(stored("Kite"), c.stored);
        events.removeAll("RowColChange");
        EXPECT_EQ(events, c.events);
        EXPECT_EQ(QApplication::focusWidget(), &grid) << "the editor is closed";
        EXPECT_EQ(grid.model()->index(2, 2).data().toString(), c.shown);
    }
}

TEST_F(GridTest, KeyAsciiIsTakenBackFromTheHandler) {
    struct Case {
        const char* name;
        std::function<void(Args&)> handler;
        QList<int> keys;
        QString stored;
    } cases[] = {
        {"as typed", [](Args&) {}, {'4', '2', Qt::Key_Return}, "42"},
        {"dropped inside the editor",
         [](Args& k) {
             if (k[0].toInt16() == '2') k[0] = Value::integer(0);
         },
         {'4', '2', '5', Qt::Key_Return},
         "45"},
        {"replaced",
         [](Args& k) {
             if (k[0].toInt16() == '4') k[0] = Value::integer('9');
         },
         {'4', '4', Qt::Key_Return},
         "99"},
    };
    std::function<void(Args&)> handler;
    QObject::connect(&grid, &BoundGrid::keyPress, [&](Args& k) { handler(k); });
    showActive();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        handler = c.handler;
        bindLesson();
        grid.setCurrentIndex(grid.model()->index(0, 2));
        typeKeys(c.keys);
        EXPECT_EQ(stored("Balloon"), c.stored);
    }
}

TEST_F(GridTest, CtrlVReachesKeyPressAsCode22) {
    QList<qint16> codes;
    QObject::connect(&grid, &BoundGrid::keyPress, [&](Args& k) {
        codes << k[0].toInt16();
        k[0] = Value::integer(0);
    });
    bindLesson();
    showActive();
    QTest::keyClick(&grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(codes, QList<qint16>{22});
}

TEST_F(GridTest, TheBrowserRefusesEveryEdit) {
    bool asked = false;
    QObject::connect(&grid, &BoundGrid::beforeColEdit, [&](int, qint16, bool&) { asked = true; });
    data.bind(db, browserSql.arg(2));
    grid.setColumns(browserColumns());
    showActive();
    grid.setCurrentIndex(grid.model()->index(1, 2));
    typeKeys({'4', Qt::Key_Return});
    EXPECT_FALSE(asked);
    EXPECT_EQ(grid.findChild<QLineEdit*>(), nullptr);
    Recordset rs = db.openSql("SELECT Duration FROM Resources WHERE ResourceID = 7");
    EXPECT_EQ(rs.field(0).toInt32(), 15);
    grid.setCurrentCellText("9");
    EXPECT_EQ(grid.currentCellText(), "15");
}

TEST_F(GridTest, TextIsTheCellShownOrTheTextOfTheEndingEdit) {
    bindLesson();
    grid.setCurrentIndex(grid.model()->index(2, 2));
    EXPECT_EQ(grid.currentCellText(), "0") << "Kite's -5 as shown";
    grid.setCurrentCellText("25");
    EXPECT_EQ(stored("Kite"), "25");
    EXPECT_EQ(events, (QStringList{"RowColChange", "AfterUpdate"}));

    QString seen;
    QObject::connect(&grid, &BoundGrid::afterColEdit, [&](int) {
        seen = grid.currentCellText();
        grid.setCurrentCellText("30");
    });
    showActive();
    typeKeys({'8', Qt::Key_Return});
    EXPECT_EQ(seen, "8");
    EXPECT_EQ(stored("Kite"), "30");
}

TEST_F(GridTest, FocusEventsAreTheWholeGrids) {
    QStringList focus;
    QObject::connect(&grid, &BoundGrid::gotFocus, [&] { focus << "GotFocus"; });
    QObject::connect(&grid, &BoundGrid::lostFocus, [&] { focus << "LostFocus"; });
    bindLesson();
    showActive();
    other.setFocus();
    focus.clear();
    grid.setFocus();
    grid.setCurrentIndex(grid.model()->index(0, 2));
    typeKeys({'5'}); // the cell editor takes the focus inside the grid
    ASSERT_NE(grid.findChild<QLineEdit*>(), nullptr);
    other.setFocus(); // ends the edit
    EXPECT_EQ(focus, (QStringList{"GotFocus", "LostFocus"}));
    EXPECT_EQ(stored("Balloon"), "5");
}

// The focus moving from one grid to another: the loss first, also from a grid made after the other.
TEST_F(GridTest, TheGridLosingTheFocusHearsItBeforeTheGridTakingIt) {
    QStringList focus;
    BoundGrid later(&window);
    later.setGeometry(0, 210, 100, 24);
    for (BoundGrid* g : {&grid, &later}) {
        const QString name = g == &grid ? "grid" : "later";
        // Heard while `later` lives: the fixture's grid outlives this test.
        QObject::connect(g, &BoundGrid::gotFocus, &later, [&focus, name] { focus << name + " GotFocus"; });
        QObject::connect(g, &BoundGrid::lostFocus, &later, [&focus, name] { focus << name + " LostFocus"; });
    }
    showActive();
    focus.clear();
    later.setFocus();
    grid.setFocus();
    EXPECT_EQ(focus, (QStringList{"grid LostFocus", "later GotFocus", "later LostFocus", "grid GotFocus"}));
}

TEST_F(GridTest, DragCellNamesThePressedRowAndDropsNameTheirSource) {
    QList<int> dragged;
    QStringList dropped;
    QObject::connect(&grid, &BoundGrid::dragCell, [&](int b) { dragged << b; });
    QObject::connect(&grid, &BoundGrid::dragDrop, [&](const QString& s) { dropped << s; });
    bindLesson();
    showActive();
    const QPoint from = grid.visualRect(grid.model()->index(2, 1)).center();
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, from);
    for (int step = 1; step <= 3; ++step) {
        QMouseEvent move(QEvent::MouseMove, from + QPoint(0, 10 * step),
                         grid.viewport()->mapToGlobal(from + QPoint(0, 10 * step)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(grid.viewport(), &move);
    }
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, from + QPoint(0, 30));
    EXPECT_EQ(dragged, QList<int>{2}) << "once, for the pressed row";
    EXPECT_EQ(data.field("Title").toString(), "Kite");

    QWidget source;
    source.setObjectName("dbgAdditional");
    std::unique_ptr<QMimeData> mime(ManualDrag::dataOf(&source));
    QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(grid.viewport(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::MoveAction, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(grid.viewport(), &drop);
    EXPECT_EQ(dropped, QStringList{"dbgAdditional"});
}

TEST_F(GridTest, DoubleClickIsRaised) {
    int clicks = 0;
    QObject::connect(&grid, &BoundGrid::dblClick, [&] { ++clicks; });
    bindLesson();
    showActive();
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {},
                       grid.visualRect(grid.model()->index(1, 1)).center());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(data.field("Title").toString(), "Air");
    EXPECT_EQ(grid.findChild<QLineEdit*>(), nullptr) << "a click opens no editor";
}

TEST_F(GridTest, TheMarqueeShowsTheCurrentRowOrNothing) {
    bindLesson();
    showActive();
    const QRect cell = grid.visualRect(grid.model()->index(0, 1));
    const QColor highlight = grid.palette().color(QPalette::Active, QPalette::Highlight);
    const auto colourAt = [&] {
        return grid.viewport()->grab().toImage().pixelColor(cell.right() - 3, cell.bottom() - 3);
    };
    // The style shades the highlight a little.
    const auto near = [](const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) <
               12;
    };
    grid.setMarqueeStyle(MarqueeStyle::HighlightRow);
    EXPECT_TRUE(near(colourAt(), highlight));
    grid.setMarqueeStyle(MarqueeStyle::NoMarquee);
    EXPECT_EQ(colourAt(), grid.palette().color(QPalette::Base));
    grid.setMarqueeStyle(MarqueeStyle::FloatingEditor); // only the current cell
    grid.setCurrentIndex(grid.model()->index(0, 2));
    EXPECT_EQ(colourAt(), grid.palette().color(QPalette::Base));
    grid.setCurrentIndex(grid.model()->index(0, 1));
    EXPECT_TRUE(near(colourAt(), highlight));
}

} // namespace
