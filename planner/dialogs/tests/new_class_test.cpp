#include "modal_driver.h"
#include "planner/core/planner.h"
#include "planner/dialogs/new_class.h"
#include "runtime/testing/recording_message_box.h"
#include "runtime/testing/scripted_common_dialog.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class NewClassTest : public ::testing::Test {
protected:
    void TearDown() override { ClassFilePath.clear(); }

    qint16 answer(ModalDriver::Step step) { return answered(dialog, std::move(step)); }
    QLineEdit* box(const char* name) { return control<QLineEdit>(dialog, name); }
    QStringList shown() const {
        QStringList out;
        for (const rt::MbRequest& r : msg.shown) out << r.title.value_or("") + ": " + r.text;
        return out;
    }

    rt::RecordingMessageBox msg;
    rt::ScriptedCommonDialog files;
    NewClass dialog{msg, files};
};

TEST_F(NewClassTest, TextsStartAsTheirPrompts) {
    EXPECT_EQ(dialog.windowTitle(), "New Class Information");
    const char* labels[] = {"Label1", "Label2", "Label3", "Label4"};
    const QStringList captions{"Teacher:", "Class Period:", "Subject:", "Comments:"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(control<QLabel>(dialog, labels[i])->text(), captions[i]);
    EXPECT_EQ(dialog.txtTeacher(), "Teacher's Name");
    EXPECT_EQ(dialog.txtClass(), "Class Period");
    EXPECT_EQ(dialog.txtSubject(), "Subject");
    EXPECT_EQ(dialog.txtComments(), "Comments");
    EXPECT_EQ(control<QPushButton>(dialog, "cmdOK")->text(), "OK");
    EXPECT_EQ(control<QPushButton>(dialog, "cmdSpecial")->text(), "Class Calendar");
    EXPECT_EQ(control<QPushButton>(dialog, "cmdCancel")->text(), "Cancel");
}

TEST_F(NewClassTest, Results) {
    struct Case {
        const char* what;
        ModalDriver::Step step;
        qint16 expected;
    };
    for (const Case& c : QList<Case>{{"OK", click("cmdOK"), 2},
                                     {"Class Calendar", click("cmdSpecial"), 1},
                                     {"Cancel", click("cmdCancel"), 0},
                                     {"frame", closeByFrame(), 0},
                                     {"Esc", pressEscape(), 0}}) {
        SCOPED_TRACE(c.what);
        NewClass d(msg, files);
        EXPECT_EQ(answered(d, c.step), c.expected);
    }
}

TEST_F(NewClassTest, OKWantsTeacherClassAndSubjectAndFocusesTheFirstBlankOne) {
    EXPECT_EQ(answer([this](QWidget& w) {
                  box("txtClass")->setText("   ");
                  box("txtSubject")->clear();
                  control<QPlainTextEdit>(w, "txtComments")->clear();
                  click("cmdOK")(w);
                  EXPECT_TRUE(w.isVisible());
                  EXPECT_EQ(w.focusWidget(), box("txtClass"));
                  box("txtClass")->setText("3rd period");
                  click("cmdOK")(w);
                  EXPECT_TRUE(w.isVisible());
                  EXPECT_EQ(w.focusWidget(), box("txtSubject"));
                  box("txtSubject")->setText("History");
                  click("cmdOK")(w);
              }),
              2);
    EXPECT_TRUE(msg.shown.isEmpty());
    EXPECT_EQ(dialog.txtClass(), "3rd period");
    EXPECT_EQ(dialog.txtComments(), ""); // may stay empty
}

TEST_F(NewClassTest, ClassCalendarSkipsTheChecks) {
    EXPECT_EQ(answer([this](QWidget& w) {
                  box("txtTeacher")->clear();
                  click("cmdSpecial")(w);
              }),
              1);
}

TEST_F(NewClassTest, SaveDialogRefusesSemicolonsTheOpenClassAndLongNames) {
    QTemporaryDir dir;
    ClassFilePath = dir.filePath("open.lkc");
    QFile(ClassFilePath).open(QIODevice::WriteOnly);
    const QString name64 = dir.filePath(QString(60, 'a') + ".lkc");
    files.choose(dir.filePath("a;b.lkc"));
    files.choose(ClassFilePath);
    files.choose(dir.path() + "/./open.lkc"); // the open class under another spelling
    files.choose(dir.filePath(QString(61, 'a') + ".lkc"));
    files.choose(name64);
    answer(click("cmdOK"));
    dialog.GetFileName();

    EXPECT_EQ(dialog.Result(), 2);
    EXPECT_EQ(dialog.ClassFileName(), name64);
    ASSERT_EQ(files.shown.size(), 5);
    for (const auto& s : files.shown) {
        EXPECT_EQ(s.kind, rt::ScriptedCommonDialog::Shown::Save);
        EXPECT_EQ(s.request.title, "Save class as");
        EXPECT_EQ(s.request.flags, 0x80806u);
        EXPECT_EQ(s.request.filter, "Larkspan Class Files (*.lkc)|*.lkc|All Files (*.*)|*.*");
    }
    EXPECT_EQ(shown(),
              (QStringList{
                  "Filename Error: Semicolons are not allowed in the class filename.  Please choose another.",
                  "New class error: You can not save over the class you have open.",
                  "New class error: You can not save over the class you have open.",
                  "New Class error: Class file names must be less then 64 characters long.",
              }));
}

TEST_F(NewClassTest, CancelInTheSaveDialogAnswersCancelAtAnyShowing) {
    answer(click("cmdSpecial"));
    files.choose("/tmp/a;b.lkc");
    files.cancel();
    dialog.GetFileName();
    EXPECT_EQ(dialog.Result(), 0);
    EXPECT_EQ(dialog.ClassFileName(), "");
    EXPECT_EQ(files.shown.size(), 2);
}

} // namespace
