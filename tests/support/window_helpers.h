// Small helpers for tests of whole windows.
#pragma once

#include <QApplication>
#include <QHostAddress>
#include <QMessageBox>
#include <QTcpServer>

namespace tess::testing {

// The message box now on screen, if any.
inline QMessageBox* openBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    return nullptr;
}

// A port nobody listens on, on any address, at the time of asking.
inline quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::Any, 0);
    return probe.serverPort();
}

}  // namespace tess::testing
