#include <cstddef>
#include <string>
#include <vector>

#include "file/rawfile.h"
#include "file/rawfilesteps.h"

namespace tavrin::file {
namespace {

using steps::besideName;
using steps::moveOver;
using steps::removeQuietly;

struct Staged {
    const FileContent& file;
    std::string temporary;
    std::string backup;
    bool hadOriginal;
    bool written = false;
};

std::string keptNote(const Staged& step) {
    return "; the old \"" + step.file.path + "\" could not be put back and is kept as \"" +
           step.backup + "\"";
}

// The step whose replacement failed: its old file is at the target, or already at the backup.
std::string putBackFailed(const Staged& step) {
    if (!step.hadOriginal) {
        return {};
    }
    bool missing;
    try {
        missing = fileMissing(step.file.path);
    } catch (const FileError&) {
        return keptNote(step);
    }
    if (missing && moveOver(step.backup, step.file.path) != 0) {
        return keptNote(step);
    }
    removeQuietly(step.backup);
    return {};
}

// Undoes the replacements of the first placed steps and of the step after them when it was
// attempted, and removes every temporary file. Returns notes for the error about old files
// that could not be put back.
std::string rollBack(const std::vector<Staged>& staged, std::size_t placed, bool attempted) {
    std::string notes;
    for (std::size_t index = 0; index < staged.size(); ++index) {
        const Staged& step = staged[index];
        if (index < placed) {
            if (!step.hadOriginal) {
                removeQuietly(step.file.path);
            } else if (moveOver(step.backup, step.file.path) != 0) {
                notes += keptNote(step);
            }
        } else if (index == placed && attempted) {
            notes += putBackFailed(step);
        }
        if (step.written) {
            removeQuietly(step.temporary);
        }
    }
    return notes;
}

void stage(std::vector<Staged>& staged, const FileContent& file) {
    staged.push_back({file, besideName(file.path, "tmp"), besideName(file.path, "bak"),
                      !fileMissing(file.path)});
    Staged& step = staged.back();
    steps::writeTemporary(step.temporary, file.path, file.bytes);
    step.written = true;
}

void place(const Staged& step) {
    const std::string& target = step.file.path;
    const int code = step.hadOriginal
                         ? steps::replaceKeepingBackup(target, step.temporary, step.backup)
                         : moveOver(step.temporary, target);
    if (code != 0) {
        steps::raise("cannot replace", target, code);
    }
}

} // namespace

void replaceFiles(std::span<const FileContent> files) {
    std::vector<Staged> staged;
    staged.reserve(files.size());
    std::size_t placed = 0;
    bool placing = false;
    try {
        for (const FileContent& file : files) {
            stage(staged, file);
        }
        placing = true;
        for (; placed < staged.size(); ++placed) {
            place(staged[placed]);
        }
    } catch (const FileError& error) {
        const std::string notes = rollBack(staged, placed, placing);
        throw FileError(error.what() + notes, error.path(), error.systemCode());
    } catch (...) {
        rollBack(staged, placed, placing);
        throw;
    }
    for (const Staged& step : staged) {
        if (step.hadOriginal) {
            removeQuietly(step.backup);
        }
        steps::flushFolderOf(step.file.path);
        steps::removeStaleTemporaries(step.file.path);
    }
}

} // namespace tavrin::file
