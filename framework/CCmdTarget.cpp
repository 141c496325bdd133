#include "framework/CCmdTarget.h"

#include "framework/CCmdUI.h"

#include <utility>

void CCommandMap::Add(UINT first, UINT last, Handler onCommand, UpdateHandler onUpdate)
{
    m_entries.push_back({first, last, std::move(onCommand), std::move(onUpdate)});
}

bool CCommandMap::Dispatch(CCmdTarget& target, UINT id, CmdRequest request, CCmdUI* item) const
{
    for (const CCommandMap* map = this; map; map = map->m_base)
    {
        for (const Entry& entry : map->m_entries)
        {
            if (id < entry.first || id > entry.last)
                continue;
            if (request == CmdRequest::Update && entry.onUpdate && item)
            {
                entry.onUpdate(target, *item);
                return true;
            }
            if (request == CmdRequest::Probe && entry.onCommand)
                return true;
            if (request == CmdRequest::Run && entry.onCommand)
            {
                entry.onCommand(target, id);
                return true;
            }
        }
    }
    return false;
}

bool CCmdTarget::OnCmdMsg(UINT id, CmdRequest request, CCmdUI* item)
{
    const CCommandMap* map = GetCommandMap();
    return map && map->Dispatch(*this, id, request, item);
}
