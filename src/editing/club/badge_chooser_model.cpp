#include "editing/club/badge_chooser_model.h"

#include "assets/badge_names.h"
#include "assets/dib_image.h"
#include "editing/club/club_edit_context.h"
#include "formats/dialog_text.h"
#include "mapping/global_tools.h"
#include "platform/prompt.h"

namespace tallo {

CBadgeSources ClubBadgeSources(const ClubEditContext& context) {
    CVantorBig* archive = context.tools != nullptr ? &context.tools->BadgeArchive() : nullptr;
    return CBadgeSources(context.badgesFolder, archive);
}

BadgeChooserModel::BadgeChooserModel(CBadgeSources sources, size_t bufferLength, IPrompt* prompt)
    : sources_(std::move(sources)), bufferLength_(bufferLength), prompt_(prompt) {}

void BadgeChooserModel::Open(std::string_view currentBadge) {
    list_.Build(sources_);
    SelectGroup(list_.Groups().empty() ? -1 : 0);
    SelectItem(0);
    size_t group = 0;
    size_t item = 0;
    if (!currentBadge.empty() && list_.Find(currentBadge, group, item)) {
        SelectGroup(static_cast<int>(group));
        SelectItem(static_cast<int>(item));
    }
}

std::vector<std::string> BadgeChooserModel::GroupNames() const {
    std::vector<std::string> names;
    names.reserve(list_.Groups().size());
    for (const BadgeGroup& group : list_.Groups()) {
        names.push_back(group.name);
    }
    return names;
}

void BadgeChooserModel::SelectGroup(int group) {
    const int count = static_cast<int>(list_.Groups().size());
    group_ = group >= 0 && group < count ? group : -1;
    item_ = -1;
}

std::vector<std::string> BadgeChooserModel::ItemNames() const {
    std::vector<std::string> names;
    if (group_ < 0) {
        return names;
    }
    const BadgeGroup& group = list_.Groups()[static_cast<size_t>(group_)];
    names.reserve(group.items.size());
    for (const BadgeItem& item : group.items) {
        names.push_back(BadgeDisplayName(item.relativeName));
    }
    return names;
}

void BadgeChooserModel::SelectItem(int item) {
    item_ = -1;
    if (group_ < 0) {
        return;
    }
    const auto count = static_cast<int>(list_.Groups()[static_cast<size_t>(group_)].items.size());
    if (item >= 0 && item < count) {
        item_ = item;
    }
}

const BadgeItem* BadgeChooserModel::Selected() const {
    if (group_ < 0 || item_ < 0) {
        return nullptr;
    }
    return &list_.Groups()[static_cast<size_t>(group_)].items[static_cast<size_t>(item_)];
}

std::string BadgeChooserModel::SelectedName() const {
    const BadgeItem* item = Selected();
    return item != nullptr ? item->relativeName : std::string();
}

bool BadgeChooserModel::LoadSelectedPicture(DibImage& image) const {
    image = DibImage();
    const BadgeItem* item = Selected();
    return item != nullptr && sources_.LoadBadgeImage(item->relativeName, image);
}

bool BadgeChooserModel::Accept(std::string& chosen) const {
    const BadgeItem* item = Selected();
    if (item == nullptr) {
        return false;
    }
    if (!CBadgeList::ChosenName(*item, bufferLength_, chosen)) {
        if (prompt_ != nullptr) {
            prompt_->ShowMessage(FormatDialogText("badge.name_too_long", item->relativeName.c_str(),
                                                  static_cast<int>(bufferLength_ - 1)),
                                 DialogText("badge.message.caption"));
        }
        return false;
    }
    return true;
}

} // namespace tallo
