// The inputs of a run: the files named on the command line, the files found
// in the folders named there (their own, or with --recursive every one below
// them), and the paths of a manifest, one a line. With --shard only a slice
// of them, taken from the list sorted by path.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace icfexport {

// --shard I/N: the I-th (from 1) of N contiguous slices of the sorted inputs.
struct Shard {
    size_t index = 1;
    size_t count = 1;
};

struct InputSources {
    // Files and folders as named on the command line, "-" for standard input.
    std::vector<std::string> paths;
    // A file of paths, "-" for standard input; empty: none.
    std::string manifest;
    bool recursive = false;
    // Extensions without the dot that a folder's files must have; empty:
    // every file but ICF outputs (.icf) and hidden files.
    std::vector<std::string> extensions;
    Shard shard;
};

struct InputFile {
    std::string path;
    // For a file found in a folder: its path below that folder, which its
    // output keeps under --output-dir. Empty for a file named directly.
    std::string pathInFolder;
};

// Throws UsageError naming a folder or manifest that cannot be read.
std::vector<InputFile> collectInputs(const InputSources& sources);

} // namespace icfexport
