#pragma once
// Bad input and faults, one row each, through the real window set: what the user sees (the
// message boxes, the list, the preview) and what is on disk afterwards. Nothing a user had may
// be lost, every failure is shown, and no row may hang.

#include "forms/WindowSetFixture.h"

#include <QColor>
#include <QMessageBox>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace qf::platform {
class PreviewEdit;
}

namespace qf::test::faults {

using Names = std::vector<std::string>;

inline const QColor kBlue(0, 0, 255);

// What a path is afterwards.
struct OnDisk {
    enum Kind { File, LargeFile, Directory, Fifo, Absent };
    std::string path; // relative to the test's directory
    Kind kind;
    std::string content = {}; // a file's bytes
    std::uintmax_t size = 0;  // a large file's size, where reading it back would cost too much
};

class FaultTable;

struct FaultRow {
    std::string name;
    // Files and folders in the test's directory (which holds a Data folder) before the
    // program starts there. May skip the row, saying why.
    std::function<void(FaultTable&)> arrange = [](FaultTable&) {};
    // The mask list set after start-up; empty keeps what the settings file gave.
    std::string masks = {};
    // The user's steps after start-up. Message boxes, start-up's included, are answered with
    // answer, a save dialog with typed.
    std::function<void(FaultTable&)> act = [](FaultTable&) {};
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    std::string typed = {};
    // The texts of the boxes that came up, byte for byte, "{root}" standing for the test's
    // directory.
    std::vector<std::string> boxes = {};
    Names listed = {};
    std::vector<OnDisk> disk = {};
    // What else the user sees, checked last.
    std::function<void(FaultTable&)> sees = {};
    // Permissions must bite: as root, the row runs under an ordinary user's identity.
    bool unprivileged = false;
};

inline void PrintTo(const FaultRow& row, std::ostream* os) {
    *os << row.name;
}

class FaultTable : public WindowSetTest, public ::testing::WithParamInterface<FaultRow> {
public:
    using TempDirTest::makeDir;
    using TempDirTest::path;
    using TempDirTest::readFile;
    using TempDirTest::root;
    using TempDirTest::writeFile;
    using WindowSetTest::clickEntry;
    using WindowSetTest::list;
    using WindowSetTest::tree;

    // Starts the program and runs the row's steps, answering every window that comes up.
    std::vector<std::string> runAnswering(const FaultRow& row);
    std::string withRoot(std::string text) const;
    void checkDisk(const std::vector<OnDisk>& disk);
};

// The user's steps the rows share.

// Clicks the list's entry of that name, which must be there.
void select(const std::string& name);
void renameTo(const std::string& typed);
void preview(const std::string& name);
// Walks the tree by keys from its directory: expands it and moves down until dir is selected.
void selectInTree(const std::string& dir);
qf::platform::PreviewEdit* pane();

// The rows, by what they try.
std::vector<FaultRow> fileCommandRows();
std::vector<FaultRow> settingsRows();
std::vector<FaultRow> previewRows();
std::vector<FaultRow> browsingRows();
std::vector<FaultRow> oddNameRows();

} // namespace qf::test::faults
