#include "platform/DirectoryOutline.h"

#include "platform/DirectoryTree.h"
#include "platform/DisplayText.h"
#include "platform/ErrorBox.h"
#include "platform/host/Directory.h"
#include "platform/host/Drives.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace qf::platform {

namespace {

constexpr int margin = 2;
constexpr int indent = 16;
constexpr int pictureWidth = 16;
constexpr int textGap = 3;

int pictureLeft(int depth) {
    return margin + depth * indent;
}
int textLeft(int depth) {
    return pictureLeft(depth) + pictureWidth + textGap;
}
// Where the line joining a node's children runs: below the middle of its picture.
int lineX(int parentDepth) {
    return pictureLeft(parentDepth) + pictureWidth / 2;
}

// The directory a selected path names: absolute, "." and ".." taken out, no trailing '/'.
std::string absoluteDirectory(const std::string& path) {
    const std::string full =
        !path.empty() && path[0] == '/' ? path : currentDirectory() + "/" + path;
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= full.size()) {
        const std::size_t end = std::min(full.find('/', start), full.size());
        const std::string name = full.substr(start, end - start);
        if (name == "..") {
            if (!names.empty())
                names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
        start = end + 1;
    }
    std::string result;
    for (const auto& name : names)
        result += "/" + name;
    return result.empty() ? "/" : result;
}

FolderPicture pictureOf(const DirectoryTree::Node* node) {
    if (node->children.empty())
        return FolderPicture::Leaf;
    return node->expanded ? FolderPicture::Open : FolderPicture::Closed;
}

} // namespace

struct DirectoryOutline::State {
    DirectoryTree tree;
    std::string drive;
    std::string directory;
    DirectoryTree::Node* selected = nullptr;
    DirectoryTree::Node* pressed = nullptr;
};

DirectoryOutline::DirectoryOutline(QWidget* parent)
    : QAbstractScrollArea(parent), state_(std::make_unique<State>()) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(13);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, QColor(0, 0, 128));
    setPalette(colours);
    viewport()->setBackgroundRole(QPalette::Base);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(1);

    state_->directory = currentDirectory();
    state_->drive = driveOfPath(state_->directory);
    build();
}

DirectoryOutline::~DirectoryOutline() = default;

const std::string& DirectoryOutline::drive() const {
    return state_->drive;
}

void DirectoryOutline::setDrive(const std::string& root) {
    if (root.empty() || root[0] != '/' || root == state_->drive)
        return;
    state_->drive = root;
    setCurrentDirectory(root);
    state_->directory = currentDirectory();
    build();
}

const std::string& DirectoryOutline::directory() const {
    return state_->directory;
}

void DirectoryOutline::setDirectory(const std::string& path) {
    const std::string full = absoluteDirectory(path);
    if (full == state_->directory)
        return;
    state_->directory = full;
    setCurrentDirectory(full);
    // A directory inside the tree can be the root of another mounted drive. The tree then shows
    // that drive, keeping the directory that was chosen rather than falling back to its root.
    const std::string pathDrive = driveOfPath(full);
    if (!pathDrive.empty() && pathDrive != state_->drive) {
        state_->drive = pathDrive;
        build();
        return;
    }
    if (full == state_->drive) {
        state_->selected = state_->tree.walkTo(full);
        rowsChanged();
    }
    reportChange();
}

void DirectoryOutline::refresh() {
    viewport()->update();
}

void DirectoryOutline::paintPending() {
    viewport()->repaint();
}

std::vector<DirectoryOutline::Row> DirectoryOutline::rows() const {
    std::vector<Row> shown;
    for (const auto* node : state_->tree.rows())
        shown.push_back(
            {state_->tree.pathOf(node), node->depth, pictureOf(node), node == state_->selected});
    return shown;
}

// Starts the tree over for its drive and walks down to its directory.
void DirectoryOutline::build() {
    state_->tree.reset(state_->drive);
    state_->pressed = nullptr;
    state_->selected = state_->tree.walkTo(state_->directory);
    rowsChanged();
    reportChange();
}

void DirectoryOutline::reportChange() {
    if (onChange)
        onChange();
}

void DirectoryOutline::rowsChanged() {
    updateScrollBars();
    if (state_->selected)
        ensureVisible(state_->selected->row);
    viewport()->update();
}

int DirectoryOutline::textWidth(DirectoryTree::Node* node) const {
    if (node->textWidth < 0)
        node->textWidth = fontMetrics().horizontalAdvance(toDisplay(node->name)) + 4;
    return node->textWidth;
}

int DirectoryOutline::visibleRowCount() const {
    return std::max(1, viewport()->height() / rowHeight);
}

void DirectoryOutline::updateScrollBars() {
    const auto& rows = state_->tree.rows();
    const int visible = visibleRowCount();
    verticalScrollBar()->setRange(0, std::max(0, static_cast<int>(rows.size()) - visible));
    verticalScrollBar()->setPageStep(visible);
    int width = 0;
    for (auto* node : rows)
        width = std::max(width, textLeft(node->depth) + textWidth(node) + margin);
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(indent);
}

void DirectoryOutline::ensureVisible(int row) {
    if (row < 0)
        return;
    const int first = verticalScrollBar()->value();
    const int visible = visibleRowCount();
    if (row < first)
        verticalScrollBar()->setValue(row);
    else if (row >= first + visible)
        verticalScrollBar()->setValue(row - visible + 1);
}

int DirectoryOutline::rowAt(int y) const {
    if (y < 0)
        return -1;
    const int row = verticalScrollBar()->value() + y / rowHeight;
    return row < static_cast<int>(state_->tree.rows().size()) ? row : -1;
}

void DirectoryOutline::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const auto& rows = state_->tree.rows();
    const int first = verticalScrollBar()->value();
    const int last = std::min(static_cast<int>(rows.size()), first + visibleRowCount() + 1);
    const int dx = -horizontalScrollBar()->value();
    const QPen linePen(palette().color(QPalette::Dark), 1, Qt::DotLine);
    for (int row = first; row < last; ++row) {
        DirectoryTree::Node* node = rows[row];
        const int top = (row - first) * rowHeight;
        const int middle = top + rowHeight / 2;
        const int bottom = top + rowHeight - 1;
        if (node->depth > 0) {
            painter.setPen(linePen);
            const int x = lineX(node->depth - 1) + dx;
            painter.drawLine(x, top, x, node->hasNextSibling() ? bottom : middle);
            painter.drawLine(x, middle, pictureLeft(node->depth) + dx - 1, middle);
            for (const auto* above = node->parent; above->depth > 0; above = above->parent)
                if (above->hasNextSibling()) {
                    const int ax = lineX(above->depth - 1) + dx;
                    painter.drawLine(ax, top, ax, bottom);
                }
        }
        const QPixmap& picture = folderPicture(pictureOf(node));
        painter.drawPixmap(pictureLeft(node->depth) + dx + (pictureWidth - picture.width()) / 2,
                           top + (rowHeight - picture.height()) / 2, picture);
        const QRect textRect(textLeft(node->depth) + dx, top, textWidth(node), rowHeight);
        const bool selected = node == state_->selected;
        if (selected)
            painter.fillRect(textRect, palette().color(QPalette::Highlight));
        painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(textRect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         toDisplay(node->name));
        if (selected && hasFocus()) {
            // The dotted frame of a focused item, drawn the same way whatever the style.
            painter.setPen(QPen(palette().color(QPalette::HighlightedText), 1, Qt::DotLine));
            painter.drawRect(textRect.adjusted(0, 0, -1, -1));
        }
    }
}

// Names are measured once; a new font makes every measure stale.
void DirectoryOutline::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() != QEvent::FontChange || !state_ || !state_->tree.root())
        return;
    std::vector<DirectoryTree::Node*> pending{state_->tree.root()};
    while (!pending.empty()) {
        DirectoryTree::Node* node = pending.back();
        pending.pop_back();
        node->textWidth = -1;
        for (auto& child : node->children)
            pending.push_back(child.get());
    }
    rowsChanged();
}

void DirectoryOutline::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void DirectoryOutline::scrollContentsBy(int, int) {
    viewport()->update();
}

void DirectoryOutline::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int row = rowAt(event->position().toPoint().y());
    state_->pressed = row < 0 ? nullptr : state_->tree.rows()[row];
}

// A click selects when the button comes up, as the first click of a double-click does.
void DirectoryOutline::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !state_->pressed)
        return;
    DirectoryTree::Node* node = state_->pressed;
    state_->pressed = nullptr;
    guarded([&] { select(node); });
}

void DirectoryOutline::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    state_->pressed = nullptr;
    const int row = rowAt(event->position().toPoint().y());
    if (row >= 0)
        guarded([&] { toggle(state_->tree.rows()[row]); });
}

void DirectoryOutline::keyPressEvent(QKeyEvent* event) {
    const int current = state_->selected ? state_->selected->row : 0;
    const int page = visibleRowCount();
    const int last = static_cast<int>(state_->tree.rows().size()) - 1;
    const auto moveTo = [&](int row) {
        guarded([&] { select(state_->tree.rows()[std::clamp(row, 0, last)]); });
    };
    switch (event->key()) {
    case Qt::Key_Up:
        return moveTo(current - 1);
    case Qt::Key_Down:
        return moveTo(current + 1);
    case Qt::Key_PageUp:
        return moveTo(current - page);
    case Qt::Key_PageDown:
        return moveTo(current + page);
    case Qt::Key_Home:
        return moveTo(0);
    case Qt::Key_End:
        return moveTo(last);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return guarded([&] { toggle(state_->selected); });
    case Qt::Key_Plus:
        return guarded([&] { expand(state_->selected); });
    case Qt::Key_Minus:
        return guarded([&] { collapse(state_->selected); });
    case Qt::Key_Asterisk:
        return guarded([&] { expandAll(state_->selected); });
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void DirectoryOutline::select(DirectoryTree::Node* node) {
    if (node == state_->selected)
        return;
    state_->selected = node;
    ensureVisible(node->row);
    viewport()->update();
    setDirectory(state_->tree.pathOf(node));
}

void DirectoryOutline::toggle(DirectoryTree::Node* node) {
    if (node->expanded)
        collapse(node);
    else
        expand(node);
}

void DirectoryOutline::expand(DirectoryTree::Node* node) {
    state_->tree.expand(node);
    rowsChanged();
}

// A selection hidden by the collapse moves up to the collapsed node; the directory stays.
void DirectoryOutline::collapse(DirectoryTree::Node* node) {
    state_->tree.collapse(node);
    if (DirectoryTree::isWithin(state_->selected, node))
        state_->selected = node;
    rowsChanged();
}

void DirectoryOutline::expandAll(DirectoryTree::Node* node) {
    state_->tree.expandAll(node);
    rowsChanged();
}

} // namespace qf::platform
