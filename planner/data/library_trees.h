#pragma once

namespace rt {
class Dispatch;
class EventLoop;
} // namespace rt

// The library trees of the main window (by resource type, by chapter) and the wizard's lesson tree,
// filled level by level from the course database. A node with children carries a placeholder child
// marked "D" and the bold node font until it is first expanded; a filled node is marked "Filled".
// Every row added lets the message loop run once.

// Empty `tree` and add the top level. The resource-type fill ends silently on a failure, after trying a
// step the tree refuses with 35602 three times; the chapter and lesson fills pass every failure on.
void FillResourceTypeRoots(rt::EventLoop& loop, rt::Dispatch& tree);
void FillChapterTreeRoots(rt::EventLoop& loop, rt::Dispatch& tree);
void FillLessonTreeRoots(rt::EventLoop& loop, rt::Dispatch& tree);

// The first expansion of `node`: its placeholder makes way for its children; a node marked "Filled"
// is left alone. The lesson fill passes a failure on; the resource fills, with the same three tries,
// end silently and leave the node unmarked, so that its next expansion fills it again.
void FillLessonChildren(rt::EventLoop& loop, rt::Dispatch& node);
void FillResourcetypeChildren(rt::EventLoop& loop, rt::Dispatch& node);
void FillchapterTreeChildren(rt::EventLoop& loop, rt::Dispatch& node);
