#include "sections/drugs/DrugsLists.h"

namespace yrn::drugs {

const std::array<Substance, kSubstances>& substances() {
    static const std::array<Substance, kSubstances> rows{{
        {QStringLiteral("1.1    Alcohol, any use"), QStringLiteral("Alcohol comments"),
         QStringLiteral("Alcohol"), QStringLiteral("Alcohol: ")},
        {QStringLiteral("1.2    Marijuana"), QStringLiteral("Marijuana comments"),
         QStringLiteral("Marijuana"), QStringLiteral("Marijuana: ")},
        {QStringLiteral("1.3    Cocaine"), QStringLiteral("Cocaine comments"),
         QStringLiteral("Cocaine"), QStringLiteral("Cocaine: ")},
        {QStringLiteral("1.4    Crack Cocaine"), QStringLiteral("Crack cocaine comments"),
         QStringLiteral("Crack Cocaine"), QStringLiteral("Crack cocaine: ")},
        {QStringLiteral("1.5    Amphetamine"), QStringLiteral("Amphetamine comments"),
         QStringLiteral("Amphetamine"), QStringLiteral("Amphetamine: ")},
        {QStringLiteral("1.6    Barbiturates (downers) or Other sedatives/hypnotics/tranq  "),
         QStringLiteral("Barbiturates comments"), QStringLiteral("Barbiturates"),
         QStringLiteral("Barbiturates: ")},
        {QStringLiteral("1.7    Opiates/analgesics painkillers"),
         QStringLiteral("Opiates comments"), QStringLiteral("Opiates"),
         QStringLiteral("Opiates: ")},
        {QStringLiteral("1.8    Hallucinogens"), QStringLiteral("Hallucinogens comments"),
         QStringLiteral("Hallucinogens"), QStringLiteral("Hallucinogens: ")},
        {QStringLiteral("1.9    Inhalants"), QStringLiteral("Inhalants comments"),
         QStringLiteral("Inhalants"), QStringLiteral("Inhalants: ")},
        {QStringLiteral("1.10  Heroin "), QStringLiteral("Heroin comments"),
         QStringLiteral("Heroin"), QStringLiteral("Heroin: ")},
        {QStringLiteral("1.11  Methadone, illegal"), QStringLiteral("Methadone comments"),
         QStringLiteral("Methadone"), QStringLiteral("Methadone: ")},
        {QStringLiteral("1.12  More than one substance per day, including alcohol"),
         QStringLiteral("Multi-substance"), QStringLiteral("Multi-substance"),
         QStringLiteral("Multi-substance: ")},
    }};
    return rows;
}

QStringList majorSubstanceItems() {
    return {QStringLiteral("Alcohol"),           QStringLiteral("Marijuana"),
            QStringLiteral("Cocaine"),           QStringLiteral("Crack"),
            QStringLiteral("Amphetamines"),      QStringLiteral("Barbiturates"),
            QStringLiteral("Opiates"),           QStringLiteral("Hallucinogens"),
            QStringLiteral("Inhalants"),         QStringLiteral("Heroin"),
            QStringLiteral("Illegal Methadone"), QStringLiteral("Alcohol & Drug (dual addiction)"),
            QStringLiteral("Polydrug"),          QStringLiteral("No problem")};
}

QStringList upLateItems() {
    return {QStringLiteral("None"), QStringLiteral("Once"), QStringLiteral("Twice"),
            QStringLiteral("Three Times"), QStringLiteral("4 or more times")};
}

}  // namespace yrn::drugs
