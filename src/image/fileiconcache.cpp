#include "image/fileiconcache.h"

#include <map>
#include <mutex>
#include <tuple>

namespace tavrin::image {
namespace {

using Key = std::tuple<std::wstring, int, int, ULONGLONG>;

struct Store {
    std::mutex guard;
    std::map<Key, HICON> pictures;

    ~Store() { forget(); }

    void forget() {
        for (const auto& [key, picture] : pictures) {
            DestroyIcon(picture);
        }
        pictures.clear();
    }
};

Store& store() {
    // Never taken down: a picture loader's thread may still look a picture up while the
    // program ends, and the process frees the pictures with it.
    static Store& kept = *new Store;
    return kept;
}

ULONGLONG ticksOf(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

} // namespace

HICON FileIconCache::copyOf(const std::wstring& path, int index, int pixels,
                            const FILETIME& changed, const std::function<HICON()>& lookUp) {
    Store& kept = store();
    const Key key{path, index, pixels, ticksOf(changed)};
    {
        const std::lock_guard lock(kept.guard);
        if (const auto found = kept.pictures.find(key); found != kept.pictures.end()) {
            return CopyIcon(found->second);
        }
    }
    // Outside the lock: the shell may take its time, and other threads their own pictures.
    const HICON picture = lookUp();
    if (picture == nullptr) {
        return nullptr;
    }
    const std::lock_guard lock(kept.guard);
    if (kept.pictures.size() >= LIMIT) {
        kept.forget();
    }
    const auto [slot, fresh] = kept.pictures.try_emplace(key, picture);
    if (!fresh) {
        // Another thread looked the same picture up meanwhile.
        DestroyIcon(picture);
    }
    return CopyIcon(slot->second);
}

} // namespace tavrin::image
