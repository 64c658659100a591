#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace yrn {

// The access letter a caption's "&" marks, lower-cased ("&&" is an ampersand);
// a null QChar when it has none.
QChar accessKey(const QString& caption);

// The captions with their texts unchanged but their access letters told apart
// from each other and from the taken ones, so that Alt and a letter always
// presses rather than moves between controls that share it. The first caption
// to claim a letter keeps it; a later one moves its "&" to the first free word
// start, else to the first free letter, else loses it. Captions without an
// access letter stay as they are.
QStringList uniqueAccessKeys(const QStringList& captions, const QString& taken = {});

}  // namespace yrn
