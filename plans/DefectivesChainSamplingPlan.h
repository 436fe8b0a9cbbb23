#pragma once

#include "plans/DefectivesSamplingPlan.h"

#include <cstdint>
#include <iosfwd>

namespace Brosquin
{

// A chain plan: one sample of n units a lot; accept at most a1 defectives, reject r1 or more, and
// in between accept when the defectives of this sample and the samples of the i - 1 lots before
// it total at most a2. Its Pa depends on those lots: it is known only between bounds, with
// envelopes between Pa and the bounds.
class DefectivesChainSamplingPlan : public DefectivesSamplingPlan
{
public:
    DefectivesChainSamplingPlan() = default;
    ~DefectivesChainSamplingPlan() override;
    DefectivesChainSamplingPlan* Clone() const override;
    std::uint8_t PlanTypeId() const override;
    const char* PlanTypeName() const override;
    bool IsPaSingleValued() const override;
    Real& dPa(const Real& p) override;
    Real& dPaMaximum(const Real& p) override;
    Real& dPaMinimum(const Real& p) override;
    Real& dPaUpperEnvelope(const Real& p) override;
    Real& dPaLowerEnvelope(const Real& p) override;
    Real& dASN(const Real& p) override;
    void vdWriteToStream(std::ostream& out) const override;
    void vdReadFromStream(std::istream& in, double fileVersion) override;

    // Checks the entry texts: 0, or the number of the first offending field (1 n, 2 a1, 3 r1,
    // 4 i, 5 a2) with its message; a1 and r1 are checked before n.
    static int SetFromText(const char* n, const char* a1, const char* r1, const char* i,
                           const char* a2, String& message);
    // Sets the plan from texts; a plan they do not make is left not valid, described by the
    // reason, with the numbers of the last valid plan. The summary is recomputed either way.
    void vdDescribe(const char* n, const char* a1, const char* r1, const char* i, const char* a2);

    // The texts as the plan keeps them: n, a1, r1, i and a2.
    const String& Text(int field) const { return texts[field - 1]; }

private:
    DefectivesChainSamplingPlan(const DefectivesChainSamplingPlan& other) = default;
    // A curve of the plan at quality level p.
    template <class Curve> Real& dEvaluate(const Real& p, Curve curve);

    String texts[5];
    int n = 0;
    int a1 = 0;
    int r1 = 0;
    int i = 0;
    int a2 = 0;
};

} // namespace Brosquin
