#include "tools/CheckCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <utility>

#include "interview/Interview.h"
#include "interview/Prompts.h"
#include "interview/Review.h"
#include "records/ClientFolder.h"
#include "sections/Sections.h"
#include "tools/ToolPrompts.h"

namespace yrn {

namespace {

constexpr int kComplete = 0;
constexpr int kIncomplete = 1;
constexpr int kDamaged = 2;

struct ClientCheck {
    QString folder;
    QStringList damage;  // why the folder could not be read in full
    Review review;

    int status() const {
        if (!damage.isEmpty()) return kDamaged;
        return review.complete() ? kComplete : kIncomplete;
    }
};

// Why a folder that gave no section file could not be read.
QString unreadable(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.exists()) return QStringLiteral("no such folder");
    if (!info.isDir()) return QStringLiteral("not a folder");
    if (!info.isReadable() || !info.isExecutable()) return QStringLiteral("cannot be read");
    return QStringLiteral("holds no section file");
}

ClientCheck check(Interview& interview, CollectingPrompts& prompts, const QString& folder) {
    ClientCheck result;
    result.folder = folder;
    try {
        ClientFolder client(interview, QCoreApplication::applicationDirPath());
        const ClientFolder::OpenOutcome opened = client.openClient(folder);
        if (!opened.found) {
            result.damage << unreadable(folder);
        } else {
            for (const QString& file : opened.incomplete)
                result.damage << QFileInfo(file).fileName() +
                                     QStringLiteral(" did not load in full");
            if (result.damage.isEmpty()) result.review = reviewAnswers(interview);
        }
    } catch (const std::exception& error) {
        result.damage << QStringLiteral("could not be read: ") + QString::fromUtf8(error.what());
    }
    for (const QString& line : prompts.take())
        std::fprintf(stderr, "yrn-tool: warning: %s: %s\n", folder.toUtf8().constData(),
                     line.toUtf8().constData());
    return result;
}

QJsonObject itemJson(const ReviewItem& item) {
    QJsonObject json{{QStringLiteral("section"), item.module},
                     {QStringLiteral("sectionCaption"), item.sectionCaption},
                     {QStringLiteral("page"), item.page},
                     {QStringLiteral("pageNumber"), item.pageNumber},
                     {QStringLiteral("field"), item.fieldId},
                     {QStringLiteral("question"), item.question}};
    if (item.isWarning()) json.insert(QStringLiteral("warning"), item.warning);
    return json;
}

QJsonObject clientJson(const ClientCheck& client) {
    QJsonArray unanswered;
    for (const ReviewItem& item : client.review.unanswered)
        unanswered.append(itemJson(item));
    QJsonArray warnings;
    for (const ReviewItem& item : client.review.warnings)
        warnings.append(itemJson(item));
    return {{QStringLiteral("folder"), client.folder},
            {QStringLiteral("complete"), client.status() == kComplete},
            {QStringLiteral("damaged"), QJsonArray::fromStringList(client.damage)},
            {QStringLiteral("unanswered"), unanswered},
            {QStringLiteral("warnings"), warnings}};
}

QString plural(qsizetype count, const QString& one, const QString& many) {
    return QString::number(count) + ' ' + (count == 1 ? one : many);
}

// "<folder>: complete", or the count and one line per question and warning.
QString clientText(const ClientCheck& client) {
    if (!client.damage.isEmpty())
        return client.folder + QStringLiteral(": damaged: ") +
               client.damage.join(QStringLiteral("; ")) + '\n';
    const Review& review = client.review;
    QString text = client.folder + QStringLiteral(": ");
    text += review.complete()
                ? QStringLiteral("complete")
                : plural(review.unanswered.size(), QStringLiteral("question not answered"),
                         QStringLiteral("questions not answered"));
    if (!review.warnings.isEmpty())
        text += ", " + plural(review.warnings.size(), QStringLiteral("warning"),
                              QStringLiteral("warnings"));
    text += '\n';
    for (const ReviewItem& item : review.unanswered)
        text += "  unanswered: " + item.where() + ", " + item.fieldId + ": " + item.question + '\n';
    for (const ReviewItem& item : review.warnings)
        text += "  warning: " + item.where() + ", " + item.fieldId + ": " + item.warning + " (" +
                item.question + ")\n";
    return text;
}

bool write(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) ==
               std::size_t(bytes.size()) &&
           std::fflush(stdout) == 0;
}

}  // namespace

bool isCheckCommand(const QString& command) {
    return command == QLatin1String("check");
}

int runCheck(const QStringList& args, QString& why) {
    bool json = false;
    bool options = true;
    QStringList folders;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (options && arg == QLatin1String("--json")) {
            json = true;
        } else if (options && arg == QLatin1String("--")) {
            options = false;
        } else if (options && arg.startsWith('-') && arg != QLatin1String("-")) {
            why = "unknown option \"" + arg + "\"";
            return kDamaged;
        } else {
            folders << arg;
        }
    }
    if (folders.isEmpty()) {
        why = QStringLiteral("no client folder given");
        return kDamaged;
    }

    // The open's words on a folder without section files and on incomplete files
    // are said by the check itself.
    CollectingPrompts prompts(
        {QStringLiteral("Incomplete Client Files"), QStringLiteral("Invalid directory")});
    auto interview = makeInterview(prompts);
    int status = kComplete;
    bool written = true;
    QJsonArray clients;
    for (const QString& folder : folders) {
        const ClientCheck client = check(*interview, prompts, folder);
        status = std::max(status, client.status());
        if (json)
            clients.append(clientJson(client));
        else
            written = write(clientText(client)) && written;
    }
    if (json) written = write(QString::fromUtf8(QJsonDocument(clients).toJson()));
    if (!written) {
        std::fprintf(stderr, "yrn-tool: the check could not be written to standard output\n");
        return kDamaged;
    }
    return status;
}

}  // namespace yrn
