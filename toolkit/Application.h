#pragma once
// The application object: shows what escapes an event handler and lets the loop go on.
#include <QApplication>
#include <QFont>

#include <exception>
#include <functional>
#include <string>

namespace toolkit {

// Base of the exceptions the application shows to the user. The message is code page 932.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : Message(std::move(message)) {}
    const char* what() const noexcept override { return Message.c_str(); }
    const std::string& message() const { return Message; }

private:
    std::string Message;
};

// Unwinds a handler silently: never shown.
class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
};

// The box text: the message, with "." appended when it is not empty and its last
// byte sorts after "." (so ")", " " and "." get none; letters, digits, Japanese do).
std::string FormatExceptionMessage(const std::string& message);

// The designed font, and what stands in for it where it is not installed.
inline constexpr const char* DesignFontFamily = "ＭＳ Ｐゴシック";
QFont DesignFont(int pixelHeight, bool bold = false);

class TApplication : public QApplication {
public:
    // Also maps the designed font onto what stands in for it where it is missing (IPA P Gothic
    // on Linux), so Japanese shows at the designed size.
    TApplication(int& argc, char** argv);

    // Catches what escapes a handler at the point Qt dispatches events.
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an exception in a modal box with the stop icon and one OK button; drops EAbort.
    static void ShowException(const std::exception& e);

    // Lets tests see formatted exception texts instead of a modal box. Returns the old sink.
    using ExceptionSink = std::function<void(const std::string&)>;
    static ExceptionSink SetExceptionSink(ExceptionSink sink);
};

} // namespace toolkit
