#pragma once
// CRecordDestination: what every screen-capture destination with a settings
// record of its own shares: the edit record (SetInfo, GetInfo), the run record
// (UseInfo, read by Execute) and the grab-and-run operations.
//
// A destination derives from CRecordDestination<its record>, implements Execute
// and CopyPart, and overrides StoresRecordBeforeGrab and BeforeGrab when it
// differs from the default (grab first, store the record only after a
// successful grab).
#include "capture/destinations/CImageBase.h"

template <class Record> class CRecordDestination : public CImageBase
{
public:
    void SetInfo(const SendParam* record, unsigned int part) override
    {
        if (record == nullptr || record->GetType() != m_editInfo->GetType())
            return;
        const Record& typed = static_cast<const Record&>(*record);
        if (part == 0)
        {
            *m_editInfo = typed;
        }
        else if (part == 3)
        {
            // Every destination's record has its duration and frequency as part 3.
            m_editInfo->Duration = typed.Duration;
            m_editInfo->Frequence = typed.Frequence;
        }
        else
        {
            CopyPart(typed, part);
        }
    }

    SendParam* GetInfo() override { return m_editInfo.get(); }

    DestinationResult ProcessAgain(const SendParam* record) override
    {
        SetInfo(record, 0);
        return Execute();
    }

    DestinationResult ProcessWindow(HWND window) override
    {
        BeforeGrab();
        return GrabWindow(window) == DR_DONE ? Execute() : DR_FAILED;
    }
    DestinationResult ProcessRect(const RECT& rect) override
    {
        BeforeGrab();
        return GrabRect(rect) == DR_DONE ? Execute() : DR_FAILED;
    }
    DestinationResult ProcessRegion(HRGN region) override
    {
        BeforeGrab();
        return GrabRegion(region) == DR_DONE ? Execute() : DR_FAILED;
    }

    DestinationResult ProcessWindowWithInfo(HWND window, const SendParam* record) override
    {
        return GrabWithInfo([&] { return GrabWindow(window); }, record);
    }
    DestinationResult ProcessRectWithInfo(const RECT& rect, const SendParam* record) override
    {
        return GrabWithInfo([&] { return GrabRect(rect); }, record);
    }
    DestinationResult ProcessRegionWithInfo(HRGN region, const SendParam* record) override
    {
        return GrabWithInfo([&] { return GrabRegion(region); }, record);
    }

    // Copies the record into the run record that Execute reads.
    void UseInfo(const Record& record) { *m_runInfo = record; }

protected:
    CRecordDestination() : m_editInfo(new Record), m_runInfo(new Record) {}

    // Copies the field group of a part other than 0 and 3 from the record into the
    // edit record; an unknown part copies nothing.
    virtual void CopyPart(const Record& record, unsigned int part) = 0;
    // True for destinations that store the record before the grab (and so also
    // when the grab fails); false for those that store it only after a successful
    // grab.
    virtual bool StoresRecordBeforeGrab() const { return false; }
    // Called before each grab of the grab-and-run operations.
    virtual void BeforeGrab() {}

    Record& EditInfo() { return *m_editInfo; }
    const Record& RunInfo() const { return *m_runInfo; }

private:
    template <class Grab> DestinationResult GrabWithInfo(Grab grab, const SendParam* record)
    {
        BeforeGrab();
        if (StoresRecordBeforeGrab())
            SetInfo(record, 0);
        if (grab() != DR_DONE)
            return DR_FAILED;
        if (!StoresRecordBeforeGrab())
            SetInfo(record, 0);
        return Execute();
    }

    std::unique_ptr<Record> m_editInfo;
    std::unique_ptr<Record> m_runInfo;
};
