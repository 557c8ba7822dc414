#include "world/player_world.h"

#include <random>

namespace tallo {

int IPlayerWorld::RandomBelow(int bound) {
    return DefaultRandomBelow(bound);
}

int DefaultRandomBelow(int bound) {
    if (bound < 1) {
        return 0;
    }
    // One engine per thread: loads may run on a worker thread.
    thread_local std::mt19937 engine{std::random_device{}()};
    return std::uniform_int_distribution<int>(0, bound - 1)(engine);
}

} // namespace tallo
