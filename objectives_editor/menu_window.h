#pragma once

#include <QMainWindow>
#include <QPointer>

class QAction;
class QLabel;
class QPushButton;
class frmTRD;
struct Editor;

// The menu window: opens the editor window, the exchange-file import and export, the help documents and
// the about box, and leaves the program. Closing it by its frame runs none of its handlers.
class frmMenu : public QMainWindow {
    Q_OBJECT
public:
    // Shows the one menu window (modeless), loading it first.
    static frmMenu* showMenu(Editor& editor);
    static frmMenu* instance();

    void cmdEdit_Click();
    void cmdExit_Click();
    // The exchange file: asks for its name, then writes or reads it.
    void cmdExport_Click();
    void cmdImport_Click();
    void mnuExport_Click();
    void mnuImport_Click();
    void mnuLocalHelp_Click();
    void mnuHowTRD_Click();
    void mnuAbout_Click();

    // The editor window once it has been opened; it stays loaded, hidden, between openings.
    frmTRD* editorWindow() const;

private:
    explicit frmMenu(Editor& editor);
    void Form_Load();
    void buildMenus();
    void ResizeForm();
    // Opens a help document beside the program through the desktop's association.
    void openHelp(int documentString);

    Editor& editor_;
    QPointer<frmTRD> editorWindow_;
    QPushButton *cmdEdit, *cmdImport, *cmdExport, *cmdExit;
    QLabel *lbl1, *lbl2, *lbl3;
    QAction *mnuEdit, *mnuExport, *mnuImport, *mnuExit, *mnuLocalHelp, *mnuHowTRD, *mnuAbout;
};

// Closes the course database, unloads the menu window and ends the program.
void ExitApp(Editor& editor);
