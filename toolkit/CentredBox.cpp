#include "toolkit/CentredBox.h"

#include "toolkit/Cp932.h"

#include <QApplication>
#include <QScreen>

namespace toolkit {

void ShowMessageBox(const std::string& text)
{
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
