#include "editing/staff/chairman_page_model.h"

#include <algorithm>

#include "formats/string_table.h"
#include "world/player.h"

namespace tallo {

namespace {
constexpr int kFirstStabilityString = 329;
} // namespace

int ChairmanPageModel::Stability() const {
    return person_ != nullptr ? std::min<int>(person_->ValueB(), kMaxStability) : 0;
}

void ChairmanPageModel::SetStability(int value) {
    if (person_ == nullptr) {
        return;
    }
    const int bounded = std::clamp(value, 0, kMaxStability);
    if (bounded != person_->ValueB()) {
        person_->SetValueB(static_cast<uint8_t>(bounded));
    }
}

std::string ChairmanPageModel::StabilityText() const {
    return person_ != nullptr ? StabilityText(Stability()) : std::string();
}

std::string ChairmanPageModel::StabilityText(int value) {
    return LoadString(kFirstStabilityString + std::clamp(value, 0, kMaxStability));
}

} // namespace tallo
