#pragma once
// The main window: the ship list with its type filter, and the tabs of opened ships.
#include <QWidget>

#include <memory>

class QCheckBox;
class QTabWidget;
class CShipDataManager;


namespace toolkit {
class TListBox;
}

enum class ShipType { Adventure, Trade, Combat };

// The strictly highest boarding level decides; ties go to combat, then trade.
ShipType ShipTypeOf(int32_t adventure, int32_t trade, int32_t combat);

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

    void setVisible(bool visible) override;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::unique_ptr<CShipDataManager> ShipDataManager;
    bool Created = false;

    void RunCreateEvent();
    // Ctrl+W and Ctrl+F4: what the current tab's close button does.
    void CloseCurrentTab();
    void UpdateShipList();
};

extern TMainForm* MainForm;
