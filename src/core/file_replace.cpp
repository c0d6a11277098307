// SPDX-License-Identifier: MIT
#include "core/file_replace.h"

#include "core/unique_fd.h"

#include <cerrno>
#include <cstdlib>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tintora {

namespace {

// 0, or the errno of the write that failed. A write that takes no byte is
// taken as a full disk rather than retried for ever.
int WriteAll(int fd, std::string_view bytes)
{
    const char* data = bytes.data();
    std::size_t size = bytes.size();
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return ENOSPC;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

} // namespace

unsigned NewFileMode()
{
    // The umask can only be read by setting it.
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666U & ~static_cast<unsigned>(mask);
}

int ReplaceFileAtomically(const std::string& path, std::string_view bytes, unsigned mode)
{
    Fd dir(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0)
        return errno;
    std::string temp = path + ".XXXXXX";
    Fd file(::mkostemp(temp.data(), O_CLOEXEC));
    if (file.get() < 0)
        return errno;
    int error = ::fchmod(file.get(), static_cast<mode_t>(mode & 07777)) == 0 ? 0 : errno;
    if (error == 0)
        error = WriteAll(file.get(), bytes);
    // Some file systems report a full disk only when the data is flushed.
    if (error == 0 && ::fsync(file.get()) != 0)
        error = errno;
    if (::close(file.release()) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temp.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return error;
    }
    // The new content is in place; a failing folder sync only weakens the
    // guarantee against power loss, so it does not fail the save.
    ::fsync(dir.get());
    return 0;
}

} // namespace tintora
