#include "app/HelpMenu.h"

#include <QDir>

#include "interview/Prompts.h"

namespace yrn {

const QList<HelpItem>& helpItems() {
    static const QList<HelpItem> items{
        {QStringLiteral("mnuIntroHelp"), QStringLiteral("&YRN Introduction"),
         QStringLiteral("YRN Introduction.doc")},
        {QStringLiteral("mnuLocHelp"), QStringLiteral("&Locator Information"),
         QStringLiteral("YRN Locator.doc")},
        {QStringLiteral("mnuDemHelp"), QStringLiteral("&Demographic Information"),
         QStringLiteral("YRN Demographic.doc")},
        {QStringLiteral("mnuMedHelp"), QStringLiteral("&Medical Health Information"),
         QStringLiteral("YRN Medical.doc")},
        {QStringLiteral("mnuEduHelp"), QStringLiteral("&Education &&Employment "),
         QStringLiteral("YRN Education Employment.doc")},
        {QStringLiteral("mnuDrugsHelp"), QStringLiteral("&Drug && Alcohol"),
         QStringLiteral("YRN Drug and Alcohol.doc")},
        {QStringLiteral("mnuCrimHelp"), QStringLiteral("&Criminal Justice Information"),
         QStringLiteral("YRN Criminal History.doc")},
        {QStringLiteral("mnuFSHelp"), QStringLiteral("&Family Social History "),
         QStringLiteral("YRN Family Social.doc")},
        {QStringLiteral("mnuMenHelp"), QStringLiteral("Mental &Health Information"),
         QStringLiteral("YRN Mental Health.doc")},
        {QStringLiteral("mnuSavingHelp"), QStringLiteral("&Saving Information"),
         QStringLiteral("YRN Saving Information.doc"), false},
    };
    return items;
}

QString helpFolder(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("YRN Help Files"));
}

QString helpPath(const QString& programFolder, const HelpItem& item) {
    return QDir(helpFolder(programFolder)).filePath(item.file);
}

int openHelp(const QString& programFolder, const HelpItem& item, DocumentOpener& opener,
             Prompts& prompts, const DocumentOpener::Failure& failed) {
    constexpr int kFileNotFound = 2;
    const int code = opener.openWatched(helpPath(programFolder, item), failed);
    if (code == kFileNotFound && item.reportsMissing)
        prompts.information(QStringLiteral("Help File Not Found or Unavailable"),
                            QStringLiteral("Unable to open this help file!"));
    return code;
}

}  // namespace yrn
