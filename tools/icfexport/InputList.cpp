#include "InputList.h"

#include "common/UsageError.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <system_error>

namespace icfexport {

namespace {

namespace fs = std::filesystem;

constexpr char kStandardInput[] = "-";
constexpr char kOutputExtension[] = ".icf";

bool takenFromFolder(const fs::path& file, const std::vector<std::string>& extensions)
{
    const std::string name = file.filename().string();
    if (name.empty() || name.front() == '.')
        return false;
    const std::string extension = file.extension().string();
    if (extensions.empty())
        return extension != kOutputExtension;
    return std::any_of(extensions.begin(), extensions.end(),
                       [&extension](const std::string& wanted) { return extension == "." + wanted; });
}

// The folder's files in the order of their paths, so that a run is the same
// whatever order the file system lists them in.
template <typename Iterator>
void addFolderFiles(const fs::path& folder, const InputSources& sources, std::vector<InputFile>& inputs)
{
    std::vector<InputFile> found;
    std::error_code error;
    for (Iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        if (entry->is_regular_file(error) && takenFromFolder(entry->path(), sources.extensions))
            found.push_back({entry->path().string(), entry->path().lexically_relative(folder).string()});
    }
    if (error)
        throw tools::UsageError(folder.string() + ": cannot list the folder: " + error.message());
    std::sort(found.begin(), found.end(), [](const InputFile& a, const InputFile& b) { return a.path < b.path; });
    inputs.insert(inputs.end(), found.begin(), found.end());
}

void addPath(const std::string& path, const InputSources& sources, std::vector<InputFile>& inputs)
{
    std::error_code error;
    if (path == kStandardInput || !fs::is_directory(path, error))
        inputs.push_back({path, {}});
    else if (sources.recursive)
        addFolderFiles<fs::recursive_directory_iterator>(path, sources, inputs);
    else
        addFolderFiles<fs::directory_iterator>(path, sources, inputs);
}

void addManifest(std::istream& manifest, const InputSources& sources, std::vector<InputFile>& inputs)
{
    for (std::string line; std::getline(manifest, line);)
        if (!line.empty())
            addPath(line, sources, inputs);
}

void readManifest(const InputSources& sources, std::vector<InputFile>& inputs)
{
    if (sources.manifest.empty())
        return;
    if (sources.manifest == kStandardInput) {
        addManifest(std::cin, sources, inputs);
        return;
    }
    std::ifstream manifest(sources.manifest);
    if (!manifest)
        throw tools::UsageError(sources.manifest + ": cannot read the manifest");
    addManifest(manifest, sources, inputs);
}

// The shard's slice of the inputs sorted by path: the slices of the N
// shards are disjoint and together hold every input.
std::vector<InputFile> sliceOf(std::vector<InputFile> inputs, const Shard& shard)
{
    if (shard.count == 1)
        return inputs;
    std::stable_sort(inputs.begin(), inputs.end(),
                     [](const InputFile& a, const InputFile& b) { return a.path < b.path; });
    const size_t first = inputs.size() * (shard.index - 1) / shard.count;
    const size_t end = inputs.size() * shard.index / shard.count;
    return {inputs.begin() + static_cast<std::ptrdiff_t>(first), inputs.begin() + static_cast<std::ptrdiff_t>(end)};
}

} // namespace

std::vector<InputFile> collectInputs(const InputSources& sources)
{
    std::vector<InputFile> inputs;
    for (const std::string& path : sources.paths)
        addPath(path, sources, inputs);
    readManifest(sources, inputs);
    return sliceOf(std::move(inputs), sources.shard);
}

} // namespace icfexport
