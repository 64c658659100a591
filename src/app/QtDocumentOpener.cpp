#include "app/QtDocumentOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace yrn {

namespace {
constexpr int kFileNotFound = 2;
constexpr int kNoAssociation = 31;
constexpr int kOpened = 42;
}  // namespace

int QtDocumentOpener::open(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) return kFileNotFound;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath())) ? kOpened
                                                                                   : kNoAssociation;
}

}  // namespace yrn
