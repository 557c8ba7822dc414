#include "editing/club/badge_page_model.h"

#include "assets/badge_sources.h"
#include "assets/dib_image.h"
#include "editing/club/badge_chooser_model.h"
#include "editing/club/club_edit_context.h"
#include "formats/dialog_text.h"
#include "platform/prompt.h"
#include "world/club.h"

namespace tallo {

ClubBadgePageModel::ClubBadgePageModel(const ClubEditContext& context) : context_(context) {}

void ClubBadgePageModel::Fill(const CClub& club) {
    badge_.assign(club.BadgeFile());
}

bool ClubBadgePageModel::Store(CClub& club) const {
    if (badge_ == club.BadgeFile()) {
        return true;
    }
    return club.SetBadgeFile(badge_);
}

bool ClubBadgePageModel::SetBadgeName(std::string_view name) {
    if (name.size() > CClub::kBadgeFileSize - 1) {
        if (context_.prompt != nullptr) {
            context_.prompt->ShowMessage(
                FormatDialogText("badge.name_too_long", std::string(name).c_str(),
                                 static_cast<int>(CClub::kBadgeFileSize - 1)),
                DialogText("badge.message.caption"));
        }
        return false;
    }
    // The club's own rule for a text field decides (no line breaks, nothing that reads as a
    // section marker of the database files).
    CClub probe;
    if (!probe.SetBadgeFile(name)) {
        if (context_.prompt != nullptr) {
            context_.prompt->ShowMessage(
                FormatDialogText("badge.name_refused", std::string(name).c_str()),
                DialogText("badge.message.caption"));
        }
        return false;
    }
    badge_.assign(name);
    return true;
}

bool ClubBadgePageModel::PictureExists() const {
    const CBadgeSources sources = ClubBadgeSources(context_);
    return sources.ExistsOnDisk(badge_) || sources.ExistsInArchive(badge_);
}

ClubBadgePageModel::State ClubBadgePageModel::BadgeState() const {
    if (badge_.empty()) {
        return State::None;
    }
    if (ClubBadgeSources(context_).CheckBadge(badge_)) {
        // A name without a size folder is not checked; it still needs its one picture.
        return PictureExists() ? State::Complete : State::Missing;
    }
    return PictureExists() ? State::Incomplete : State::Missing;
}

bool ClubBadgePageModel::ShowsWarning() const {
    const State state = BadgeState();
    return state == State::Incomplete || state == State::Missing;
}

bool ClubBadgePageModel::LoadPicture(DibImage& image) const {
    image = DibImage();
    if (badge_.empty() || !PictureExists()) {
        return false;
    }
    return ClubBadgeSources(context_).LoadBadgeImage(badge_, image);
}

} // namespace tallo
