#include "assets/big_file_io.h"

#include <limits>

namespace tallo {

namespace {

bool Seek(std::FILE* file, uint64_t offset, int origin) {
#ifdef _WIN32
    if (offset > static_cast<uint64_t>(std::numeric_limits<__int64>::max())) {
        return false;
    }
    return _fseeki64(file, static_cast<__int64>(offset), origin) == 0;
#else
    if (offset > static_cast<uint64_t>(std::numeric_limits<off_t>::max())) {
        return false;
    }
    return fseeko(file, static_cast<off_t>(offset), origin) == 0;
#endif
}

} // namespace

bool FileLength(std::FILE* file, uint64_t& length) {
    if (file == nullptr || !Seek(file, 0, SEEK_END)) {
        return false;
    }
#ifdef _WIN32
    const __int64 end = _ftelli64(file);
#else
    const off_t end = ftello(file);
#endif
    if (end < 0) {
        return false;
    }
    length = static_cast<uint64_t>(end);
    return true;
}

bool SeekTo(std::FILE* file, uint64_t offset) {
    return file != nullptr && Seek(file, offset, SEEK_SET);
}

bool ReadAt(std::FILE* file, uint64_t offset, void* data, size_t size) {
    if (!SeekTo(file, offset)) {
        return false;
    }
    return size == 0 || std::fread(data, 1, size, file) == size;
}

} // namespace tallo
