#include "platform/FileListBox.h"

#include "platform/ErrorBox.h"
#include "platform/FileListModel.h"
#include "platform/WaitCursor.h"
#include "platform/host/Directory.h"
#include "platform/host/FileMatch.h"

#include <QFont>
#include <QMouseEvent>
#include <QPalette>

namespace qf::platform {

namespace {

const char* const designMask = "*.cs;*.txt;*.vol";

QFont listFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(13);
    return font;
}

} // namespace

FileListBox::FileListBox(QWidget* parent)
    : QListView(parent), model_(new FileListModel(this)), mask_(designMask) {
    setModel(model_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setFont(listFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Text, QColor(0x00, 0x00, 0x80)); // navy
    setPalette(colours);

    directory_ = currentDirectory();
    rereadList();
}

FileListBox::~FileListBox() = default;

std::string FileListBox::fileName() const {
    const int row = selectedRow();
    if (row < 0)
        return {};
    const std::string& name = model_->names()[static_cast<std::size_t>(row)];
    return directory_.back() == '/' ? directory_ + name : directory_ + "/" + name;
}

void FileListBox::setFileName(const std::string& path) {
    if (path.empty() || path == fileName())
        return;
    {
        // A trial first, so that a path that cannot be entered leaves the list and the
        // current directory as they were.
        CurrentDirectoryRestorer back;
        setCurrentDirectory(path);
    }
    // Linux paths are case-sensitive: Foo and foo are two directories.
    if (path == directory_)
        return;
    if (directoryExists(directory_))
        setCurrentDirectory(directory_); // a relative path is taken from the listed directory
    setCurrentDirectory(path);
    directory_ = currentDirectory();
    rereadList();
}

const std::string& FileListBox::directory() const {
    return directory_;
}
const std::string& FileListBox::mask() const {
    return mask_;
}

void FileListBox::setMask(const std::string& mask) {
    if (mask == mask_)
        return;
    mask_ = mask;
    rereadList();
}

void FileListBox::rereadList() {
    setCurrentDirectory(directory_);
    WaitCursor hourglass;
    model_->setNames({});
    model_->setNames(matchingFileNames(directory_, mask_, [&] { hourglass.show(); }));
}

void FileListBox::refresh() {
    viewport()->update();
}

const std::vector<std::string>& FileListBox::entries() const {
    return model_->names();
}

int FileListBox::selectedRow() const {
    const auto rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void FileListBox::reportingSelectionChange(const std::function<void()>& step) {
    const int before = selectedRow();
    step();
    if (selectedRow() != before)
        runCallback(onClick);
}

void FileListBox::runCallback(const std::function<void()>& callback) {
    if (callback)
        guarded(callback);
}

void FileListBox::mousePressEvent(QMouseEvent* event) {
    // Only the left button selects: the context menu acts on the entry selected before.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    // A click on an empty stretch below the entries keeps the selection.
    if (!indexAt(event->position().toPoint()).isValid()) {
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
    runCallback(onClick); // also a click on the entry already selected, as the user clicked
}

void FileListBox::mouseMoveEvent(QMouseEvent* event) {
    reportingSelectionChange([&] { QListView::mouseMoveEvent(event); });
}

void FileListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !indexAt(event->position().toPoint()).isValid()) {
        event->accept();
        return;
    }
    QListView::mouseDoubleClickEvent(event);
    runCallback(onDblClick);
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
    reportingSelectionChange([&] { QListView::keyPressEvent(event); });
}

} // namespace qf::platform
