#include "settings/MaskFile.h"

#include "platform/host/Directory.h"
#include "platform/host/NameLookup.h"
#include "platform/host/TextFile.h"

namespace qf::settings {

namespace {

// The readers and the writer of the settings file spell its name differently; on a file system
// that ignores case both denote one file, and here the lookup makes them do so.
constexpr const char* folderName = "Data";
constexpr const char* readerName = "QFOPT.dat";
constexpr const char* writerName = "QFOpt.dat";

} // namespace

std::string maskFilePath() {
    using platform::findNameIgnoringCase;
    const std::string folder = findNameIgnoringCase({}, folderName).value_or(folderName);
    return folder + "/" + findNameIgnoringCase(folder, readerName).value_or(writerName);
}

bool maskFileExists() {
    return platform::fileExists(maskFilePath());
}

std::string readMaskLine() {
    platform::TextReader file(maskFilePath());
    std::string line = file.readLine();
    file.close();
    return line;
}

void writeMaskLine(const std::string& masks) {
    platform::TextWriter file(maskFilePath(), platform::Replacing::WhenStored);
    file.writeLine(masks);
    file.close();
}

StartupMasks loadOrCreateMasks() {
    if (maskFileExists())
        return {readMaskLine(), false};
    writeMaskLine(defaultMasks);
    return {defaultMasks, true};
}

} // namespace qf::settings
