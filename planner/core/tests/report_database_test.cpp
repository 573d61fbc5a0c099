#include "printing_fixture.h"

#include "runtime/program_folder.h"
#include "runtime/testing/error_of.h"

#include <QFile>
#include <QFileInfo>

namespace {

using rt::day;

const QString emptyDay = "\r\n\r\n\r\n\r\n\r\n.";

struct Cell {
    QString date, title;
    bool operator==(const Cell&) const = default;
};

void PrintTo(const Cell& c, std::ostream* os) {
    *os << '"' << c.date.toStdString() << "\" \"" << c.title.toStdString() << '"';
}

class ReportData : public PrintingFixture {
protected:
    // The class row and the cells, as the reports read them.
    QStringList classRows() {
        QStringList rows;
        rt::Database db =
            rt::DBEngine::instance().workspace().openDatabase(ReportDatabasePath(), false, true);
        for (rt::Recordset r = db.openSql("SELECT * FROM Class"); !r.eof(); r.moveNext())
            rows << QStringList{r.field("Teacher").toString(), r.field("Subject").toString(),
                                r.field("Period").toString(), r.field("Comments").toString()}
                        .join(" | ");
        db.close();
        return rows;
    }
    QList<Cell> cells() {
        QList<Cell> list;
        rt::Database db =
            rt::DBEngine::instance().workspace().openDatabase(ReportDatabasePath(), false, true);
        for (rt::Recordset r = db.openSql("SELECT LessonDate, Title FROM RptData ORDER BY RowNo"); !r.eof();
             r.moveNext()) {
            EXPECT_EQ(r.field("LessonDate").type(), rt::VarType::String);
            list.append({r.field("LessonDate").toString(), r.field("Title").toString()});
        }
        db.close();
        return list;
    }
    // Rows of an earlier fill, which every fill removes.
    void leaveEarlierRows() {
        const QString scratch = ReportDatabasePath();
        QFile::remove(scratch);
        ASSERT_TRUE(QFile::copy(LK_COURSE_DIR "/fixtures/reports_leftover.mdb", scratch));
        QFile::setPermissions(scratch, QFile::ReadOwner | QFile::WriteOwner);
    }
};

TEST_F(ReportData, TheScratchDatabaseIsTheUsersOwnCopyOfTheEmptyOneBesideTheProgram) {
    // An installed program folder that nobody may write.
    const QString program = path("program");
    QDir().mkpath(program);
    ASSERT_TRUE(QFile::copy(LK_PROGRAM_DIR "/reports.mdb", program + "/reports.mdb"));
    QFile::setPermissions(program + "/reports.mdb", QFile::ReadOwner);
    rt::setProgramFolder(program);
    const QString scratch = ReportDatabasePath();
    EXPECT_EQ(scratch, path("data") + "/Larkspan/reports.mdb");
    EXPECT_TRUE(QFileInfo(scratch).isWritable());
    FillWeekReportData();
    EXPECT_EQ(cells().size(), 6);
}

TEST_F(ReportData, MonthsFillSixWeeksFromTheSundayOnOrBeforeTheFirst) {
    const struct {
        qint32 date;
        int leading, days, trailing;
        Cell first, last;
        QString comments;
    } cases[] = {
        {day(2026, 2, 10), 0, 28, 14, {" 1", emptyDay}, {" 14", emptyDay}, "February 2026"},
        {day(2026, 8, 31), 6, 31, 5, {" 26", ""}, {" 5", emptyDay}, "August 2026"},
        {day(2026, 12, 1), 2, 31, 9, {" 29", ""}, {" 9", emptyDay}, "December 2026"},
        {day(2024, 2, 29), 4, 29, 9, {" 28", ""}, {" 9", emptyDay}, "February 2024"},
    };
    leaveEarlierRows();
    for (const auto& c : cases) {
        setCurrentDate(c.date);
        FillMonthReportData();
        const QList<Cell> rows = cells();
        ASSERT_EQ(rows.size(), 42) << c.comments.toStdString();
        int firstOfMonth = 0;
        while (rows[firstOfMonth].date != " 1") ++firstOfMonth;
        int firstAfter = firstOfMonth + 1;
        while (firstAfter < 42 && rows[firstAfter].date != " 1") ++firstAfter;
        EXPECT_EQ(firstOfMonth, c.leading) << c.comments.toStdString();
        EXPECT_EQ(firstAfter - firstOfMonth, c.days) << c.comments.toStdString();
        EXPECT_EQ(42 - firstAfter, c.trailing) << c.comments.toStdString();
        EXPECT_EQ(MonthDayCount(c.date), c.days);
        EXPECT_EQ(rows.first(), c.first);
        EXPECT_EQ(rows.last(), c.last);
        EXPECT_EQ(classRows(), QStringList{"Ms. Alvarez | Science | 3rd period | " + c.comments});
    }
}

TEST_F(ReportData, AMonthsCellsShowItsPlansAsTheMonthViewDoes) {
    // A stored plan without a course lesson shows nothing, not the text of an empty day.
    CourseDB.execute(
        "INSERT INTO LessonPlans (TreeID, LPDate, Title, blocked) VALUES (-999, '2027-01-20', 'x', 0)");
    setCurrentDate(day(2027, 1, 20));
    FillMonthReportData();
    const QList<Cell> rows = cells();
    ASSERT_EQ(rows.size(), 42);
    // January 2027 begins on a Friday: five cells of December lead.
    EXPECT_EQ(rows[4], (Cell{" 31", ""}));
    EXPECT_EQ(rows[5], (Cell{" 1", emptyDay}));
    EXPECT_EQ(rows[8], (Cell{" 4", "1.2.1 Air Takes Up Space"}));
    EXPECT_EQ(rows[11].title.left(12), " Field Trip-");
    EXPECT_EQ(rows[24], (Cell{" 20", ""}));
    EXPECT_EQ(rows[25], (Cell{" 21", emptyDay}));
}

TEST_F(ReportData, AWeekIsItsFiveDaysAndTheWeekendAlsoWithoutPlans) {
    leaveEarlierRows();
    setCurrentDate(day(2027, 1, 10)); // a Sunday: the week from Monday the 4th
    FillWeekReportData();
    EXPECT_EQ(classRows(), QStringList{"Ms. Alvarez | Science | 3rd period | January 4-10, 2027"});
    const QList<Cell> week = cells();
    ASSERT_EQ(week.size(), 6);
    EXPECT_EQ(week[0], (Cell{"Monday, January 4", "\r\n1-2-1 Air Takes Up Space"}));
    EXPECT_EQ(week[3].date, "Thursday, January 7");
    EXPECT_TRUE(week[3].title.startsWith("Field Trip-"));
    EXPECT_EQ(week[5], (Cell{"Saturday/Sunday, January 9-10", ""}));

    setCurrentDate(day(2027, 2, 3));
    FillWeekReportData();
    EXPECT_EQ(cells(), (QList<Cell>{{"Monday, February 1", ""},
                                    {"Tuesday, February 2", ""},
                                    {"Wednesday, February 3", ""},
                                    {"Thursday, February 4", ""},
                                    {"Friday, February 5", ""},
                                    {"Saturday/Sunday, February 6-7", ""}}));
}

TEST_F(ReportData, AScratchDatabaseThatCannotBeWrittenFailsBothFillsAndKeepsItsRows) {
    leaveEarlierRows();
    QFile::setPermissions(ReportDatabasePath(), QFile::ReadOwner);
    EXPECT_EQ(rt::errorOf([] { FillWeekReportData(); }), 3051);
    EXPECT_EQ(rt::errorOf([] { FillMonthReportData(); }), 3051);
    EXPECT_EQ(cells().size(), 2);
}

TEST_F(ReportData, AFailingWeekFillLeavesTheDatabaseAsItWas) {
    leaveEarlierRows();
    // A scratch database without the cells' table: the class row is written, then the fill fails.
    run(ReportDatabasePath(), {"DROP TABLE RptData"});
    EXPECT_EQ(rt::errorOf([] { FillWeekReportData(); }), 3078);
    EXPECT_EQ(classRows(),
              QStringList{"Earlier teacher | Earlier subject | Earlier period | Earlier comments"});
}

} // namespace
