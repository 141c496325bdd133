#pragma once
// CPPagePropsScCommonDuration: the last page of every destination: how long a timed
// capture runs and how often it captures. The frequency controls are enabled only while
// the duration is not 0; a duration of 1 second or more must exceed the frequency. A
// stored frequency below 1 shows as 1 and counts as 1.
#include "capture/pages/CPPagePropsScBase.h"

class CPPagePropsScCommonDuration : public CPPagePropsScBase
{
public:
    // type: the destination (7..17).
    explicit CPPagePropsScCommonDuration(EnumSendParam type);
    // The page's place among the pages of a destination type.
    static int PageIndexOf(EnumSendParam type);

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
    void ToShownValues(SendParam& record) const override;

private:
    void UpdateEnabling();
    static int ShownFrequence(int stored) { return stored >= 2 ? stored : 1; }

    CNumberEdit m_hours, m_minutes, m_seconds, m_frequence;
};
