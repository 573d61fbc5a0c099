#include "controls/weekcell/WeekViewCellIds.h"
#include "planner/data/course_database.h"
#include "planner/data/lesson_plans.h"
#include "planner/ui/localize_control.h"
#include "planner/window/day_box.h"
#include "planner/window/tests/main_window_fixture.h"
#include "runtime/com/control.h"
#include "runtime/dao/database.h"
#include "runtime/error.h"
#include "runtime/outside/calendar/calendar_ids.h"
#include "runtime/outside/calendar/month_calendar.h"
#include "runtime/ui/fitted_text.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

namespace {

qint32 jan(int d) {
    return rt::day(2027, 1, d);
}

// The window's colour in SAMPLE1's configuration (204, 229, 255), and white.
constexpr qint32 windowColour = 0xFFE5CC;
constexpr qint32 white = 0xFFFFFF;

// The calendar views on SAMPLE1's class, January 2027, shown offscreen so that they take clicks.
class CalendarViewsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        open();
        window->show();
    }

    // The view that is shown: the option that is set, when its picture is in front.
    QString view() const {
        const std::tuple<QRadioButton*, QWidget*, const char*> views[] = {
            {window->opDayView, window->picDayView, "day"},
            {window->opWeekView, window->picWeekView, "week"},
            {window->opMonthView, window->picMonthView, "month"}};
        for (const auto& [option, picture, name] : views)
            if (option->isChecked()) return frontView() == picture ? name : QStringLiteral("another picture");
        return QStringLiteral("none");
    }

    rt::Value cell(int i, rt::DispId id) const { return rt::get(*window->cCell[i], id); }

    // Whether a day box lies in front of the month view, where it is seen.
    bool inFront(int k) const {
        const QObjectList& order = window->centralWidget()->children();
        return window->txtMV[k]->isVisibleTo(window->centralWidget()) &&
               order.indexOf(window->txtMV[k]) > order.indexOf(window->picMonthView);
    }

    QString tag(int k) const { return window->txtMV[k]->property(TagProperty).toString(); }

    void addPlan(qint32 date, const QString& title) {
        LessonPlanRecord rec;
        rec.TreeID = -1;
        rec.LPDate = date;
        rec.Title = title;
        AddLessonPlan(rec);
    }
};

TEST_F(CalendarViewsTest, EachWayOfMovingGivesTheDateItsPlanAndTheViewThatFollows) {
    window->ChangeCurrentDate(jan(8));
    struct Case {
        const char* action;
        std::function<void()> act;
        qint32 date;
        const char* title;
        const char* view;
    };
    const Case cases[] = {
        {"Next Day on Friday 8th", [&] { QTest::mouseClick(window->cmdNextDay, Qt::LeftButton); }, jan(11),
         "Cloud Types", "day"},
        {"Previous Day on Monday 11th", [&] { QTest::mouseClick(window->cmdPrevDay, Qt::LeftButton); },
         jan(8), "How Clouds Form", "day"},
        {"calendar selection of Saturday 9th",
         [&] { rt::let(*window->SSMonth1[0], rt::ssMonthId::Date, rt::Value::date(jan(9))); }, jan(11),
         "Cloud Types", "day"},
        {"week view", [&] { window->mnuViewWeek->trigger(); }, jan(11), "Cloud Types", "week"},
        {"click on Tuesday's cell", [&] { QTest::mouseClick(window->cCell[1], Qt::LeftButton); }, jan(12),
         "Steam and Puddles", "week"},
        {"double click on Monday's cell", [&] { QTest::mouseDClick(window->cCell[0], Qt::LeftButton); },
         jan(11), "Cloud Types", "day"},
        {"month view", [&] { window->mnuViewMonth->trigger(); }, jan(11), "Cloud Types", "month"},
        {"click on the 5th's box", [&] { QTest::mouseClick(window->txtMV[5]->viewport(), Qt::LeftButton); },
         jan(5), "Moving Air Is Wind", "month"},
        {"double click on the 4th's box",
         [&] { QTest::mouseDClick(window->txtMV[4]->viewport(), Qt::LeftButton); }, jan(4),
         "Air Takes Up Space", "day"},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_EQ(CurrentLesson.LPDate, c.date) << c.action;
        EXPECT_EQ(CurrentLesson.Title.toString(), c.title) << c.action;
        EXPECT_EQ(view(), c.view) << c.action;
        for (rt::MonthCalendar* cal : window->SSMonth1) EXPECT_EQ(cal->date(), c.date) << c.action;
        EXPECT_FALSE(window->IgnoreCalendarChange) << c.action;
        EXPECT_EQ(cursor.pointer(window.get()), rt::Pointer::Default) << c.action;
    }
    EXPECT_TRUE(msg.shown.isEmpty());
}

TEST_F(CalendarViewsTest, TheWeekOfTheFourthShowsEachDayWithTheCurrentDateInWhite) {
    window->ChangeCurrentDate(jan(6));
    window->mnuViewWeek->trigger();
    EXPECT_EQ(window->lblDate[0]->text(), "January 4-10, 2027");
    EXPECT_EQ(window->lblTeacher[1]->text(), ClassTeacher + ", " + ClassPeriod + ", " + ClassSubject);
    struct Row {
        QString date, title;
        qint32 colour;
        bool enabled;
    };
    const auto shown = [this] {
        QList<Row> rows;
        for (int i = 0; i < 6; ++i)
            rows.append(
                {cell(i, WeekViewCellId::DateText).toString(), cell(i, WeekViewCellId::TitleText).toString(),
                 cell(i, WeekViewCellId::BackColor).toInt32(), cell(i, WeekViewCellId::Enabled).toBool()});
        return rows;
    };
    const QList<Row> week = shown();
    const QList<Row> expected = {
        {"Monday, January 4", "Air Takes Up Space", windowColour, true},
        {"Tuesday, January 5", "Moving Air Is Wind", windowColour, true},
        {"Wednesday, January 6", "Air Has Weight", white, true},
        {"Thursday, January 7", CurrentLesson.Title.toString(), windowColour, true},
        {"Friday, January 8", "How Clouds Form", windowColour, true},
        // Saturday the 9th holds a plan, which the weekend cell does not show.
        {"Saturday/Sunday, January 9-10", "", windowColour, false},
    };
    ASSERT_EQ(week.size(), expected.size());
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(week[i].date, expected[i].date) << i;
        EXPECT_EQ(week[i].colour, expected[i].colour) << i;
        EXPECT_EQ(week[i].enabled, expected[i].enabled) << i;
    }
    EXPECT_EQ(week[3].title.left(11), "Field Trip-");
    EXPECT_EQ(window->SelectedCellIndex, 2);
    for (int i : {0, 1, 4, 5})
        EXPECT_TRUE(week[i].title.contains(expected[i].title)) << week[i].title.toStdString();
    EXPECT_EQ(cell(2, WeekViewCellId::CellDate).toDate(), jan(6));

    // A click paints the old white cell in the window's colour before the date moves.
    QTest::mouseClick(window->cCell[4], Qt::LeftButton);
    const QList<Row> after = shown();
    for (int i = 0; i < 6; ++i) EXPECT_EQ(after[i].colour, i == 4 ? white : windowColour) << i;
    EXPECT_EQ(window->SelectedCellIndex, 4);
    EXPECT_EQ(CurrentLesson.LPDate, jan(8));
}

TEST_F(CalendarViewsTest, TheDayViewShowsThePlanOrNoLessonPlan) {
    window->ChangeCurrentDate(jan(7));
    EXPECT_EQ(window->lblDate[1]->text(), "Thursday January 7, 2027");
    EXPECT_EQ(window->lblUnit[0]->text(), CurrentLesson.Title.toString()) << "a special day shows its title";
    EXPECT_TRUE(window->mnuEditCopyLesson->isEnabled());

    window->tabLesson->setCurrentIndex(1);
    window->ChangeCurrentDate(jan(15));
    EXPECT_EQ(window->lblDate[1]->text(), "Friday January 15, 2027");
    EXPECT_EQ(window->lblUnit[0]->text(), "No Lesson Plan");
    EXPECT_EQ(window->lblTeacher[0]->text(), ClassTeacher + ", " + ClassPeriod + ", " + ClassSubject);
    EXPECT_EQ(CurrentLesson.TreeID, -999);
    EXPECT_EQ(window->tabLesson->currentIndex(), 0);
    for (QWidget* w : std::initializer_list<QWidget*>{window->tabLesson, window->tabResource, window->cmdUp,
                                                      window->cmdDown, window->cmdLeft, window->cmdRight})
        EXPECT_FALSE(ownEnabled(w)) << w->objectName().toStdString();
    EXPECT_FALSE(window->mnuEditCutLesson->isEnabled());
    EXPECT_FALSE(window->mnuEditCopyLesson->isEnabled());

    window->ChangeCurrentDate(jan(12));
    EXPECT_TRUE(ownEnabled(window->tabLesson));
    EXPECT_TRUE(ownEnabled(window->tabResource));
    EXPECT_TRUE(window->lblUnit[0]->text().contains("Steam and Puddles"));
    EXPECT_TRUE(window->mnuEditCutLesson->isEnabled());
}

TEST_F(CalendarViewsTest, TheMonthViewShowsABoxOnEveryDayWithAPlan) {
    // The boxes' days are built from numbers, so a day-first language changes nothing.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const auto restoreLocale = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    window->mnuViewMonth->trigger();
    // The plan stored with a time of day on the 14th belongs to no day.
    const QList<int> planned{4, 5, 6, 7, 8, 9, 11, 12, 13};
    for (int k = 1; k <= 31; ++k) {
        EXPECT_EQ(inFront(k), planned.contains(k)) << k;
        if (!planned.contains(k)) continue;
        EXPECT_TRUE(window->txtMV[k]->toPlainText().startsWith(QString::number(k) + " ")) << k;
        EXPECT_EQ(tag(k), QStringLiteral("01/%1/27").arg(k, 2, 10, QLatin1Char('0')));
        // The box lies on its day's cell of the calendar.
        const QRect cell = window->SSMonth1[1]->cellRect(jan(k));
        EXPECT_EQ(window->txtMV[k]->pos(),
                  window->SSMonth1[1]->mapTo(window->centralWidget(), cell.topLeft()))
            << k;
        EXPECT_EQ(window->txtMV[k]->width(), cell.width()) << k;
    }
    EXPECT_TRUE(window->txtMV[5]->toPlainText().contains("Moving Air Is Wind"));
    EXPECT_TRUE(window->txtMV[7]->toPlainText().contains("Field Trip-")) << "the special day's text";
    EXPECT_EQ(window->SSMonth1[1]->dayText(jan(3)), "");
    EXPECT_TRUE(window->SSMonth1[1]->isEnabled());
    EXPECT_EQ(rt::get(*window->SSMonth1[1], rt::ssMonthId::MousePointer).toInt16(), 0);

    // Within the month the date moves without a refresh or a new layout: two boxes change colour.
    loop.count = 0;
    QTest::mouseClick(window->txtMV[5]->viewport(), Qt::LeftButton);
    EXPECT_EQ(loop.count, 0);
    EXPECT_EQ(window->txtMV[13]->palette().color(QPalette::Base), window->palette().color(QPalette::Button));
    EXPECT_EQ(window->txtMV[5]->palette().color(QPalette::Base), QColor(0, 0, 255));
    EXPECT_EQ(window->txtMV[5]->palette().color(QPalette::Text), QColor(255, 255, 255));

    // Another month is laid out once each calendar reports it, February's plan-less days sent back.
    window->ChangeCurrentDate(rt::day(2027, 2, 3));
    EXPECT_EQ(loop.count, 2);
    for (int k = 1; k <= 31; ++k) EXPECT_FALSE(inFront(k)) << k;
    EXPECT_EQ(view(), "month");
}

TEST_F(CalendarViewsTest, FebruaryOfALeapYearLaysOutItsTwentyNinthAndSendsTheRestBack) {
    for (int k : {29, 30, 31}) addPlan(rt::day(2028, 1, k), QStringLiteral("January %1").arg(k));
    addPlan(rt::day(2028, 2, 29), QStringLiteral("Leap day"));
    window->ChangeCurrentDate(rt::day(2028, 1, 31));
    window->mnuViewMonth->trigger();
    for (int k : {29, 30, 31}) EXPECT_TRUE(inFront(k)) << "January's " << k;
    window->ChangeCurrentDate(rt::day(2028, 2, 29));
    EXPECT_TRUE(inFront(29));
    EXPECT_EQ(tag(29), "02/29/28");
    EXPECT_TRUE(window->txtMV[29]->toPlainText().startsWith("29 "));
    EXPECT_TRUE(window->txtMV[29]->toPlainText().endsWith("Leap day"));
    EXPECT_FALSE(inFront(30));
    EXPECT_FALSE(inFront(31));
}

TEST_F(CalendarViewsTest, ADayBoxTagIsReadInTheCenturyOfTheMonthShown) {
    addPlan(rt::day(2030, 1, 15), QStringLiteral("Thirty"));
    window->ChangeCurrentDate(rt::day(2030, 1, 14));
    window->mnuViewMonth->trigger();
    EXPECT_EQ(tag(15), "01/15/30");
    QTest::mouseClick(window->txtMV[15]->viewport(), Qt::LeftButton);
    EXPECT_EQ(CurrentLesson.LPDate, rt::day(2030, 1, 15));
    EXPECT_EQ(CurrentLesson.Title.toString(), "Thirty");
}

TEST_F(CalendarViewsTest, TheCalendarsFollowTheDateThroughTheCentury) {
    addPlan(rt::day(2031, 1, 6), QStringLiteral("Next decade"));
    window->ChangeCurrentDate(rt::day(2031, 1, 6));
    for (rt::MonthCalendar* cal : window->SSMonth1) EXPECT_EQ(cal->date(), rt::day(2031, 1, 6));
    EXPECT_EQ(CurrentLesson.Title.toString(), "Next decade");
}

// A calendar that refuses the date keeps its own; the date and its own plan become current.
TEST_F(CalendarViewsTest, ACalendarThatRefusesTheDateStillLetsItBecomeCurrent) {
    addPlan(rt::day(2031, 1, 6), QStringLiteral("Beyond the calendar"));
    for (rt::MonthCalendar* cal : window->SSMonth1)
        rt::let(*cal, rt::ssMonthId::MaxDate, QStringLiteral("12/31/2030"));
    window->ChangeCurrentDate(rt::day(2031, 1, 6));
    EXPECT_EQ(CurrentLesson.LPDate, rt::day(2031, 1, 6));
    EXPECT_EQ(CurrentLesson.Title.toString(), "Beyond the calendar");
    EXPECT_EQ(window->lblDate[1]->text(), "Monday January 6, 2031");
    for (rt::MonthCalendar* cal : window->SSMonth1) EXPECT_EQ(cal->date(), jan(13));
    EXPECT_FALSE(window->IgnoreCalendarChange);
    EXPECT_EQ(cursor.pointer(window.get()), rt::Pointer::Default);
}

// A view that fails part-way leaves nothing set that would stop the next change of date.
TEST_F(CalendarViewsTest, AfterAFailedRefreshACalendarSelectionChangesTheDate) {
    CourseDB.execute("ALTER TABLE LessonTree RENAME TO LessonTreeAway");
    EXPECT_THROW(window->ChangeCurrentDate(jan(11)), rt::RuntimeError);
    EXPECT_FALSE(window->IgnoreCalendarChange);
    EXPECT_EQ(cursor.pointer(window.get()), rt::Pointer::Default);
    CourseDB.execute("ALTER TABLE LessonTreeAway RENAME TO LessonTree");

    rt::let(*window->SSMonth1[0], rt::ssMonthId::Date, rt::Value::date(jan(12)));
    EXPECT_EQ(CurrentLesson.LPDate, jan(12));
    EXPECT_EQ(window->lblDate[1]->text(), "Tuesday January 12, 2027");
    EXPECT_TRUE(msg.shown.isEmpty());
}

TEST_F(CalendarViewsTest, TheCellsCalendarsAndBoxesOfferNoTextCommands) {
    window->mnuViewMonth->trigger();
    const auto focus = [](QWidget* w) {
        QFocusEvent in(QEvent::FocusIn);
        QApplication::sendEvent(w, &in);
    };
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"month calendar", [&] { focus(window->SSMonth1[1]); }},
        {"day box", [&] { focus(window->txtMV[13]); }},
        {"week cell", [&] { focus(window->cCell[0]); }},
    };
    for (const auto& [name, give] : cases) {
        for (QAction* item : {window->mnuEditCopyText, window->mnuEditCutText, window->mnuEditPasteText})
            item->setEnabled(true);
        give();
        for (QAction* item : {window->mnuEditCopyText, window->mnuEditCutText, window->mnuEditPasteText})
            EXPECT_FALSE(item->isEnabled()) << name << " " << item->objectName().toStdString();
    }
}

TEST_F(CalendarViewsTest, ARightDoubleClickOnTheCalendarKeepsTheWeekView) {
    window->mnuViewWeek->trigger();
    QWidget* cal = window->SSMonth1[0];
    const QPoint day = window->SSMonth1[0]->cellRect(jan(13)).center();
    QTest::mouseDClick(cal, Qt::RightButton, {}, day);
    EXPECT_EQ(window->CalendarMouseButton, 2);
    EXPECT_EQ(view(), "week");
    QTest::mouseDClick(cal, Qt::LeftButton, {}, day);
    EXPECT_EQ(view(), "day");
}

// A text as a label or a day box shows it in `box`: each line within the width, no more lines than the
// height holds, no word broken across lines; a text that does not fit ends in "…" and is the tooltip.
void expectKeptToBox(QWidget& w, const rt::FittedText& shown, const QString& whole, const QRect& box) {
    const QFontMetrics fm(w.font());
    ASSERT_FALSE(shown.lines.isEmpty());
    EXPECT_LE((shown.lines.size() - 1) * fm.lineSpacing() + fm.height(), box.height());
    // A line may also break after a hyphen.
    const auto wordsOf = [](const QString& text) {
        return QString(text).replace(u'-', QStringLiteral("- ")).split(u' ', Qt::SkipEmptyParts);
    };
    const QStringList words = wordsOf(whole.simplified());
    for (const QString& line : shown.lines) {
        EXPECT_LE(fm.horizontalAdvance(line), box.width()) << line.toStdString();
        QStringList lineWords = wordsOf(line);
        if (line.endsWith(QChar(0x2026))) lineWords.removeLast(); // the word the cut falls in
        for (const QString& word : lineWords)
            EXPECT_TRUE(words.contains(word)) << "a word broken: " << word.toStdString();
    }
    if (shown.cut) {
        EXPECT_TRUE(shown.lines.last().endsWith(QChar(0x2026))) << whole.toStdString();
    } else {
        EXPECT_EQ(shown.lines.join(u' ').simplified(), whole.simplified());
    }
    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), w.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&w, &tip);
    EXPECT_EQ(w.toolTip(), shown.cut ? whole : QString());
}

// No label of the view that shows a text overlaps another of the view's controls.
void expectLabelsClear(QWidget& view) {
    for (auto* label : view.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (!label->isVisibleTo(&view) || label->text().isEmpty()) continue;
        for (auto* other : view.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == label || !other->isVisibleTo(&view)) continue;
            EXPECT_FALSE(label->geometry().intersects(other->geometry()))
                << label->text().toStdString() << " under " << other->objectName().toStdString();
        }
    }
}

// Every day of January in the day and month views, the Field Trip of the 7th the longest: the texts keep
// to their boxes, a cut one ends in "…"; the day view's tab strips name their pages; the week cells'
// texts keep clear of the cells' borders.
TEST_F(CalendarViewsTest, TextsKeepToTheirBoxesAndACutTextEndsInAnEllipsis) {
    const auto fitted = [](QLabel* l) { return dynamic_cast<rt::FittedLabel*>(l); };
    for (int d = 1; d <= 31; ++d) {
        SCOPED_TRACE(d);
        window->ChangeCurrentDate(jan(d));
        window->mnuViewDay->trigger();
        for (QLabel* label : {window->lblDate[1], window->lblTeacher[0], window->lblUnit[0]}) {
            ASSERT_NE(fitted(label), nullptr);
            expectKeptToBox(*label, fitted(label)->shown(), label->text(), label->contentsRect());
        }
        expectLabelsClear(*window->picDayView);
    }
    window->ChangeCurrentDate(jan(7));
    window->mnuViewDay->trigger();
    EXPECT_TRUE(fitted(window->lblUnit[0])->shown().cut) << "the Field Trip's title is longer than its label";

    const auto captions = [](QTabBar* bar) {
        QStringList out;
        for (int i = 0; i < bar->count(); ++i) {
            out << bar->tabText(i);
            EXPECT_GE(bar->tabRect(i).width(), bar->fontMetrics().horizontalAdvance(bar->tabText(i)));
            EXPECT_TRUE(bar->rect().contains(bar->tabRect(i)))
                << bar->rect().height() << " high, its tab " << bar->tabRect(i).height();
        }
        return out;
    };
    EXPECT_EQ(captions(window->tabLesson), (QStringList{"Summary", "Details"}));
    EXPECT_EQ(captions(window->tabResource), (QStringList{"Resources", "Library"}));

    window->mnuViewWeek->trigger();
    expectLabelsClear(*window->picWeekView);
    for (rt::Control* cell : window->cCell)
        for (auto* label : cell->findChildren<QLabel*>())
            EXPECT_GT(label->contentsRect().left(), 0) << "text against the cell's border";

    window->mnuViewMonth->trigger();
    for (int k : {4, 5, 6, 7, 8, 9, 11, 12, 13}) {
        SCOPED_TRACE(k);
        auto* box = dynamic_cast<DayBox*>(window->txtMV[k]);
        ASSERT_NE(box, nullptr);
        expectKeptToBox(*box, box->shown(), box->toPlainText(), box->viewport()->rect());
    }
    EXPECT_TRUE(dynamic_cast<DayBox*>(window->txtMV[7])->shown().cut);
}

} // namespace
