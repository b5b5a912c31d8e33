#include "shiptab/ShipTab.h"

#include "shiptab/BuildText.h"
#include "shiptab/Calculator.h"
#include "shiptab/Columns.h"
#include "shiptab/FrameLayout.h"
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

#include <array>
#include <cstring>
#include <functional>
#include <vector>

namespace {

// Colours of the frame and the material list; the boxes' own are in the layout.
constexpr QRgb FrameBackground = 0xFF000000u | shiptab::colour::FrameBackground;
constexpr QRgb MaterialViewBackground = 0xFF000000u | shiptab::colour::MaterialViewBackground;
// As the designed list's lines: the header and all eleven lines fit its height in every style
// (the Windows style would add two pixels to each, and a scroll bar).
constexpr int MaterialLineHeight = 13;

using F = TShipTabFrame;

// The member each control of the layout fills, in the layout's order, with its name.
#define M(member) std::pair<F::ControlMember, const char*>(&F::member, #member)
constexpr std::pair<F::ControlMember, const char*> Members[] = {
    M(MaterialView), M(StaticText1), M(ShipNameText), M(StaticText9), M(PriceText), M(StaticText11),
    M(StrengthText), M(StaticText3), M(SlueText), M(StaticText8), M(ResistiveWaveText), M(StaticText13),
    M(ArmouredText), M(StaticText7), M(MaterialText), M(UpDown1), M(StaticText10), M(StaticText12), M(PercentText),
    M(StaticText14), M(CurrentCapacityText), M(StaticText16), M(UpDown2), M(StaticText2), M(LSailText),
    M(StaticText4), M(StaticText5), M(SSailText), M(StaticText6), M(RowText), M(StaticText17), M(ALVText),
    M(StaticText19), M(CLVText), M(StaticText27), M(MinimumCabinsText), M(StaticText29), M(StaticText30),
    M(DefaultCabinsText), M(StaticText32), M(MaximumCabinsText), M(StaticText18), M(MinimumPortsText),
    M(StaticText22), M(DefaultPortsText), M(StaticText25), M(MaximumPortsText), M(StaticText34), M(StaticText35),
    M(UpDown3), M(CurrentCabinsText), M(UpDown4), M(CurrentPortsText), M(StaticText38), M(CurrentHoldText),
    M(StaticText40), M(NumOfJiggerText), M(StaticText43), M(NumOfFigureheadText), M(StaticText44), M(NumOfSealText),
    M(StaticText46), M(CannonSlotsText), M(StaticText48), M(StaticText49), M(FrontCannonSlotsText), M(StaticText51),
    M(RearCannonSlotsText), M(StaticText53), M(NumOfWeaponText), M(StaticText55), M(NumOfArmourText),
    M(SpeedButton1), M(StaticText15), M(TLVText), M(StaticText21),
};
#undef M

constexpr bool SameName(const char* a, const char* b)
{
    while (*a != 0 && *a == *b)
        ++a, ++b;
    return *a == *b;
}

constexpr auto MakeControls()
{
    static_assert(std::size(Members) == std::size(shiptab::FramePlaces));
    std::array<F::Control, std::size(Members)> controls{};
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const shiptab::Place& p = shiptab::FramePlaces[i];
        if (!SameName(Members[i].second, p.Name))
            throw "the members are not in the layout's order";
        controls[i] = {Members[i].first, p.Name, p.Caption, p.Left, p.Top, p.Width, p.Height,
                       p.Colour == 0 ? QRgb(0) : QRgb(0xFF000000u | p.Colour), p.Label};
    }
    return controls;
}
constexpr auto Controls = MakeControls();

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// The value box of each column but the name, found by its name in the layout: fixed ones are
// written once, at binding, the calculated ones by every recalculation, in the layout's order.
namespace box = shiptab::box;
struct BoxText {
    TStaticText* TShipTabFrame::*Box;
    int Column;
};
const std::vector<BoxText>& Boxes(bool calculated)
{
    static const auto find = [](bool c) {
        std::vector<BoxText> boxes;
        for (const auto& [member, name] : Members)
            for (int i = box::ShipNameText + 1; i < box::Count; ++i)
                if (shiptab::Columns[i].Calculated == c && SameName(shiptab::Columns[i].Box, name))
                    boxes.push_back({std::get<TStaticText * TShipTabFrame::*>(member), i});
        return boxes;
    };
    static const std::vector<BoxText> fixed = find(false), changing = find(true);
    return calculated ? changing : fixed;
}

void WriteBoxes(TShipTabFrame& frame, bool calculated, const shiptab::TabTexts& texts)
{
    for (const BoxText& b : Boxes(calculated)) {
        const std::string& text = texts[static_cast<std::size_t>(b.Column)];
        // Figure texts are ASCII, so they skip the code page decoder.
        (frame.*b.Box)->setText(shiptab::Columns[b.Column].As == shiptab::Shown::Material
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
    for (const shiptab::SpinnerNames& s : shiptab::Spinners)
        for (const Control& c : Controls)
            if (SameName(c.Name, s.Name)) {
                TUpDown* spinner = this->*std::get<TUpDown * TShipTabFrame::*>(c.Member);
                spinner->raise();
                spinner->setAccessibleName(QString::fromUtf8(s.Caption));
                spinner->SetArrowNames(QString::fromUtf8(s.Down), QString::fromUtf8(s.Up));
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
    SpeedButton1->setAccessibleName(QString::fromUtf8(shiptab::CloseButtonName));
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(SpeedButton1); });

    // The material list shows the window's font: it gets no font of its own.
    MaterialView->setColumnCount(4);
    QStringList captions;
    for (const char* caption : shiptab::MaterialCaptions)
        captions.append(QString::fromUtf8(caption));
    MaterialView->setHeaderLabels(captions);
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
    WriteBoxes(*this, false, texts);

    QList<QTreeWidgetItem*> lines;
    lines.reserve(MaterialCount);
    for (int i = 0; i < MaterialCount; ++i) {
        const std::array<std::string, 4> texts = shiptab::MaterialLine(ship, i);
        auto* line = new QTreeWidgetItem(QStringList{
            toolkit::FromCp932(texts[0]),
            QString::fromLatin1(texts[1].data(), qsizetype(texts[1].size())),
            QString::fromLatin1(texts[2].data(), qsizetype(texts[2].size())),
            QString::fromLatin1(texts[3].data(), qsizetype(texts[3].size())),
        });
        line->setFlags(line->flags() | Qt::ItemIsEditable);
        for (int column = 0; column < 4; ++column)
            line->setSizeHint(column, QSize(0, MaterialLineHeight));
        lines.append(line);
    }
    MaterialView->addTopLevelItems(lines);

    WriteBoxes(*this, true, texts);
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

void TShipTabFrame::Step(shiptab::Spinner spinner, bool& AllowChange, TUpDownDirection Direction)
{
    // The spinners only serve as pairs of buttons: their own positions never move.
    AllowChange = false;
    if (!Ship)
        return;
    if (Direction == updUp || Direction == updDown)
        Current = shiptab::Step(*Ship, Current, spinner, Direction == updUp);
    Recalculate();
}

void TShipTabFrame::UpDown1ChangingEx(QObject*, bool& AllowChange, short, TUpDownDirection Direction)
{
    Step(shiptab::Spinner::Percent, AllowChange, Direction);
}

void TShipTabFrame::UpDown3ChangingEx(QObject*, bool& AllowChange, short, TUpDownDirection Direction)
{
    Step(shiptab::Spinner::Cabins, AllowChange, Direction);
}

void TShipTabFrame::UpDown4ChangingEx(QObject*, bool& AllowChange, short, TUpDownDirection Direction)
{
    Step(shiptab::Spinner::Ports, AllowChange, Direction);
}

void TShipTabFrame::Recalculate()
{
    if (Ship)
        WriteBoxes(*this, true, shiptab::TextsOf(*Ship, Current));
}
