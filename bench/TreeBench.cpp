// The directory tree's two costly moves on a prepared directory: "*" reading a whole subtree,
// and "+" opening one level of many subdirectories. Each run starts from a fresh tree that
// stands on the directory, as the window's tree does after browsing there; only the key and
// the painting of the result are timed.
#include "BenchMain.h"
#include "platform/DirectoryOutline.h"
#include "platform/host/Directory.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int runs = 9;

int timeKey(const qf::bench::Args& args, Qt::Key key) {
    if (args.size() != 1) {
        std::fprintf(stderr, "expected one directory\n");
        return 2;
    }
    qf::platform::setCurrentDirectory(args[0]);
    std::vector<std::unique_ptr<qf::platform::DirectoryOutline>> trees;
    for (int i = 0; i <= runs; ++i) {
        trees.push_back(std::make_unique<qf::platform::DirectoryOutline>());
        trees.back()->resize(221, 289);
    }
    std::size_t next = 0;
    const double ms = qf::bench::medianMs(runs, [&] {
        auto& tree = *trees[next++];
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&tree, &press);
        tree.viewport()->grab();
    });
    std::fprintf(stderr, "rows=%zu\n", trees.back()->rows().size());
    qf::bench::printMedian(ms);
    return 0;
}

const qf::bench::Registration tree{
    "tree", "DIR    '*' on DIR: every level below it",
    [](const qf::bench::Args& args) { return timeKey(args, Qt::Key_Asterisk); }};
const qf::bench::Registration treeExpand{
    "tree-expand", "DIR    '+' on DIR: one level",
    [](const qf::bench::Args& args) { return timeKey(args, Qt::Key_Plus); }};

} // namespace
