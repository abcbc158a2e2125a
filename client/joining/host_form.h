// The window for hosting a table for others on this computer: the player's name, Host.
#pragma once

#include <QDialog>

#include "client/joining/join_memory.h"

class QLineEdit;
class QCheckBox;
class QLabel;
class QPushButton;

namespace tess {

class Thost : public QDialog {
    Q_OBJECT
public:
    explicit Thost(QString settingsPath, QWidget* parent = nullptr);

    QString playerName() const;
    QLineEdit* nameField() const { return name_; }
    QPushButton* hostButton() const { return host_; }
    // Whether the table is to be listed in the online room (off until chosen).
    bool listOnline() const;

signals:
    // The name is checked and remembered; the window has closed.
    void hostRequested(const QString& name);

public slots:
    void hostClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    JoinMemory memory_;
    bool placed_ = false;
    QLineEdit* name_;
    QLabel* problem_;
    QPushButton* host_;
    QCheckBox* listOnline_;
};

}  // namespace tess
