// The HTML the purple-star window shows beside the chart: the summary of the chart, or the stars
// of one palace. Texts from the user and the data file are escaped.
#pragma once

#include "suite/charts/PurpleStarChart.h"

#include <string>

namespace velmora::app {

// The colour tag of an element: "#000000" … "#A9A9A9", empty outside 0..4.
std::u16string elementHtmlColour(int element);

std::u16string purpleStarSummaryHtml(const charts::PurpleStarChart& chart);
std::u16string purpleStarPalaceHtml(const charts::PurpleStarChart& chart, int position);

// The summary, or the selected palace's stars when one is selected.
std::u16string purpleStarHtml(const charts::PurpleStarChart& chart);

} // namespace velmora::app
