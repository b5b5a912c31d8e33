#pragma once
// Builds as text for the clipboard: tab-separated rows that spreadsheets split into cells, one
// build a row under one header row, and the way back from such rows to builds. No widgets.
#include "shiptab/TabTexts.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace shiptab {

// The header's captions, and the header row, ending in a line feed.
QStringList BuildHeaderCells();
QString BuildHeaderRow();
// One build's row, ending in a line feed: the ship's whole name, then what its tab shows in
// each box without the blanks around it. A cell holding a tab, a line break or a double quote
// is quoted, as spreadsheets do.
QString BuildRow(const CShipDataElement& ship, const Build& build);
// The same row's cells, unquoted.
QStringList BuildCells(const CShipDataElement& ship, const Build& build);
// The header row and the rows, on the clipboard.
void PutBuildsOnClipboard(const QString& rows);

// What pasted rows ask for: the builds to open, in row order, and the rows refused, each with
// the line it starts on (from 1) and why, in words for the user.
struct PastedBuild {
    const CShipDataElement* Ship;
    Build Asked;
};
struct RefusedRow {
    int Line;
    QString Why;
};
struct PastedRows {
    std::vector<PastedBuild> Builds;
    std::vector<RefusedRow> Refused;
};
// Reads rows as copies write them (the header row optional, cells after the fifth not read).
// A row opens nothing unless its ship is in the catalogue, its material one of the names, its
// ratio a whole number and its cabins and gun ports values the tab's spinners reach.
PastedRows ReadBuilds(const QString& text, const CShipDataManager& catalogue);

} // namespace shiptab
