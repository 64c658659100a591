#include "sections/criminal/CriminalJusticeLists.h"

namespace yrn::criminal {

const QList<Crime>& crimes() {
    // Row 11 reads "Burglary, larceny, B & E" on the screen: one ampersand, shown
    // as written (the row labels are plain text, never a mnemonic).
    static const QList<Crime> list{
        {QStringLiteral("Shoplifting"), QStringLiteral("shoplifting")},
        {QStringLiteral("Vandalism"), QStringLiteral("vandalism")},
        {QStringLiteral("Parole/Probation violation"),
         QStringLiteral("parole/probation violation")},
        {QStringLiteral("Drug charges"), QStringLiteral("drug charges")},
        {QStringLiteral("Disorderly conduct, vagrancy, public intoxication"),
         QStringLiteral("disorderly conduct, vagrancy, PI")},
        {QStringLiteral("Driving while intoxicated"), QStringLiteral("DWI")},
        {QStringLiteral("Other major driving violations (reckless driving, speeding, etc)"),
         QStringLiteral("other major driving violation")},
        {QStringLiteral("Assault or other charges related to domestic violence"),
         QStringLiteral("assault or domestic violence")},
        {QStringLiteral("Assault not related to domestic violence"),
         QStringLiteral("assault not related to domestic violence")},
        {QStringLiteral("Forgery"), QStringLiteral("forgery")},
        {QStringLiteral("Weapons offense"), QStringLiteral("weapons offense")},
        {QStringLiteral("Burglary, larceny, B & E"), QStringLiteral("burglary, larceny, or BE")},
        {QStringLiteral("Robbery"), QStringLiteral("robbery")},
        {QStringLiteral("Arson"), QStringLiteral("arson")},
        {QStringLiteral("Rape"), QStringLiteral("rape")},
        {QStringLiteral("Homicide / manslaugter"), QStringLiteral("homicide/manslaughter")},
        {QStringLiteral("Prostitution"), QStringLiteral("prostitution")},
        {QStringLiteral("Contempt of Court"), QStringLiteral("contempt of court")},
        {QStringLiteral("Other"), QString()},
    };
    return list;
}

QStringList lifetimeItems() {
    return {QStringLiteral("Never been incarcerated"),
            QStringLiteral("Less than 1 month"),
            QStringLiteral("1-3 months"),
            QStringLiteral("3-6 months"),
            QStringLiteral("6 months to 1 year"),
            QStringLiteral("1-3 years"),
            QStringLiteral("More than 3 years")};
}

QStringList lastIncarcerationItems() {
    return {QStringLiteral("Less than 1 month"),
            QStringLiteral("1-3 months"),
            QStringLiteral("3-6 months"),
            QStringLiteral("6 months to 1 year"),
            QStringLiteral("1-3 years"),
            QStringLiteral("More than 3 years"),
            QStringLiteral("Currently incarcerated")};
}

}  // namespace yrn::criminal
