#pragma once
// The program's own texts under their string ids. "%1" in a text is replaced by a path or a port.
#include <string>
#include <string_view>

namespace tarn {

// The text stored under `id`, or an empty view when there is none.
std::string_view LoadString(int id);

// The text of `id` with every "%1" replaced by `argument`.
std::string FormatString(int id, std::string_view argument);

// `text` with every `placeholder` ("%1" unless given) replaced by `argument`.
std::string ReplacePlaceholder(std::string_view text, std::string_view argument, std::string_view placeholder = "%1");

}  // namespace tarn
