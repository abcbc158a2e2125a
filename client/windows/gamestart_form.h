// The "Game Options" window the hosting user starts a game from: the score to play to,
// the time per turn and the players at the table, each in a read-only field with a
// spinner, and a start button that asks the host to deal. It is created once and only shown and
// hidden, so the values stay as last chosen.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "records/settings_file.h"

class QAbstractButton;
class QLabel;
class QLineEdit;

namespace tess {

class UpDown;

class Tgamestart : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize clientSize{257, 205};
    static constexpr int scoreMin = 50, scoreMax = 200, scoreStep = 10, scoreDesign = 100;
    static constexpr int turnMin = 30, turnMax = 200, turnStep = 10, turnDesign = 90;
    static constexpr int playersMin = 2, playersMax = 4, playersStep = 1, playersDesign = 2;

    // `parent` is the main window, which the window is centred on.
    explicit Tgamestart(QWidget* parent = nullptr);

    // The name the user logged in with; it goes into the start request.
    void setOwnName(const QString& name) { ownName_ = name; }
    // Runs after a start, to store the chosen values with all other settings.
    void setSaveSettings(std::function<void()> save) { save_ = std::move(save); }
    // Shows the window centred on its parent and brings it to the front.
    void showCentred();

    // Values outside a spinner's range are clamped to it; one between two steps is
    // kept, and the spinner steps on from it.
    int playToScore() const;
    void setPlayToScore(int points);
    int timePerTurn() const;
    void setTimePerTurn(int seconds);
    int tablePlayers() const;
    void setTablePlayers(int players);
    // Takes the values the settings file held (an unreadable one leaves its spinner).
    void applySettings(const Settings& settings);
    // Puts the spinners' values where the settings file is written from.
    void storeSettings(Settings& settings) const;

    QLineEdit* edit_playtoscore() const { return scoreField_; }
    QLineEdit* edit_timeperturn() const { return turnField_; }
    UpDown* updown_playtoscore() const { return scoreSpin_; }
    UpDown* updown_timeperturn() const { return turnSpin_; }
    QLineEdit* edit_tableplayers() const { return playersField_; }
    UpDown* updown_tableplayers() const { return playersSpin_; }
    QAbstractButton* button_start() const { return start_; }

signals:
    // A line for the host, without its terminator.
    void sendLine(const std::string& line);

private:
    QLabel* addLabel(const QString& text, const QRect& where, int pixelSize);
    void button_startClick();

    QString ownName_;
    std::function<void()> save_;
    QLineEdit* scoreField_;
    QLineEdit* turnField_;
    QLineEdit* playersField_;
    UpDown* scoreSpin_;
    UpDown* turnSpin_;
    UpDown* playersSpin_;
    QAbstractButton* start_;
    mutable bool playersInFile_ = false;  // the settings file holds TablePlayers
};

}  // namespace tess
