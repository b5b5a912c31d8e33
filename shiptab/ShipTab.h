#pragma once
// The frame shown in every ship tab: the ship's fixed figures, the build calculator and the
// material list, bound once to the tab's own copy of a ship record.
#include "shipdata/Cshipdatamanagemer.h"
#include "shiptab/TabTexts.h"
#include "toolkit/StaticText.h"
#include "toolkit/UpDown.h"

#include <QRgb>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <variant>

class QToolButton;
class QTreeWidget;

class TShipTabFrame : public QWidget {
    Q_OBJECT
public:
    explicit TShipTabFrame(QWidget* parent = nullptr);
    ~TShipTabFrame() override;

    // The controls, in their designed order (which is also the tab order). Each one's
    // objectName is its member name.
    QTreeWidget* MaterialView = nullptr;
    TStaticText* StaticText1 = nullptr;
    TStaticText* ShipNameText = nullptr;
    TStaticText* StaticText9 = nullptr;
    TStaticText* PriceText = nullptr;
    TStaticText* StaticText11 = nullptr;
    TStaticText* StrengthText = nullptr;
    TStaticText* StaticText3 = nullptr;
    TStaticText* SlueText = nullptr;
    TStaticText* StaticText8 = nullptr;
    TStaticText* ResistiveWaveText = nullptr;
    TStaticText* StaticText13 = nullptr;
    TStaticText* ArmouredText = nullptr;
    TStaticText* StaticText7 = nullptr;
    TStaticText* MaterialText = nullptr;
    TUpDown* UpDown1 = nullptr;
    TStaticText* StaticText10 = nullptr;
    TStaticText* StaticText12 = nullptr;
    TStaticText* PercentText = nullptr;
    TStaticText* StaticText14 = nullptr;
    TStaticText* CurrentCapacityText = nullptr;
    TStaticText* StaticText16 = nullptr;
    TUpDown* UpDown2 = nullptr;
    TStaticText* StaticText2 = nullptr;
    TStaticText* LSailText = nullptr;
    TStaticText* StaticText4 = nullptr;
    TStaticText* StaticText5 = nullptr;
    TStaticText* SSailText = nullptr;
    TStaticText* StaticText6 = nullptr;
    TStaticText* RowText = nullptr;
    TStaticText* StaticText17 = nullptr;
    TStaticText* ALVText = nullptr;
    TStaticText* StaticText19 = nullptr;
    TStaticText* CLVText = nullptr;
    TStaticText* StaticText27 = nullptr;
    TStaticText* MinimumCabinsText = nullptr;
    TStaticText* StaticText29 = nullptr;
    TStaticText* StaticText30 = nullptr;
    TStaticText* DefaultCabinsText = nullptr;
    TStaticText* StaticText32 = nullptr;
    TStaticText* MaximumCabinsText = nullptr;
    TStaticText* StaticText18 = nullptr;
    TStaticText* MinimumPortsText = nullptr;
    TStaticText* StaticText22 = nullptr;
    TStaticText* DefaultPortsText = nullptr;
    TStaticText* StaticText25 = nullptr;
    TStaticText* MaximumPortsText = nullptr;
    TStaticText* StaticText34 = nullptr;
    TStaticText* StaticText35 = nullptr;
    TUpDown* UpDown3 = nullptr;
    TStaticText* CurrentCabinsText = nullptr;
    TUpDown* UpDown4 = nullptr;
    TStaticText* CurrentPortsText = nullptr;
    TStaticText* StaticText38 = nullptr;
    TStaticText* CurrentHoldText = nullptr;
    TStaticText* StaticText40 = nullptr;
    TStaticText* NumOfJiggerText = nullptr;
    TStaticText* StaticText43 = nullptr;
    TStaticText* NumOfFigureheadText = nullptr;
    TStaticText* StaticText44 = nullptr;
    TStaticText* NumOfSealText = nullptr;
    TStaticText* StaticText46 = nullptr;
    TStaticText* CannonSlotsText = nullptr;
    TStaticText* StaticText48 = nullptr;
    TStaticText* StaticText49 = nullptr;
    TStaticText* FrontCannonSlotsText = nullptr;
    TStaticText* StaticText51 = nullptr;
    TStaticText* RearCannonSlotsText = nullptr;
    TStaticText* StaticText53 = nullptr;
    TStaticText* NumOfWeaponText = nullptr;
    TStaticText* StaticText55 = nullptr;
    TStaticText* NumOfArmourText = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    TStaticText* StaticText15 = nullptr;
    TStaticText* TLVText = nullptr;
    TStaticText* StaticText21 = nullptr;

    // Takes the tab's own copy of a ship: sets the build (the ship's starting one unless given),
    // writes the fixed figures, fills the material list and works out the rest. Meant to be
    // called once, before the frame is shown; a null record leaves the frame unbound. A given
    // build should be one the tab's controls reach (see shiptab::CabinReach); one without a
    // material kind is not taken.
    void BindShip(std::unique_ptr<CShipDataElement> record, std::optional<shiptab::Build> build = {});

    // The bound ship (null before binding) and the build the tab shows now.
    const CShipDataElement* Record() const { return Ship.get(); }
    const shiptab::Build& CurrentBuild() const { return Current; }
    // Puts the tab's build on the clipboard as a row of text under its header row.
    void CopyBuild() const;

    // Event handlers; the sender is ignored.
    void SpeedButton1Click(QObject* Sender);
    void MaterialViewDblClick(QObject* Sender);
    void UpDown1ChangingEx(QObject* Sender, bool& AllowChange, short NewValue, TUpDownDirection Direction);
    void UpDown3ChangingEx(QObject* Sender, bool& AllowChange, short NewValue, TUpDownDirection Direction);
    void UpDown4ChangingEx(QObject* Sender, bool& AllowChange, short NewValue, TUpDownDirection Direction);

    // One control of the layout. The member pointer's type says the control's class.
    using ControlMember = std::variant<TStaticText* TShipTabFrame::*, TUpDown* TShipTabFrame::*,
                                       QToolButton* TShipTabFrame::*, QTreeWidget* TShipTabFrame::*>;
    struct Control {
        ControlMember Member;
        const char* Name;
        const char* Caption; // UTF-8
        int Left, Top, Width, Height;
        QRgb Colour; // background of a static text; 0 for the other controls
        const char* Label; // of a value box: the label box whose caption names it; else null
    };
    // The layout the constructor builds, in the designed (and tab) order.
    static std::span<const Control> Layout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    friend struct TShipTabFrameProbe; // tests and the fuzz target read the calculator state

    void Recalculate();
    void Step(shiptab::Spinner spinner, bool& AllowChange, TUpDownDirection Direction);

    std::unique_ptr<CShipDataElement> Ship;
    shiptab::Build Current;
};
