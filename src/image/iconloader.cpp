#include "image/iconloader.h"

#include <atomic>
#include <mutex>

#include "shell/com.h"

namespace tavrin::image {

struct IconLoader::Shared {
    std::mutex lock;
    bool stopped = false;
    std::vector<Found> found;
};

namespace {

// Look-ups need little stack; the default reservation would cost the small launcher more
// memory than its pictures do.
constexpr SIZE_T STACK_BYTES = 256 * 1024;

std::atomic<WPARAM> lastSerial{0};
std::atomic<int> running{0};

// What one loader's thread works through; the thread owns it.
struct Work {
    std::shared_ptr<IconLoader::Shared> shared;
    HWND window;
    UINT message;
    WPARAM serial;
    std::vector<IconLoader::LookUp> lookUps;

    void lookUpAll() const noexcept {
        try {
            // The shell reads pictures through COM, which each thread enters for itself.
            shell::enterApartment();
        } catch (...) {
            // Without COM the shell still gives most pictures; those it cannot are left out.
        }
        for (std::size_t place = 0; place < lookUps.size(); ++place) {
            Icon icon;
            try {
                icon = lookUps[place]();
            } catch (...) {
                continue;
            }
            if (icon.get() == nullptr) {
                continue;
            }
            bool firstWaiting = false;
            {
                const std::lock_guard<std::mutex> guard(shared->lock);
                if (shared->stopped) {
                    return;
                }
                shared->found.emplace_back(place, std::move(icon));
                firstWaiting = shared->found.size() == 1;
            }
            if (firstWaiting) {
                PostMessageW(window, message, serial, 0);
            }
        }
    }

    static DWORD WINAPI run(void* parameter) noexcept {
        const std::unique_ptr<Work> work(static_cast<Work*>(parameter));
        work->lookUpAll();
        --running;
        return 0;
    }
};

} // namespace

IconLoader::IconLoader(HWND window, UINT message, std::vector<LookUp> lookUps)
    : shared_(std::make_shared<Shared>()), serial_(++lastSerial) {
    ++running;
    auto work = std::make_unique<Work>(Work{shared_, window, message, serial_, std::move(lookUps)});
    // Not waited for: the window must never wait for the shell, not even when it closes.
    const HANDLE thread = CreateThread(nullptr, STACK_BYTES, &Work::run, work.get(),
                                       STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (thread == nullptr) {
        // No thread to spare: the pictures are looked up here, late rather than never.
        Work::run(work.release());
        return;
    }
    work.release();
    CloseHandle(thread);
}

IconLoader::~IconLoader() {
    std::vector<Found> dropped;
    const std::lock_guard<std::mutex> guard(shared_->lock);
    shared_->stopped = true;
    dropped.swap(shared_->found);
}

void IconLoader::waitForAll(DWORD milliseconds) noexcept {
    const ULONGLONG giveUp = GetTickCount64() + milliseconds;
    while (running > 0 && GetTickCount64() < giveUp) {
        Sleep(5);
    }
}

std::vector<IconLoader::Found> IconLoader::take() {
    std::vector<Found> taken;
    const std::lock_guard<std::mutex> guard(shared_->lock);
    taken.swap(shared_->found);
    return taken;
}

} // namespace tavrin::image
