#include "app/archive_chunk_packer.h"

#include <algorithm>
#include <cstring>
#include <system_error>

#include "app/world_archive_format.h"
#include "assets/packed_block.h"

namespace tallo {

ArchiveChunkPacker::ArchiveChunkPacker(WorldArchiveWriter& writer, unsigned threads,
                                       size_t pendingLimit)
    : writer_(writer), pendingLimit_(pendingLimit) {
    if (threads == 0) {
        threads = std::max(1u, std::thread::hardware_concurrency());
    }
    if (threads < 2) {
        return;
    }
    for (unsigned i = 0; i < threads; ++i) {
        try {
            threads_.emplace_back(&ArchiveChunkPacker::Pack, this);
        } catch (const std::system_error&) {
            break; // the threads running pack what this one would have
        }
    }
}

ArchiveChunkPacker::~ArchiveChunkPacker() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    toPack_.notify_all();
    for (std::thread& thread : threads_) {
        thread.join();
    }
}

void ArchiveChunkPacker::Pack() {
    std::unique_lock lock(mutex_);
    for (;;) {
        toPack_.wait(lock, [this] { return stop_ || !waiting_.empty(); });
        if (stop_) {
            return;
        }
        Job* job = waiting_.front();
        waiting_.pop_front();
        lock.unlock();
        try {
            job->packed = PackBlock(job->payload.data(), job->payload.size());
        } catch (...) {
            job->packed.clear(); // refused by the writer as a block that could not be packed
        }
        job->payload = std::vector<uint8_t>();
        lock.lock();
        job->done = true;
        packed_.notify_all();
    }
}

bool ArchiveChunkPacker::Add(std::string_view tag, std::vector<uint8_t> payload) {
    if (tag.size() != 4) {
        return false;
    }
    if (failed_ || uint64_t{payload.size()} > kPackedLongHeaderLimit) {
        failed_ = true;
        return false;
    }
    if (threads_.empty()) {
        failed_ = !writer_.AddChunk(tag, payload);
        return !failed_;
    }
    auto job = std::make_unique<Job>();
    std::memcpy(job->tag.data(), tag.data(), job->tag.size());
    job->size = payload.size();
    job->payload = std::move(payload);
    {
        const std::lock_guard lock(mutex_);
        pendingBytes_ += job->size;
        waiting_.push_back(job.get());
        queue_.push_back(std::move(job));
    }
    toPack_.notify_one();
    return WriteReady(false);
}

bool ArchiveChunkPacker::Finish() {
    return WriteReady(true);
}

bool ArchiveChunkPacker::WriteReady(bool all) {
    for (;;) {
        std::unique_ptr<Job> job;
        {
            std::unique_lock lock(mutex_);
            if (queue_.empty()) {
                break;
            }
            if (!queue_.front()->done) {
                if (!all && pendingBytes_ <= pendingLimit_) {
                    break;
                }
                packed_.wait(lock, [this] { return queue_.front()->done; });
            }
            job = std::move(queue_.front());
            queue_.pop_front();
            pendingBytes_ -= job->size;
        }
        if (!failed_ &&
            !writer_.AddPackedChunk(std::string_view(job->tag.data(), 4), job->packed)) {
            failed_ = true;
        }
    }
    return !failed_;
}

} // namespace tallo
