#pragma once

#include <string>
#include <string_view>
#include <type_traits>

namespace tallo {

// The text of a mapping report, put together piece by piece. Names from the tables and the
// database are copied in as they are (8-bit bytes) and are never used as a format. Lines end
// in "\r\n" where the report's layout puts them.
class MappingReport {
public:
    MappingReport& operator<<(std::string_view text) {
        text_ += text;
        return *this;
    }
    // Whole numbers in decimal, as "%i" writes them.
    template <typename Number, typename = std::enable_if_t<std::is_integral_v<Number> &&
                                                           !std::is_same_v<Number, char> &&
                                                           !std::is_same_v<Number, bool>>>
    MappingReport& operator<<(Number value) {
        text_ += std::to_string(value);
        return *this;
    }

    const std::string& Text() const { return text_; }

    // Writes the report as the whole content of `path`, never leaving a half-written file (a
    // device or a FIFO is written into). False when the file cannot be written or is a folder.
    bool Save(const std::string& path) const;

private:
    std::string text_;
};

} // namespace tallo
