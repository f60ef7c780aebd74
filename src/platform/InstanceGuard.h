// InstanceGuard.h -- a per-user, per-name marker that only one running process can hold.
//
// A name is held per user and per display, as a session's named mutex is: copies on two displays
// (a desktop and a private test server) do not see each other.
//
// Two forms stand behind one name, and each is released by the kernel when its holder ends, however
// it ends, so a crash or a reused process id can never leave a guard that stops every later start:
//
//   - an abstract Unix socket, "kelpora-<uid>-<display>-<name>", which needs no folder at all; a process of
//     another user sitting on that address is recognised by its credentials and not obeyed;
//   - an exclusive flock on "kelpora-<name>-<user>[-<display>].lock" in the first lock folder that takes it
//     ($XDG_RUNTIME_DIR, else $HOME), which no other user can take from us.
//
// A name is held by another copy when either form says so, and ours when at least one form is.
// Only when neither works is there no guard; the caller reports that and runs anyway.
#pragma once

#include <string>
#include <vector>

enum class InstanceClaim
{
    Taken,         // this process holds the name until the guard ends
    HeldByAnother, // a running process of our user holds it
    Unguarded,     // neither form could be set up: nothing tells whether another copy runs
};

class CInstanceGuard
{
public:
    CInstanceGuard(const std::string& name, const std::vector<std::string>& lockFolders = LockFolders(),
                   const std::string& display = DisplayName());
    // Releases the name; the lock file is removed while still locked.
    ~CInstanceGuard();

    CInstanceGuard(const CInstanceGuard&) = delete;
    CInstanceGuard& operator=(const CInstanceGuard&) = delete;

    InstanceClaim Claim() const { return claim; }
    // The lock file held, or "" when the file form is not in use.
    const std::string& LockPath() const { return lockPath; }

    // $XDG_RUNTIME_DIR and $HOME, each only when set to an absolute path, each ending in '/'.
    static std::vector<std::string> LockFolders();
    // The display the program will open ($DISPLAY without its screen number, else
    // $WAYLAND_DISPLAY), as letters, digits and '_' only; "" when neither is set.
    static std::string DisplayName();

private:
    enum class FormResult
    {
        Taken,
        Held,
        Unusable,
    };
    FormResult ClaimSocket(const std::string& name, const std::string& display);
    FormResult ClaimLockFile(const std::string& name, const std::string& display,
                             const std::vector<std::string>& folders);

    InstanceClaim claim = InstanceClaim::Unguarded;
    int socketFd = -1;
    int lockFd = -1;
    std::string lockPath;
};
