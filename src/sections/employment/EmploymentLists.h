#pragma once

#include <QStringList>

// The fixed choice lists of the education and employment pane, and the texts the
// report gives its rows.
namespace yrn::employment {

QStringList jobItems();                // list A, question 8
QStringList jobTypeItems();            // list B, question 9
QStringList reasonLeftItems();         // list C, question 12
QStringList contributorItems();        // list D, question 14
QStringList employmentPatternItems();  // list E, question 16
QStringList amountOwedItems();         // list F, questions 20 to 24

// The income sources of question 18 (the captions of lblMoneySources(i)).
QStringList moneySourceLabels();
// The debts of questions 20 to 24 as the report names them.
QStringList debtNames();

}  // namespace yrn::employment
