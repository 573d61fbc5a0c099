#include "fixture.h"
#include "runtime/dao/detail/dialect.h"

namespace daotest {
namespace {

TEST(Dialect, EngineFormsBecomeSqlite) {
    const struct {
        const char* engine;
        const char* sqlite;
    } cases[] = {
        {"SELECT * FROM LessonPlans WHERE LPDate=#2027-01-04#",
         "SELECT * FROM LessonPlans WHERE LPDate='2027-01-04'"},
        {"SELECT * FROM LessonPlans WHERE LPDate=#2027-1-4#",
         "SELECT * FROM LessonPlans WHERE LPDate='2027-01-04'"},
        {"DELETE * from Class", "DELETE from Class"},
        {"  delete *  FROM RptData", "DELETE FROM RptData"},
        {"SELECT '#2027-01-04#' AS t", "SELECT '#2027-01-04#' AS t"},
        {"SELECT [#2027-01-04#] FROM t", "SELECT [#2027-01-04#] FROM t"},
        {"SELECT * FROM t WHERE d = #2027-02-30#", "SELECT * FROM t WHERE d = #2027-02-30#"},
        {"SELECT COUNT(*) FROM t", "SELECT COUNT(*) FROM t"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rt::detail::translateSql(QString::fromLatin1(c.engine)), QString::fromLatin1(c.sqlite));
}

class DialectOnFiles : public DaoTest {};

TEST_F(DialectOnFiles, DeleteStarRuns) {
    rt::Database db = ws().openDatabase(makeCourse(QStringLiteral("course.mdb")));
    db.execute(QStringLiteral("DELETE * from Resources"));
    EXPECT_EQ(db.openTable(QStringLiteral("Resources")).recordCount(), 0);
}

} // namespace
} // namespace daotest
