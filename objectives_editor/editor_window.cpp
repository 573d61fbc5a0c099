#include "editor_window.h"

#include "controls/tab/ctlTabIds.h"
#include "controls/tree/ctlTreeIds.h"
#include "course_colour.h"
#include "editor_state.h"
#include "lesson_objectives.h"
#include "local_objective_box.h"
#include "runtime/com/component_registry.h"
#include "runtime/com/control.h"
#include "runtime/com/olecolor.h"
#include "runtime/com/twips.h"
#include "runtime/common_dialog.h"
#include "runtime/error.h"
#include "runtime/message_box.h"
#include "runtime/program_folder.h"
#include "runtime/report/own_report_engine.h"
#include "runtime/strings.h"
#include "shared/course_settings.h"
#include "untrapped_error.h"

#include <QLabel>
#include <QPushButton>

namespace {

void place(QWidget* w, int left, int top, int width, int height) {
    using rt::twips::toPx;
    w->setGeometry(toPx(left), toPx(top), toPx(width), toPx(height));
}

// The printer dialog's error when the system has no default printer.
constexpr int NoDefaultPrinter = 28663;

// Characters the local objective never holds: Tab, and the exchange file's field markers.
bool refusedKey(qint16 keyAscii) {
    return keyAscii == 9 || keyAscii == 254 || keyAscii == 255;
}

} // namespace

frmTRD::frmTRD(Editor& editor, QWidget* parent)
    : QDialog(parent), report(std::make_unique<rt::OwnReportEngine>(editor.printers)), editor_(editor) {
    setObjectName(QStringLiteral("frmTRD"));
    setModal(true);
    placeControls();
    ResizeControls();
    SetColor(this, {lbl1, lbl2, lbl3});
    setWindowTitle(rt::StringTable::get(1002) + QStringLiteral("  ") + CourseSettings.Subject);
    lbl1->setText(rt::StringTable::get(1010));
    lbl2->setText(rt::StringTable::get(1011));
    lbl3->setText(rt::StringTable::get(1012));
    cmdPrint->setText(rt::StringTable::get(1047));
    cmdOK->setText(rt::StringTable::get(1048));
    setUpTabs();
    FillPrimaryTreeNodes(editor_, this, *treTRD);
    EnableTextEntry(false);
    LoadObjectives(editor_, *tabTRD, *rtbTRD, rt::get(*tabTRD, ctlTabId::TNumTabs).toInt16(), 0);
}

void frmTRD::placeControls() {
    const auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    lbl1 = label("lbl1");
    lbl2 = label("lbl2");
    lbl3 = label("lbl3");

    // The controls' design-time properties, as the window keeps them.
    treeBag_.writeProperty(QStringLiteral("TIndentation"), rt::Value::real(300), rt::Value());
    tabBag_.writeProperty(QStringLiteral("TNumTabs"), rt::Value::integer(4), rt::Value());
    report->setWindowTitle(QStringLiteral("Local Objectives Report"));
    treTRD = editor_.components.create(QStringLiteral("CVTree.ctlTree"), this);
    treTRD->setObjectName(QStringLiteral("treTRD"));
    treTRD->readProperties(treeBag_);
    tabTRD = editor_.components.create(QStringLiteral("CVTab.ctlTab"), this);
    tabTRD->setObjectName(QStringLiteral("tabTRD"));
    tabTRD->readProperties(tabBag_);
    connect(treTRD, &rt::Control::raised, this, &frmTRD::onTreeEvent, Qt::DirectConnection);

    rtbTRD = new LocalObjectiveBox(this);
    rtbTRD->setObjectName(QStringLiteral("rtbTRD"));
    connect(rtbTRD, &rt::RichTextBox::gotFocus, this,
            [this] { RunHandler(editor_, [&] { rtbTRD_GotFocus(); }); });
    connect(rtbTRD, &rt::RichTextBox::keyPress, this, [this](rt::Args& keyAscii) {
        RunHandler(editor_, [&] {
            qint16 key = keyAscii.value(0).toInt16();
            rtbTRD_KeyPress(key);
            keyAscii[0] = rt::Value::integer(key);
        });
    });

    cmdPrint = new QPushButton(this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    connect(cmdPrint, &QPushButton::clicked, this,
            [this] { RunHandler(editor_, [&] { cmdPrint_Click(); }); });
    cmdOK = new QPushButton(this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    connect(cmdOK, &QPushButton::clicked, this, [this] { RunHandler(editor_, [&] { cmdOK_Click(); }); });
}

frmTRD::~frmTRD() = default;

void frmTRD::ResizeControls() {
    using rt::twips::toPx;
    setFixedSize(toPx(7770), toPx(5445));
    place(lbl1, 60, 120, 3495, 255);
    place(lbl2, 3960, 120, 3495, 255);
    place(lbl3, 3960, 3150, 3495, 255);
    place(treTRD, 60, 440, 3735, 4095);
    place(tabTRD, 3960, 440, 3615, 2655);
    place(rtbTRD, 3960, 3430, 3615, 1095);
    place(cmdPrint, 60, 4600, 2735, 375);
    place(cmdOK, 6240, 4600, 1335, 375);
}

void frmTRD::setUpTabs() {
    rt::let(*tabTRD, ctlTabId::TNumTabs, rt::Value::integer(CourseSettings.NumObjectiveTabs));
    rt::let(*tabTRD, ctlTabId::TShowAllTab, rt::Value::boolean(CourseSettings.ShowAllTab));
    const QString labels[] = {CourseSettings.ObjectiveLabel1, CourseSettings.ObjectiveLabel2,
                              CourseSettings.ObjectiveLabel3, CourseSettings.ObjectiveLabel4};
    for (qint16 n = 1; n <= 4; ++n)
        if (CourseSettings.NumObjectiveTabs >= n)
            rt::call(*tabTRD, ctlTabId::SetCaption, {rt::Value::integer(n), labels[n - 1]});
}

void frmTRD::onTreeEvent(int eventId, rt::Args& args) {
    RunHandler(editor_, [&] {
        switch (eventId) {
        case ctlTreeId::Expand: treTRD_Expand(*args.value(0).toObject()); break;
        case ctlTreeId::Collapse: treTRD_Collapse(*args.value(0).toObject()); break;
        case ctlTreeId::TMouseDown: treTRD_TMouseDown(); break;
        case ctlTreeId::TNodeChange: treTRD_TNodeChange(); break;
        default: break;
        }
    });
}

void frmTRD::showLesson(rt::Dispatch& node) {
    if (!EditingTreeID.isEmpty() && LocalObjectiveDirty)
        SaveObjective(editor_, EditingTreeID, rtbTRD->text());
    const QString treeID = rt::get(node, ctlTreeId::Node::Key).toString().mid(1);
    LoadObjectives(editor_, *tabTRD, *rtbTRD, rt::get(*tabTRD, ctlTabId::TNumTabs).toInt16(),
                   rt::Value(treeID).toInt32());
    LocalObjectiveDirty = false;
    EditingTreeID = treeID;
    if (rt::get(node, ctlTreeId::Node::Tag).toString() != QLatin1String("Filled")) {
        rt::let(*treTRD, ctlTreeId::Enabled, rt::Value::boolean(false));
        try {
            rt::call(*treTRD, ctlTreeId::RemoveNode, {QLatin1Char('D') + EditingTreeID});
            if (FillChildNodes(editor_, *treTRD, treeID))
                rt::let(*treTRD, ctlTreeId::TLeafSelected, rt::Value::boolean(false));
            rt::let(node, ctlTreeId::Node::Tag, QStringLiteral("Filled"));
        } catch (const rt::RuntimeError&) {
            rt::let(*treTRD, ctlTreeId::Enabled, rt::Value::boolean(true));
            throw;
        }
        rt::let(*treTRD, ctlTreeId::Enabled, rt::Value::boolean(true));
    }
    EnableTextEntry(rt::get(*treTRD, ctlTreeId::TLeafSelected).toBool());
}

void frmTRD::selectedLesson() {
    if (rt::Dispatch* node = rt::get(*treTRD, ctlTreeId::TSelectedItem).toObject()) showLesson(*node);
}

void frmTRD::treTRD_Expand(rt::Dispatch& node) {
    rt::let(*treTRD, ctlTreeId::Enabled, rt::Value::boolean(false));
    try {
        showLesson(node);
    } catch (const rt::RuntimeError&) {
        rt::let(*treTRD, ctlTreeId::Enabled, rt::Value::boolean(true));
        throw;
    }
    rt::let(*treTRD, ctlTreeId::Enabled, rt::Value::boolean(true));
}

void frmTRD::treTRD_Collapse(rt::Dispatch& node) {
    rt::set(*treTRD, ctlTreeId::DropHighlight, rt::Value::object(&node));
    rt::let(node, ctlTreeId::Node::Selected, rt::Value::boolean(true));
}

void frmTRD::treTRD_TMouseDown() {
    selectedLesson();
}

void frmTRD::treTRD_TNodeChange() {
    selectedLesson();
}

void frmTRD::rtbTRD_GotFocus() {
    LocalObjectiveDirty = true;
}

void frmTRD::rtbTRD_KeyPress(qint16& keyAscii) {
    LocalObjectiveDirty = true;
    if (!refusedKey(keyAscii)) return;
    keyAscii = 0;
    editor_.msg.beep();
}

bool frmTRD::EnableTextEntry(bool enable) {
    rtbTRD->setEnabled(enable);
    QPalette p = rtbTRD->palette();
    const QColor back = enable ? QColor(255, 255, 255) : rt::olecolor::toQColor(rt::olecolor::buttonFace, p);
    p.setColor(QPalette::Base, back);
    rtbTRD->setPalette(p);
    return enable;
}

void frmTRD::cmdOK_Click() {
    if (!EditingTreeID.isEmpty() && LocalObjectiveDirty)
        SaveObjective(editor_, EditingTreeID, rtbTRD->text());
    LocalObjectiveDirty = false;
    EditingTreeID.clear();
    hide();
}

void frmTRD::cmdPrint_Click() {
    try {
        if (!EditingTreeID.isEmpty() && LocalObjectiveDirty)
            SaveObjective(editor_, EditingTreeID, rtbTRD->text());
        LocalObjectiveDirty = false;
        EditingTreeID.clear();
        rt::throwIfNotAccepted(
            editor_.dialogs.showPrinter(rt::StringTable::get(1054), rt::cdl::PrinterNoSelection));
        for (int file = 0; file <= 2; ++file) report->setDataFile(file, CourseDatabasePath);
        const QString prefix = CourseSettings.UCI.left(2).toUpper();
        const QString layout = prefix == QLatin1String("KT") ? QStringLiteral("TRDMath.rpt")
                               : prefix == QLatin1String("RV")
                                   ? QStringLiteral("TRDLang.rpt")
                                   : QStringLiteral("TRD%1.rpt").arg(CourseSettings.UCI);
        report->setReportFile(rt::programFolder() + u'/' + layout);
        report->setDestination(rt::report_destination::Printer);
        report->start();
    } catch (const rt::RuntimeError& e) {
        // Cancel in the printer dialog ends quietly, and so does any failure of the report.
        if (e.number == NoDefaultPrinter)
            editor_.msg.show(rt::fromType(rt::StringTable::get(1053),
                                          rt::StringTable::get(1001) + u' ' + rt::StringTable::get(1002),
                                          48));
    }
}

void frmTRD::reject() {
    RunHandler(editor_, [&] { cmdOK_Click(); });
}
