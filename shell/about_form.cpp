#include "shell/about_form.h"

#include <QLabel>
#include <QPushButton>

#include "shell/maker_site.h"
#include "shell/shell_pictures.h"
#include "shell/window_place.h"

namespace tess {

QString Tabout::versionText() { return QStringLiteral(TESS_VERSION) + QStringLiteral(".0"); }

Tabout::Tabout(QWidget* mainWindow) : QDialog(mainWindow, Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("about"));
    setWindowTitle(tr("Tessarine - About"));
    setFixedSize(304, 174);
    setModal(false);
    applyBackground(this, feltTile());

    auto* logo = new ClickLabel(this);
    logo->setObjectName(QStringLiteral("image_logo"));
    logo->setGeometry(20, 10, 264, 75);
    logo->setPixmap(makerLogo(QSize(264, 75)));
    connect(logo, &ClickLabel::clicked, this, [this] { openMakerSite(this); });

    auto* web = new ClickLabel(this);
    web->setObjectName(QStringLiteral("label_web"));
    web->setGeometry(20, 90, 264, 22);
    web->setAlignment(Qt::AlignCenter);
    web->setText(makerWebAddressText());
    QFont underlined = web->font();
    underlined.setUnderline(true);
    underlined.setBold(true);
    web->setFont(underlined);
    web->setStyleSheet(QStringLiteral("color: #fff4c0; background: transparent;"));
    connect(web, &ClickLabel::clicked, this, [this] { openMakerSite(this); });

    auto* version = new QLabel(tr("Version ") + versionText(), this);
    version->setObjectName(QStringLiteral("label_version"));
    version->setGeometry(12, 136, 180, 24);
    version->setStyleSheet(QStringLiteral("color: white; background: transparent;"));

    auto* done = new QPushButton(tr("Done"), this);
    done->setObjectName(QStringLiteral("button_done"));
    done->setGeometry(212, 134, 80, 28);
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, &Tabout::close);
}

void Tabout::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        centreWindow(this, parentWidget());
    }
    QDialog::showEvent(event);
}

}  // namespace tess
