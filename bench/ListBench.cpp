// quillfen-bench list DIR MASKS: a re-read of the file list up to its first painted rows.
// quillfen-bench list-scroll DIR MASKS: from the top of the read list to its painted end.
#include "BenchMain.h"
#include "platform/FileListBox.h"
#include "platform/host/Directory.h"
#include "platform/host/IoError.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

enum class Case { Reread, ScrollToEnd };

int runList(const qf::bench::Args& args, Case measured) {
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: quillfen-bench list|list-scroll DIR MASKS\n");
        return 2;
    }
    try {
        qf::platform::setCurrentDirectory(args[0]);
        qf::platform::FileListBox list;
        list.setMask(args[1]);
        list.resize(221, 309);
        list.show();
        QCoreApplication::processEvents();
        const auto reread = [&] {
            list.rereadList();
            QCoreApplication::processEvents(); // the view lays out the new rows
            list.viewport()->repaint();
        };
        const auto scrollToEnd = [&] {
            list.scrollToTop();
            list.viewport()->repaint();
            QCoreApplication::processEvents();
            list.scrollToBottom();
            list.viewport()->repaint();
        };
        const double ms = measured == Case::Reread
                              ? qf::bench::medianMs(9, reread)
                              : (reread(), qf::bench::medianMs(9, scrollToEnd));
        std::printf("entries=%zu\n", list.entries().size());
        qf::bench::printMedian(ms);
    } catch (const qf::platform::IoError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

const qf::bench::Registration reread{
    "list", "DIR MASKS", [](const qf::bench::Args& args) { return runList(args, Case::Reread); }};
const qf::bench::Registration scroll{"list-scroll", "DIR MASKS", [](const qf::bench::Args& args) {
                                         return runList(args, Case::ScrollToEnd);
                                     }};

} // namespace
