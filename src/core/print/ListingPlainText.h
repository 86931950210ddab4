#pragma once
// The listing as plain UTF-8 text, for a terminal or a text file: every page, a line holding only a form
// feed between pages.
#include <string>
#include <string_view>

#include "print/ListingJob.h"

namespace tarn {

// `line` with the degree-Celsius sign written "°C", which takes the same two columns.
std::string PlainTextLine(std::string_view line);
// Every page of `job`, each line ended by "\n", pages separated by the line "\f\n".
std::string ListingPlainText(const ListingJob& job);

}  // namespace tarn
