// The chart of a picture for the command line: its analysis and its chart
// file, with every refusal reported on standard error.
#pragma once

#include "chartstore.h"

#include <optional>

struct modShared;

// The opened chart, or the exit code after reporting why not: the picture's
// refusals as list gives them (ExitRefused, ExitBroken), and a chart file that
// cannot be used (ExitBroken; the file is left as it was).
std::optional<chart::OpenedChart> openChartOption(
    const QString &path, modShared &model, int &exitCode);

// ExitDone, or ExitBroken / ExitWriteFailed after reporting the failed save.
int reportSave(const chart::SaveResult &result);
