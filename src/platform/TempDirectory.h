// TempDirectory.h -- the private folder that unpacked resources pass through.
//
// Resources are unpacked to files, decoded and loaded, and the files deleted again. Those files
// never go straight into the shared temporary folder, where another user could plant links under
// their fixed names: they go into a folder of our own, created with mode 0700 under the system's
// temporary folder ($TMPDIR, else /tmp) and removed with everything in it when the owner ends.
#pragma once

#include "platform/ErrorReport.h"

#include <string>

class CTempDirectory
{
public:
    // Creates the private folder. On failure reports "Error Find TempPath." (caption "ERROR")
    // and Path() is empty, so that files land in the current directory instead.
    explicit CTempDirectory(const ErrorReport& report);
    ~CTempDirectory();

    CTempDirectory(const CTempDirectory&) = delete;
    CTempDirectory& operator=(const CTempDirectory&) = delete;

    // The folder, ending in '/', or "" when it could not be created.
    const std::string& Path() const { return path; }

private:
    std::string path;
};

// The system's temporary folder ending in '/': $TMPDIR when it names a folder, else "/tmp/".
std::string SystemTempDirectory();
