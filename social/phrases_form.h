// The phrase editor: nine fields for the phrases of the phrase buttons. "Done" puts them
// on the buttons and stores them in the settings file; closing it any other way
// discards the edits.
#pragma once

#include <QDialog>
#include <array>

#include "records/settings_file.h"

class QLineEdit;
class QPushButton;

namespace tess {

class PhraseBar;

class Tphrases : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize clientSize{368, 265};

    // `parent` is the main window, which the editor is centred on.
    Tphrases(PhraseBar& bar, SettingsFile settings, QWidget* parent = nullptr);

    // Fills the fields from the buttons and shows the editor (View > Phrase List).
    void showFromButtons();

    QLineEdit* field(int n) const { return fields_[n - 1]; }
    QPushButton* doneButton() const { return done_; }

signals:
    // The phrases could not be stored; they stay on the buttons for this run.
    void saveFailed(const QString& error);

private:
    void doneClick();

    PhraseBar& bar_;
    SettingsFile settings_;
    std::array<QLineEdit*, 9> fields_{};
    QPushButton* done_ = nullptr;
};

}  // namespace tess
