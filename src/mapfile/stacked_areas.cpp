// Joining parts at the joins, then one order for all maps: a topological sort of the maps'
// orders, earliest read first.
#include "stacked_areas.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <queue>
#include <string>
#include <tuple>

namespace velquist::mapfile {
namespace {

using JoinKey = std::tuple<int, int, std::string, std::string>;

JoinKey joinKey(const MapHotspot& h) {
    return {h.rect.left, h.rect.width, h.link, h.tip};
}

struct Joined {
    std::vector<MapHotspot> hotspots;            // one per joined hotspot, in reading order
    std::vector<std::vector<size_t>> mapOrders;  // each map's areas as indices into `hotspots`
};

// The hotspot above the join that a part below continues, if any. Hotspots whose bottom is at
// the join wait by key. The parts of one join are joined in the same order on both sides:
// joining across that order would give two maps opposite orders of the same two hotspots, which
// no table has.
class JoinMatcher {
public:
    JoinMatcher(const Joined& joined, const std::vector<size_t>& above, int join) : m_join(join) {
        for (size_t at = 0; at < above.size(); ++at) {
            const MapHotspot& h = joined.hotspots[above[at]];
            if (h.rect.bottom() == join) {
                m_waiting[joinKey(h)].push_back({at, above[at]});
            }
        }
    }
    std::optional<size_t> match(const MapHotspot& part) {
        const auto found =
            part.rect.top == m_join ? m_waiting.find(joinKey(part)) : m_waiting.end();
        if (found == m_waiting.end()) {
            return std::nullopt;
        }
        std::deque<std::pair<size_t, size_t>>& queue = found->second;
        while (!queue.empty() && m_last && queue.front().first <= *m_last) {
            queue.pop_front();
        }
        if (queue.empty()) {
            return std::nullopt;
        }
        m_last = queue.front().first;
        const size_t h = queue.front().second;
        queue.pop_front();
        return h;
    }

private:
    int m_join;
    std::map<JoinKey, std::deque<std::pair<size_t, size_t>>> m_waiting;  // (place above, hotspot)
    std::optional<size_t> m_last;  // place above of the last part joined
};

Joined joinParts(std::vector<std::vector<MapHotspot>>& maps, const std::vector<int>& joins) {
    Joined joined;
    std::vector<size_t> above;  // hotspots of the map before, in its order
    for (size_t m = 0; m < maps.size(); ++m) {
        JoinMatcher matcher(joined, above, m > 0 ? joins[m - 1] : 0);
        std::vector<size_t> order;
        for (MapHotspot& part : maps[m]) {
            if (const std::optional<size_t> h = matcher.match(part)) {
                joined.hotspots[*h].rect.height += part.rect.height;
                order.push_back(*h);
            } else {
                order.push_back(joined.hotspots.size());
                joined.hotspots.push_back(std::move(part));
            }
        }
        above = order;
        joined.mapOrders.push_back(std::move(order));
    }
    return joined;
}

// Kahn's sort over "comes before in some map", taking the earliest read hotspot that is free.
// Hand-written code may order two maps against each other; the earliest left then goes next.
std::vector<size_t> commonOrder(const Joined& joined) {
    const size_t n = joined.hotspots.size();
    std::vector<std::vector<size_t>> next(n);
    std::vector<size_t> before(n, 0);
    for (const std::vector<size_t>& order : joined.mapOrders) {
        for (size_t i = 1; i < order.size(); ++i) {
            next[order[i - 1]].push_back(order[i]);
            ++before[order[i]];
        }
    }
    std::priority_queue<size_t, std::vector<size_t>, std::greater<>> free;
    for (size_t h = 0; h < n; ++h) {
        if (before[h] == 0) {
            free.push(h);
        }
    }
    std::vector<char> placed(n, 0);
    std::vector<size_t> result;
    size_t unplacedFrom = 0;
    while (result.size() < n) {
        if (free.empty()) {
            while (placed[unplacedFrom] != 0) {
                ++unplacedFrom;
            }
            before[unplacedFrom] = 0;
            free.push(unplacedFrom);
        }
        const size_t h = free.top();
        free.pop();
        if (placed[h] != 0) {
            continue;
        }
        placed[h] = 1;
        result.push_back(h);
        for (const size_t later : next[h]) {
            if (placed[later] == 0 && before[later] > 0 && --before[later] == 0) {
                free.push(later);
            }
        }
    }
    return result;
}

}  // namespace

std::vector<MapHotspot> joinedAreas(std::vector<std::vector<MapHotspot>> maps,
                                    const std::vector<int>& joins) {
    Joined joined = joinParts(maps, joins);
    std::vector<MapHotspot> hotspots;
    hotspots.reserve(joined.hotspots.size());
    for (const size_t h : commonOrder(joined)) {
        hotspots.push_back(std::move(joined.hotspots[h]));
    }
    return hotspots;
}

}  // namespace velquist::mapfile
