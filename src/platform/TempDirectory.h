// TempDirectory.h -- the private folder that unpacked resources pass through.
//
// Resources are unpacked to files, decoded and loaded, and the files deleted again. Those files
// never go straight into a shared temporary folder, where another user could plant links under
// their fixed names: they go into a folder of our own, created with mode 0700 under the first
// temporary folder that takes one ($TMPDIR, /tmp, /var/tmp, $XDG_RUNTIME_DIR) and removed with
// everything in it when the owner ends.
//
// The folder is named kelpora-<uid>-<pid>-XXXXXX. A copy that was killed cannot remove its own,
// so each new owner first removes the folders of our user whose process no longer exists.
#pragma once

#include "platform/ErrorReport.h"

#include <string>
#include <vector>

class CTempDirectory
{
public:
    // Creates the private folder under the first of `candidates` that takes one. When none does,
    // reports "Error Find TempPath." (caption "ERROR") once and Path() is empty: there is then no
    // place for unpacked files at all, and the program runs without its packed pictures and sound.
    explicit CTempDirectory(const ErrorReport& report,
                            const std::vector<std::string>& candidates = CandidateTempFolders());
    ~CTempDirectory();

    CTempDirectory(const CTempDirectory&) = delete;
    CTempDirectory& operator=(const CTempDirectory&) = delete;

    // The folder, ending in '/', or "" when none could be created.
    const std::string& Path() const { return path; }

    // Where the private folder may go, in the order tried: $TMPDIR, /tmp, /var/tmp,
    // $XDG_RUNTIME_DIR, each ending in '/'. Unset or empty variables are left out.
    static std::vector<std::string> CandidateTempFolders();

private:
    std::string path;
};

// Removes, from `parent` (ending in '/'), the private folders of our user whose process has
// ended. Only folders we own are touched, never through a link, and only plain entries in them.
void RemoveAbandonedTempFolders(const std::string& parent);
