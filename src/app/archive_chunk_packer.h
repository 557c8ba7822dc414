#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

namespace tallo {

class WorldArchiveWriter;

// Packs the chunks of an archive on threads of its own while the caller gathers the next ones,
// and hands them to the writer in the order they were added: the archive is the same byte for
// byte as one written by WorldArchiveWriter::AddChunk one chunk after another. Chunks waiting
// to be written hold at most `pendingLimit` unpacked bytes (one larger chunk may wait alone);
// Add waits for the packers beyond that.
class ArchiveChunkPacker {
public:
    // `threads` packers (0: one per core). With one, or when no thread can be started, each
    // chunk is packed and written as it is added.
    explicit ArchiveChunkPacker(WorldArchiveWriter& writer, unsigned threads = 0,
                                size_t pendingLimit = size_t{64} << 20);
    // Stops the packers. Chunks not written by then are dropped: call Finish to keep them.
    ~ArchiveChunkPacker();
    ArchiveChunkPacker(const ArchiveChunkPacker&) = delete;
    ArchiveChunkPacker& operator=(const ArchiveChunkPacker&) = delete;

    // Queues the payload as a chunk and writes the chunks before it that are packed. False when
    // the tag is not four characters, or when the archive failed: a payload too large to pack,
    // or a chunk before it that could not be packed or written. After a failure every call
    // fails; the writer should then be discarded.
    bool Add(std::string_view tag, std::vector<uint8_t> payload);
    // Waits for every queued chunk and writes it. False when any chunk failed.
    bool Finish();

    size_t Threads() const { return threads_.size(); }

private:
    struct Job {
        std::array<char, 4> tag{};
        size_t size = 0; // of the payload, which the packer lets go of
        std::vector<uint8_t> payload;
        std::vector<uint8_t> packed;
        bool done = false;
    };

    void Pack();
    // Writes the packed chunks at the front of the queue, waiting for the packers while the
    // chunks waiting hold more than the limit, or until all are written.
    bool WriteReady(bool all);

    WorldArchiveWriter& writer_;
    const size_t pendingLimit_;
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable toPack_;         // a job was queued, or the packers are to stop
    std::condition_variable packed_;         // a job was packed
    std::deque<std::unique_ptr<Job>> queue_; // added and not yet written, in order
    std::deque<Job*> waiting_;               // queued jobs no packer has taken yet
    size_t pendingBytes_ = 0;                // unpacked bytes of the queue
    bool stop_ = false;
    bool failed_ = false;
};

} // namespace tallo
