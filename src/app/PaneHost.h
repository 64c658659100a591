#pragma once

#include <QString>

#include "app/Twips.h"

namespace yrn {

class PaneView;

// What a pane needs of the main window: the caption, the View menu check marks,
// the geometry in twips, and the hand-over to the neighbouring panes.
class PaneHost {
  public:
    virtual ~PaneHost() = default;

    virtual void setCaption(const QString& caption) = 0;
    // Clears the check marks of View items 0 to 8 and sets the one of item.
    virtual void checkViewItem(int item) = 0;
    // The client's name part of the caption (empty while no last name is typed).
    virtual QString captionName() const = 0;

    // The desktop work area and the main window's outer size, in twips.
    virtual twips::Rect workArea() const = 0;
    virtual twips::Size mainSize() const = 0;

    // Next on the pane's last page (forward) or Back on its first page.
    virtual void handOver(PaneView& from, bool forward) = 0;
    // A command button of a page other than Next and Back.
    virtual void pageButton(PaneView& pane, const QString& name) = 0;

    // The access letters the window's own controls take (its menu titles), which
    // a page's buttons leave to them.
    virtual QString accessKeysTaken() const { return {}; }
    // A brief note for the interviewer about what just happened in a box.
    virtual void notice(const QString& /*text*/) {}
};

}  // namespace yrn
