#include "measure/spot_proposals.h"

#include <algorithm>
#include <cmath>

#include "measure/calibration.h"

namespace hk {

SpotProposals::SpotProposals(const SpotFinding& finding) : spots_(finding.spots) {
    for (const auto& members : finding.groups) {
        ProposedGroup g;
        for (int i : members)
            if (i >= 0 && i < static_cast<int>(spots_.size())) g.spots.push_back(i);
        sortGroup(g);
        if (!g.spots.empty()) groups_.push_back(std::move(g));
    }
}

std::optional<int> SpotProposals::groupOf(int spot) const {
    for (int g = 0; g < static_cast<int>(groups_.size()); ++g)
        if (std::find(groups_[g].spots.begin(), groups_[g].spots.end(), spot) !=
            groups_[g].spots.end())
            return g;
    return std::nullopt;
}

void SpotProposals::sortGroup(ProposedGroup& g) {
    std::stable_sort(g.spots.begin(), g.spots.end(),
                     [&](int a, int b) { return spots_[a].area() > spots_[b].area(); });
}

void SpotProposals::dropEmpty() {
    std::erase_if(groups_, [](const ProposedGroup& g) { return g.spots.empty(); });
}

bool SpotProposals::removeSpot(int spot) {
    const auto g = groupOf(spot);
    if (!g) return false;
    std::erase(groups_[*g].spots, spot);
    dropEmpty();
    return true;
}

bool SpotProposals::removeGroup(int group) {
    if (group < 0 || group >= static_cast<int>(groups_.size())) return false;
    groups_.erase(groups_.begin() + group);
    return true;
}

bool SpotProposals::mergeGroups(int group, int other) {
    const int n = static_cast<int>(groups_.size());
    if (group < 0 || other < 0 || group >= n || other >= n || group == other) return false;
    ProposedGroup& g = groups_[group];
    g.spots.insert(g.spots.end(), groups_[other].spots.begin(), groups_[other].spots.end());
    sortGroup(g);
    groups_.erase(groups_.begin() + other);
    return true;
}

bool SpotProposals::splitGroup(int group, int spot) {
    if (group < 0 || group >= static_cast<int>(groups_.size())) return false;
    ProposedGroup& g = groups_[group];
    if (g.spots.size() < 2 || g.spots.front() == spot ||
        std::find(g.spots.begin(), g.spots.end(), spot) == g.spots.end())
        return false;
    const FoundSpot& main = spots_[g.spots.front()];
    const FoundSpot& seed = spots_[spot];
    ProposedGroup split;
    std::vector<int> kept;
    for (int i : g.spots)
        (SpotGap(spots_[i], seed) < SpotGap(spots_[i], main) || i == spot ? split.spots : kept)
            .push_back(i);
    g.spots = kept;
    sortGroup(split);
    groups_.push_back(std::move(split));
    return true;
}

bool SpotProposals::moveSpot(int spot, int group) {
    const auto from = groupOf(spot);
    if (!from || group < 0 || group > static_cast<int>(groups_.size()) || group == *from)
        return false;
    if (group == static_cast<int>(groups_.size())) {
        if (groups_[*from].spots.size() == 1) return false; // it is a group of its own already
        groups_.push_back({});
    }
    std::erase(groups_[*from].spots, spot);
    groups_[group].spots.push_back(spot);
    sortGroup(groups_[group]);
    dropEmpty();
    return true;
}

bool SpotProposals::setClass(int group, std::string groupClass) {
    if (group < 0 || group >= static_cast<int>(groups_.size())) return false;
    groups_[group].groupClass = std::move(groupClass);
    return true;
}

bool SpotProposals::setNumber(int group, std::string number) {
    if (group < 0 || group >= static_cast<int>(groups_.size())) return false;
    groups_[group].number = std::move(number);
    return true;
}

std::optional<int> SpotProposals::spotAt(PicturePoint p, double reach) const {
    std::optional<int> best;
    double bestDistance = reach;
    for (const ProposedGroup& g : groups_)
        for (int i : g.spots) {
            const double d = std::hypot(spots_[i].x - p.x, spots_[i].y - p.y);
            if (d <= bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
    return best;
}

std::optional<int> SpotProposals::groupAt(PicturePoint p, double reach) const {
    const auto spot = spotAt(p, reach);
    if (!spot) return std::nullopt;
    return groupOf(*spot);
}

DraftRow SpotProposals::row(int group, const Calibration& cal) const {
    DraftRow r;
    if (group < 0 || group >= static_cast<int>(groups_.size())) return r;
    const ProposedGroup& g = groups_[group];
    r[ColTyp] = g.groupClass;
    r[ColCSk2] = g.number;
    r[ColSpots] = std::to_string(g.spots.size());
    double area = 0;
    int penumbrae = 0;
    for (int i : g.spots) {
        area += spots_[i].area();
        penumbrae += spots_[i].penumbra;
    }
    r[ColSPen] = std::to_string(penumbrae);
    r[ColArea] = FormatTenths(area);
    const int angleColumns[3] = {ColAngle, ColAngle1, ColAngle2};
    for (std::size_t k = 0; k < 3 && k < g.spots.size(); ++k) {
        const FoundSpot& s = spots_[g.spots[k]];
        const PolarPosition p = SpotPosition(cal, s.point());
        r[angleColumns[k]] = FormatTenths(p.angle);
        r[angleColumns[k] + 1] = FormatTenths(p.distance);
        if (k > 0) r[angleColumns[k] + 2] = FormatTenths(s.area());
    }
    return r;
}

std::variant<std::vector<GroupDraft>, std::string>
SpotProposals::drafts(const Calibration& cal) const {
    std::vector<GroupDraft> out;
    for (int g = 0; g < static_cast<int>(groups_.size()); ++g) {
        const auto d = ParseGroupRow(row(g, cal));
        if (const auto* message = std::get_if<std::string>(&d))
            return "Skupina " + std::to_string(g + 1) + ": " + *message;
        out.push_back(std::get<GroupDraft>(d));
    }
    return out;
}

std::optional<std::string> AddDrafts(GroupDrafts& table, const std::vector<GroupDraft>& drafts) {
    std::vector<int> free;
    for (int i = 0; i < MaxGroupOrder; ++i)
        if (table[i].groupClass.empty()) free.push_back(i);
    if (drafts.size() > free.size()) return std::string("Maximální počet skupin je 40 !");
    for (std::size_t k = 0; k < drafts.size(); ++k)
        table[free[k]] = drafts[k];
    return std::nullopt;
}

} // namespace hk
