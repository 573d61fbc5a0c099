// The built editor in a process of its own, offscreen, driven through the windows it reports as a user
// would: the local objective typed for a lesson is in the course database once the window is closed.
#include "runtime/dao/engine.h"
#include "tests/support/program_fixture.h"
#include "tests/support/reported_program.h"

namespace {

class TrdProgram : public ProgramFixture {
protected:
    TrdProgram() : ProgramFixture({CVTREE_OCX, CVTAB_OCX}) {}

    QString objective5(int treeID) {
        rt::Database db = rt::DBEngine::instance().workspace().openDatabase(course() + "/SAMPLE1.mdb");
        const rt::Value v =
            db.openSql(QStringLiteral("SELECT Objective5 FROM LessonTree WHERE TreeID = %1").arg(treeID))
                .field(0);
        db.close();
        return v.toString();
    }
};

TEST_F(TrdProgram, TheLocalObjectiveTypedForALessonIsSavedByClose) {
    ReportedProgram trd(QStringLiteral(LK_PROGRAM_DIR "/TRD"), environment);
    trd.start("SAMPLE1");
    EXPECT_EQ(trd.nextLine(), "shown\tfrmMenu\t0\tTallyreed  Science\t");

    trd.send("trigger mnuEdit");
    EXPECT_EQ(trd.nextLine(), "shown\tfrmTRD\t2\tTallyreed  Science\t") << "modal";
    trd.send("expand treTRD -1 Air and Sky");
    EXPECT_EQ(trd.nextLine(), "expanded\t-1 Air and Sky");
    trd.send("expand treTRD 1-2 What Is Air?");
    EXPECT_EQ(trd.nextLine(), "expanded\t1-2 What Is Air?");
    trd.send("click treTRD 2-1 Air Takes Up Space");
    EXPECT_EQ(trd.nextLine(), "clicked\ttreTRD");
    EXPECT_EQ(trd.property("rtbTRD", "enabled"), "true") << "a lesson without children takes typing";
    trd.send("type rtbTRD  Bring towels.");
    EXPECT_EQ(trd.nextLine(), "typed\trtbTRD");
    trd.send("press Close");
    EXPECT_EQ(trd.property("frmTRD", "visible"), "false");
    EXPECT_EQ(objective5(12), "Use the rain barrel by the school garden. Bring towels.");

    trd.send("trigger mnuExit");
    EXPECT_EQ(trd.exitCode(), 0);
}

} // namespace
