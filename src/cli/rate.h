#pragma once
#include <string>
#include <vector>

namespace tessora::cli {
int Rate(const std::vector<std::string>& args);
}
