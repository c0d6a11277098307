// SPDX-License-Identifier: MIT
// Fuzzes the check of compiled translations: whatever it accepts, QTranslator
// loads and looks up without reading outside the data. The accepted bytes
// are placed to end at a page that cannot be read, so any read past them
// crashes; then every message of the file is looked up by its own context,
// source text and comment (the lookups a program makes), with and without
// plural forms, and by names that are not there.
#include "platform/qm_structure.h"

#include <QTranslator>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

namespace {

std::uint32_t Read32(const unsigned char* p)
{
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}

struct Lookup {
    std::string context, source, comment;
};

// The texts of every message record, read from the messages section the
// way the check walks it (only called for files it accepted).
std::vector<Lookup> Lookups(const unsigned char* data, std::size_t size)
{
    std::vector<Lookup> out;
    std::size_t at = 16;
    while (size - at > 5) {
        const unsigned char tag = data[at];
        const std::uint32_t length = Read32(data + at + 1);
        at += 5;
        if (tag == 0 || length == 0)
            break;
        if (tag == 0x69) {
            Lookup current;
            for (std::size_t m = at; m < at + length;) {
                const unsigned char t = data[m++];
                if (t == 1) {
                    out.push_back(current);
                    current = {};
                } else if (t == 5) {
                    m += 4;
                } else {
                    const std::uint32_t n = Read32(data + m);
                    const std::string text(reinterpret_cast<const char*>(data + m + 4), n);
                    if (t == 6)
                        current.source = text;
                    else if (t == 7)
                        current.context = text;
                    else if (t == 8)
                        current.comment = text;
                    m += 4 + n;
                }
            }
        }
        at += length;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (!tintora::QmStructureIsSound(data, size))
        return 0;
    const std::size_t page = std::size_t(sysconf(_SC_PAGESIZE));
    const std::size_t pages = (size + page - 1) / page + 1;
    auto* region = static_cast<unsigned char*>(
        mmap(nullptr, pages * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    if (region == MAP_FAILED)
        std::abort();
    unsigned char* guard = region + (pages - 1) * page;
    if (mprotect(guard, page, PROT_NONE) != 0)
        std::abort();
    unsigned char* copy = guard - size;
    std::memcpy(copy, data, size);
    {
        QTranslator translator;
        if (translator.load(copy, int(size))) {
            for (const Lookup& l : Lookups(copy, size)) {
                const char* comment = l.comment.empty() ? nullptr : l.comment.c_str();
                (void)translator.translate(l.context.c_str(), l.source.c_str(), comment);
                (void)translator.translate(l.context.c_str(), l.source.c_str(), comment, 2);
                (void)translator.translate("no such context", l.source.c_str(), comment);
            }
            (void)translator.translate("tintora::HelpWindow", "Show at Startup");
            (void)translator.translate("CommandLine", "Show this help and exit.", nullptr, 1);
        }
    }
    munmap(region, pages * page);
    return 0;
}
