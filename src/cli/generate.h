#pragma once
#include <string>
#include <vector>

namespace tessora::cli {
int Generate(const std::vector<std::string>& args);
}
