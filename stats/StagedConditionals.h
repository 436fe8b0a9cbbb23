#pragma once

#include <cstdint>
#include <memory>
#include <vector>

// The chance that inspection in stages goes on past a stage given the running count after it:
// the same at every quality level and for every lot model of one kind, since given the count
// after so many units (so much material) every way it came about is equally likely, on a lot of
// any size as on a given one. The probability of reaching stage i + 1 with count y is then the
// probability of count y after the units of stages 1 ... i times g_i(y), so that a quality level
// costs one pass over the counts of each stage instead of a convolution; the conditional chances
// themselves cost about as much as one evaluation by convolution over every count that carries a
// chance of going on. The same chance of having reached a stage, at the counts after it that
// reject, gives its probability of rejecting, and so 1 - Pa where Pa is near 1.

namespace Brosquin
{

struct StagedConditionals
{
    // g_i(y) for the counts lo ... lo + values.size() - 1 between the accept and reject numbers of
    // stage i that can occur and carry a chance of going on; bands[i] for stage i + 1,
    // i = 0 ... k - 2. An empty band: no inspection goes on there or after.
    struct Band
    {
        std::int64_t lo;
        std::vector<double> values;
    };
    std::vector<Band> bands;
    // The chance of having reached stage i + 2 given a count after it at or above its reject
    // number, rejecting[i] for i = 0 ... k - 3, at the counts where it adds a probability of
    // rejecting that can count (the first and the last stage reject from the tails of their
    // counts).
    std::vector<Band> rejecting;
};

// For plans on defective units and on defects (in units or in amounts of material): null where
// preparing would take more than about a second or keep more than 2^24 chances (128 MB). Its work,
// found before any chance is computed, is the terms it sums, those of the pairs of counts of
// neighbouring stages whose terms are not negligible, and the reference points it computes, of the
// counts that carry a chance of going on (or of having reached a stage that rejects) and of those
// that can lead to them. Counts too far apart for the reference probabilities of one rate are
// prepared in parts, each at a rate of its own.
std::unique_ptr<StagedConditionals> PrepareDefectivesConditionals(int k, const int n[],
                                                                  const int a[], const int r[]);
std::unique_ptr<StagedConditionals> PrepareDefectsConditionals(int k, const int n[], const int a[],
                                                               const int r[]);
std::unique_ptr<StagedConditionals> PrepareDefectsConditionals(int k, const double s[],
                                                               const int a[], const int r[]);

} // namespace Brosquin
