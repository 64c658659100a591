#pragma once

class QAbstractButton;

namespace yrn {

// Enter and Return press a push button that has the keyboard, as the space bar
// does; outside a dialog Qt leaves them to the window, which does nothing.
void pressOnEnter(QAbstractButton* button);

}  // namespace yrn
