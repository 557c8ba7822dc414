#pragma once

#include <string>
#include <string_view>

namespace tallo {

class CClub;
struct ClubEditContext;
struct DibImage;

// The club's badge page (CDlgClubBadge) without its window: the badge file the club stores,
// its picture and whether the badge is there in every size.
class ClubBadgePageModel {
public:
    // What the page says about the badge it shows.
    enum class State {
        None,       // the club has no badge
        Complete,   // every size is there (or the name has no size folder and is not checked)
        Incomplete, // the largest picture is there but not every size
        Missing,    // not even the largest picture is found
    };

    explicit ClubBadgePageModel(const ClubEditContext& context);

    void Fill(const CClub& club);
    // Writes the badge file into the club; false (the club keeps its badge) when the club
    // refuses the name. An untouched page leaves the club as it was.
    bool Store(CClub& club) const;

    const std::string& BadgeName() const { return badge_; }
    // The name the chooser handed back. Refused with a message (and false) when it does not fit
    // the club's badge field, rather than cut, or when the club could not keep it.
    bool SetBadgeName(std::string_view name);
    // No badge.
    void Clear() { badge_.clear(); }

    State BadgeState() const;
    // Shown beside the picture when the badge is incomplete or missing.
    bool ShowsWarning() const;

    // The picture of the badge; false (and an empty image) without a badge or when neither the
    // badge folder nor the archive holds its largest picture. A missing picture is not looked
    // for, so that filling the page never brings up the archive's message about it.
    bool LoadPicture(DibImage& image) const;

    const ClubEditContext& Context() const { return context_; }

private:
    bool PictureExists() const;

    const ClubEditContext& context_;
    std::string badge_;
};

} // namespace tallo
