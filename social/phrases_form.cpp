#include "social/phrases_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QtDebug>

#include "social/chat_text.h"
#include "social/phrase_bar.h"

namespace tess {

namespace {
constexpr int rowTop = 10, rowPitch = 24, rowHeight = 21;
constexpr int labelLeft = 16, fieldLeft = 130, fieldWidth = 220;
}  // namespace

Tphrases::Tphrases(PhraseBar& bar, SettingsFile settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      bar_(bar),
      settings_(std::move(settings)) {
    setObjectName(QStringLiteral("phrases"));
    setWindowTitle(tr("Tessarine - Phrase Buttons "));
    setFixedSize(clientSize);
    for (int n = 1; n <= PhraseBar::phraseCount; ++n) {
        const int top = rowTop + rowPitch * (n - 1);
        auto* label = new QLabel(tr("Phrase Button %1:").arg(n), this);
        label->setGeometry(labelLeft, top, fieldLeft - labelLeft - 4, rowHeight);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("phrase%1").arg(n));
        edit->setGeometry(fieldLeft, top, fieldWidth, rowHeight);
        edit->setMaxLength(static_cast<int>(maxChatInput));
        fields_[n - 1] = edit;
    }
    const int bottom = rowTop + rowPitch * PhraseBar::phraseCount;
    auto* note = new QLabel(tr("Buttons can only be used once every 2 seconds"), this);
    note->setGeometry(labelLeft, bottom + 4, 260, rowHeight);
    done_ = new QPushButton(tr("Done"), this);
    done_->setObjectName(QStringLiteral("button_done"));
    done_->setGeometry(fieldLeft + fieldWidth - 75, bottom + 2, 75, 25);
    done_->setDefault(true);
    connect(done_, &QPushButton::clicked, this, &Tphrases::doneClick);
}

void Tphrases::showFromButtons() {
    for (int n = 1; n <= PhraseBar::phraseCount; ++n)
        fields_[n - 1]->setText(bar_.phrase(n));
    if (QWidget* owner = parentWidget())
        move(owner->window()->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void Tphrases::doneClick() {
    for (int n = 1; n <= PhraseBar::phraseCount; ++n)
        bar_.setPhrase(n, fields_[n - 1]->text());
    // All nine, the empty ones too.
    for (int n = 1; n <= PhraseBar::phraseCount; ++n) {
        const std::string key = "Phrase" + std::to_string(n);
        if (!settings_.writeKey(key, bar_.phrase(n).toStdString())) {
            qWarning() << "The phrases could not be saved:" << settings_.lastError();
            emit saveFailed(settings_.lastError());
            break;
        }
    }
    close();
}

}  // namespace tess
