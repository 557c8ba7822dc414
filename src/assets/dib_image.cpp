#include "assets/dib_image.h"

#include "platform/byte_order.h"

namespace tallo {

uint64_t DibImage::RowStride(uint64_t width) {
    return (kBytesPerPixel * width + 3) & ~uint64_t{3};
}

uint64_t DibImage::FileSize(uint64_t width, uint64_t height) {
    return kHeaderSize + height * RowStride(width);
}

bool DibImage::Create(uint32_t newWidth, uint32_t newHeight, uint64_t maxBytes) {
    width = 0;
    height = 0;
    bytes.clear();
    const uint64_t total = FileSize(newWidth, newHeight);
    // The size fields of the headers are 32-bit.
    if (total > maxBytes || total > 0xFFFFFFFFu) {
        return false;
    }
    bytes.assign(static_cast<size_t>(total), 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLittle32(bytes.data() + 2, static_cast<uint32_t>(total));
    PutLittle32(bytes.data() + 10, static_cast<uint32_t>(kHeaderSize));
    PutLittle32(bytes.data() + 14, 40);
    PutLittle32(bytes.data() + 18, newWidth);
    PutLittle32(bytes.data() + 22, newHeight);
    PutLittle16(bytes.data() + 26, 1);
    PutLittle16(bytes.data() + 28, 24);
    PutLittle32(bytes.data() + 30, 0);
    PutLittle32(bytes.data() + 34, static_cast<uint32_t>(total - kHeaderSize));
    width = newWidth;
    height = newHeight;
    return true;
}

size_t DibImage::PixelOffset(uint32_t x, uint32_t y) const {
    const uint64_t row = uint64_t{height} - 1 - y;
    return static_cast<size_t>(kHeaderSize + row * RowStride(width) + uint64_t{x} * kBytesPerPixel);
}

} // namespace tallo
