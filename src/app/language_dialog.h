#pragma once
// The language dialog: English and 简体中文, each named in its own language.
// OK stores the choice, which the window takes on at its next start.
#include <QDialog>

#include "model/language_store.h"

class QComboBox;

namespace dorvik {

class Clanguage : public QDialog {
    Q_OBJECT
public:
    // store may be null: then nothing is stored and the language shown now
    // is preselected.
    explicit Clanguage(LanguageStore* store, QWidget* parent = nullptr);

    void done(int result) override;
    QComboBox* List() const { return list_; }

private:
    LanguageStore* store_;
    QComboBox* list_;
};

}  // namespace dorvik
