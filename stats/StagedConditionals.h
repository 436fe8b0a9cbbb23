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
// themselves cost about as much as one evaluation by convolution over every count a stage can
// carry.

namespace Brosquin
{

struct StagedConditionals
{
    // g_i(y) for the counts lo ... lo + values.size() - 1 between the accept and reject numbers of
    // stage i that can occur; bands[i] for stage i + 1, i = 0 ... k - 2. An empty band: no
    // inspection goes on there or after.
    struct Band
    {
        std::int64_t lo;
        std::vector<double> values;
    };
    std::vector<Band> bands;
};

// For plans on defective units and on defects (in units or in amounts of material): null where
// preparing would take more than a couple of seconds or keep more than 2^24 chances (128 MB). Its
// work, found before anything is computed, is the terms it sums and the reference points it
// computes, of the counts (and pairs of counts of neighbouring stages) whose reference points are
// not negligible. Counts too far apart for the reference probabilities of one rate are prepared
// in parts, each at a rate of its own.
std::unique_ptr<StagedConditionals> PrepareDefectivesConditionals(int k, const int n[],
                                                                  const int a[], const int r[]);
std::unique_ptr<StagedConditionals> PrepareDefectsConditionals(int k, const int n[], const int a[],
                                                               const int r[]);
std::unique_ptr<StagedConditionals> PrepareDefectsConditionals(int k, const double s[],
                                                               const int a[], const int r[]);

} // namespace Brosquin
