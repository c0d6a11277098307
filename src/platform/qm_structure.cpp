// SPDX-License-Identifier: MIT
#include "platform/qm_structure.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace tintora {

namespace {

constexpr unsigned char kMagic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                      0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

// Section tags.
enum : unsigned char {
    kContexts = 0x2f,
    kHashes = 0x42,
    kMessages = 0x69,
    kNumerusRules = 0x88,
    kDependencies = 0x96,
    kLanguage = 0xa7,
};

// Tags inside a message record that QTranslator reads; the others
// (16-bit source texts and contexts, the second obsolete tag) end a lookup
// unread, and lrelease writes none of them.
enum : unsigned char {
    kEnd = 1,
    kTranslation = 3,
    kObsolete1 = 5,
    kSourceText = 6,
    kContext = 7,
    kComment = 8,
};

// Plural rule operators.
enum : unsigned char {
    kOpMask = 0x07,
    kOpEq = 0x01,
    kOpLt = 0x02,
    kOpLeq = 0x03,
    kOpBetween = 0x04,
    kAnd = 0xfd,
    kOr = 0xfe,
    kNewRule = 0xff,
};

struct Section {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
    bool present = false;
};

std::uint32_t Read32(const unsigned char* p)
{
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}

std::uint16_t Read16(const unsigned char* p)
{
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}

// Each bucket of the context table leads to a list of names, one length
// byte and the bytes each, ended by a zero length. Lists may share their
// tails; a place already walked to its end is not walked again, so the
// check stays linear in the section.
bool ContextsAreSound(const Section& s)
{
    if (s.size < 2)
        return false;
    const std::size_t buckets = Read16(s.data);
    const std::size_t tableEnd = 2 + 2 * buckets;
    if (buckets == 0 || tableEnd > s.size)
        return false;
    std::vector<bool> walked(s.size, false);
    std::vector<std::size_t> path;
    for (std::size_t i = 0; i < buckets; ++i) {
        const std::size_t offset = Read16(s.data + 2 + 2 * i);
        if (offset == 0)
            continue;
        path.clear();
        for (std::size_t at = tableEnd + 2 * offset;; at += 1 + s.data[at]) {
            if (at >= s.size)
                return false;
            if (walked[at])
                break;
            path.push_back(at);
            if (s.data[at] == 0)
                break;
        }
        for (const std::size_t at : path)
            walked[at] = true;
    }
    return true;
}

// Marks the start of every record in `starts`; false when a record runs
// past the section or holds a tag QTranslator does not read past.
bool MessagesAreSound(const Section& s, std::vector<bool>& starts)
{
    starts.assign(s.size, false);
    std::size_t at = 0;
    while (at < s.size) {
        starts[at] = true;
        for (bool end = false; !end;) {
            if (at >= s.size)
                return false;
            const unsigned char tag = s.data[at++];
            switch (tag) {
            case kEnd:
                end = true;
                break;
            case kObsolete1:
                if (s.size - at < 4)
                    return false;
                at += 4;
                break;
            case kTranslation:
            case kSourceText:
            case kContext:
            case kComment: {
                if (s.size - at < 4)
                    return false;
                const std::uint32_t length = Read32(s.data + at);
                at += 4;
                if (length > s.size - at || (tag == kTranslation && (length & 1) != 0))
                    return false;
                at += length;
                break;
            }
            default:
                return false;
            }
        }
    }
    return true;
}

// Every entry is a 32-bit hash and a 32-bit offset into the messages; the
// lookup is a binary search, so the hashes must be in order.
bool HashesAreSound(const Section& hashes, const std::vector<bool>& recordStarts)
{
    if (hashes.size % 8 != 0)
        return false;
    std::uint32_t previous = 0;
    for (std::size_t at = 0; at < hashes.size; at += 8) {
        const std::uint32_t hash = Read32(hashes.data + at);
        const std::uint32_t offset = Read32(hashes.data + at + 4);
        if (hash < previous || offset >= recordStarts.size() || !recordStarts[offset])
            return false;
        previous = hash;
    }
    return true;
}

// Operators with their operands, joined by and, or and the start of the
// next rule: what QTranslator's own check accepts.
bool NumerusRulesAreSound(const Section& s)
{
    std::size_t at = 0;
    while (at < s.size) {
        const unsigned char opcode = s.data[at];
        if ((opcode & 0x80) != 0)
            return false;
        const unsigned char op = opcode & kOpMask;
        const std::size_t operands = op == kOpBetween ? 2 : 1;
        if (op != kOpEq && op != kOpLt && op != kOpLeq && op != kOpBetween)
            return false;
        if (s.size - at - 1 < operands)
            return false;
        at += 1 + operands;
        if (at == s.size)
            return true;
        const unsigned char join = s.data[at++];
        if ((join != kAnd && join != kOr && join != kNewRule) || at == s.size)
            return false;
    }
    return true;
}

} // namespace

bool QmStructureIsSound(const unsigned char* data, std::size_t size)
{
    if (data == nullptr || size < sizeof kMagic || size > kMaxQmBytes ||
        std::memcmp(data, kMagic, sizeof kMagic) != 0)
        return false;
    Section contexts, hashes, messages, rules, language;
    // The sections as QTranslator finds them: it stops at a zero tag or
    // length, or when fewer than six bytes are left.
    std::size_t at = sizeof kMagic;
    while (size - at > 5) {
        const unsigned char tag = data[at];
        const std::uint32_t length = Read32(data + at + 1);
        at += 5;
        if (tag == 0 || length == 0)
            break;
        if (length > size - at)
            return false;
        Section* section = nullptr;
        switch (tag) {
        case kContexts:
            section = &contexts;
            break;
        case kHashes:
            section = &hashes;
            break;
        case kMessages:
            section = &messages;
            break;
        case kNumerusRules:
            section = &rules;
            break;
        case kLanguage:
            section = &language;
            break;
        default: // dependencies, or a tag of no known kind
            return false;
        }
        if (section->present)
            return false;
        *section = Section{data + at, length, true};
        at += length;
    }
    if (contexts.present && !ContextsAreSound(contexts))
        return false;
    std::vector<bool> recordStarts;
    if (messages.present && !MessagesAreSound(messages, recordStarts))
        return false;
    if (hashes.present && !HashesAreSound(hashes, recordStarts))
        return false;
    return !rules.present || NumerusRulesAreSound(rules);
}

} // namespace tintora
