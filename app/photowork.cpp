#include "photowork.h"

namespace {

// The file may have changed since it was opened: it is checked as on opening,
// and must still be the picture the window shows.
prepare::DecodedPicture decodeAgain(
    const prepare::PictureSource &opened, const prepare::DecodePlan &plan)
{
    const prepare::PictureSource source = prepare::openPictureSource(opened.path);
    const bool same = source.storedSize == opened.storedSize
        && source.heifFormat == opened.heifFormat && source.transformation == opened.transformation;
    if (source.status == prepare::LoadStatus::Ok && same)
        return prepare::decodePicture(source, plan);
    prepare::DecodedPicture refused;
    refused.status = source.status == prepare::LoadStatus::Ok ? prepare::LoadStatus::Unreadable
                                                              : source.status;
    refused.plan = plan;
    return refused;
}

} // namespace

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
    result.decoded = kept != request.decoded.end() ? *kept : decodeAgain(request.source, plan);
    if (result.decoded.status != prepare::LoadStatus::Ok)
        return result;
    const bool scaledBefore = !request.scaled.isNull() && request.scaledPlan == plan
        && request.scaledGeometry == request.geometry;
    result.scaled
        = scaledBefore ? request.scaled : prepare::scaleToPicture(result.decoded, request.geometry);
    result.reduced = prepare::reduceScaled(result.scaled, request.adjustments, request.reduction);
    return result;
}
