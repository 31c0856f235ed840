// The image libraries' own English warnings would reach standard error before
// our Japanese message; they are turned off where the library allows it.
#pragma once

namespace prepare {

void silenceImageLibraries();

} // namespace prepare
