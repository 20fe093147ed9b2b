#pragma once

#include "support/Modal.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <memory>

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

private:
    std::unique_ptr<UnexpectedModals> unexpected_;
};

} // namespace qf::test
