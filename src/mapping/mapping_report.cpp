#include "mapping/mapping_report.h"

#include "platform/atomic_file.h"

namespace tallo {

bool MappingReport::Save(const std::string& path) const {
    return !path.empty() && WriteFileAtomically(path, text_);
}

} // namespace tallo
