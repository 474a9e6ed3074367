#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin::system {

// The process-wide folders, file names, filters and log switch, fixed at start-up from
// ".\static.dvk" beside the executable and read-only afterwards.
class StaticData {
public:
    struct Values {
        std::string DataFolder;
        std::string TempFolder;
        std::string ResourceFolder;
        std::string LanguageFolder;
        std::string LogFolder;
        std::string ApplicationFile;
        std::string GroupsFile;
        std::string ItemsFile;
        std::vector<std::vector<std::wstring>> Filters;
        std::string HelpFile;
        bool LogEnabled = false;
        std::string HookerFile;
    };

    StaticData() = delete;

    // Set once at start-up by the reader of the static configuration file.
    static void initialize(Values values);

    // The full path of a data file: DataFolder, a backslash when it does not end in one,
    // then the file name.
    static std::string dataFilePath(std::string_view fileName);

    static const std::string& DataFolder() noexcept { return values_.DataFolder; }
    static const std::string& TempFolder() noexcept { return values_.TempFolder; }
    static const std::string& ResourceFolder() noexcept { return values_.ResourceFolder; }
    static const std::string& LanguageFolder() noexcept { return values_.LanguageFolder; }
    static const std::string& LogFolder() noexcept { return values_.LogFolder; }
    static const std::string& ApplicationFile() noexcept { return values_.ApplicationFile; }
    static const std::string& GroupsFile() noexcept { return values_.GroupsFile; }
    static const std::string& ItemsFile() noexcept { return values_.ItemsFile; }
    static const std::vector<std::vector<std::wstring>>& Filters() noexcept {
        return values_.Filters;
    }
    static const std::string& HelpFile() noexcept { return values_.HelpFile; }
    static bool LogEnabled() noexcept { return values_.LogEnabled; }
    static const std::string& HookerFile() noexcept { return values_.HookerFile; }

private:
    static Values values_;
};

} // namespace tavrin::system
