// The row of small buttons above the chat: buttons 1-9 send their stored phrase as an
// action line, button 10 opens the menu of chatter sounds that play at every client.
#pragma once

#include <QAbstractButton>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <string_view>

class QMenu;

namespace tess {

class SoundPlayer;
struct Settings;

// One flat 27 x 23 button showing its picture, or its text until pictures are given.
class PhraseButton : public QAbstractButton {
    Q_OBJECT
public:
    using Pictures = std::function<QPixmap(int n, bool pressed)>;

    PhraseButton(int number, QWidget* parent);
    void setPictures(Pictures pictures);
    QSize sizeHint() const override;

signals:
    // Any mouse button was released over the button.
    void mouseUp();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int number_;
    Pictures pictures_;
};

class PhraseBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int phraseCount = 9;
    static constexpr int chatterCount = 20;
    static constexpr QPoint origin{477, 46};  // in the main window's client area
    static constexpr QSize buttonSize{27, 23};
    static constexpr int buttonPitch = 28;
    static constexpr int soundButtonX = 729 - 477;
    static constexpr qint64 guardMs = 2000;  // one phrase per 2 seconds

    // What the bar asks of the main window when it needs it.
    struct Context {
        std::function<int()> mySlot;
        std::function<bool()> connected;
        std::function<QString()> colourText;        // the user's chat colour as text
        std::function<QString(int slot)> seatName;  // a seat label's caption, slots 1-4
    };
    using Clock = std::function<qint64()>;  // milliseconds, never going back

    // Placed at `origin` of `parent`. Without a clock, a monotonic one is used.
    PhraseBar(SoundPlayer& sounds, Context context, QWidget* parent = nullptr, Clock msNow = {});

    // Buttons `scale` times their size, at the same places times `scale` (the table
    // grows with its window); the caller moves the bar.
    void setScale(qreal scale);

    static QString defaultPhrase(int n);
    // "Doh" for tag 1 ... "Crying" for tag 20, "<Cancel>" for 0.
    static QString chatterCaption(int tag);

    QString phrase(int n) const { return phrases_[n - 1]; }
    // Sets a phrase, cut to the input limit; the tooltip follows.
    void setPhrase(int n, const QString& phrase);
    // The stored phrases that are not empty replace the buttons' phrases.
    void applySettings(const Settings& settings);

    void setButtonPixmaps(PhraseButton::Pictures pictures);
    PhraseButton* button(int n) const { return buttons_[n - 1]; }  // 1-10
    QMenu* soundsMenu() const { return popup_sounds; }

    bool phraseReady() const;
    // The line phrase button n sends (without its terminator).
    QString phraseLine(int n) const;

    // Handlers.
    void b_phrase1Click(int n);
    void b_phrase10MouseUp();
    void wave4Click(int tag);
    // A received CMD_playasound: `data` is what follows the command word.
    void playasound(std::string_view data);

signals:
    // A line for the host, without its terminator.
    void sendLine(const QString& line);
    // A chat notice line ("0+..."), to be written in the notice colour.
    void notice(const QString& line);

private:
    void buildSoundsMenu();

    SoundPlayer& sounds_;
    Context context_;
    Clock msNow_;
    std::array<QString, phraseCount> phrases_;
    std::array<PhraseButton*, phraseCount + 1> buttons_{};
    QMenu* popup_sounds = nullptr;
    bool sentPhrase_ = false;
    qint64 lastPhraseMs_ = 0;
};

}  // namespace tess
