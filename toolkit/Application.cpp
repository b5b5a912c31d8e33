#include "toolkit/Application.h"

#include "toolkit/CentredBox.h"
#include "toolkit/Cp932.h"

#include <QMessageBox>

#include <utility>

namespace toolkit {

namespace {
TApplication::ExceptionSink& Sink()
{
    static TApplication::ExceptionSink sink;
    return sink;
}
} // namespace

std::string FormatExceptionMessage(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}

QFont DesignFont(int pixelHeight, bool bold)
{
    QFont font(QString::fromUtf8(DesignFontFamily));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // Windows names the designed font in English outside Japan; a Windows without it has
    // Yu Gothic UI or Meiryo UI.
    QFont::insertSubstitutions(QString::fromUtf8(DesignFontFamily),
                               {QStringLiteral("MS PGothic"), QStringLiteral("Yu Gothic UI"),
                                QStringLiteral("Meiryo UI"), QStringLiteral("IPAPGothic"),
                                QStringLiteral("IPA Pゴシック"), QStringLiteral("Noto Sans CJK JP")});
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    // Nothing may leave notify(): Qt is not exception safe across its event dispatch.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(Exception("Unknown exception"));
    }
    return false;
}

TApplication::ExceptionSink TApplication::SetExceptionSink(ExceptionSink sink)
{
    return std::exchange(Sink(), std::move(sink));
}

void TApplication::ShowException(const std::exception& e)
{
    if (dynamic_cast<const EAbort*>(&e) != nullptr)
        return;
    // Our own exceptions carry code page 932; anything else from the library is plain text.
    const auto* own = dynamic_cast<const Exception*>(&e);
    const std::string text = FormatExceptionMessage(own != nullptr ? own->message() : std::string(e.what()));
    if (Sink()) {
        Sink()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, applicationDisplayName(),
                    own != nullptr ? FromCp932(text) : QString::fromUtf8(text.c_str()), QMessageBox::Ok);
    ExecCentred(box);
}

} // namespace toolkit
