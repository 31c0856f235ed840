#include "photowork.h"

PhotoResult computePhoto(const PhotoRequest &request)
{
    PhotoResult result;
    result.generation = request.generation;
    if (request.newest && *request.newest != request.generation) {
        result.skipped = true;
        return result;
    }
    const prepare::DecodePlan plan = prepare::decodePlan(request.source, request.geometry, true);
    const auto kept = std::find_if(request.decoded.begin(), request.decoded.end(),
        [&](const prepare::DecodedPicture &decoded) { return decoded.plan == plan; });
    result.decoded
        = kept != request.decoded.end() ? *kept : prepare::decodePicture(request.source, plan);
    if (result.decoded.status != prepare::LoadStatus::Ok)
        return result;
    result.reduced = prepare::reduceDecoded(
        result.decoded, request.geometry, request.adjustments, request.reduction);
    return result;
}
