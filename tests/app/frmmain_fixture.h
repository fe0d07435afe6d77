#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <functional>

#include "app/Frmmain/Frmmain.h"
#include "platform/forms/forms_collection.h"
#include "platform/forms/message_box.h"
#include "platform/shell/open_url.h"
#include "support/fake_pane.h"

// The evaluation site and member server addresses used by the window tests.
inline const QString kPageHost = QStringLiteral("http://pages.site.test");
inline const QString kIndexHost = QStringLiteral("http://index.site.test");
inline const QString kSiteDomain = QStringLiteral("site.test");
inline const QString kMemberUrl = QStringLiteral("http://member.test/velmora/");
inline const QString kHomePage = QStringLiteral("http://home.test/");

// Raises a button's Click, whatever kind of button control it is.
inline void press(QWidget* button) {
    QMetaObject::invokeMethod(button, "Click");
}

// A main window with fake panes in an application folder of its own. Message
// boxes, opened addresses and modal forms are recorded instead of shown.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes Config.ini (when text is given) and shows the main window.
    Frmmain& open(const QByteArray& configIni = {});
    FakePane& pane(platform::browser::BrowserPane* pane);
    QString readConfig(const QString& key) const;
    bool status(int category) const;

    QTemporaryDir dir;
    Frmmain* window = nullptr;
    QStringList boxes;                                    // "prompt|style|title"
    QStringList opened;                                   // addresses given to the user's browser
    QStringList modals;                                   // captions of the forms shown modally
    std::function<void(platform::forms::Form&)> onModal;  // drives a modal form; default closes it

private:
    platform::forms::MsgBoxHandler oldBox_;
    platform::shell::OpenUrlHandler oldOpen_;
    platform::forms::ModalRunner oldModal_;
    platform::forms::QuitHandler oldQuit_;
    QString oldUser_;
    QString oldFolder_;
};
