#include "platform/ErrorBox.h"

#include "platform/ApplicationTitle.h"
#include "platform/host/IoError.h"
#include "support/Modal.h"
#include "support/QtPrinters.h"

#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

using namespace qf::platform;

TEST(ErrorBox, PeriodIsAddedAfterCharactersSortingAfterPeriod) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Invalid filename", "Invalid filename."},
        {"I/O error 32", "I/O error 32."},
        {"Cannot open file /tmp/a.cs", "Cannot open file /tmp/a.cs."},
        {"Done.", "Done."},
        {"Stop!", "Stop!"},
        {"a,", "a,"},
        {"a-", "a-"},
        {"(a)", "(a)"},
        {"trailing ", "trailing "},
        {"slash/", "slash/."},
        {"", ""},
    };
    for (const auto& [message, shown] : cases)
        EXPECT_EQ(errorBoxText(message), shown) << message;
}

TEST(ErrorBox, GuardShowsTheEscapingErrorInTheApplicationsStopBox) {
    setApplicationTitle("Quillfen");
    const std::vector<std::pair<std::function<void()>, QString>> cases = {
        {[] { throw IoError(3); }, "Invalid filename."},
        {[] { throw IoError(32); }, "I/O error 32."},
        {[] { throw IoError::unmapped(5); }, "I/O error 5."},
        {[] { throw std::runtime_error("Cannot open file "); }, "Cannot open file "},
    };
    for (const auto& [handler, text] : cases) {
        bool after = false;
        const auto boxes = qf::test::answeringBoxes([&] {
            guarded(handler);
            after = true;
        });
        ASSERT_EQ(boxes.size(), 1u) << text.toStdString();
        EXPECT_EQ(boxes[0].title, "Quillfen");
        EXPECT_EQ(boxes[0].text, text);
        EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
        EXPECT_EQ(boxes[0].buttons, QMessageBox::Ok);
        EXPECT_TRUE(after) << "the program goes on after OK";
    }
}

TEST(IoErrorCodes, ErrnoMapsOntoTheCodesWhoseTextsTheUserSees) {
    const std::vector<std::tuple<int, IoOperation, std::string>> cases = {
        {ENOENT, IoOperation::Access, "File not found"},
        {ENOENT, IoOperation::Create, "Invalid filename"},
        {ENOTDIR, IoOperation::Access, "Invalid filename"},
        {EACCES, IoOperation::Access, "File access denied"},
        {EROFS, IoOperation::Create, "File access denied"},
        {EISDIR, IoOperation::Create, "File access denied"},
        {EMFILE, IoOperation::Access, "Too many open files"},
        {ENOSPC, IoOperation::Create, "Disk full"},
        {EEXIST, IoOperation::Create, "I/O error 183"},
        {EINVAL, IoOperation::Create, "I/O error 123"},
        {ENAMETOOLONG, IoOperation::Access, "I/O error 206"},
        {EBUSY, IoOperation::Access, "I/O error 32"},
        {ENOMEDIUM, IoOperation::Access, "I/O error 21"},
        {EIO, IoOperation::Access, "I/O error 5"},
        {ENETDOWN, IoOperation::Access, "I/O error 100"},
    };
    for (const auto& [err, op, text] : cases)
        EXPECT_STREQ(ioErrorFromErrno(err, "/tmp/x", op).what(), text.c_str()) << err;
    // A missing parent directory makes a missing file an invalid name.
    EXPECT_STREQ(ioErrorFromErrno(ENOENT, "/no/such/dir/file").what(), "Invalid filename");
    EXPECT_EQ(IoError(100).what(), std::string("Read beyond end of file"));
    EXPECT_EQ(IoError(106).what(), std::string("Invalid numeric input"));
}
