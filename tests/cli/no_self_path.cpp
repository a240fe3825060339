// Preloaded into tessora-cli by a test: the program's own path cannot be
// read (as where /proc is not mounted), every other link reads as usual.
#include <dlfcn.h>
#include <cerrno>
#include <cstring>
#include <unistd.h>

extern "C" __attribute__((visibility("default"))) ssize_t readlink(const char* path, char* buf, size_t size) {
  if (std::strcmp(path, "/proc/self/exe") == 0) {
    errno = EACCES;
    return -1;
  }
  using Readlink = ssize_t (*)(const char*, char*, size_t);
  static const auto next = reinterpret_cast<Readlink>(::dlsym(RTLD_NEXT, "readlink"));
  return next(path, buf, size);
}
