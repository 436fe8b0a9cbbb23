#pragma once

#include "core/String.h"

#include <memory>

namespace Brosquin
{

class Drawing;
class SamplingPlanSession;

// The session's plans as the table the plan list window prints and copies: one row per plan in
// list order, checked or not, with its characteristic, description, AQL and LTPD points, AOQL and
// units as its summary keeps them. Headed "List Sampling Plans".
std::unique_ptr<Drawing> GetPlansTableDrawing(const SamplingPlanSession& session);

// The same table as tab-separated lines for the clipboard: a header line ending in LF, then a line
// per plan, the last without LF.
void vdCopyAsText(const SamplingPlanSession& session, String& text);

} // namespace Brosquin
