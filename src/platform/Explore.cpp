#include "platform/Explore.h"

#include "platform/DisplayText.h"

#include <QDesktopServices>
#include <QUrl>

namespace qf::platform {

void exploreDirectory(const std::string& directory) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(toDisplay(directory)));
}

} // namespace qf::platform
