// What the window tests share: main windows made in a scratch folder, with
// recorded message boxes and scripted file choices, and finding controls.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "app/main_window.h"
#include "fakes.h"
#include "model/config_dir.h"

namespace dorvik::test {

class MemoryLanguage : public LanguageStore {
public:
    std::optional<std::uint32_t> stored;
    std::optional<std::uint32_t> Get() const override { return stored; }
    bool Set(std::uint32_t language) override {
        stored = language;
        return true;
    }
};

// The scratch folder is the configuration and the data folder.
struct WindowPlace {
    QTemporaryDir dir;
    RecordingMessageBox boxes;
    ScriptedFileChooser files;

    WindowPlace() { qputenv(kConfigDirVariable, QFile::encodeName(dir.path())); }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // screenBoxes: real message boxes instead of the recorded ones.
    std::unique_ptr<CMainWindow> MakeWindow(bool screenBoxes = false) {
        MainWindowOptions options;
        options.settingsPath = Path("DORVIK.ini").toStdString();
        options.messages = screenBoxes ? nullptr : &boxes;
        options.files = &files;
        options.dataDir = dir.path();
        options.downloadStartPicture = false;
        return std::make_unique<CMainWindow>(options);
    }
};

// The first child of root of type T whose accessible name is name.
template <class T>
T* Named(QWidget* root, const QString& name) {
    for (T* w : root->findChildren<T*>())
        if (w->accessibleName() == name) return w;
    return nullptr;
}

// Once show() opens a message box: notes its title, text and buttons, then
// presses button (Escape for NoButton).
inline QStringList AnswerBox(const std::function<void()>& show,
                             QMessageBox::StandardButton button = QMessageBox::Ok) {
    QStringList seen;
    QTimer::singleShot(0, [&seen, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen << box->windowTitle() << box->text();
        for (QAbstractButton* b : box->buttons()) seen << b->text();
        if (button == QMessageBox::NoButton)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(button)->click();
    });
    show();
    return seen;
}

}  // namespace dorvik::test
