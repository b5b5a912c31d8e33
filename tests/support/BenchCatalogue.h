#pragma once
// Large catalogues for benchmarks: varied figures, full material lines in shuffled order, and
// names that are part of one another, as real data files have them.
#include <string>

namespace testsupport {

struct CatalogueFiles {
    std::string ships, materials; // paths
};

// The files of `size` ships, written once a size into a folder kept for the run. With
// `trailingBlank`, every material line names its ship with a blank after the name, an easy
// slip by hand: no line is exact, each ship takes the line holding it.
const CatalogueFiles& BenchCatalogue(int size, bool trailingBlank = false);

} // namespace testsupport
