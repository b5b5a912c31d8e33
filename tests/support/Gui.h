#pragma once
// Helpers for tests that drive real widgets.
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// A real double-click: press, release, double-click, release, as a mouse sends it.
void RealDoubleClick(QWidget* target, QPoint pos);
void RealClick(QWidget* target, QPoint pos);

// Accepts every modal box that appears while the object lives and records its text.
class ModalWatcher {
public:
    ModalWatcher();
    ~ModalWatcher();
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

    QStringList texts;
    QStringList titles;
    // Called with each box before it is accepted (for checking icon, buttons, ...).
    std::function<void(QWidget*)> inspect;

private:
    class Poller;
    Poller* poller;
};
