#include "platform/ApplicationTitle.h"

namespace qf::platform {

namespace {
std::string& title() {
    static std::string value;
    return value;
}
} // namespace

const std::string& applicationTitle() { return title(); }

void setApplicationTitle(const std::string& value) { title() = value; }

} // namespace qf::platform
