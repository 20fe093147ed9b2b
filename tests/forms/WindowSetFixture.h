#pragma once

#include "support/Modal.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <memory>

namespace qf::platform {
class DirectoryOutline;
class FileListBox;
} // namespace qf::platform

namespace qf::test {

// A fresh window set per test, created with the test's temporary directory as the start-up
// directory; the set is torn down afterwards. Call startIn() after preparing files.
class WindowSetTest : public TempDirTest {
protected:
    void TearDown() override;

    // Makes root()/relative (or root() itself) current, then creates the window set there.
    void startIn(const std::string& relative = {});
    // Shows the splash, clicks through to the main window and waits until the start-up tick
    // has run, as a user's first click would.
    void enterMainWindow();
    // The main window up in root(), with the Data folder the start-up tick expects, listing
    // the files that match masks.
    void enterListing(const std::string& masks = "*.cs");

    static qf::platform::FileListBox* list();
    static qf::platform::DirectoryOutline* tree();
    // Clicks the file list's entry at row, on the Files page.
    static void clickEntry(int row);

private:
    std::unique_ptr<UnexpectedModals> unexpected_;
};

} // namespace qf::test
