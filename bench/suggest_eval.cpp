// Measures the hotspot proposals on labelled sets: recall and precision at IoU >= 0.5 (greedy
// one-to-one matching), the median edge error of matched rectangles, the time per picture (PNG
// and JPEG apart, per kind of picture, the held-out pictures apart), the time on tall pages
// against decoding them, and the memory the proposals take beyond the decoded picture.
#include <malloc.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "pictures/picture_decoder.h"
#include "suggest/suggestion.h"

namespace {

std::atomic<int64_t> g_live{0};
std::atomic<int64_t> g_peak{0};

}  // namespace

// Every allocation is counted so that the peak during one call can be read.
void* operator new(size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) {
        throw std::bad_alloc();
    }
    const int64_t now = g_live += int64_t(malloc_usable_size(p));
    int64_t peak = g_peak.load();
    while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
    }
    return p;
}
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"  // free() pairs with the malloc() above
void operator delete(void* p) noexcept {
    g_live -= int64_t(malloc_usable_size(p));
    std::free(p);
}
void operator delete(void* p, size_t) noexcept {
    operator delete(p);
}

namespace velquist {
namespace {

using Clock = std::chrono::steady_clock;

struct Score {
    int truths = 0;
    int proposals = 0;
    int matched = 0;
    std::vector<int> edgeErrors;
    double seconds = 0;
    int pictures = 0;
    void add(const Score& o) {
        truths += o.truths;
        proposals += o.proposals;
        matched += o.matched;
        edgeErrors.insert(edgeErrors.end(), o.edgeErrors.begin(), o.edgeErrors.end());
        seconds += o.seconds;
        pictures += o.pictures;
    }
};

double iou(const Rect& a, const Rect& b) {
    const Rect i = a.intersected(b);
    const double shared = double(i.width) * i.height;
    return shared / (double(a.width) * a.height + double(b.width) * b.height - shared);
}

Score match(const std::vector<Rect>& truth, const std::vector<Rect>& found) {
    Score s;
    s.truths = int(truth.size());
    s.proposals = int(found.size());
    std::vector<std::tuple<double, size_t, size_t>> pairs;
    for (size_t t = 0; t < truth.size(); ++t) {
        for (size_t f = 0; f < found.size(); ++f) {
            if (const double v = iou(truth[t], found[f]); v >= 0.5) {
                pairs.emplace_back(v, t, f);
            }
        }
    }
    std::sort(pairs.begin(), pairs.end(),
              [](const auto& a, const auto& b) { return std::get<0>(a) > std::get<0>(b); });
    std::vector<bool> usedT(truth.size()), usedF(found.size());
    for (const auto& [v, t, f] : pairs) {
        if (usedT[t] || usedF[f]) {
            continue;
        }
        usedT[t] = usedF[f] = true;
        ++s.matched;
        const Rect& a = truth[t];
        const Rect& b = found[f];
        for (int e :
             {a.left - b.left, a.top - b.top, a.right() - b.right(), a.bottom() - b.bottom()}) {
            s.edgeErrors.push_back(std::abs(e));
        }
    }
    return s;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::vector<Rect> readTruth(const std::string& path) {
    std::ifstream in(path);
    std::vector<Rect> out;
    std::string kind;
    Rect r;
    while (in >> kind >> r.left >> r.top >> r.width >> r.height) {
        out.push_back(r);
    }
    return out;
}

double median(std::vector<int> v) {
    if (v.empty()) {
        return 0;
    }
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2.0;
}

void print(const std::string& label, const Score& s) {
    std::printf("%-26s %3d pics  recall %.3f  precision %.3f  edge median %.1f px  %.1f ms/pic\n",
                label.c_str(), s.pictures, s.truths ? double(s.matched) / s.truths : 1.0,
                s.proposals ? double(s.matched) / s.proposals : 1.0, median(s.edgeErrors),
                s.pictures ? 1000 * s.seconds / s.pictures : 0.0);
}

Score evaluate(const std::string& picturePath, const std::string& truthPath, bool verbose) {
    const Result<Picture> picture = decodePicture(readAll(picturePath));
    if (!picture) {
        std::fprintf(stderr, "%s: %s\n", picturePath.c_str(), picture.error().c_str());
        std::exit(1);
    }
    const auto start = Clock::now();
    const std::vector<Suggestion> found = suggestHotspots(*picture);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::vector<Rect> rects;
    for (const Suggestion& s : found) {
        rects.push_back(s.rect);
    }
    Score s = match(readTruth(truthPath), rects);
    s.seconds = seconds;
    s.pictures = 1;
    if (verbose && (s.matched < s.truths || s.matched < s.proposals)) {
        std::printf("  %s: %d truths, %d proposals, %d matched\n", picturePath.c_str(), s.truths,
                    s.proposals, s.matched);
        for (const Rect& r : rects) {
            std::printf("    proposed %d %d %d %d\n", r.left, r.top, r.width, r.height);
        }
    }
    return s;
}

template <typename F>
double bestSeconds(F&& f) {
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto start = Clock::now();
        f();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

void timeTallPage(const std::string& dir, int height) {
    for (const char* ext : {"png", "jpg"}) {
        const std::string bytes = readAll(dir + "/timing-" + std::to_string(height) + "." + ext);
        Picture picture;
        const double decode =
            bestSeconds([&] { picture = std::move(decodePicture(bytes).value()); });
        const int64_t before = g_live.load();
        g_peak = before;
        size_t count = 0;
        const double propose = bestSeconds([&] { count = suggestHotspots(picture).size(); });
        const double extra =
            double(g_peak.load() - before) / (double(picture.width) * picture.height);
        std::printf(
            "790 x %-5d %s: proposals %.1f ms, decoding %.1f ms, ratio %.2f; %zu proposals; extra "
            "memory "
            "%.2f bytes per pixel\n",
            height, ext, 1000 * propose, 1000 * decode, propose / decode, count, extra);
    }
}

}  // namespace
}  // namespace velquist

int main(int argc, char** argv) {
    using namespace velquist;
    if (argc < 2) {
        std::fprintf(stderr, "usage: suggest_eval SET_FOLDER [HANDMADE_FOLDER] [-v]\n");
        return 2;
    }
    const bool verbose = std::string(argv[argc - 1]) == "-v";
    std::map<std::string, Score> scores;
    for (int a = 1; a < argc - (verbose ? 1 : 0); ++a) {
        const std::string dir = argv[a];
        std::ifstream index(dir + "/index.txt");
        std::string name, kind, use;
        while (index >> name >> kind >> use) {
            for (const std::string ext : {"png", "jpg"}) {
                const std::string format = ext == "png" ? "PNG" : "JPEG";
                const Score s =
                    evaluate(dir + "/" + name + "." + ext, dir + "/" + name + ".txt", verbose);
                scores[format + " " + use + " " + kind].add(s);
                scores[format + " " + use + " all"].add(s);
                scores[format + " all " + kind].add(s);
                scores[format + " all"].add(s);
            }
        }
    }
    for (const auto& [label, s] : scores) {
        print(label, s);
    }
    timeTallPage(argv[1], 1500);
    timeTallPage(argv[1], 10000);
    return 0;
}
