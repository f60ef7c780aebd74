// Tests of the single-instance guard: one holder per name, released however the holder ends.
#include "platform/InstanceGuard.h"

#include "platform/ScratchFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Names of their own, so that a running aquarium or a parallel test never meets these.
std::string TestName(const char* what)
{
    return std::string("test-") + std::to_string(getpid()) + "-" + what;
}

bool Exists(const std::string& path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}
} // namespace

TEST(InstanceGuard, OneHolderPerNameUntilItEnds)
{
    CScratchFolder folder;
    const std::vector<std::string> folders = {folder.path + "/"};
    std::string lockPath;
    {
        CInstanceGuard first(TestName("one"), folders);
        ASSERT_EQ(first.Claim(), InstanceClaim::Taken);
        lockPath = first.LockPath();
        EXPECT_EQ(lockPath.rfind(folder.path + "/kelpora-" + TestName("one") + "-", 0), 0u) << lockPath;
        EXPECT_TRUE(Exists(lockPath));

        CInstanceGuard second(TestName("one"), folders);
        EXPECT_EQ(second.Claim(), InstanceClaim::HeldByAnother);
        CInstanceGuard otherName(TestName("two"), folders);
        EXPECT_EQ(otherName.Claim(), InstanceClaim::Taken);
    }
    EXPECT_FALSE(Exists(lockPath)); // the holder takes its lock file with it
    CInstanceGuard again(TestName("one"), folders);
    EXPECT_EQ(again.Claim(), InstanceClaim::Taken);
}

// A lock file naming a live process (init) is what stopped every start before: the guard never
// reads what a lock file says, only whether a live holder has it locked.
TEST(InstanceGuard, ALeftoverLockFileNamingALiveProcessDoesNotStopAStart)
{
    CScratchFolder folder;
    std::string lockPath;
    {
        CInstanceGuard probe(TestName("stale"), {folder.path + "/"});
        lockPath = probe.LockPath();
    }
    ASSERT_FALSE(lockPath.empty());
    WriteWholeFile(lockPath, "1\n");

    CInstanceGuard guard(TestName("stale"), {folder.path + "/"});
    EXPECT_EQ(guard.Claim(), InstanceClaim::Taken);
    EXPECT_EQ(guard.LockPath(), lockPath);
}

// With no folder to lock in (HOME unwritable, no runtime folder) the socket still guards.
TEST(InstanceGuard, WithoutAnyLockFolderTheSocketStillRefusesASecondHolder)
{
    const std::vector<std::string> unusable = {"/proc/self/", "/nonexistent/"};
    CInstanceGuard first(TestName("nofolder"), unusable);
    ASSERT_EQ(first.Claim(), InstanceClaim::Taken);
    EXPECT_EQ(first.LockPath(), "");
    CInstanceGuard second(TestName("nofolder"), unusable);
    EXPECT_EQ(second.Claim(), InstanceClaim::HeldByAnother);

    // A copy whose environment differs (it found a folder) still sees the first.
    CScratchFolder folder;
    CInstanceGuard third(TestName("nofolder"), {folder.path + "/"});
    EXPECT_EQ(third.Claim(), InstanceClaim::HeldByAnother);
    EXPECT_TRUE(FolderEntries(folder.path).empty());
}

// However a holder ends, even by SIGKILL with no chance to clean up, the kernel lets go.
TEST(InstanceGuard, AKilledHolderReleasesTheName)
{
    CScratchFolder folder;
    const std::vector<std::string> folders = {folder.path + "/"};
    const std::string name = TestName("killed"); // the child's own pid would give another name
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t holder = fork();
    if (holder == 0) {
        CInstanceGuard guard(name, folders);
        const char claimed = guard.Claim() == InstanceClaim::Taken ? 'y' : 'n';
        if (write(ready[1], &claimed, 1) != 1)
            _exit(1);
        pause();
        _exit(0);
    }
    ASSERT_GT(holder, 0);
    char claimed = 0;
    ASSERT_EQ(read(ready[0], &claimed, 1), 1);
    EXPECT_EQ(claimed, 'y');
    {
        CInstanceGuard whileHeld(name, folders);
        EXPECT_EQ(whileHeld.Claim(), InstanceClaim::HeldByAnother);
    }
    kill(holder, SIGKILL);
    ASSERT_EQ(waitpid(holder, nullptr, 0), holder);
    close(ready[0]);
    close(ready[1]);

    CInstanceGuard afterwards(name, folders);
    EXPECT_EQ(afterwards.Claim(), InstanceClaim::Taken);
}

// Per display, as a session's mutex is: a copy on a private test server does not stop one on the
// desktop. A screen number does not make another display.
TEST(InstanceGuard, EachDisplayHasItsOwnHolder)
{
    CScratchFolder folder;
    const std::vector<std::string> folders = {folder.path + "/"};
    CInstanceGuard desktop(TestName("display"), folders, "_0");
    ASSERT_EQ(desktop.Claim(), InstanceClaim::Taken);
    CInstanceGuard elsewhere(TestName("display"), folders, "_7");
    EXPECT_EQ(elsewhere.Claim(), InstanceClaim::Taken);

    CBorrowedVariable display("DISPLAY", ":0.1");
    EXPECT_EQ(CInstanceGuard::DisplayName(), "_0");
    CInstanceGuard sameDesktop(TestName("display"), folders);
    EXPECT_EQ(sameDesktop.Claim(), InstanceClaim::HeldByAnother);
}
