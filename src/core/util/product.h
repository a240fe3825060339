// The product's name and version, as the window's title and the print sheet
// show them.
#pragma once

#include <string>

namespace tessora {

inline const std::string kProductTitle = "Tessora";
inline const std::string kVersion = "2.2";

}  // namespace tessora
