// importtext: writes the plain text of a word-processing file to standard
// output, read through the importer that recognises it (the front ends'
// recognition, frontends/Importer.h) and written by librevenge's own text
// generator. The benchmark of the front ends (scripts/bench-frontends) runs
// it beside icfexport on the same file: the cost of the import alone.
// Usage: importtext FILE. Exit status 0, 1 for a wrong command line, 2
// when no importer takes the file or the import fails.
#include "frontends/Importer.h"

#include <librevenge-generators/librevenge-generators.h>
#include <librevenge-stream/librevenge-stream.h>

#include <cstdio>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: importtext FILE\n";
        return 1;
    }
    librevenge::RVNGFileStream input(argv[1]);
    librevenge::RVNGString text;
    librevenge::RVNGTextTextGenerator generator(text);
    try {
        if (!frontends::importInto(input, generator, argv[1])) {
            std::cerr << "importtext: " << argv[1] << ": no importer recognises the file\n";
            return 2;
        }
    } catch (const frontends::ImportError& error) {
        std::cerr << "importtext: " << error.what() << '\n';
        return 2;
    }
    std::fwrite(text.cstr(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 2;
}
