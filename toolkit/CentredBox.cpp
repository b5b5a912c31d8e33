#include "toolkit/CentredBox.h"

#include "toolkit/Cp932.h"

#include <QApplication>
#include <QScreen>

#include <utility>

namespace toolkit {

void ShowMessageBox(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), FromCp932(text),
                    QMessageBox::Ok);
    ExecCentred(box);
}

MessageBoxScope::MessageBoxScope() : Previous(SetMessageSink({}))
{
    SetMessageSink(Previous ? Previous : MessageSink(ShowMessageBox));
}

MessageBoxScope::~MessageBoxScope()
{
    SetMessageSink(std::move(Previous));
}

int ExecCentred(QMessageBox& box)
{
    box.setTextFormat(Qt::PlainText);
    box.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        box.move(screen->availableGeometry().center() - box.rect().center());
    return box.exec();
}

} // namespace toolkit
