// Feeds every file of the directories (or the files) named on the command line to the fuzz
// target once, so that the committed corpus runs as a plain test in every build.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool replay(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        return false;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    // libFuzzer never passes a null pointer, not even for an empty input.
    static const std::uint8_t none = 0;
    const auto* data = bytes.empty() ? &none : reinterpret_cast<const std::uint8_t*>(bytes.data());
    LLVMFuzzerTestOneInput(data, bytes.size());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::size_t count = 0;
    bool ok = argc > 1;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path arg(argv[i]);
        if (std::filesystem::is_directory(arg)) {
            for (const auto& entry : std::filesystem::directory_iterator(arg))
                if (entry.is_regular_file()) {
                    ok = replay(entry.path()) && ok;
                    ++count;
                }
        } else {
            ok = replay(arg) && ok;
            ++count;
        }
    }
    std::printf("replayed %zu inputs\n", count);
    return ok && count > 0 ? 0 : 1;
}
