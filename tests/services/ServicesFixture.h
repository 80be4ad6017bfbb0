// The setting the file services work in: a scratch folder as the current
// folder (temporary files are made in "./"), and a host export whose
// document holds embedded objects.
#pragma once

#include "trx/fileservices.h"
#include "trxhost/Document.h"
#include "trxhost/Export.h"
#include "trxhost/Listing.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>

class ServicesFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "icf-services-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        scratch_ = pattern;
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(scratch_);
        setExecutionPath(nullptr);
    }

    void TearDown() override
    {
        c2iGrafxSetExportHandle(0);
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(scratch_);
    }

    // Makes the document of `listing` the one whose objects the services open.
    void useDocument(const std::string& listing)
    {
        document_ = trxhost::parseListing(listing, "objects.lst");
        export_ = std::make_unique<trxhost::Export>(*document_);
        c2iGrafxSetExportHandle(export_->handle());
    }

    // The names of the files in the scratch folder.
    std::set<std::string> files() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(scratch_))
            names.insert(entry.path().filename().string());
        return names;
    }

    static std::string contents(const std::string& path)
    {
        std::ostringstream bytes;
        bytes << std::ifstream(path, std::ios::binary).rdbuf();
        return bytes.str();
    }

    std::filesystem::path scratch_;

private:
    std::filesystem::path previous_;
    std::unique_ptr<trxhost::Document> document_;
    std::unique_ptr<trxhost::Export> export_;
};

// The routine table that converters are handed.
inline C2IGRAFXRTNS graphicRoutines()
{
    return {c2iGrafxIfsOpen,   c2iGrafxIfsRead,    c2iGrafxIfsWrite,      c2iGrafxIfsClose, c2iGrafxIfsLSeek,
            c2iGrafxIfsUnlink, c2iGrafxIfsGetSize, c2iGrafxIfsCheckExist, c2iGrafxIfsRename};
}
