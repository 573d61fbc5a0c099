#include "modal_driver.h"
#include "planner/dialogs/class_info.h"
#include "planner/dialogs/delete_lesson.h"
#include "planner/dialogs/language.h"
#include "planner/dialogs/move_day.h"
#include "planner/dialogs/open_app.h"
#include "planner/dialogs/resource_details.h"
#include "runtime/testing/test_dates.h"
#include "runtime/value/date.h"
#include "shared/course_settings.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using rt::day;

QString text(QWidget& dialog, const char* name, int index = 0) {
    if (auto* label = control<QLabel>(dialog, name, index)) return label->text();
    if (auto* button = control<QAbstractButton>(dialog, name, index)) return button->text();
    if (auto* box = control<QLineEdit>(dialog, name, index)) return box->text();
    if (auto* box = control<QPlainTextEdit>(dialog, name, index)) return box->toPlainText();
    ADD_FAILURE() << "no control " << name;
    return {};
}

struct ResultCase {
    const char* what;
    ModalDriver::Step step;
    qint16 expected;
};

template <class D> void expectResults(const QList<ResultCase>& cases) {
    for (const ResultCase& c : cases) {
        SCOPED_TRACE(c.what);
        D dialog;
        EXPECT_EQ(answered(dialog, c.step), c.expected);
    }
}

TEST(OpenApp, TextsAndResults) {
    CourseSettings.AppTitle = "Sample Course";
    OpenApp dialog;
    EXPECT_EQ(dialog.windowTitle(), "Sample Course");
    EXPECT_EQ(text(dialog, "Label1", 0),
              "Would you like to work with an existing class or create a new one?");
    EXPECT_EQ(text(dialog, "Label1", 1), "Open a class file that you have already created.");
    EXPECT_EQ(text(dialog, "Label1", 2), "Set up a new class and its calendar of lesson plans.");
    EXPECT_EQ(text(dialog, "opUseExisting"), "&Use an existing class file");
    EXPECT_EQ(text(dialog, "opCreateNew"), "&Create a new class file");
    EXPECT_EQ(text(dialog, "cmdOK"), "OK");
    EXPECT_EQ(text(dialog, "cmdCancel"), "Cancel");
    EXPECT_EQ(dialog.Result(), 0);

    expectResults<OpenApp>({
        {"OK as it opens", click("cmdOK"), 1},
        {"existing, OK", steps({choose("opCreateNew"), choose("opUseExisting"), click("cmdOK")}), 1},
        {"new, OK", steps({choose("opCreateNew"), click("cmdOK")}), 2},
        {"Cancel", steps({choose("opCreateNew"), click("cmdCancel")}), 0},
        {"frame", closeByFrame(), 0},
        {"Esc", pressEscape(), 0},
    });
}

TEST(DeleteLesson, TextNamesTheDayAndEveryCloseButOKCancels) {
    DeleteLesson dialog;
    dialog.setTargetDate(day(2027, 3, 1));
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Delete Lesson");
    EXPECT_EQ(text(dialog, "Label1"),
              "You are about to remove the Lesson Plan for Monday March, 1. You have the following options.");
    EXPECT_EQ(text(dialog, "opClearDay"), "&Clear the lesson plan of this day only.");
    EXPECT_EQ(text(dialog, "opSuck"),
              "Clear this day and &move the following lesson plans back one school day.");
    EXPECT_EQ(text(dialog, "cmdOK"), "OK");
    EXPECT_EQ(text(dialog, "cmdCancel"), "Cancel");
    dialog.hide();

    expectResults<DeleteLesson>({
        {"clear the day", steps({choose("opClearDay"), click("cmdOK")}), 0},
        {"clear and move back", steps({choose("opSuck"), click("cmdOK")}), 2},
        {"Cancel", steps({choose("opSuck"), click("cmdCancel")}), 1},
        {"frame", closeByFrame(), 1},
        {"Esc", pressEscape(), 1},
    });
}

TEST(MoveDay, TextNamesTheDayAndEveryCloseButOKCancels) {
    MoveDay dialog;
    dialog.setTargetDate(day(2027, 1, 11));
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Schedule Conflict");
    EXPECT_EQ(text(dialog, "Label1"),
              "The day on which you have chosen to insert the selected Lesson Plan (January 11, 2027) has "
              "already been scheduled.  You have the following options.");
    EXPECT_EQ(text(dialog, "opReplace"), "&Replace the lesson plan already scheduled on this day.");
    EXPECT_EQ(text(dialog, "opBump"), "&Insert on this day and move the following lesson plans forward.");
    dialog.hide();

    expectResults<MoveDay>({
        {"replace", steps({choose("opBump"), choose("opReplace"), click("cmdOK")}), 0},
        {"insert", steps({choose("opBump"), click("cmdOK")}), 1},
        {"Enter inserts: no plan is replaced unless chosen", pressEnter(), 1},
        {"Cancel", click("cmdCancel"), 2},
        {"frame", closeByFrame(), 2},
        {"Esc", pressEscape(), 2},
    });
}

TEST(Language, TextNamesTheResourceAndTheButtonGivesItsIndex) {
    Language dialog;
    dialog.setResourceTitle("Map of Europe");
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "View Lesson Resource");
    EXPECT_EQ(text(dialog, "Text1"), "The selected lesson resource, Map of Europe, is available in both "
                                     "English and Spanish.  Which language would you prefer?");
    EXPECT_EQ(text(dialog, "Command1", 0), "Cancel");
    EXPECT_EQ(text(dialog, "Command1", 1), "&English");
    EXPECT_EQ(text(dialog, "Command1", 2), "&Spanish");
    dialog.hide();
    // A title that looks like markup is shown as it is written.
    dialog.setResourceTitle("<b>Rain</b> & Snow");
    dialog.show();
    EXPECT_EQ(dialog.findChild<QLabel*>("Text1")->textFormat(), Qt::PlainText);
    EXPECT_TRUE(text(dialog, "Text1").contains("<b>Rain</b> & Snow"));
    dialog.hide();

    expectResults<Language>({
        {"Cancel", click("Command1", 0), 0},
        {"English", click("Command1", 1), 1},
        {"Spanish", click("Command1", 2), 2},
        {"frame", closeByFrame(), 0},
    });
}

TEST(ClassInfo, TextsAndResults) {
    ClassInfo dialog;
    EXPECT_EQ(dialog.windowTitle(), "Class Information");
    EXPECT_FALSE(dialog.windowIcon().isNull());
    const QStringList labels{"Teacher:", "Class Period:", "Subject:", "Comments:"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(text(dialog, "Label1", i), labels[i]);
    EXPECT_EQ(dialog.txtTeacher()->text(), "Teacher's Name");
    EXPECT_EQ(dialog.txtClass()->text(), "Class Period");
    EXPECT_EQ(dialog.txtSubject()->text(), "Subject");
    EXPECT_EQ(dialog.txtComments()->toPlainText(), "Comments");

    expectResults<ClassInfo>({
        {"OK", click("cmdOK"), 1},
        {"Cancel", click("cmdCancel"), 2},
        {"frame", closeByFrame(), 2},
        {"Esc", pressEscape(), 2},
    });
}

TEST(ClassInfo, ProtectedLocksTheBoxesAndTakesCancelAway) {
    for (const bool isProtected : {true, false}) {
        SCOPED_TRACE(isProtected);
        ClassInfo dialog;
        dialog.Protected = isProtected;
        dialog.show();
        EXPECT_EQ(dialog.txtTeacher()->isReadOnly(), isProtected);
        EXPECT_EQ(dialog.txtClass()->isReadOnly(), isProtected);
        EXPECT_EQ(dialog.txtSubject()->isReadOnly(), isProtected);
        EXPECT_EQ(dialog.txtComments()->isReadOnly(), isProtected);
        auto* cancel = control<QPushButton>(dialog, "cmdCancel");
        EXPECT_EQ(cancel->isVisible(), !isProtected);
        EXPECT_EQ(cancel->isEnabled(), !isProtected);
    }
}

TEST(ClassInfo, ABoxSelectsItsWholeTextWithTheFocus) {
    ClassInfo dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.txtSubject()->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.txtSubject()->selectedText(), "Subject");
    QTest::keyClicks(dialog.txtSubject(), "History");
    EXPECT_EQ(dialog.txtSubject()->text(), "History");
}

TEST(ResourceDetails, ShowsWhatTheCallerFilled) {
    ResourceDetails dialog;
    EXPECT_EQ(dialog.windowTitle(), "Resource Description");
    const QStringList labels{"Title:", "Type:", "Minutes:", "Description:"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(text(dialog, "Label1", i), labels[i]);
    EXPECT_EQ(text(dialog, "cmdOK"), "OK");
    dialog.txtTitle()->setText("Map of Europe");
    dialog.txtTime()->setText("05");
    EXPECT_TRUE(dialog.txtTitle()->isReadOnly());
    ModalDriver driver;
    driver.then(click("cmdOK"));
    dialog.showModal();
    EXPECT_TRUE(driver.done());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.txtTitle()->text(), "Map of Europe");
}

} // namespace
