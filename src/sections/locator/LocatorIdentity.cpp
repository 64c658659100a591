// Who the client is, as the rest of the program asks: the folder name, the window
// caption and the names of the report.
#include "interview/ProgramError.h"
#include "sections/locator/LocatorSection.h"

namespace yrn {

QString LocatorSection::identityValue(const QString& site,
                                      const std::function<QString()>& value) const {
    QString result;
    guarded(prompts(), ErrorSite::module(site), [&] { result = value(); });
    return result;
}

bool LocatorSection::CheckSaveValues() const {
    bool complete = false;
    guarded(prompts(), ErrorSite::module(info().module + ".CheckSaveValues"), [&] {
        complete = true;
        for (const char* id : {"txtAssessmentDate1", "txtAssessmentDate2", "txtAssessmentDate3",
                               "txtLastName", "txtFirstName"})
            complete = complete && !text(QString::fromLatin1(id)).isEmpty();
    });
    return complete;
}

QString LocatorSection::YRNDirectory() const {
    return identityValue(info().module + ".YRNDirectory", [this] {
        return text(QStringLiteral("txtLastName")) + text(QStringLiteral("txtFirstName")) +
               text(QStringLiteral("txtMI")) + text(QStringLiteral("txtAssessmentDate1")) + '-' +
               text(QStringLiteral("txtAssessmentDate2")) + '-' +
               text(QStringLiteral("txtAssessmentDate3"));
    });
}

QString LocatorSection::frmMainCaptionName() const {
    return identityValue(info().module + ".frmMainCaptionName", [this] {
        const QString last = text(QStringLiteral("txtLastName"));
        if (last.isEmpty()) return QString();
        return "  [" + last + ", " + text(QStringLiteral("txtFirstName")) + ' ' +
               text(QStringLiteral("txtMI")) + ']';
    });
}

QString LocatorSection::FirstName() const {
    return identityValue(info().module, [this] { return text(QStringLiteral("txtFirstName")); });
}

QString LocatorSection::WholeName() const {
    return identityValue(info().module, [this] {
        const QString first = text(QStringLiteral("txtFirstName"));
        const QString mi = text(QStringLiteral("txtMI"));
        const QString last = text(QStringLiteral("txtLastName"));
        if (mi.isEmpty()) return first + ' ' + last;
        return first + ' ' + mi.toUpper() + ". " + last;
    });
}

QString LocatorSection::AssessmentDate() const {
    return identityValue(info().module, [this] {
        return text(QStringLiteral("txtAssessmentDate1")) + '/' +
               text(QStringLiteral("txtAssessmentDate2")) + '/' +
               text(QStringLiteral("txtAssessmentDate3"));
    });
}

}  // namespace yrn
