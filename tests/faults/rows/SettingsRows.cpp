// The mask settings file in every shape another program or a failing disk can leave it.
#include "faults/FaultTable.h"
#include "forms/FileMask.h"
#include "forms/Sdimain.h"
#include "support/FileSizeLimit.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace qf::test::faults {

namespace {

// Longer than a line edit holds by default (32767 characters).
const std::string kLongMaskLine = [] {
    std::string line = "*.cs";
    while (line.size() < 40000)
        line += ";*.x";
    return line + ";*.vol";
}();

const std::string kTenMegabyteMaskLine = [] {
    std::string line = "*.cs";
    while (line.size() < 10 * 1024 * 1024)
        line += ";*.x";
    return line + ";*.vol";
}();

void openMaskDialogAndType(const std::string& masks) {
    SDIAppForm->Quicksetfilemask1->trigger();
    ASSERT_TRUE(Form2->isVisible());
    Form2->Edit1->setText(QString::fromStdString(masks));
}

// The dialog stays up with the text the user typed, ready for another try.
void dialogKept(const std::string& typed) {
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_EQ(Form2->Edit1->text().toStdString(), typed);
}

const std::string kNewMasks = "*.vol;*.cs;*.txt;*.dat;*.bak;*.old;*.tmp;*.log";

} // namespace

std::vector<FaultRow> settingsRows() {
    return {
        {
            // The NUL is a byte of the first mask, which then matches no name.
            .name = "SettingsFileWithNulBytes",
            .arrange =
                [](FaultTable& t) {
                    t.writeFile("Data/QFOPT.dat", std::string("*.cs\0x;*.vol\r\n", 14));
                    t.writeFile("a.cs"), t.writeFile("b.vol");
                },
            .listed = {"b.vol"},
            .disk = {{"Data/QFOPT.dat", OnDisk::File, std::string("*.cs\0x;*.vol\r\n", 14)}},
        },
        {
            .name = "SettingsFileWithCtrlZ",
            .arrange =
                [](FaultTable& t) {
                    t.writeFile("Data/QFOPT.dat", "*.cs\x1a;*.vol\r\n");
                    t.writeFile("a.cs"), t.writeFile("b.vol");
                },
            .listed = {"a.cs"},
            .disk = {{"Data/QFOPT.dat", OnDisk::File, "*.cs\x1a;*.vol\r\n"}},
        },
        {
            // Neither read nor replaced: the start-up says why and the list keeps its design masks.
            .name = "SettingsFileIsADirectory",
            .arrange =
                [](FaultTable& t) {
                    t.makeDir("Data/QFOPT.dat");
                    t.writeFile("a.cs"), t.writeFile("b.txt"), t.writeFile("c.dat");
                },
            .boxes = {"File access denied."},
            .listed = {"a.cs", "b.txt"},
            .disk = {{"Data/QFOPT.dat", OnDisk::Directory}},
        },
        {
            // Read without waiting for a writer: it holds no text, so no mask and no file listed.
            .name = "SettingsFileIsAFifo",
            .arrange =
                [](FaultTable& t) {
                    ASSERT_EQ(::mkfifo(t.path("Data/QFOPT.dat").c_str(), 0644), 0);
                    t.writeFile("a.cs");
                },
            .listed = {},
            .disk = {{"Data/QFOPT.dat", OnDisk::Fifo}},
        },
        {
            // Confirming the dialog unchanged must store the whole line, however long.
            .name = "MaskDialogOkOnAVeryLongSettingsLine",
            .arrange =
                [](FaultTable& t) {
                    t.writeFile("Data/QFOPT.dat", kLongMaskLine + "\r\n");
                    t.writeFile("a.cs"), t.writeFile("b.vol");
                },
            .act =
                [](FaultTable&) {
                    SDIAppForm->Quicksetfilemask1->trigger();
                    QTest::mouseClick(Form2->Button1, Qt::LeftButton);
                },
            .listed = {"a.cs", "b.vol"},
            .disk = {{"Data/QFOPT.dat", OnDisk::File, kLongMaskLine + "\r\n"}},
        },
        {
            .name = "SettingsFileUnreadable",
            .arrange =
                [](FaultTable& t) {
                    t.writeFile("Data/QFOPT.dat", "*.vol\r\n");
                    ASSERT_EQ(::chmod(t.path("Data/QFOPT.dat").c_str(), 0), 0);
                },
            // Once at the dialog's creation, once at the start-up tick.
            .boxes = {"File access denied.", "File access denied."},
            .disk = {{"Data/QFOPT.dat", OnDisk::File, "*.vol\r\n"}},
            .unprivileged = true,
        },
        {
            .name = "SettingsFileOfTenMegabytesOnOneLine",
            .arrange =
                [](FaultTable& t) {
                    t.writeFile("Data/QFOPT.dat", kTenMegabyteMaskLine + "\r\n");
                    t.writeFile("a.cs"), t.writeFile("b.vol"), t.writeFile("c.txt");
                },
            .listed = {"a.cs", "b.vol"},
            .disk = {{"Data/QFOPT.dat", OnDisk::File, kTenMegabyteMaskLine + "\r\n"}},
            .sees =
                [](FaultTable&) {
                    EXPECT_EQ(Form2->Edit1->text().size(), qsizetype(kTenMegabyteMaskLine.size()));
                },
        },
        {
            .name = "MaskDialogOkOnAReadOnlySettingsFile",
            .arrange =
                [](FaultTable& t) {
                    t.writeFile("Data/QFOPT.dat", "*.cs\r\n");
                    ASSERT_EQ(::chmod(t.path("Data/QFOPT.dat").c_str(), 0444), 0);
                    t.writeFile("a.cs"), t.writeFile("b.vol");
                },
            .act =
                [](FaultTable&) {
                    openMaskDialogAndType("*.vol");
                    QTest::mouseClick(Form2->Button1, Qt::LeftButton);
                },
            .boxes = {"File access denied."},
            .listed = {"a.cs"},
            .disk = {{"Data/QFOPT.dat", OnDisk::File, "*.cs\r\n"}},
            .sees = [](FaultTable&) { dialogKept("*.vol"); },
            .unprivileged = true,
        },
        {
            // The disk takes part of the new line and refuses the rest, as a full one does: the
            // old line must survive (an emptied file used to lose it).
            .name = "MaskDialogOkWhenTheDiskRefusesPartOfTheLine",
            .arrange =
                [](FaultTable& t) {
                    t.writeFile("Data/QFOPT.dat", "*.cs\r\n");
                    t.writeFile("a.cs"), t.writeFile("b.vol");
                },
            .act =
                [](FaultTable&) {
                    openMaskDialogAndType(kNewMasks);
                    const FileSizeLimit limit(16);
                    QTest::mouseClick(Form2->Button1, Qt::LeftButton);
                },
            .boxes = {"I/O error 27."},
            .listed = {"a.cs"},
            .disk = {{"Data/QFOPT.dat", OnDisk::File, "*.cs\r\n"}},
            .sees = [](FaultTable&) { dialogKept(kNewMasks); },
        },
    };
}

} // namespace qf::test::faults
