// SPDX-License-Identifier: MIT
#include "platform/clipboard_holder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tintora {

namespace {

const QLatin1String kHolderName("tintora-clipboard-holder");

// How long the holder may take to connect and take the selection.
constexpr int kStartTimeoutMs = 5000;

// Waits for `pid` to end; its exit status, or -1 when it did not end in time
// (it is then killed) or ended by a signal.
int WaitForExit(pid_t pid)
{
    for (int waited = 0;; waited += 5) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (done < 0 && errno != EINTR)
            return -1;
        if (waited >= kStartTimeoutMs) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        const timespec pause{0, 5L * 1000 * 1000};
        nanosleep(&pause, nullptr);
    }
}

// Writes all of `data` to the socket; no SIGPIPE if the holder is gone.
bool SendAll(int fd, const QByteArray& data)
{
    qsizetype sent = 0;
    while (sent < data.size()) {
        const ssize_t n = send(fd, data.constData() + sent, std::size_t(data.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += n;
    }
    return true;
}

} // namespace

QString ClipboardHolder::Find(const QString& programDir)
{
    const QDir dir(programDir);
    for (const QString& candidate :
         {dir.filePath(kHolderName), dir.filePath(QStringLiteral("../libexec/tintora/") + kHolderName)}) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable())
            return info.absoluteFilePath();
    }
    return {};
}

ClipboardHolder::Result ClipboardHolder::Start(const QString& holderPath, const QByteArray& utf8,
                                               std::uint32_t fromWindow)
{
    if (utf8.isEmpty())
        return {Outcome::Failed, QCoreApplication::translate("ClipboardHolder", "there is no text to keep")};
    if (utf8.size() > kMaxTextBytes)
        return {Outcome::Failed, QCoreApplication::translate(
                                     "ClipboardHolder", "the text is too long to keep (more than 64 KiB)")};
    if (holderPath.isEmpty())
        return {Outcome::Failed,
                QCoreApplication::translate("ClipboardHolder", "%1 is not installed beside the program")
                    .arg(kHolderName)};

    // A socket rather than a pipe: send() can refuse SIGPIPE.
    int sockets[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0)
        return {Outcome::Failed, QCoreApplication::translate("ClipboardHolder", "cannot start %1: %2")
                                     .arg(kHolderName, qt_error_string(errno))};

    const QByteArray path = QFile::encodeName(holderPath);
    QByteArray arg0 = path;
    QByteArray option("--from-window");
    QByteArray window = QByteArray::number(fromWindow);
    char* argv[] = {arg0.data(), nullptr, nullptr, nullptr};
    if (fromWindow != 0) {
        argv[1] = option.data();
        argv[2] = window.data();
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The text arrives on stdin; stdout is nobody's (a pipe the caller's
    // caller reads must not be held open); stderr stays for its messages.
    posix_spawn_file_actions_adddup2(&actions, sockets[1], 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);

    pid_t pid = 0;
    const int spawnError = posix_spawn(&pid, path.constData(), &actions, &attributes, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(sockets[1]);
    if (spawnError != 0) {
        close(sockets[0]);
        return {Outcome::Failed, QCoreApplication::translate("ClipboardHolder", "cannot start %1: %2")
                                     .arg(holderPath, qt_error_string(spawnError))};
    }
    SendAll(sockets[0], utf8);
    close(sockets[0]);

    switch (WaitForExit(pid)) {
    case 0:
        return {Outcome::Held, {}};
    case 6:
        return {Outcome::OwnerChanged, {}};
    case 3:
        return {Outcome::Failed, QCoreApplication::translate(
                                     "ClipboardHolder", "the text is too long to keep (more than 64 KiB)")};
    case 4:
        return {Outcome::Failed,
                QCoreApplication::translate("ClipboardHolder", "there is no X display to keep it on")};
    case -1:
        return {Outcome::Failed,
                QCoreApplication::translate("ClipboardHolder", "%1 did not answer").arg(kHolderName)};
    default:
        return {Outcome::Failed,
                QCoreApplication::translate("ClipboardHolder", "%1 could not take the clipboard")
                    .arg(kHolderName)};
    }
}

} // namespace tintora
