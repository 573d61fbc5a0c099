#include "controls/tab/ctlTabIds.h"
#include "main_window_fixture.h"
#include "planner/core/class_files.h"
#include "planner/core/mru.h"
#include "planner/core/start_up.h"
#include "planner/core/testing/scripted_dialogs.h"
#include "planner/data/course_database.h"
#include "planner/data/testing/course_fixture.h"
#include "planner/data/testing/query_rows.h"
#include "planner/dialogs/tests/modal_driver.h"
#include "planner/window/plan_x.h"
#include "planner/window/tests/main_window_fixture.h"
#include "runtime/clock.h"
#include "runtime/com/class_factory.h"
#include "runtime/com/component_registry.h"
#include "runtime/com/control.h"
#include "runtime/outside/calendar/calendar_ids.h"
#include "runtime/outside/calendar/month_calendar.h"
#include "runtime/outside/tree/outside_tree.h"
#include "runtime/strings.h"
#include "runtime/testing/library_entry.h"
#include "runtime/testing/recording_report_engine.h"
#include "runtime/testing/test_dates.h"
#include "shared/course_settings.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>
#include <tuple>

namespace {

TEST_F(MainWindowTest, AfterLoadNoClassIsShownAndTheMenusHaveTheirDesignedStates) {
    EXPECT_EQ(window->windowTitle(), "Brackwell Larkspan");
    EXPECT_EQ(window->size(), QSize(640, 480));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the window keeps its designed size";
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(frontView(), window->picNoView);
    EXPECT_EQ(window->picNoView->geometry(), QRect(0, 28, 634, 408));
    for (QRadioButton* option : {window->opDayView, window->opWeekView, window->opMonthView}) {
        EXPECT_FALSE(option->isChecked()) << option->objectName().toStdString();
        EXPECT_FALSE(option->isEnabled()) << option->objectName().toStdString();
    }
    EXPECT_EQ(window->opDayView->text(), "&Day View");
    EXPECT_EQ(window->opWeekView->text(), "&Week View");
    EXPECT_EQ(window->opMonthView->text(), "&Month View");
    const std::pair<QPushButton*, const char*> buttons[] = {{window->cmdScheduleLessons, "Make Lesson Plans"},
                                                            {window->cmdInsertSpecial, "Insert Special Day"},
                                                            {window->cmdPrevDay, "Previous Day"},
                                                            {window->cmdNextDay, "Next Day"}};
    for (const auto& [button, text] : buttons) {
        EXPECT_EQ(button->text(), text);
        EXPECT_FALSE(ownEnabled(button)) << text;
    }
    EXPECT_TRUE(window->cmdPrevDay->isHidden());
    EXPECT_TRUE(window->cmdNextDay->isHidden());
    EXPECT_FALSE(window->cmdUp->icon().isNull());

    EXPECT_EQ(menuRows(), (QStringList{
                              "mnuFile|&File|on|shown|",
                              "mnuFileNewClass|&New Class...|on|shown|",
                              "mnuFileOpen|&Open Class...|on|shown|",
                              "mnuFileClose|&Close Class|off|shown|",
                              "mnuFileCopy|Cop&y Class...|off|shown|",
                              "mnuFileSep1|separator|on|shown|",
                              "mnuFileClassInfo|Class &Info...|off|shown|",
                              "mnuFileSep2|separator|on|shown|",
                              "mnuFilePrint|&Print...|off|shown|",
                              "mnuFileSep3|separator|on|shown|",
                              "mnuLRU1||off|hidden|",
                              "mnuLRU2||off|hidden|",
                              "mnuLRU3||off|hidden|",
                              "mnuLRU4||off|hidden|",
                              "mnuFileSep4|separator|off|hidden|",
                              "mnuFileExit|E&xit|on|shown|",
                              "mnuEdit|&Edit|off|shown|",
                              "mnuEditCutText|C&ut Text|on|shown|Ctrl+X",
                              "mnuEditCopyText|C&opy Text|on|shown|Ctrl+C",
                              "mnuEditPasteText|P&aste Text|on|shown|Ctrl+V",
                              "mnuEditSep1|separator|on|shown|",
                              "mnuEditCutLesson|Cu&t Lesson Plan|off|shown|",
                              "mnuEditCopyLesson|&Copy Lesson Plan|off|shown|",
                              "mnuEditPasteLesson|&Paste Lesson Plan|off|shown|",
                              "mnuEditSep2|separator|on|shown|",
                              "mnuEditMakeLesson|&Make Lesson Plans...|on|shown|",
                              "mnuView|&View|off|shown|",
                              "mnuViewDay|&Day View|on|shown|",
                              "mnuViewWeek|&Week View|on|shown|",
                              "mnuViewMonth|&Month View|on|shown|",
                              "mnuHelp|&Help|on|shown|",
                              "mnuHelpTopics|Larkspan Help &Topics|on|shown|",
                              "mnuPacing|&Pacing Options && Features Guide|on|shown|",
                              "mnuHelpTutorial|&Guided Tour|on|shown|",
                              "mnuHelpWeb|Link to Brackwell &Web Site|on|shown|",
                              "mnuHelpSep1|separator|on|shown|",
                              "mnuHelpAbout|&About Larkspan...|on|shown|",
                          }));
}

TEST_F(MainWindowTest, OpeningAndClosingAClassThroughTheWindow) {
    open();
    for (QPushButton* b :
         {window->cmdScheduleLessons, window->cmdInsertSpecial, window->cmdPrevDay, window->cmdNextDay})
        EXPECT_TRUE(ownEnabled(b)) << b->objectName().toStdString();
    for (QAction* item : {window->mnuFileClassInfo, window->mnuFileCopy, window->mnuFileClose,
                          window->mnuFilePrint, window->mnuView, window->mnuFile, window->mnuHelp})
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
    // EnableForm ends the open: the views enable the library options and trees when they show them.
    for (QWidget* w : std::initializer_list<QWidget*>{window->opChapter, window->opByType, window->pvChapter,
                                                      window->pvType})
        EXPECT_FALSE(w->isEnabledTo(window->picDayView)) << w->objectName().toStdString();
    EXPECT_TRUE(window->centralWidget()->isEnabled());
    EXPECT_EQ(cursor.pointer(window.get()), rt::Pointer::Default);
    EXPECT_EQ(window->mnuLRU[0]->text(), "sample1.lkc");
    EXPECT_TRUE(window->mnuLRU[0]->isVisible());

    window->tabResource->setCurrentIndex(1);
    CloseClass(planner);
    EXPECT_EQ(window->windowTitle(), "Brackwell Larkspan");
    EXPECT_EQ(frontView(), window->picNoView);
    EXPECT_TRUE(window->opChapter->isChecked());
    EXPECT_EQ(window->tabResource->currentIndex(), 0);
    for (QAction* item : {window->mnuView, window->mnuEditCopyLesson, window->mnuEditCutLesson,
                          window->mnuEditPasteLesson, window->mnuFilePrint, window->mnuFileClose,
                          window->mnuFileCopy, window->mnuFileClassInfo, window->mnuEdit})
        EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
    for (QPushButton* b :
         {window->cmdScheduleLessons, window->cmdInsertSpecial, window->cmdPrevDay, window->cmdNextDay})
        EXPECT_FALSE(ownEnabled(b)) << b->objectName().toStdString();
    EXPECT_EQ(cursor.pointer(window.get()), rt::Pointer::Default);
}

TEST_F(MainWindowTest, TheCaptionNamesTheClassOrFormatsTheCurrentLesson) {
    attach();
    ClassFilePath = path("sample1.lkc");
    CourseSettings.StyleLKWindowCaption = 0;
    window->UIOpenClass();
    EXPECT_EQ(window->windowTitle(), "Brackwell Larkspan - Science: sample1.lkc");

    CourseSettings.StyleLKWindowCaption = 25; // SAMPLE1's own
    window->UIOpenClass();
    EXPECT_EQ(window->windowTitle(), "Larkspan Sample Press - Weather Watchers Planner: sample1.lkc");
}

struct LibraryCase {
    const char* key;
    bool showResLib2;
    bool optionsShown, optionsEnabled;
    const char *byTypeCaption, *chapterCaption;
    bool typeTreeFilled;
};

class LibraryOptions : public MainWindowTest, public ::testing::WithParamInterface<LibraryCase> {};

TEST_P(LibraryOptions, FollowTheCourseKeyAndTheConfiguration) {
    const LibraryCase& c = GetParam();
    attach();
    ClassFilePath = path("sample1.lkc");
    LoadedCourse = c.key;
    CourseSettings.ShowResLib2 = c.showResLib2;
    CourseSettings.ResLib1Label = "Chapters";
    CourseSettings.ResLib2Label = "Kinds";
    window->UIOpenClass();
    for (QRadioButton* option : {window->opByType, window->opChapter}) {
        EXPECT_EQ(!option->isHidden(), c.optionsShown) << option->objectName().toStdString();
        EXPECT_EQ(option->isEnabledTo(window->picDayView), c.optionsEnabled)
            << option->objectName().toStdString();
    }
    EXPECT_EQ(window->opByType->text(), c.byTypeCaption);
    EXPECT_EQ(window->opChapter->text(), c.chapterCaption);
    EXPECT_EQ(window->pvType->view()->topLevelItemCount() > 0, c.typeTreeFilled);
    EXPECT_GT(window->pvChapter->view()->topLevelItemCount(), 0);
    EXPECT_TRUE(window->mnuView->isEnabled());

    window->EnableForm();
    for (QWidget* w : std::initializer_list<QWidget*>{window->opChapter, window->opByType, window->pvChapter,
                                                      window->pvType})
        EXPECT_FALSE(w->isEnabledTo(window->picDayView)) << w->objectName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Courses, LibraryOptions,
    ::testing::Values(LibraryCase{"KTN2", false, true, true, "By Type", "Chapters", true},
                      LibraryCase{"RV10", true, false, true, "By Type", "Chapters", false},
                      LibraryCase{"SAMPLE1", true, true, true, "Kinds", "Chapters", true},
                      LibraryCase{"SAMPLE1", false, false, false, "By Type", "Chapters", false}));

TEST_F(MainWindowTest, RecentlyUsedEntriesShortenLongNamesAndStayOnceShown) {
    const QString app = rt::StringTable::get(100);
    const QString names[] = {QString(15, 'a'), QString(16, 'b'), QString(25, 'c'), ""};
    for (int n = 1; n <= 4; ++n) {
        settings.set(app, "MRU", QString("MRU%1").arg(n), names[n - 1]);
        settings.set(app, "MRUFiles", QString("MRUFile%1").arg(n), QString("/classes/%1").arg(n));
    }
    window->LoadMRUs();
    const QString shown[] = {QString(15, 'a'), QString(16, 'b') + "...", QString(20, 'c') + "...", ""};
    for (int n = 1; n <= 4; ++n) {
        QAction* entry = window->mnuLRU[n - 1];
        EXPECT_EQ(entry->text(), shown[n - 1]) << n;
        EXPECT_EQ(entry->isVisible(), n < 4) << n;
        EXPECT_EQ(entry->isEnabled(), n < 4) << n;
    }
    EXPECT_TRUE(window->mnuFileSep4->isVisible());

    settings.set(app, "MRU", "MRU1", "");
    window->LoadMRUs();
    EXPECT_EQ(window->mnuLRU[0]->text(), "");
    EXPECT_TRUE(window->mnuLRU[0]->isVisible());
    EXPECT_TRUE(window->mnuLRU[0]->isEnabled());
}

TEST_F(MainWindowTest, ARecentlyUsedEntryOpensThePathTheSettingGivesNow) {
    const QString file = classFixture("sample1.lkc");
    AddToMRU(settings, path("elsewhere.lkc"));
    window->LoadMRUs();
    settings.set(rt::StringTable::get(100), "MRUFiles", "MRUFile1", file);
    window->mnuLRU[0]->trigger();
    EXPECT_EQ(ClassFilePath, file);
}

TEST_F(MainWindowTest, ObjectiveTabsAreLabelledFromTheConfiguration) {
    rt::Control* tab = window->tabObject;
    ASSERT_NE(tab, nullptr);
    CourseSettings.ObjectiveLabel1 = "Goals";
    CourseSettings.ObjectiveLabel2 = "Skills";
    CourseSettings.ObjectiveLabel3 = "Standards";
    CourseSettings.ObjectiveLabel4 = "Vocabulary";
    const std::pair<qint16, QStringList> cases[] = {
        {0, {"Local", "All"}},
        {4, {"Goals", "Skills", "Standards", "Vocabulary", "Local", "All"}},
        {6, {"Goals", "Skills", "Standards", "Vocabulary", "", "", "Local"}},
    };
    for (const auto& [n, captions] : cases) {
        CourseSettings.NumObjectiveTabs = n;
        window->InitTabs();
        const QTabBar* bar = tab->findChild<QTabBar*>();
        ASSERT_NE(bar, nullptr);
        QStringList shown;
        for (int i = 0; i < bar->count(); ++i) shown << bar->tabText(i);
        EXPECT_EQ(shown, captions) << n;
    }
}

// Every way onto a day without a plan leaves the objective tabs disabled, the first such day of a new
// window too. January 2027 of the sample class has no plan on the 1st, 14th, 15th and 18th.
struct WayIn {
    const char* name;
    std::function<void(MainWindowTest&)> go;
};

class DayWithoutPlan : public MainWindowTest, public ::testing::WithParamInterface<WayIn> {
public:
    using MainWindowTest::classFixture;
    using MainWindowTest::dialogs;
    using MainWindowTest::planner;
    using MainWindowTest::plannerDialogs;
    using MainWindowTest::settings;
    void newClassScript() {
        rt::setToday(rt::day(2027, 1, 18));
        plannerDialogs.newClass = {2, 2, path("new.lkc"), "T", "S", "P", ""};
    }
    void openOn(int january) {
        open();
        window->ChangeCurrentDate(rt::day(2027, 1, january));
    }
    PlanX& w() { return *window; }
};

const WayIn waysIn[] = {
    {"StartUpNewClass",
     [](MainWindowTest& t) {
         auto& f = static_cast<DayWithoutPlan&>(t);
         f.newClassScript();
         f.plannerDialogs.openAppResult = 2;
         EXPECT_TRUE(Main(f.planner, {[] { return false; }, [&f] { return &f.w(); }}));
     }},
    {"FileNewClass",
     [](MainWindowTest& t) {
         auto& f = static_cast<DayWithoutPlan&>(t);
         f.newClassScript();
         f.w().mnuFileNewClass->trigger();
     }},
    {"FileOpen",
     [](MainWindowTest& t) {
         auto& f = static_cast<DayWithoutPlan&>(t);
         rt::setToday(rt::day(2027, 1, 18));
         f.dialogs.choose(f.classFixture("sample1.lkc"));
         f.w().mnuFileOpen->trigger();
     }},
    {"RecentFile",
     [](MainWindowTest& t) {
         auto& f = static_cast<DayWithoutPlan&>(t);
         rt::setToday(rt::day(2027, 1, 18));
         AddToMRU(f.settings, f.classFixture("sample1.lkc"));
         f.w().LoadMRUs();
         f.w().mnuLRU[0]->trigger();
     }},
    {"NextDay",
     [](MainWindowTest& t) {
         auto& f = static_cast<DayWithoutPlan&>(t);
         f.openOn(13);
         QTest::mouseClick(f.w().cmdNextDay, Qt::LeftButton);
     }},
    {"PreviousDay",
     [](MainWindowTest& t) {
         auto& f = static_cast<DayWithoutPlan&>(t);
         f.openOn(4);
         QTest::mouseClick(f.w().cmdPrevDay, Qt::LeftButton);
     }},
    {"Calendar",
     [](MainWindowTest& t) {
         auto& f = static_cast<DayWithoutPlan&>(t);
         f.openOn(13);
         rt::let(*f.w().SSMonth1[0], rt::ssMonthId::Date, rt::Value::date(rt::day(2027, 1, 15)));
     }},
    {"WeekCell",
     [](MainWindowTest& t) {
         auto& f = static_cast<DayWithoutPlan&>(t);
         f.openOn(13);
         f.w().mnuViewWeek->trigger();
         QTest::mouseDClick(f.w().cCell[3], Qt::LeftButton);
     }},
    {"MonthCalendar",
     [](MainWindowTest& t) {
         auto& f = static_cast<DayWithoutPlan&>(t);
         f.openOn(13);
         f.w().mnuViewMonth->trigger();
         // The day chosen on the calendar, then double-clicked.
         rt::MonthCalendar* month = f.w().SSMonth1[1];
         const qint32 day = rt::day(2027, 1, 15);
         rt::let(*month, rt::ssMonthId::Date, rt::Value::date(day));
         QTest::mouseDClick(month, Qt::LeftButton, {}, month->cellRect(day).center());
     }},
};

TEST_P(DayWithoutPlan, DisablesTheObjectiveTabs) {
    GetParam().go(*this);
    ASSERT_FALSE(ClassFilePath.isEmpty());
    EXPECT_EQ(CurrentLesson.TreeID, -999);
    EXPECT_EQ(window->lblUnit[0]->text(), "No Lesson Plan");
    EXPECT_TRUE(window->opDayView->isChecked());
    EXPECT_FALSE(rt::get(*window->tabObject, ctlTabId::TEnabled).toBool());
    EXPECT_FALSE(ownEnabled(window->tabObject)) << "the tabs still take typing";
}

INSTANTIATE_TEST_SUITE_P(MainWindow, DayWithoutPlan, ::testing::ValuesIn(waysIn),
                         [](const auto& info) { return std::string(info.param.name); });

// A count of objective tabs beyond what the tab control holds is told, naming the key and its value, and
// the class opens with the tabs the control can hold.
TEST_F(MainWindowTest, AnObjectiveTabCountTheControlCannotHoldIsToldAndTheClassOpens) {
    QFile sample(LK_COURSE_DIR "/SAMPLE1/SAMPLE1.cfg");
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QByteArray configuration = sample.readAll();
    const QString cfg = path("tabs.cfg");
    const std::tuple<int, int, int> cases[] = {{5000, 6, 7}, {-3, 0, 2}, {7, 6, 7}};
    for (const auto& [given, used, tabs] : cases) {
        QFile f(cfg);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(configuration + QString("\r\nNUMOBJECTIVESTAB|%1\r\n").arg(given).toUtf8());
        f.close();
        install("SAMPLE1", "SAMPLE1", cfg);
        msg.shown.clear();
        open();
        EXPECT_EQ(texts(),
                  QStringList{QString("The course configuration %1 gives NUMOBJECTIVESTAB the value %2; "
                                      "a course has 0 to 6 objective tabs, so %3 are used.")
                                  .arg(cfg)
                                  .arg(given)
                                  .arg(used)})
            << given;
        EXPECT_EQ(CourseSettings.NumObjectiveTabs, used) << given;
        EXPECT_EQ(window->tabObject->findChild<QTabBar*>()->count(), tabs) << given;
    }
}

TEST_F(MainWindowTest, CopyClassRefusesSemicolonsAndCancelCopiesNothing) {
    const QString file = open();
    dialogs.cancel();
    window->mnuFileCopy->trigger();
    EXPECT_EQ(ClassFilePath, file);
    EXPECT_TRUE(msg.shown.isEmpty());

    dialogs.shown.clear();
    dialogs.choose(path("a;b.lkc"));
    dialogs.choose("");
    dialogs.choose(path("copy.lkc"));
    window->mnuFileCopy->trigger();
    ASSERT_EQ(dialogs.shown.size(), 3);
    const rt::FileDialogRequest& request = dialogs.shown[0].request;
    EXPECT_EQ(request.title, "Save class file as");
    EXPECT_EQ(request.filter, "Larkspan Class Files (*.lkc)|*.lkc|All Files (*.*)|*.*");
    EXPECT_EQ(request.defaultExt, ".lkc");
    EXPECT_EQ(request.flags, 0x8806u);
    ASSERT_EQ(msg.shown.size(), 1);
    EXPECT_EQ(msg.shown[0].text,
              "Semi-colons are not allowed in class filenames.\r\nPlease choose another name.");
    EXPECT_EQ(msg.shown[0].icon, rt::MbIcon::Information);
    EXPECT_EQ(ClassFilePath, path("copy.lkc"));
    EXPECT_FALSE(QFile::exists(path("a;b.lkc")));
}

TEST_F(MainWindowTest, ClassInfoWritesTrimmedFieldsOnOkAndNothingOnCancel) {
    open();
    const QStringList before = QueryRows("SELECT Teacher, Subject, Period, Comments FROM Class");
    const QString teacherBefore = ClassTeacher;
    {
        ModalDriver driver;
        driver.then([](QWidget& w) {
            control<QLineEdit>(w, "txtTeacher")->setText("Someone Else");
            click("cmdCancel")(w);
        });
        window->mnuFileClassInfo->trigger();
        EXPECT_TRUE(driver.done());
    }
    EXPECT_EQ(QueryRows("SELECT Teacher, Subject, Period, Comments FROM Class"), before);
    EXPECT_EQ(ClassTeacher, teacherBefore);

    QString shownTeacher;
    {
        ModalDriver driver;
        driver.then([&shownTeacher](QWidget& w) {
            shownTeacher = control<QLineEdit>(w, "txtTeacher")->text();
            control<QLineEdit>(w, "txtTeacher")->setText("  Ms. Okafor ");
            control<QLineEdit>(w, "txtSubject")->setText(" Geography");
            control<QLineEdit>(w, "txtClass")->setText("2nd ");
            control<QPlainTextEdit>(w, "txtComments")->setPlainText(" Room 12 ");
            click("cmdOK")(w);
        });
        window->mnuFileClassInfo->trigger();
        EXPECT_TRUE(driver.done());
    }
    EXPECT_EQ(shownTeacher, teacherBefore);
    EXPECT_EQ(QueryRows("SELECT Teacher, Subject, Period, Comments FROM Class"),
              QStringList{"Ms. Okafor|Geography|2nd|Room 12"});
    EXPECT_EQ(ClassTeacher, "Ms. Okafor");
    EXPECT_EQ(ClassSubject, "Geography");
    EXPECT_EQ(ClassPeriod, "2nd");
    EXPECT_EQ(ClassComments, "Room 12");
}

TEST_F(MainWindowTest, ClassInfoShowsANullFieldAsEmpty) {
    open();
    CourseDB.execute("UPDATE Class SET Comments = NULL");
    QString comments = "not read";
    ModalDriver driver;
    driver.then([&comments](QWidget& w) {
        comments = control<QPlainTextEdit>(w, "txtComments")->toPlainText();
        click("cmdCancel")(w);
    });
    window->mnuFileClassInfo->trigger();
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(comments, "");
    EXPECT_TRUE(msg.shown.isEmpty());
}

TEST_F(MainWindowTest, HelpTopicsOpenTheDocumentOfTheViewShown) {
    const std::pair<QRadioButton*, const char*> cases[] = {{nullptr, "General.pdf"},
                                                           {window->opDayView, "day.pdf"},
                                                           {window->opWeekView, "week.pdf"},
                                                           {window->opMonthView, "Month.pdf"}};
    for (const auto& [option, document] : cases) {
        if (option) option->setChecked(true);
        shell.calls.clear();
        window->mnuHelpTopics->trigger();
        ASSERT_FALSE(shell.calls.isEmpty()) << document;
        EXPECT_EQ(shell.calls.last().file, QString(LK_PROGRAM_DIR "/") + document);
        EXPECT_TRUE(QFile::exists(shell.calls.last().file)) << document;
    }
    shell.calls.clear();
    window->mnuPacing->trigger();
    ASSERT_FALSE(shell.calls.isEmpty());
    EXPECT_EQ(shell.calls.last().file, LK_PROGRAM_DIR "/pacinggd.pdf");
    EXPECT_TRUE(texts().isEmpty()) << texts().join(" / ").toStdString();
}

TEST_F(MainWindowTest, SettingAViewOptionByCodeShowsItsView) {
    window->opWeekView->setChecked(true);
    EXPECT_EQ(frontView(), window->picWeekView);
    window->opMonthView->setChecked(true);
    EXPECT_EQ(frontView(), window->picMonthView);
    window->ShowNoView();
    EXPECT_EQ(frontView(), window->picNoView);
    EXPECT_FALSE(window->opMonthView->isChecked());
}

TEST_F(MainWindowTest, WebLinkAsksFirstAndTellsWhenNoBrowserOpens) {
    const QString ask = "You must have a browser installed and be connected to the Internet.";
    msg.answers = {rt::MbAnswer::Cancel};
    window->mnuHelpWeb->trigger();
    EXPECT_TRUE(shell.calls.isEmpty());
    EXPECT_EQ(texts(), QStringList{ask});
    EXPECT_EQ(msg.shown[0].title, "Internet Connection");
    EXPECT_EQ(msg.shown[0].buttons, rt::MbButtons::OkCancel);

    msg.shown.clear();
    shell.codes = {2};
    window->mnuHelpWeb->trigger();
    ASSERT_EQ(shell.calls.size(), 1);
    EXPECT_EQ(
        shell.calls[0],
        (rt::ScriptedShell::Call{"open", "https://example.org/larkspan/weather", "", LK_PROGRAM_DIR, {}, 1}));
    EXPECT_EQ(texts(), (QStringList{ask, "Browser not configured."}));
    EXPECT_EQ(msg.shown[1].title, "Internet Connection");

    msg.shown.clear();
    window->mnuHelpWeb->trigger(); // the default code opens a browser
    EXPECT_EQ(texts(), QStringList{ask});
}

TEST_F(MainWindowTest, ExitAndTheCloseBoxEndTheProgramWithTheClassTablesUnlinked) {
    for (const bool closeBox : {false, true}) {
        open();
        ended = false;
        if (closeBox)
            window->close();
        else
            window->mnuFileExit->trigger();
        EXPECT_TRUE(ended) << closeBox;
        EXPECT_FALSE(ClassTablesAttached) << closeBox;
        EXPECT_FALSE(CourseDB.isOpen()) << closeBox;
    }
}

TEST_F(MainWindowTest, LongWorkDisablesTheWindowButNotTheBoxesShownOverIt) {
    window->DisableForm();
    EXPECT_FALSE(window->centralWidget()->isEnabled());
    EXPECT_FALSE(window->menuBar()->isEnabled());
    for (QAction* menu : {window->mnuFile, window->mnuEdit, window->mnuView, window->mnuHelp})
        EXPECT_FALSE(menu->isEnabled()) << menu->objectName().toStdString();
    EXPECT_EQ(cursor.pointer(window.get()), rt::Pointer::Hourglass);
    // A refused class file is told while the window is disabled: the box must take its answer.
    QMessageBox box(window.get());
    EXPECT_TRUE(box.isEnabled());
    window->EnableForm();
    EXPECT_TRUE(window->centralWidget()->isEnabled());
    EXPECT_TRUE(window->menuBar()->isEnabled());
    EXPECT_EQ(cursor.pointer(window.get()), rt::Pointer::Default);
}

TEST_F(MainWindowTest, AnErrorInAHandlerIsShownAndTheWindowStaysUsable) {
    // No class is open, so the class table cannot be read.
    window->mnuFileClassInfo->setEnabled(true);
    window->mnuFileClassInfo->trigger();
    ASSERT_EQ(msg.shown.size(), 1);
    EXPECT_TRUE(msg.shown[0].text.startsWith("Run-time error '")) << msg.shown[0].text.toStdString();
    EXPECT_TRUE(msg.shown[0].text.endsWith("The database has been closed."))
        << msg.shown[0].text.toStdString();
    EXPECT_TRUE(window->centralWidget()->isEnabled());
    EXPECT_TRUE(window->mnuFile->isEnabled());
    EXPECT_EQ(cursor.pointer(window.get()), rt::Pointer::Default);
}

TEST_F(MainWindowTest, FilePrintPrintsWithTheWindowsReportControlWhileTheWindowIsDisabled) {
    open();
    auto* report = new rt::RecordingReportEngine;
    window->CrystalReport1.reset(report);
    report->statusSequence = {0, 1};
    bool busyWhileWaiting = false;
    loop.actionAt = loop.count + 1;
    loop.action = [&] {
        busyWhileWaiting = !window->centralWidget()->isEnabled() && !window->menuBar()->isEnabled() &&
                           cursor.pointer(window.get()) == rt::Pointer::Hourglass;
    };
    plannerDialogs.printOptions = {1, 0, {}};
    window->mnuFilePrint->trigger();
    ASSERT_EQ(report->starts.size(), 1);
    EXPECT_EQ(report->starts[0].formula,
              "{LessonPlans.LessonPlanID}=" + QString::number(CurrentLesson.LessonPlanID));
    EXPECT_TRUE(busyWhileWaiting);
    EXPECT_TRUE(window->centralWidget()->isEnabled());
    EXPECT_TRUE(window->menuBar()->isEnabled());
    EXPECT_EQ(cursor.pointer(window.get()), rt::Pointer::Default);
}

} // namespace
