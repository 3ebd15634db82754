#pragma once
// A step run in a child process under a file-size limit, as `ulimit -f`
// sets it: writes past the limit fail there as on a full disk, and a
// process that neither catches nor ignores the system's signal for them
// ends, which the test sees instead of ending itself.
#include <sys/resource.h>

#include <functional>
#include <string>

#include "child_process.h"

namespace morvadel::test {

// Runs `step` as InChildProcess does, in a child whose files may grow to
// `bytes` at most.
inline std::string UnderFileSizeLimit(rlim_t bytes, const std::function<std::string()>& step) {
  return InChildProcess([&] {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) return std::string("no file-size limit");
    limit.rlim_cur = bytes;
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return std::string("no file-size limit");
    return step();
  });
}

}  // namespace morvadel::test
