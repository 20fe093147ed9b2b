#include "forms/Sdimain.h"

#include "Resources.h"
#include "forms/About.h"
#include "platform/DirectoryOutline.h"
#include "platform/DriveComboBox.h"
#include "platform/EditControl.h"
#include "platform/ErrorBox.h"
#include "platform/FileListBox.h"
#include "platform/Fonts.h"
#include "platform/HintTracker.h"
#include "platform/Hints.h"
#include "platform/ImageList.h"
#include "platform/PreviewEdit.h"
#include "platform/ShortcutDispatcher.h"
#include "platform/TabbedNotebook.h"
#include "platform/ToolBar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

TSDIAppForm* SDIAppForm = nullptr;

using qf::platform::guarded;
using qf::platform::setHint;
using qf::platform::ShortcutDispatcher;

namespace {

constexpr int kClientWidth = 573;
constexpr int kClientHeight = 400;

QFont browserFont() {
    return qf::platform::pixelFont(QStringLiteral("Times New Roman"), 13);
}

void colourText(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

// Every handler bound to a Qt signal runs inside the guard that shows the error box.
template <typename Sender, typename Signal>
void bind(Sender* sender, Signal signal, QObject* context, std::function<void()> handler) {
    QObject::connect(sender, signal, context, [handler = std::move(handler)] { guarded(handler); });
}

} // namespace

TSDIAppForm::TSDIAppForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Quillfen - Project Manager"));
    setWindowIcon(QIcon(qf::resources::picture(QStringLiteral("pictures/icon32.png"))));
    QFont systemFont = qf::platform::pixelFont(QStringLiteral("MS Sans Serif"), 13);
    systemFont.setBold(true);
    setFont(systemFont);
    ImageList1 = std::make_unique<qf::platform::ImageList>();
    createActions();
    createMenus();
    client_ = new QWidget(this);
    createToolBar();
    createPanes();
    createPopups();
    bindHandlers();
    setTabOrder();
    resize(kClientWidth, MainMenu1->sizeHint().height() + kClientHeight);
    FormCreate();
}

TSDIAppForm::~TSDIAppForm() = default;

void TSDIAppForm::createActions() {
    const auto action = [this](const QString& caption, const QString& hint, int glyph,
                               const QKeySequence& key) {
        auto* a = new QAction(caption, this);
        setHint(a, hint);
        a->setToolTip(qf::platform::hintShortPart(hint));
        if (glyph >= 0)
            a->setIcon(ImageList1->icon(glyph));
        if (!key.isEmpty())
            ShortcutDispatcher::setShortcut(a, key);
        return a;
    };
    FileNew1 = action("&New", "New|Create a new file", 6, QKeySequence("Ctrl+N"));
    FileSave1 = action("&Save", "Save|Save current file", 8, QKeySequence("Ctrl+S"));
    FileExit1 = action("E&xit", "Exit|Exit application", -1, {});
    EditCut1 = action("Cu&t", "Cut|Cuts the selection and puts it on the Clipboard", 0,
                      QKeySequence("Ctrl+X"));
    EditCopy1 = action("&Copy", "Copy|Copies the selection and puts it on the Clipboard", 1,
                       QKeySequence("Ctrl+C"));
    EditPaste1 = action("&Paste", "Paste|Inserts Clipboard contents", 2, QKeySequence("Ctrl+V"));
}

void TSDIAppForm::createMenus() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setFont(QApplication::font());
    const auto menu = [this](const QString& caption, const QString& hint) {
        QMenu* m = MainMenu1->addMenu(caption);
        setHint(m->menuAction(), hint);
        return m;
    };
    const auto item = [this](QMenu* m, const QString& caption, int glyph, const QKeySequence& key) {
        QAction* a = m->addAction(caption);
        if (glyph >= 0)
            a->setIcon(ImageList1->icon(glyph));
        if (!key.isEmpty())
            ShortcutDispatcher::setShortcut(a, key);
        return a;
    };

    File1 = menu("&File", "File related commands");
    FileNewItem = FileNew1;
    File1->addAction(FileNewItem);
    Options1 = item(File1, "Options", 10, QKeySequence("Ctrl+O"));
    Options1->setEnabled(false);
    N1 = File1->addSeparator();
    FileExitItem = FileExit1;
    File1->addAction(FileExitItem);
    Refresh1 = item(File1, "Refresh", -1, QKeySequence("F5"));
    Refresh1->setVisible(false);

    Edit1 = menu("&Edit", "Edit commands");
    CopyItem = EditCopy1;
    Edit1->addAction(CopyItem);
    Quicksetfilemask1 = item(Edit1, "Set Default FileMask", -1, QKeySequence("Ctrl+M"));

    Help1 = menu("&Help", "Help topics");
    About1 = item(Help1, "About...", -1, {});
}

void TSDIAppForm::createToolBar() {
    ToolBar1 = new qf::platform::ToolBar(client_);
    ToolBar1->setGeometry(0, 0, kClientWidth, 33);
    ToolButton9 = ToolBar1->addActionButton(5, FileNew1);
    setHint(ToolButton9, qf::platform::hintOf(FileNew1));
    ToolButton6 = ToolBar1->addButton(28, ImageList1->icon(12));
    qf::platform::setToolButtonHint(ToolButton6, "Preview");
    ToolButton6->setEnabled(false);
    Edit43 = ToolBar1->addButton(51, ImageList1->icon(9));
    qf::platform::setToolButtonHint(Edit43, "Edit");
    Edit43->setEnabled(false);
    ToolButton4 = ToolBar1->addSeparator(74, 8);
    ToolButton5 = ToolBar1->addActionButton(82, EditCopy1);
    setHint(ToolButton5, qf::platform::hintOf(EditCopy1));
    ToolButton1 = ToolBar1->addSeparator(105, 8);
    ToolButton2 = ToolBar1->addButton(113, ImageList1->icon(10));
    qf::platform::setToolButtonHint(ToolButton2, "Options");
    ToolButton2->setEnabled(false);
    ToolButton3 = ToolBar1->addButton(136, ImageList1->icon(11));
    ToolButton3->setCheckable(true);
    ToolButton3->setEnabled(false);
    for (QToolButton* bound : {ToolButton9, ToolButton5})
        bound->setToolTipDuration(2500);
}

void TSDIAppForm::createPanes() {
    TabbedNotebook1 = new qf::platform::TabbedNotebook(client_);
    TabbedNotebook1->setGeometry(0, 36, 229, 345);
    colourText(TabbedNotebook1->tabBar(), palette().color(QPalette::ButtonText));
    QWidget* page1 = TabbedNotebook1->addPage(QStringLiteral("Directories/Drives"));
    QWidget* page2 = TabbedNotebook1->addPage(QStringLiteral("Files"));

    DriveComboBox1 = new qf::platform::DriveComboBox(page1);
    DriveComboBox1->setGeometry(0, 0, 221, 21);
    DirectoryOutline1 = new qf::platform::DirectoryOutline(page1);
    DirectoryOutline1->setGeometry(0, 24, 221, 289);
    setHint(DirectoryOutline1, "To select a Directory : double click on it");
    FileListBox1 = new qf::platform::FileListBox(page2);
    FileListBox1->setGeometry(0, 4, 221, 309);
    setHint(FileListBox1,
            "To preview a file right click and select preview - or double click to edit");
    for (QWidget* browser :
         std::initializer_list<QWidget*>{DriveComboBox1, DirectoryOutline1, FileListBox1}) {
        browser->setFont(browserFont());
        colourText(browser, QColor(0, 0, 128));
    }

    RichEdit1 = new qf::platform::PreviewEdit(client_);
    RichEdit1->setGeometry(232, 36, 336, 345);
    setHint(RichEdit1, "This is the preview box");

    StatusBar = new QStatusBar(client_);
    StatusBar->setFont(QApplication::font());
    StatusBar->setSizeGripEnabled(true);
    StatusBar->setGeometry(0, 381, kClientWidth, 19);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1);
}

void TSDIAppForm::createPopups() {
    const auto glyph = [](const char* name) {
        return QIcon(qf::resources::picture(QStringLiteral("pictures/") + name));
    };
    PopupMenu1 = new QMenu(this);
    Preview1 = PopupMenu1->addAction(glyph("popup_preview.png"), "Preview");
    PopupMenu1->setDefaultAction(Preview1);
    Edit2 = PopupMenu1->addAction(glyph("popup_edit.png"), "Edit");
    New1 = PopupMenu1->addAction(glyph("popup_new.png"), "New");
    Delete1 = PopupMenu1->addAction(glyph("popup_delete.png"), "Delete");
    Rename1 = PopupMenu1->addAction("Rename");
    for (QAction* item : {Preview1, Edit2, Delete1, Rename1})
        item->setEnabled(false);

    PopupMenu2 = new QMenu(this);
    CreateDirectory1 = PopupMenu2->addAction("Create Directory");
    ExploreinWindowsExplorer1 = PopupMenu2->addAction("Explore in Windows Explorer");

    const auto attach = [](QWidget* control, QMenu* popup) {
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(
            control, &QWidget::customContextMenuRequested, popup,
            [control, popup](const QPoint& at) { popup->popup(control->mapToGlobal(at)); });
    };
    attach(FileListBox1, PopupMenu1);
    attach(DirectoryOutline1, PopupMenu2);
}

void TSDIAppForm::bindHandlers() {
    shortcuts_ = new ShortcutDispatcher(this, MainMenu1);
    for (QAction* action : {FileNew1, FileSave1, FileExit1, EditCut1, EditCopy1, EditPaste1})
        shortcuts_->addAction(action);
    shortcuts_->updateAction = [this](QAction* action) { updateAction(action); };

    hints_ = new qf::platform::HintTracker(this, StatusBar);
    for (QMenu* menu : {File1, Edit1, Help1, PopupMenu1, PopupMenu2})
        hints_->trackMenu(menu);
    hints_->onIdle = [this] {
        // Only the actions the tool bar shows are kept up to date while idle.
        updateAction(FileNew1);
        updateAction(EditCopy1);
    };

    const auto on = [this](QAction* item, void (TSDIAppForm::*handler)()) {
        bind(item, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    on(FileNew1, &TSDIAppForm::FileNew1Execute);
    on(FileSave1, &TSDIAppForm::FileSave1Execute);
    on(FileExit1, &TSDIAppForm::FileExit1Execute);
    on(Refresh1, &TSDIAppForm::Refresh1Click);
    on(Quicksetfilemask1, &TSDIAppForm::Quicksetfilemask1Click);
    on(About1, &TSDIAppForm::About1Click);
    on(Preview1, &TSDIAppForm::Preview1Click);
    on(Edit2, &TSDIAppForm::Edit2Click);
    on(New1, &TSDIAppForm::New1Click);
    on(Delete1, &TSDIAppForm::Delete1Click);
    on(Rename1, &TSDIAppForm::Rename1Click);
    on(CreateDirectory1, &TSDIAppForm::CreateDirectory1Click);
    on(ExploreinWindowsExplorer1, &TSDIAppForm::ExploreinWindowsExplorer1Click);
    using qf::platform::EditControl;
    const auto onTarget = [this](QAction* action, void (EditControl::*operation)()) {
        bind(action, &QAction::triggered, this, [this, operation] {
            if (EditControl* target = editTarget())
                (target->*operation)();
        });
    };
    onTarget(EditCut1, &EditControl::cutSelection);
    onTarget(EditCopy1, &EditControl::copySelection);
    onTarget(EditPaste1, &EditControl::pasteClipboard);
    bind(ToolButton6, &QToolButton::clicked, this, [this] { ToolButton6Click(); });
    bind(Edit43, &QToolButton::clicked, this, [this] { Edit43Click(); });
    bind(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    DriveComboBox1->onChange = [this] { DriveComboBox1Change(); };
    DirectoryOutline1->onChange = [this] { DirectoryOutline1Change(); };
    FileListBox1->onClick = [this] { FileListBox1Click(); };
    FileListBox1->onDblClick = [this] { FileListBox1DblClick(); };
}

void TSDIAppForm::setTabOrder() {
    // The preview pane is the first tab stop, so it takes the focus at the first activation.
    QWidget::setTabOrder(RichEdit1, TabbedNotebook1->tabBar());
    QWidget::setTabOrder(TabbedNotebook1->tabBar(), DirectoryOutline1);
    QWidget::setTabOrder(DirectoryOutline1, DriveComboBox1);
    QWidget::setTabOrder(DriveComboBox1, FileListBox1);
    RichEdit1->setFocus();
}

qf::platform::EditControl* TSDIAppForm::editTarget() const {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != this)
        return nullptr;
    return dynamic_cast<qf::platform::EditControl*>(focus);
}

void TSDIAppForm::updateAction(QAction* action) {
    qf::platform::EditControl* target = editTarget();
    if (action == EditCopy1 || action == EditCut1)
        action->setEnabled(target && target->hasSelection());
    else if (action == EditPaste1)
        action->setEnabled(target && QApplication::clipboard()->mimeData() &&
                           QApplication::clipboard()->mimeData()->hasText());
}

void TSDIAppForm::layOutClient() {
    const int top = MainMenu1->sizeHint().height();
    MainMenu1->setGeometry(0, 0, width(), top);
    client_->setGeometry(0, top, width(), height() - top);
    const int w = client_->width();
    const int h = client_->height();
    // The anchors keep each edge's designed distance to the window's edges.
    ToolBar1->setGeometry(0, 0, w, 33);
    TabbedNotebook1->setGeometry(0, 36, 229, h - (kClientHeight - 345));
    RichEdit1->setGeometry(232, 36, w - (kClientWidth - 336), h - (kClientHeight - 345));
    StatusBar->setGeometry(0, h - 19, w, 19);
}

void TSDIAppForm::FileExit1Execute() {
    QCoreApplication::quit();
}

void TSDIAppForm::About1Click() {
    hide();
    Form3->show();
}

void TSDIAppForm::closeEvent(QCloseEvent* event) {
    // Not the application's main form: on its own a close would only hide it, so the handler
    // ends the application.
    QCoreApplication::quit();
    event->accept();
}

void TSDIAppForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOutClient();
    guarded([this] { FormResize(); });
}

void TSDIAppForm::showEvent(QShowEvent* event) {
    placement_.apply(this);
    QWidget::showEvent(event);
}

bool TSDIAppForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        guarded([this] { FormActivate(); });
    return QWidget::event(event);
}
