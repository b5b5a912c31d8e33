#pragma once
// The main window: the ship list with its type filter, and the tabs of opened ships.
#include "shipdata/ShipType.h"

#include <QWidget>

#include <memory>
#include <optional>

class QCheckBox;
class QTabWidget;
class TFindBuildsForm;
class CShipDataElement;
class CShipDataManager;

namespace shiptab {
struct Build;
}


namespace toolkit {
class TListBox;
}

class TMainForm : public QWidget {
    Q_OBJECT
public:
    // Builds the controls, then loads the catalogue from ./data (reporting unreadable files).
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    toolkit::TListBox* ShipListBox;
    QCheckBox* AdventureShipCheckBox;
    QCheckBox* TradeShipCheckBox;
    QCheckBox* CombatShipCheckBox;
    QTabWidget* ShipPageControl;

    void FormCreate(QObject* sender);
    void ShipTypeCheckBoxClick(QObject* sender);
    void ShipListBoxDblClick(QObject* sender);

    // Builds as text on the clipboard. Copy (Ctrl+C): the listed ships when the list has the
    // focus, else the current tab's build; Ctrl+Shift+C: every open tab's, in tab order; paste
    // (Ctrl+V): a tab for each pasted build, and one message box for the rows it cannot open.
    void Copy();
    void CopyShipList();
    void CopyAllTabs();
    void PasteBuilds();
    // Ctrl+F: the build finder, shown or brought to the front; made at its first showing.
    void ShowFindBuilds();

    void setVisible(bool visible) override;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::unique_ptr<CShipDataManager> ShipDataManager;
    bool Created = false;
    bool IconSet = false;
    std::unique_ptr<TFindBuildsForm> FindBuildsForm; // a top-level window of its own

    void RunCreateEvent();
    // Opens a tab on its own copy of the record, with the given build or the ship's own start.
    void OpenShip(const CShipDataElement& ship, const std::optional<shiptab::Build>& build);
    // Ctrl+W and Ctrl+F4: what the current tab's close button does.
    void CloseCurrentTab();
    void UpdateShipList();
};

extern TMainForm* MainForm;
