#pragma once
// The language dialog: one entry, "English". OK stores the choice.
#include <QDialog>

#include "model/language_store.h"

class QComboBox;

namespace dorvik {

class Clanguage : public QDialog {
    Q_OBJECT
public:
    // store may be null: then nothing is stored.
    explicit Clanguage(LanguageStore* store, QWidget* parent = nullptr);

    void done(int result) override;
    QComboBox* List() const { return list_; }

private:
    LanguageStore* store_;
    QComboBox* list_;
};

}  // namespace dorvik
