#include "support/Gui.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

void RealClick(QWidget* target, QPoint pos)
{
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, pos);
}

void RealDoubleClick(QWidget* target, QPoint pos)
{
    QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, pos);
}

// A timer that runs inside any nested event loop (QMessageBox::exec) and accepts the box.
class ModalWatcher::Poller : public QTimer {
public:
    explicit Poller(ModalWatcher* owner) : Owner(owner)
    {
        setInterval(5);
        connect(this, &QTimer::timeout, this, [this] { poll(); });
        start();
    }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr || box->property("watched").toBool())
            return;
        box->setProperty("watched", true);
        Owner->texts << box->text();
        Owner->titles << box->windowTitle();
        if (Owner->inspect)
            Owner->inspect(box);
        box->accept();
    }
    ModalWatcher* Owner;
};

ModalWatcher::ModalWatcher() : poller(new Poller(this)) {}

ModalWatcher::~ModalWatcher()
{
    delete poller;
}
