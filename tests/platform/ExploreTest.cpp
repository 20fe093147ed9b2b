#include "platform/Explore.h"

#include <gtest/gtest.h>

using qf::platform::directoryUrl;

TEST(Explore, DirectoryUrlKeepsThePathBytes) {
    const std::vector<std::pair<std::string, QByteArray>> cases = {
        {"/", "file:///"},
        {"/home/u/my scripts", "file:///home/u/my%20scripts"},
        {"/home/u/caf\xc3\xa9", "file:///home/u/caf%C3%A9"},
        {"/home/u/caf\xe9", "file:///home/u/caf%E9"}, // not UTF-8
        {"/home/u/a#b?c%d", "file:///home/u/a%23b%3Fc%25d"},
    };
    for (const auto& [path, encoded] : cases) {
        SCOPED_TRACE(path);
        const QUrl url = directoryUrl(path);
        EXPECT_TRUE(url.isValid());
        EXPECT_TRUE(url.isLocalFile());
        EXPECT_EQ(url.toEncoded().toStdString(), encoded.toStdString());
    }
    // For text paths it is the URL Qt makes of the local file.
    EXPECT_EQ(directoryUrl("/home/u/my scripts"), QUrl::fromLocalFile("/home/u/my scripts"));
}
