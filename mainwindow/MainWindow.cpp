#include "mainwindow/MainWindow.h"

#include "finder/FindBuildsForm.h"
#include "finder/QueryText.h"
#include "shipdata/Cshipdatamanagemer.h"
#include "shiptab/BuildText.h"
#include "shiptab/ShipTab.h"
#include "toolkit/Application.h"
#include "toolkit/CentredBox.h"
#include "toolkit/Cp932.h"
#include "toolkit/ListBox.h"
#include "toolkit/ProgramIcon.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QEvent>
#include <QMenu>
#include <QResizeEvent>
#include <QShortcut>
#include <QToolButton>
#include <QTabWidget>

#include <string_view>
#include <unordered_map>

TMainForm* MainForm = nullptr;

namespace {
constexpr int ClientWidth = 695;
constexpr int ClientHeight = 453;
constexpr int PageControlWidth = 530;
const QEvent::Type CreateEventType = static_cast<QEvent::Type>(QEvent::registerEventType());

TShipTabFrame* FrameOf(QWidget* page)
{
    return page == nullptr ? nullptr
                           : page->findChild<TShipTabFrame*>(QStringLiteral("ShipTabFrame"), Qt::FindDirectChildrenOnly);
}
} // namespace

TMainForm::TMainForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("MainForm"));
    setFont(toolkit::DesignFont(12));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(240, 240, 240)); // the desktop's button face
    setPalette(pal);
    setAutoFillBackground(true);
    move(202, 119);
    resize(ClientWidth, ClientHeight);

    ShipListBox = new toolkit::TListBox(this);
    ShipListBox->setObjectName(QStringLiteral("ShipListBox"));
    ShipListBox->setGeometry(0, 0, 161, 369);

    struct BoxRow {
        QCheckBox* TMainForm::*member;
        const char* name;
        const char* caption;
        int top;
    };
    static const BoxRow boxes[] = {
        {&TMainForm::AdventureShipCheckBox, "AdventureShipCheckBox", ShipTypeCaptions[0], 376},
        {&TMainForm::TradeShipCheckBox, "TradeShipCheckBox", ShipTypeCaptions[1], 400},
        {&TMainForm::CombatShipCheckBox, "CombatShipCheckBox", ShipTypeCaptions[2], 424},
    };
    for (const BoxRow& row : boxes) {
        auto* box = new QCheckBox(QString::fromUtf8(row.caption), this);
        box->setObjectName(QString::fromLatin1(row.name));
        box->setGeometry(8, row.top, 97, 17);
        box->setChecked(true); // before the handler is attached: building fills nothing
        connect(box, &QCheckBox::clicked, this, [this, box] { ShipTypeCheckBoxClick(box); });
        this->*row.member = box;
    }

    ShipPageControl = new QTabWidget(this);
    ShipPageControl->setObjectName(QStringLiteral("ShipPageControl"));
    ShipPageControl->setGeometry(ClientWidth - PageControlWidth, 0, PageControlWidth, ClientHeight);

    setTabOrder(ShipListBox, AdventureShipCheckBox);
    setTabOrder(AdventureShipCheckBox, TradeShipCheckBox);
    setTabOrder(TradeShipCheckBox, CombatShipCheckBox);
    setTabOrder(CombatShipCheckBox, ShipPageControl);

    connect(ShipListBox, &toolkit::TListBox::dblClick, this, [this] { ShipListBoxDblClick(ShipListBox); });
    connect(ShipListBox, &toolkit::TListBox::returnPressed, this, [this] { ShipListBoxDblClick(ShipListBox); });

    const auto addShortcut = [this](const QKeySequence& keys, void (TMainForm::*action)()) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    // The keyboard's "×": the current tab's own close button handler does the closing.
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)})
        addShortcut(keys, &TMainForm::CloseCurrentTab);
    // Builds as text; a caption being edited takes these keys for its own text first.
    for (const QKeySequence& keys : QKeySequence::keyBindings(QKeySequence::Copy))
        addShortcut(keys, &TMainForm::Copy);
    addShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &TMainForm::CopyAllTabs);
    for (const QKeySequence& keys : QKeySequence::keyBindings(QKeySequence::Paste))
        addShortcut(keys, &TMainForm::PasteBuilds);
    for (const QKeySequence& keys : QKeySequence::keyBindings(QKeySequence::Find))
        addShortcut(keys, &TMainForm::ShowFindBuilds);

    ShipListBox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ShipListBox, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("コピー"), this, &TMainForm::CopyShipList)->setShortcut(QKeySequence::Copy);
        menu.addAction(QStringLiteral("ビルドを貼り付け"), this, &TMainForm::PasteBuilds)->setShortcut(QKeySequence::Paste);
        menu.addAction(QString::fromUtf8(finder::words::Open), this, &TMainForm::ShowFindBuilds)->setShortcut(QKeySequence::Find);
        menu.exec(ShipListBox->viewport()->mapToGlobal(at));
    });

    {
        // The window owns the catalogue and shows what it reports while it loads, under any
        // application object.
        const toolkit::MessageBoxScope boxes;
        ShipDataManager = std::make_unique<CShipDataManager>("./data/ship_varietion.csv", "./data/ship_material.csv");
    }

    // The create event comes after construction: at the first show, or from the event loop.
    QCoreApplication::postEvent(this, new QEvent(CreateEventType));
}

TMainForm::~TMainForm() = default;

void TMainForm::RunCreateEvent()
{
    if (Created)
        return;
    Created = true;
    try {
        FormCreate(this);
    } catch (const std::exception& e) {
        toolkit::TApplication::ShowException(e);
    }
}

void TMainForm::setVisible(bool visible)
{
    if (visible)
        RunCreateEvent();
    QWidget::setVisible(visible);
}

bool TMainForm::event(QEvent* event)
{
    if (event->type() == CreateEventType) {
        RunCreateEvent();
        return true;
    }
    const bool handled = QWidget::event(event);
    // The icon comes after the first paint: finding Qt's image readers and decoding every size
    // the window system asks for would otherwise stand between the window's mapping and its
    // content.
    if (event->type() == QEvent::Paint && !IconSet) {
        IconSet = true;
        QMetaObject::invokeMethod(this, [this] { setWindowIcon(toolkit::ProgramIcon()); }, Qt::QueuedConnection);
    }
    return handled;
}

void TMainForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The page control keeps its width, hugs the right edge and takes the full height.
    ShipPageControl->setGeometry(width() - PageControlWidth, 0, PageControlWidth, height());
}

void TMainForm::FormCreate(QObject*)
{
    UpdateShipList();
}

void TMainForm::ShipTypeCheckBoxClick(QObject*)
{
    UpdateShipList();
}

void TMainForm::UpdateShipList()
{
    ShipListBox->clear();
    const int count = ShipDataManager->GetCount();
    for (int i = 0; i < count; ++i) {
        const CShipDataElement* ship = ShipDataManager->GetElement(i);
        if (ShipTypeShown(ShipTypeOf(ship->ALV, ship->TLV, ship->CLV), AdventureShipCheckBox->isChecked(),
                          TradeShipCheckBox->isChecked(), CombatShipCheckBox->isChecked()))
            ShipListBox->AddEntry(ship->Name);
    }
}

void TMainForm::ShipListBoxDblClick(QObject*)
{
    // The selected entry opens, wherever in the list the double-click was.
    std::string name;
    if (!ShipListBox->SelectedEntry(name))
        return;
    if (const CShipDataElement* found = ShipDataManager->FindElement(name))
        OpenShip(*found, std::nullopt);
}

void TMainForm::OpenShip(const CShipDataElement& ship, const std::optional<shiptab::Build>& build)
{
    // Built under the tab control, hidden until it is a tab: its widgets then get the fonts and
    // palettes they keep from the start, instead of all of them resolving theirs again when
    // the sheet moves into the control.
    auto* sheet = new QWidget(ShipPageControl);
    sheet->hide();
    auto* frame = new TShipTabFrame(sheet);
    frame->move(0, 0);
    // Bound before it is shown, so it is never seen empty; the tab owns its own copy.
    frame->BindShip(std::make_unique<CShipDataElement>(ship), build);
    const QString shown = toolkit::FromCp932Shown(ship.Name);
    sheet->setAccessibleName(shown);
    QString caption = shown;
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));
    const int index = ShipPageControl->addTab(sheet, caption);
    ShipPageControl->setCurrentIndex(index);
}

void TMainForm::ShowFindBuilds()
{
    if (!FindBuildsForm) {
        FindBuildsForm = std::make_unique<TFindBuildsForm>(*ShipDataManager);
        connect(FindBuildsForm.get(), &TFindBuildsForm::openBuild, this,
                [this](const CShipDataElement* ship, const shiptab::Build& build) {
                    OpenShip(*ship, build);
                    raise();
                    activateWindow();
                });
    }
    FindBuildsForm->ShowInFront();
}

void TMainForm::CloseCurrentTab()
{
    if (TShipTabFrame* frame = FrameOf(ShipPageControl->currentWidget()))
        frame->SpeedButton1Click(frame->SpeedButton1);
}

void TMainForm::CopyShipList()
{
    // Each entry as a freshly opened tab of it: the first record of its name, at its start.
    std::unordered_map<std::string_view, const CShipDataElement*> byName;
    byName.reserve(static_cast<std::size_t>(ShipDataManager->GetCount()));
    for (int i = 0; i < ShipDataManager->GetCount(); ++i) {
        const CShipDataElement* ship = ShipDataManager->GetElement(i);
        byName.try_emplace(ship->Name, ship);
    }
    std::string rows;
    for (int row = 0; row < ShipListBox->count(); ++row) {
        const auto found = byName.find(ShipListBox->EntryAt(row));
        if (found != byName.end())
            rows += shiptab::BuildRow(*found->second, shiptab::StartingBuild(*found->second));
    }
    shiptab::PutBuildsOnClipboard(rows);
}

void TMainForm::Copy()
{
    if (ShipListBox->hasFocus())
        CopyShipList();
    else if (TShipTabFrame* frame = FrameOf(ShipPageControl->currentWidget()))
        frame->CopyBuild();
}

void TMainForm::CopyAllTabs()
{
    std::string rows;
    for (int i = 0; i < ShipPageControl->count(); ++i)
        if (const TShipTabFrame* frame = FrameOf(ShipPageControl->widget(i)); frame && frame->Record())
            rows += shiptab::BuildRow(*frame->Record(), frame->CurrentBuild());
    if (!rows.empty())
        shiptab::PutBuildsOnClipboard(rows);
}

void TMainForm::PasteBuilds()
{
    const shiptab::PastedRows pasted = shiptab::ReadClipboard(*ShipDataManager);
    if (!pasted.Builds.empty()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        for (const shiptab::PastedBuild& b : pasted.Builds)
            OpenShip(*b.Ship, b.Asked);
        QApplication::restoreOverrideCursor();
    }
    if (pasted.Refused.empty())
        return;
    const QString text = QString::fromStdString(shiptab::PasteRefusedMessage(pasted.Refused));
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, this);
    toolkit::ExecCentred(box);
}
