// quillfen-bench list DIR MASKS: a re-read of the file list up to its first painted rows.
#include "BenchMain.h"
#include "platform/FileListBox.h"
#include "platform/host/Directory.h"
#include "platform/host/IoError.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

int runList(const qf::bench::Args& args) {
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: quillfen-bench list DIR MASKS\n");
        return 2;
    }
    try {
        qf::platform::setCurrentDirectory(args[0]);
        qf::platform::FileListBox list;
        list.setMask(args[1]);
        list.resize(221, 309);
        list.show();
        QCoreApplication::processEvents();
        const double ms = qf::bench::medianMs(9, [&] {
            list.rereadList();
            QCoreApplication::processEvents(); // the view lays out the new rows
            list.viewport()->repaint();
        });
        std::printf("entries=%zu\n", list.entries().size());
        qf::bench::printMedian(ms);
    } catch (const qf::platform::IoError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

const qf::bench::Registration registration{"list", "DIR MASKS", runList};

} // namespace
