#include "class_files.h"

#include "mru.h"
#include "planner/data/course_database.h"
#include "planner/data/lesson_plans.h"
#include "runtime/clock.h"
#include "runtime/command_line.h"
#include "runtime/dao/engine.h"
#include "runtime/error.h"
#include "runtime/file_identity.h"
#include "runtime/strings.h"
#include "runtime/text.h"
#include "school_days.h"
#include "shared/course_settings.h"
#include "shared/file_name.h"
#include "shared/installed_course.h"

#include <QFile>
#include <QFileInfo>

LessonState lessonState;
LessonPlanRecord& CurrentLesson = lessonState.CurrentLesson;
LessonClipboardRecord& LessonClipboard = lessonState.LessonClipboard;

void ResetLessonState() {
    lessonState = {};
}

namespace {

void say(Planner& planner, const QString& text, const QString& title, rt::MbIcon icon = rt::MbIcon::None) {
    planner.platform.msg.show({text, title, rt::MbButtons::Ok, icon});
}

// Copies a file over another in one step: the target is replaced only by a complete copy.
void copyFile(const QString& from, const QString& to) {
    if (!QFileInfo(from).isFile()) throw rt::RuntimeError(53);
    const QString temporary = rt::copyBeside(from, to);
    if (temporary.isEmpty()) throw rt::RuntimeError(75);
    if (!rt::replaceFile(temporary, to)) {
        QFile::remove(temporary);
        throw rt::RuntimeError(75);
    }
}

// A class file's path goes into its links' connect strings, which ";" separates: a path holding one
// would link another file. Every way of opening a class refuses it as the Open dialog does.
bool refusedName(Planner& planner, const QString& path) {
    if (!path.contains(u';')) return false;
    say(planner, "Semi-colons are not allowed in class filenames.\r\nPlease rename the file and reopen it.",
        CourseSettings.AppTitle, rt::MbIcon::Information);
    return true;
}

} // namespace

QString StripPath(const QString& path) {
    return FileNameFromPath(path);
}

void SetCourseFromCommandLine(Planner& planner) {
    const QString key = rt::commandLine();
    QString path;
    try {
        path = GetCourseValue(planner.platform.settings, key, "Path");
    } catch (const rt::RuntimeError& e) {
        // A settings file that cannot be read installs no course, but the teacher is told which and why.
        say(planner, e.description, CourseSettings.AppTitle);
        ExitApplication(planner);
        return;
    }
    if (!path.isEmpty()) {
        ReadCourseConfig(planner.platform.msg, GetCourseValue(planner.platform.settings, key, "Config"));
        LoadedCourse = key;
        return;
    }
    say(planner, "Command line course " + key + " is not installed.", CourseSettings.AppTitle);
    ExitApplication(planner);
}

void OpenClassDialog(Planner& planner) {
    rt::FileDialogRequest request;
    request.filter = rt::StringTable::get(102);
    request.flags = 0x201004;
    request.title = QStringLiteral("Open");
    QString name;
    for (;;) {
        const rt::FileDialogResult chosen = planner.platform.dialogs.showOpen(request);
        if (chosen.cancelled) return;
        name = chosen.path;
        if (refusedName(planner, name)) continue;
        if (!name.isEmpty()) break;
    }
    OpenClassFile(planner, name);
    planner.window->FocusLessonGrid();
}

void OpenClassFile(Planner& planner, const QString& path) {
    if (refusedName(planner, path)) return;
    if (FileNameFromPath(path).size() >= 65) {
        say(planner,
            "The length of this class file name may cause errors when printing.  Please rename the file and "
            "shorten the name to 64 characters or less.",
            "Long Filename Error");
        return;
    }
    MainWindow& window = *planner.window;
    window.DisableForm();
    CloseClass(planner);
    if (AttachClassTables(planner.platform, path)) {
        ClassFilePath = path;
        window.UIOpenClass();
        window.ChangeCurrentDate(AdjustForWeekend(rt::today(), false));
        try {
            AddToMRU(planner.platform.settings, path);
        } catch (const rt::RuntimeError& e) {
            say(planner, e.description, CourseSettings.AppTitle, rt::MbIcon::Exclamation);
        }
    }
    window.LoadMRUs();
    window.EnableForm();
}

void CloseClass(Planner& planner) {
    if (!LoadedCourse.isEmpty()) {
        planner.window->UICloseClass();
        ClassFilePath.clear();
        planner.window->ShowNoView();
        DetachClassTables();
    }
    LessonClipboard.Lesson.TreeID = -999;
}

bool NewClassUI(Planner& planner) {
    const std::unique_ptr<NewClassDialog> dialog = planner.dialogs.createNewClass();
    dialog->showModal();
    const qint16 first = dialog->Result();
    if (first == 0) return false;
    dialog->GetFileName();
    if (dialog->Result() == 0) return false;
    const QString name = dialog->ClassFileName();
    if (!CreateClassFile(planner.platform, name, rt::trimSpaces(dialog->txtTeacher()),
                         rt::trimSpaces(dialog->txtSubject()), rt::trimSpaces(dialog->txtClass()),
                         rt::trimSpaces(dialog->txtComments())))
        return false;
    OpenClassFile(planner, name);
    if (first == 1) planner.dialogs.createSpecial()->showModal();
    say(planner,
        "To begin working with this class, you may:\r\nuse Insert Special Day to set your school calendar, "
        "or\r\nuse Make Lesson Plans to begin scheduling lessons.",
        "Create a new class");
    return true;
}

void CopyClass(Planner& planner, const QString& newPath) {
    const qint32 date = CurrentLesson.LPDate;
    const QString old = ClassFilePath;
    if (refusedName(planner, newPath)) return;
    // The same file under another spelling counts as the open file: copying it onto itself would empty it.
    if (rt::isSameFile(newPath, old)) {
        say(planner, "You may not save over the file that is open.", "Copy Class Error");
        return;
    }
    try {
        CloseClass(planner);
        CloseCourseDatabase();
        rt::DBEngine::instance().idle();
        planner.platform.loop.yield();
        copyFile(old, newPath);
        OpenClassFile(planner, newPath);
        GetLessonPlanForDate(date, CurrentLesson);
    } catch (const rt::RuntimeError& e) {
        say(planner, "Error copying class file: " + e.description, "Copy Class", rt::MbIcon::Exclamation);
    }
}

void ExitApplication(Planner& planner) {
    DetachClassTables();
    CloseCourseDatabase();
    planner.endProgram();
}

void LaunchGuidedTour(Planner& planner) {
    const QString program =
        GetCourseValue(planner.platform.settings, LoadedCourse, "Tour") + u'/' + rt::StringTable::get(106);
    try {
        if (planner.platform.shell.startProgram(program, {}) != 0) return;
    } catch (const rt::RuntimeError& e) {
        if (e.number != 53) return;
    }
    say(planner, "Please insert the Kitbright Planner disk in the CD-ROM drive and try again.",
        "Could not launch tour", rt::MbIcon::Information);
}
