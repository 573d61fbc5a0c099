#pragma once

#include <QString>

class QWidget;
struct Editor;
namespace rt {
class Dispatch;
class RichTextBox;
} // namespace rt

// The editor's data procedures: the lesson tree of EditorCourseDB into the editor window's tree control,
// a lesson's objectives onto its tab control and local-objective box, and the local objective back into
// the course database. Tree node keys are "K" & TreeID; a node with children of its own that are not
// there yet has one placeholder child "D" & TreeID.

// Adds the root nodes, each marked "Filled", and their children. An error shows its number and description
// and ends the filling; `form`'s pointer is the hourglass meanwhile.
void FillPrimaryTreeNodes(Editor& editor, QWidget* form, rt::Dispatch& tree);

// Adds the children of the node of `parentID` (a TreeID as text); true when the course has any. Once the
// children are read, a failing step for one of them is skipped.
bool FillChildNodes(Editor& editor, rt::Dispatch& tree, const QString& parentID);

// Shows the lesson's Objective1 to Objective`tabs` (at most 4) on the tab control's pages and its
// Objective5 in `box`; nothing for TreeID 0.
void LoadObjectives(Editor& editor, rt::Dispatch& tab, rt::RichTextBox& box, qint16 tabs, qint32 treeID);

// When LocalObjectiveDirty, stores `text` as the lesson's Objective5 and clears the flag. A lesson that
// no longer exists is left silently; any other failure says which lesson was not saved. The flag stays
// set when nothing was stored.
void SaveObjective(Editor& editor, const QString& treeID, const QString& text);
