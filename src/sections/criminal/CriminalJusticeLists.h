#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace yrn::criminal {

// One kind of crime of the list shared by questions 3, 7 and 9: the row label on
// the screen and the name the report gives it. The charges list follows each name
// with a blank, the other two lists do not. The last row ("Other") has no name of
// its own: the report takes the text of the row's "Specify" box.
struct Crime {
    QString label;
    QString name;
};

// In row order, 0 to 18.
const QList<Crime>& crimes();

QStringList lifetimeItems();
QStringList lastIncarcerationItems();

// Positions with a meaning of their own.
constexpr int kNeverIncarcerated = 0;      // lifetime list
constexpr int kCurrentlyIncarcerated = 6;  // last-incarceration list

}  // namespace yrn::criminal
