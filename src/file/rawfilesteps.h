#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The platform's single file steps from which several files are replaced together. Paths are
// UTF-8; a returned code is 0 on success, otherwise the system's code of the failure.
namespace tavrin::file::steps {

// A name beside target that this process alone uses, ending in extension.
std::string besideName(const std::string& target, std::string_view extension);

// The process whose save of the file named targetName left name beside it, when name is the
// temporary file of such a save (besideName(target, "tmp")); none for any other name.
std::optional<std::uint32_t> temporaryOwner(std::string_view targetName, std::string_view name);

// A save killed part way leaves its temporary file, and the next save, made by another process,
// names its own differently: so every successful save removes those beside its target. Only
// those of processes that no longer run, since a running one may still be saving. Failures are
// ignored: the save itself has succeeded.
void removeStaleTemporaries(const std::string& target) noexcept;

// Writes bytes to a new file at temporary and flushes it to disk, with the access rights of
// target when it exists. Raises FileError naming target; the temporary file is then gone.
void writeTemporary(const std::string& temporary, const std::string& target,
                    std::string_view bytes);

// Puts replacement in place of the existing target, whose old file becomes backup. On
// failure the old file is either still at target or already at backup.
int replaceKeepingBackup(const std::string& target, const std::string& replacement,
                         const std::string& backup);

// Moves from to to, replacing a file there.
int moveOver(const std::string& from, const std::string& to);

// Raises FileError: the operation, the path and the system's reason for code.
[[noreturn]] void raise(const char* operation, const std::string& path, int code);

void removeQuietly(const std::string& path) noexcept;

// Makes the replacements in target's folder durable where the system needs a separate step.
void flushFolderOf(const std::string& target);

} // namespace tavrin::file::steps
