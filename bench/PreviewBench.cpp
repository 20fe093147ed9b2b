// quillfen-bench preview [--baseline | --floor] FILE
// The Preview command on FILE from the start of its handler to the first painted screen, beside
// the same file shown and coloured by QPlainTextEdit and beside a bare read with a line index.
#include "BenchMain.h"
#include "forms/PreviewCommand.h"
#include "platform/PreviewEdit.h"
#include "preview/CommentScan.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QSyntaxHighlighter>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// A figure from /proc/self/status in kB: "VmRSS" or "VmHWM".
long statusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::strtol(line.c_str() + key.size(), nullptr, 10);
    return 0;
}

// Shows the window and lets the platform put it on screen before anything is measured.
void showExposed(QWidget& window) {
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QApplication::processEvents();
}

int runs(const std::string& file) {
    struct stat st {};
    ::stat(file.c_str(), &st);
    if (st.st_size > 256 * 1024 * 1024)
        return 3;
    return st.st_size > 16 * 1024 * 1024 ? 7 : 15;
}

// The real command's steps on a pane of the main window's design size, up to its first paint.
double previewCommand(const std::string& file) {
    qf::platform::PreviewEdit pane;
    pane.resize(336, 345);
    showExposed(pane);
    return qf::bench::medianMs(runs(file), [&] {
        qf::forms::previewFile(pane, file);
        pane.viewport()->repaint();
    });
}

class CommentHighlighter : public QSyntaxHighlighter {
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

protected:
    void highlightBlock(const QString& text) override {
        const QByteArray bytes = text.toLatin1();
        const std::size_t start =
            qf::preview::commentStart({bytes.constData(), static_cast<std::size_t>(bytes.size())});
        if (start != std::string_view::npos)
            setFormat(static_cast<int>(start), text.size() - static_cast<int>(start),
                      QColor(0, 0, 255));
    }
};

// What Qt's own text view needs for the same screen: the file decoded, set, coloured, painted.
double plainTextEdit(const std::string& file) {
    QPlainTextEdit edit;
    edit.setReadOnly(true);
    edit.setLineWrapMode(QPlainTextEdit::NoWrap);
    edit.resize(336, 345);
    showExposed(edit);
    return qf::bench::medianMs(runs(file), [&] {
        QFile in(QString::fromLocal8Bit(file.c_str()));
        in.open(QIODevice::ReadOnly);
        edit.clear();
        edit.setPlainText(QString::fromLatin1(in.readAll()));
        CommentHighlighter highlighter(edit.document());
        edit.viewport()->repaint();
    });
}

volatile std::size_t lineCount = 0;

// The least any preview must do: a fresh buffer, the read, and the start of every line.
double bareRead(const std::string& file) {
    return qf::bench::medianMs(runs(file), [&] {
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat st {};
        ::fstat(fd, &st);
        const auto size = static_cast<std::size_t>(st.st_size);
        std::unique_ptr<char, decltype(&std::free)> bytes(static_cast<char*>(std::malloc(size + 1)),
                                                          &std::free);
        std::size_t got = 0;
        while (got < size) {
            const ssize_t n = ::read(fd, bytes.get() + got, size - got);
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        ::close(fd);
        std::vector<std::size_t> lineStarts{0};
        for (const char* p = bytes.get();
             const void* lf = std::memchr(p, '\n', bytes.get() + got - p);
             p = static_cast<const char*>(lf) + 1)
            lineStarts.push_back(
                static_cast<std::size_t>(static_cast<const char*>(lf) + 1 - bytes.get()));
        // Kept observable so that the index is not optimised away.
        lineCount = lineStarts.size();
    });
}

int run(const qf::bench::Args& args) {
    if (args.empty())
        return 2;
    const std::string mode = args.size() > 1 ? args[0] : "";
    const std::string file = args.back();
    const long before = statusKb("VmRSS");
    double ms = -1;
    if (mode == "--baseline")
        ms = plainTextEdit(file);
    else if (mode == "--floor")
        ms = bareRead(file);
    else if (mode.empty())
        ms = previewCommand(file);
    if (ms < 0)
        return 1;
    std::printf("added_rss_mb=%.1f\n", static_cast<double>(statusKb("VmHWM") - before) / 1024.0);
    qf::bench::printMedian(ms);
    return 0;
}

const qf::bench::Registration registration{"preview", "[--baseline | --floor] FILE", run};

} // namespace
