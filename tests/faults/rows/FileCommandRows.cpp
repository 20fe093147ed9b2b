// Commands that change the disk, where a failure or a taken name must not cost the user a file.
#include "faults/FaultTable.h"
#include "forms/Sdimain.h"
#include "forms/createdir.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <sys/stat.h>
#include <unistd.h>

namespace qf::test::faults {

std::vector<FaultRow> fileCommandRows() {
    return {
        {
            .name = "RenameOntoAnExistingFile",
            .arrange = [](FaultTable& t) { t.writeFile("a.cs", "A"), t.writeFile("b.cs", "B"); },
            .masks = "*.cs",
            .act = [](FaultTable&) { select("a.cs"), renameTo("b.cs"); },
            .listed = {"a.cs", "b.cs"},
            .disk = {{"a.cs", OnDisk::File, "A"}, {"b.cs", OnDisk::File, "B"}},
        },
        {
            .name = "RenameOntoAnExistingDirectory",
            .arrange =
                [](FaultTable& t) { t.writeFile("a.cs", "A"), t.writeFile("sub/in.cs", "I"); },
            .masks = "*.cs",
            .act = [](FaultTable&) { select("a.cs"), renameTo("sub"); },
            .listed = {"a.cs"},
            .disk = {{"a.cs", OnDisk::File, "A"},
                     {"sub", OnDisk::Directory},
                     {"sub/in.cs", OnDisk::File, "I"}},
        },
        {
            .name = "DeleteOfASymbolicLink",
            .arrange =
                [](FaultTable& t) {
                    t.writeFile("target/t.cs", "keep");
                    ASSERT_EQ(::symlink("target/t.cs", t.path("link.cs").c_str()), 0);
                },
            .masks = "*.cs",
            .act = [](FaultTable&) { select("link.cs"), SDIAppForm->Delete1->trigger(); },
            .answer = QMessageBox::Yes,
            .boxes = {"Are you sure that you want to delete this file?\r\r{root}/link.cs"},
            .listed = {},
            .disk = {{"link.cs", OnDisk::Absent}, {"target/t.cs", OnDisk::File, "keep"}},
        },
        {
            .name = "NewOverAReadOnlyFile",
            .arrange =
                [](FaultTable& t) {
                    t.writeFile("locked.cs", "keep");
                    ASSERT_EQ(::chmod(t.path("locked.cs").c_str(), 0444), 0);
                },
            .masks = "*.cs",
            .act = [](FaultTable&) { SDIAppForm->FileNew1->trigger(); },
            .typed = "locked.cs",
            .boxes = {"File access denied."},
            .listed = {"locked.cs"},
            .disk = {{"locked.cs", OnDisk::File, "keep"}},
            .unprivileged = true,
        },
        {
            .name = "CreateDirectoryOverAnExistingFile",
            .arrange = [](FaultTable& t) { t.writeFile("taken", "keep"); },
            .act =
                [](FaultTable&) {
                    SDIAppForm->CreateDirectory1->trigger();
                    CreateDirect->Edit1->setText("taken");
                    QTest::mouseClick(CreateDirect->SpeedButton1, Qt::LeftButton);
                },
            .boxes = {"I/O error 183."},
            .disk = {{"taken", OnDisk::File, "keep"}},
        },
    };
}

} // namespace qf::test::faults
