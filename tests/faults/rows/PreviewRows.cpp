// Files of every size and shape in the preview: all bytes shown, nothing written, no hang.
#include "faults/FaultTable.h"
#include "forms/Sdimain.h"
#include "platform/PreviewEdit.h"

#include <QAction>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace qf::test::faults {

namespace {

const std::string kTenMegabyteLine = std::string(10 * 1024 * 1024, 'x') + "// end";

// A gibibyte of script lines, and a last line of its own to find at the very end.
constexpr std::size_t kBlockSize = 1024 * 1024;
constexpr std::size_t kBlocks = 1024;
const std::string kLastLine = "exit(); // the last line";
constexpr std::uintmax_t kGigabyteFileSize = kBlockSize * kBlocks + 24;

std::string scriptBlock() {
    std::string block;
    for (int i = 0; block.size() < kBlockSize; ++i)
        block += "function f" + std::to_string(i) + "() { return " + std::to_string(i) +
                 "; } // comment\r\n";
    block.resize(kBlockSize - 2);
    return block + "\r\n";
}

// The most memory the process held at once while step ran, above what it held before.
std::size_t peakGrowthDuring(const std::function<void()>& step) {
    const auto statusField = [](const char* field) {
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind(field, 0) == 0)
                return std::stoul(line.substr(std::strlen(field))) * 1024;
        return 0ul;
    };
    std::ofstream("/proc/self/clear_refs") << "5"; // starts the peak anew
    const std::size_t before = statusField("VmRSS:");
    step();
    return statusField("VmHWM:") - before;
}

std::size_t gGigabytePreviewGrowth = 0;

// The address sanitizer keeps one byte of bookkeeping for every eight the program touches.
std::size_t sanitizerBookkeeping(std::size_t bytes) {
#if defined(__SANITIZE_ADDRESS__)
    return bytes / 8;
#else
    (void)bytes;
    return 0;
#endif
}

} // namespace

std::vector<FaultRow> previewRows() {
    return {
        {
            .name = "PreviewOfAFileWithNulBytes",
            .arrange =
                [](FaultTable& t) { t.writeFile("nul.cs", std::string("a\0b // c\0d\ne", 13)); },
            .masks = "*.cs",
            .act = [](FaultTable&) { preview("nul.cs"); },
            .listed = {"nul.cs"},
            .disk = {{"nul.cs", OnDisk::File, std::string("a\0b // c\0d\ne", 13)}},
            .sees =
                [](FaultTable&) {
                    const auto* p = pane();
                    EXPECT_EQ(p->text(0, p->textLength()),
                              std::string_view("a\0b // c\0d\r\ne", 14));
                    EXPECT_EQ(p->colourAt(3), QColor(Qt::black));
                    EXPECT_EQ(p->colourAt(4), kBlue);
                    EXPECT_EQ(p->colourAt(8), kBlue); // the NUL inside the comment
                    EXPECT_EQ(p->colourAt(13), QColor(Qt::black));
                },
        },
        {
            .name = "PreviewOfATenMegabyteLine",
            .arrange = [](FaultTable& t) { t.writeFile("long.cs", kTenMegabyteLine); },
            .masks = "*.cs",
            .act = [](FaultTable&) { preview("long.cs"); },
            .listed = {"long.cs"},
            .disk = {{"long.cs", OnDisk::File, kTenMegabyteLine}},
            .sees =
                [](FaultTable&) {
                    const auto* p = pane();
                    ASSERT_EQ(p->textLength(), kTenMegabyteLine.size());
                    EXPECT_EQ(p->text(p->textLength() - 6, p->textLength()), "// end");
                    EXPECT_EQ(p->colourAt(p->textLength() - 6), kBlue);
                    EXPECT_EQ(p->colourAt(p->textLength() - 7), QColor(Qt::black));
                },
        },
        {
            // A FIFO would block a reader until a writer came; the preview refuses it at once.
            .name = "PreviewOfAFifoPutInTheFilesPlace",
            .arrange = [](FaultTable& t) { t.writeFile("p.cs", "x"); },
            .masks = "*.cs",
            .act =
                [](FaultTable& t) {
                    select("p.cs");
                    ASSERT_EQ(::unlink(t.path("p.cs").c_str()), 0);
                    ASSERT_EQ(::mkfifo(t.path("p.cs").c_str(), 0644), 0);
                    SDIAppForm->Preview1->trigger();
                },
            .boxes = {"Cannot open file {root}/p.cs."},
            .listed = {"p.cs"},
            .disk = {{"p.cs", OnDisk::Fifo}},
            .sees = [](FaultTable&) { EXPECT_EQ(pane()->textLength(), 0u); },
        },
        {
            .name = "PreviewOfAnUnreadableFile",
            .arrange =
                [](FaultTable& t) {
                    t.writeFile("secret.cs", "// s");
                    ASSERT_EQ(::chmod(t.path("secret.cs").c_str(), 0), 0);
                },
            .masks = "*.cs",
            .act = [](FaultTable&) { preview("secret.cs"); },
            .boxes = {"Cannot open file {root}/secret.cs."},
            .listed = {"secret.cs"},
            .disk = {{"secret.cs", OnDisk::File, "// s"}},
            .sees = [](FaultTable&) { EXPECT_EQ(pane()->textLength(), 0u); },
            .unprivileged = true,
        },
        {
            .name = "PreviewOfAGigabyteFile",
            .arrange =
                [](FaultTable& t) {
                    struct statvfs disk {};
                    ASSERT_EQ(::statvfs(t.root().c_str(), &disk), 0);
                    if (std::uintmax_t(disk.f_bavail) * disk.f_frsize < 3 * kGigabyteFileSize)
                        GTEST_SKIP() << "less than 3 GiB free for the gibibyte file";
                    std::ofstream out(t.path("huge.cs"), std::ios::binary);
                    const std::string block = scriptBlock();
                    for (std::size_t i = 0; i < kBlocks; ++i)
                        out << block;
                    out << kLastLine;
                },
            .masks = "*.cs",
            .act =
                [](FaultTable&) {
                    gGigabytePreviewGrowth = peakGrowthDuring([] { preview("huge.cs"); });
                },
            .listed = {"huge.cs"},
            .disk = {{"huge.cs", OnDisk::LargeFile, {}, kGigabyteFileSize}},
            .sees =
                [](FaultTable&) {
                    const auto* p = pane();
                    ASSERT_EQ(p->textLength(), kGigabyteFileSize);
                    const std::size_t last = kGigabyteFileSize - kLastLine.size();
                    EXPECT_EQ(p->text(last, kGigabyteFileSize), kLastLine);
                    EXPECT_EQ(p->colourAt(last), QColor(Qt::black));
                    EXPECT_EQ(p->colourAt(last + kLastLine.find("//")), kBlue);
                    // The text once and one offset per line, with room for the pane's own needs:
                    // a second copy of the text anywhere would be a gigabyte more.
                    const std::string block = scriptBlock();
                    const std::size_t lines =
                        kBlocks * std::count(block.begin(), block.end(), '\n') + 1;
                    const std::size_t held = kGigabyteFileSize + lines * sizeof(std::size_t);
                    EXPECT_LE(gGigabytePreviewGrowth,
                              held + sanitizerBookkeeping(held) + (64u << 20))
                        << "lines: " << lines;
                },
        },
    };
}

} // namespace qf::test::faults
