// ErrorReport.cpp -- the default report, for code that runs without a window.
#include "platform/ErrorReport.h"

#include <cstdio>

void ReportToStandardError(const std::string& text, const std::string& caption)
{
    std::fprintf(stderr, "kelpora: %s%s%s\n", caption.c_str(), caption.empty() ? "" : ": ", text.c_str());
}
