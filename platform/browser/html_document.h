#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace platform::browser {

class HtmlCollection;

// An element of a pane's document.
class HtmlElement {
public:
    virtual ~HtmlElement() = default;
    virtual QString tagName() const = 0;
    // The link address of the element; empty when it has none.
    virtual QString href() const = 0;
    virtual void setInnerHTML(const QString& html) = 0;
    // The elements inside this one.
    virtual HtmlCollection& all() = 0;
};

// The document's element collection, in document order.
class HtmlCollection {
public:
    virtual ~HtmlCollection() = default;
    virtual int length() const = 0;
    // nullptr outside 0 .. length() - 1.
    virtual HtmlElement* item(int index) = 0;
    // The first element with that id; nullptr when there is none.
    virtual HtmlElement* item(const QString& id) = 0;
};

// The document that a pane shows. Changes made through it may reach the page
// later than the call (the real page lives in another process): apply() runs
// its callback once every change made so far is in the page.
class HtmlDocument : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // nullptr when the document has no body (a frame set, an image).
    virtual HtmlElement* body() = 0;
    virtual HtmlCollection& all() = 0;
    virtual void apply(std::function<void()> done) = 0;

    // The document's context-menu event: the handler's false cancels the menu.
    using ContextMenuHandler = std::function<bool()>;
    virtual void setContextMenuHandler(ContextMenuHandler handler) = 0;
};

}  // namespace platform::browser
