// The photo window's work, off the user-interface thread: one request holds
// every setting of the window and the pictures decoded so far; the result is
// what the window shows. A request that is no longer the newest when its turn
// comes is skipped. A picture decoded anew is checked again first, as the file
// may have changed since it was opened.
#pragma once

#include "prepare.h"

#include <QFuture>
#include <QList>
#include <atomic>
#include <functional>
#include <memory>

struct PhotoRequest
{
    int generation = 0;
    // The newest generation asked for, shared with the window.
    std::shared_ptr<const std::atomic<int>> newest;
    prepare::PictureSource source;
    // Decoded pictures kept by the window; one is used again when its plan is
    // the plan of this request's settings.
    QList<prepare::DecodedPicture> decoded;
    // The scaled picture of an earlier result, used again when the plan and
    // the geometry are still those it was made with.
    prepare::DecodePlan scaledPlan;
    prepare::Geometry scaledGeometry;
    QImage scaled;
    prepare::Geometry geometry;
    prepare::Adjustments adjustments;
    prepare::ReductionOptions reduction;
};

struct PhotoResult
{
    int generation = 0;
    bool skipped = false; // superseded before it started
    prepare::DecodedPicture decoded; // the picture this result was made from
    prepare::Geometry geometry;
    QImage scaled; // as scaleToPicture made it from decoded and geometry
    prepare::ReducedPicture reduced;
};

PhotoResult computePhoto(const PhotoRequest &request);

// Runs a job somewhere and gives its future; the window's default runs it on a
// thread of its own, tests run it when they choose.
using PhotoRunner = std::function<QFuture<PhotoResult>(std::function<PhotoResult()> job)>;
