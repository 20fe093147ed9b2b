#pragma once

#include "platform/Placement.h"

#include <QWidget>
#include <memory>
#include <string>

class QAction;
class QMenu;
class QMenuBar;
class QStatusBar;
class QTimer;
class QToolButton;

namespace qf::platform {
class DirectoryOutline;
class DriveComboBox;
class FileListBox;
class PreviewEdit;
class SaveDialog;
class EditControl;
class HintTracker;
class ImageList;
class ShortcutDispatcher;
class TabbedNotebook;
class ToolBar;
} // namespace qf::platform

// The main window: browser on the left, preview on the right, the command table in its menus,
// tool bar and popups.
class TSDIAppForm : public QWidget {
    Q_OBJECT
public:
    explicit TSDIAppForm(QWidget* parent = nullptr);
    ~TSDIAppForm() override;

    // Components.
    QMenuBar* MainMenu1 = nullptr;
    QMenu* File1 = nullptr;
    QAction* FileNewItem = nullptr; // bound to FileNew1
    QAction* Options1 = nullptr;
    QAction* N1 = nullptr;
    QAction* FileExitItem = nullptr; // bound to FileExit1
    QAction* Refresh1 = nullptr;
    QMenu* Edit1 = nullptr;
    QAction* CopyItem = nullptr; // bound to EditCopy1
    QAction* Quicksetfilemask1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* About1 = nullptr;

    qf::platform::ToolBar* ToolBar1 = nullptr;
    QToolButton* ToolButton9 = nullptr;
    QToolButton* ToolButton6 = nullptr;
    QToolButton* Edit43 = nullptr;
    QWidget* ToolButton4 = nullptr;
    QToolButton* ToolButton5 = nullptr;
    QWidget* ToolButton1 = nullptr;
    QToolButton* ToolButton2 = nullptr;
    QToolButton* ToolButton3 = nullptr;

    qf::platform::TabbedNotebook* TabbedNotebook1 = nullptr;
    qf::platform::DriveComboBox* DriveComboBox1 = nullptr;
    qf::platform::DirectoryOutline* DirectoryOutline1 = nullptr;
    qf::platform::FileListBox* FileListBox1 = nullptr;
    qf::platform::PreviewEdit* RichEdit1 = nullptr;
    QStatusBar* StatusBar = nullptr;

    QTimer* Timer1 = nullptr;
    qf::platform::SaveDialog* SaveDialog = nullptr; // made at its first use
    std::unique_ptr<qf::platform::ImageList> ImageList1;

    // ActionList1, in its order.
    QAction* FileNew1 = nullptr;
    QAction* FileSave1 = nullptr;
    QAction* FileExit1 = nullptr;
    QAction* EditCut1 = nullptr;
    QAction* EditCopy1 = nullptr;
    QAction* EditPaste1 = nullptr;

    QMenu* PopupMenu1 = nullptr;
    QAction* Preview1 = nullptr;
    QAction* Edit2 = nullptr;
    QAction* New1 = nullptr;
    QAction* Delete1 = nullptr;
    QAction* Rename1 = nullptr;

    QMenu* PopupMenu2 = nullptr;
    QAction* CreateDirectory1 = nullptr;
    QAction* ExploreinWindowsExplorer1 = nullptr;

    // Handlers.
    void FormCreate();
    void FormActivate();
    void FormResize();
    void Timer1Timer();
    void FileExit1Execute();
    void About1Click();
    void FileNew1Execute();
    void New1Click();
    void FileSave1Execute();
    void Refresh1Click();
    void Quicksetfilemask1Click();
    void ToolButton6Click();
    void Preview1Click();
    void Edit43Click();
    void Edit2Click();
    void FileListBox1Click();
    void FileListBox1DblClick();
    void DirectoryOutline1Change();
    void DriveComboBox1Change();
    void Delete1Click();
    void Rename1Click();
    void CreateDirectory1Click();
    void ExploreinWindowsExplorer1Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createPanes();
    void createPopups();
    void bindHandlers();
    void setTabOrder();
    void layOutClient();

    // The standard edit actions act on the edit control that has the keyboard focus.
    qf::platform::EditControl* editTarget() const;
    void updateAction(QAction* action);

    QWidget* client_ = nullptr;
    qf::platform::ShortcutDispatcher* shortcuts_ = nullptr;
    qf::platform::HintTracker* hints_ = nullptr;
    qf::platform::CentreOnFirstShow placement_;
};

// Program-wide state of the main window's unit.
extern TSDIAppForm* SDIAppForm;
extern bool FirstActivation;
extern std::string StartDirectory;
