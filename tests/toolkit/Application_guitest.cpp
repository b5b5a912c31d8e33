#include "toolkit/Application.h"

#include "support/Gui.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <stdexcept>

using toolkit::FormatExceptionMessage;

TEST(ExceptionText, FullStopRule)
{
    const struct {
        std::string message, shown;
    } rows[] = {
        {"Disk full", "Disk full."},          {"Code 42", "Code 42."},
        {"Wrong (value)", "Wrong (value)"},   {"Trailing blank ", "Trailing blank "},
        {"Already.", "Already."},             {"", ""},
        {"dash-", "dash-"},                   {"slash/", "slash/."},
        {"colon:", "colon:."},                {"\x8e\xb8\x94\x73", "\x8e\xb8\x94\x73."}, // Japanese
        {"comma,", "comma,"},                 {"tilde~", "tilde~."},
    };
    for (const auto& r : rows)
        EXPECT_EQ(FormatExceptionMessage(r.message), r.shown) << r.message;
}

namespace {

// An object whose event handler throws what it is told to.
class Thrower : public QObject {
public:
    std::function<void()> action;
    int handled = 0;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        ++handled;
        action();
        return true;
    }
};

struct ShownTexts {
    std::vector<std::string> texts;
    toolkit::TApplication::ExceptionSink previous;
    ShownTexts()
    {
        previous = toolkit::TApplication::SetExceptionSink([this](const std::string& t) { texts.push_back(t); });
    }
    ~ShownTexts() { toolkit::TApplication::SetExceptionSink(previous); }
};

} // namespace

TEST(ExceptionBox, HandlerExceptionsAreShownAndTheLoopGoesOn)
{
    ShownTexts shown;
    Thrower t;
    t.action = [] { throw toolkit::Exception("Bad figure"); };
    QCoreApplication::postEvent(&t, new QEvent(QEvent::User));
    QCoreApplication::processEvents();

    t.action = [] { throw toolkit::EAbort(); };
    QEvent direct(QEvent::User);
    QCoreApplication::sendEvent(&t, &direct);

    t.action = [] { throw std::runtime_error("library (detail)"); };
    QCoreApplication::postEvent(&t, new QEvent(QEvent::User));
    QCoreApplication::processEvents();

    t.action = [] {};
    QCoreApplication::postEvent(&t, new QEvent(QEvent::User));
    QCoreApplication::processEvents();

    EXPECT_EQ(t.handled, 4);
    EXPECT_EQ(shown.texts, (std::vector<std::string>{"Bad figure.", "library (detail)"}));
}

TEST(ExceptionBox, IsAModalStopBoxWithOneButton)
{
    ModalWatcher watcher;
    int buttons = -1;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    watcher.inspect = [&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        buttons = static_cast<int>(box->buttons().size());
        icon = box->icon();
    };
    toolkit::TApplication::ShowException(toolkit::Exception("\x8e\xb8\x94\x73")); // 失敗
    ASSERT_EQ(watcher.texts.size(), 1);
    EXPECT_EQ(watcher.texts[0], QString::fromUtf8("失敗."));
    EXPECT_EQ(watcher.titles[0], QCoreApplication::applicationName());
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(icon, QMessageBox::Critical);

    toolkit::TApplication::ShowException(toolkit::EAbort());
    EXPECT_EQ(watcher.texts.size(), 1) << "an abort is never shown";
}
