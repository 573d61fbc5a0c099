#include "menu_window.h"

#include "about_box.h"
#include "course_colour.h"
#include "course_database.h"
#include "editor_state.h"
#include "editor_window.h"
#include "runtime/com/twips.h"
#include "runtime/message_box.h"
#include "runtime/program_folder.h"
#include "runtime/shell/shell.h"
#include "runtime/strings.h"
#include "runtime/ui/fixed_window.h"
#include "shared/course_settings.h"
#include "untrapped_error.h"

#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

namespace {

QPointer<frmMenu> theMenu;

} // namespace

frmMenu* frmMenu::showMenu(Editor& editor) {
    if (!theMenu) theMenu = new frmMenu(editor);
    theMenu->show();
    return theMenu;
}

frmMenu* frmMenu::instance() {
    return theMenu;
}

frmMenu::frmMenu(Editor& editor) : editor_(editor) {
    setObjectName(QStringLiteral("frmMenu"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* form = new QWidget(this);
    setCentralWidget(form);
    const auto button = [form](const char* name) {
        auto* b = new QPushButton(form);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    const auto label = [form](const char* name) {
        auto* l = new QLabel(form);
        l->setObjectName(QLatin1String(name));
        l->setWordWrap(true);
        return l;
    };
    cmdEdit = button("cmdEdit");
    cmdImport = button("cmdImport");
    cmdExport = button("cmdExport");
    cmdExit = button("cmdExit");
    lbl1 = label("lbl1");
    lbl2 = label("lbl2");
    lbl3 = label("lbl3");
    auto* grid = new QGridLayout(form);
    grid->addWidget(cmdEdit, 0, 0);
    grid->addWidget(lbl1, 0, 1);
    grid->addWidget(cmdImport, 1, 0);
    grid->addWidget(lbl2, 1, 1);
    grid->addWidget(cmdExport, 2, 0);
    grid->addWidget(lbl3, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    grid->setVerticalSpacing(rt::twips::toPx(240));
    buildMenus();
    connect(cmdEdit, &QPushButton::clicked, this, &frmMenu::cmdEdit_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmMenu::cmdImport_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmMenu::cmdExport_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMenu::cmdExit_Click);
    Form_Load();
}

void frmMenu::buildMenus() {
    const auto item = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuEdit = item(file, "mnuEdit", QStringLiteral("Edit &Local Objectives..."));
    mnuExport = item(file, "mnuExport", QStringLiteral("&Export Local Objectives..."));
    mnuImport = item(file, "mnuImport", QStringLiteral("&Import Local Objectives..."));
    file->addSeparator();
    mnuExit = item(file, "mnuExit", QStringLiteral("E&xit"));
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    mnuLocalHelp = item(help, "mnuLocalHelp", QStringLiteral("&Tallyreed Help..."));
    mnuHowTRD = item(help, "mnuHowTRD", QString());
    help->addSeparator();
    mnuAbout = item(help, "mnuAbout", QStringLiteral("&About..."));
    connect(mnuEdit, &QAction::triggered, this, &frmMenu::cmdEdit_Click);
    connect(mnuExport, &QAction::triggered, this, &frmMenu::mnuExport_Click);
    connect(mnuImport, &QAction::triggered, this, &frmMenu::mnuImport_Click);
    connect(mnuExit, &QAction::triggered, this, &frmMenu::cmdExit_Click);
    connect(mnuLocalHelp, &QAction::triggered, this, &frmMenu::mnuLocalHelp_Click);
    connect(mnuHowTRD, &QAction::triggered, this, &frmMenu::mnuHowTRD_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMenu::mnuAbout_Click);
}

void frmMenu::Form_Load() {
    mnuHowTRD->setText(rt::StringTable::get(1055));
    setWindowTitle(rt::StringTable::get(1002) + QStringLiteral("  ") + CourseSettings.Subject);
    cmdEdit->setText(rt::StringTable::get(1013));
    cmdImport->setText(rt::StringTable::get(1014));
    cmdExport->setText(rt::StringTable::get(1015));
    cmdExit->setText(rt::StringTable::get(1016));
    lbl1->setText(rt::StringTable::get(1017));
    lbl2->setText(rt::StringTable::get(1018));
    lbl3->setText(rt::StringTable::get(1019));
    SetColor(this, {lbl1, lbl2, lbl3});
    ResizeForm();
}

void frmMenu::ResizeForm() {
    using rt::twips::toPx;
    rt::keepDesignedSize(this, QSize(toPx(7770), toPx(5445)));
    rt::placeAtScreenCorner(this);
    cmdExit->setGeometry(toPx(6240), toPx(4325), toPx(1335), toPx(375));
}

frmTRD* frmMenu::editorWindow() const {
    return editorWindow_;
}

void frmMenu::cmdEdit_Click() {
    cmdEdit->setEnabled(false);
    RunHandler(editor_, [&] {
        if (!editorWindow_) editorWindow_ = new frmTRD(editor_, this);
        editorWindow_->exec();
    });
    cmdEdit->setEnabled(true);
}

void frmMenu::cmdExit_Click() {
    RunHandler(editor_, [&] { ExitApp(editor_); });
}

void frmMenu::openHelp(int documentString) {
    const int code = editor_.shell.execute(QStringLiteral("open"), rt::StringTable::get(documentString),
                                           QString(), rt::programFolder(), 1);
    if (code <= 32)
        editor_.msg.show(rt::fromType(rt::StringTable::get(1035), rt::StringTable::get(1002), 64));
}

void frmMenu::mnuLocalHelp_Click() {
    RunHandler(editor_, [&] { openHelp(1036); });
}

void frmMenu::mnuHowTRD_Click() {
    RunHandler(editor_, [&] { openHelp(1052); });
}

void frmMenu::mnuAbout_Click() {
    RunHandler(editor_, [&] {
        frmAbout about(this);
        about.exec();
    });
}

void ExitApp(Editor& editor) {
    CloseDatabase();
    if (frmMenu* menu = frmMenu::instance()) menu->close();
    editor.endProgram();
}
