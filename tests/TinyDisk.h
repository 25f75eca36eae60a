#pragma once

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

// A disk of the test's own making, for failures that permission bits cannot
// produce when the tests run as root (as CI does): a tiny tmpfs mounted in a
// private mount namespace of a child process, so it is gone, whatever
// happens, when the child ends and nobody else ever sees it.
namespace tinydisk {

// The child's answer when it could not make the disk (not root, no mount
// namespaces): the caller skips the case and says why.
constexpr int unavailable = 255;

// Runs `body` in a child process whose working directory is the root of a
// fresh tmpfs mounted with `options` (for example "size=4k" or "ro"), and
// returns what body returned (0 ... 254), or `unavailable`.
inline int run(const std::string& options, const std::function<int()>& body)
{
    const pid_t child = fork();
    if (child < 0)
        return unavailable;
    if (child == 0) {
        const std::string point = "/tmp/thrask-tinydisk-" + std::to_string(getpid());
        if (unshare(CLONE_NEWNS) != 0 || mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || mkdir(point.c_str(), 0700) != 0)
            _exit(unavailable);
        const int mounted = mount("tmpfs", point.c_str(), "tmpfs", 0, options.c_str());
        const int answer = mounted == 0 && chdir(point.c_str()) == 0 ? body() : unavailable;
        if (chdir("/") == 0 && mounted == 0)
            umount(point.c_str());
        rmdir(point.c_str());
        _exit(answer);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return unavailable;
    return WEXITSTATUS(status);
}

// Inside body: makes the disk (the working directory's mount) read-only,
// after body has put on it what it needs. True when it worked.
inline bool makeReadOnly()
{
    char here[4096];
    if (getcwd(here, sizeof here) == nullptr)
        return false;
    return mount(nullptr, here, nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

} // namespace tinydisk
