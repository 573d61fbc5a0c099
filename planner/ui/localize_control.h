#pragma once

class QObject;

// The dynamic property in which a window keeps a control's design-time Tag; a control's ToolTipText
// is its tool tip, a menu item's Caption its action's text.
inline constexpr char TagProperty[] = "Tag";

// Replaces the string-table numbers a control holds at design time by their texts, by the control's
// type (Qt's widgets standing for the window system's):
//   label (QLabel)                  Tag → text
//   menu item (QAction)             its text → text
//   tab strip (QTabBar)             each tab's data → its text, each tab's tool tip → tool tip
//   toolbar (QToolBar)              each button's tool tip → tool tip
//   list view (QTreeWidget)         each header column's Qt::UserRole data → its text
//   image control (ImageControl)    shows bitmap 1001
//   text box (QLineEdit, QPlainTextEdit)   Tag → text
//   line (a QFrame drawn as a line) left alone
//   check box (QCheckBox)           Tag → text
//   any other                       Tag → caption when its leading number is above 0,
//                                   tool tip → tool tip when its leading number is 1 or more
// Error 13 for a number that is no number, 326 for a number the string table lacks, 438 for a caption
// on a control that has none.
void LocalizeControl(QObject* ctl);
