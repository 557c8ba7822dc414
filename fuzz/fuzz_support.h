#pragma once

// Helpers shared by the fuzz targets: a scratch folder that lives as long as the process,
// whole-file writing without the cost of a flush, and a check that aborts (so that libFuzzer
// keeps the input) when a property of the code under test does not hold.

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallo::fuzz {

// A file of the source tree (fixtures the targets start from), by its path from the top.
inline std::string SourcePath(const std::string& relative) {
    return std::string(TALLO_SOURCE_DIR) + "/" + relative;
}

// Aborts with a message when `condition` is false; libFuzzer then saves the input.
#define TALLO_FUZZ_CHECK(condition)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// Aborts when two texts differ, naming the first line where they part. With TALLO_FUZZ_DUMP
// set to a folder, both texts are written there ("first", "second") for a closer look.
inline void CheckSameText(std::string_view first, std::string_view second, const char* what) {
    if (first == second) {
        return;
    }
    if (const char* dump = std::getenv("TALLO_FUZZ_DUMP")) {
        for (auto [name, text] : {std::pair{"/first", first}, std::pair{"/second", second}}) {
            if (FILE* file = std::fopen((std::string(dump) + name).c_str(), "wb")) {
                std::fwrite(text.data(), 1, text.size(), file);
                std::fclose(file);
            }
        }
    }
    size_t line = 1;
    size_t start = 0;
    for (size_t i = 0; i < first.size() && i < second.size() && first[i] == second[i]; ++i) {
        if (first[i] == '\n') {
            ++line;
            start = i + 1;
        }
    }
    auto lineAt = [start](std::string_view text) {
        std::string_view rest = text.substr(std::min(start, text.size()));
        return std::string(rest.substr(0, std::min(rest.find('\n'), size_t{80})));
    };
    std::fprintf(stderr, "%s: texts differ at line %zu:\n  first:  \"%s\"\n  second: \"%s\"\n",
                 what, line, lineAt(first).c_str(), lineAt(second).c_str());
    std::abort();
}

inline int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) {
    std::remove(path);
    return 0;
}

// A fresh folder under the temporary folder (TMPDIR, else /dev/shm, else /tmp), removed with its
// content when the process ends.
class ScratchFolder {
public:
    ScratchFolder() {
        // Memory-backed when possible: the targets write a file for every input.
        const char* base = std::getenv("TMPDIR");
        if (base == nullptr || *base == '\0') {
            base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        }
        std::string pattern = std::string(base) + "/tallo-fuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        path_ = pattern;
    }
    ~ScratchFolder() { nftw(path_.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// One folder per process, made on first use.
inline const ScratchFolder& Scratch() {
    static ScratchFolder folder;
    return folder;
}

// Writes the bytes as the whole file (no flush: the files are read back at once and thrown
// away). Aborts when the scratch folder cannot be written, which is no finding of the target.
inline void WriteScratchFile(const std::string& path, std::string_view bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
        std::fclose(file) != 0) {
        std::perror(path.c_str());
        std::abort();
    }
}

} // namespace tallo::fuzz
