#include "assets/tga_to_bmp.h"

#include "platform/byte_order.h"

namespace tallo {

namespace {

constexpr size_t kTgaHeaderSize = 18;
constexpr uint8_t kTypeUncompressed = 2;
constexpr uint8_t kTypeRunLength = 10;
constexpr uint8_t kTopDownBit = 0x20;

// Places decoded pixels one after another in file order.
class PixelSink {
public:
    PixelSink(DibImage& image, bool topDown)
        : image_(image), stride_(DibImage::RowStride(image.width)), topDown_(topDown),
          total_(uint64_t{image.width} * image.height) {
        StartRow();
    }

    bool Full() const { return written_ >= total_; }

    // Writes one pixel given as its `depth` bytes; does nothing once the picture is full.
    void Put(const uint8_t* pixel, size_t depth) {
        if (Full()) {
            return;
        }
        uint8_t* out = image_.bytes.data() + rowStart_ + column_ * DibImage::kBytesPerPixel;
        if (depth == 2) {
            const uint16_t p = GetLittle16(pixel);
            out[0] = static_cast<uint8_t>((p & 31) * 8);
            out[1] = static_cast<uint8_t>(((p >> 5) & 31) * 8);
            out[2] = static_cast<uint8_t>(((p >> 10) & 31) * 8);
        } else {
            // 24 and 32 bits alike: blue, green, red first; alpha is dropped.
            out[0] = pixel[0];
            out[1] = pixel[1];
            out[2] = pixel[2];
        }
        ++written_;
        if (++column_ == image_.width) {
            column_ = 0;
            ++row_;
            StartRow();
        }
    }

private:
    void StartRow() {
        if (row_ >= image_.height) {
            return;
        }
        // File rows fill the BMP from its first stored row (the bottom) up, unless the file
        // says its rows run from the top.
        const uint64_t stored = topDown_ ? uint64_t{image_.height} - 1 - row_ : row_;
        rowStart_ = DibImage::kHeaderSize + stored * stride_;
    }

    DibImage& image_;
    const uint64_t stride_;
    const bool topDown_;
    const uint64_t total_;
    uint64_t written_ = 0;
    uint32_t row_ = 0;
    uint32_t column_ = 0;
    uint64_t rowStart_ = 0;
};

void DecodeUncompressed(const uint8_t* data, size_t length, size_t position, size_t depth,
                        PixelSink& sink) {
    while (!sink.Full() && length - position >= depth) {
        sink.Put(data + position, depth);
        position += depth;
    }
}

void DecodeRunLength(const uint8_t* data, size_t length, size_t position, size_t depth,
                     PixelSink& sink) {
    while (!sink.Full() && position < length) {
        const uint8_t head = data[position++];
        const int count = (head & 127) + 1;
        if (head >= 128) {
            if (length - position < depth) {
                return;
            }
            const uint8_t* pixel = data + position;
            position += depth;
            for (int i = 0; i < count && !sink.Full(); ++i) {
                sink.Put(pixel, depth);
            }
        } else {
            for (int i = 0; i < count && !sink.Full(); ++i) {
                if (length - position < depth) {
                    return;
                }
                sink.Put(data + position, depth);
                position += depth;
            }
        }
    }
}

} // namespace

bool TgaToBmp(const uint8_t* data, size_t length, DibImage& image) {
    image = DibImage();
    if (data == nullptr || length < kTgaHeaderSize) {
        return false;
    }
    const uint8_t idLength = data[0];
    const uint8_t colourMapType = data[1];
    const uint8_t type = data[2];
    const uint16_t colourMapLength = GetLittle16(data + 5);
    const uint8_t colourMapBits = data[7];
    const uint16_t width = GetLittle16(data + 12);
    const uint16_t height = GetLittle16(data + 14);
    const uint8_t bits = data[16];
    const bool topDown = (data[17] & kTopDownBit) != 0;

    if (!image.Create(width, height, kMaxTgaBmpBytes)) {
        return false;
    }

    size_t depth = 0;
    if (bits == 16 || bits == 24 || bits == 32) {
        depth = bits / 8;
    }
    if (depth == 0 || (type != kTypeUncompressed && type != kTypeRunLength)) {
        return true; // a form we do not read: the picture stays zero
    }

    uint64_t position = uint64_t{kTgaHeaderSize} + idLength;
    if (colourMapType == 1) {
        position += uint64_t{colourMapLength} * ((colourMapBits + 7u) / 8u);
    }
    if (position >= length) {
        return true;
    }

    PixelSink sink(image, topDown);
    if (type == kTypeUncompressed) {
        DecodeUncompressed(data, length, static_cast<size_t>(position), depth, sink);
    } else {
        DecodeRunLength(data, length, static_cast<size_t>(position), depth, sink);
    }
    return true;
}

} // namespace tallo
