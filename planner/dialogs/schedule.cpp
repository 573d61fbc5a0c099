#include "schedule.h"

#include "dialog_controls.h"
#include "planner/core/planner.h"
#include "planner/core/presentation.h"
#include "planner/core/school_days.h"
#include "planner/data/library_trees.h"
#include "planner/ui/window_helpers.h"
#include "resources/pictures.h"
#include "runtime/clock.h"
#include "runtime/com/data_object.h"
#include "runtime/com/twips.h"
#include "runtime/message_box.h"
#include "runtime/outside/calendar/calendar_ids.h"
#include "runtime/outside/calendar/month_calendar.h"
#include "runtime/outside/tree/outside_tree.h"
#include "runtime/outside/tree/tree_ids.h"
#include "runtime/strings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

const QString none = QStringLiteral("<none>");
constexpr int dataRole = Qt::UserRole;

QLabel* label(QWidget* parent, int number) {
    auto* l = designed<QLabel>(parent, "Label1", number);
    l->setWordWrap(true);
    return l;
}

// A place in a page's layout that the lesson tree takes while the page is shown.
QWidget* treeSlot(QWidget* parent) {
    auto* slot = new QWidget(parent);
    auto* layout = new QVBoxLayout(slot);
    layout->setContentsMargins(0, 0, 0, 0);
    return slot;
}

QPushButton* pictureButton(QWidget* parent, const char* name, int picture) {
    auto* b = designed<QPushButton>(parent, name);
    b->setIcon(QIcon(rt::Pictures::bitmap(picture)));
    return b;
}

// The text that a drag's data carries; empty for none.
QString textOf(rt::Dispatch& data) {
    const rt::Value text = rt::Value::integer(rt::DataObject::text);
    if (!rt::call(data, rt::DataObject::GetFormat, {text}).toBool()) return {};
    return rt::call(data, rt::DataObject::GetData, {text}).toString();
}

} // namespace

Schedule::Schedule(rt::MessageBox& msg, rt::EventLoop& loop, QWidget* parent)
    : ModalDialog(2, parent), msg_(msg), loop_(loop) {
    auto* pageArea = new QWidget(this);
    pages_ = new QStackedLayout(pageArea);

    picStartDate = designed<QWidget>(pageArea, "picStartDate");
    auto* startText = label(picStartDate, 1920);
    calStart_ = designed<rt::MonthCalendar>(picStartDate, "calStart");
    auto* Label5 = designed<QLabel>(picStartDate, "Label5", 1921);
    cboDays_ = designed<QComboBox>(picStartDate, "cboDays");
    cboDays_->addItems({"1", "2", "3", "4", "5", "10", "15", "20"});
    auto* startLayout = new QGridLayout(picStartDate);
    startLayout->addWidget(startText, 0, 0, 1, 3);
    startLayout->addWidget(calStart_, 1, 0, 1, 3);
    startLayout->addWidget(Label5, 2, 0);
    startLayout->addWidget(cboDays_, 2, 1);
    startLayout->setColumnStretch(2, 1);

    picLessonChoice = designed<QWidget>(pageArea, "picLessonChoice");
    auto* choiceText = label(picLessonChoice, 1904);
    for (int i = 0; i < 2; ++i) {
        optLessonChoice[i] = designed<QRadioButton>(picLessonChoice, "optLessonChoice", 1905 + i);
        optLessonChoice[i]->setProperty("Index", i);
    }
    auto* choiceLayout = new QVBoxLayout(picLessonChoice);
    choiceLayout->addWidget(choiceText);
    choiceLayout->addWidget(optLessonChoice[0]);
    choiceLayout->addWidget(optLessonChoice[1]);
    choiceLayout->addStretch();

    picBrackwell = designed<QWidget>(pageArea, "picBrackwell");
    auto* brackwellText = label(picBrackwell, 1908);
    auto* selectedText = label(picBrackwell, 1914);
    auto* availableText = label(picBrackwell, 1915);
    List1 = designed<QListWidget>(picBrackwell, "List1");
    cmdAdd = pictureButton(picBrackwell, "cmdAdd", 1901);
    cmdDel = pictureButton(picBrackwell, "cmdDel", 1902);
    cmdUp = pictureButton(picBrackwell, "cmdUp", 1903);
    cmdDown = pictureButton(picBrackwell, "cmdDown", 1904);
    brackwellTreeSlot_ = treeSlot(picBrackwell);
    auto* queueButtons = new QVBoxLayout;
    queueButtons->addStretch();
    for (QPushButton* b : {cmdAdd, cmdDel, cmdUp, cmdDown}) queueButtons->addWidget(b);
    queueButtons->addStretch();
    auto* brackwellLayout = new QGridLayout(picBrackwell);
    brackwellLayout->addWidget(brackwellText, 0, 0, 1, 3);
    brackwellLayout->addWidget(selectedText, 1, 0);
    brackwellLayout->addWidget(availableText, 1, 2);
    brackwellLayout->addWidget(List1, 2, 0);
    brackwellLayout->addLayout(queueButtons, 2, 1);
    brackwellLayout->addWidget(brackwellTreeSlot_, 2, 2);

    picCustom = designed<QWidget>(pageArea, "picCustom");
    auto* customText = label(picCustom, 1909);
    auto* titleText = label(picCustom, 1913);
    txtCustTitle_ = designed<QLineEdit>(picCustom, "txtCustTitle");
    Check1_ = designed<QCheckBox>(picCustom, "Check1", 1916);
    customTreeSlot_ = treeSlot(picCustom);
    auto* customLayout = new QGridLayout(picCustom);
    customLayout->addWidget(customText, 0, 0, 1, 2);
    customLayout->addWidget(titleText, 1, 0);
    customLayout->addWidget(txtCustTitle_, 1, 1);
    customLayout->addWidget(Check1_, 2, 0, 1, 2);
    customLayout->addWidget(customTreeSlot_, 3, 0, 1, 2, Qt::AlignHCenter);

    picExceptDate = designed<QWidget>(pageArea, "picExceptDate");
    auto* exceptText = label(picExceptDate, 1907);
    calExcept = designed<rt::MonthCalendar>(picExceptDate, "calExcept");
    auto* exceptLayout = new QVBoxLayout(picExceptDate);
    exceptLayout->addWidget(exceptText);
    exceptLayout->addWidget(calExcept);

    for (QWidget* w : {picStartDate, picLessonChoice, picBrackwell, picCustom, picExceptDate})
        pages_->addWidget(w);

    pvtBrackwell = designed<rt::OutsideTree>(picBrackwell, "pvtBrackwell");

    cmdPrev = designed<QPushButton>(this, "cmdPrev", 1902);
    auto* nextOrOK = new QWidget(this);
    nextOrOK_ = new QStackedLayout(nextOrOK);
    nextOrOK_->setStackingMode(QStackedLayout::StackAll);
    cmdNext = designed<QPushButton>(nextOrOK, "cmdNext", 1901);
    cmdOK = designed<QPushButton>(nextOrOK, "cmdOK", 1900);
    nextOrOK_->addWidget(cmdOK);
    nextOrOK_->addWidget(cmdNext);
    auto* cmdCancel = designed<QPushButton>(this, "cmdCancel", 1903);
    auto* cmdHelp = designed<QPushButton>(this, "cmdHelp");
    cmdHelp->setText(QStringLiteral("&Help"));
    for (QPushButton* b : {cmdPrev, cmdNext, cmdOK, cmdCancel, cmdHelp}) b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdHelp);
    buttons->addStretch();
    buttons->addWidget(cmdPrev);
    buttons->addWidget(nextOrOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pageArea, 1);
    layout->addLayout(buttons);

    localizeControls({optLessonChoice[0], optLessonChoice[1], cmdCancel, cmdOK, cmdNext, cmdPrev, startText,
                      choiceText, brackwellText, selectedText, availableText, customText, titleText,
                      exceptText, Label5, Check1_});

    connect(cmdNext, &QPushButton::clicked, this, &Schedule::cmdNext_Click);
    connect(cmdPrev, &QPushButton::clicked, this, &Schedule::cmdPrev_Click);
    connect(cmdOK, &QPushButton::clicked, this, &Schedule::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { answer(2); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] {
        if (onHelp) onHelp();
    });
    connect(cmdAdd, &QPushButton::clicked, this, &Schedule::cmdAdd_Click);
    connect(cmdDel, &QPushButton::clicked, this, &Schedule::cmdDel_Click);
    connect(cmdUp, &QPushButton::clicked, this, &Schedule::cmdUp_Click);
    connect(cmdDown, &QPushButton::clicked, this, &Schedule::cmdDown_Click);
    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) List1_Click();
    });
    connect(Check1_, &QCheckBox::clicked, this, &Schedule::Check1_Click);
    connect(txtCustTitle_, &QLineEdit::textChanged, this, &Schedule::txtCustTitle_Change);
    connect(pvtBrackwell, &rt::Control::raised, this, &Schedule::pvtBrackwell_Event, Qt::DirectConnection);
    List1->installEventFilter(this);
    List1->viewport()->installEventFilter(this);
    List1->viewport()->setAcceptDrops(true);

    Form_Load();
}

void Schedule::Form_Load() {
    setWindowTitle(rt::StringTable::get(1922));
    setWindowIcon(rt::Pictures::icon(1101));
    pvtBrackwell->setDragIcon(rt::Pictures::bitmap(101));
    listDragIcon_ = rt::Pictures::bitmap(101);
    resize(rt::twips::toPx(7305), rt::twips::toPx(4125));

    // Page 0 is set up once, so that Next stands in front from the start.
    showPage(0);
    SelectedLessonID = -1;
    auto* row = new QListWidgetItem(none, List1);
    row->setData(dataRole, -1);
    FillLessonTreeRoots(loop_, *pvtBrackwell);

    const qint32 current = CurrentLesson.LPDate;
    calStart_->setDate(current != 0 ? current : rt::today());
    for (rt::MonthCalendar* cal : {calStart_, calExcept}) {
        DisableCalendarWeekends(*cal);
        rt::let(*cal, rt::ssMonthId::MinDate, QStringLiteral("1/1/1990"));
        rt::let(*cal, rt::ssMonthId::MaxDate, QStringLiteral("12/31/2030"));
    }
    rt::let(*calExcept, rt::ssMonthId::MultiSelect, rt::Value::boolean(true));
    cboDays_->setCurrentIndex(0);
    optLessonChoice[0]->setChecked(true);
    showPage(4);
}

// The tree goes where the page keeps its place, sized for that page.
void Schedule::placeTree(QWidget* slot, int widthTwips, int heightTwips) {
    slot->layout()->addWidget(pvtBrackwell);
    pvtBrackwell->setFixedSize(rt::twips::toPx(widthTwips), rt::twips::toPx(heightTwips));
    pvtBrackwell->show();
    pvtBrackwell->raise();
}

void Schedule::bringToFront(QPushButton* button) {
    nextOrOK_->setCurrentWidget(button);
    button->raise();
}

void Schedule::showPage(qint16 page) {
    CurrentPage = page;
    switch (page) {
    case 4:
        pages_->setCurrentWidget(picStartDate);
        cmdNext->setEnabled(true);
        cmdPrev->setEnabled(false);
        break;
    case 0:
        pages_->setCurrentWidget(picLessonChoice);
        cmdPrev->setEnabled(true);
        cmdNext->setEnabled(true);
        bringToFront(cmdNext);
        cmdOK->setEnabled(false);
        break;
    case 2:
        pages_->setCurrentWidget(picBrackwell);
        placeTree(brackwellTreeSlot_, 2610, 2700);
        pvtBrackwell->setEnabled(true);
        cmdPrev->setEnabled(true);
        cmdNext->setEnabled(List1->item(0)->text() != none);
        bringToFront(cmdNext);
        cmdOK->setEnabled(false);
        break;
    case 3:
        pages_->setCurrentWidget(picCustom);
        placeTree(customTreeSlot_, 4635, 2175);
        pvtBrackwell->setEnabled(Check1_->isChecked());
        cmdNext->setEnabled(false);
        cmdPrev->setEnabled(true);
        setOKFor(txtCustTitle_->text());
        bringToFront(cmdOK);
        break;
    case 1: {
        pages_->setCurrentWidget(picExceptDate);
        calExcept->setDate(calStart_->date());
        // Days chosen on an earlier visit are lost on every visit.
        calExcept->unselectAll();
        DisableCalendarWeekends(*calExcept);
        cmdNext->setEnabled(false);
        cmdOK->setEnabled(true);
        bringToFront(cmdOK);
        cmdOK->setDefault(true);
        cmdPrev->setEnabled(true);
        break;
    }
    default: break;
    }
}

void Schedule::cmdNext_Click() {
    switch (CurrentPage) {
    case 4: showPage(0); break;
    case 0: showPage(optLessonChoice[0]->isChecked() ? 2 : 3); break;
    case 2: showPage(1); break;
    default: break;
    }
}

void Schedule::cmdPrev_Click() {
    switch (CurrentPage) {
    case 0: showPage(4); break;
    case 2:
    case 3: showPage(0); break;
    case 1: showPage(2); break;
    default: break;
    }
}

void Schedule::cmdAdd_Click() {
    if (SelectedLessonID == -1) return;
    List1->setCurrentRow(0);
    if (List1->item(0)->text() == none) delete List1->takeItem(0);
    auto* row = new QListWidgetItem(FormatTreeNodeText(SelectedLessonID), List1);
    row->setData(dataRole, SelectedLessonID);
    cmdNext->setEnabled(true);
    pvtBrackwell->setFocus();
}

void Schedule::cmdDel_Click() {
    const int row = List1->currentRow();
    if (row < 0) return;
    delete List1->takeItem(row);
    List1->setFocus();
    if (List1->count() > 0)
        List1->setCurrentRow(0);
    else
        listBecameEmpty();
}

void Schedule::listBecameEmpty() {
    auto* row = new QListWidgetItem(none, List1);
    row->setData(dataRole, -1);
    cmdNext->setEnabled(false);
    cmdDel->setEnabled(false);
}

void Schedule::moveRow(int by) {
    const int row = List1->currentRow();
    const int other = row + by;
    if (row < 0 || other < 0 || other >= List1->count()) return;
    QListWidgetItem* a = List1->item(row);
    QListWidgetItem* b = List1->item(other);
    const QString text = a->text();
    const QVariant data = a->data(dataRole);
    a->setText(b->text());
    a->setData(dataRole, b->data(dataRole));
    b->setText(text);
    b->setData(dataRole, data);
    List1->setCurrentRow(other);
}

void Schedule::cmdUp_Click() {
    moveRow(-1);
}

void Schedule::cmdDown_Click() {
    moveRow(1);
}

void Schedule::List1_Click() {
    cmdDel->setEnabled(true);
    cmdAdd->setEnabled(false);
    const int row = List1->currentRow();
    if (List1->item(row)->text() == none) return;
    cmdUp->setEnabled(row > 0);
    cmdDown->setEnabled(row < List1->count() - 1);
}

void Schedule::List1_GotFocus() {
    cmdAdd->setEnabled(false);
    cmdDel->setEnabled(true);
}

// OK needs a title and, when the resources come from a course lesson, a lesson picked in the tree.
void Schedule::setOKFor(const QString& title) {
    cmdOK->setEnabled(!title.isEmpty() && (!Check1_->isChecked() || leafSelected()));
}

void Schedule::Check1_Click() {
    pvtBrackwell->setEnabled(Check1_->isChecked());
    setOKFor(txtCustTitle_->text().trimmed());
}

void Schedule::txtCustTitle_Change() {
    setOKFor(txtCustTitle_->text());
}

bool Schedule::nodeSelected() const {
    return rt::get(*pvtBrackwell, rt::pvTreeId::SelectedCount).toInt32() != 0;
}

bool Schedule::leafSelected() const {
    return nodeSelected() && IsTreeLeafSelected(*pvtBrackwell);
}

void Schedule::cmdOK_Click() {
    rt::Dispatch& selected = objectOf(rt::get(*calExcept, rt::ssMonthId::SelectedDays));
    const qint32 n = rt::get(selected, rt::ssSelectedDaysId::Count).toInt32();
    QList<qint32> excluded;
    for (qint32 k = 0; k < n; ++k) {
        rt::Dispatch& day = objectOf(rt::call(selected, rt::ssSelectedDaysId::Item, {rt::Value::longInt(k)}));
        excluded << rt::get(day, rt::ssSelectedDayId::Date).toDate();
    }
    BlockedDays = n > 0 ? excluded : QList<qint32>{0};

    if (optLessonChoice[0]->isChecked()) {
        QList<qint32> lessons;
        for (int k = 0; k < List1->count(); ++k) lessons << List1->item(k)->data(dataRole).toInt();
        LessonQueue = LessonQueueOf(lessons, calStart());
        answer(0);
        return;
    }
    const QString title = rt::StringTable::get(1001);
    if (txtCustTitle_->text().trimmed().isEmpty()) {
        msg_.show({QStringLiteral("You must enter a title for the lesson."), title});
        txtCustTitle_->setFocus();
        return;
    }
    LessonQueue = QList<LessonPlanRecord>(2);
    BlockedDays = {0};
    if (!Check1_->isChecked()) {
        answer(1);
    } else if (!nodeSelected()) {
        msg_.show({QStringLiteral("You have not chosen where to add resources from."), title});
        pvtBrackwell->setFocus();
    } else if (IsTreeLeafSelected(*pvtBrackwell)) {
        answer(1);
    }
}

qint32 Schedule::calStart() const {
    return rt::get(*calStart_, rt::ssMonthId::Date).toDate();
}

QString Schedule::cboDays() const {
    return cboDays_->currentText();
}

qint16 Schedule::Check1() const {
    return Check1_->isChecked() ? 1 : 0;
}

QString Schedule::txtCustTitle() const {
    return txtCustTitle_->text();
}

qint32 Schedule::pvtBrackwellSelected() const {
    rt::Dispatch& root = objectOf(rt::get(*pvtBrackwell, rt::pvTreeId::Root));
    rt::Dispatch& node = objectOf(rt::call(
        root, rt::pvNodeId::Relative, {rt::Value::integer(rt::pvRelation::Selected), rt::Value::integer(0)}));
    return rt::get(node, rt::pvNodeId::Data).toInt32();
}

void Schedule::pvtBrackwell_Event(int event, rt::Args& args) {
    switch (event) {
    case rt::pvTreeEvent::BeforeExpand:
        pvtBrackwell->setEnabled(false);
        FillLessonChildren(loop_, objectOf(args[0]));
        pvtBrackwell->setEnabled(true);
        break;
    case rt::pvTreeEvent::AfterExpand: pvtBrackwell->setFocus(); break;
    case rt::pvTreeEvent::AfterCollapse:
        rt::call(objectOf(args[0]), rt::pvNodeId::Select, {rt::Value::integer(1)});
        break;
    case rt::pvTreeEvent::BeforeSelChange:
        if (TreeDragging) args[1] = rt::Value::integer(0);
        break;
    case rt::pvTreeEvent::AfterSelChange: pvtBrackwell_AfterSelChange(); break;
    case rt::pvTreeEvent::GotFocus: pvtBrackwell_GotFocus(); break;
    case rt::pvTreeEvent::MouseMove: pvtBrackwell_MouseMove(args[0].toInt16()); break;
    case rt::pvTreeEvent::LButtonUp: TreeDragging = false; break;
    case rt::pvTreeEvent::OLEStartDrag: pvtBrackwell_OLEStartDrag(objectOf(args[0]), args); break;
    case rt::pvTreeEvent::OLEDragOver:
        if (textOf(objectOf(args[0])) == QLatin1String("List1"))
            args[1] = rt::Value::longInt(rt::dropEffect::Move);
        break;
    case rt::pvTreeEvent::DragDrop:
        if (args[0].toString() == QLatin1String("List1")) cmdDel_Click();
        break;
    default: break;
    }
}

void Schedule::pvtBrackwell_GotFocus() {
    cmdDel->setEnabled(false);
    cmdUp->setEnabled(false);
    cmdDown->setEnabled(false);
    cmdAdd->setEnabled(leafSelected());
}

void Schedule::pvtBrackwell_AfterSelChange() {
    const bool leaf = leafSelected();
    cmdAdd->setEnabled(leaf);
    if (CurrentPage == 2) SelectedLessonID = leaf ? pvtBrackwellSelected() : -1;
    if (CurrentPage == 3 && Check1_->isChecked()) cmdOK->setEnabled(leaf && !txtCustTitle_->text().isEmpty());
}

void Schedule::pvtBrackwell_MouseMove(qint16 state) {
    if (!(state & 1) || CurrentPage != 2 || !leafSelected()) return;
    rt::call(*pvtBrackwell, rt::pvTreeId::StartDrag);
    // The drag holds the mouse until the button is released, wherever that is: the tree sees no
    // release of its own then.
    TreeDragging = false;
}

void Schedule::pvtBrackwell_OLEStartDrag(rt::Dispatch& data, rt::Args& args) {
    args[1] = rt::Value::longInt(rt::dropEffect::Copy);
    if (leafSelected()) {
        SelectedLessonID = pvtBrackwellSelected();
        TreeDragging = true;
    } else {
        SelectedLessonID = -1;
    }
    rt::call(data, rt::DataObject::SetData,
             {rt::Value(QStringLiteral("pvtBrackwell")), rt::Value::integer(rt::DataObject::text)});
}

void Schedule::List1_OLEDragDrop(const QString& text) {
    if (text != QLatin1String("pvtBrackwell") || SelectedLessonID == -1) return;
    cmdAdd_Click();
    TreeDragging = false;
}

bool Schedule::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List1 && event->type() == QEvent::FocusIn) List1_GotFocus();
    if (watched != List1->viewport()) return ModalDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* e = static_cast<QDragMoveEvent*>(event);
        if (!e->mimeData()->hasText()) return false;
        e->setDropAction(Qt::CopyAction);
        e->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* e = static_cast<QDropEvent*>(event);
        if (!e->mimeData()->hasText()) return false;
        e->acceptProposedAction();
        List1_OLEDragDrop(e->mimeData()->text());
        return true;
    }
    case QEvent::MouseMove: {
        // Dragging a queued lesson onto the tree takes it off the queue.
        auto* e = static_cast<QMouseEvent*>(event);
        if (!(e->buttons() & Qt::LeftButton) || List1->currentRow() < 0) return false;
        SelectedLessonID = List1->currentItem()->data(dataRole).toInt();
        rt::ManualDrag::begin(List1, listDragIcon_);
        return true;
    }
    default: return false;
    }
}
