#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "app/staticconfig.h"
#include "gui/window/dialog/exceptiondialog.h"
#include "gui/window/tavrinwindow/tavrinwindow.h"
#include "gui/window/tavrinwindow/windowmessages.h"
#include "image/iconloader.h"
#include "system/log.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "system/win32.h"
#include "tavrin/arguments.h"
#include "tavrin/guard.h"
#include "tavrin/runlog.h"
#include "tavrin/singleinstance.h"

namespace {

using tavrin::app::Application;
using tavrin::gui::TavrinWindow;
using tavrin::system::StaticData;

// Failures are shown in the exception dialog, owned by the launcher window while it exists.
// A dialog that cannot be shown leaves the task-modal message box as the last resort.
class DialogReporter final : public tavrin::Reporter {
public:
    void owner(tavrin::tvgui::TvGui* window) noexcept { owner_ = window; }

    void showException(const tavrin::system::TavrinException& exception) override {
        show(exception);
    }
    void showError(const std::exception& error) override { show(error); }
    void showOther(std::string_view text) override { messageBox(text, MB_ICONERROR); }
    // A warning is no failure: it has no chain to show.
    void showWarning(std::string_view text) override { messageBox(text, MB_ICONWARNING); }

private:
    void show(const std::exception& failure) {
        tavrin::tvgui::TvGui* const owner = owner_ && owner_->exists() ? owner_ : nullptr;
        try {
            tavrin::gui::ExceptionDialog::show(owner, failure);
        } catch (...) {
            messageBox(tavrin::system::throwableText(failure), MB_ICONERROR);
        }
    }

    static void messageBox(std::string_view text, UINT icon) {
        MessageBoxW(nullptr, tavrin::system::toWide(text).c_str(), L"Tavrin",
                    MB_OK | icon | MB_TASKMODAL);
    }

    tavrin::tvgui::TvGui* owner_ = nullptr;
};

class Launcher final : public tavrin::Session {
public:
    explicit Launcher(DialogReporter& reporter) : reporter_(reporter) {}

    void start() override {
        tavrin::app::loadStaticConfiguration();
        instance_.emplace(tavrin::system::toWide(StaticData::DataFolder()));
        if (!instance_->first()) {
            // The running launcher owns the data files: this start touches none of them.
            instance_->callForward(tavrin::gui::COME_FORWARD);
            return;
        }
        tavrin::startLog(StaticData::LogEnabled(), reporter_);
        if (!instance_->trouble().empty()) {
            tavrin::system::WriteLog("running without the single-instance claim: %s",
                                     instance_->trouble());
        }
        // The program has no options: the arguments are only recorded for the log.
        arguments_ = tavrin::commandLineArguments(GetCommandLineW());
        auto application = std::make_unique<Application>();
        warnOfLoadFailures(*application);
        window_ = std::make_unique<TavrinWindow>(std::move(application), [this] { saveAtEnd(); });
        reporter_.owner(window_.get());
        instance_->publish(window_->hwnd());
    }

    int run() override {
        if (!window_) {
            return 0;
        }
        tavrin::system::WriteLog("args -> %s", arguments_);
        window_->initialize();
        return window_->run();
    }

    void save() override {
        if (!window_) {
            return;
        }
        for (const Application::Unsaved& unsaved : window_->application().save()) {
            tavrin::system::WriteLog("not saved: %s\r\n%s", unsaved.path, unsaved.failure);
        }
    }

private:
    // Before any window: a user who edits all day must know first that the edits to a file
    // that did not load will not be kept, whether logging is on or off.
    void warnOfLoadFailures(const Application& application) {
        for (const Application::Unsaved& failed : application.loadFailures()) {
            reporter_.showWarning(tavrin::app::loadFailureWarning(failed.failure));
        }
    }

    // The session ends under the running loop: the data is written as the shutdown writes
    // it, and a write that fails is only logged, as nobody is left to be shown it.
    void saveAtEnd() noexcept {
        try {
            save();
        } catch (const std::exception& failure) {
            tavrin::system::WriteLog([&failure] {
                return "not saved at the end of the session\r\n" +
                       tavrin::system::throwableText(failure);
            });
        }
    }

    DialogReporter& reporter_;
    std::optional<tavrin::SingleInstance> instance_;
    std::vector<std::string> arguments_;
    std::unique_ptr<TavrinWindow> window_;
};

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything can load a library: never from the current or a document's folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    DialogReporter reporter;
    Launcher launcher(reporter);
    const int exitCode = tavrin::runGuarded(launcher, reporter);
    // The buttons' pictures may still be being looked up: the process must not take down
    // what the look-up uses under it.
    tavrin::image::IconLoader::waitForAll(2000);
    // After the guards, which log what they catch.
    tavrin::endLog();
    return exitCode;
}
