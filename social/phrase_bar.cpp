#include "social/phrase_bar.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QtDebug>
#include <chrono>

#include "records/settings_file.h"
#include "social/chat_text.h"
#include "social/sounds.h"
#include "wire/commands.h"
#include "wire/fields.h"
#include "wire/limits.h"
#include "wire/requests.h"

namespace tess {

namespace {

// In the user's language until the user sets their own.
const char* const defaultPhrases[PhraseBar::phraseCount] = {
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Way To Go!"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Good One!"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Nice Try!"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Excellent!"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Brilliant!"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Wow, WTG!"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Thanks!"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Way To Go Teamie!"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Good Game Everyone!")};

const char* const chatterCaptions[PhraseBar::chatterCount + 1] = {
    QT_TRANSLATE_NOOP("tess::PhraseBar", "<Cancel>"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Doh"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Cough"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Hello"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Thank You"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Where have you been?"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Snoring"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Sneezing"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Sorry"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Welcome"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Yeehaa"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Yippee"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Oh No"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Applause"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Honk"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Oooh"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Razzberry"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Cheer"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Woman Laughing"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Man Laughing"),
    QT_TRANSLATE_NOOP("tess::PhraseBar", "Crying"),
};

PhraseBar::Clock steadyClock() {
    return [] {
        using namespace std::chrono;
        return static_cast<qint64>(
            duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    };
}

// "wave4" -> 4 (any case); 0 for anything that names no chatter sound.
int chatterTag(const QString& name) {
    for (int tag = 1; tag <= PhraseBar::chatterCount; ++tag)
        if (name.compare(QStringLiteral("wave%1").arg(tag), Qt::CaseInsensitive) == 0) return tag;
    return 0;
}

}  // namespace

PhraseButton::PhraseButton(int number, QWidget* parent) : QAbstractButton(parent), number_(number) {
    setFocusPolicy(Qt::NoFocus);
    resize(PhraseBar::buttonSize);
}

void PhraseButton::setPictures(Pictures pictures) {
    pictures_ = std::move(pictures);
    update();
}

QSize PhraseButton::sizeHint() const { return PhraseBar::buttonSize; }

void PhraseButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (pictures_) {
        p.drawPixmap(rect(), pictures_(number_, isDown()));
        return;
    }
    p.fillRect(rect(), palette().button());
    p.setPen(palette().color(isDown() ? QPalette::Dark : QPalette::Light));
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(palette().color(isDown() ? QPalette::Light : QPalette::Dark));
    p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
    p.setPen(palette().color(QPalette::ButtonText));
    const QString label =
        number_ <= PhraseBar::phraseCount ? QStringLiteral("P%1").arg(number_) : QString(u'\u266A');
    p.drawText(rect().translated(isDown() ? 1 : 0, isDown() ? 1 : 0), Qt::AlignCenter, label);
}

void PhraseButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool over = rect().contains(event->position().toPoint());
    QAbstractButton::mouseReleaseEvent(event);
    if (over) emit mouseUp();
}

PhraseBar::PhraseBar(SoundPlayer& sounds, Context context, QWidget* parent, Clock msNow)
    : QWidget(parent),
      sounds_(sounds),
      context_(std::move(context)),
      msNow_(msNow ? std::move(msNow) : steadyClock()) {
    setObjectName(QStringLiteral("phrasebar"));
    move(origin);
    for (int n = 1; n <= phraseCount + 1; ++n) {
        auto* b = new PhraseButton(n, this);
        b->setObjectName(QStringLiteral("b_phrase%1").arg(n));
        b->setAccessibleName(n <= phraseCount ? tr("Phrase button %1").arg(n)
                                              : tr("Chatter Sounds"));
        buttons_[n - 1] = b;
        if (n <= phraseCount) {
            setPhrase(n, defaultPhrase(n));
            connect(b, &QAbstractButton::clicked, this, [this, n] { b_phrase1Click(n); });
        }
    }
    setScale(1);
    button(10)->setToolTip(tr("Chatter Sounds"));
    connect(button(10), &PhraseButton::mouseUp, this, &PhraseBar::b_phrase10MouseUp);
    buildSoundsMenu();
}

void PhraseBar::buildSoundsMenu() {
    popup_sounds = new QMenu(this);
    popup_sounds->setObjectName(QStringLiteral("popup_sounds"));
    for (int tag = 0; tag <= chatterCount; ++tag) {
        QAction* item = popup_sounds->addAction(chatterCaption(tag));
        item->setObjectName(QStringLiteral("wave%1").arg(tag));
        item->setData(tag);
        connect(item, &QAction::triggered, this, [this, tag] { wave4Click(tag); });
    }
}

QString PhraseBar::defaultPhrase(int n) { return tr(defaultPhrases[n - 1]); }

QString PhraseBar::chatterCaption(int tag) {
    return tag >= 0 && tag <= chatterCount ? tr(chatterCaptions[tag]) : QString();
}

void PhraseBar::setPhrase(int n, const QString& phrase) {
    QString text = phrase.left(static_cast<qsizetype>(maxChatInput));
    button(n)->setToolTip(text);
    phrases_[n - 1] = std::move(text);
}

void PhraseBar::applySettings(const Settings& settings) {
    for (int n = 1; n <= phraseCount; ++n) {
        const std::string& stored = settings.phrases[n - 1];
        // The English default as an earlier run saved it is no phrase of the user's own.
        if (!stored.empty() && stored != defaultPhrases[n - 1])
            setPhrase(n, QString::fromStdString(stored));
    }
}

void PhraseBar::setScale(qreal scale) {
    const auto scaled = [scale](int design) { return qRound(design * scale); };
    resize(scaled(soundButtonX + buttonSize.width()), scaled(buttonSize.height()));
    for (int n = 1; n <= phraseCount + 1; ++n) {
        const int left = n <= phraseCount ? buttonPitch * (n - 1) : soundButtonX;
        buttons_[n - 1]->setGeometry(scaled(left), 0,
                                     scaled(left + buttonSize.width()) - scaled(left),
                                     scaled(buttonSize.height()));
    }
}

void PhraseBar::setButtonPixmaps(PhraseButton::Pictures pictures) {
    for (PhraseButton* b : buttons_)
        b->setPictures(pictures);
}

bool PhraseBar::phraseReady() const { return !sentPhrase_ || msNow_() - lastPhraseMs_ >= guardMs; }

QString PhraseBar::phraseLine(int n) const {
    const QString& phrase = phrases_[n - 1];
    const QString colour = context_.colourText ? context_.colourText() : QString();
    const QString text = phrase.startsWith(QLatin1String("/me "))
                             ? phrase.mid(4) + u'|' + colour
                             : QStringLiteral("says: ") + phrase + u'|' + colour;
    const int slot = context_.mySlot ? context_.mySlot() : 0;
    return QString::fromStdString(wire::lineOf(wire::Action{slot, text.toStdString()}));
}

void PhraseBar::b_phrase1Click(int n) {
    if (n < 1 || n > phraseCount || !phraseReady()) return;
    emit sendLine(phraseLine(n));
    sentPhrase_ = true;
    lastPhraseMs_ = msNow_();
}

void PhraseBar::b_phrase10MouseUp() {
    popup_sounds->popup(button(10)->mapToGlobal(QPoint(buttonSize.width(), buttonSize.height())));
}

void PhraseBar::wave4Click(int tag) {
    if (tag <= 0 || tag > chatterCount) return;
    if (!context_.connected || !context_.connected()) return;
    const int slot = context_.mySlot ? context_.mySlot() : 0;
    const std::string sound = "wave" + std::to_string(tag);
    emit sendLine(QString::fromStdString(wire::lineOf(wire::PlayASound{slot, sound})));
}

void PhraseBar::playasound(std::string_view data) {
    wire::PlayASound sound;
    try {
        sound = wire::PlayASound::decode(data);
    } catch (const wire::FieldError& e) {
        qWarning() << "Dropped a chatter sound -" << e.what();
        return;
    }
    const int slot = sound.slot;
    const QString name = QString::fromStdString(sound.sound);
    // Only the chatter sounds: a peer cannot make others hear game sounds or alerts.
    const int tag = chatterTag(name);
    if (slot < 1 || slot > wire::slotCount || tag == 0) {
        qWarning() << "Dropped a chatter sound" << slot << name;
        return;
    }
    if (sounds_.playerPhraseSounds()) {
        sounds_.play(name);
        return;
    }
    if (slot > wire::seatCount || !context_.seatName) return;  // spectators have no seat label
    emit notice(QStringLiteral("0+") + context_.seatName(slot) + tr(": <Chatter Sound> ") +
                chatterCaption(tag));
}

}  // namespace tess
