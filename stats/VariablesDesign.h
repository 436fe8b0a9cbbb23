#pragma once

#include <functional>

// The design of a single variables plan (n, k) from two protection levels, shared by the four
// cases of standard deviation known or unknown and one or two specification limits.

namespace Brosquin
{

// What a design needs of a case: its probability of acceptance at fraction defective p for a
// sample size n, which need not be whole, and an acceptability constant k, falling as k rises;
// and its smallest sample size.
struct VariablesDesignModel
{
    std::function<double(double p, double n, double k)> pa;
    int nSmallest;
};

// The plan meeting Pa(aql) >= paAtAql and Pa(ltpd) <= paAtLtpd under the model's own Pa with the
// smallest n for which a k of four decimals does, and with the largest such k (k solving the AQL
// point at n, cut down to four decimals):
// - aql = 0 and ltpd = 1: n smallest, k = 0;
// - ltpd = 1: n smallest, k from the AQL point, cut down;
// - aql = 0: n smallest, k from the LTPD point, rounded up (cutting it down would break it);
// - otherwise the sizes are stepped through from where the k solving the AQL point exactly meets
//   the LTPD point. The steps rest on Pa falling with n at the LTPD and rising at the AQL, for a
//   given k, as it does where Pa lies below and above one half.
// n = 0 (no plan) unless 0 <= aql < ltpd <= 1 and 0 < paAtLtpd < paAtAql < 1, and when no
// sample size up to 2^31 - 1 meets the requirements.
void DesignVariablesPlan(const VariablesDesignModel& model, double aql, double ltpd, double paAtAql,
                         double paAtLtpd, int& n, double& k);

} // namespace Brosquin
