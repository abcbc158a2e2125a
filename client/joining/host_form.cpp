#include "client/joining/host_form.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "client/joining/join_form.h"
#include "shell/window_place.h"

namespace tess {

Thost::Thost(QString settingsPath, QWidget* parent)
    : QDialog(parent), memory_(std::move(settingsPath)) {
    setObjectName(QStringLiteral("host"));
    setWindowTitle(tr("Host a Table"));
    setAccessibleName(windowTitle());

    auto* about = new QLabel(
        tr("Your table opens on this computer for up to four players and five spectators. "
           "Others join it by this computer's address (port 7772), from the list of tables "
           "on their network, or with the invitation you copy from the File menu. The game "
           "you are at now ends first."),
        this);
    about->setWordWrap(true);
    about->setObjectName(QStringLiteral("label_about"));

    name_ = playerNameField(this, memory_.playerName());
    name_->setAccessibleName(tr("Your name"));
    auto* form = new QFormLayout;
    form->addRow(tr("Your &name:"), name_);
    listOnline_ = new QCheckBox(tr("&List this table online"), this);
    listOnline_->setObjectName(QStringLiteral("check_listonline"));
    listOnline_->setToolTip(
        tr("Shows the table in the online room (your name and its players, never its "
           "address); a player who asks to join gets the address from your program."));
    form->addRow(QString(), listOnline_);

    problem_ = problemLabel(this);

    host_ = new QPushButton(tr("&Host"), this);
    host_->setObjectName(QStringLiteral("button_host"));
    host_->setAccessibleName(tr("Host the table"));
    connect(host_, &QPushButton::clicked, this, &Thost::hostClick);
    QHBoxLayout* buttons = actionRow(this, host_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addLayout(buttons);
    resize(420, 190);
}

QString Thost::playerName() const { return cleanPlayerName(name_->text()).trimmed(); }

void Thost::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        centreWindow(this, parentWidget());
    }
    QDialog::showEvent(event);
    name_->setFocus();
    name_->selectAll();
}

void Thost::hostClick() {
    const QString name = playerName();
    if (name.isEmpty()) {
        problem_->setText(tr("Type the name the others will see."));
        problem_->show();
        name_->setFocus();
        return;
    }
    problem_->hide();
    memory_.rememberName(name);
    hide();
    emit hostRequested(name);
}

bool Thost::listOnline() const { return listOnline_->isChecked(); }

}  // namespace tess
