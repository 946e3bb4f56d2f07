// The picture analysis run on a worker: the edge map and the proposals, as asked.
#include "editor/picture_analysis.h"

namespace velquist {

AnalysisResult analysePicture(const AnalysisRequest& request) {
    AnalysisResult result;
    result.ticket = request.ticket;
    result.picture = request.picture;
    if (request.picture == nullptr) {
        return result;
    }
    if (request.edges) {
        result.edges = EdgeMap::of(*request.picture);
    }
    if (request.proposeAround) {
        result.proposals = suggestHotspots(*request.picture, *request.proposeAround);
    }
    return result;
}

}  // namespace velquist
