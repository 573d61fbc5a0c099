#pragma once

namespace rt {

struct CalendarSheet;
class ReportData;
class ReportWriter;
struct ReportFile;

// The built-in layouts, one per report file's LAYOUT, each reading the data files that the programs give
// it and printing the captions of its report file.

// Data files 0 LessonPlans, 1 LessonResources, 2 Class (the class file), 4 ResourceTypes (the course
// database); the selection picks LessonPlans rows. One plan a page: class, date, title, resources with
// minutes, objectives.
void layOutLessonPlans(ReportWriter& out, ReportData& data, const ReportFile& file);
// Data file 0: Class and the six RptData cells of the week view, two a row.
CalendarSheet layOutWeek(ReportData& data, const ReportFile& file);
// Data file 0 Class, 1 RptData: the 42 cells of a month, Sunday to Saturday, under weekday names.
CalendarSheet layOutMonth(ReportData& data, const ReportFile& file);
// Data file 0: the course's LessonTree, each node under its parent with its objectives; the selection
// picks the nodes whose subtrees print (every root when empty).
void layOutObjectives(ReportWriter& out, ReportData& data, const ReportFile& file);

} // namespace rt
