#pragma once

#include <QList>
#include <QString>

#include "report/DocumentOpener.h"

namespace yrn {

class Prompts;

// One item of the Help menu and the document it opens from the program
// folder's "YRN Help Files".
struct HelpItem {
    QString name;                // mnuIntroHelp ...
    QString caption;             // "&YRN Introduction" ...
    QString file;                // "YRN Introduction.doc" ...
    bool reportsMissing = true;  // false for the saving document
};

// The ten items, in menu order.
const QList<HelpItem>& helpItems();

QString helpFolder(const QString& programFolder);
QString helpPath(const QString& programFolder, const HelpItem& item);

// Opens the document of an item; a missing one (the opener answers 2) shows
// "Unable to open this help file!" unless the item keeps quiet. Returns the
// opener's code; a document the desktop then could not show is told to `failed`.
int openHelp(const QString& programFolder, const HelpItem& item, DocumentOpener& opener,
             Prompts& prompts, const DocumentOpener::Failure& failed);

}  // namespace yrn
