#include "course_database.h"

#include "format_table.h"
#include "runtime/command_line.h"
#include "runtime/dao/dao_errors.h"
#include "runtime/dao/engine.h"
#include "runtime/dao/recordset.h"
#include "runtime/error.h"
#include "runtime/file_identity.h"
#include "runtime/platform.h"
#include "runtime/program_folder.h"
#include "runtime/strings.h"
#include "runtime/text.h"
#include "shared/course_settings.h"
#include "shared/installed_course.h"

#include <QFile>
#include <functional>

namespace {

void say(rt::Platform& p, const QString& text, const QString& title, rt::MbIcon icon = rt::MbIcon::None) {
    p.msg.show({text, title, rt::MbButtons::Ok, icon});
}

QString notAValidCourse(const QString& path) {
    return path + QStringLiteral(" is not a valid ") + CourseSettings.AppTitle + QStringLiteral(" course.");
}

// The local-objective tab is the one after the course tabs (the window places it there for every
// count); labels beyond them read "Local".
void deriveLocalTab() {
    const qint16 n = CourseSettings.NumObjectiveTabs;
    const QString local = QStringLiteral("Local");
    if (n < 4) CourseSettings.ObjectiveLabel4 = local;
    if (n < 3) CourseSettings.ObjectiveLabel3 = local;
    if (n < 2) CourseSettings.ObjectiveLabel2 = local;
    CourseSettings.LocalTabIndex = qint16(n + 1);
}

const std::pair<const char*, const char*> links[] = {{"Class", "Class"},
                                                     {"LessonPlans", "LessonPlans"},
                                                     {"LessonResources", "LessonResources"},
                                                     {"ClassVersion", "Version"}};

// Runs `step`; when it fails with 3012 the link `name` is deleted and the step tried again, a few times.
void retryingExisting(const QString& name, const std::function<void()>& step) {
    for (int attempt = 1;; ++attempt) {
        try {
            step();
            return;
        } catch (const rt::RuntimeError& e) {
            if (e.number != rt::dao_error::ObjectExists || attempt == 3) throw;
            CourseDB.deleteTableDef(name);
        }
    }
}

// Moves to the first row and starts an edit, or adds a row to an empty table.
void editOrAdd(rt::Recordset& rs) {
    if (rs.bof() && rs.eof()) {
        rs.addNew();
    } else {
        rs.moveFirst();
        rs.edit();
    }
}

} // namespace

QString GetCoursePath(rt::Platform& p, const QString& course) {
    return GetCourseValue(p.settings, course, "Path");
}

void OpenCourseDatabase(rt::Platform& p, const QString& course) {
    try {
        const QString config = GetCourseValue(p.settings, course, "Config");
        CourseSettings.DBVersion = QStringLiteral("0100");
        CourseSettings.UCI = LoadedCourse;
        ReadCourseConfig(p.msg, config);
        deriveLocalTab();
        if (CourseSettings.DBVersion == QLatin1String("0102")) LoadFormatTable();
        // The database already open serves when it is the course's file: opening it again costs a second
        // connection and the reading of its links.
        const QString path = GetCoursePath(p, course);
        if (!CourseDB.isOpen() || !rt::isSameFile(CourseDB.name(), path))
            CourseDB = rt::DBEngine::instance().workspace().openDatabase(path);
    } catch (const rt::RuntimeError& e) {
        QString text;
        switch (e.number) {
        case rt::dao_error::DatabaseLocked:
        case rt::dao_error::FileInUse:
            text =
                "You tried to use a class that is currently open for exclusive access by another user. Wait "
                "for the other user to finish working with the database, and then try the operation again.";
            break;
        case rt::dao_error::DiskError:
            text =
                "An internal disk or drive failure prevents reading from or writing to the disk.\r\n"
                "Possible causes: \r\n"
                "You tried to use a network drive, and the network is temporarily busy, or you're no longer "
                "connected to the network. Check the network connection, and then try the operation "
                "again.\r\n"
                "The disk or drive has failed.";
            break;
        case rt::dao_error::NotADatabase: text = "Class file is corrupt."; break;
        default: text = e.description; break;
        }
        say(p, text, CourseSettings.AppTitle);
    }
}

void CloseCourseDatabase() {
    // The first failing step is passed over; a second failure goes to the caller.
    bool failed = false;
    const auto step = [&](const std::function<void()>& f) {
        try {
            f();
        } catch (const rt::RuntimeError&) {
            if (failed) throw;
            failed = true;
        }
    };
    if (CourseDB.isOpen()) {
        step([] { CourseDB.close(); });
        step([] { CourseDB = rt::Database(); });
        step([] { rt::DBEngine::instance().workspace(0).close(); });
    }
    ClassTablesAttached = false;
}

bool TableExists(const QString& name) {
    return CourseDB.tableDefExists(name);
}

bool AttachClassTables(rt::Platform& p, const QString& path) {
    try {
        rt::Database classFile = rt::DBEngine::instance().workspace().openDatabase(path, true, false);
        if (!CheckClassFileVersion(p, classFile)) {
            say(p,
                "The class file you selected is either corrupt or for a database that is not installed on "
                "this "
                "computer.",
                "Invalid Class file");
            LoadedCourse = rt::commandLine();
            classFile.close();
            ClassTablesAttached = false;
            return false;
        }
        {
            rt::Recordset cls = classFile.openTable("Class");
            cls.moveFirst();
            ClassComments = cls.field("Comments").toString();
            ClassPeriod = cls.field("Period").toString();
            ClassTeacher = cls.field("Teacher").toString();
            ClassSubject = cls.field("Subject").toString();
            cls.close();
        }
        {
            rt::Recordset version = classFile.openTable("Version");
            version.moveFirst();
            LoadedCourse = rt::trimSpaces(version.field("DBName").toString());
            version.close();
        }
        OpenCourseDatabase(p, LoadedCourse);
        p.loop.yield();
        // Links left by an earlier class go first, each on its own; the four new ones are written in one
        // transaction, so that they cost one commit and are stored all or none.
        for (const auto& link : links) {
            const QString name = QString::fromLatin1(link.first);
            retryingExisting(name, [&] {
                if (TableExists(name)) CourseDB.deleteTableDef(name);
            });
        }
        const QString connect = QStringLiteral(";DATABASE=") + path + u';';
        rt::Workspace& ws = rt::DBEngine::instance().workspace();
        ws.beginTrans();
        try {
            for (const auto& [link, source] : links) {
                const QString name = QString::fromLatin1(link);
                retryingExisting(name,
                                 [&] { CourseDB.appendLink(name, QString::fromLatin1(source), connect); });
            }
            ws.commitTrans();
        } catch (const rt::RuntimeError&) {
            ws.rollback();
            throw;
        }
        ClassTablesAttached = true;
        return true;
    } catch (const rt::RuntimeError&) {
        say(p, notAValidCourse(path), CourseSettings.AppTitle, rt::MbIcon::Information);
        return false;
    }
}

void DetachClassTables() {
    if (!ClassTablesAttached) return;
    for (const char* name : {"ClassVersion", "LessonPlans", "LessonResources", "Class"}) {
        try {
            CourseDB.deleteTableDef(QString::fromLatin1(name));
        } catch (const rt::RuntimeError&) {
        }
    }
    CloseCourseDatabase();
    ClassTablesAttached = false;
}

bool CheckClassFileVersion(rt::Platform& p, rt::Database& classFile) {
    bool result = true;
    try {
        rt::Recordset version = classFile.openTable("Version");
        version.moveFirst();
        const QString name = rt::trimSpaces(version.field("DBName").toString());
        const QString stored = rt::trimSpaces(version.field("DBVersion").toString());
        if (GetCoursePath(p, name).isEmpty()) {
            say(p, "This class was created using course " + name + " which is not installed.",
                CourseSettings.AppTitle);
            result = false;
        }
        if (stored != rt::StringTable::get(105)) {
            version.close();
            if (!UpgradeClassFile(classFile)) {
                say(p,
                    "Class file version " + stored + " and Engine version " + rt::StringTable::get(105) +
                        " are not compatible.",
                    CourseSettings.AppTitle, rt::MbIcon::Exclamation);
                result = false;
            }
        }
        return result;
    } catch (const rt::RuntimeError& e) {
        if (e.number == rt::dao_error::TableNotFound)
            say(p, notAValidCourse(classFile.name()), CourseSettings.AppTitle, rt::MbIcon::Information);
        else
            say(p, "Class file error: " + e.description, "Operation failed");
        return false;
    }
}

bool UpgradeClassFile(rt::Database& classFile) {
    // All of the upgrade is stored, or none of it.
    rt::Workspace& ws = rt::DBEngine::instance().workspace();
    ws.beginTrans();
    bool result = true;
    try {
        rt::Recordset version = classFile.openTable("Version");
        version.moveFirst();
        if (rt::trimSpaces(version.field("DBVersion").toString()) == QLatin1String("LK2-0.0.2")) {
            try {
                classFile.appendField("LessonResources", "SortIndex", rt::FieldType::Integer, false);
            } catch (const rt::RuntimeError& e) {
                if (e.number != rt::dao_error::FieldExists) throw;
            }
            version.edit();
            version.setField("DBVersion", rt::StringTable::get(105));
            version.update();
        }
        version.close();
    } catch (const rt::RuntimeError&) {
        result = false;
    }
    if (result)
        ws.commitTrans();
    else
        ws.rollback();
    return result;
}

bool CreateClassFile(rt::Platform& p, const QString& path, const QString& teacher, const QString& subject,
                     const QString& period, const QString& comments) {
    // The new file is made beside the target and put in place only when complete, so a failure leaves
    // whatever was at the target untouched.
    const QString temporary = rt::copyBeside(rt::programFolder() + u'/' + rt::StringTable::get(103), path);
    try {
        if (temporary.isEmpty())
            throw rt::RuntimeError(rt::dao_error::DiskError, "The template cannot be copied.");
        {
            rt::Database db = rt::DBEngine::instance().workspace().openDatabase(temporary, true, false);
            rt::Recordset version = db.openTable("Version");
            editOrAdd(version);
            version.setField("DBName", LoadedCourse);
            version.setField("DBVersion", rt::StringTable::get(105));
            version.update();
            version.close();
            rt::Recordset cls = db.openTable("Class");
            editOrAdd(cls);
            cls.setField("Teacher", teacher);
            cls.setField("Subject", subject);
            cls.setField("Period", period);
            cls.setField("Comments", comments);
            cls.setField("Version", rt::StringTable::get(105));
            cls.update();
            cls.close();
            db.close();
        }
        if (!rt::replaceFile(temporary, path))
            throw rt::RuntimeError(rt::dao_error::DiskError, "The file cannot be written.");
        return true;
    } catch (const rt::RuntimeError&) {
        if (!temporary.isEmpty()) QFile::remove(temporary);
        say(p,
            "An error occurred while creating the class file.  Please check the destination and try again.",
            "Unable to create file", rt::MbIcon::Critical);
        return false;
    }
}
