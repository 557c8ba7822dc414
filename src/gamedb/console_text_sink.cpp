#include "gamedb/console_text_sink.h"

#include <cstdio>

#include "platform/path_resolver.h"

namespace tallo {

namespace {

constexpr const char* kFileNames[ConsoleTextSink::kFiles] = {"badges.txt", "kits.txt",
                                                             "stadium.txt", "logPS2_Database.txt"};
constexpr uint32_t kOptionBits[ConsoleTextSink::kFiles] = {0x04, 0x08, 0x10, 0x40};

size_t IndexOf(ConsoleTextFile file) {
    const int index = static_cast<int>(file);
    return index >= 0 && index < ConsoleTextSink::kFiles ? static_cast<size_t>(index) : 0;
}

} // namespace

ConsoleTextSink::ConsoleTextSink(uint32_t optionBits) : optionBits_(optionBits) {}

bool ConsoleTextSink::Wants(ConsoleTextFile file) const {
    return (optionBits_ & OptionBit(file)) != 0;
}

bool ConsoleTextSink::WantsAny() const {
    for (uint32_t bit : kOptionBits) {
        if ((optionBits_ & bit) != 0) {
            return true;
        }
    }
    return false;
}

void ConsoleTextSink::Emit(ConsoleTextFile file, std::string_view text) {
    if (active_ && Wants(file)) {
        texts_[IndexOf(file)].append(text);
    }
}

const std::string& ConsoleTextSink::Text(ConsoleTextFile file) const {
    return texts_[IndexOf(file)];
}

void ConsoleTextSink::Clear() {
    for (std::string& text : texts_) {
        text.clear();
    }
}

bool ConsoleTextSink::AppendToFiles(const std::string& folder) const {
    bool allWritten = true;
    for (size_t i = 0; i < texts_.size(); ++i) {
        if (texts_[i].empty()) {
            continue;
        }
        // The lists are text files: every line ends in CR LF.
        std::string bytes;
        bytes.reserve(texts_[i].size() + texts_[i].size() / 16);
        for (char c : texts_[i]) {
            if (c == '\n') {
                bytes.push_back('\r');
            }
            bytes.push_back(c);
        }
        const std::string path =
            ResolvePath(folder.empty() ? std::string(kFileNames[i]) : folder + "/" + kFileNames[i]);
        std::FILE* out = std::fopen(path.c_str(), "ab");
        if (out == nullptr) {
            allWritten = false;
            continue;
        }
        bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
        ok = std::fclose(out) == 0 && ok;
        allWritten = allWritten && ok;
    }
    return allWritten;
}

const char* ConsoleTextSink::FileName(ConsoleTextFile file) {
    return kFileNames[IndexOf(file)];
}

uint32_t ConsoleTextSink::OptionBit(ConsoleTextFile file) {
    return kOptionBits[IndexOf(file)];
}

} // namespace tallo
