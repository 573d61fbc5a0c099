#include "planner/data/course_database.h"
#include "planner/data/resource_lookups.h"
#include "planner/data/testing/course_fixture.h"
#include "runtime/testing/error_of.h"
#include "shared/course_settings.h"

namespace {

class ResourceLookups : public CourseFixture {
protected:
    void open(const QString& course) {
        OpenCourseDatabase(platform, course);
        ASSERT_TRUE(CourseDB.isOpen());
    }
    void SetUp() override {
        CourseFixture::SetUp();
        open("SAMPLE1");
    }

    // What an earlier look-up left in the caller's record.
    static ResourceRecord stale() {
        return {99, 98, "Old", 97, true, 96, 95, "Old text", true, "old.pdf", "old_es.pdf", 7, 9};
    }
};

// The first resource of a node is the first in the node's own order, not the smallest id.
struct NodeCase {
    void (*hasResources)(qint32, bool&, qint32&);
    qint32 (*resourceID)(qint32);
    qint32 node;
    bool hasPDF;
    qint32 id;
};

const NodeCase nodeCases[] = {
    {HasResources, GetChapterResourceID, 101, true, 6},   // four resources
    {HasResources, GetChapterResourceID, 120, true, 40},  // first of two
    {HasResources, GetChapterResourceID, 130, false, 41}, // its resource has no document
    {HasResources, GetChapterResourceID, 150, false, 0},  // none
    {HasResources, GetChapterResourceID, 211, false, 0},  // a node of the other library
    {TypeHasResources, GetTypeResourceID, 211, true, 6},
    {TypeHasResources, GetTypeResourceID, 201, true, 12},
    {TypeHasResources, GetTypeResourceID, 220, false, 4},
    {TypeHasResources, GetTypeResourceID, 200, false, 0},
    {TypeHasResources, GetTypeResourceID, 101, false, 0},
};

TEST_F(ResourceLookups, FirstResourceOfANode) {
    for (const NodeCase& c : nodeCases) {
        bool hasPDF = !c.hasPDF; // both are written in every case
        qint32 resourceID = -5;
        c.hasResources(c.node, hasPDF, resourceID);
        EXPECT_EQ(std::pair(hasPDF, resourceID), std::pair(c.hasPDF, c.id)) << c.node;
        EXPECT_EQ(c.resourceID(c.node), c.id) << c.node;
    }
}

TEST_F(ResourceLookups, TypeNamesAreTrimmed) {
    EXPECT_EQ(GetTypeName(1), "Teacher Guide");
    EXPECT_EQ(GetTypeName(2), "Activity Sheet"); // stored with blanks round it
    EXPECT_EQ(GetTypeName(9), "");               // no such type
    EXPECT_EQ(GetTypeName(0), "");
}

TEST_F(ResourceLookups, DetailsOfAVersion0101Course) {
    const std::pair<qint32, ResourceRecord> cases[] = {
        // page ranges 5/3 and 5/0 end at the start page, 0/3 keeps its end; PDFSpanish is not trimmed
        {3, {3, 12, "Cup in a Tub", 15, true, 2, 2, "", false, "airsky.pdf", "   ", 5, 5}},
        {6, {6, 14, "Wind Vane Build", 20, true, 2, 2, "", false, "airsky.pdf", "", 5, 5}},
        {8, {8, 14, "Wind Warm-Up", -1, true, 1, 1, "", true, "", "", 0, 3}},
        {1,
         {1, 12, "Air Takes Up Space: Teacher Notes", 10, true, 1, 1, "Background and set-up for the lesson.",
          false, "airsky.pdf", "airsky_es.pdf", 3, 5}},
        // Nulls: texts empty, pages 0
        {4, {4, 12, "Bubbles Video", -1, false, 3, 3, "", false, "", "", 0, 0}},
        {40, {40, 0, "", 10, false, 2, 1, "Printable blank weather log.", false, "tools.pdf", "", 6, 6}},
        {5,
         {5, 14, "Pinwheel Test", 0, true, 9, 3, "Time how long the pinwheel spins.", false, "", "", 0, 0}},
    };
    for (const auto& [id, expected] : cases) {
        ResourceRecord rec = stale();
        GetResourceDetails(id, rec);
        EXPECT_EQ(rec, expected) << id;
    }
}

TEST_F(ResourceLookups, UnknownResourceLeavesTheRecord) {
    ResourceRecord rec = stale();
    GetResourceDetails(999, rec);
    EXPECT_EQ(rec, stale());
}

TEST_F(ResourceLookups, OtherVersionsKeepTheLanguageAndPages) {
    ResourceRecord rec = stale();
    GetResourceDetails(3, rec);
    EXPECT_EQ(rec.pdfpageend, 5);

    // "0102" over the same files, whose query has the columns
    install("SAMPLE2", "SAMPLE1", LK_COURSE_DIR "/SAMPLE1/SAMPLE2.cfg");
    open("SAMPLE2");
    ASSERT_EQ(CourseSettings.DBVersion, "0102");
    rec = stale();
    GetResourceDetails(3, rec);
    EXPECT_EQ(rec, ResourceRecord(
                       {3, 12, "Cup in a Tub", 15, true, 2, 2, "", false, "airsky.pdf", "old_es.pdf", 7, 9}));

    // "0100", whose query lacks them
    open("SAMPLE0");
    ASSERT_EQ(CourseSettings.DBVersion, "0100");
    rec = stale();
    GetResourceDetails(2, rec);
    EXPECT_EQ(
        rec, ResourceRecord({2, 3, "Bundles of Ten: Teacher Notes", 10, true, 1, 1,
                             "How to run the bundling activity.", false, "bundles.pdf", "old_es.pdf", 7, 9}));
}

TEST_F(ResourceLookups, FailuresPassToTheCaller) {
    CourseDB.execute("UPDATE _queries SET sql = replace(sql, 'Duration,', 'NULL AS Duration,') "
                     "WHERE name = 'qGetResourceDetails'");
    CourseDB.execute("UPDATE _queries SET sql = replace(sql, 'THEN 1 ELSE 0', 'THEN NULL ELSE NULL') "
                     "WHERE name = 'qHasResources'");
    CourseDB.execute("DELETE FROM _queries WHERE name = 'qGetTypeName'");
    ResourceRecord rec;
    bool hasPDF = false;
    qint32 id = 0;
    EXPECT_EQ(rt::errorOf([&] { GetResourceDetails(3, rec); }), 94);
    EXPECT_EQ(rt::errorOf([&] { HasResources(101, hasPDF, id); }), 94);
    EXPECT_EQ(rt::errorOf([&] { GetTypeName(1); }), 3265);
    CourseDB.close();
    EXPECT_NE(rt::errorOf([&] { GetChapterResourceID(101); }), 0);
}

} // namespace
