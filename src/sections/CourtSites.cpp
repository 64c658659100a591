#include "sections/CourtSites.h"

namespace yrn {

const QStringList& courtSiteNames() {
    // The first sites are kept in alphabetical order; the sites opened later were
    // added at the end, so that the codes already stored in client files keep
    // naming the same court.
    static const QStringList names{
        QStringLiteral("Adams County"),
        QStringLiteral("Allen County"),
        QStringLiteral("Ashland County"),
        QStringLiteral("Ashtabula County"),
        QStringLiteral("Athens County"),
        QStringLiteral("Auglaize County"),
        QStringLiteral("Belmont County"),
        QStringLiteral("Brown County"),
        QStringLiteral("Butler County"),
        QStringLiteral("Carroll County"),
        QStringLiteral("Champaign County"),
        QStringLiteral("Clark County"),
        QStringLiteral("Clermont County"),
        QStringLiteral("Clinton County"),
        QStringLiteral("Columbiana County"),
        QStringLiteral("Coshocton County"),
        QStringLiteral("Crawford County"),
        QStringLiteral("Cuyahoga County"),
        QStringLiteral("Darke County"),
        QStringLiteral("Defiance County"),
        QStringLiteral("Delaware County"),
        QStringLiteral("Erie County"),
        QStringLiteral("Fairfield County"),
        QStringLiteral("Fayette County"),
        // Added later, out of alphabetical order.
        QStringLiteral("Lucas County"),
        QStringLiteral("Franklin County"),
        QStringLiteral("Hamilton County"),
    };
    return names;
}

QList<int> courtSiteCodes() {
    QList<int> codes;
    for (int i = 0; i < courtSiteNames().size(); ++i)
        codes.append(i);
    return codes;
}

}  // namespace yrn
