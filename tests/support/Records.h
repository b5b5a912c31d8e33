#pragma once
// Ship lines, records and texts in code page 932, for tests, fuzz targets and benchmarks.
#include "shipdata/Cshipdatamanagemer.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class TempDir;

namespace testsupport {

// Record columns by index (1 Price, 9 DefaultCabins, 10 DefaultPorts, 11 DefaultHold,
// 12 MinimumCabinsBase, 13-15 boarding levels, 25 DefaultMaterial, ...).
using Columns = std::vector<std::pair<int, std::string>>;

// A ship line of thirty columns: the name, then the given columns, every other one `fill`.
std::string ShipLine(const std::string& name, const Columns& columns, const std::string& fill = "");

// A record; `entries` is the material line after the name ("ls/ss/st,..."), or none at all.
std::unique_ptr<CShipDataElement> MakeRecord(const std::string& line, const std::string* entries = nullptr);

// Writes data/ship_varietion.csv (a header, then `shipLines`) into `dir`, and
// data/ship_material.csv with a line "name,1/2/3" for each ship, lines ending in `eol`.
void WriteCatalogue(const TempDir& dir, const std::vector<std::string>& shipLines, const std::string& eol = "\r\n");

// UTF-8 text as the data files hold it.
std::string Sjis(const char* utf8);

} // namespace testsupport
