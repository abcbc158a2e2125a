#include "client/joining/connecting_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tess {

ConnectingBox::ConnectingBox(const QString& address, quint16 port, QWidget* parent)
    : QDialog(parent), address_(address), port_(port), label_(new QLabel(this)) {
    setObjectName(QStringLiteral("connecting"));
    setWindowTitle(tr("Joining a Table"));
    setAttribute(Qt::WA_DeleteOnClose);
    label_->setObjectName(QStringLiteral("label_connecting"));
    label_->setTextFormat(Qt::PlainText);  // the address is what someone typed
    label_->setWordWrap(true);
    label_->setMinimumWidth(360);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("button_cancel"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(buttons);
    connect(this, &QDialog::rejected, this, [this] {
        if (!finished_) emit cancelled();
    });
    since_.start();
    tick_.setInterval(1000);
    connect(&tick_, &QTimer::timeout, this, &ConnectingBox::update);
    tick_.start();
    update();
}

QString ConnectingBox::text() const { return label_->text(); }

void ConnectingBox::finish() {
    finished_ = true;
    tick_.stop();
    close();
}

void ConnectingBox::update() {
    label_->setText(tr("Connecting to the table at %1 (port %2)… %3 s")
                        .arg(address_)
                        .arg(port_)
                        .arg(since_.elapsed() / 1000));
}

}  // namespace tess
