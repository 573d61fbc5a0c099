#pragma once

struct Editor;
namespace rt {
class SingleInstance;
}

// Starts the editor on the command line's course. A second copy only brings the running editor to the
// front and ends. A course that is not installed ends the program with a message; an error while the
// course database opens or its version is read is reported and ends it too. Otherwise the menu window is
// shown, and the program runs while one of its windows is loaded.
void Main(Editor& editor, rt::SingleInstance& instance);

// Brings the editor's window to the front: the one whose caption begins with "Tallyreed", the modal one
// when one is open.
void ActivateEditorWindow();
