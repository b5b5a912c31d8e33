#pragma once
// Builds as text meet the clipboard and the widgets here; the rows themselves are the core's
// (shiptab/BuildRows.h).
#include "shiptab/BuildRows.h"

#include <QStringList>

namespace shiptab {

// UTF-8 cells as a widget shows them.
QStringList ToStringList(const std::vector<std::string>& cells);
// The header row and the rows, on the clipboard.
void PutBuildsOnClipboard(const std::string& rows);
// The clipboard's rows of build text or links.
PastedRows ReadClipboard(const CShipDataManager& catalogue);

} // namespace shiptab
