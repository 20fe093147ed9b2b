#include "platform/PreviewEdit.h"

#include "platform/Fonts.h"
#include "platform/PreviewColumns.h"
#include "platform/PreviewGlyphs.h"
#include "platform/host/PreviewText.h"
#include "platform/host/Windows1252.h"

#include <QClipboard>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <optional>
#include <unordered_map>

namespace qf::platform {

namespace {

QFont previewFont() {
    QFont font = pixelFont(QStringLiteral("Times New Roman"), 13);
    font.setStyleHint(QFont::Serif);
    // Characters stand where the advance table puts them; kerning would move them.
    font.setKerning(false);
    return font;
}

// Up to this size the widths of all lines are measured when a file is loaded, so the sideways
// scroll range is exact; beyond it that would cost more than reading the file.
constexpr std::size_t kMeasureAllLimit = 1024 * 1024;
// The stretch of text whose mean advance stands for the unmeasured lines of a big file.
constexpr std::size_t kSampleLength = 64 * 1024;
// Past this many remembered lines the tail cache starts again: a scroll through a file of
// millions of lines must not keep an entry for each.
constexpr std::size_t kTailCacheLimit = 1 << 16;
constexpr std::size_t npos = std::string_view::npos;

} // namespace

struct PreviewEdit::State {
    State() : glyphs(previewFont()), columns(glyphs) {}

    PreviewText text;
    PreviewGlyphs glyphs;
    PreviewColumns columns;
    LineTailRule rule;
    QColor tailColour;
    std::unordered_map<std::size_t, std::size_t> tailStarts;
    std::size_t anchor = 0;
    std::size_t caret = 0;
    // The x that up and down keep while they pass shorter lines.
    std::optional<std::int64_t> goalX;
    // The widest line known, and for big files a guess at the widest of the rest.
    std::int64_t widestMeasured = 0;
    std::int64_t widestGuess = 0;

    std::size_t caretLine() const { return text.lineOf(caret); }
    std::int64_t xOfPosition(std::size_t pos) {
        const std::size_t line = text.lineOf(pos);
        return columns.xOf(line, text.line(line), pos - text.lineStart(line));
    }
};

PreviewEdit::PreviewEdit(QWidget* parent)
    : QAbstractScrollArea(parent), state_(std::make_unique<State>()) {
    setFont(previewFont());
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAutoFillBackground(true);
    QPalette colours = viewport()->palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    viewport()->setPalette(colours);
    viewport()->setBackgroundRole(QPalette::Base);
    updateScrollBars();
}

PreviewEdit::~PreviewEdit() = default;

void PreviewEdit::clear() {
    state_->text = PreviewText();
    reset();
}

void PreviewEdit::loadFromFile(const std::string& path) {
    PreviewText loaded = PreviewText::load(path);
    state_->text = std::move(loaded);
    reset();
}

// A new content starts black, unselected and scrolled to its start.
void PreviewEdit::reset() {
    State& s = *state_;
    s.rule = {};
    s.tailStarts.clear();
    s.columns.clear();
    s.anchor = s.caret = 0;
    s.goalX.reset();
    s.widestMeasured = s.widestGuess = 0;
    if (s.text.size() <= kMeasureAllLimit) {
        for (std::size_t line = 0; line < s.text.lineCount(); ++line)
            s.widestMeasured = std::max(
                s.widestMeasured, s.columns.xOf(line, s.text.line(line), s.text.line(line).size()));
    } else {
        std::int64_t sampleWidth = 0;
        std::size_t sampleLength = 0;
        for (unsigned char byte : s.text.text().substr(0, kSampleLength)) {
            if (byte != '\r' && byte != '\n') {
                sampleWidth += s.glyphs.advance(byte);
                ++sampleLength;
            }
        }
        if (sampleLength > 0)
            s.widestGuess = static_cast<std::int64_t>(s.text.longestLineLength()) *
                            (sampleWidth / static_cast<std::int64_t>(sampleLength));
    }
    updateScrollBars();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

void PreviewEdit::colourLineTails(LineTailRule rule, QColor colour) {
    state_->rule = std::move(rule);
    state_->tailColour = colour;
    state_->tailStarts.clear();
    viewport()->update();
}

void PreviewEdit::select(std::size_t anchor, std::size_t caret) {
    const std::size_t n = state_->text.size();
    state_->anchor = std::min(anchor, n);
    state_->caret = std::min(caret, n);
    state_->goalX.reset();
    ensureCaretVisible();
    viewport()->update();
}

std::size_t PreviewEdit::textLength() const {
    return state_->text.size();
}

std::string_view PreviewEdit::text(std::size_t begin, std::size_t end) const {
    const std::string_view all = state_->text.text();
    begin = std::min(begin, all.size());
    return all.substr(begin, std::min(end, all.size()) - std::min(begin, end));
}

std::size_t PreviewEdit::tailStart(std::size_t line) const {
    State& s = *state_;
    if (!s.rule)
        return npos;
    if (const auto known = s.tailStarts.find(line); known != s.tailStarts.end())
        return known->second;
    if (s.tailStarts.size() >= kTailCacheLimit)
        s.tailStarts.clear();
    return s.tailStarts[line] = s.rule(s.text.line(line));
}

QColor PreviewEdit::colourAt(std::size_t pos) const {
    const State& s = *state_;
    if (pos < s.text.size()) {
        const std::size_t line = s.text.lineOf(pos);
        const std::size_t tail = tailStart(line);
        // The tail runs up to the line feed, so the CR before it is coloured and the LF is not.
        if (tail != npos && pos >= s.text.lineStart(line) + tail && pos <= s.text.lineEnd(line))
            return s.tailColour;
    }
    return Qt::black;
}

std::size_t PreviewEdit::caretPosition() const {
    return state_->caret;
}

std::pair<std::size_t, std::size_t> PreviewEdit::selectionRange() const {
    return std::minmax(state_->anchor, state_->caret);
}

bool PreviewEdit::hasSelection() const {
    return state_->anchor != state_->caret;
}

void PreviewEdit::copySelection() {
    if (!hasSelection())
        return;
    const auto [begin, end] = selectionRange();
    QString copied;
    copied.reserve(static_cast<qsizetype>(end - begin));
    for (unsigned char byte : text(begin, end))
        copied.append(QChar(decodeWindows1252(byte)));
    QGuiApplication::clipboard()->setText(copied);
}

// The pane is read-only: cutting and pasting leave its text as it is.
void PreviewEdit::cutSelection() {}
void PreviewEdit::pasteClipboard() {}

void PreviewEdit::updateScrollBars() {
    const State& s = *state_;
    const int lineHeight = s.glyphs.lineHeight();
    const int rows = std::max(1, viewport()->height() / lineHeight);
    const auto lines = static_cast<qint64>(s.text.lineCount());
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, static_cast<int>(std::clamp<qint64>(lines - rows, 0, INT_MAX)));
    vertical->setPageStep(rows);
    vertical->setSingleStep(1);
    vertical->setEnabled(vertical->maximum() > 0);

    // One pixel more than the widest line leaves room for the caret after its last character.
    const std::int64_t widest = std::max(s.widestMeasured, s.widestGuess) / kSubpixels + 2;
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(
        0, static_cast<int>(std::clamp<std::int64_t>(widest - viewport()->width(), 0, INT_MAX)));
    horizontal->setPageStep(std::max(1, viewport()->width()));
    horizontal->setSingleStep(16);
    horizontal->setEnabled(horizontal->maximum() > 0);
}

void PreviewEdit::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void PreviewEdit::scrollContentsBy(int, int) {
    viewport()->update();
}

void PreviewEdit::paintEvent(QPaintEvent*) {
    State& s = *state_;
    QPainter painter(viewport());
    const int lineHeight = s.glyphs.lineHeight();
    const std::int64_t left = std::int64_t{horizontalScrollBar()->value()} * kSubpixels;
    const std::int64_t right = left + std::int64_t{viewport()->width()} * kSubpixels;
    // Scrolled fully right, lines are measured to their ends so a guessed range can grow.
    const bool atRightEdge = horizontalScrollBar()->value() >= horizontalScrollBar()->maximum();
    const auto [selBegin, selEnd] = selectionRange();
    const QColor selectedText = palette().color(QPalette::HighlightedText);
    const std::int64_t widestBefore = s.widestMeasured;

    // One run per colour: black text, coloured tails and selected text.
    enum Kind { Plain, Tail, Selected, Kinds };
    QList<quint32> glyphs[Kinds];
    QList<QPointF> positions[Kinds];
    const std::size_t first = static_cast<std::size_t>(verticalScrollBar()->value());
    for (int row = 0; row * lineHeight < viewport()->height(); ++row) {
        const std::size_t line = first + static_cast<std::size_t>(row);
        if (line >= s.text.lineCount())
            break;
        const std::string_view text = s.text.line(line);
        const std::size_t start = s.text.lineStart(line);
        const std::size_t tail = tailStart(line);
        const int top = row * lineHeight;
        const qreal baseline = top + s.glyphs.ascent();
        PreviewColumns::Cell cell = s.columns.seek(line, text, left);
        std::optional<std::int64_t> highlightFrom;
        std::int64_t highlightTo = 0;
        for (; cell.column < text.size() && cell.x < right; ++cell.column) {
            const auto byte = static_cast<unsigned char>(text[cell.column]);
            const std::int64_t next = s.glyphs.next(cell.x, byte);
            const std::size_t pos = start + cell.column;
            const bool selected = pos >= selBegin && pos < selEnd;
            if (selected) {
                if (!highlightFrom)
                    highlightFrom = cell.x;
                highlightTo = next;
            }
            if (byte != '\t') {
                const Kind kind = selected                              ? Selected
                                  : tail != npos && cell.column >= tail ? Tail
                                                                        : Plain;
                glyphs[kind].append(s.glyphs.glyph(byte));
                positions[kind].append(
                    QPointF(static_cast<qreal>(cell.x - left) / kSubpixels, baseline));
            }
            cell.x = next;
        }
        if (cell.column >= text.size())
            s.widestMeasured = std::max(s.widestMeasured, cell.x);
        else if (atRightEdge)
            s.widestMeasured = std::max(s.widestMeasured, s.columns.xOf(line, text, text.size()));
        if (highlightFrom) {
            const auto x0 = static_cast<qreal>(*highlightFrom - left) / kSubpixels;
            const auto x1 = static_cast<qreal>(highlightTo - left) / kSubpixels;
            painter.fillRect(QRectF(x0, top, x1 - x0, lineHeight), palette().highlight());
        }
        if (hasFocus() && s.caretLine() == line) {
            const auto x = static_cast<qreal>(s.xOfPosition(s.caret) - left) / kSubpixels;
            painter.fillRect(QRectF(x, top, 1, lineHeight), Qt::black);
        }
    }
    const QColor colours[Kinds] = {Qt::black, s.tailColour, selectedText};
    for (int kind = 0; kind < Kinds; ++kind) {
        if (glyphs[kind].isEmpty())
            continue;
        QGlyphRun run;
        run.setRawFont(s.glyphs.rawFont());
        run.setGlyphIndexes(glyphs[kind]);
        run.setPositions(positions[kind]);
        painter.setPen(colours[kind]);
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
    if (s.widestMeasured > widestBefore && s.widestMeasured > s.widestGuess)
        QMetaObject::invokeMethod(
            this, [this] { updateScrollBars(); }, Qt::QueuedConnection);
}

void PreviewEdit::ensureCaretVisible() {
    State& s = *state_;
    const auto line = static_cast<int>(s.caretLine());
    QScrollBar* vertical = verticalScrollBar();
    const int rows = std::max(1, viewport()->height() / s.glyphs.lineHeight());
    if (line < vertical->value())
        vertical->setValue(line);
    else if (line >= vertical->value() + rows)
        vertical->setValue(line - rows + 1);

    const std::int64_t x = s.xOfPosition(s.caret);
    if (x > s.widestMeasured && x > s.widestGuess) {
        s.widestMeasured = x;
        updateScrollBars();
    }
    const auto px = static_cast<int>(x / kSubpixels);
    QScrollBar* horizontal = horizontalScrollBar();
    const int width = viewport()->width();
    if (px < horizontal->value())
        horizontal->setValue(std::max(0, px - width / 4));
    else if (px >= horizontal->value() + width - 1)
        horizontal->setValue(px - width + width / 4);
}

void PreviewEdit::moveCaret(std::size_t pos, bool extend) {
    state_->caret = std::min(pos, state_->text.size());
    if (!extend)
        state_->anchor = state_->caret;
    ensureCaretVisible();
    viewport()->update();
}

std::size_t PreviewEdit::positionAt(QPoint point) const {
    State& s = *state_;
    const qint64 row = point.y() < 0 ? -1 : point.y() / s.glyphs.lineHeight();
    const qint64 wanted = verticalScrollBar()->value() + row;
    const auto line = static_cast<std::size_t>(
        std::clamp<qint64>(wanted, 0, static_cast<qint64>(s.text.lineCount()) - 1));
    const std::int64_t x = (std::int64_t{horizontalScrollBar()->value()} + point.x()) * kSubpixels;
    return s.text.lineStart(line) + s.columns.nearest(line, s.text.line(line), x);
}

void PreviewEdit::keyPressEvent(QKeyEvent* event) {
    State& s = *state_;
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const bool control = event->modifiers() & Qt::ControlModifier;
    const std::size_t line = s.caretLine();
    const std::size_t lineStart = s.text.lineStart(line);
    const auto rows =
        static_cast<std::size_t>(std::max(1, viewport()->height() / s.glyphs.lineHeight()));
    // Up and down aim at the x the caret had when vertical movement began.
    const auto toLine = [&](std::size_t target) {
        if (!s.goalX)
            s.goalX = s.xOfPosition(s.caret);
        const std::int64_t goal = *s.goalX;
        moveCaret(s.text.lineStart(target) + s.columns.nearest(target, s.text.line(target), goal),
                  extend);
        s.goalX = goal;
    };
    const std::size_t lastLine = s.text.lineCount() - 1;
    if (event->matches(QKeySequence::SelectAll)) {
        s.anchor = 0;
        moveCaret(s.text.size(), true);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        s.goalX.reset();
        // A line break is one step: the caret never stands between its CR and LF.
        if (s.caret == lineStart && line > 0)
            moveCaret(s.text.lineEnd(line - 1), extend);
        else if (s.caret > 0)
            moveCaret(s.caret - 1, extend);
        break;
    case Qt::Key_Right:
        s.goalX.reset();
        if (s.caret == s.text.lineEnd(line) && line < lastLine)
            moveCaret(s.text.lineStart(line + 1), extend);
        else
            moveCaret(s.caret + 1, extend);
        break;
    case Qt::Key_Up:
        toLine(line > 0 ? line - 1 : 0);
        break;
    case Qt::Key_Down:
        toLine(std::min(line + 1, lastLine));
        break;
    case Qt::Key_PageUp:
        toLine(line > rows ? line - rows : 0);
        break;
    case Qt::Key_PageDown:
        toLine(std::min(line + rows, lastLine));
        break;
    case Qt::Key_Home:
        s.goalX.reset();
        moveCaret(control ? 0 : lineStart, extend);
        break;
    case Qt::Key_End:
        s.goalX.reset();
        moveCaret(control ? s.text.size() : s.text.lineEnd(line), extend);
        break;
    default:
        // Everything else, the clipboard keys included, belongs to the window's shortcuts.
        event->ignore();
    }
}

void PreviewEdit::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    state_->goalX.reset();
    moveCaret(positionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void PreviewEdit::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) {
        event->ignore();
        return;
    }
    moveCaret(positionAt(event->position().toPoint()), true);
}

void PreviewEdit::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void PreviewEdit::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

} // namespace qf::platform
