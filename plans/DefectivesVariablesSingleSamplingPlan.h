#pragma once

#include "plans/DefectivesSamplingPlan.h"

#include <cstdint>
#include <iosfwd>

namespace Brosquin
{

// A single sampling plan that judges a lot by measurements: n units are measured, and in Form 1
// the lot is accepted when the sample mean lies at least k standard deviations inside the
// specification limit (inside each of two limits), in Form 2 when the estimated percent
// defective is at most M. The standard deviation (SD) is known or estimated from the sample;
// with SD known and two limits, the limits lie 6 Cp SD apart. There is no lot size and no
// curtailing: the sample is always n, in one stage.
//
// The plan keeps the user's texts, which its record saves, and the numbers derived from them.
// With two limits and SD unknown, and with SD known when the band flag is set (the ANSI Z1.9
// plans set it), Pa depends on where the process mean lies and is known only between bounds.
class DefectivesVariablesSingleSamplingPlan : public DefectivesSamplingPlan
{
public:
    DefectivesVariablesSingleSamplingPlan() = default;
    ~DefectivesVariablesSingleSamplingPlan() override;
    DefectivesVariablesSingleSamplingPlan* Clone() const override;
    std::uint8_t PlanTypeId() const override;
    const char* PlanTypeName() const override;
    bool IsPaSingleValued() const override;
    Real& dQualityLevelAtPa(const Real& pa) override;
    Real& dPa(const Real& p) override;
    Real& dRangeUpper() override;
    Real& dRangeLower() override;
    Real& dPaMaximum(const Real& p) override;
    Real& dPaMinimum(const Real& p) override;
    Real& dPaUpperEnvelope(const Real& p) override;
    Real& dPaLowerEnvelope(const Real& p) override;
    Real& dASN(const Real& p) override;
    Real& dMaxASN() override;
    Real& dExpectedStages(const Real& p) override;
    Real& dMaxCost() override;
    Real& dAOQL() override;
    void vdWriteToStream(std::ostream& out) const override;
    void vdReadFromStream(std::istream& in, double fileVersion) override;

    // The largest acceptability constant k (and the smallest, negated) of a plan; M is held to
    // the k it makes.
    static constexpr double LargestConstant = 7.0;
    // Checks the entry texts: 0, or 1 (sample size), 2 (accept constant: k in Form 1, M in
    // Form 2) or 3 (Cp, a formula) with the message. The band flag only tells which k an M
    // makes.
    static int SetFromText(bool form1, const char* sampleSize, const char* acceptConstant,
                           bool sdKnown, bool twoSpecs, const char* cp, bool band, String& message);
    // Sets the plan from texts; texts that make no plan leave it not valid, described by the
    // reason, with the numbers of the last valid plan. The summary is recomputed either way.
    void vdDescribe(bool form1, const char* sampleSize, const char* acceptConstant, bool sdKnown,
                    bool twoSpecs, const char* cp, bool band);
    // Copies every value of this plan into other, the scratch result aside.
    void vdCopyTo(DefectivesVariablesSingleSamplingPlan& other) const;

    // The plan of the other form that is equivalent (similar, for two limits with SD unknown) to
    // the texts, stated in message; value is its constant (7 significant digits), or -100000
    // when there is none, or -200000 when the texts make no plan; n the sample size.
    static void ConvertForm(bool form1, const char* sampleSize, const char* acceptConstant,
                            bool sdKnown, bool twoSpecs, const char* cp, String& message, double& n,
                            double& value);
    // The Form 1 plan meeting the AQL and the LTPD (in the current units) at the probabilities
    // of the definitions; null when there is none, with the reason in message for two limits
    // with SD known. p, C0 and C1 are not used.
    static DefectivesVariablesSingleSamplingPlan*
    DesignFromTwoLevels(double aql, double ltpd, double p, double c0, double c1, bool sdKnown,
                        bool twoSpecs, const char* cp, String& message);

    bool IsForm1() const { return form1; }
    const String& SampleSizeText() const { return sampleSizeText; }
    const String& AcceptConstantText() const { return acceptConstantText; }
    bool IsSdKnown() const { return sdKnown; }
    bool HasTwoSpecs() const { return twoSpecs; }
    const String& CpText() const { return cpText; }
    bool HasBand() const { return band; }
    std::int32_t SampleSize() const { return n; }
    double K() const { return k; }
    double M() const { return m; }
    double Cp() const { return cp; }
    const String& MSDText() const { return msdText; }

private:
    DefectivesVariablesSingleSamplingPlan(const DefectivesVariablesSingleSamplingPlan& other) =
        default;
    DefectivesVariablesSingleSamplingPlan&
    operator=(const DefectivesVariablesSingleSamplingPlan& other) = default;

    // The numbers and the description of valid texts.
    void vdDerive();
    // Pa with SD known, two limits and the band flag: Pa with the capability the fraction p
    // needs when it exceeds Cp (the process then centred), and the one-limit Pa.
    bool BandBounds(const Real& p, double& offCentre, double& oneLimit);
    // The larger or the smaller bound of Pa.
    Real& dBound(const Real& p, bool largest);
    // A value of the statistics, with -1 read as "Parameter out of range.".
    Real& dInRange(double value);
    // With SD known and two limits: the largest value of a measure over the levels a process
    // with the plan's Cp can have.
    Real dMaximumFromSmallestLevel(Measure measure);

    bool form1 = true;
    String sampleSizeText;
    std::int32_t n = 0;
    String acceptConstantText;
    double acceptConstant = 0;
    bool sdKnown = false;
    bool twoSpecs = false;
    String cpText;
    double cp = 0;
    bool band = false;
    String kText;
    double k = 0;
    String mText;
    double m = 0;
    String msdText;
    double msd = 0;
};

} // namespace Brosquin
