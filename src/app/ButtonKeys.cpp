#include "app/ButtonKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace yrn {

namespace {

class EnterPresses : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = static_cast<QAbstractButton*>(watched);
        if (!button->isEnabled() || !button->isVisible()) return false;
        button->click();
        return true;
    }
};

}  // namespace

void pressOnEnter(QAbstractButton* button) {
    button->installEventFilter(new EnterPresses(button));
}

}  // namespace yrn
