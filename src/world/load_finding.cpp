#include "world/load_finding.h"

namespace tallo {

std::string FormatLoadFinding(const LoadFinding& finding) {
    std::string text = finding.file;
    if (finding.line != 0) {
        text += ":" + std::to_string(finding.line);
    }
    return text + ": " + finding.what;
}

} // namespace tallo
