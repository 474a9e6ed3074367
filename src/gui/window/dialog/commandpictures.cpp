#include "gui/window/dialog/commandpictures.h"

#include <atomic>
#include <optional>
#include <utility>

#include "app/application.h"
#include "etc/drevak/drevakexception.h"
#include "file/items/itemfunctions.h"
#include "shell/path.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "utility/environment.h"

namespace tavrin::gui {
namespace {

image::Icon stockPicture() {
    return image::Icon(LoadIconW(nullptr, IDI_APPLICATION), false);
}

// What the loader's thread needs to find an item's picture and whether it can start: plain
// values, read from the items on the window's thread, where the file system is not asked.
struct Plan {
    std::optional<file::IconSource> source; // none for a link that leads nowhere
    std::optional<std::wstring> path;       // the file to look for, when usability depends on it
    bool usable = false;
};

Plan planFor(app::Application& application, const std::string& id) {
    Plan plan;
    try {
        const file::Item item(id, application.itemsNode());
        plan.source = file::iconSource(item);
        if (plan.source->type == file::Item::TYPE::NORMAL) {
            plan.path = system::toWide(utility::expandEnvironment(plan.source->fileAddress));
        } else {
            plan.usable = file::isUsable(item);
        }
    } catch (const system::TavrinException&) {
        // A link in a loop or to nothing starts nothing: greyed, with the stock picture.
    } catch (const drevak::DrevakException&) {
        // Gone from the items since the search was built: the same.
    }
    return plan;
}

bool reachable(const std::wstring& path) {
    try {
        shell::isFolder(path);
        return true;
    } catch (const system::TavrinFileException&) {
        return false;
    }
}

image::Icon pictureOf(image::ICONSIZE size, const std::optional<file::IconSource>& source) {
    if (source) {
        try {
            if (image::Icon icon = file::sourceIcon(size, *source); icon.get() != nullptr) {
                return icon;
            }
        } catch (const system::TavrinException&) {
            // The launcher's own picture of the item's kind may be unreadable.
        }
    }
    return stockPicture();
}

} // namespace

struct CommandPictures::Batch {
    std::vector<std::string> ids;
    // Written by the loader's thread before it hands over the picture of the same place.
    std::shared_ptr<std::vector<std::atomic<bool>>> usable;
    std::unique_ptr<image::IconLoader> loader;
    std::size_t left;
};

CommandPictures::CommandPictures(app::Application& application, HWND window, UINT message,
                                 int pixels)
    : application_(application), window_(window), message_(message), pixels_(pixels) {}

CommandPictures::~CommandPictures() = default;

CommandPictures::Row CommandPictures::row(const std::string& id) {
    if (const auto found = known_.find(id); found != known_.end()) {
        return {found->second.icon.get(), found->second.usable};
    }
    if (asked_.insert(id).second) {
        queued_.push_back(id);
    }
    return {nullptr, true};
}

void CommandPictures::startQueued() {
    if (queued_.empty()) {
        return;
    }
    // The larger source wherever the DPI makes the icon bigger than the small size.
    const image::ICONSIZE size = pixels_ > image::pixelSize(image::ICONSIZE::SMALL)
                                     ? image::ICONSIZE::LARGE
                                     : image::ICONSIZE::SMALL;
    const std::size_t count = queued_.size();
    Batch batch{std::exchange(queued_, {}), std::make_shared<std::vector<std::atomic<bool>>>(count),
                nullptr, 0};
    std::vector<image::IconLoader::LookUp> lookUps;
    for (std::size_t place = 0; place < batch.ids.size(); ++place) {
        Plan plan = planFor(application_, batch.ids[place]);
        (*batch.usable)[place] = plan.usable;
        lookUps.emplace_back([size, plan = std::move(plan), usable = batch.usable, place] {
            if (plan.path) {
                (*usable)[place] = reachable(*plan.path);
            }
            return pictureOf(size, plan.source);
        });
    }
    batch.left = lookUps.size();
    batch.loader = std::make_unique<image::IconLoader>(window_, message_, std::move(lookUps));
    batches_.push_back(std::move(batch));
}

bool CommandPictures::take(WPARAM serial) {
    for (auto batch = batches_.begin(); batch != batches_.end(); ++batch) {
        if (!batch->loader->sent(serial)) {
            continue;
        }
        std::vector<image::IconLoader::Found> found = batch->loader->take();
        for (auto& [place, icon] : found) {
            known_.insert_or_assign(batch->ids[place],
                                    Known{std::move(icon), (*batch->usable)[place].load()});
        }
        batch->left -= std::min(batch->left, found.size());
        if (batch->left == 0) {
            batches_.erase(batch);
        }
        return !found.empty();
    }
    return false;
}

} // namespace tavrin::gui
