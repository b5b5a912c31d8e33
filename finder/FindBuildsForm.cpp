#include "finder/FindBuildsForm.h"

#include "finder/QueryText.h"
#include "shipdata/ShipType.h"
#include "shiptab/BuildText.h"
#include "shiptab/Columns.h"
#include "toolkit/Application.h"
#include "toolkit/ProgramIcon.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>

namespace finder {

// The found builds as numbers; a row's texts are made when the view asks for them, and the last
// row's are kept, as the view asks for a row's cells one after another.
class FoundBuildsModel : public QAbstractTableModel {
public:
    FoundBuildsModel(const CShipDataManager& catalogue, QObject* parent)
        : QAbstractTableModel(parent), Catalogue(catalogue), Header(shiptab::ToStringList(shiptab::BuildHeaderCells()))
    {
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(Rows.size()); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : shiptab::box::Count; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole)
            return CellsOf(index.row()).at(index.column());
        if (role == Qt::TextAlignmentRole)
            return int((shiptab::Columns[index.column()].IsNumber() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return Header.value(section);
        if (orientation == Qt::Horizontal && role == Qt::InitialSortOrderRole)
            return int(Qt::AscendingOrder);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    // A column, or for none the order the search gives. The selected rows and the current one
    // stay selected and current wherever they move: a row is known by its ship and material.
    void sort(int column, Qt::SortOrder order) override
    {
        if (column < 0 && InGoalOrder)
            return;
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        const QModelIndexList before = persistentIndexList();
        std::vector<uint64_t> keys;
        keys.reserve(std::size_t(before.size()));
        std::unordered_map<uint64_t, int> moved;
        moved.reserve(std::size_t(before.size()));
        for (const QModelIndex& index : before)
            moved.emplace(keys.emplace_back(KeyOf(Rows[std::size_t(index.row())])), -1);
        if (column < 0)
            SortByGoal(Rows);
        else
            SortByColumn(Rows, Catalogue, column, order == Qt::DescendingOrder);
        if (!moved.empty())
            for (std::size_t row = 0; row < Rows.size(); ++row)
                if (const auto found = moved.find(KeyOf(Rows[row])); found != moved.end())
                    found->second = int(row);
        QModelIndexList after;
        after.reserve(before.size());
        for (qsizetype i = 0; i < before.size(); ++i)
            after.append(index(moved.at(keys[std::size_t(i)]), before[i].column()));
        changePersistentIndexList(before, after);
        InGoalOrder = column < 0;
        CachedRow = -1;
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

    void SetRows(std::vector<FoundBuild> rows)
    {
        beginResetModel();
        Rows = std::move(rows);
        InGoalOrder = true;
        CachedRow = -1;
        endResetModel();
    }

    const CShipDataElement& ShipOf(int row) const { return *Catalogue.GetElement(int(Rows[std::size_t(row)].Ship)); }
    shiptab::Build BuildOf(int row) const { return Rows[std::size_t(row)].AsBuild(); }

private:
    const CShipDataManager& Catalogue;
    const QStringList Header;
    std::vector<FoundBuild> Rows;
    bool InGoalOrder = true;
    mutable int CachedRow = -1;
    mutable QStringList Cached;

    static uint64_t KeyOf(const FoundBuild& row) { return uint64_t{row.Ship} << 8 | row.Material; }

    const QStringList& CellsOf(int row) const
    {
        if (row != CachedRow) {
            Cached = shiptab::ToStringList(shiptab::BuildCells(ShipOf(row), BuildOf(row)));
            CachedRow = row;
        }
        return Cached;
    }
};

} // namespace finder

// One thread that searches for the newest query: a query asked while another is searched
// stops that search, and queries asked meanwhile give way to the last of them.
class TFindBuildsForm::SearchThread {
public:
    using Done = std::function<void(uint64_t query, std::vector<finder::FoundBuild> rows)>;

    SearchThread(const CShipDataManager& catalogue, Done done)
        : Catalogue(catalogue), Deliver(std::move(done)), Thread([this] { Run(); })
    {
    }
    ~SearchThread()
    {
        {
            const std::lock_guard lock(Mutex);
            Quit = true;
            Stop = true;
        }
        Wake.notify_one();
        Thread.join();
    }

    void Ask(uint64_t query, const finder::Query& q)
    {
        {
            const std::lock_guard lock(Mutex);
            Pending = {query, q};
            Stop = true;
        }
        Wake.notify_one();
    }

private:
    const CShipDataManager& Catalogue;
    const Done Deliver;
    std::mutex Mutex;
    std::condition_variable Wake;
    std::optional<std::pair<uint64_t, finder::Query>> Pending;
    std::atomic<bool> Stop = false;
    bool Quit = false;
    std::thread Thread;

    void Run()
    {
        for (;;) {
            std::pair<uint64_t, finder::Query> asked;
            {
                std::unique_lock lock(Mutex);
                Wake.wait(lock, [this] { return Quit || Pending; });
                if (Quit)
                    return;
                asked = *Pending;
                Pending.reset();
                Stop = false;
            }
            std::vector<finder::FoundBuild> rows = finder::FindBuilds(Catalogue, asked.second, &Stop);
            if (!Stop)
                Deliver(asked.first, std::move(rows));
        }
    }
};

namespace {

// The table's own keys for a row: Return opens it, Ctrl+C copies the selected rows (the view
// would copy one cell).
class ResultTable : public QTableView {
public:
    std::function<void()> Open, Copy;
    using QTableView::QTableView;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
            Open();
            return;
        }
        if (event->matches(QKeySequence::Copy)) {
            Copy();
            return;
        }
        QTableView::keyPressEvent(event);
    }
};

// The box of each requirement, in the order of finder::Requirements.
QSpinBox* TFindBuildsForm::*const RequirementEdits[] = {
    &TFindBuildsForm::MinLSailEdit, &TFindBuildsForm::MinSSailEdit, &TFindBuildsForm::MinStrengthEdit,
    &TFindBuildsForm::MinCabinsEdit, &TFindBuildsForm::MinPortsEdit, &TFindBuildsForm::MinHoldEdit,
    &TFindBuildsForm::MaxPriceEdit};

// A requirement: its minimum asks for nothing.
QSpinBox* Requirement(QWidget* parent, const char* name, const QString& caption, int most, const char* bound)
{
    auto* edit = new QSpinBox(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setRange(0, most);
    edit->setSpecialValueText(QString::fromUtf8(finder::words::NoRequirement));
    edit->setSuffix(QString::fromUtf8(bound));
    edit->setAccessibleName(caption + QString::fromUtf8(bound));
    return edit;
}

} // namespace

TFindBuildsForm::TFindBuildsForm(const CShipDataManager& catalogue) : Catalogue(catalogue)
{
    setObjectName(QStringLiteral("FindBuildsForm"));
    setWindowTitle(QString::fromUtf8(finder::words::Title));
    setWindowIcon(toolkit::ProgramIcon());
    setAttribute(Qt::WA_QuitOnClose, false); // the main window's closing ends the program
    setFont(toolkit::DesignFont(12));
    resize(900, 560);

    // Created in the order Tab goes through them.
    const auto typeBox = [this](const char* name, const char* caption) {
        auto* box = new QCheckBox(QString::fromUtf8(caption), this);
        box->setObjectName(QString::fromLatin1(name));
        box->setChecked(true);
        return box;
    };
    FindAdventureCheckBox = typeBox("FindAdventureCheckBox", ShipTypeCaptions[0]);
    FindTradeCheckBox = typeBox("FindTradeCheckBox", ShipTypeCaptions[1]);
    FindCombatCheckBox = typeBox("FindCombatCheckBox", ShipTypeCaptions[2]);

    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < std::size(RequirementEdits); ++i) {
        const finder::Requirement& asked = finder::Requirements[i];
        const QString caption = QString::fromUtf8(asked.Caption);
        QSpinBox* edit = Requirement(this, asked.Name, caption, asked.Most, asked.Bound);
        auto* label = new QLabel(caption, this);
        label->setBuddy(edit);
        const int row = int(i) / 3, column = int(i) % 3 * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row, column + 1);
        this->*RequirementEdits[i] = edit;
    }

    const auto percent = [this](const char* name, int value, const char* caption) {
        auto* edit = new QSpinBox(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setRange(-finder::PercentLimit, finder::PercentLimit);
        edit->setValue(value);
        edit->setSuffix(QStringLiteral("%"));
        edit->setAccessibleName(QString::fromUtf8(caption));
        return edit;
    };
    LowestPercentEdit = percent("LowestPercentEdit", 0, finder::words::LowestPercent);
    HighestPercentEdit = percent("HighestPercentEdit", 30, finder::words::HighestPercent);
    auto* percents = new QHBoxLayout;
    auto* percentLabel = new QLabel(QString::fromUtf8(finder::words::Percent), this);
    percentLabel->setBuddy(LowestPercentEdit);
    percents->addWidget(LowestPercentEdit);
    percents->addWidget(new QLabel(QString::fromUtf8(finder::words::From), this));
    percents->addWidget(HighestPercentEdit);
    percents->addWidget(new QLabel(QString::fromUtf8(finder::words::To), this));
    percents->addStretch();
    grid->addWidget(percentLabel, 2, 2);
    grid->addLayout(percents, 2, 3, 1, 3);
    grid->setColumnStretch(6, 1); // the boxes keep their own width

    GoalComboBox = new QComboBox(this);
    GoalComboBox->setObjectName(QStringLiteral("GoalComboBox"));
    for (const char* caption : finder::GoalCaptions)
        GoalComboBox->addItem(QString::fromUtf8(caption));
    GoalComboBox->setAccessibleName(QString::fromUtf8(finder::words::Goal));
    auto* goalLabel = new QLabel(QString::fromUtf8(finder::words::Goal), this);
    goalLabel->setBuddy(GoalComboBox);
    EveryMaterialCheckBox = new QCheckBox(QString::fromUtf8(finder::words::EveryMaterial), this);
    EveryMaterialCheckBox->setObjectName(QStringLiteral("EveryMaterialCheckBox"));
    EveryMaterialCheckBox->setAccessibleDescription(QString::fromUtf8(finder::words::EveryMaterialMeaning));

    auto* table = new ResultTable(this);
    ResultView = table;
    ResultView->setObjectName(QStringLiteral("ResultView"));
    ResultView->setAccessibleName(QString::fromUtf8(finder::words::Results));
    Model = new finder::FoundBuildsModel(Catalogue, this);
    ResultView->setModel(Model);
    ResultView->setSelectionBehavior(QAbstractItemView::SelectRows);
    ResultView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ResultView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ResultView->setWordWrap(false);
    ResultView->setTabKeyNavigation(false); // Tab leaves the table
    // Every row is one line high, so the view never measures a row's texts.
    QHeaderView* rows = ResultView->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    rows->hide();
    QHeaderView* columns = ResultView->horizontalHeader();
    const int figureWidth = fontMetrics().horizontalAdvance(QStringLiteral("-0000000")) + 12;
    for (int c = 0; c < Model->columnCount(); ++c)
        columns->resizeSection(c, std::max(figureWidth, fontMetrics().horizontalAdvance(
                                                            Model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()) + 24));
    columns->resizeSection(shiptab::box::ShipNameText, fontMetrics().horizontalAdvance(QString(12, QChar(0x3042))));
    columns->setSortIndicator(-1, Qt::AscendingOrder);
    ResultView->setSortingEnabled(true);

    ResultCountText = new QLabel(this);
    ResultCountText->setObjectName(QStringLiteral("ResultCountText"));

    auto* types = new QHBoxLayout;
    types->addWidget(new QLabel(QString::fromUtf8(finder::words::Types), this));
    for (QCheckBox* box : {FindAdventureCheckBox, FindTradeCheckBox, FindCombatCheckBox})
        types->addWidget(box);
    types->addStretch();
    auto* goal = new QHBoxLayout;
    goal->addWidget(goalLabel);
    goal->addWidget(GoalComboBox);
    goal->addWidget(EveryMaterialCheckBox);
    goal->addStretch();
    goal->addWidget(ResultCountText);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(types);
    whole->addLayout(grid);
    whole->addLayout(goal);
    whole->addWidget(ResultView, 1);

    for (QCheckBox* box : {FindAdventureCheckBox, FindTradeCheckBox, FindCombatCheckBox, EveryMaterialCheckBox})
        connect(box, &QCheckBox::toggled, this, &TFindBuildsForm::Search);
    for (QSpinBox* edit : {MinLSailEdit, MinSSailEdit, MinStrengthEdit, MinCabinsEdit, MinPortsEdit, MinHoldEdit,
                           MaxPriceEdit, LowestPercentEdit, HighestPercentEdit})
        connect(edit, &QSpinBox::valueChanged, this, &TFindBuildsForm::Search);
    connect(GoalComboBox, &QComboBox::currentIndexChanged, this, &TFindBuildsForm::Search);

    table->Open = [this] { OpenCurrentRow(); };
    table->Copy = [this] { CopySelectedRows(); };
    connect(ResultView, &QAbstractItemView::doubleClicked, this, &TFindBuildsForm::OpenCurrentRow);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::hide);

    if (Catalogue.GetCount() > SearchedInPlace)
        Searcher = std::make_unique<SearchThread>(Catalogue, [this](uint64_t query, std::vector<finder::FoundBuild> rows) {
            // Handed to the GUI thread; dropped there when a newer query has come meanwhile.
            auto found = std::make_shared<std::vector<finder::FoundBuild>>(std::move(rows));
            QMetaObject::invokeMethod(
                this, [this, query, found] { ShowRows(query, std::move(*found)); }, Qt::QueuedConnection);
        });
    Search();
}

// The thread ends before the window it hands rows to.
TFindBuildsForm::~TFindBuildsForm() = default;

finder::Query TFindBuildsForm::CurrentQuery() const
{
    const auto asked = [](const QSpinBox* edit) {
        return edit->value() == edit->minimum() ? std::nullopt : std::optional<int32_t>(edit->value());
    };
    finder::Query q;
    q.Adventure = FindAdventureCheckBox->isChecked();
    q.Trade = FindTradeCheckBox->isChecked();
    q.Combat = FindCombatCheckBox->isChecked();
    for (std::size_t i = 0; i < std::size(RequirementEdits); ++i)
        q.*finder::Requirements[i].Field = asked(this->*RequirementEdits[i]);
    q.LowestPercent = LowestPercentEdit->value();
    q.HighestPercent = HighestPercentEdit->value();
    q.LookFor = static_cast<finder::Goal>(GoalComboBox->currentIndex());
    q.EveryMaterial = EveryMaterialCheckBox->isChecked();
    return q;
}

void TFindBuildsForm::ShowInFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void TFindBuildsForm::Search()
{
    const uint64_t query = ++Asked;
    if (!Searcher)
        return ShowRows(query, finder::FindBuilds(Catalogue, CurrentQuery()));
    Searcher->Ask(query, CurrentQuery());
    ResultView->viewport()->setCursor(Qt::BusyCursor);
}

void TFindBuildsForm::ShowRows(uint64_t query, std::vector<finder::FoundBuild> rows)
{
    if (query != Asked)
        return; // an older query's rows, never shown after a newer one's
    Shown = query;
    Model->SetRows(std::move(rows));
    // A new query shows its own order, not the last column clicked.
    ResultView->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    ResultCountText->setText(QStringLiteral("%1 %2").arg(Model->rowCount()).arg(QString::fromUtf8(finder::words::Rows)));
    ResultView->viewport()->unsetCursor();
    emit resultsShown();
}

void TFindBuildsForm::OpenCurrentRow()
{
    const QModelIndex current = ResultView->currentIndex();
    if (current.isValid())
        emit openBuild(&Model->ShipOf(current.row()), Model->BuildOf(current.row()));
}

void TFindBuildsForm::CopySelectedRows()
{
    // Rows in the order shown, however they were selected.
    std::vector<bool> selected(std::size_t(Model->rowCount()));
    for (const QItemSelectionRange& range : ResultView->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            selected[std::size_t(row)] = true;
    std::string rows;
    for (int row = 0; row < Model->rowCount(); ++row)
        if (selected[std::size_t(row)])
            rows += shiptab::BuildRow(Model->ShipOf(row), Model->BuildOf(row));
    if (!rows.empty())
        shiptab::PutBuildsOnClipboard(rows);
}
