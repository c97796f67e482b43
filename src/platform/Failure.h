// Roads that must go on when one of their parts fails (start-up, quitting) run
// each part through this, so the failure is not lost in silence.
#pragma once

#include <functional>
#include <string_view>

namespace platform {

// Runs `part`. When it throws, writes "<what> failed: <reason>" to standard error
// (the exception's what(), otherwise "unknown exception") and returns false; the
// caller goes on with its next part.
bool RunReportingFailure(std::string_view what, const std::function<void()>& part);

}  // namespace platform
