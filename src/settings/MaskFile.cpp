#include "settings/MaskFile.h"

namespace qf::settings {

// Placeholder until the settings file is built: nothing is stored yet.
bool maskFileExists() { return false; }
std::string readMaskLine() { return {}; }
void writeMaskLine(const std::string&) {}

} // namespace qf::settings
