#include "mapping/mapping_report.h"

#include "platform/output_target.h"

namespace tallo {

bool MappingReport::Save(const std::string& path) const {
    // A device or a pipe named as the report is written into; a folder is refused.
    std::string error;
    return !path.empty() && WriteOutputFile(path, text_, {}, error);
}

} // namespace tallo
