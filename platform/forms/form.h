#pragma once

#include <QWidget>

namespace platform::forms {

// A window of the forms runtime. Loading registers it in the forms collection
// and runs Form_Load; unloading runs Form_Unload, takes it out of the
// collection and destroys it. The process ends when no form is left.
class Form : public QWidget {
    Q_OBJECT
public:
    enum ShowStyle { Modeless = 0, Modal = 1 };

    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    void Load();
    void Show(ShowStyle style = Modeless);
    void Unload();

    bool IsUnloaded() const { return unloaded_; }

signals:
    void unloaded();

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    void closeEvent(QCloseEvent* event) override;

private:
    bool loaded_ = false;
    bool unloaded_ = false;
};

// The default instance of a form class, created afresh once the previous one
// has been unloaded (a later showing loads a window in its design-time state).
template <class F>
F& Default() {
    static F* instance = nullptr;
    static QMetaObject::Connection gone;
    if (instance == nullptr || instance->IsUnloaded()) {
        QObject::disconnect(gone);
        instance = new F;
        gone = QObject::connect(instance, &QObject::destroyed, [] { instance = nullptr; });
    }
    return *instance;
}

}  // namespace platform::forms
