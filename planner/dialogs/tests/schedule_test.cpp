#include "modal_driver.h"
#include "planner/core/planner.h"
#include "planner/core/school_days.h"
#include "planner/core/testing/recording_main_window.h"
#include "planner/data/testing/course_fixture.h"
#include "planner/data/testing/query_rows.h"
#include "planner/dialogs/qt_planner_dialogs.h"
#include "planner/dialogs/schedule.h"
#include "planner/window/plan_x_scheduling.h"
#include "runtime/clock.h"
#include "runtime/com/data_object.h"
#include "runtime/outside/calendar/month_calendar.h"
#include "runtime/outside/tree/outside_tree.h"
#include "runtime/outside/tree/tree_ids.h"
#include "runtime/testing/test_dates.h"
#include "shared/course_settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

namespace {

using rt::day;

// Lessons of the sample course's tree: a unit, and lessons under its chapter "What Is Air?".
constexpr qint32 unitAirAndSky = 10, airTakesUpSpace = 12, airHasWeight = 13, movingAirIsWind = 14;

// The wizard on the sample course, loaded on Wednesday 3 March 2027.
class ScheduleTest : public CourseFixture {
protected:
    void SetUp() override {
        CourseFixture::SetUp();
        attach();
        ResetLessonRecord(CurrentLesson);
        CurrentLesson.LPDate = day(2027, 3, 3);
        wizard = std::make_unique<Schedule>(msg, loop);
        wizard->show();
    }
    void TearDown() override {
        QLocale::setDefault(QLocale::system());
        wizard.reset();
        BlockedDays = {0};
        LessonQueue.clear();
        CourseFixture::TearDown();
    }

    template <class W> W* the(const char* name, int index = 0) {
        return control<W>(driven ? *driven : *wizard, name, index);
    }
    QTreeWidget* tree() { return the<rt::OutsideTree>("pvtBrackwell")->view(); }
    rt::MonthCalendar* calendar(const char* name) { return the<rt::MonthCalendar>(name); }

    // The page shown, the buttons that are on and the one of Next and OK in front: "2 next prev | Next".
    QString shown() {
        QString out;
        for (const auto& [name, number] : {std::pair{"picStartDate", "4"},
                                           {"picLessonChoice", "0"},
                                           {"picBrackwell", "2"},
                                           {"picCustom", "3"},
                                           {"picExceptDate", "1"}})
            if (the<QWidget>(name)->isVisible()) out += number;
        for (const auto& [name, text] :
             {std::pair{"cmdNext", " next"}, {"cmdPrev", " prev"}, {"cmdOK", " ok"}})
            if (the<QPushButton>(name)->isEnabled()) out += text;
        const QObjectList order = the<QPushButton>("cmdNext")->parent()->children();
        const bool nextInFront =
            order.indexOf(the<QPushButton>("cmdNext")) > order.indexOf(the<QPushButton>("cmdOK"));
        return out + (nextInFront ? " | Next" : " | OK");
    }

    // Selects the node of the lesson, expanding its ancestors as the user would.
    void select(qint32 treeID) {
        const std::function<QTreeWidgetItem*(QTreeWidgetItem*)> find =
            [&](QTreeWidgetItem* parent) -> QTreeWidgetItem* {
            for (int i = 0; i < parent->childCount(); ++i) {
                QTreeWidgetItem* item = parent->child(i);
                if (item->data(0, Qt::UserRole).toInt() == treeID) return item;
                if (item->childCount() > 0 && treeID / 10 == item->data(0, Qt::UserRole).toInt() / 10) {
                    item->setExpanded(true);
                    if (QTreeWidgetItem* found = find(item)) return found;
                }
            }
            return nullptr;
        };
        QTreeWidgetItem* item = find(tree()->invisibleRootItem());
        ASSERT_TRUE(item) << treeID;
        tree()->setCurrentItem(item);
    }
    void queue(qint32 treeID) {
        select(treeID);
        the<QPushButton>("cmdAdd")->click();
    }
    QStringList queued() {
        QStringList rows;
        auto* list = the<QListWidget>("List1");
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text() + u'=' + list->item(i)->data(Qt::UserRole).toString();
        return rows;
    }
    void press(const char* button) { the<QPushButton>(button)->click(); }
    void clickDay(rt::MonthCalendar* cal, qint32 date) {
        QTest::mouseClick(cal, Qt::LeftButton, {}, cal->cellRect(date).center());
    }
    // Drops OLE text data on the queue, as the end of a drag from elsewhere.
    void dropOnQueue(const QString& text) {
        QMimeData data;
        data.setText(text);
        QWidget* target = the<QListWidget>("List1")->viewport();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &drop);
    }
    // Raises a tree event as the control does, and gives back its arguments.
    rt::Args raise(int event, rt::Args args) {
        emit the<rt::OutsideTree>("pvtBrackwell")->raised(event, args);
        return args;
    }

    std::unique_ptr<Schedule> wizard;
    QWidget* driven = nullptr; // a wizard that a modal driver answers, in place of `wizard`
};

TEST_F(ScheduleTest, LoadsOnPageFourWithTheCurrentDateAndOneDay) {
    EXPECT_EQ(wizard->windowTitle(), "Schedule Lessons");
    EXPECT_EQ(shown(), "4 next | Next");
    EXPECT_EQ(wizard->calStart(), day(2027, 3, 3));
    auto* days = the<QComboBox>("cboDays");
    EXPECT_FALSE(days->isEditable());
    QStringList entries;
    for (int i = 0; i < days->count(); ++i) entries << days->itemText(i);
    EXPECT_EQ(entries, (QStringList{"1", "2", "3", "4", "5", "10", "15", "20"}));
    EXPECT_EQ(wizard->cboDays(), "1");
    EXPECT_TRUE(the<QRadioButton>("optLessonChoice", 0)->isChecked());
    EXPECT_EQ(queued(), QStringList{"<none>=-1"});
    EXPECT_EQ(tree()->topLevelItemCount(), 6);
    for (const char* cal : {"calStart", "calExcept"}) {
        EXPECT_FALSE(calendar(cal)->weekdayEnabled(1)) << cal;
        EXPECT_FALSE(calendar(cal)->weekdayEnabled(7)) << cal;
    }

    // Without a current date the wizard starts on today.
    CurrentLesson.LPDate = 0;
    rt::setToday(day(2027, 5, 4));
    Schedule fresh(msg, loop);
    rt::setToday(std::nullopt);
    EXPECT_EQ(fresh.calStart(), day(2027, 5, 4));
}

TEST_F(ScheduleTest, PagesFollowNextAndPrevious) {
    struct Step {
        const char* what;
        std::function<void()> act;
        const char* shown;
    };
    const QList<Step> table = {
        {"Next", [&] { press("cmdNext"); }, "0 next prev | Next"},
        {"Next to the course lessons, none queued", [&] { press("cmdNext"); }, "2 prev | Next"},
        {"a lesson queued", [&] { queue(airTakesUpSpace); }, "2 next prev | Next"},
        {"Next to the days left out", [&] { press("cmdNext"); }, "1 prev ok | OK"},
        {"Previous", [&] { press("cmdPrev"); }, "2 next prev | Next"},
        {"Previous", [&] { press("cmdPrev"); }, "0 next prev | Next"},
        {"custom lesson, Next",
         [&] {
             the<QRadioButton>("optLessonChoice", 1)->click();
             press("cmdNext");
         },
         "3 prev | OK"},
        {"a title", [&] { the<QLineEdit>("txtCustTitle")->setText("Kites"); }, "3 prev ok | OK"},
        {"resources wanted: the lesson picked earlier counts", [&] { the<QCheckBox>("Check1")->click(); },
         "3 prev ok | OK"},
        {"a unit picked", [&] { select(unitAirAndSky); }, "3 prev | OK"},
        {"a lesson picked", [&] { select(airHasWeight); }, "3 prev ok | OK"},
        {"Previous", [&] { press("cmdPrev"); }, "0 next prev | Next"},
        {"Previous", [&] { press("cmdPrev"); }, "4 next | Next"},
    };
    for (const Step& s : table) {
        SCOPED_TRACE(s.what);
        s.act();
        EXPECT_EQ(shown(), s.shown);
    }
    EXPECT_TRUE(the<QPushButton>("cmdOK")->isDefault()); // since page 1
    EXPECT_TRUE(wizard->isVisible());
}

TEST_F(ScheduleTest, TheTreeIsPlacedOnPagesTwoAndThree) {
    press("cmdNext");
    press("cmdNext");
    auto* pvt = the<rt::OutsideTree>("pvtBrackwell");
    EXPECT_TRUE(the<QWidget>("picBrackwell")->isAncestorOf(pvt));
    EXPECT_EQ(pvt->size(), QSize(174, 180));
    EXPECT_TRUE(pvt->isVisible() && pvt->isEnabled());
    press("cmdPrev");
    the<QRadioButton>("optLessonChoice", 1)->click();
    press("cmdNext");
    EXPECT_TRUE(the<QWidget>("picCustom")->isAncestorOf(pvt));
    EXPECT_EQ(pvt->size(), QSize(309, 145));
    EXPECT_TRUE(pvt->isVisible());
    EXPECT_FALSE(pvt->isEnabled()); // until Check1
    the<QCheckBox>("Check1")->click();
    EXPECT_TRUE(pvt->isEnabled());
}

TEST_F(ScheduleTest, TheQueueAddsDeletesAndReorders) {
    press("cmdNext");
    press("cmdNext");
    press("cmdAdd"); // nothing picked
    EXPECT_EQ(queued(), QStringList{"<none>=-1"});
    queue(airTakesUpSpace);
    queue(movingAirIsWind);
    queue(airTakesUpSpace); // the same lesson twice
    const QStringList rows = queued();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_TRUE(rows[0].endsWith("=12") && rows[1].endsWith("=14") && rows[2].endsWith("=12"))
        << rows.join(", ").toStdString();

    auto* list = the<QListWidget>("List1");
    list->setCurrentRow(1);
    EXPECT_TRUE(the<QPushButton>("cmdUp")->isEnabled() && the<QPushButton>("cmdDown")->isEnabled());
    press("cmdUp");
    EXPECT_EQ(queued(), (QStringList{rows[1], rows[0], rows[2]}));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_FALSE(the<QPushButton>("cmdUp")->isEnabled());
    press("cmdUp"); // on the first row: nothing
    EXPECT_EQ(queued(), (QStringList{rows[1], rows[0], rows[2]}));
    list->setCurrentRow(2);
    EXPECT_FALSE(the<QPushButton>("cmdDown")->isEnabled());
    press("cmdDown");
    EXPECT_EQ(queued(), (QStringList{rows[1], rows[0], rows[2]}));

    // Deleting every row brings back "<none>" and takes Next away.
    for (int i = 0; i < 3; ++i) {
        list->setCurrentRow(0);
        press("cmdDel");
    }
    EXPECT_EQ(queued(), QStringList{"<none>=-1"});
    EXPECT_EQ(shown(), "2 prev | Next");
    EXPECT_FALSE(the<QPushButton>("cmdDel")->isEnabled());
}

TEST_F(ScheduleTest, DragsBetweenTheTreeAndTheQueue) {
    press("cmdNext");
    press("cmdNext");
    auto* pvt = the<rt::OutsideTree>("pvtBrackwell");
    // A test of its own runs after the wizard's handler: it reads what the start of a drag gave and
    // allows no effect, so that no drag really runs.
    QStringList started;
    QObject::connect(pvt, &rt::Control::raised, pvt, [&](int event, rt::Args& args) {
        if (event != rt::pvTreeEvent::OLEStartDrag) return;
        rt::Dispatch& data = *args[0].toObject();
        started << rt::call(data, rt::DataObject::GetData, {rt::Value::integer(1)}).toString() + u' ' +
                       args[1].toString();
        // While the drag runs the tree keeps its selection.
        started << (raise(rt::pvTreeEvent::BeforeSelChange, {args[0], rt::Value::boolean(true)})[1].toBool()
                        ? "selection may change"
                        : "selection kept");
        args[1] = rt::Value::longInt(0);
    });

    select(unitAirAndSky);
    raise(rt::pvTreeEvent::MouseMove, {rt::Value::integer(1)});
    EXPECT_EQ(started, QStringList()); // a node with children is not dragged
    dropOnQueue("pvtBrackwell");
    EXPECT_EQ(queued(), QStringList{"<none>=-1"});

    select(movingAirIsWind);
    raise(rt::pvTreeEvent::MouseMove, {rt::Value::integer(0)}); // no button held
    raise(rt::pvTreeEvent::MouseMove, {rt::Value::integer(1)});
    EXPECT_EQ(started, (QStringList{"pvtBrackwell 1", "selection kept"}));
    EXPECT_EQ(raise(rt::pvTreeEvent::BeforeSelChange, {rt::Value(), rt::Value::boolean(true)})[1].toBool(),
              true);

    dropOnQueue("something else");
    EXPECT_EQ(queued(), QStringList{"<none>=-1"});
    dropOnQueue("pvtBrackwell");
    ASSERT_EQ(queued().size(), 1);
    EXPECT_TRUE(queued()[0].endsWith("=14"));

    // The queue's row dragged back onto the tree leaves the queue: it shows as a move.
    for (const auto& [text, effect] : {std::pair{"List1", 2}, {"pvtBrackwell", 1}}) {
        QMimeData mime;
        mime.setText(text);
        rt::DataObject data;
        data.attachReadOnly(&mime);
        EXPECT_EQ(raise(rt::pvTreeEvent::OLEDragOver, {rt::Value::object(&data), rt::Value::longInt(1)})[1]
                      .toInt32(),
                  effect);
    }
    the<QListWidget>("List1")->setCurrentRow(0);
    raise(rt::pvTreeEvent::DragDrop, {rt::Value("dbgResources"), rt::Value::real(1), rt::Value::real(1)});
    EXPECT_EQ(queued().size(), 1);
    raise(rt::pvTreeEvent::DragDrop, {rt::Value("List1"), rt::Value::real(1), rt::Value::real(1)});
    EXPECT_EQ(queued(), QStringList{"<none>=-1"});
}

TEST_F(ScheduleTest, OKQueuesTheLessonsAndTheDaysLeftOut) {
    // Days are read the same on a desktop that writes them day/month/year.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    press("cmdNext");
    press("cmdNext");
    for (qint32 lesson : {airTakesUpSpace, movingAirIsWind, airHasWeight}) queue(lesson);
    press("cmdNext");
    auto* except = calendar("calExcept");
    EXPECT_EQ(except->date(), day(2027, 3, 3));
    clickDay(except, day(2027, 3, 4));
    EXPECT_EQ(except->selectedDays(), QList<qint32>{day(2027, 3, 4)});
    // Going back and returning loses the days chosen.
    press("cmdPrev");
    press("cmdNext");
    EXPECT_EQ(except->selectedDays(), QList<qint32>());
    BlockedDays = {day(2020, 1, 1)};
    press("cmdOK");
    EXPECT_EQ(wizard->Result(), 0);
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(BlockedDays, QList<qint32>{0});
    ASSERT_EQ(LessonQueue.size(), 4);
    QList<qint32> ids, dates;
    for (const LessonPlanRecord& rec : LessonQueue) ids << rec.TreeID, dates << rec.LPDate;
    EXPECT_EQ(ids, (QList<qint32>{12, 14, 13, 0}));
    EXPECT_EQ(dates, (QList<qint32>{day(2027, 3, 3), day(2027, 3, 4), day(2027, 3, 5), 0}));

    // Days left out become BlockedDays, in date order.
    Schedule again(msg, loop);
    again.show();
    control<QPushButton>(again, "cmdNext")->click();
    control<QPushButton>(again, "cmdNext")->click();
    auto* list = control<QListWidget>(again, "List1");
    list->clear();
    (new QListWidgetItem("lesson", list))->setData(Qt::UserRole, 12);
    control<QPushButton>(again, "cmdNext")->setEnabled(true);
    control<QPushButton>(again, "cmdNext")->click();
    auto* cal = control<rt::MonthCalendar>(again, "calExcept");
    clickDay(cal, day(2027, 3, 10));
    clickDay(cal, day(2027, 3, 5));
    control<QPushButton>(again, "cmdOK")->click();
    EXPECT_EQ(BlockedDays, (QList<qint32>{day(2027, 3, 5), day(2027, 3, 10)}));
}

TEST_F(ScheduleTest, ACustomLessonNeedsATitleAndALessonForItsResources) {
    press("cmdNext");
    the<QRadioButton>("optLessonChoice", 1)->click();
    press("cmdNext");
    auto* title = the<QLineEdit>("txtCustTitle");
    title->setText("   ");
    EXPECT_EQ(shown(), "3 prev ok | OK"); // blanks count while typing
    press("cmdOK");
    ASSERT_EQ(msg.shown.size(), 1);
    EXPECT_EQ(msg.shown[0], (rt::MbRequest{"You must enter a title for the lesson.", QString("Larkspan")}));
    EXPECT_TRUE(wizard->isVisible());

    title->setText("Kites");
    the<QCheckBox>("Check1")->click();
    ASSERT_EQ(tree()->selectedItems().size(), 0);
    the<QPushButton>("cmdOK")->setEnabled(true); // as a click could, with no node picked
    press("cmdOK");
    ASSERT_EQ(msg.shown.size(), 2);
    EXPECT_EQ(msg.shown[1],
              (rt::MbRequest{"You have not chosen where to add resources from.", QString("Larkspan")}));
    EXPECT_TRUE(wizard->isVisible());

    select(unitAirAndSky); // a unit: OK does nothing
    the<QPushButton>("cmdOK")->setEnabled(true);
    press("cmdOK");
    EXPECT_TRUE(wizard->isVisible());
    EXPECT_EQ(msg.shown.size(), 2);

    select(airHasWeight);
    press("cmdOK");
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(wizard->Result(), 1);
    EXPECT_EQ(wizard->Check1(), 1);
    EXPECT_EQ(wizard->txtCustTitle(), "Kites");
    EXPECT_EQ(wizard->pvtBrackwellSelected(), airHasWeight);
    EXPECT_EQ(LessonQueue, QList<LessonPlanRecord>(2));
    EXPECT_EQ(BlockedDays, QList<qint32>{0});
}

TEST_F(ScheduleTest, CancelTheFrameAndEscapeAnswerTwo) {
    wizard->hide();
    const std::pair<const char*, ModalDriver::Step> closes[] = {
        {"Cancel", click("cmdCancel")}, {"frame", closeByFrame()}, {"Escape", pressEscape()}};
    for (const auto& [what, step] : closes) {
        SCOPED_TRACE(what);
        Schedule dialog(msg, loop);
        EXPECT_EQ(answered(dialog, steps({click("cmdNext"), step})), 2);
    }
}

TEST_F(ScheduleTest, HelpOpensTheDocumentBesideTheProgram) {
    QtPlannerDialogs dialogs(platform);
    const std::unique_ptr<ScheduleDialog> made = dialogs.createSchedule();
    dynamic_cast<QWidget*>(made.get())->findChild<QPushButton*>("cmdHelp")->click();
    ASSERT_EQ(shell.calls.size(), 1);
    EXPECT_EQ(shell.calls[0].file, QStringLiteral(LK_PROGRAM_DIR "/makelp.pdf"));
}

// Closing the wizard by its frame schedules nothing, not even the queue of an earlier run.
TEST_F(ScheduleTest, ScheduleLessonsAfterAFrameCloseWritesNothing) {
    wizard.reset();
    const int plans = CourseDB.openSql("SELECT * FROM LessonPlans").recordCount();
    LessonQueue = LessonQueueOf({airTakesUpSpace}, day(2027, 3, 22));
    QtPlannerDialogs dialogs(platform);
    RecordingMainWindow window;
    Planner planner{platform, dialogs, &window, {}};
    ModalDriver driver;
    driver.then(closeByFrame());
    ScheduleLessons(planner);
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(CourseDB.openSql("SELECT * FROM LessonPlans").recordCount(), plans);
    EXPECT_EQ(window.calls, QStringList());
}

// The real wizard through Make Lesson Plans: two lessons of two days from Wednesday 3 March 2027.
TEST_F(ScheduleTest, ScheduleLessonsRunsTheRealWizard) {
    wizard.reset();
    CourseDB.execute("DELETE FROM LessonResources");
    CourseDB.execute("DELETE FROM LessonPlans");
    CourseSettings.AppTitle = "Sample Course";
    QtPlannerDialogs dialogs(platform);
    RecordingMainWindow window;
    Planner planner{platform, dialogs, &window, {}};
    ModalDriver driver;
    driver.then([&](QWidget& w) {
        driven = &w;
        the<QComboBox>("cboDays")->setCurrentText("2");
        press("cmdNext");
        press("cmdNext");
        queue(airTakesUpSpace);
        queue(movingAirIsWind);
        press("cmdNext");
        clickDay(calendar("calExcept"), day(2027, 3, 4));
        press("cmdOK");
    });
    ScheduleLessons(planner);
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(
        QueryRows("SELECT LPDate, TreeID, (SELECT COUNT(*) FROM LessonResources r WHERE r.LessonPlanID = "
                  "p.LessonPlanID) FROM LessonPlans p ORDER BY LPDate"),
        (QStringList{"2027-03-03|12|2", "2027-03-05|12|0", "2027-03-08|14|4", "2027-03-09|14|0"}));
    EXPECT_EQ(BlockedDays, QList<qint32>{day(2027, 3, 4)});
    EXPECT_EQ(window.calls,
              (QStringList{"DisableForm", QStringLiteral("ChangeCurrentDate %1").arg(day(2027, 3, 3)),
                           "RefreshView", "EnableForm"}));
}

} // namespace
