// Writing a picture's slices as files, one at a time, so that memory stays near the decoded
// picture's size however many slices there are.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/geometry.h"
#include "core/status.h"
#include "pictures/picture.h"

namespace velquist {

enum class SliceFormat { Jpeg, Png };

struct SliceExport {
    std::string folder;
    std::string baseName;
    SliceFormat format = SliceFormat::Jpeg;
    size_t jpegBudget = 0;  // bytes per slice; JPEG only
    std::vector<int> cuts;  // as proposeCuts gives them
};

struct ExportedSlice {
    std::string fileName;  // "<base>_01.jpg"…, in the export's folder
    Rect area;             // the slice's rows of the picture
    size_t bytes = 0;
    int quality = 0;           // JPEG only
    bool withinBudget = true;  // JPEG only
};

// The picture's rectangles between the cuts, top to bottom.
std::vector<Rect> sliceAreas(int width, int height, const std::vector<int>& cuts);
// "<base>_NN.jpg" / ".png", numbered from 01 (more digits once there are 100 slices or more).
std::string sliceFileName(const std::string& baseName, size_t index, size_t count,
                          SliceFormat format);

// Told after each slice is written (slices done, all slices); answering false stops the export
// before the next slice.
using SliceProgress = std::function<bool(size_t done, size_t total)>;

// Writes every slice (each file replaced whole or not at all). A failure names the slice and
// why; slices written before it stay.
Result<std::vector<ExportedSlice>> exportSlices(const Picture& picture, const SliceExport& plan,
                                                const SliceProgress& progress = {});

// The status line's words for slices over the budget ("" when every slice fits).
std::string overBudgetNote(const std::vector<ExportedSlice>& slices, size_t budget);

}  // namespace velquist
