// SPDX-License-Identifier: MIT
#include "shell/rtf/rtf_picture.h"
#include "core/numeric.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cmath>
#include <utility>

namespace tintora {

namespace {

// Twips to pixels at 96 dots per inch, scaled by a percentage.
double GoalPixels(int twips, int percent)
{
    return twips / 15.0 * percent / 100.0;
}

} // namespace

void RtfPicture::Begin()
{
    *this = RtfPicture{};
}

void RtfPicture::SetFormat(Format format)
{
    format_ = format;
}

void RtfPicture::SetGoal(bool width, int twips)
{
    (width ? widthGoal_ : heightGoal_) = std::clamp(twips, 0, 31680);
}

void RtfPicture::SetScale(bool x, int percent)
{
    (x ? scaleX_ : scaleY_) = std::clamp(percent, 1, 1000);
}

void RtfPicture::AppendHex(QByteArrayView text)
{
    // In pieces, so that a huge run of digits never costs more than the
    // picture may keep.
    constexpr qsizetype Piece = 1 << 16;
    QByteArray bytes;
    while (!text.isEmpty() && Wanted()) {
        const QByteArrayView digits = text.first(std::min(text.size(), Piece));
        text = text.sliced(digits.size());
        bytes.clear();
        for (const char c : digits) {
            const int digit = HexDigitValue(c);
            if (digit < 0)
                continue;
            if (highNibble_ < 0) {
                highNibble_ = digit;
            } else {
                bytes.append(static_cast<char>(highNibble_ * 16 + digit));
                highNibble_ = -1;
            }
        }
        Append(bytes);
    }
}

void RtfPicture::AppendBinary(QByteArrayView bytes)
{
    if (Wanted())
        Append(bytes);
}

void RtfPicture::Append(QByteArrayView bytes)
{
    if (data_.size() + bytes.size() > MaxDataBytes) {
        tooLarge_ = true;
        data_ = QByteArray();
        return;
    }
    if (data_.capacity() < data_.size() + bytes.size()) {
        // Grow by halves rather than doubling, up to the limit.
        data_.reserve(std::min(MaxDataBytes, (data_.size() + bytes.size()) * 3 / 2));
    }
    data_.append(bytes);
}

RtfPicture::Shown RtfPicture::Decode(int maxWidth, qint64 maxBytes)
{
    const QByteArray data = std::exchange(data_, QByteArray());
    if (!Wanted() || data.isEmpty() || maxWidth < 1)
        return {};
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format_ == Format::Png ? "png" : "jpeg");
    const QSize source = reader.size();
    if (!source.isValid() || source.isEmpty() || qint64{source.width()} * source.height() > MaxSourcePixels)
        return {};
    QSizeF size(widthGoal_ > 0 ? GoalPixels(widthGoal_, scaleX_) : source.width() * scaleX_ / 100.0,
                heightGoal_ > 0 ? GoalPixels(heightGoal_, scaleY_) : source.height() * scaleY_ / 100.0);
    if (size.width() > maxWidth)
        size *= maxWidth / size.width();
    size = size.expandedTo(QSizeF(1, 1));
    // Keep no more pixels than are shown: the view draws the image 1:1.
    const QSize pixels(std::min(source.width(), static_cast<int>(std::ceil(size.width()))),
                       std::min(source.height(), static_cast<int>(std::ceil(size.height()))));
    if (qint64{pixels.width()} * pixels.height() * 4 > maxBytes)
        return {};
    if (pixels != source)
        reader.setScaledSize(pixels);
    QImage image = reader.read();
    if (image.isNull())
        return {};
    return {std::move(image), size};
}

} // namespace tintora
