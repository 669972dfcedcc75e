// The cost of recolouring, each beside a plain copy of the same pixels:
//  - both character panels rendered into BASE0 and BASE1 (what a colour change costs);
//  - the picker's 21 swatches of one part, each recoloured from the pattern and laid on
//    its hexagon in the back buffer (what choosing a part costs).
// After the runs, a table gives the median of each with its reference and the ratio.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "colour/colour_model.h"
#include "colour/colour_types.h"
#include "colour/part_buttons.h"
#include "colour/picker_layout.h"
#include "colour/preview.h"
#include "colour/recolour.h"
#include "platform/sim/sim_platform.h"
#include "shell/main_canvas.h"
#include "shell/skin.h"

namespace {

using namespace tinto;
namespace pl = picker_layout;

// The goal: recolouring costs at most this many plain copies of the same pixels.
constexpr double kMostTimesCopy = 3.0;

// The part whose swatches are drawn (the picker's first button).
constexpr std::size_t kSwatchPart = 0;

// The program's skin and colours, loaded once.
struct Scene {
  Scene() : platform({}, {}, 0, log), canvas(platform, skin), preview(skin, colours, canvas) {
    skin.Load();
  }
  std::ostringstream log;
  sim::SimPlatform platform;
  Skin skin;
  ColourModel colours;
  MainCanvas canvas;
  CharacterPreview preview;
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

void BM_RecolourBothPanels(benchmark::State& state) {
  Scene& s = TheScene();
  for (auto _ : state) {
    s.preview.RenderPreview(CharacterPreview::kBothPanels);
    benchmark::ClobberMemory();
  }
}

// The pixels the panel rendering writes, copied as they are: per panel and skin, the two
// blank halves, the figure area and the icons.
void BM_CopyBothPanels(benchmark::State& state) {
  Scene& s = TheScene();
  const gfx::Bitmap& pattern = s.skin[kColptn];
  for (auto _ : state) {
    for (int v = 0; v <= 1; ++v) {
      const int f = 209 * v;
      for (int slot : {kBase0, kBase1}) {
        gfx::Bitmap& b = s.skin[slot];
        gfx::Blit(b, {32, f + 13}, b, {271, 13, 136, 88});
        gfx::Blit(b, {32, f + 101}, b, {271, 310, 136, 88});
        gfx::Blit(b, {93, f + 13}, pattern, {93 + 75 * (slot == kBase0 ? 0 : 1), 13, 74, 176});
        gfx::Blit(b, {36, f + 42}, pattern, {36, 42, 55, 117});
      }
    }
    benchmark::ClobberMemory();
  }
}

// The hexagon under a swatch, from the picker's skin.
void LayHexagon(gfx::Bitmap& back, const gfx::Bitmap& face, gfx::Rect hex) {
  gfx::Blit(back, {hex.left + 3, hex.top}, face,
            {pl::kHexColumnSource.x, pl::kHexColumnSource.y, 20, 21});
  gfx::Blit(back, {hex.left, hex.top + 6}, face,
            {pl::kHexBandSource.x, pl::kHexBandSource.y, 26, 9});
}

// The swatches as the picker draws them when it opens: the icon's runs of key colours
// found, then for each entry the hexagon from the skin and the icon painted onto it.
void BM_RecolourPickerSwatches(benchmark::State& state) {
  Scene& s = TheScene();
  gfx::Bitmap back(pl::kWidth, pl::kHeight);
  const gfx::Bitmap& face = s.skin[kBase4];
  const gfx::Rect first = pl::EntryHexagon(0);
  const gfx::Rect icon{kPX[kSwatchPart] + 4, kPY[kSwatchPart] + 3, first.width, first.height};
  for (auto _ : state) {
    const PatternRuns runs(s.skin[kColptn], s.colours, icon);
    for (int e = 0; e < pl::kEntries; ++e) {
      const gfx::Rect hex = pl::EntryHexagon(e);
      LayHexagon(back, face, hex);
      runs.Paint(back, s.colours, kWorkRow, {hex.left, hex.top});
    }
    benchmark::ClobberMemory();
  }
}

// The same three copies per entry, the pattern's pixels copied as they are.
void BM_CopyPickerSwatches(benchmark::State& state) {
  Scene& s = TheScene();
  gfx::Bitmap back(pl::kWidth, pl::kHeight);
  const gfx::Bitmap& face = s.skin[kBase4];
  for (auto _ : state) {
    for (int e = 0; e < pl::kEntries; ++e) {
      const gfx::Rect hex = pl::EntryHexagon(e);
      LayHexagon(back, face, hex);
      gfx::Blit(back, {hex.left, hex.top}, s.skin[kColptn],
                {kPX[kSwatchPart] + 4, kPY[kSwatchPart] + 3, hex.width, hex.height});
    }
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_RecolourBothPanels)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyBothPanels)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecolourPickerSwatches)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyPickerSwatches)->Unit(benchmark::kMicrosecond);

// Keeps the median of each run for the closing table.
class MedianTable : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const std::string name = run.benchmark_name();
      const auto at = name.find("_median");
      if (at != std::string::npos || run.aggregate_name.empty())
        medians_[run.run_name.function_name] = run.GetAdjustedCPUTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Table() const {
    std::printf("\n%-26s %12s %14s %8s  %s\n", "recolouring", "median", "plain copy", "ratio",
                "goal");
    Line("both panels", "BM_RecolourBothPanels", "BM_CopyBothPanels");
    Line("picker's 21 swatches", "BM_RecolourPickerSwatches", "BM_CopyPickerSwatches");
  }

 private:
  void Line(const char* label, const char* timed, const char* reference) const {
    const double t = medians_.at(timed);
    const double r = medians_.at(reference);
    std::printf("%-26s %9.1f us %11.1f us %7.1fx  %s\n", label, t, r, t / r,
                t <= kMostTimesCopy * r ? "at most 3x the copy: yes" : "at most 3x the copy: NO");
  }
  std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  MedianTable reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.Table();
  benchmark::Shutdown();
  return 0;
}
