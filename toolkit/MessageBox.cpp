#include "toolkit/MessageBox.h"
#include "toolkit/CentredBox.h"
#include "toolkit/Cp932.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include <cstdio>
#include <utility>

namespace toolkit {

namespace {
MessageSink& Sink()
{
    static MessageSink sink;
    return sink;
}
} // namespace

MessageSink SetMessageSink(MessageSink sink)
{
    return std::exchange(Sink(), std::move(sink));
}

void ShowMessage(const std::string& text)
{
    if (Sink()) {
        Sink()(text);
        return;
    }
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        std::fprintf(stderr, "%s\n", FromCp932(text).toLocal8Bit().constData());
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), FromCp932(text),
                    QMessageBox::Ok);
    ExecCentred(box);
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
