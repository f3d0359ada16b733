#pragma once
// The spots and groups the spot finder proposes on a scanned drawing, as the
// observer corrects them before they become group drafts: spots and groups
// removed, groups merged or split, a spot moved into another group, the
// classes and group numbers typed. Nothing here touches a record; accepted
// groups become the same drafts that clicking the spots gives.
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "measure/group_draft.h"
#include "measure/spot_finder.h"

namespace hk {

struct ProposedGroup {
    std::vector<int> spots; // indices into SpotProposals::spots(), the largest first
    std::string groupClass; // the class, as typed
    std::string number;     // the group's number within the rotation ("č.sk2"), as typed
};

class SpotProposals {
  public:
    SpotProposals() = default;
    explicit SpotProposals(const SpotFinding& finding);

    const std::vector<FoundSpot>& spots() const { return spots_; }
    const std::vector<ProposedGroup>& groups() const { return groups_; }
    bool empty() const { return groups_.empty(); }
    // The group a spot belongs to, nullopt once removed.
    std::optional<int> groupOf(int spot) const;

    // Each operation answers false and changes nothing when its arguments do
    // not name what it needs. A group left without spots disappears; groups
    // keep their order, and a group made by a split or a move comes last.
    bool removeSpot(int spot);
    bool removeGroup(int group);
    // The spots of `other` join `group` (which keeps its class and number).
    bool mergeGroups(int group, int other);
    // The spots of the group nearer on the Sun to `spot` than to the group's
    // largest spot become a new group; `spot` must not be the largest.
    bool splitGroup(int group, int spot);
    // `spot` moves into `group`; groups().size() makes a new group of it.
    bool moveSpot(int spot, int group);
    bool setClass(int group, std::string groupClass);
    bool setNumber(int group, std::string number);

    // The spot or the group (one of its spots) within `reach` picture pixels
    // of `p`, the nearest one.
    std::optional<int> spotAt(PicturePoint p, double reach) const;
    std::optional<int> groupAt(PicturePoint p, double reach) const;

    // The entry grid's row for a group, as clicking its spots fills it: the
    // largest spot's position, the next two as the auxiliary spots, the area
    // of all its spots (mm^2 of the drawing), the number of spots and of spots
    // with a penumbra, and the typed class and number.
    DraftRow row(int group, const Calibration& cal) const;
    // Every group's row checked: the drafts in group order, or the message
    // of the first group that is refused, named by its number in the list.
    std::variant<std::vector<GroupDraft>, std::string> drafts(const Calibration& cal) const;

  private:
    void sortGroup(ProposedGroup& g);
    void dropEmpty();

    std::vector<FoundSpot> spots_;
    std::vector<ProposedGroup> groups_;
};

// The drafts written into the first free order numbers of `table`, the ones
// already written kept. The message instead (nothing changed) when they do
// not fit into the 40 order numbers.
std::optional<std::string> AddDrafts(GroupDrafts& table, const std::vector<GroupDraft>& drafts);

} // namespace hk
