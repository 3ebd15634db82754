#pragma once
// Who makes the reports: the name the page footers print after
// "Reported by: ".
#include <string>
#include <string_view>

namespace morvadel {

// The full name of an account's comment field (its first comma-separated
// part, blanks trimmed), else the login name.
std::string ReporterName(std::string_view comment, std::string_view login);

// ReporterName of the account the program runs under; where the system
// knows no such account, the login name of the environment (or "").
std::string SystemReporterName();

}  // namespace morvadel
