#pragma once
// Windows that have their own help context carry it in this property; F1 asks for it.
namespace tarn::gui {

inline constexpr const char* kHelpContextProperty = "tarnHelpContext";

}  // namespace tarn::gui
