// SPDX-License-Identifier: MIT
// Peak memory of reading and laying out hostile RTF of the accepted size.
// ru_maxrss is a high-water mark of the whole process, so every input is
// read in a child process of its own, which reports what it measured.

#include "hostile_rtf.h"
#include "shell/rtf/rtf_reader.h"

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace tintora {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif
#else
constexpr bool Sanitized = false;
#endif

// "A few tens of MiB", above what the process held before the read.
constexpr long MaxGrowthKiB = 40 * 1024;

long PeakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

struct Measured {
    long growthKiB = -1;
    int blocks = 0;
    int images = 0;
    bool ok = false;
    bool truncated = false;
};

// Runs in the child: the input and the application exist before the
// baseline is taken, so only the reader and the layout count.
Measured ReadAndLayOut(const testing::HostileRtf& input, qsizetype size)
{
    int argc = 1;
    char name[] = "test_rtf_bounds";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    const QByteArray data = input.make(size);
    {
        // Load fonts and the text engine once, as the help window would have.
        QTextDocument warm;
        ReadRtf("{\\rtf1 warm {\\b up}\\par}", warm);
        warm.setTextWidth(RtfPictureWidth);
        warm.size();
    }
    const long before = PeakKiB();
    QTextDocument doc;
    const RtfResult result = ReadRtf(data, doc);
    doc.setTextWidth(RtfPictureWidth);
    doc.size(); // lays out every block
    Measured m;
    m.growthKiB = PeakKiB() - before;
    m.blocks = doc.blockCount();
    m.ok = result.ok;
    m.truncated = result.truncated;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            m.images += it.fragment().charFormat().isImageFormat() ? 1 : 0;
    return m;
}

Measured InChild(const testing::HostileRtf& input, qsizetype size)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const Measured m = ReadAndLayOut(input, size);
        const ssize_t written = write(fds[1], &m, sizeof m);
        _exit(written == static_cast<ssize_t>(sizeof m) ? 0 : 1);
    }
    close(fds[1]);
    Measured m;
    const ssize_t got = read(fds[0], &m, sizeof m);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (got != static_cast<ssize_t>(sizeof m) || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return m;
}

TEST(RtfBounds, InputsOfTheSizeLimitCostAFewTensOfMiBAtMost)
{
    // Under the sanitizers memory figures mean nothing and time runs
    // slower: the inputs only have to be read without a fault.
    const qsizetype size = Sanitized ? 8 * 1024 * 1024 : RtfMaxBytes;
    for (const testing::HostileRtf& input : testing::HostileInputs()) {
        SCOPED_TRACE(input.name);
        const Measured m = InChild(input, size);
        ASSERT_TRUE(m.ok) << "the child failed or the input was refused";
        EXPECT_GE(m.growthKiB, 0);
        if (!Sanitized)
            EXPECT_LE(m.growthKiB, MaxGrowthKiB);
        std::printf("%-32s %6ld KiB more, %7d paragraphs, %3d pictures%s\n", input.name.c_str(), m.growthKiB,
                    m.blocks, m.images, m.truncated ? ", truncated" : "");
    }
}

TEST(RtfBounds, ADozenScreenshotsWithTheirMetafilesAreShown)
{
    // Twelve 1600 x 1200 screenshots, each with a 1 MiB metafile copy: about
    // 25 MiB of RTF, three times the old limit.
    const testing::HostileRtf screenshots{"twelve screenshots", [](qsizetype) {
                                              const QByteArray png = testing::ScreenshotPng(1600, 1200);
                                              QByteArray rtf = "{\\rtf1 ";
                                              for (int i = 0; i < 12; ++i)
                                                  rtf += testing::PictureWithMetafile(png, 1 << 20);
                                              return rtf + "}";
                                          }};
    const Measured m = InChild(screenshots, 0);
    ASSERT_TRUE(m.ok);
    EXPECT_EQ(m.images, 12);
    EXPECT_FALSE(m.truncated);
    if (!Sanitized)
        EXPECT_LE(m.growthKiB, MaxGrowthKiB);
}

} // namespace
} // namespace tintora
