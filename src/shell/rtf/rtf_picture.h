// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSizeF>

namespace tintora {

// The data of one \pict group, collected while it is read, and the image
// made from it at the group's end.
//
// Only PNG (\pngblip) and JPEG (\jpegblip) are shown; metafiles, bitmaps
// and other formats are passed over without keeping their data. The data
// kept for one picture is bounded by MaxDataBytes; a larger picture is
// dropped as soon as it grows past that, so skipping it costs no memory.
class RtfPicture
{
public:
    enum class Format { Other, Png, Jpeg };

    static constexpr qsizetype MaxDataBytes = qsizetype{8} * 1024 * 1024;
    // Pictures with more pixels than this are not decoded: a PNG is
    // decoded whole before it is scaled down, at 4 bytes a pixel.
    static constexpr qint64 MaxSourcePixels = 4096LL * 1024;

    void Begin();
    void SetFormat(Format format);
    // \picwgoalN, \pichgoalN: the size to show, in twips.
    void SetGoal(bool width, int twips);
    // \picscalexN, \picscaleyN: percentages applied to the goal size.
    void SetScale(bool x, int percent);
    // The hexadecimal digits of the data; other characters are ignored.
    void AppendHex(QByteArrayView text);
    // Raw data written with \binN.
    void AppendBinary(QByteArrayView bytes);

    // Whether the picture may be shown: a known format within the limits.
    bool Wanted() const { return format_ != Format::Other && !tooLarge_; }

    struct Shown {
        QImage image;
        QSizeF size; // in pixels, as laid out
    };
    // Decodes the picture at the size the document asks for (its natural
    // size when none), scaled down to at most `maxWidth` pixels wide. A
    // null image when the data do not decode, are too large, or would need
    // more than `maxBytes` bytes of pixels. Frees the collected data.
    Shown Decode(int maxWidth, qint64 maxBytes);

private:
    void Append(QByteArrayView bytes);

    Format format_ = Format::Other;
    QByteArray data_;
    int widthGoal_ = 0;
    int heightGoal_ = 0;
    int scaleX_ = 100;
    int scaleY_ = 100;
    int highNibble_ = -1;
    bool tooLarge_ = false;
};

} // namespace tintora
