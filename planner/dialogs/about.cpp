#include "about.h"

#include "dialog_controls.h"
#include "planner/data/course_database.h"
#include "planner/ui/image_control.h"
#include "resources/pictures.h"
#include "runtime/error.h"
#include "runtime/outside/richtext/rich_text_box.h"
#include "runtime/program_folder.h"
#include "shared/course_settings.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace {

QPointer<frmAbout> theAbout;

QString version(bool withRevision) {
    QString v = QStringLiteral("%1.%2").arg(LK_VERSION_MAJOR).arg(LK_VERSION_MINOR);
    if (withRevision) v += QStringLiteral(".%1").arg(LK_VERSION_PATCH);
    return v;
}

} // namespace

frmAbout* frmAbout::showAbout(QWidget* owner) {
    if (!theAbout) theAbout = new frmAbout(owner);
    theAbout->show();
    theAbout->raise();
    theAbout->activateWindow();
    return theAbout;
}

frmAbout* frmAbout::instance() {
    return theAbout;
}

frmAbout::frmAbout(QWidget* owner) : QDialog(owner) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(CourseSettings.AppTitle);
    rtb1 = designed<rt::RichTextBox>(this, "rtb1");
    lblInfo = designed<QLabel>(this, "lblInfo");
    imgHidden = designed<ImageControl>(this, "imgHidden");
    auto* Image1 = designed<ImageControl>(this, "Image1");
    auto* cmdOK = designed<QPushButton>(this, "cmdOK");
    cmdOK->setText(QStringLiteral("OK"));
    cmdOK->setDefault(true);

    rtb1->setLocked(true);
    // The text is a document installed beside the program: without it the box stays empty.
    try {
        rtb1->loadFile(rt::programFolder() + QStringLiteral("/bwabout.rtf"));
        rtb1->setSelStart(0);
    } catch (const rt::RuntimeError&) {
    }
    lblInfo->setText(CourseSettings.AppTitle + QStringLiteral(" v. ") + version(false) + u'\n' +
                     QStringLiteral("Copyright \u00a9 2000 ") + CourseSettings.CompanyName +
                     QStringLiteral(" and its licensees. All rights reserved."));
    lblInfo->setWordWrap(true);
    lblInfo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Image1->setPixmap(rt::Pictures::bitmap(1001));
    Image1->setFixedSize(64, 64);
    imgHidden->setFixedSize(16, 16);
    imgHidden->installEventFilter(this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0, Qt::AlignTop);
    layout->addWidget(rtb1, 0, 1);
    layout->addWidget(lblInfo, 1, 1);
    layout->addWidget(imgHidden, 2, 0, Qt::AlignBottom | Qt::AlignLeft);
    layout->addWidget(cmdOK, 2, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(0, 1);
    resize(480, 360);

    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == imgHidden && event->type() == QEvent::MouseButtonDblClick) imgHidden_DblClick();
    return QDialog::eventFilter(watched, event);
}

void frmAbout::imgHidden_DblClick() {
    lblInfo->setText(QStringLiteral(LK_PRODUCT_NAME) + u'\n' + QStringLiteral("Version : ") + version(true) +
                     QStringLiteral("  ") + u'\n' + QStringLiteral("Application Path is ") +
                     rt::programFolder() + u'\n' + QStringLiteral("Loaded Course is ") + LoadedCourse);
}
