// libFuzzer target for the scheme readers: any byte string goes through the
// `.sud` and `.ss` parsers and the reader of pasted schemes, and what they
// accept must write and read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "files/scheme_format.h"
#include "scheme_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string failed = tessora::fuzz::CheckSchemeProperties(text);
  if (!failed.empty()) {
    std::fprintf(stderr, "property broken: %s\n", failed.c_str());
    std::abort();
  }
  // The name rules take any text as well.
  (void)tessora::SchemeBaseName(std::string(text));
  (void)tessora::IsSsPath(std::string(text));
  return 0;
}
