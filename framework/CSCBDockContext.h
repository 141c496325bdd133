#pragma once
// CSCBDockContext: the drag of a sizing bar. The outlines it offers are the bar's own
// sizes: its row size docked at the top or bottom, its column size docked at a side,
// and its floating size in a thick-framed frame without a caption (the bar's gripper or
// caption stands in for one).
#include "framework/CDockContext.h"

class CSCBDockContext : public CDockContext
{
public:
    using CDockContext::CDockContext;

protected:
    void InitRects() override;
};
