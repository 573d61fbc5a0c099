#include "about_box.h"

#include "resources/pictures.h"
#include "runtime/outside/richtext/rich_text_box.h"
#include "runtime/program_folder.h"
#include "shared/course_settings.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(CourseSettings.EditorTitle);
    rtb1 = new rt::RichTextBox(this);
    rtb1->setObjectName(QStringLiteral("rtb1"));
    rtb1->setLocked(true);
    rtb1->setFileName(rt::programFolder() + QStringLiteral("/bwabout.rtf"));
    rtb1->setSelStart(0); // the text from its beginning
    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setWordWrap(true);
    lblInfo->setText(CourseSettings.EditorTitle + QStringLiteral(" v. 2.0\nCopyright \u00a9 2000 ") +
                     CourseSettings.CompanyName + QStringLiteral(" and its licensees. All rights reserved."));
    auto* image = new QLabel(this);
    image->setPixmap(rt::Pictures::bitmap(1001));
    image->setScaledContents(true);
    image->setFixedSize(64, 64);
    imgHidden = new QLabel(this);
    imgHidden->setObjectName(QStringLiteral("imgHidden"));
    imgHidden->setFixedSize(16, 16);
    imgHidden->installEventFilter(this);
    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto* layout = new QGridLayout(this);
    layout->addWidget(image, 0, 0, Qt::AlignTop);
    layout->addWidget(rtb1, 0, 1);
    layout->addWidget(lblInfo, 1, 1);
    layout->addWidget(imgHidden, 2, 0, Qt::AlignBottom | Qt::AlignLeft);
    layout->addWidget(cmdOK, 2, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(0, 1);
    resize(480, 360);
}

void frmAbout::cmdOK_Click() {
    accept();
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == imgHidden && event->type() == QEvent::MouseButtonDblClick) imgHidden_DblClick();
    return QDialog::eventFilter(watched, event);
}

void frmAbout::imgHidden_DblClick() {
    lblInfo->setText(QStringLiteral(LK_PRODUCT_NAME "\nVersion : %1.%2.%3  \nApplication Path is ")
                         .arg(LK_VERSION_MAJOR)
                         .arg(LK_VERSION_MINOR)
                         .arg(LK_VERSION_PATCH) +
                     rt::programFolder() + u'\n');
}
