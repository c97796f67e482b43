#include "platform/Failure.h"

#include <cstdio>
#include <exception>
#include <string>

namespace platform {

namespace {

void WriteFailure(std::string_view what, const char* reason) {
  std::fprintf(stderr, "%.*s failed: %s\n", static_cast<int>(what.size()), what.data(), reason);
  std::fflush(stderr);
}

}  // namespace

bool RunReportingFailure(std::string_view what, const std::function<void()>& part) {
  try {
    part();
    return true;
  } catch (const std::exception& failure) {
    WriteFailure(what, failure.what());
  } catch (...) {
    WriteFailure(what, "unknown exception");
  }
  return false;
}

}  // namespace platform
