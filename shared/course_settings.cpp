#include "course_settings.h"

#include "runtime/error.h"
#include "runtime/message_box.h"
#include "runtime/text.h"
#include "runtime/text_file.h"
#include "runtime/value/value.h"

#include <QFileInfo>
#include <algorithm>
#include <variant>

CourseSettingsRecord CourseSettings;

namespace {

struct Colour {
    QString CourseSettingsRecord::*text;
    qint32 CourseSettingsRecord::*value;
};
using Member = std::variant<QString CourseSettingsRecord::*, qint16 CourseSettingsRecord::*,
                            bool CourseSettingsRecord::*, Colour>;

struct Key {
    const char* name;
    Member member;
};

using R = CourseSettingsRecord;
// In the order the parser tests them.
const Key keys[] = {
    {"LKAPPNAME", &R::AppTitle},
    {"TRDAPPNAME", &R::EditorTitle},
    {"SUBJECT", &R::Subject},
    {"COMPANYNAME", &R::CompanyName},
    {"HELPURL", &R::HelpURL},
    {"GRADELEVEL", &R::GradeLevel},
    {"GROUPING1", &R::Grouping1},
    {"GROUPING2", &R::Grouping2},
    {"GROUPING3", &R::Grouping3},
    {"GROUPING4", &R::Grouping4},
    {"NUMOBJECTIVESTAB", &R::NumObjectiveTabs},
    {"SHOWALLTAB", &R::ShowAllTab},
    {"LABELOBJECTIVES1", &R::ObjectiveLabel1},
    {"LABELOBJECTIVES2", &R::ObjectiveLabel2},
    {"LABELOBJECTIVES3", &R::ObjectiveLabel3},
    {"LABELOBJECTIVES4", &R::ObjectiveLabel4},
    {"COLORVALUE1", Colour{&R::ColorText1, &R::ColorValue1}},
    {"COLORVALUE2", Colour{&R::ColorText2, &R::ColorValue2}},
    {"COLORVALUE3", Colour{&R::ColorText3, &R::ColorValue3}},
    {"COLORVALUE4", Colour{&R::ColorText4, &R::ColorValue4}},
    {"COLORVALUE5", Colour{&R::ColorText5, &R::ColorValue5}},
    {"STYLEDAYVIEW", &R::StyleDayView},
    {"STYLEWEEKCELLS", &R::StyleWeekCells},
    {"STYLEMONTHCELLS", &R::StyleMonthCells},
    {"STYLEMAKELPAVAILABLENODE", &R::StyleMakeLPAvailableNode},
    {"STYLEMAKELPSELECTEDITEM", &R::StyleMakeLPSelectedItem},
    {"STYLERESOURCELIB1NODE", &R::StyleResourceLib1Node},
    {"STYLERESOURCELIB2NODE", &R::StyleResourceLib2Node},
    {"STYLETRDNODE", &R::StyleTRDNode},
    {"STYLEPRINTEDLESSONTITLE", &R::StylePrintedLessonTitle},
    {"STYLELKWINDOWCAPTION", &R::StyleLKWindowCaption},
    {"MULTIPAGEPDF", &R::MultiPagePDF},
    {"COPYRIGHT", &R::RightsText},
    {"CREDIT", &R::CreditText},
    {"DBVERSION", &R::DBVersion},
    {"UCI", &R::UCI},
    {"RESPDFROOTPATH", &R::ResPDFRootPath},
    {"SHOWRESLIB2", &R::ShowResLib2},
    {"RESLIB1LABEL", &R::ResLib1Label},
    {"RESLIB2LABEL", &R::ResLib2Label},
};

template <class... F> struct Overload : F... { using F::operator()...; };

} // namespace

void ParseConfigLine(const QString& line, const QString& separator) {
    const qsizetype p = line.indexOf(separator);
    if (p < 0) return;
    const QString key = rt::trimSpaces(line.left(p).toUpper());
    const QString value = rt::trimSpaces(line.mid(p + separator.size()));
    for (const Key& k : keys) {
        if (key != QLatin1String(k.name)) continue;
        R& s = CourseSettings;
        std::visit(Overload{
                       [&](QString R::*m) { s.*m = value; },
                       [&](qint16 R::*m) { s.*m = rt::roundToInt16(rt::Val(value)); },
                       [&](bool R::*m) { s.*m = rt::trimSpaces(value).toUpper() == QLatin1String("TRUE"); },
                       [&](Colour c) {
                           s.*c.text = value;
                           s.*c.value = ParseColour(value);
                       },
                   },
                   k.member);
        return;
    }
}

qint32 ParseColour(const QString& text) {
    if (text.isEmpty()) return 0;
    const qsizetype first = text.indexOf(u',');
    const qsizetype second = first < 0 ? -1 : text.indexOf(u',', first + 1);
    if (second < 0) throw rt::RuntimeError(13);
    const auto component = [](const QString& part) -> qint32 {
        const qint16 n = rt::Value(part).toInt16();
        if (n < 0) throw rt::RuntimeError(5);
        return qMin<qint32>(n, 255);
    };
    return component(text.left(first)) + 256 * component(text.mid(first + 1, second - first - 1)) +
           65536 * component(text.mid(second + 1));
}

qint16 FileExistsPrompt(rt::MessageBox& msg, QString& path, qint16& mode) {
    if (path.contains(QChar(0))) throw rt::RuntimeError(52);
    if (!path.isEmpty() && QFileInfo(path).isFile()) return 1;
    const QString text = QStringLiteral("The file ") + path + QStringLiteral(" doesn't exist.") +
                         QStringLiteral("\r\nWould you like to create and    then edit it?\r\n\r\n") +
                         QStringLiteral("Choose OK to create file, Cancel to stop.");
    const auto answer =
        msg.show({text, QStringLiteral("File Message"), rt::MbButtons::OkCancel, rt::MbIcon::Information});
    if (answer != rt::MbAnswer::Ok) return 0;
    mode = 1;
    return 1;
}

void ReadCourseConfig(rt::MessageBox& msg, const QString& path) {
    try {
        QString p = path;
        qint16 mode = 2;
        if (FileExistsPrompt(msg, p, mode) == 0) return;
        for (const QString& line : rt::readTextLines(path)) ParseConfigLine(line, QStringLiteral("|"));
    } catch (const rt::RuntimeError&) {
        // A file that cannot be read or holds a bad value keeps what was stored up to that line.
    }
    const qint16 tabs = CourseSettings.NumObjectiveTabs;
    if (tabs >= 0 && tabs <= kMostObjectiveTabs) return;
    CourseSettings.NumObjectiveTabs = std::clamp<qint16>(tabs, 0, kMostObjectiveTabs);
    msg.show(
        {QStringLiteral("The course configuration %1 gives NUMOBJECTIVESTAB the value %2; a course has 0 "
                        "to %3 objective tabs, so %4 are used.")
             .arg(path)
             .arg(tabs)
             .arg(kMostObjectiveTabs)
             .arg(CourseSettings.NumObjectiveTabs),
         CourseSettings.AppTitle, rt::MbButtons::Ok, rt::MbIcon::Exclamation});
}
