#pragma once
// DestinationRecordOps: the operations the destination pages need on a record of one of
// the eleven destination types without knowing its class: copy, compare, assign, the
// show-dialog flag, and the duration and frequency every destination record holds.
#include "Info/SendParam.h"

struct DestinationRecordOps
{
    SendParam* (*create)();
    SendParam* (*clone)(const SendParam& record);
    bool (*equals)(const SendParam& a, const SendParam& b);
    void (*assign)(SendParam& target, const SendParam& source);
    void (*setDisplayFlag)(SendParam& record, bool show);
    int& (*duration)(SendParam& record);
    int& (*frequence)(SendParam& record);
};

// The operations of a destination type (7..17); null for any other type.
const DestinationRecordOps* GetDestinationRecordOps(int type);
