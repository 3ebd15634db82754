#include "platform/user_account.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace morvadel {

namespace {

std::string_view Trimmed(std::string_view s) {
  const size_t b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

}  // namespace

std::string ReporterName(std::string_view comment, std::string_view login) {
  const std::string_view fullName = Trimmed(comment.substr(0, comment.find(',')));
  return std::string(fullName.empty() ? Trimmed(login) : fullName);
}

std::string SystemReporterName() {
  if (const passwd* account = getpwuid(geteuid()))
    return ReporterName(account->pw_gecos ? account->pw_gecos : "", account->pw_name ? account->pw_name : "");
  const char* login = std::getenv("LOGNAME");
  if (!login) login = std::getenv("USER");
  return ReporterName("", login ? login : "");
}

}  // namespace morvadel
