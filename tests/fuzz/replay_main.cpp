// SPDX-License-Identifier: GPL-3.0-or-later

// Replays files through the fuzz target without libFuzzer, so that the normal test suite checks
// the seed corpus with any compiler. Usage: gridtext_replay FILE_OR_DIRECTORY...
// An invariant failure aborts; otherwise the last line is "N passed, M failed".
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

namespace {
// The files named, the regular files of the directories named in name order; false when an argument
// names neither, so that a mistyped path cannot pass as an empty corpus.
bool CollectFiles(const char* argument, std::vector<fs::path>& files)
{
    std::error_code error;
    const fs::path path(argument);
    if (fs::is_regular_file(path, error)) {
        files.push_back(path);
        return true;
    }
    if (!fs::is_directory(path, error))
        return false;
    std::vector<fs::path> found;
    for (const fs::directory_entry& entry : fs::directory_iterator(path, error)) {
        if (entry.is_regular_file(error))
            found.push_back(entry.path());
    }
    std::sort(found.begin(), found.end());
    files.insert(files.end(), found.begin(), found.end());
    return !error;
}

bool ReadFile(const fs::path& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}
} // namespace

int main(int argc, char* argv[])
{
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        if (!CollectFiles(argv[i], files)) {
            std::fprintf(stderr, "gridtext_replay: cannot list %s\n", argv[i]);
            return 2;
        }
    }
    if (files.empty()) {
        std::fprintf(stderr, "gridtext_replay: no files to replay\n");
        return 2;
    }

    int passed = 0;
    int failed = 0;
    for (const fs::path& file : files) {
        // Named before it runs, so that an abort shows which file caused it.
        std::printf("replaying %s\n", file.c_str());
        std::fflush(stdout);
        std::string bytes;
        if (!ReadFile(file, bytes)) {
            std::fprintf(stderr, "gridtext_replay: cannot read %s\n", file.c_str());
            ++failed;
            continue;
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++passed;
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
