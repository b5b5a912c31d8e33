#pragma once
// Where each control of a ship tab's frame sits (pixels at 96 dpi, in a 523 x 428 frame), what a
// label says and its colour, in the designed order, which is also the order Tab follows. The
// desktop frame and the page both lay themselves out from this one table.
#include <cstdint>

namespace shiptab {

struct Place {
    const char* Name;    // the control's object name
    const char* Caption; // a label's text, blanks kept (they place it in its box); UTF-8
    int Left, Top, Width, Height;
    uint32_t Colour;   // 0xRRGGBB background of a static text; 0 for the other controls
    const char* Label; // of a value box: the label whose caption names it; else null
};

namespace colour {
// By role.
inline constexpr uint32_t ItemLabel = 0xC2BAFE;
inline constexpr uint32_t GroupHeader = 0x5AFEA8;
inline constexpr uint32_t AllotmentLine = 0xD9BAFE;
inline constexpr uint32_t Adjustment = 0xFFFF00;
inline constexpr uint32_t Value = 0xFFFFFF;
inline constexpr uint32_t FrameBackground = 0xE6FFFB;
inline constexpr uint32_t MaterialViewBackground = 0xBFFFF4;
} // namespace colour

inline constexpr int FrameWidth = 523, FrameHeight = 428;

inline constexpr Place FramePlaces[] = {
    {"MaterialView", "", 280, 256, 241, 169, 0, nullptr},
    {"StaticText1", "      船種名", 0, 0, 81, 17, colour::ItemLabel, nullptr},
    {"ShipNameText", " N/A", 80, 0, 185, 17, colour::Value, "StaticText1"},
    {"StaticText9", " 価格", 104, 32, 41, 17, colour::ItemLabel, nullptr},
    {"PriceText", " N/A", 144, 32, 121, 17, colour::Value, "StaticText9"},
    {"StaticText11", " 耐久", 0, 32, 41, 17, colour::ItemLabel, nullptr},
    {"StrengthText", " N/A", 40, 32, 65, 17, colour::Value, "StaticText11"},
    {"StaticText3", " 旋回", 0, 96, 41, 17, colour::ItemLabel, nullptr},
    {"SlueText", " N/A", 40, 96, 49, 17, colour::Value, "StaticText3"},
    {"StaticText8", " 対波", 88, 96, 41, 17, colour::ItemLabel, nullptr},
    {"ResistiveWaveText", " N/A", 128, 96, 49, 17, colour::Value, "StaticText8"},
    {"StaticText13", " 装甲", 176, 96, 41, 17, colour::ItemLabel, nullptr},
    {"ArmouredText", " N/A", 216, 96, 49, 17, colour::Value, "StaticText13"},
    {"StaticText7", "      材質", 0, 16, 81, 17, colour::ItemLabel, nullptr},
    {"MaterialText", " N/A", 80, 16, 185, 17, colour::Value, "StaticText7"},
    {"UpDown1", "", 392, 56, 32, 17, 0, nullptr},
    {"StaticText10", "                           増減量", 280, 24, 241, 17, colour::GroupHeader, nullptr},
    {"StaticText12", " 比率調整", 280, 56, 65, 17, colour::Adjustment, nullptr},
    {"PercentText", " N/A", 344, 56, 49, 17, colour::Value, "StaticText12"},
    {"StaticText14", "      総容量", 280, 40, 97, 17, colour::ItemLabel, nullptr},
    {"CurrentCapacityText", "    N/A", 376, 40, 145, 17, colour::Value, "StaticText14"},
    {"StaticText16", " 数値調整", 424, 56, 65, 17, colour::Adjustment, nullptr},
    {"UpDown2", "", 488, 56, 33, 17, 0, nullptr},
    {"StaticText2", " 縦帆", 0, 80, 41, 17, colour::ItemLabel, nullptr},
    {"LSailText", " N/A", 40, 80, 49, 17, colour::Value, "StaticText2"},
    {"StaticText4", "                          基本性能", 0, 64, 265, 17, colour::GroupHeader, nullptr},
    {"StaticText5", " 横帆", 88, 80, 41, 17, colour::ItemLabel, nullptr},
    {"SSailText", " N/A", 128, 80, 49, 17, colour::Value, "StaticText5"},
    {"StaticText6", " 漕力", 176, 80, 41, 17, colour::ItemLabel, nullptr},
    {"RowText", " N/A", 216, 80, 49, 17, colour::Value, "StaticText6"},
    {"StaticText17", " 冒険", 0, 320, 41, 17, colour::ItemLabel, nullptr},
    {"ALVText", " N/A", 40, 320, 49, 17, colour::Value, "StaticText17"},
    {"StaticText19", "                          乗船Lv", 0, 304, 265, 17, colour::GroupHeader, nullptr},
    {"CLVText", " N/A", 216, 320, 49, 17, colour::Value, "StaticText21"},
    {"StaticText27", " 最小", 0, 152, 41, 17, colour::ItemLabel, nullptr},
    {"MinimumCabinsText", " N/A", 40, 152, 49, 17, colour::Value, "StaticText27"},
    {"StaticText29", "                          船倉配分", 0, 120, 265, 17, colour::GroupHeader, nullptr},
    {"StaticText30", " 標準", 88, 152, 41, 17, colour::ItemLabel, nullptr},
    {"DefaultCabinsText", " N/A", 128, 152, 49, 17, colour::Value, "StaticText30"},
    {"StaticText32", " 最大", 176, 152, 41, 17, colour::ItemLabel, nullptr},
    {"MaximumCabinsText", " N/A", 216, 152, 49, 17, colour::Value, "StaticText32"},
    {"StaticText18", " 最小", 0, 184, 41, 17, colour::ItemLabel, nullptr},
    {"MinimumPortsText", " N/A", 40, 184, 49, 17, colour::Value, "StaticText18"},
    {"StaticText22", " 標準", 88, 184, 41, 17, colour::ItemLabel, nullptr},
    {"DefaultPortsText", " N/A", 128, 184, 49, 17, colour::Value, "StaticText22"},
    {"StaticText25", " 最大", 176, 184, 41, 17, colour::ItemLabel, nullptr},
    {"MaximumPortsText", " N/A", 216, 184, 49, 17, colour::Value, "StaticText25"},
    {"StaticText34", "                  砲室", 0, 168, 177, 17, colour::AllotmentLine, nullptr},
    {"StaticText35", "                  船室", 0, 136, 177, 17, colour::AllotmentLine, nullptr},
    {"UpDown3", "", 232, 136, 33, 17, 0, nullptr},
    {"CurrentCabinsText", " N/A", 176, 136, 57, 17, colour::Value, "StaticText35"},
    {"UpDown4", "", 232, 168, 33, 17, 0, nullptr},
    {"CurrentPortsText", " N/A", 176, 168, 57, 17, colour::Value, "StaticText34"},
    {"StaticText38", "                  倉庫", 0, 200, 177, 17, colour::AllotmentLine, nullptr},
    {"CurrentHoldText", " N/A", 176, 200, 89, 17, colour::Value, "StaticText38"},
    {"StaticText40", "補助帆", 0, 256, 41, 17, colour::ItemLabel, nullptr},
    {"NumOfJiggerText", " N/A", 40, 256, 49, 17, colour::Value, "StaticText40"},
    {"StaticText43", "船首像", 88, 256, 41, 17, colour::ItemLabel, nullptr},
    {"NumOfFigureheadText", " N/A", 128, 256, 49, 17, colour::Value, "StaticText43"},
    {"StaticText44", " 紋章", 176, 256, 41, 17, colour::ItemLabel, nullptr},
    {"NumOfSealText", " N/A", 216, 256, 49, 17, colour::Value, "StaticText44"},
    {"StaticText46", "船側砲", 0, 240, 41, 17, colour::ItemLabel, nullptr},
    {"CannonSlotsText", " N/A", 40, 240, 49, 17, colour::Value, "StaticText46"},
    {"StaticText48", "                       部品スロット数", 0, 224, 265, 17, colour::GroupHeader, nullptr},
    {"StaticText49", "船首砲", 88, 240, 41, 17, colour::ItemLabel, nullptr},
    {"FrontCannonSlotsText", " N/A", 128, 240, 49, 17, colour::Value, "StaticText49"},
    {"StaticText51", "船尾砲", 176, 240, 41, 17, colour::ItemLabel, nullptr},
    {"RearCannonSlotsText", " N/A", 216, 240, 49, 17, colour::Value, "StaticText51"},
    {"StaticText53", " 特殊兵装", 0, 272, 65, 17, colour::ItemLabel, nullptr},
    {"NumOfWeaponText", " N/A", 64, 272, 65, 17, colour::Value, "StaticText53"},
    {"StaticText55", " 追加装甲", 128, 272, 65, 17, colour::ItemLabel, nullptr},
    {"NumOfArmourText", " N/A", 192, 272, 73, 17, colour::Value, "StaticText55"},
    {"SpeedButton1", "×", 504, 0, 18, 18, 0, nullptr},
    {"StaticText15", " 交易", 88, 320, 41, 17, colour::ItemLabel, nullptr},
    {"TLVText", " N/A", 128, 320, 49, 17, colour::Value, "StaticText15"},
    {"StaticText21", " 戦闘", 176, 320, 41, 17, colour::ItemLabel, nullptr},
};

// What a screen reader calls each spinner and its arrows, and the close button.
struct SpinnerNames {
    const char* Name;
    const char* Caption;
    const char* Down;
    const char* Up;
};
inline constexpr SpinnerNames Spinners[] = {
    {"UpDown1", "比率調整", "比率を下げる", "比率を上げる"},
    {"UpDown2", "数値調整", "数値を下げる", "数値を上げる"},
    {"UpDown3", "船室", "船室を減らす", "船室を増やす"},
    {"UpDown4", "砲室", "砲室を減らす", "砲室を増やす"},
};
inline constexpr const char* CloseButtonName = "タブを閉じる";

// The material list's column captions.
inline constexpr const char* MaterialCaptions[4] = {"材質", "縦帆", "横帆", "耐久"};

} // namespace shiptab
