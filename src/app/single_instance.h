// Lets only one copy of the game run: a named mutex that the first copy
// creates and keeps open for its whole life.
#pragma once

#include "platform/win_types.h"

class CSingleInstanceBase {
public:
    virtual ~CSingleInstanceBase();

protected:
    HANDLE mutexHandle = nullptr;
};

class CSingleInstance : public CSingleInstanceBase {
public:
    ~CSingleInstance() override = default;
    // 1 when this process is the first copy. Otherwise brings the first
    // copy's window forward (when it has one yet), or the dialog open over
    // it, and returns 0.
    int Check(const char* className, const char* suffix);
};
