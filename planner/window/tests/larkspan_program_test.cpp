// The built program in a process of its own, offscreen, with a settings file of its own; the test reads
// the windows it reports and answers them as a user would.
#include "runtime/com/component_registry.h"
#include "tests/support/program_fixture.h"
#include "tests/support/reported_program.h"

namespace {

// The planner, offscreen.
class Larkspan : public ReportedProgram {
public:
    explicit Larkspan(const QProcessEnvironment& environment)
        : ReportedProgram(QStringLiteral(LK_PROGRAM_DIR "/Larkspan"), environment) {}
};

class LarkspanProgram : public ProgramFixture {
protected:
    LarkspanProgram() : ProgramFixture({CVCELL_OCX, CVTAB_OCX}) {}
};

TEST_F(LarkspanProgram, StartsWithNoClassUnderTheStartUpDialogAndEndsByFileExit) {
    Larkspan program(environment);
    program.start("SAMPLE1");
    EXPECT_EQ(program.nextLine(), "shown\tPlanX\t0\tBrackwell Larkspan\t");
    const QStringList dialog = program.nextLine().split(u'\t');
    ASSERT_EQ(dialog.size(), 5);
    EXPECT_EQ(dialog[1], "OpenApp");
    EXPECT_EQ(dialog[2], "2") << "the start-up dialog is modal over the main window";
    for (const char* option : {"opDayView", "opWeekView", "opMonthView"})
        EXPECT_EQ(program.property(option, "checked"), "false") << option;

    program.send("press Cancel");
    EXPECT_EQ(program.property("PlanX", "windowTitle"), "Brackwell Larkspan");
    EXPECT_EQ(program.property("PlanX", "visible"), "true");
    EXPECT_EQ(program.property("mnuFileClose", "enabled"), "false");
    EXPECT_EQ(program.property("opDayView", "checked"), "false");

    // A second copy hands over to the running one and ends at once, showing nothing.
    {
        Larkspan second(environment);
        second.start("SAMPLE1");
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_EQ(second.remainingOutput(), "");
    }

    program.send("trigger mnuFileExit");
    EXPECT_EQ(program.exitCode(), 0);
}

TEST_F(LarkspanProgram, ACourseThatIsNotInstalledIsToldAndEndsTheProgram) {
    Larkspan program(environment);
    program.start("NOSUCH");
    const QStringList box = program.nextLine().split(u'\t');
    ASSERT_EQ(box.size(), 5);
    EXPECT_EQ(box[1], "QMessageBox");
    EXPECT_EQ(box[4], "Command line course NOSUCH is not installed.");
    program.send("press OK");
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.remainingOutput(), "") << "no window follows";
}

TEST_F(LarkspanProgram, AWeekCellLibraryThatIsNotRegisteredIsToldAndEndsTheProgram) {
    rt::IniSettings settings(environment.value("LARKSPAN_SETTINGS"));
    rt::ComponentRegistry registry(settings);
    const QUuid cell = registry.classId("CVCell.WeekViewCell");
    registry.withdraw("CVCell.WeekViewCell", cell, registry.library(cell));
    Larkspan program(environment);
    program.start("SAMPLE1");
    const QStringList box = program.nextLine().split(u'\t');
    ASSERT_EQ(box.size(), 5);
    EXPECT_EQ(box[1], "QMessageBox");
    EXPECT_TRUE(box[4].startsWith("Run-time error '429':")) << box[4].toStdString();
    program.send("press OK");
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.remainingOutput(), "") << "no window follows";
}

} // namespace
