#include "photowork.h"

PhotoResult computePhoto(const PhotoRequest &request)
{
    PhotoResult result;
    result.generation = request.generation;
    result.geometry = request.geometry;
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
    const bool scaledBefore = !request.scaled.isNull() && request.scaledPlan == plan
        && request.scaledGeometry == request.geometry;
    result.scaled
        = scaledBefore ? request.scaled : prepare::scaleToPicture(result.decoded, request.geometry);
    result.reduced = prepare::reduceScaled(result.scaled, request.adjustments, request.reduction);
    return result;
}
