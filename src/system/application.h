#pragma once

#include <string>
#include <vector>

#include "etc/drevak/dvkdocument.h"
#include "file/app.h"
#include "file/datafile.h"

namespace tavrin::system {

// Owns the three data documents for the run, loaded from the data folder that
// StaticData names.
class Application {
public:
    // A document that was not written because it could not be loaded: writing it would
    // replace the file on disk with an empty document.
    struct Unsaved {
        std::string path;
        std::string failure;
    };

    Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    drevak::DvkDocument& appDocument() noexcept { return appDocument_.loaded.document; }
    drevak::DvkDocument& groupsDocument() noexcept { return groupsDocument_.loaded.document; }
    drevak::DvkDocument& itemsDocument() noexcept { return itemsDocument_.loaded.document; }
    // The settings over the application document, repaired to defaults where it was damaged.
    file::App& settings() noexcept { return settings_; }

    // Creates the data folder when missing, then writes the documents in the order
    // application, items, groups, leaving out those whose load failed (returned). When a
    // write fails the others are still written and the first failure is raised afterwards.
    std::vector<Unsaved> save() const;

private:
    struct Document {
        explicit Document(std::string filePath);

        std::string path;
        file::LoadedDocument loaded;
    };

    Document appDocument_;
    // Built before the other documents are read: a repair it logs comes first.
    file::App settings_;
    Document groupsDocument_;
    Document itemsDocument_;
};

} // namespace tavrin::system
