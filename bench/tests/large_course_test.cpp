// The benchmarks' large course opens as a class of the planner and holds what large_course.h says.
#include "bench/large_course.h"
#include "planner/data/course_database.h"
#include "planner/data/testing/course_fixture.h"
#include "planner/data/testing/query_rows.h"

namespace {

class LargeCourseTest : public CourseFixture {};

QString count(const QString& from) {
    const QStringList rows = QueryRows("SELECT count(*) FROM " + from);
    return rows.value(0);
}

TEST_F(LargeCourseTest, OpensAsAClassOfTheSizesItPromises) {
    LargeCourse course;
    course.install(settings);
    ASSERT_TRUE(AttachClassTables(platform, course.freshClassFile()));
    EXPECT_EQ(LoadedCourse, LargeCourse::Key);
    EXPECT_EQ(count("LessonTree WHERE ParentID = 11"), QString::number(LargeCourse::LevelSize));
    EXPECT_EQ(count("LessonTree WHERE ParentID = 101"), QString::number(LargeCourse::ChapterSize));
    EXPECT_EQ(count("LessonTree WHERE ParentID BETWEEN 101 AND 200"), "2000");
    EXPECT_EQ(count("Resources WHERE PDFFile LIKE 'unit__.pdf'"), "20000");
    EXPECT_EQ(count("ResLibItems i JOIN ResLib l USING (ResLibID) WHERE l.Library = 2"), "20000");

    QStringList days;
    for (const QDate& d : LargeCourse::schoolDays()) days << d.toString(Qt::ISODate);
    EXPECT_EQ(QueryRows("SELECT LPDate FROM LessonPlans ORDER BY LPDate"), days);
    EXPECT_EQ(count("LessonPlans WHERE blocked <> 0 AND TreeID = -666"), "22");
    EXPECT_EQ(QueryRows("SELECT DISTINCT (SELECT count(*) FROM LessonResources r WHERE r.LessonPlanID = "
                        "p.LessonPlanID) FROM LessonPlans p WHERE p.TreeID > 0"),
              QStringList{QString::number(LargeCourse::ResourcesPerPlan)});
    for (const char* pdf : {"unit01.pdf", "unit10_es.pdf"})
        EXPECT_TRUE(QFile::exists(course.folder + "/pdf/" + pdf)) << pdf;
}

} // namespace
