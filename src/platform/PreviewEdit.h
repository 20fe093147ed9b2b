#pragma once

#include "platform/EditControl.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace qf::platform {

// Read-only text view that shows a file's bytes one character per byte, with comment stretches
// coloured. It keeps the bytes and a line index and draws only the visible lines.
class PreviewEdit : public QAbstractScrollArea, public EditControl {
    Q_OBJECT
public:
    // Where the coloured tail of a line (its characters without the line break) begins, or
    // npos when the line has none.
    using LineTailRule = std::function<std::size_t(std::string_view line)>;

    explicit PreviewEdit(QWidget* parent = nullptr);
    ~PreviewEdit() override;

    void clear();
    // Replaces the content with the file's text (line breaks as CR LF), all black, the caret at
    // the start. Raises std::runtime_error("Cannot open file <path>") and leaves the view as it
    // was on failure.
    void loadFromFile(const std::string& path);
    // Shows the tail of every line that rule finds, up to its line feed, in colour; the rule
    // is asked only about the lines that are drawn or queried.
    void colourLineTails(LineTailRule rule, QColor colour);
    // Puts the anchor of the selection at anchor and the caret at caret (both clamped to the
    // text) and scrolls the caret into view; equal positions select nothing.
    void select(std::size_t anchor, std::size_t caret);

    std::size_t textLength() const;
    std::string_view text(std::size_t begin, std::size_t end) const;
    QColor colourAt(std::size_t pos) const;
    std::size_t caretPosition() const;
    // The selected stretch [first, second), in text order.
    std::pair<std::size_t, std::size_t> selectionRange() const;

    bool hasSelection() const override;
    void copySelection() override;
    void cutSelection() override;
    void pasteClipboard() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    struct State;
    std::unique_ptr<State> state_;

    void reset();
    void updateScrollBars();
    void ensureCaretVisible();
    void moveCaret(std::size_t pos, bool extend);
    std::size_t positionAt(QPoint point) const;
    std::size_t tailStart(std::size_t line) const;
};

} // namespace qf::platform
