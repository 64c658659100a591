#pragma once

#include <QWidget>

namespace yrn {

// The start-up window: one picture of the program's own, painted here so that
// nothing outside the program can be missing. A key closes it early.
class Splash : public QWidget {
    Q_OBJECT
  public:
    explicit Splash(QWidget* parent = nullptr);

    // Shows the splash for the given time (or until a key is pressed) and closes it.
    static void showFor(int milliseconds);

  signals:
    void dismissed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace yrn
