// InstanceGuard.cpp -- the abstract socket and the lock file behind one instance name.
#include "platform/InstanceGuard.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// Probing connections wait in the holder's queue until it ends (it never accepts), so the queue is
// made long enough for any number of second starts a user could make.
constexpr int kProbeBacklog = SOMAXCONN;
constexpr int kLockAttempts = 5; // a holder removing its file between our open and our lock

std::string WithSlash(std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

std::string UserName()
{
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_name && *entry->pw_name)
        return entry->pw_name;
    return std::to_string(getuid());
}

// The abstract address: a leading NUL, then the name; its length counts exactly the bytes used.
socklen_t AbstractAddress(const std::string& name, sockaddr_un& address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const size_t length = std::min(name.size(), sizeof address.sun_path - 1);
    std::memcpy(address.sun_path + 1, name.data(), length);
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
}

// Whether the process listening on the address belongs to our user. A listener whose queue is
// full answers nothing; such a queue is filled only by probes of our own user's second starts.
bool ListenerIsOurs(const sockaddr_un& address, socklen_t length)
{
    const int probe = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (probe < 0)
        return true;
    bool ours = true;
    if (connect(probe, reinterpret_cast<const sockaddr*>(&address), length) == 0) {
        ucred credentials{};
        socklen_t size = sizeof credentials;
        if (getsockopt(probe, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0)
            ours = credentials.uid == getuid();
    } else if (errno == ECONNREFUSED) {
        ours = false; // bound but not listening: not one of ours
    }
    close(probe);
    return ours;
}
} // namespace

std::string CInstanceGuard::DisplayName()
{
    std::string display;
    if (const char* x = std::getenv("DISPLAY"); x && *x) {
        display = x;
        // ":0" and ":0.0" are one display: drop a screen number after the display number.
        const size_t colon = display.rfind(':');
        const size_t dot = display.rfind('.');
        if (colon != std::string::npos && dot != std::string::npos && dot > colon)
            display.erase(dot);
    } else if (const char* wayland = std::getenv("WAYLAND_DISPLAY"); wayland && *wayland) {
        display = wayland;
    }
    for (char& c : display) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return display;
}

std::vector<std::string> CInstanceGuard::LockFolders()
{
    std::vector<std::string> folders;
    for (const char* variable : {"XDG_RUNTIME_DIR", "HOME"}) {
        const char* value = std::getenv(variable);
        if (value && value[0] == '/')
            folders.push_back(WithSlash(value));
    }
    return folders;
}

CInstanceGuard::CInstanceGuard(const std::string& name, const std::vector<std::string>& lockFolders,
                               const std::string& display)
{
    const FormResult bySocket = ClaimSocket(name, display);
    const FormResult byFile = ClaimLockFile(name, display, lockFolders);
    if (bySocket == FormResult::Held || byFile == FormResult::Held)
        claim = InstanceClaim::HeldByAnother;
    else if (bySocket == FormResult::Taken || byFile == FormResult::Taken)
        claim = InstanceClaim::Taken;
    else
        claim = InstanceClaim::Unguarded;

    if (claim != InstanceClaim::Taken) {
        // Whatever one form took is let go again: the name is not ours.
        if (socketFd >= 0)
            close(socketFd);
        socketFd = -1;
        if (lockFd >= 0) {
            unlink(lockPath.c_str());
            close(lockFd);
        }
        lockFd = -1;
        lockPath.clear();
    }
}

CInstanceGuard::~CInstanceGuard()
{
    if (lockFd >= 0) {
        // Unlinked before the lock goes, so a starter that opens the old file finds it replaced.
        unlink(lockPath.c_str());
        close(lockFd);
    }
    if (socketFd >= 0)
        close(socketFd);
}

CInstanceGuard::FormResult CInstanceGuard::ClaimSocket(const std::string& name, const std::string& display)
{
    sockaddr_un address;
    const socklen_t length =
        AbstractAddress("kelpora-" + std::to_string(getuid()) + "-" + display + "-" + name, address);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return FormResult::Unusable;
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0 && listen(fd, kProbeBacklog) == 0) {
        socketFd = fd;
        return FormResult::Taken;
    }
    const bool inUse = errno == EADDRINUSE;
    close(fd);
    if (inUse && ListenerIsOurs(address, length))
        return FormResult::Held;
    return FormResult::Unusable;
}

CInstanceGuard::FormResult CInstanceGuard::ClaimLockFile(const std::string& name, const std::string& display,
                                                         const std::vector<std::string>& folders)
{
    const std::string fileName =
        "kelpora-" + name + "-" + UserName() + (display.empty() ? "" : "-" + display) + ".lock";
    for (const std::string& folder : folders) {
        const std::string path = folder + fileName;
        for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
            const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (fd < 0)
                break; // this folder cannot hold it: try the next
            if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
                const bool held = errno == EWOULDBLOCK;
                close(fd);
                if (held)
                    return FormResult::Held;
                break;
            }
            // The lock counts only on the file that still has the name; a holder that ended may
            // have unlinked it after we opened it.
            struct stat opened, named;
            if (fstat(fd, &opened) == 0 && stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
                opened.st_ino == named.st_ino) {
                lockFd = fd;
                lockPath = path;
                return FormResult::Taken;
            }
            close(fd);
        }
    }
    return FormResult::Unusable;
}
