// The hotspot list: opening it over 5,000 hotspots and scrolling it a page, against a table view
// of the same size over a trivial model in the same run; the model alone over 1,000; a paste of
// 1,000 hotspots.
#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <chrono>
#include <string>

#include "app/hotspot_list_window.h"
#include "codegen/image_map.h"
#include "editor/hotspot_editor.h"

namespace velquist::bench {
namespace {

constexpr int kPictureWidth = 790;
constexpr int kPictureHeight = 20000;

void measured(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->MinTime(0.2)->Repetitions(5)->ReportAggregatesOnly(true);
}

// Shop-page code with `count` areas in rows of four down the picture, every tenth one
// overlapping its neighbour and some links without a scheme.
std::string areaCode(int count) {
    ImageMapInput input;
    input.background = {0, 0, kPictureWidth, kPictureHeight};
    for (int i = 0; i < count; ++i) {
        const int x = (i % 4) * 190 + (i % 10 == 0 ? 100 : 0);
        const int y = (i / 4) * 15;
        input.areas.push_back({{x, y, 180, 14},
                               "商品 " + std::to_string(i),
                               i % 7 == 0 ? "item.example/" + std::to_string(i)
                                          : "https://item.example/" + std::to_string(i)});
    }
    return areaMapCode(input, 1);
}

Picture tallPicture() {
    Picture p;
    p.width = kPictureWidth;
    p.height = kPictureHeight;
    p.opaque = true;
    p.pixels.assign(static_cast<size_t>(p.width) * p.height, 0x00E0E0E0u);
    return p;
}

struct Editor {
    HotspotEditor editor{1400, 900};
    explicit Editor(int hotspots) {
        editor.finishLoad("page.png", tallPicture());
        editor.pasteCode(areaCode(hotspots));
    }
};

bool acceptAll(int32_t, HotspotColumn, const std::string&) {
    return true;
}

// The reference: the same rows and columns from a model that answers with the row number.
class TrivialModel : public QAbstractTableModel {
public:
    explicit TrivialModel(int rows) : m_rows(rows) {}
    int rowCount(const QModelIndex& = {}) const override { return m_rows; }
    int columnCount(const QModelIndex& = {}) const override { return kHotspotColumnCount; }
    QVariant data(const QModelIndex& index, int role) const override {
        return role == Qt::DisplayRole ? QVariant(index.row()) : QVariant();
    }

private:
    int m_rows;
};

double g_referenceOpenNs = 0;
double g_referenceScrollNs = 0;

double nsPerIteration(std::chrono::steady_clock::time_point since, const benchmark::State& state) {
    const auto elapsed = std::chrono::steady_clock::now() - since;
    return std::chrono::duration<double, std::nano>(elapsed).count() /
           static_cast<double>(state.iterations());
}

void showAndPaint(QWidget* window, QTableView* table) {
    window->show();
    table->viewport()->repaint();
    QCoreApplication::processEvents();
}

void BM_OpenReferenceTable5000(benchmark::State& state) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        TrivialModel model(5000);
        QTableView table;
        table.setModel(&model);
        table.resize(640, 480);
        showAndPaint(&table, &table);
        table.close();
    }
    g_referenceOpenNs = nsPerIteration(start, state);
}
BENCHMARK(BM_OpenReferenceTable5000)->Apply(measured);

void BM_OpenList5000(benchmark::State& state) {
    Editor e(5000);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        HotspotListWindow window(e.editor, acceptAll);
        showAndPaint(&window, window.table());
        window.close();
    }
    state.counters["ratio_to_table"] = nsPerIteration(start, state) / g_referenceOpenNs;
}
BENCHMARK(BM_OpenList5000)->Apply(measured);

void scrollPages(benchmark::State& state, QTableView* table) {
    QScrollBar* bar = table->verticalScrollBar();
    for (auto _ : state) {
        const int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        table->viewport()->repaint();
    }
}

void BM_ScrollReferencePage5000(benchmark::State& state) {
    TrivialModel model(5000);
    QTableView table;
    table.setModel(&model);
    table.resize(640, 480);
    showAndPaint(&table, &table);
    const auto start = std::chrono::steady_clock::now();
    scrollPages(state, &table);
    g_referenceScrollNs = nsPerIteration(start, state);
}
BENCHMARK(BM_ScrollReferencePage5000)->Apply(measured);

void BM_ScrollListPage5000(benchmark::State& state) {
    Editor e(5000);
    HotspotListWindow window(e.editor, acceptAll);
    showAndPaint(&window, window.table());
    const auto start = std::chrono::steady_clock::now();
    scrollPages(state, window.table());
    state.counters["ratio_to_table"] = nsPerIteration(start, state) / g_referenceScrollNs;
}
BENCHMARK(BM_ScrollListPage5000)->Apply(measured);

// The model part of opening over 1,000: the rows, and every cell of the first page with its
// notes worked out.
void BM_ModelOpen1000(benchmark::State& state) {
    Editor e(1000);
    for (auto _ : state) {
        HotspotListModel model(e.editor, acceptAll);
        for (int row = 0; row < 30; ++row) {
            for (int column = 0; column < kHotspotColumnCount; ++column) {
                benchmark::DoNotOptimize(model.data(model.index(row, column), Qt::DisplayRole));
            }
        }
    }
}
BENCHMARK(BM_ModelOpen1000)->Apply(measured);

// A change on the canvas with the list open over 5,000: the table told, its notes worked out
// again for the cells shown.
void BM_FollowChange5000(benchmark::State& state) {
    Editor e(5000);
    HotspotListWindow window(e.editor, acceptAll);
    showAndPaint(&window, window.table());
    int step = 1;
    for (auto _ : state) {
        e.editor.nudgeSelected(step, 0);
        step = -step;
        window.follow();
        window.table()->viewport()->repaint();
    }
}
BENCHMARK(BM_FollowChange5000)->Apply(measured);

void BM_Paste1000(benchmark::State& state) {
    const std::string code = areaCode(1000);
    Editor e(0);
    for (auto _ : state) {
        e.editor.pasteCode(code);
        state.PauseTiming();
        e.editor.undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Paste1000)->Apply(measured);

}  // namespace
}  // namespace velquist::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
