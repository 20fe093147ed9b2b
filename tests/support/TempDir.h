#pragma once

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

namespace qf::test {

// A fresh directory per test; the process's current directory is put back afterwards.
class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Absolute path of the temporary directory, without a trailing '/'.
    const std::string& root() const { return root_; }
    std::string path(const std::string& relative) const { return root_ + "/" + relative; }

    // Writes bytes to root()/relative, creating missing parent directories.
    void writeFile(const std::string& relative, const std::string& bytes = {}) const;
    void makeDir(const std::string& relative) const;
    std::string readFile(const std::string& relative) const;
    bool exists(const std::string& relative) const;

    // Makes file permissions bite for the rest of the test. Root reads and writes whatever the
    // permissions say, so as root the test's directory is handed to an unprivileged user and the
    // process takes that user's identity (the effective ids only, given back at the end).
    // False when that cannot be arranged; the test should then skip.
    bool permissionsBite();

private:
    QTemporaryDir dir_;
    std::string root_;
    std::string savedCwd_;
    bool privilegesDropped_ = false;
};

} // namespace qf::test
