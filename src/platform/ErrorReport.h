// ErrorReport.h -- how code below the window layer tells the user that something failed.
//
// The scene and the platform layers never show windows themselves. They report a failure through
// an ErrorReport handed down by whoever owns them: the window shell shows a message box, tests
// collect the messages, and the default prints to standard error.
#pragma once

#include <functional>
#include <string>

// text: the message shown to the user; caption: the title of its box ("" for the default).
using ErrorReport = std::function<void(const std::string& text, const std::string& caption)>;

// Writes "caption: text" to standard error.
void ReportToStandardError(const std::string& text, const std::string& caption);
