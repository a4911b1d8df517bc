// What a second core gives a solve on this machine, at the sizes a 10 x 10 solve has: a job of
// about 60 microseconds (as long as the count that decides uniqueness) handed to a thread kept from
// one solve to the next, while this thread does about 220 microseconds of its own (the solve).
// Prints the median time of the two jobs one after the other on one thread, and of the two on two
// threads, the worker woken through a condition variable; with --pin, each thread is held to a
// core of its own.
//
// usage: g++ -O2 -pthread bench/thread_handover.cpp -o /tmp/handover && /tmp/handover [--pin]
#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Work the optimiser cannot drop, in steps of about a nanosecond.
void Work(long steps) {
    unsigned long x = 0;
    for (long i = 0; i < steps; ++i) {
        x += static_cast<unsigned long>(i) * static_cast<unsigned long>(i);
        asm volatile("" : "+r"(x));
    }
}

void PinTo(int core) {
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(core, &set);
    pthread_setaffinity_np(pthread_self(), sizeof set, &set);
}

double Micros(Clock::time_point from) {
    return std::chrono::duration<double, std::micro>(Clock::now() - from).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const bool pin = argc > 1 && std::strcmp(argv[1], "--pin") == 0;
    constexpr long kMainSteps = 600000;
    constexpr long kSideSteps = 160000;
    constexpr int kRounds = 400;
    std::mutex mutex;
    std::condition_variable wake;
    bool job = false, done = false, quit = false;
    std::thread worker([&] {
        if (pin) PinTo(1);
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            wake.wait(lock, [&] { return job || quit; });
            if (quit) return;
            job = false;
            lock.unlock();
            Work(kSideSteps);
            lock.lock();
            done = true;
            wake.notify_all();
        }
    });
    if (pin) PinTo(0);
    std::vector<double> mainAlone, sideAlone, oneThread, twoThreads;
    for (int round = 0; round < kRounds; ++round) {
        auto start = Clock::now();
        Work(kMainSteps);
        mainAlone.push_back(Micros(start));
        start = Clock::now();
        Work(kSideSteps);
        sideAlone.push_back(Micros(start));
        start = Clock::now();
        Work(kMainSteps);
        Work(kSideSteps);
        oneThread.push_back(Micros(start));
        start = Clock::now();
        {
            const std::lock_guard<std::mutex> lock(mutex);
            job = true;
            done = false;
        }
        wake.notify_all();
        Work(kMainSteps);
        {
            std::unique_lock<std::mutex> lock(mutex);
            wake.wait(lock, [&] { return done; });
        }
        twoThreads.push_back(Micros(start));
        // A solve follows another after the result is shown, not at once.
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    {
        const std::lock_guard<std::mutex> lock(mutex);
        quit = true;
    }
    wake.notify_all();
    worker.join();
    std::printf(
        "%s: medians in microseconds: main job %.1f, side job %.1f, both on one thread %.1f, "
        "on two threads %.1f\n",
        pin ? "pinned" : "not pinned", Median(mainAlone), Median(sideAlone), Median(oneThread),
        Median(twoThreads));
    return 0;
}
