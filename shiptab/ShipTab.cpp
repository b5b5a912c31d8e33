#include "shiptab/ShipTab.h"

#include "shiptab/BuildText.h"
#include "shiptab/Calculator.h"
#include "toolkit/Application.h"
#include "toolkit/Cp932.h"
#include "toolkit/PageControl.h"
#include "toolkit/Palette.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

#include <cstring>
#include <functional>
#include <vector>

namespace {

// Colours of the static texts by role.
constexpr QRgb ItemLabel = qRgb(194, 186, 254);
constexpr QRgb GroupHeader = qRgb(90, 254, 168);
constexpr QRgb AllotmentLine = qRgb(217, 186, 254);
constexpr QRgb Adjustment = qRgb(255, 255, 0);
constexpr QRgb Value = qRgb(255, 255, 255);
constexpr QRgb FrameBackground = qRgb(230, 255, 251);
constexpr QRgb MaterialViewBackground = qRgb(191, 255, 244);
// As the designed list's lines: the header and all eleven lines fit its height in every style
// (the Windows style would add two pixels to each, and a scroll bar).
constexpr int MaterialLineHeight = 13;

using F = TShipTabFrame;

// Captions keep their leading blanks: they place the text inside its box.
constexpr F::Control Controls[] = {
    {&F::MaterialView, "MaterialView", "", 280, 256, 241, 169, 0, nullptr},
    {&F::StaticText1, "StaticText1", "      船種名", 0, 0, 81, 17, ItemLabel, nullptr},
    {&F::ShipNameText, "ShipNameText", " N/A", 80, 0, 185, 17, Value, "StaticText1"},
    {&F::StaticText9, "StaticText9", " 価格", 104, 32, 41, 17, ItemLabel, nullptr},
    {&F::PriceText, "PriceText", " N/A", 144, 32, 121, 17, Value, "StaticText9"},
    {&F::StaticText11, "StaticText11", " 耐久", 0, 32, 41, 17, ItemLabel, nullptr},
    {&F::StrengthText, "StrengthText", " N/A", 40, 32, 65, 17, Value, "StaticText11"},
    {&F::StaticText3, "StaticText3", " 旋回", 0, 96, 41, 17, ItemLabel, nullptr},
    {&F::SlueText, "SlueText", " N/A", 40, 96, 49, 17, Value, "StaticText3"},
    {&F::StaticText8, "StaticText8", " 対波", 88, 96, 41, 17, ItemLabel, nullptr},
    {&F::ResistiveWaveText, "ResistiveWaveText", " N/A", 128, 96, 49, 17, Value, "StaticText8"},
    {&F::StaticText13, "StaticText13", " 装甲", 176, 96, 41, 17, ItemLabel, nullptr},
    {&F::ArmouredText, "ArmouredText", " N/A", 216, 96, 49, 17, Value, "StaticText13"},
    {&F::StaticText7, "StaticText7", "      材質", 0, 16, 81, 17, ItemLabel, nullptr},
    {&F::MaterialText, "MaterialText", " N/A", 80, 16, 185, 17, Value, "StaticText7"},
    {&F::UpDown1, "UpDown1", "", 392, 56, 32, 17, 0, nullptr},
    {&F::StaticText10, "StaticText10", "                           増減量", 280, 24, 241, 17, GroupHeader, nullptr},
    {&F::StaticText12, "StaticText12", " 比率調整", 280, 56, 65, 17, Adjustment, nullptr},
    {&F::PercentText, "PercentText", " N/A", 344, 56, 49, 17, Value, "StaticText12"},
    {&F::StaticText14, "StaticText14", "      総容量", 280, 40, 97, 17, ItemLabel, nullptr},
    {&F::CurrentCapacityText, "CurrentCapacityText", "    N/A", 376, 40, 145, 17, Value, "StaticText14"},
    {&F::StaticText16, "StaticText16", " 数値調整", 424, 56, 65, 17, Adjustment, nullptr},
    {&F::UpDown2, "UpDown2", "", 488, 56, 33, 17, 0, nullptr},
    {&F::StaticText2, "StaticText2", " 縦帆", 0, 80, 41, 17, ItemLabel, nullptr},
    {&F::LSailText, "LSailText", " N/A", 40, 80, 49, 17, Value, "StaticText2"},
    {&F::StaticText4, "StaticText4", "                          基本性能", 0, 64, 265, 17, GroupHeader, nullptr},
    {&F::StaticText5, "StaticText5", " 横帆", 88, 80, 41, 17, ItemLabel, nullptr},
    {&F::SSailText, "SSailText", " N/A", 128, 80, 49, 17, Value, "StaticText5"},
    {&F::StaticText6, "StaticText6", " 漕力", 176, 80, 41, 17, ItemLabel, nullptr},
    {&F::RowText, "RowText", " N/A", 216, 80, 49, 17, Value, "StaticText6"},
    {&F::StaticText17, "StaticText17", " 冒険", 0, 320, 41, 17, ItemLabel, nullptr},
    {&F::ALVText, "ALVText", " N/A", 40, 320, 49, 17, Value, "StaticText17"},
    {&F::StaticText19, "StaticText19", "                          乗船Lv", 0, 304, 265, 17, GroupHeader, nullptr},
    {&F::CLVText, "CLVText", " N/A", 216, 320, 49, 17, Value, "StaticText21"},
    {&F::StaticText27, "StaticText27", " 最小", 0, 152, 41, 17, ItemLabel, nullptr},
    {&F::MinimumCabinsText, "MinimumCabinsText", " N/A", 40, 152, 49, 17, Value, "StaticText27"},
    {&F::StaticText29, "StaticText29", "                          船倉配分", 0, 120, 265, 17, GroupHeader, nullptr},
    {&F::StaticText30, "StaticText30", " 標準", 88, 152, 41, 17, ItemLabel, nullptr},
    {&F::DefaultCabinsText, "DefaultCabinsText", " N/A", 128, 152, 49, 17, Value, "StaticText30"},
    {&F::StaticText32, "StaticText32", " 最大", 176, 152, 41, 17, ItemLabel, nullptr},
    {&F::MaximumCabinsText, "MaximumCabinsText", " N/A", 216, 152, 49, 17, Value, "StaticText32"},
    {&F::StaticText18, "StaticText18", " 最小", 0, 184, 41, 17, ItemLabel, nullptr},
    {&F::MinimumPortsText, "MinimumPortsText", " N/A", 40, 184, 49, 17, Value, "StaticText18"},
    {&F::StaticText22, "StaticText22", " 標準", 88, 184, 41, 17, ItemLabel, nullptr},
    {&F::DefaultPortsText, "DefaultPortsText", " N/A", 128, 184, 49, 17, Value, "StaticText22"},
    {&F::StaticText25, "StaticText25", " 最大", 176, 184, 41, 17, ItemLabel, nullptr},
    {&F::MaximumPortsText, "MaximumPortsText", " N/A", 216, 184, 49, 17, Value, "StaticText25"},
    {&F::StaticText34, "StaticText34", "                  砲室", 0, 168, 177, 17, AllotmentLine, nullptr},
    {&F::StaticText35, "StaticText35", "                  船室", 0, 136, 177, 17, AllotmentLine, nullptr},
    {&F::UpDown3, "UpDown3", "", 232, 136, 33, 17, 0, nullptr},
    {&F::CurrentCabinsText, "CurrentCabinsText", " N/A", 176, 136, 57, 17, Value, "StaticText35"},
    {&F::UpDown4, "UpDown4", "", 232, 168, 33, 17, 0, nullptr},
    {&F::CurrentPortsText, "CurrentPortsText", " N/A", 176, 168, 57, 17, Value, "StaticText34"},
    {&F::StaticText38, "StaticText38", "                  倉庫", 0, 200, 177, 17, AllotmentLine, nullptr},
    {&F::CurrentHoldText, "CurrentHoldText", " N/A", 176, 200, 89, 17, Value, "StaticText38"},
    {&F::StaticText40, "StaticText40", "補助帆", 0, 256, 41, 17, ItemLabel, nullptr},
    {&F::NumOfJiggerText, "NumOfJiggerText", " N/A", 40, 256, 49, 17, Value, "StaticText40"},
    {&F::StaticText43, "StaticText43", "船首像", 88, 256, 41, 17, ItemLabel, nullptr},
    {&F::NumOfFigureheadText, "NumOfFigureheadText", " N/A", 128, 256, 49, 17, Value, "StaticText43"},
    {&F::StaticText44, "StaticText44", " 紋章", 176, 256, 41, 17, ItemLabel, nullptr},
    {&F::NumOfSealText, "NumOfSealText", " N/A", 216, 256, 49, 17, Value, "StaticText44"},
    {&F::StaticText46, "StaticText46", "船側砲", 0, 240, 41, 17, ItemLabel, nullptr},
    {&F::CannonSlotsText, "CannonSlotsText", " N/A", 40, 240, 49, 17, Value, "StaticText46"},
    {&F::StaticText48, "StaticText48", "                       部品スロット数", 0, 224, 265, 17, GroupHeader, nullptr},
    {&F::StaticText49, "StaticText49", "船首砲", 88, 240, 41, 17, ItemLabel, nullptr},
    {&F::FrontCannonSlotsText, "FrontCannonSlotsText", " N/A", 128, 240, 49, 17, Value, "StaticText49"},
    {&F::StaticText51, "StaticText51", "船尾砲", 176, 240, 41, 17, ItemLabel, nullptr},
    {&F::RearCannonSlotsText, "RearCannonSlotsText", " N/A", 216, 240, 49, 17, Value, "StaticText51"},
    {&F::StaticText53, "StaticText53", " 特殊兵装", 0, 272, 65, 17, ItemLabel, nullptr},
    {&F::NumOfWeaponText, "NumOfWeaponText", " N/A", 64, 272, 65, 17, Value, "StaticText53"},
    {&F::StaticText55, "StaticText55", " 追加装甲", 128, 272, 65, 17, ItemLabel, nullptr},
    {&F::NumOfArmourText, "NumOfArmourText", " N/A", 192, 272, 73, 17, Value, "StaticText55"},
    {&F::SpeedButton1, "SpeedButton1", "×", 504, 0, 18, 18, 0, nullptr},
    {&F::StaticText15, "StaticText15", " 交易", 88, 320, 41, 17, ItemLabel, nullptr},
    {&F::TLVText, "TLVText", " N/A", 128, 320, 49, 17, Value, "StaticText15"},
    {&F::StaticText21, "StaticText21", " 戦闘", 176, 320, 41, 17, ItemLabel, nullptr},
};

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// Which text each box shows. Figure texts are ASCII, so they skip the code page decoder.
struct BoxText {
    TStaticText* TShipTabFrame::*Box;
    shiptab::box::Text Text;
};
namespace box = shiptab::box;
// Written once, at binding, in the designed order.
constexpr BoxText FixedBoxes[] = {
    {&F::RowText, box::RowText},
    {&F::SlueText, box::SlueText},
    {&F::ResistiveWaveText, box::ResistiveWaveText},
    {&F::ArmouredText, box::ArmouredText},
    {&F::MinimumCabinsText, box::MinimumCabinsText},
    {&F::DefaultCabinsText, box::DefaultCabinsText},
    {&F::MaximumCabinsText, box::MaximumCabinsText},
    {&F::MinimumPortsText, box::MinimumPortsText},
    {&F::DefaultPortsText, box::DefaultPortsText},
    {&F::MaximumPortsText, box::MaximumPortsText},
    {&F::CannonSlotsText, box::CannonSlotsText},
    {&F::FrontCannonSlotsText, box::FrontCannonSlotsText},
    {&F::RearCannonSlotsText, box::RearCannonSlotsText},
    {&F::NumOfJiggerText, box::NumOfJiggerText},
    {&F::NumOfFigureheadText, box::NumOfFigureheadText},
    {&F::NumOfSealText, box::NumOfSealText},
    {&F::NumOfWeaponText, box::NumOfWeaponText},
    {&F::NumOfArmourText, box::NumOfArmourText},
    {&F::ALVText, box::ALVText},
    {&F::TLVText, box::TLVText},
    {&F::CLVText, box::CLVText},
};
// Written by every recalculation, in the designed order.
constexpr BoxText CalculatedBoxes[] = {
    {&F::CurrentCapacityText, box::CurrentCapacityText},
    {&F::CurrentCabinsText, box::CurrentCabinsText},
    {&F::CurrentPortsText, box::CurrentPortsText},
    {&F::CurrentHoldText, box::CurrentHoldText},
    {&F::MaterialText, box::MaterialText},
    {&F::PriceText, box::PriceText},
    {&F::LSailText, box::LSailText},
    {&F::SSailText, box::SSailText},
    {&F::StrengthText, box::StrengthText},
    {&F::PercentText, box::PercentText},
};

void WriteBoxes(TShipTabFrame& frame, std::span<const BoxText> boxes, const shiptab::TabTexts& texts)
{
    for (const BoxText& b : boxes) {
        const std::string& text = texts[b.Text];
        (frame.*b.Box)->setText(b.Text == box::MaterialText
                                    ? toolkit::FromCp932(text)
                                    : QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    }
}

QPalette WithColour(QPalette palette, QPalette::ColorRole role, QRgb colour)
{
    palette.setColor(role, QColor(colour));
    return palette;
}

} // namespace

std::span<const TShipTabFrame::Control> TShipTabFrame::Layout()
{
    return Controls;
}

TShipTabFrame::TShipTabFrame(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ShipTabFrame"));
    setGeometry(0, 0, 523, 428);
    // Palettes from the pool, the same for every tab: see toolkit/Palette.h.
    setPalette(toolkit::SharedPalette(WithColour(palette(), QPalette::Window, FrameBackground)));
    setAutoFillBackground(true);

    // Controls are created in table order: Qt's focus chain follows creation order.
    // The boxes share one font and one palette per colour.
    const QFont textFont = toolkit::DesignFont(13);
    std::vector<std::pair<QRgb, const QPalette*>> boxPalettes;
    const auto paletteFor = [&](QRgb colour) -> const QPalette& {
        for (const auto& [c, p] : boxPalettes)
            if (c == colour)
                return *p;
        const QPalette& shared = toolkit::SharedPalette(WithColour(palette(), QPalette::Window, colour));
        return *boxPalettes.emplace_back(colour, &shared).second;
    };
    for (const Control& c : Controls) {
        const QRect geometry(c.Left, c.Top, c.Width, c.Height);
        QWidget* control = std::visit(
            Overloaded{
                [&](TStaticText* TShipTabFrame::*member) -> QWidget* {
                    const QString caption = QString::fromUtf8(c.Caption);
                    return this->*member = new TStaticText(this, caption, geometry, paletteFor(c.Colour), textFont);
                },
                [&](TUpDown* TShipTabFrame::*member) -> QWidget* {
                    auto* spinner = new TUpDown(this);
                    spinner->setGeometry(geometry);
                    return this->*member = spinner;
                },
                [&](QToolButton* TShipTabFrame::*member) -> QWidget* {
                    auto* button = new QToolButton(this);
                    button->setText(QString::fromUtf8(c.Caption));
                    button->setGeometry(geometry);
                    return this->*member = button;
                },
                [&](QTreeWidget* TShipTabFrame::*member) -> QWidget* {
                    auto* view = new QTreeWidget(this);
                    view->setGeometry(geometry);
                    return this->*member = view;
                },
            },
            c.Member);
        control->setObjectName(QString::fromLatin1(c.Name));
    }

    // A screen reader names each value box after its label, not after the figure it shows.
    for (const Control& c : Controls) {
        if (c.Label == nullptr)
            continue;
        for (const Control& label : Controls)
            if (std::strcmp(label.Name, c.Label) == 0)
                (this->*std::get<TStaticText * TShipTabFrame::*>(c.Member))
                    ->setAccessibleName(QString::fromUtf8(label.Caption).trimmed());
    }

    // The spinners overlap their value boxes by a pixel; keep all of each arrow clickable.
    // Tab reaches them in table order; the disabled one stays out of the chain.
    struct SpinnerNames {
        TUpDown* spinner;
        const char* name;
        const char* down;
        const char* up;
    };
    const SpinnerNames spinnerNames[] = {
        {UpDown1, "比率調整", "比率を下げる", "比率を上げる"},
        {UpDown2, "数値調整", "数値を下げる", "数値を上げる"},
        {UpDown3, "船室", "船室を減らす", "船室を増やす"},
        {UpDown4, "砲室", "砲室を減らす", "砲室を増やす"},
    };
    for (const SpinnerNames& s : spinnerNames) {
        s.spinner->raise();
        s.spinner->setAccessibleName(QString::fromUtf8(s.name));
        s.spinner->SetArrowNames(QString::fromUtf8(s.down), QString::fromUtf8(s.up));
    }
    UpDown2->setFocusPolicy(Qt::NoFocus);
    UpDown1->OnChangingEx = std::bind_front(&TShipTabFrame::UpDown1ChangingEx, this);
    UpDown2->OnChangingEx = std::bind_front(&TShipTabFrame::UpDown1ChangingEx, this);
    UpDown2->setEnabled(false);
    UpDown3->OnChangingEx = std::bind_front(&TShipTabFrame::UpDown3ChangingEx, this);
    UpDown4->OnChangingEx = std::bind_front(&TShipTabFrame::UpDown4ChangingEx, this);

    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setFont(toolkit::DesignFont(12, true));
    SpeedButton1->setAccessibleName(QStringLiteral("タブを閉じる"));
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(SpeedButton1); });

    // The material list shows the window's font: it gets no font of its own.
    MaterialView->setColumnCount(4);
    MaterialView->setHeaderLabels({QStringLiteral("材質"), QStringLiteral("縦帆"), QStringLiteral("横帆"),
                                   QStringLiteral("耐久")});
    QHeaderView* header = MaterialView->header();
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    // The designed widths in every style: the Windows style's minimum section is wider than 50.
    header->setMinimumSectionSize(20);
    MaterialView->setColumnWidth(0, 86);
    for (int column = 1; column < 4; ++column)
        MaterialView->setColumnWidth(column, 50);
    MaterialView->setRootIsDecorated(false);
    MaterialView->setUniformRowHeights(true);
    MaterialView->setSelectionMode(QAbstractItemView::SingleSelection);
    // Captions may be edited by clicking the selected line; a double-click chooses, never edits.
    MaterialView->setEditTriggers(QAbstractItemView::SelectedClicked);
    QPalette list = WithColour(MaterialView->palette(), QPalette::Base, MaterialViewBackground);
    // The chosen line stays highlighted when the list loses the focus.
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        list.setColor(QPalette::Inactive, role, list.color(QPalette::Active, role));
    MaterialView->setPalette(toolkit::SharedPalette(list));
    toolkit::ShareInheritedPalettes(this);
    // Item views report no double-click beside the lines; the viewport sees them all.
    MaterialView->viewport()->installEventFilter(this);
    // Return on the list chooses, as a double-click does.
    MaterialView->installEventFilter(this);
}

TShipTabFrame::~TShipTabFrame() = default;

bool TShipTabFrame::eventFilter(QObject* watched, QEvent* event)
{
    // The type test comes first: it keeps this off a viewport that is being torn down.
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress && watched == MaterialView) {
        // While a caption is edited the editor has the focus; the Return it passes on only
        // ends the edit.
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if (mods == Qt::NoModifier && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            if (MaterialView->hasFocus())
                MaterialViewDblClick(MaterialView);
            return true;
        }
    }
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick)
        && watched == MaterialView->viewport()) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (type == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton)
            MaterialViewDblClick(MaterialView);
        // Qt drops a single selection on a click beside the lines; the list keeps it, so a
        // double-click there still means the selected line.
        if (!MaterialView->indexAt(mouse->position().toPoint()).isValid())
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TShipTabFrame::BindShip(std::unique_ptr<CShipDataElement> record, std::optional<shiptab::Build> build)
{
    if (!record)
        return;
    Ship = std::move(record);
    const CShipDataElement& ship = *Ship;
    const bool chosen = build && build->Material >= 0 && build->Material < MaterialCount;
    Current = chosen ? *build : shiptab::StartingBuild(ship);

    const shiptab::TabTexts texts = shiptab::TextsOf(ship, Current);
    ShipNameText->setText(QStringLiteral("  ") + toolkit::FromCp932Shown(texts[box::ShipNameText]));
    WriteBoxes(*this, FixedBoxes, texts);

    QList<QTreeWidgetItem*> lines;
    lines.reserve(MaterialCount);
    for (int i = 0; i < MaterialCount; ++i) {
        const MaterialSlot& slot = ship.Materials[i];
        auto* line = new QTreeWidgetItem(QStringList{
            toolkit::FromCp932(MaterialNames[i]),
            QString::fromStdString(shiptab::MaterialFigure(slot.LSail)),
            QString::fromStdString(shiptab::MaterialFigure(slot.SSail)),
            QString::fromStdString(shiptab::MaterialFigure(slot.Strength)),
        });
        line->setFlags(line->flags() | Qt::ItemIsEditable);
        for (int column = 0; column < 4; ++column)
            line->setSizeHint(column, QSize(0, MaterialLineHeight));
        lines.append(line);
    }
    MaterialView->addTopLevelItems(lines);

    WriteBoxes(*this, CalculatedBoxes, texts);
}

void TShipTabFrame::CopyBuild() const
{
    if (Ship)
        shiptab::PutBuildsOnClipboard(shiptab::BuildRow(*Ship, Current));
}

void TShipTabFrame::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("コピー"), this, &TShipTabFrame::CopyBuild);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(Ship != nullptr);
    menu.exec(event->globalPos());
}

void TShipTabFrame::SpeedButton1Click(QObject*)
{
    // The frame sits on its page, and the page in a tab widget (inside its page stack).
    QWidget* page = parentWidget();
    if (page == nullptr)
        return;
    for (QWidget* w = page->parentWidget(); w != nullptr; w = w->parentWidget()) {
        auto* tabs = qobject_cast<QTabWidget*>(w);
        if (tabs == nullptr)
            continue;
        if (tabs->indexOf(page) < 0)
            return;
        toolkit::RemovePage(tabs, page);
        // Deferred: this handler runs inside the frame's own button.
        page->deleteLater();
        return;
    }
}

void TShipTabFrame::MaterialViewDblClick(QObject*)
{
    // The selected line counts, not the one under the mouse.
    const QModelIndexList selected = MaterialView->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    int index = selected.first().row();
    for (const QModelIndex& i : selected)
        index = std::min(index, i.row());
    if (index < 0 || index >= MaterialCount || !Ship)
        return;
    Current.Material = index;
    Recalculate();
}

void TShipTabFrame::UpDown1ChangingEx(QObject*, bool& AllowChange, short, TUpDownDirection Direction)
{
    // The spinner only serves as a pair of buttons: its own position never moves.
    AllowChange = false;
    if (!Ship)
        return;
    if (Direction == updUp)
        Current.Percent = shiptab::WrapAdd(Current.Percent, 1);
    else if (Direction == updDown)
        Current.Percent = shiptab::WrapSub(Current.Percent, 1);
    Recalculate();
}

void TShipTabFrame::UpDown3ChangingEx(QObject*, bool& AllowChange, short, TUpDownDirection Direction)
{
    AllowChange = false;
    if (!Ship)
        return;
    if (Direction == updUp)
        Current.Cabins = shiptab::StepUpTo(Current.Cabins, shiptab::CabinMaximum(Ship->DefaultCabins));
    else if (Direction == updDown)
        Current.Cabins =
            shiptab::StepDownTo(Current.Cabins, shiptab::CabinMinimum(Ship->DefaultCabins, Ship->MinimumCabinsBase));
    Recalculate();
}

void TShipTabFrame::UpDown4ChangingEx(QObject*, bool& AllowChange, short, TUpDownDirection Direction)
{
    AllowChange = false;
    if (!Ship)
        return;
    if (Direction == updUp)
        Current.Ports = shiptab::StepUpTo(Current.Ports, shiptab::PortMaximum(Ship->DefaultPorts));
    else if (Direction == updDown)
        Current.Ports = shiptab::StepDownTo(Current.Ports, shiptab::PortMinimum(Ship->DefaultPorts));
    Recalculate();
}

void TShipTabFrame::Recalculate()
{
    if (Ship)
        WriteBoxes(*this, CalculatedBoxes, shiptab::TextsOf(*Ship, Current));
}
