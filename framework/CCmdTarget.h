#pragma once
// CCmdTarget: an object that takes commands (WM_COMMAND ids) through a table of its class.
// Each class that handles commands builds one CCommandMap, chained to its base class's
// map, from member functions:
//
//     const CCommandMap* CMyFrame::GetCommandMap() const
//     {
//         static const CCommandMap map = CCommandMapOf<CMyFrame>(CFrameWnd::GetCommandMap())
//                                            .On(ID_RECORD, &CMyFrame::OnRecord)
//                                            .OnUpdate(ID_RECORD, &CMyFrame::OnUpdateRecord);
//         return &map;
//     }
//
// A look-up runs the derived class's entries first, then its base's, and stops at the
// first entry of the kind asked for.
#include <functional>
#include <vector>
#include <windows.h>

class CCmdTarget;
class CCmdUI;

// What a command look-up asks of a target.
enum class CmdRequest
{
    Run,    // run the command's handler
    Update, // run the command's update handler with the CCmdUI given
    Probe,  // only tell whether a command handler exists
};

class CCommandMap
{
public:
    using Handler = std::function<void(CCmdTarget& target, UINT id)>;
    using UpdateHandler = std::function<void(CCmdTarget& target, CCmdUI& item)>;

    explicit CCommandMap(const CCommandMap* base) : m_base(base) {}

    // True when an entry of the kind asked for took the command (for Probe: exists).
    bool Dispatch(CCmdTarget& target, UINT id, CmdRequest request, CCmdUI* item) const;

protected:
    void Add(UINT first, UINT last, Handler onCommand, UpdateHandler onUpdate);

private:
    struct Entry
    {
        UINT first;
        UINT last;
        Handler onCommand;
        UpdateHandler onUpdate;
    };
    std::vector<Entry> m_entries;
    const CCommandMap* m_base;
};

// Builds the map of class T from its member functions.
template <class T> class CCommandMapOf : public CCommandMap
{
public:
    explicit CCommandMapOf(const CCommandMap* base) : CCommandMap(base) {}

    CCommandMapOf& On(UINT id, void (T::*handler)())
    {
        Add(id, id, [handler](CCmdTarget& target, UINT) { (static_cast<T&>(target).*handler)(); }, nullptr);
        return *this;
    }
    // The handler learns which id of the range arrived.
    CCommandMapOf& OnRange(UINT first, UINT last, void (T::*handler)(UINT id))
    {
        Add(first, last, [handler](CCmdTarget& target, UINT id) { (static_cast<T&>(target).*handler)(id); }, nullptr);
        return *this;
    }
    CCommandMapOf& OnUpdate(UINT id, void (T::*handler)(CCmdUI* item)) { return OnUpdateRange(id, id, handler); }
    CCommandMapOf& OnUpdateRange(UINT first, UINT last, void (T::*handler)(CCmdUI* item))
    {
        Add(first, last, nullptr,
            [handler](CCmdTarget& target, CCmdUI& item) { (static_cast<T&>(target).*handler)(&item); });
        return *this;
    }
};

class CCmdTarget
{
public:
    virtual ~CCmdTarget() = default;

    // Looks the command up in this object's table; a window that routes commands on
    // (a frame to its view and the application) overrides it.
    virtual bool OnCmdMsg(UINT id, CmdRequest request, CCmdUI* item);

protected:
    // The table of the object's class; null for a class without commands.
    virtual const CCommandMap* GetCommandMap() const { return nullptr; }
};
