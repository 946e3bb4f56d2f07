// Slices to files: encode one, write it, forget its bytes, then the next.
#include "slicing/slice_export.h"

#include <algorithm>

#include "core/file_io.h"
#include "core/program_dir.h"
#include "core/template_fill.h"
#include "core/text.h"
#include "pictures/picture_encoder.h"
#include "slicing/messages.h"
#include "slicing/slice_encoding.h"

namespace velquist {

std::vector<Rect> sliceAreas(int width, int height, const std::vector<int>& cuts) {
    std::vector<Rect> areas;
    int top = 0;
    for (int cut : cuts) {
        if (cut > top && cut < height) {
            areas.push_back({0, top, width, cut - top});
            top = cut;
        }
    }
    areas.push_back({0, top, width, height - top});
    return areas;
}

std::string sliceFileName(const std::string& baseName, size_t index, size_t count,
                          SliceFormat format) {
    std::string number = std::to_string(index + 1);
    const size_t digits = std::max<size_t>(2, std::to_string(count).size());
    number.insert(0, digits - std::min(digits, number.size()), '0');
    return baseName + "_" + number + (format == SliceFormat::Jpeg ? ".jpg" : ".png");
}

namespace {

// PNG slices are lossless and have no budget.
Result<EncodedSlice> encodeArea(const Picture& picture, const SliceExport& plan, const Rect& area) {
    if (plan.format == SliceFormat::Jpeg) {
        return encodeJpegWithin(picture, area, plan.jpegBudget);
    }
    Result<std::string> png = encodePng(picture, area);
    if (!png) {
        return png.status();
    }
    return EncodedSlice{std::move(*png), 0, true};
}

}  // namespace

Result<std::vector<ExportedSlice>> exportSlices(const Picture& picture, const SliceExport& plan,
                                                const SliceProgress& progress) {
    const std::vector<Rect> areas = sliceAreas(picture.width, picture.height, plan.cuts);
    std::vector<ExportedSlice> done;
    for (size_t i = 0; i < areas.size(); ++i) {
        const std::string name = sliceFileName(plan.baseName, i, areas.size(), plan.format);
        auto failed = [&](const std::string& cause) {
            return Status::failure(fillTemplate(slicing_messages::kSliceNotWritten,
                                                {{"{文件}", name}, {"{原因}", cause}}));
        };
        Result<EncodedSlice> file = encodeArea(picture, plan, areas[i]);
        if (!file) {
            return failed(file.error());
        }
        if (Status written = writeFileAtomically(joinPath(plan.folder, name), file->bytes);
            !written) {
            return failed(written.message());
        }
        done.push_back({name, areas[i], file->bytes.size(), file->quality, file->withinBudget});
        if (progress && !progress(done.size(), areas.size()) && done.size() < areas.size()) {
            return Status::failure(StatusCode::Cancelled, slicing_messages::kExportCancelled);
        }
    }
    return done;
}

std::string overBudgetNote(const std::vector<ExportedSlice>& slices, size_t budget) {
    std::string note;
    for (const ExportedSlice& s : slices) {
        if (!s.withinBudget) {
            note += (note.empty() ? "" : "；") + fillTemplate(slicing_messages::kSliceOverBudget,
                                                              {{"{文件}", s.fileName},
                                                               {"{大小}", formatByteSize(s.bytes)},
                                                               {"{预算}", formatByteSize(budget)}});
        }
    }
    return note;
}

}  // namespace velquist
