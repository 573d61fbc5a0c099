#pragma once

#include <QString>
#include <QtGlobal>

namespace rt {
class MessageBox;
}

// The values of the course configuration file, one record for the whole run. A read overwrites only the
// members whose keys the file holds.
struct CourseSettingsRecord {
    QString AppTitle, EditorTitle, Subject, CompanyName, HelpURL, GradeLevel;
    QString Grouping1, Grouping2, Grouping3, Grouping4;
    qint16 NumObjectiveTabs = 0;
    bool ShowAllTab = false;
    QString ObjectiveLabel1, ObjectiveLabel2, ObjectiveLabel3, ObjectiveLabel4;
    QString ColorText1, ColorText2, ColorText3, ColorText4, ColorText5;
    qint32 ColorValue1 = 0, ColorValue2 = 0, ColorValue3 = 0, ColorValue4 = 0, ColorValue5 = 0;
    qint16 StyleDayView = 0, StyleWeekCells = 0, StyleMonthCells = 0, StyleMakeLPAvailableNode = 0,
           StyleMakeLPSelectedItem = 0, StyleResourceLib1Node = 0, StyleResourceLib2Node = 0,
           StyleTRDNode = 0, StylePrintedLessonTitle = 0, StyleLKWindowCaption = 0;
    bool MultiPagePDF = false;
    QString RightsText, CreditText, DBVersion, UCI, ResPDFRootPath;
    bool ShowResLib2 = false;
    QString ResLib1Label, ResLib2Label;
    // Not a key: the number of the local-objective tab, derived when the course database opens.
    qint16 LocalTabIndex = 0;
};

extern CourseSettingsRecord CourseSettings;

// The objectives tab control holds this many course tabs beside the local one.
constexpr qint16 kMostObjectiveTabs = 6;

// Reads the configuration file into CourseSettings. A missing file is offered for creation by
// FileExistsPrompt and nothing is read; any other failure stops the read silently at that line. A count
// of objective tabs that the tab control cannot hold is told and brought to the nearest it can.
void ReadCourseConfig(rt::MessageBox& msg, const QString& path);

// Stores one "KEY|value" line; lines without the separator or with an unknown key change nothing.
// A number outside the 16-bit range or a bad colour raises the runtime error.
void ParseConfigLine(const QString& line, const QString& separator);

// "r,g,b" to the Windows colour r + 256 g + 65536 b; the empty text gives 0.
qint32 ParseColour(const QString& text);

// 1 when the file at `path` exists; otherwise asks whether to create it: OK sets `mode` to 1 and gives 1,
// Cancel gives 0.
qint16 FileExistsPrompt(rt::MessageBox& msg, QString& path, qint16& mode);
