// Names a shell or a careless conversion would mangle: each reaches the list, the preview, the
// editor, Rename and Delete byte for byte.
#include "faults/FaultTable.h"
#include "forms/Sdimain.h"
#include "platform/PreviewEdit.h"
#include "support/FakeEditor.h"

#include <QAction>
#include <QTest>
#include <QToolButton>

namespace qf::test::faults {

namespace {

struct OddName {
    const char* label;
    std::string name;
};

const std::string kContent = "x = 1; // c\r\n";

std::vector<FaultRow> rowsFor(const OddName& odd) {
    const std::string name = odd.name;
    const std::string renamed = "renamed " + name;
    const std::string label = std::string("NameWith") + odd.label;
    const auto arrange = [name](FaultTable& t) {
        t.writeFile(name, kContent);
        writeRecordingProgram(t.path("durirudo"), t.path("record"));
    };
    return {
        {
            .name = label + "PreviewedAndEdited",
            .arrange = arrange,
            .masks = "*.cs",
            .act =
                [name](FaultTable&) {
                    preview(name);
                    QTest::mouseClick(SDIAppForm->Edit43, Qt::LeftButton);
                },
            .listed = {name},
            .disk = {{name, OnDisk::File, kContent}},
            .sees =
                [name](FaultTable& t) {
                    EXPECT_EQ(pane()->text(0, pane()->textLength()), kContent);
                    EXPECT_EQ(pane()->colourAt(kContent.find("//")), kBlue);
                    const auto record = waitForRecord(t.path("record"));
                    ASSERT_TRUE(record);
                    EXPECT_EQ(record->arguments, Names{t.path(name)});
                },
        },
        {
            .name = label + "Renamed",
            .arrange = arrange,
            .masks = "*.cs",
            .act =
                [name, renamed](FaultTable&) {
                    select(name);
                    renameTo(renamed);
                },
            .listed = {renamed},
            .disk = {{name, OnDisk::Absent}, {renamed, OnDisk::File, kContent}},
        },
        {
            .name = label + "Deleted",
            .arrange = arrange,
            .masks = "*.cs",
            .act =
                [name](FaultTable&) {
                    select(name);
                    SDIAppForm->Delete1->trigger();
                },
            .answer = QMessageBox::Yes,
            .boxes = {"Are you sure that you want to delete this file?\r\r{root}/" + name},
            .listed = {},
            .disk = {{name, OnDisk::Absent}},
        },
    };
}

} // namespace

std::vector<FaultRow> oddNameRows() {
    const std::vector<OddName> names = {
        {"Spaces", "my first mission.cs"},
        {"Quotes", "a \"quoted\" 'name'.cs"},
        {"ANewline", "two\nlines.cs"},
        {"ALeadingDash", "-rf.cs"},
        {"BytesThatAreNotUtf8", "\xe9t\xe9 \xff.cs"},
    };
    std::vector<FaultRow> rows;
    for (const OddName& odd : names) {
        std::vector<FaultRow> more = rowsFor(odd);
        rows.insert(rows.end(), more.begin(), more.end());
    }
    return rows;
}

} // namespace qf::test::faults
