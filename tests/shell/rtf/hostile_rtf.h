// SPDX-License-Identifier: MIT
#pragma once

// RTF inputs of a given size that have cost readers time or memory out of
// proportion: deep nesting, one huge word or paragraph, masses of
// paragraphs, runs, cells, fields, footnotes and picture data. Shared by the
// memory test and the reader's benchmark.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>

#include <functional>
#include <string>
#include <vector>

namespace tintora::testing {

struct HostileRtf {
    std::string name;
    std::function<QByteArray(qsizetype size)> make;
};

// `unit` repeated after an RTF header until the input is `size` bytes long
// (within one unit).
inline QByteArray Repeated(qsizetype size, const QByteArray& unit, const QByteArray& head = "{\\rtf1 ")
{
    QByteArray out = head;
    out.reserve(size + unit.size());
    while (out.size() + unit.size() <= size)
        out += unit;
    return out;
}

// A screenshot-like PNG of `width` x `height`: flat areas, some text.
inline QByteArray ScreenshotPng(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(236, 236, 236));
    QPainter painter(&image);
    for (int y = 20; y < height; y += 40) {
        painter.fillRect(10, y, width - 20, 24, QColor(255, 255, 255));
        painter.drawText(16, y + 17, QStringLiteral("Field %1").arg(y));
    }
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// A picture as a word processor stores it: the PNG, then a metafile copy of
// `metafileBytes` that readers are expected to pass over.
inline QByteArray PictureWithMetafile(const QByteArray& png, qsizetype metafileBytes)
{
    return "{\\*\\shppict{\\pict\\pngblip\\picwgoal10290\\pichgoal7920 " + png.toHex() +
           "}}{\\nonshppict{\\pict\\wmetafile8 " + QByteArray(metafileBytes * 2, 'f') + "}}\\par ";
}

inline std::vector<HostileRtf> HostileInputs()
{
    return {
        {"open groups", [](qsizetype n) { return Repeated(n, "{"); }},
        {"nested groups with formatting", [](qsizetype n) { return Repeated(n, "{\\b\\i\\fs30 "); }},
        {"one word", [](qsizetype n) { return Repeated(n, "xxxxxxxxxxxxxxxx"); }},
        {"one paragraph of words", [](qsizetype n) { return Repeated(n, "lorem ipsum dolor sit amet "); }},
        {"paragraph marks", [](qsizetype n) { return Repeated(n, "\\par "); }},
        {"short paragraphs", [](qsizetype n) { return Repeated(n, "a\\par "); }},
        {"runs", [](qsizetype n) { return Repeated(n, "{\\b a}{\\i b}"); }},
        {"table cells", [](qsizetype n) { return Repeated(n, "\\intbl a\\cell "); }},
        {"table rows",
         [](qsizetype n) {
             return Repeated(n, "\\trowd\\cellx900\\cellx1800\\intbl a\\cell b\\cell\\row ");
         }},
        {"links",
         [](qsizetype n) {
             return Repeated(n, "{\\field{\\*\\fldinst HYPERLINK \"https://example.org/" +
                                    QByteArray(200, 'p') + "\"}{\\fldrslt link}}");
         }},
        {"footnotes", [](qsizetype n) { return Repeated(n, "{\\footnote " + QByteArray(100, 'n') + "}x"); }},
        {"picture data",
         [](qsizetype n) { return Repeated(n, "0123456789abcdef", "{\\rtf1 {\\pict\\pngblip "); }},
        {"metafile data",
         [](qsizetype n) { return Repeated(n, "0123456789abcdef", "{\\rtf1 {\\pict\\wmetafile8 "); }},
        {"screenshots",
         [](qsizetype n) {
             static const QByteArray png = ScreenshotPng(1600, 1200);
             return Repeated(n, PictureWithMetafile(png, 1 << 20));
         }},
    };
}

} // namespace tintora::testing
