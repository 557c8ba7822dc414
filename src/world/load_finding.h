#pragma once

#include <cstddef>
#include <string>

namespace tallo {

// Something a load found wrong with a file of the database: a file that exists but could not
// be read, a file that ends early, a count of records that the file does not hold.
struct LoadFinding {
    std::string file;
    size_t line = 0; // 1-based; 0 when the finding concerns the whole file
    std::string what;
};

// "FILE:LINE: WHAT", or "FILE: WHAT" without a line.
std::string FormatLoadFinding(const LoadFinding& finding);

} // namespace tallo
