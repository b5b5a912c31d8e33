#pragma once
// The build finder's window: what a ship must carry and what to look for first above, the best
// build of every ship that can below, following every change at once.
#include "finder/FindBuilds.h"
#include "shiptab/TabTexts.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QTableView;

namespace finder {
class FoundBuildsModel;
}

class TFindBuildsForm : public QWidget {
    Q_OBJECT
public:
    // A top-level window of its own over a catalogue that outlives it.
    explicit TFindBuildsForm(const CShipDataManager& catalogue);
    ~TFindBuildsForm() override;

    QCheckBox* FindAdventureCheckBox;
    QCheckBox* FindTradeCheckBox;
    QCheckBox* FindCombatCheckBox;
    // Each at its minimum asks for nothing.
    QSpinBox* MinLSailEdit;
    QSpinBox* MinSSailEdit;
    QSpinBox* MinStrengthEdit;
    QSpinBox* MinCabinsEdit;
    QSpinBox* MinPortsEdit;
    QSpinBox* MinHoldEdit;
    QSpinBox* MaxPriceEdit;
    QSpinBox* LowestPercentEdit;
    QSpinBox* HighestPercentEdit;
    QComboBox* GoalComboBox;
    QCheckBox* EveryMaterialCheckBox;
    QTableView* ResultView;
    QLabel* ResultCountText;

    // What the controls ask for.
    finder::Query CurrentQuery() const;
    // Shows the window as it was left, or brings it to the front.
    void ShowInFront();
    // Whether the rows of the newest query are still being searched for.
    bool Searching() const { return Shown != Asked; }
    // A large catalogue is searched off the GUI thread, so typing never waits for a search;
    // a small one in place, its rows shown at once.
    static constexpr int SearchedInPlace = 5000; // ships: a few milliseconds

    class SearchThread;

signals:
    // Return or a double-click on a row: open that build of the row's own record.
    void openBuild(const CShipDataElement* ship, const shiptab::Build& build);
    // The rows of the newest query are shown.
    void resultsShown();

private:
    const CShipDataManager& Catalogue;
    finder::FoundBuildsModel* Model;
    std::unique_ptr<SearchThread> Searcher; // none for a small catalogue
    uint64_t Asked = 0, Shown = 0;           // the newest query, and the one whose rows are shown

    void Search();
    void ShowRows(uint64_t query, std::vector<finder::FoundBuild> rows);
    void OpenCurrentRow();
    void CopySelectedRows();
};
