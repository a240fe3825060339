#pragma once
#include <string>
#include <vector>

namespace tessora::cli {
int Practice(const std::vector<std::string>& args);
}
