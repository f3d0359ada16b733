#pragma once
// Sunspot groups measured on a scanned drawing: the one-row entry grid, the
// table of drafted groups and their writing into the record.
#include <array>
#include <optional>
#include <string>
#include <variant>

#include "records/record_layout.h"

namespace hk {

// Columns of the entry grid `jinak`, in order.
enum GroupColumn {
    ColTyp,
    ColCSk2,
    ColSpots,
    ColSPen,
    ColSmallSpots,
    ColCSk1,
    ColAngle,
    ColDistance,
    ColArea,
    ColAngle1,
    ColDistance1,
    ColPlo1,
    ColAngle2,
    ColDistance2,
    ColPlo2,
    GroupColumnCount
};
extern const std::array<const char*, GroupColumnCount> GroupColumnCaptions;

using DraftRow = std::array<std::string, GroupColumnCount>;

struct GroupDraft {
    std::string groupClass; // empty: the entry is free
    int cSk2 = 0, spots = 0, sPen = 0, smallSpots = 0, cSk1 = 0;
    float angle = 0, distance = 0, area = 0;
    float angle1 = 0, distance1 = 0, plo1 = 0;
    float angle2 = 0, distance2 = 0, plo2 = 0;
};

inline constexpr int GroupDraftSize = 80;
inline constexpr int MaxGroupOrder = 40;
using GroupDrafts = std::array<GroupDraft, GroupDraftSize>; // index = order number - 1

// The grid row checked and read: the draft, or the message that says why not.
std::variant<GroupDraft, std::string> ParseGroupRow(const DraftRow& row);
// The grid row shown again for a draft.
DraftRow DraftRowOf(const GroupDraft& d);

// The message for an order number outside 1..40, else nullopt.
std::optional<std::string> CheckGroupOrder(int order);

// The drafted groups (in order) become groups 1..n of `z`, with the areas
// (mm^2 on the drawing) in the record's units for the drawing radius
// `polomerKresby`; the record becomes an ordinary one and its summary is
// computed again. Faculae fields stay. The message instead (nothing
// changed) when the record's date cannot be read or no group is drafted.
extern const char* const NoGroupDraftedMessage;
std::optional<std::string> WriteGroups(TZaznam& z, const GroupDrafts& drafts, double drawingRadius);

} // namespace hk
