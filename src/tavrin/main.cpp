#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "app/staticconfig.h"
#include "gui/window/tavrinwindow/windowmessages.h"
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
using tavrin::system::StaticData;

// Until the launcher window exists, a run goes from the loaded application straight to
// shutdown.
class Launcher final : public tavrin::Session {
public:
    explicit Launcher(tavrin::Reporter& reporter) : reporter_(reporter) {}

    void start() override {
        tavrin::app::loadStaticConfiguration();
        instance_.emplace(tavrin::system::toWide(StaticData::DataFolder()));
        if (!instance_->first()) {
            // The running launcher owns the data files: this start touches none of them.
            instance_->callForward(tavrin::gui::COME_FORWARD);
            return;
        }
        tavrin::startLog(StaticData::LogEnabled(), reporter_);
        // The program has no options: the arguments are only recorded for the log.
        arguments_ = tavrin::commandLineArguments(GetCommandLineW());
        application_.emplace();
        warnOfLoadFailures();
    }

    int run() override {
        if (!instance_->first()) {
            return 0;
        }
        tavrin::system::WriteLog("args -> %s", arguments_);
        return 0;
    }

    void save() override {
        if (!instance_->first()) {
            return;
        }
        for (const Application::Unsaved& unsaved : application_->save()) {
            tavrin::system::WriteLog("not saved: %s\r\n%s", unsaved.path, unsaved.failure);
        }
    }

private:
    // Before any window: a user who edits all day must know first that the edits to a file
    // that did not load will not be kept, whether logging is on or off.
    void warnOfLoadFailures() {
        for (const Application::Unsaved& failed : application_->loadFailures()) {
            // The failure names the file itself.
            reporter_.showWarning("データファイルを読み込めませんでした。\r\n" + failed.failure +
                                  "\r\n\r\nこのファイルへの変更は今回の実行では保存されません。");
        }
    }

    tavrin::Reporter& reporter_;
    std::optional<tavrin::SingleInstance> instance_;
    std::vector<std::string> arguments_;
    std::optional<Application> application_;
};

// No window exists to own a dialog yet: every failure is shown task-modal.
class MessageBoxReporter final : public tavrin::Reporter {
public:
    void showException(const tavrin::system::TavrinException& exception) override {
        show(exception.toString());
    }
    void showError(const std::exception& error) override {
        show(tavrin::system::throwableText(error));
    }
    void showOther(std::string_view text) override { show(text); }
    void showWarning(std::string_view text) override { show(text, MB_ICONWARNING); }

private:
    static void show(std::string_view text, UINT icon = MB_ICONERROR) {
        MessageBoxW(nullptr, tavrin::system::toWide(text).c_str(), L"Tavrin",
                    MB_OK | icon | MB_TASKMODAL);
    }
};

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything can load a library: never from the current or a document's folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    MessageBoxReporter reporter;
    Launcher launcher(reporter);
    const int exitCode = tavrin::runGuarded(launcher, reporter);
    // After the guards, which log what they catch.
    tavrin::endLog();
    return exitCode;
}
