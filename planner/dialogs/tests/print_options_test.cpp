#include "modal_driver.h"
#include "planner/core/planner.h"
#include "planner/dialogs/print_options.h"
#include "runtime/testing/recording_message_box.h"
#include "runtime/testing/scripted_common_dialog.h"
#include "shared/course_settings.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

class PrintOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        CurrentLesson = {};
        CurrentLesson.TreeID = 12;
        CourseSettings.AppTitle = "Sample Course";
    }
    void TearDown() override { CurrentLesson = {}; }

    // Enabled and checked, one letter per box: "E" enabled and checked, "e" enabled, "-" disabled.
    static QString boxes(const PrintOptions& d) {
        QString out;
        for (int i = 0; i < 3; ++i) {
            const QCheckBox* box = d.chkResources(i);
            out += !box->isEnabled() ? u'-' : box->isChecked() ? u'E' : u'e';
        }
        return out;
    }

    rt::RecordingMessageBox msg;
    rt::ScriptedCommonDialog printer;
};

TEST_F(PrintOptionsTest, Texts) {
    PrintOptions dialog(msg, printer);
    EXPECT_EQ(dialog.windowTitle(), "Print Lesson Plan");
    EXPECT_EQ(dialog.opPrint(0)->text(), "&Lesson plan of the selected day");
    EXPECT_EQ(dialog.opPrint(1)->text(), "&Week view of the selected week");
    EXPECT_EQ(dialog.opPrint(2)->text(), "&Month view of the selected month");
    EXPECT_EQ(dialog.chkResources(0)->text(), "Include printable Teaching Resources");
    EXPECT_EQ(dialog.chkResources(1)->text(), "Print all lesson plans for the selected week.");
    EXPECT_EQ(dialog.chkResources(2)->text(), "Print all lesson plans for the selected month.");
    EXPECT_EQ(control<QPushButton>(dialog, "cmdPrint")->text(), "Printer &Setup...");
}

TEST_F(PrintOptionsTest, OnlyTheChosenOptionsBoxIsEnabledAndTheOthersLoseTheirCheck) {
    PrintOptions dialog(msg, printer);
    EXPECT_EQ(dialog.PrintChoice(), 0);
    EXPECT_TRUE(dialog.opPrint(0)->isChecked());
    EXPECT_EQ(boxes(dialog), "e--");
    dialog.chkResources(0)->setChecked(true);
    EXPECT_EQ(boxes(dialog), "E--");
    dialog.opPrint(2)->click();
    EXPECT_EQ(dialog.PrintChoice(), 2);
    EXPECT_EQ(boxes(dialog), "--e");
    dialog.chkResources(2)->setChecked(true);
    dialog.opPrint(1)->click();
    EXPECT_EQ(dialog.PrintChoice(), 1);
    EXPECT_EQ(boxes(dialog), "-e-");
}

TEST_F(PrintOptionsTest, ADayWithoutALessonStartsOnTheWeek) {
    CurrentLesson.TreeID = -999;
    PrintOptions dialog(msg, printer);
    EXPECT_FALSE(dialog.opPrint(0)->isEnabled());
    EXPECT_TRUE(dialog.opPrint(1)->isChecked());
    EXPECT_EQ(dialog.PrintChoice(), 1);
    EXPECT_EQ(boxes(dialog), "-e-");
}

TEST_F(PrintOptionsTest, ResultsAndTheChoiceTheCallerReads) {
    struct Case {
        const char* what;
        ModalDriver::Step step;
        qint16 result, choice;
        QString boxes;
    };
    const QList<Case> cases = {
        {"OK", click("cmdOK"), 1, 0, "e--"},
        {"month with its plans, OK",
         steps({choose("opPrint", 2), [](QWidget& w) { control<QCheckBox>(w, "chkResources", 2)->click(); },
                click("cmdOK")}),
         1, 2, "--E"},
        {"Cancel", steps({choose("opPrint", 1), click("cmdCancel")}), 2, 1, "-e-"},
        {"frame", closeByFrame(), 2, 0, "e--"},
        {"Esc", pressEscape(), 2, 0, "e--"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PrintOptions dialog(msg, printer);
        EXPECT_EQ(answered(dialog, c.step), c.result);
        EXPECT_EQ(dialog.PrintChoice(), c.choice);
        EXPECT_EQ(boxes(dialog), c.boxes);
    }
}

TEST_F(PrintOptionsTest, PrinterSetupWithoutADefaultPrinterSaysSo) {
    printer.printerAnswers = {rt::PrinterSetup::NoDefaultPrinter, rt::PrinterSetup::Cancelled,
                              rt::PrinterSetup::Accepted};
    PrintOptions dialog(msg, printer);
    auto* setup = control<QPushButton>(dialog, "cmdPrint");
    for (int i = 0; i < 3; ++i) setup->click();
    EXPECT_EQ(printer.shown.size(), 3);
    EXPECT_EQ(printer.shown[0].kind, rt::ScriptedCommonDialog::Shown::Printer);
    ASSERT_EQ(msg.shown.size(), 1);
    EXPECT_EQ(msg.shown[0],
              (rt::MbRequest{"Assign a default printer and try again.", QString("Sample Course")}));
    EXPECT_EQ(dialog.Result(), 0); // the set-up answers nothing
}

} // namespace
