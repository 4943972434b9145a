#pragma once
// The frame the five help actions share: the help file must exist; the
// action's own step then talks to HTML Help; LastError is written before the
// result variable, which receives "True" or "False".

#include <string>

namespace qp {

// What an action does once the help file exists: true when HTML Help showed
// (or closed) what was asked.
using HelpStep = bool (*)(const std::string& helpFile, const std::string& detail);

// A missing help file (or a folder) writes "The file "<helpFile>" not exists"
// into LastError and never calls the step. A step answering false writes the
// system error text of the thread's last-error code. Returns the result.
bool RunHelpAction(const std::string& helpFile, const std::string& detail, const std::string& resultVar,
                   HelpStep step);

}  // namespace qp
